// Verse-reference tags rendered as tables from the two scripture modules, and
// expanded to plain references.
#include "scripture/VerseTags.h"

#include "ScriptureFixture.h"
#include "app/AppGlobals.h"
#include "data/TxError.h"
#include "data/Verification.h"
#include "scripture/TransManager.h"
#include "support/FakeShell.h"

#include <gtest/gtest.h>

namespace {

const std::string ArabicFont = "<FONT FACE=\"Traditional Arabic\" SIZE=\"5\">";
const std::string EnglishFont = "<FONT FACE=\"Verdana\" SIZE=\"2\">";

int Count(const std::string& Text, const std::string& Sub) {
    int N = 0;
    for (size_t P = Text.find(Sub); P != std::string::npos; P = Text.find(Sub, P + Sub.size()))
        ++N;
    return N;
}

class VerseTagsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetVerification();
        TransManager.Reset();
        SetAppPath(Dir.Path(), "tarvix");
        Arabic = WriteAndOpenModule(Dir, "CvModule1.dll", FixtureChapters(3, ArabicVerse), true);
        English = WriteAndOpenModule(Dir, "CvModule2.dll", FixtureChapters(3, EnglishVerse), false);
        Arabic->SetLanguage("Arabic", "Qur'anic Arabic Script.");
        Arabic->SetFontTag(ArabicFont);
        English->SetLanguage("English (Test)", "A test translation.");
        English->SetFontTag(EnglishFont);
        Arabic->LoadText();
        English->LoadText();
        TransManager.RegisterModule(Arabic.get());
        TransManager.RegisterModule(English.get());
        TransManager.SetArabicModule(Arabic.get());
        TransManager.SetEnglishModule(English.get());
    }
    void TearDown() override {
        TransManager.Reset();
        ResetAppGlobals();
        ResetVerification();
    }

    TFakeShell Shell;
    TTempDir Dir;
    std::unique_ptr<TQuranDLLHelper> Arabic;
    std::unique_ptr<TQuranDLLHelper> English;
};

} // namespace

TEST_F(VerseTagsTest, OneVerseGivesATableOfArabicAboveEnglish) {
    const std::string Expected =
        "Before<BR><BR><A NAME=\"QREF_UNANCHORED\"></A><TABLE BORDER=1 CELLPADDING=3 "
        "CELLSPACING=0><TR><TD ALIGN=\"Right\" BGCOLOR=#F5F5EF>" +
        ArabicFont + "<FONT FACE=\"Verdana\" SIZE=\"2\"><B>002.255</B></FONT> <BDO DIR=RTL>" +
        ArabicVerse(2, 255) + "</BDO></FONT></TD></TR><TR><TD ALIGN=\"Left\" BGCOLOR=#F5F5EF><I>" +
        EnglishFont + "<B>002.255</B> " + EnglishVerse(2, 255) +
        "</FONT></I><BR></TD></TR></TABLE><BR>after";
    EXPECT_EQ(RenderVerseTags("Before<<QVERSE:2:255>>after", false), Expected);
}

TEST_F(VerseTagsTest, RangeGivesEveryVerseInBothRows) {
    const std::string T = RenderVerseTags("<<QVERSE:1:1-7>>", false);
    const size_t RowBreak = T.find("</TD></TR><TR>");
    ASSERT_NE(RowBreak, std::string::npos);
    const std::string ArabicRow = T.substr(0, RowBreak);
    const std::string EnglishRow = T.substr(RowBreak);
    for (int V = 1; V <= 7; ++V) {
        SCOPED_TRACE(V);
        const std::string Label = FormatVerseRef(1, V);
        EXPECT_NE(ArabicRow.find("<FONT FACE=\"Verdana\" SIZE=\"2\"><B>" + Label +
                                 "</B></FONT> <BDO DIR=RTL>" + ArabicVerse(1, V) + "</BDO>"),
                  std::string::npos);
        EXPECT_NE(EnglishRow.find("<B>" + Label + "</B> " + EnglishVerse(1, V)), std::string::npos);
    }
    EXPECT_EQ(Count(ArabicRow, "<B>"), 7);
    EXPECT_EQ(Count(EnglishRow, "<B>"), 7);
    // Six breaks between seven verses in each row, plus the two in front.
    EXPECT_EQ(Count(ArabicRow, "</BDO><BR><BR><FONT FACE=\"Verdana\""), 6);
    EXPECT_EQ(Count(EnglishRow, "<BR><BR><B>"), 6);
    EXPECT_EQ(T.find("\r\n"), std::string::npos);
}

TEST_F(VerseTagsTest, BackwardRangeLeavesOnlyTheFontTags) {
    const std::string T = RenderVerseTags("<<QVERSE:2:10-5>>", false);
    EXPECT_NE(T.find("BGCOLOR=#F5F5EF>" + ArabicFont + "</FONT></TD>"), std::string::npos);
    EXPECT_NE(T.find("BGCOLOR=#F5F5EF><I>" + EnglishFont + "</FONT></I>"), std::string::npos);
    EXPECT_EQ(T.find("<B>"), std::string::npos);
}

TEST_F(VerseTagsTest, AudioLinksPrecedeEveryVerse) {
    const std::string T = RenderVerseTags("<<QVERSE:3:1-2>>", true);
    const std::string Icon = "res://" + Dir.Path() + "tarvix/GIMG/AUDIO";
    for (int V = 1; V <= 2; ++V) {
        const std::string Ref = FormatVerseRef(3, V);
        const std::string Link = "<BR><A HREF=\"RAUDIO_" + Ref + "\"><IMG BORDER=\"0\" SRC=\"" +
                                 Icon + "\" ALT=\"Remote Audio\"></A>";
        EXPECT_EQ(Count(T, Link + "<FONT FACE=\"Verdana\" SIZE=\"2\"><B>" + Ref + "</B></FONT>"),
                  1);
        EXPECT_EQ(Count(T, Link + "<B>" + Ref + "</B> " + EnglishVerse(3, V)), 1);
    }
    EXPECT_EQ(Count(T, "RAUDIO_"), 4);
    EXPECT_EQ(Count(RenderVerseTags("<<QVERSE:3:1-2>>", false), "RAUDIO_"), 0);
}

TEST_F(VerseTagsTest, RepeatedTagsShareOneTableAndOthersStay) {
    const std::string One = RenderVerseTags("<<QVERSE:1:1>>", false);
    const std::string Two = RenderVerseTags("<<QVERSE:1:2>>", false);
    EXPECT_EQ(RenderVerseTags("a<<QVERSE:1:1>>b<<QVERSE:1:2>>c<<QVERSE:1:1>>d", false),
              "a" + One + "b" + Two + "c" + One + "d");
    // An unclosed tag ends the work; the text after it stays as it is.
    EXPECT_EQ(RenderVerseTags("<<QVERSE:1:1>> and <<QVERSE:1:2", false), One + " and <<QVERSE:1:2");
    EXPECT_EQ(RenderVerseTags("no tags >> here", false), "no tags >> here");
}

TEST_F(VerseTagsTest, VerseOutsideItsChapterShowsOnlyItsLabel) {
    const std::string T = RenderVerseTags("<<QVERSE:1:8>>", false);
    // Only labels of verses the chapter has get the Latin font.
    EXPECT_NE(T.find(ArabicFont + "<B>001.008</B> <BDO DIR=RTL></BDO></FONT>"), std::string::npos);
    EXPECT_NE(T.find("<B>001.008</B> </FONT>"), std::string::npos);
    EXPECT_EQ(T.find(EnglishVerse(2, 1)), std::string::npos);
}

TEST_F(VerseTagsTest, HugeRangeStopsAtTheChaptersLastVerse) {
    const std::string T = RenderVerseTags("<<QVERSE:1:5-2000000000>>", false);
    EXPECT_EQ(Count(T, "<B>"), 6); // verses 5, 6 and 7 in both rows
    EXPECT_EQ(T.find("001.008"), std::string::npos);
}

TEST_F(VerseTagsTest, MalformedTagsRaise) {
    const char* Bad[] = {"<<QVERSE:>>",         "<<QVERSE:2>>",
                         "<<QVERSE:x:1>>",      "<<QVERSE:2:y>>",
                         "<<QVERSE:2:1-z>>",    "<<QVERSE:2-5:1>>",
                         "<<QVERSE:115:1>>",    "<<QVERSE:0:1>>",
                         "<<QVERSE:115:10-5>>", "<<QVERSE:1:1<<QVERSE:1:2>>"};
    for (const char* Text : Bad) {
        SCOPED_TRACE(Text);
        EXPECT_THROW(RenderVerseTags(Text, false), ETxError);
    }
}

TEST_F(VerseTagsTest, MissingModuleRaisesInsteadOfCrashing) {
    TransManager.Reset();
    EXPECT_THROW(RenderVerseTags("<<QVERSE:1:1>>", false), ETxError);
    EXPECT_EQ(RenderVerseTags("plain", false), "plain");
    EXPECT_THROW(BuildVerseText(nullptr, 1, 1, false), ETxError);
}

TEST_F(VerseTagsTest, TagInsideAVerseTextIsNotRenderedAgain) {
    auto Tricky = WriteAndOpenModule(Dir, "Tricky.dll", {{"see <<QVERSE:1:1>>"}}, false);
    Tricky->SetLanguage("Tricky", "");
    Tricky->LoadText();
    TransManager.RegisterModule(Tricky.get());
    TransManager.SetEnglishModule(Tricky.get());
    const std::string T = RenderVerseTags("<<QVERSE:1:1>>", false);
    EXPECT_EQ(Count(T, "<TABLE"), 1);
    EXPECT_NE(T.find("see <<QVERSE:1:1>>"), std::string::npos);
}

TEST(VerseTags, ExpandGivesBracketedReferencesAsWritten) {
    struct Case {
        const char* Text;
        const char* Expected;
    };
    const Case Cases[] = {
        {"see <<QVERSE:2:255>> and <<QVERSE:3:1-3>>",
         "see [Al-Qur'an 2:255] and [Al-Qur'an 3:1-3]"},
        {"<<QVERSE:1:1>><<QVERSE:1:1>>", "[Al-Qur'an 1:1][Al-Qur'an 1:1]"},
        {"<<QVERSE:x>>", "[Al-Qur'an x]"},
        {"<<QVERSE:2:255>> <<QVERSE:1:1", "[Al-Qur'an 2:255] <<QVERSE:1:1"},
        {"nothing", "nothing"},
        {"", ""},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(ExpandVerseTags(C.Text), C.Expected) << C.Text;
}
