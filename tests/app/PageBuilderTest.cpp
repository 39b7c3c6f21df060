// The pages of the main window, compared whole, built from a program folder
// of fixture content read the way the start-up reads it.
#include "app/PageBuilder.h"

#include "app/AppGlobals.h"
#include "app/ContentLoader.h"
#include "app/Prefs.h"
#include "data/TextUtils.h"
#include "data/TxError.h"
#include "data/Verification.h"
#include "hadith/CategoryHelper.h"
#include "hadith/CollectionManager.h"
#include "hadith/CollectionWriter.h"
#include "scripture/MainDocManager.h"
#include "scripture/MainDocWriter.h"
#include "scripture/ScriptureWriter.h"
#include "scripture/TransManager.h"
#include "scripture/VerseTags.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// A readable expected page: the lines of a raw literal (its first line break
// dropped), each followed by CR LF, then every {KEY} replaced by its value.
std::string PageText(const std::string& Lines, const std::map<std::string, std::string>& Values) {
    std::string Text = Lines.substr(Lines.front() == '\n' ? 1 : 0);
    Text = ReplaceAll(Text, "\n", "\r\n");
    for (const auto& [Key, Value] : Values)
        Text = ReplaceAll(Text, "{" + Key + "}", Value);
    return Text;
}

// Compares line by line first, so a failure names the first differing line.
void ExpectSamePage(const std::string& Actual, const std::string& Expected) {
    const TStringList A = SplitText(Actual, "\r\n");
    const TStringList E = SplitText(Expected, "\r\n");
    for (size_t I = 0; I < std::min(A.size(), E.size()); ++I)
        ASSERT_EQ(A[I], E[I]) << "line " << I + 1;
    EXPECT_EQ(A.size(), E.size());
    EXPECT_EQ(Actual, Expected);
}

// The shared head; the header table is its one long line.
const char* const HeadLines = R"(
<HEAD>
<STYLE TYPE="text/css" MEDIA="Screen">
A:link:      {color:{C}}
A:active:    {color:{C}}
A:visited:   {color:{C}}
A:hover:     {color:{C}}
</STYLE>
</HEAD>
<BODY BGCOLOR="#EBEBE0">
<CENTER>
<TABLE BORDER=0 WIDTH=100%>
<TR><TD WIDTH=42 VALIGN=TOP></TD>
<TD ALIGN=CENTER VALIGN=TOP>
<TABLE BORDER=0 WIDTH=494><TR><TD BACKGROUND="{GIMG}{PIC}" ALIGN=CENTER VALIGN=CENTER HEIGHT=39><FONT FACE="Verdana" SIZE=1><B>{TITLE}</B></TD></TR><TR><TD>{INFO}</TD></TR></TABLE>
</TD></TR>
)";

std::string ExpectedHead(const std::string& Colour, const std::string& Picture,
                         const std::string& Title, const std::string& Info) {
    // Title and info last, so that nothing they hold is taken as a key.
    std::string Head = PageText(HeadLines, {{"C", Colour}, {"GIMG", GImgURL}, {"PIC", Picture}});
    Head = ReplaceAll(Head, "{TITLE}", Title);
    return ReplaceAll(Head, "{INFO}", Info);
}

TCollectionSource FixtureCollection() {
    TCollectionSource S;
    S.ID = "SAMPLE_GROUP";
    S.Name = "Sample Collection";
    S.Font = "FACE=\"Verdana\" SIZE=\"3\"";
    S.Align = "JUSTIFY";
    S.Records = {
        {"Narrated by Abu Test", "Actions are by intentions."},
        {"", "Recite <<QVERSE:1:2>> often."},
        {"", "Third text."},
    };
    S.Categories = {{1, "Prayer"}, {2, "Prayer"}};
    S.Classes = {{1, "RR_SHIH,LI_MUSN"}};
    S.Information = {{1, "Reported<BP>twice"}};
    return S;
}

std::vector<TStringList> FixtureScripture(const std::string& Language) {
    std::vector<TStringList> Chapters(1);
    for (int V = 1; V <= 7; ++V)
        Chapters[0].push_back(Language + " verse 1:" + std::to_string(V));
    return Chapters;
}

class PageBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ASSERT_TRUE(WriteCollectionFile(Dir.File("Sample.dbh"), FixtureCollection()));
        ASSERT_TRUE(WriteScriptureModule(Dir.File("CvModule1.dll"), FixtureScripture("Arabic")));
        ASSERT_TRUE(WriteScriptureModule(Dir.File("CvModule2.dll"), FixtureScripture("English")));
        TMainDocContent Doc;
        Doc.DocName = "MDOC_INTRO";
        Doc.Title = "Introduction 50% done";
        Doc.FontAttributes = "FACE=\"Verdana\"";
        Doc.BodyLines = {"<P>Tarvix <VER></P>", "<<QVERSE:1:1>>"};
        ASSERT_TRUE(WriteMainDocFile(Dir.File("Introduction.dbi"), Doc));
        LoadProgramFolder(Dir.Path(), Report);
        AppVersion = "1.81";
        SetDefaultPrefs(AppPrefs);
        AppPrefs.ColorWordHL = 0;
    }
    void TearDown() override { ResetGlobals(); }

    void ResetGlobals() {
        ResetPageBuilderState();
        ResetPrefsGlobals();
        ResetHadithCollManager();
        ResetMainDocManager();
        ResetHadithCatHelper();
        TransManager.Reset();
        ResetVerification();
        ResetAppGlobals();
    }

    void UseCollection(const std::string& Name) { HadithCollManager.SetActiveView(Name); }

    TFakeShell Shell;
    TTempDir Dir;
    TLoadReport Report;
};

TEST_F(PageBuilderTest, LoaderSkipsMissingFilesWithoutEndingTheProgram) {
    // Only the two built-in collections, the other built-in documents and
    // the categories are missing from the fixture folder.
    const TStringList Expected = {
        "HadithScience.dbi: missing, document skipped",
        "Distribution.dbi: missing, document skipped",
        "DorAnv_Arabic.dbh: missing, collection skipped",
        "DorAnv_English.dbh: missing, collection skipped",
        "Fenwir_English.dbh: missing",
        "HIndex.dbx: missing, categories skipped",
    };
    EXPECT_EQ(Report.Problems, Expected);
    EXPECT_FALSE(VerificationHasFailed);
    EXPECT_TRUE(Shell.Messages.empty());
    EXPECT_EQ(MainDocManager.DocumentCount(), 1);
    EXPECT_EQ(HadithCollManager.CollectionCount(), 1);
    ASSERT_NE(TransManager.ArabicModule(), nullptr);
    EXPECT_FALSE(TransManager.ArabicModule()->TextLines.empty());
    EXPECT_EQ(TransManager.EnglishModule()->LanguageName, "English (Saheeh International)");
}

TEST_F(PageBuilderTest, LoaderNotesDamagedFilesOnceAndKeepsGoing) {
    ResetGlobals();
    Dir.Write("CvModule2.dll", "not a module");
    Dir.Write("Introduction.dbi", "not a document");
    Dir.Write("DorAnv_English.dbh", "not a collection");
    TLoadReport Damaged;
    EXPECT_FALSE(LoadProgramFolder(Dir.Path(), Damaged));
    for (const char* Line : {
             "Introduction.dbi: not a valid main document, skipped",
             "CvModule2.dll: not a scripture module file (no readable QDATA resource), skipped",
             "DorAnv_English.dbh: not a valid collection file, skipped",
         }) {
        EXPECT_EQ(std::count(Damaged.Problems.begin(), Damaged.Problems.end(), Line), 1) << Line;
    }
    EXPECT_FALSE(VerificationHasFailed);
    EXPECT_TRUE(Shell.Messages.empty());
    EXPECT_EQ(TransManager.EnglishModule(), nullptr);
    EXPECT_NE(TransManager.ArabicModule(), nullptr);
    // The valid collection beside the damaged one still loads.
    EXPECT_EQ(HadithCollManager.CollectionCount(), 1);
}

TEST(HtmlHelpersTest, ColoursAndSmallRoutines) {
    EXPECT_EQ(ColorToHtml(PageBackground), "#EBEBE0");
    EXPECT_EQ(ColorToHtml(TColour{0x0A, 0xB0, 0xFF}), "#0AB0FF");
    struct TSchemeCase {
        int Scheme;
        const char* Colour;
        const char* Picture;
    };
    const TSchemeCase Cases[] = {
        {0, "#006400", "HDR_GREEN"}, {1, "#797900", "HDR_GOLD"},   {2, "#2B777D", "HDR_AQUA"},
        {3, "#4E749A", "HDR_BLUE"},  {4, "#7E3081", "HDR_PURPLE"}, {5, "#808080", "HDR_SILVER"},
        {6, "#797900", "HDR_GOLD"},  {255, "#797900", "HDR_GOLD"}, {-1, "#797900", "HDR_GOLD"},
    };
    for (const TSchemeCase& C : Cases) {
        EXPECT_EQ(ColorToHtml(SchemeColour(C.Scheme)), C.Colour) << C.Scheme;
        EXPECT_EQ(SchemeHeaderPicture(C.Scheme), C.Picture) << C.Scheme;
    }
    EXPECT_EQ(MakeFontTag("Verdana", "2", "#006400"),
              "<FONT FACE=\"Verdana\" SIZE=\"2\" COLOR=\"#006400\">");
    EXPECT_EQ(MakeAnchor("Go", "FEAT_SEARCH", ""), "<A HREF=\"FEAT_SEARCH\">Go</A>");
    EXPECT_EQ(MakeAnchor("Go", "x.htm", "_blank"), "<A HREF=\"x.htm\" TARGET=\"_blank\">Go</A>");
}

const char* const HadithInfo = "<BR><FONT FACE=\"Verdana\" SIZE=1><B>Hadith Group:</B> "
                               "SAMPLE_GROUP<BR><B>Hadith Collection:</B> Sample Collection</FONT>";

// The head is one line of the page and ends with its own CR LF, so an empty
// line follows it.
const char* const HadithOneBody = R"(
{HEAD}
</TABLE>
<BR><BR>
<TABLE BORDER=0 WIDTH=100%>
<TR><TD>
<FONT FACE="Verdana" SIZE=2>
<B>Hadith #1, 
Category:</B> Prayer
</FONT>
<HR SIZE=1 NOSHADE COLOR=SILVER>
<TABLE BORDER=0><TR><TD ALIGN="JUSTIFY">
<FONT COLOR="{K}" FACE="Verdana" SIZE="3">
Narrated by Abu Test<BR><BR>
</FONT>
</TD></TR></TABLE>
<TABLE BORDER=0 WIDTH=100%><TR><TD ALIGN="JUSTIFY">
<FONT FACE="Verdana" SIZE="3">
Actions are by intentions.
</FONT>
</TD></TR></TABLE>
<BR><BR>
<FONT FACE="Verdana" SIZE=2>
<B>Classification of this Hadith</B>
</FONT>
<HR SIZE=1 NOSHADE COLOR=SILVER>
<FONT FACE="Verdana" SIZE=2>
<A HREF="RR_SHIH"><FONT COLOR="{K}">Sahih</FONT></A>, <A HREF="LI_MUSN"><FONT COLOR="{K}">Musnad</FONT></A>
</FONT></FONT>
<BR><BR>
<FONT FACE="Verdana" SIZE=2>
<B>Information for this Hadith</B>
</FONT>
<HR SIZE=1 NOSHADE COLOR=SILVER>
<TABLE BORDER=0 WIDTH=100%><TR><TD ALIGN="JUSTIFY">
<FONT FACE="Verdana" SIZE=2>
Reported<BR>*twice
</FONT>
</TD></TR></TABLE>
<HR SIZE=1 NOSHADE COLOR=SILVER>
</TD></TR>
</TABLE>
</BODY>
)";

TEST_F(PageBuilderTest, HadithPageWithNarratorChain) {
    UseCollection("Sample Collection");
    AppPrefs.ColorWordHL = 3;
    const std::string Head = ExpectedHead("#4E749A", "HDR_BLUE", "Hadith Number: 1", HadithInfo);
    ExpectSamePage(BuildHadithPage(1), PageText(HadithOneBody, {{"HEAD", Head}, {"K", "#4E749A"}}));
}

TEST_F(PageBuilderTest, HadithPageWithoutChainOrMetadata) {
    UseCollection("Sample Collection");
    const std::string Head = ExpectedHead("#006400", "HDR_GREEN", "Hadith Number: 3", HadithInfo);
    const char* const Body = R"(
{HEAD}
</TABLE>
<BR><BR>
<TABLE BORDER=0 WIDTH=100%>
<TR><TD>
<FONT FACE="Verdana" SIZE=2>
<B>Hadith #3, 
Category:</B> Uncategorised
</FONT>
<HR SIZE=1 NOSHADE COLOR=SILVER>
<TABLE BORDER=0 WIDTH=100%><TR><TD ALIGN="JUSTIFY">
<FONT FACE="Verdana" SIZE="3">
Third text.
</FONT>
</TD></TR></TABLE>
<BR><BR>
<FONT FACE="Verdana" SIZE=2>
<B>Classification of this Hadith</B>
</FONT>
<HR SIZE=1 NOSHADE COLOR=SILVER>
<FONT FACE="Verdana" SIZE=2>
<A HREF="Unclassified"><FONT COLOR="#006400">Unclassified</FONT></A>
</FONT></FONT>
<BR><BR>
<FONT FACE="Verdana" SIZE=2>
<B>Information for this Hadith</B>
</FONT>
<HR SIZE=1 NOSHADE COLOR=SILVER>
<TABLE BORDER=0 WIDTH=100%><TR><TD ALIGN="JUSTIFY">
<FONT FACE="Verdana" SIZE=2>
No Additional Information
</FONT>
</TD></TR></TABLE>
<HR SIZE=1 NOSHADE COLOR=SILVER>
</TD></TR>
</TABLE>
</BODY>
)";
    ExpectSamePage(BuildHadithPage(3), PageText(Body, {{"HEAD", Head}}));
}

TEST_F(PageBuilderTest, PreviewedSchemeColoursTheHeadOnly) {
    UseCollection("Sample Collection");
    AppPrefs.ColorWordHL = 0;
    PreviewPrefs = AppPrefs;
    PreviewPrefs.ColorWordHL = 4;
    PrefsWindowShowing = true;
    const std::string Previewed =
        ExpectedHead("#7E3081", "HDR_PURPLE", "Hadith Number: 1", HadithInfo);
    ExpectSamePage(BuildHadithPage(1),
                   PageText(HadithOneBody, {{"HEAD", Previewed}, {"K", "#006400"}}));

    // Closing the window brings the saved scheme back to the head.
    PrefsWindowShowing = false;
    EXPECT_EQ(BuildPageHead("T", "I"), ExpectedHead("#006400", "HDR_GREEN", "T", "I"));
}

TEST_F(PageBuilderTest, SchemeOutsideTheTableIsGold) {
    for (const uint8_t Scheme : {uint8_t{6}, uint8_t{200}}) {
        AppPrefs.ColorWordHL = Scheme;
        EXPECT_EQ(BuildPageHead("Title", "<BR>"),
                  ExpectedHead("#797900", "HDR_GOLD", "Title", "<BR>"));
    }
}

const char* const CategoryBody = R"(
{HEAD}
</TABLE>
<BR><BR>
<TABLE BORDER=0 WIDTH=100%>
<TR><TD>
<FONT FACE="Verdana" SIZE="3">
<BR><A HREF="HCOLL_SAMPLE_COLLECTION_1">
<FONT COLOR="#797900">
<FONT FACE="Verdana" SIZE=2>
<B>Hadith #1</B></FONT></A>
<HR SIZE=1 NOSHADE COLOR=SILVER>
</FONT>
<TABLE BORDER=0><TR><TD ALIGN="JUSTIFY">
<FONT FACE="Verdana" SIZE="3">
Actions are by intentions.
</FONT>
</TD></TR></TABLE>
<BR>
<BR><A HREF="HCOLL_SAMPLE_COLLECTION_2">
<FONT COLOR="#797900">
<FONT FACE="Verdana" SIZE=2>
<B>Hadith #2</B></FONT></A>
<HR SIZE=1 NOSHADE COLOR=SILVER>
</FONT>
<TABLE BORDER=0><TR><TD ALIGN="JUSTIFY">
<FONT FACE="Verdana" SIZE="3">
Recite {VERSE} often.
</FONT>
</TD></TR></TABLE>
<BR>
</FONT>
<HR SIZE=1 NOSHADE COLOR=SILVER>
</TD></TR>
</TABLE>
</BODY>
)";

std::string CategoryInfo(int Count, const std::string& Group, const std::string& Name) {
    return "<BR><FONT FACE=\"Verdana\" SIZE=1><B>Hadith Group:</B> " + Group +
           "<BR><B>Item Count:</B> " + std::to_string(Count) + "<BR><B>Hadith Collection:</B> " +
           Name + "</FONT>";
}

TEST_F(PageBuilderTest, CategoryPageShowsEveryHadithInFull) {
    UseCollection("Sample Collection");
    AppPrefs.ColorWordHL = 1;
    // Remote audio changes the verse tables, so both settings are compared.
    for (const bool Audio : {false, true}) {
        AppPrefs.EnableRemoteAudio = Audio;
        const std::string Head = ExpectedHead("#797900", "HDR_GOLD", "Prayer",
                                              CategoryInfo(2, "SAMPLE_GROUP", "Sample Collection"));
        const std::string Verse = RenderVerseTags("<<QVERSE:1:2>>", Audio);
        ASSERT_NE(Verse.find("English verse 1:2"), std::string::npos);
        ExpectSamePage(BuildCategoryPage("Prayer"),
                       PageText(CategoryBody, {{"HEAD", Head}, {"VERSE", Verse}}));
    }
}

TEST_F(PageBuilderTest, BlankCategoryListsEveryHadith) {
    UseCollection("Sample Collection");
    const std::string Page = BuildCategoryPage("");
    EXPECT_NE(Page.find("<B>Item Count:</B> 3<BR>"), std::string::npos);
    for (const char* Link : {"HCOLL_SAMPLE_COLLECTION_1\"", "HCOLL_SAMPLE_COLLECTION_2\"",
                             "HCOLL_SAMPLE_COLLECTION_3\""})
        EXPECT_NE(Page.find(Link), std::string::npos) << Link;
}

TEST_F(PageBuilderTest, EmptyCategoryPage) {
    UseCollection("Sample Collection");
    const std::string Head = ExpectedHead("#006400", "HDR_GREEN", "Fasting>Voluntary",
                                          CategoryInfo(0, "SAMPLE_GROUP", "Sample Collection"));
    const char* const Body = R"(
{HEAD}
</TABLE>
<BR><BR>
<TABLE BORDER=0 WIDTH=100%>
<TR><TD>
<FONT FACE="Verdana" SIZE="3">
<FONT FACE="Verdana" SIZE=2>
<B>No Ahadith found in this category!</B></A>
<HR SIZE=1 NOSHADE COLOR=SILVER>
No Ahadith were found under this category, for the current Hadith collection. Use the "Show Count" feature to show which categories contain Ahadith, or select the "Uncategorised" category. Alternatively select another Hadith collection!
</FONT>
</FONT>
<HR SIZE=1 NOSHADE COLOR=SILVER>
</TD></TR>
</TABLE>
</BODY>
)";
    ExpectSamePage(BuildCategoryPage("Fasting>Voluntary"), PageText(Body, {{"HEAD", Head}}));
}

TEST_F(PageBuilderTest, PercentSignsInNamesShowAsThemselves) {
    // Format directives in the group key, the name and the category must
    // come out unchanged and never read anything.
    TCollectionSource S = FixtureCollection();
    S.ID = "G%d%s";
    S.Name = "100% Sound %s%n%%";
    ASSERT_TRUE(WriteCollectionFile(Dir.File("Percent.dbh"), S));
    LoadFurtherCollections(Report);
    UseCollection("100% Sound %s%n%%");
    const std::string Page = BuildCategoryPage("Prayer %s");
    const std::string Head = ExpectedHead("#006400", "HDR_GREEN", "Prayer %s",
                                          CategoryInfo(0, "G%d%s", "100% Sound %s%n%%"));
    EXPECT_EQ(Page.substr(0, Head.size()), Head);
    EXPECT_NE(BuildHadithPage(1).find("<B>Hadith Collection:</B> 100% Sound %s%n%%</FONT>"),
              std::string::npos);
}

TEST_F(PageBuilderTest, MainDocumentPage) {
    AppPrefs.ColorWordHL = 2;
    const std::string Head =
        ExpectedHead("#2B777D", "HDR_AQUA", "Introduction 50% done", "<BR><BR>");
    const char* const Body = R"(
{HEAD}
</TABLE></BODY>
</CENTER>
<FONT FACE=Verdana SIZE=2>
<P>Tarvix 1.81</P>
{VERSE}
</FONT>
)";
    ExpectSamePage(
        BuildMainDocPage(0),
        PageText(Body, {{"HEAD", Head}, {"VERSE", RenderVerseTags("<<QVERSE:1:1>>", false)}}));
}

TEST_F(PageBuilderTest, WelcomePage) {
    const char* const Body = R"(
<BODY BGCOLOR="#EBEBE0">
<CENTER><BR>
<IMG SRC="{HIMG}WELCOME1"><BR><BR>
<IMG SRC="{HIMG}WELCOME2"><BR><BR>
<FONT FACE=Verdana SIZE=2>
<B>Tarvix, a reader of hadith collections</B><BR><A HREF="FEAT_TIPS">Tips for getting started</A>
</FONT>
</CENTER>
)";
    ASSERT_FALSE(HImgURL.empty());
    ExpectSamePage(BuildWelcomePage(), PageText(Body, {{"HIMG", HImgURL}}));
}

TEST_F(PageBuilderTest, RequestsOutsideTheContentRaise) {
    // A failed choice leaves no Active View.
    EXPECT_THROW(UseCollection("No Such Collection"), ETxError);
    EXPECT_THROW(BuildCategoryPage("Prayer"), ETxError);
    EXPECT_THROW(BuildHadithPage(1), ETxError);
    UseCollection("Sample Collection");
    for (const int N : {0, 4, -1})
        EXPECT_THROW(BuildHadithPage(N), ETxError) << N;
    EXPECT_THROW(BuildMainDocPage(1), ETxError);
    EXPECT_THROW(BuildMainDocPage(-1), ETxError);
}

} // namespace
