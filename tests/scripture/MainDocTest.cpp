// Main documents: reading the enciphered header and body, what makes a
// document invalid, and the registry's loading, duplicates and order.
#include "scripture/MainDoc.h"

#include "app/AppGlobals.h"
#include "data/Fingerprint.h"
#include "data/LineCipher.h"
#include "data/TxError.h"
#include "data/Verification.h"
#include "scripture/MainDocManager.h"
#include "scripture/MainDocWriter.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const std::string CrLf = "\r\n";

TMainDocContent Content(const std::string& Name, const std::string& Priority,
                        const TStringList& Body = {"<P>Text</P>"}) {
    TMainDocContent C;
    C.DocName = Name;
    C.Title = "Title of " + Name;
    C.SortPriority = Priority;
    C.BodyLines = Body;
    return C;
}

// A document built by hand, without the writer: header lines 1-7 as given
// (plain) and line 0 with the fingerprint of the stored body bytes.
std::string HandMadeDocRaw(const TTempDir& Dir, const TStringList& Header1To7,
                           const std::string& BodyBytes) {
    const std::string Scratch = Dir.Write("body.scratch", BodyBytes);
    const std::string Print = FileFingerprint(Scratch, 0);
    std::remove(Scratch.c_str());
    std::string Text = EncodeLine("<<CRCSL3:" + Print + ">>+", 0) + CrLf;
    for (size_t i = 0; i < Header1To7.size(); ++i)
        Text += EncodeLine(Header1To7[i], static_cast<int>(i + 1)) + CrLf;
    return Text + BodyBytes;
}

// As above, body line k enciphered with index k.
std::string HandMadeDoc(const TTempDir& Dir, const TStringList& Header1To7,
                        const TStringList& Body) {
    std::string BodyBytes;
    for (size_t k = 0; k < Body.size(); ++k)
        BodyBytes += EncodeLine(Body[k], static_cast<int>(k)) + CrLf;
    return HandMadeDocRaw(Dir, Header1To7, BodyBytes);
}

const TStringList PlainHeader = {
    "<<N: MDOC_SAMPLE >>|<<T:A Sample Document>>+",
    "<<SORT_PRIORITY: 42 >>|<<PL:true >>|<<WORDHL:False>>|<<FONT:FACE=\"Verdana\" SIZE=2>>+",
    "<<D:What the sample is for>>",
    "",
    "",
    "",
    ""};

class MainDocTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetVerification();
        ResetMainDocManager();
        SetAppPath(Dir.Path());
    }
    void TearDown() override {
        ResetMainDocManager();
        ResetVerification();
        ResetAppGlobals();
    }

    void WriteDoc(const std::string& FileName, const TMainDocContent& C) {
        ASSERT_TRUE(WriteMainDocFile(Dir.File(FileName), C));
    }

    TFakeShell FakeShell;
    TTempDir Dir;
};

} // namespace

TEST_F(MainDocTest, ReadsTheHeaderFieldsWithTheirOwnDelimiters) {
    const std::string File =
        Dir.Write("Sample.dbi", HandMadeDoc(Dir, PlainHeader, {"<H1>One</H1>", "<P>Two</P>"}));
    TMainDoc Doc(File);

    EXPECT_TRUE(Doc.IsValid());
    EXPECT_EQ(Doc.FileName(), File);
    // Values keep their blanks; the flags compare trimmed and folded.
    EXPECT_EQ(Doc.DocName(), " MDOC_SAMPLE ");
    EXPECT_EQ(Doc.Title(), "A Sample Document");
    EXPECT_EQ(Doc.SortPriority(), 42);
    EXPECT_TRUE(Doc.PLFlag());
    EXPECT_FALSE(Doc.WordHighlight());
    EXPECT_EQ(Doc.FontTag(), "<FONT FACE=\"Verdana\" SIZE=2>");
    EXPECT_EQ(Doc.Description(), "What the sample is for");
    EXPECT_EQ(Doc.BodyLines(), (TStringList{"<H1>One</H1>", "<P>Two</P>"}));
    EXPECT_EQ(Doc.BodyText(), "<H1>One</H1>\r\n<P>Two</P>");
    EXPECT_EQ(Doc.GetModuleName(), "Main Document");

    // The header size is the stored header with its line breaks, so the
    // fingerprint covers exactly the body.
    const std::string Stored = Dir.Read("Sample.dbi");
    size_t HeaderEnd = 0;
    for (int i = 0; i < 8; ++i)
        HeaderEnd = Stored.find(CrLf, HeaderEnd) + 2;
    EXPECT_EQ(Doc.HeaderSize(), static_cast<int64_t>(HeaderEnd));
    EXPECT_EQ(Doc.ExpectedFingerprint(), FileFingerprint(File, Doc.HeaderSize()));
    // Verify shows the computed fingerprint on the verification status line.
    ASSERT_FALSE(FakeShell.VerifyStatus.empty());
    EXPECT_EQ(FakeShell.VerifyStatus.back(), Doc.ExpectedFingerprint());
}

TEST_F(MainDocTest, SortPriorityFallsBackTo100WhenNotAnInteger) {
    const struct {
        const char* Stored;
        int Expected;
    } Cases[] = {{"abc", 100}, {"", 100},    {" 7 ", 7},
                 {"-5", -5},   {"12x", 100}, {"99999999999", 100}};
    for (const auto& Case : Cases) {
        TStringList Header = PlainHeader;
        Header[1] = std::string("<<SORT_PRIORITY:") + Case.Stored +
                    ">>|<<PL:FALSE>>|<<WORDHL:" + "TRUE>>|<<FONT:SIZE=1>>+";
        TMainDoc Doc(Dir.Write("P.dbi", HandMadeDoc(Dir, Header, {"x"})));
        EXPECT_TRUE(Doc.IsValid()) << Case.Stored;
        EXPECT_EQ(Doc.SortPriority(), Case.Expected) << Case.Stored;
        EXPECT_TRUE(Doc.WordHighlight());
    }
}

TEST_F(MainDocTest, BodyKeyIndexStartsAgainAtZeroAfterTheHeader) {
    // Enciphered with index 8 (its position in the file), the first body
    // line must not read back: the loader uses index 0.
    std::string Text = HandMadeDoc(Dir, PlainHeader, {});
    Text += EncodeLine("<P>first</P>", 8) + CrLf;
    TMainDoc Wrong(Dir.Write("Wrong.dbi", Text));
    ASSERT_EQ(Wrong.BodyLines().size(), 1u);
    EXPECT_NE(Wrong.BodyLines()[0], "<P>first</P>");

    TMainDoc Right(Dir.Write("Right.dbi", HandMadeDoc(Dir, PlainHeader, {"<P>first</P>"})));
    EXPECT_EQ(Right.BodyLines(), TStringList{"<P>first</P>"});
}

TEST_F(MainDocTest, HeaderWithoutBodyIsValidAndEmpty) {
    TMainDoc Doc(Dir.Write("Empty.dbi", HandMadeDoc(Dir, PlainHeader, {})));
    EXPECT_TRUE(Doc.IsValid());
    EXPECT_TRUE(Doc.BodyLines().empty());
    EXPECT_EQ(Doc.BodyText(), "");
}

TEST_F(MainDocTest, WriterRoundTrip) {
    TMainDocContent C = Content("MDOC_ROUND", "15", {"<P>A</P>", "", "<B>C</B> <VER>"});
    C.Description = "About, with | bars";
    C.PLFlag = true;
    C.WordHighlight = true;
    C.FontAttributes = "FACE=\"Arial\"";
    WriteDoc("Round.dbi", C);

    TMainDoc Doc(Dir.File("Round.dbi"));
    EXPECT_TRUE(Doc.IsValid());
    EXPECT_TRUE(Doc.Verify());
    EXPECT_EQ(Doc.DocName(), C.DocName);
    EXPECT_EQ(Doc.Title(), C.Title);
    EXPECT_EQ(Doc.Description(), C.Description);
    EXPECT_EQ(Doc.SortPriority(), 15);
    EXPECT_TRUE(Doc.PLFlag());
    EXPECT_TRUE(Doc.WordHighlight());
    EXPECT_EQ(Doc.FontTag(), "<FONT FACE=\"Arial\">");
    EXPECT_EQ(Doc.BodyLines(), C.BodyLines);
}

TEST_F(MainDocTest, WriterRefusesValuesThatWouldNotReadBack) {
    const auto Bad = [](auto Change) {
        TMainDocContent C = Content("MDOC_BAD", "1");
        Change(C);
        return C;
    };
    const TMainDocContent Cases[] = {
        Bad([](TMainDocContent& C) { C.DocName = "MDOC_>>X"; }),
        Bad([](TMainDocContent& C) { C.Title = "Ends>>+here"; }),
        Bad([](TMainDocContent& C) { C.Description = "a>>b"; }),
        Bad([](TMainDocContent& C) { C.SortPriority = "1>>|<<"; }),
        Bad([](TMainDocContent& C) { C.BodyLines = {"two\r\nlines"}; }),
        Bad([](TMainDocContent& C) { C.Title = "line\nbreak"; }),
    };
    for (const TMainDocContent& C : Cases)
        EXPECT_THROW(MainDocFileText(C), ETxError) << C.DocName << " " << C.Title;
}

TEST_F(MainDocTest, DamagedDocumentsAreInvalid) {
    WriteDoc("Good.dbi", Content("MDOC_GOOD", "1", {"<P>one</P>", "<P>two</P>"}));
    const std::string Good = Dir.Read("Good.dbi");
    const size_t BodyStart = Good.size() - MainDocBodyText({"<P>one</P>", "<P>two</P>"}).size();

    std::string BodyByte = Good;
    BodyByte[BodyStart + 1] = BodyByte[BodyStart + 1] == 'A' ? 'B' : 'A';
    // A body the fingerprint matches but that cannot be deciphered.
    const std::string BadBase64Body =
        HandMadeDocRaw(Dir, PlainHeader, EncodeLine("<P>x</P>", 0) + CrLf + "QU!B" + CrLf);
    std::string BadBase64Header = Good;
    BadBase64Header.insert(0, ".");
    std::string SevenLines;
    for (int i = 0; i < 7; ++i)
        SevenLines += EncodeLine("<<N:MDOC_X>>", i) + CrLf;
    // No fingerprint field and a file shorter than its header: the computed
    // fingerprint is empty too, which must not count as a match.
    std::string NoFingerprint;
    for (int i = 0; i < 8; ++i)
        NoFingerprint += EncodeLine(i == 1 ? "<<N:MDOC_X>>|<<T:X>>+" : "", i) + CrLf;
    NoFingerprint.resize(NoFingerprint.size() - 2);

    const struct {
        const char* What;
        std::string Bytes;
    } Cases[] = {{"changed body byte", BodyByte},        {"non-Base64 body", BadBase64Body},
                 {"non-Base64 header", BadBase64Header}, {"seven lines", SevenLines},
                 {"empty fingerprint", NoFingerprint},   {"empty file", ""}};
    for (const auto& Case : Cases) {
        TMainDoc Doc(Dir.Write("Bad.dbi", Case.Bytes));
        EXPECT_FALSE(Doc.IsValid()) << Case.What;
    }
    TMainDoc Missing(Dir.File("Missing.dbi"));
    EXPECT_FALSE(Missing.IsValid());
    EXPECT_FALSE(Missing.Verify());
}

TEST_F(MainDocTest, ChangedHeaderLineKeepsTheBodyFingerprint) {
    TMainDocContent C = Content("MDOC_H", "1");
    WriteDoc("H.dbi", C);
    const std::string Body = MainDocBodyText(C.BodyLines);
    const std::string Print = TMainDoc(Dir.File("H.dbi")).ExpectedFingerprint();

    // A longer description changes the header size, not the fingerprint.
    C.Description = "A much longer description than before";
    TStringList Header = MainDocPlainHeader(C, Print);
    std::string Text;
    for (size_t i = 0; i < Header.size(); ++i)
        Text += EncodeLine(Header[i], static_cast<int>(i)) + CrLf;
    TMainDoc Doc(Dir.Write("H.dbi", Text + Body));
    EXPECT_TRUE(Doc.IsValid());
    EXPECT_EQ(Doc.Description(), C.Description);
}

TEST_F(MainDocTest, LoadDocumentsOrdersByPriorityAndDropsDuplicatesAndBadFiles) {
    WriteDoc("a.dbi", Content("MDOC_FIFTY", "50"));
    WriteDoc("b.dbi", Content("MDOC_HUNDRED", "abc"));
    WriteDoc("c.dbi", Content("MDOC_TEN", "10"));
    // The same name once more, in other letter case and with blanks.
    WriteDoc("d.dbi", Content(" mdoc_fifty ", "1"));
    Dir.Write("e.dbi", "not a document");
    WriteDoc("f.txt", Content("MDOC_OTHER_EXTENSION", "1"));

    MainDocManager.LoadDocuments();

    ASSERT_EQ(MainDocManager.DocumentCount(), 3);
    EXPECT_EQ(MainDocManager.DocumentAt(0).DocName(), "MDOC_TEN");
    EXPECT_EQ(MainDocManager.DocumentAt(1).DocName(), "MDOC_FIFTY");
    EXPECT_EQ(MainDocManager.DocumentAt(1).FileName(), Dir.File("a.dbi"));
    EXPECT_EQ(MainDocManager.DocumentAt(2).DocName(), "MDOC_HUNDRED");
    // The dropped duplicate is not a bad document.
    EXPECT_EQ(MainDocManager.BadDocuments(), TStringList{"e.dbi"});
    EXPECT_TRUE(FakeShell.Messages.empty());

    EXPECT_EQ(MainDocManager.IndexOfDocument("mdoc_ten"), 0);
    EXPECT_EQ(MainDocManager.IndexOfDocument(" MDOC_HUNDRED\t"), 2);
    EXPECT_EQ(MainDocManager.IndexOfDocument("MDOC_NONE"), -1);
    EXPECT_THROW(MainDocManager.DocumentAt(3), ETxError);
    EXPECT_THROW(MainDocManager.DocumentAt(-1), ETxError);
}

TEST_F(MainDocTest, BuiltInDocumentsStayAndAreNotLoadedTwice) {
    WriteDoc("Introduction.dbi", Content("MDOC_INTRODUCTION", "100"));
    WriteDoc("HadithScience.dbi", Content("MDOC_HADITH_SCIENCE", "100"));
    WriteDoc("Extra.dbi", Content("MDOC_EXTRA", "5"));
    for (const char* Name : {"Introduction.dbi", "HadithScience.dbi"})
        MainDocManager.AddBuiltInDocument(AppPath + Name);
    EXPECT_EQ(MainDocManager.DocumentCount(), 2);

    MainDocManager.LoadDocuments();
    ASSERT_EQ(MainDocManager.DocumentCount(), 3);
    EXPECT_EQ(MainDocManager.DocumentAt(0).DocName(), "MDOC_EXTRA");
    // Equal priorities keep the built-in order.
    EXPECT_EQ(MainDocManager.DocumentAt(1).DocName(), "MDOC_INTRODUCTION");
    EXPECT_EQ(MainDocManager.DocumentAt(2).DocName(), "MDOC_HADITH_SCIENCE");
    EXPECT_TRUE(MainDocManager.BadDocuments().empty());
    EXPECT_FALSE(VerificationHasFailed);
}

TEST_F(MainDocTest, InvalidBuiltInDocumentFailsVerificationOnce) {
    Dir.Write("Introduction.dbi", "damaged");
    WriteDoc("Extra.dbi", Content("MDOC_EXTRA", "5"));
    MainDocManager.AddBuiltInDocument(AppPath + "Introduction.dbi");
    MainDocManager.AddBuiltInDocument(AppPath + "Distribution.dbi"); // missing

    EXPECT_TRUE(VerificationHasFailed);
    ASSERT_EQ(FakeShell.Messages.size(), 1u);
    EXPECT_EQ(FakeShell.Messages[0].Kind, mkCritical);
    EXPECT_EQ(FakeShell.Messages[0].Heading, "Verification Failed!");
    EXPECT_EQ(FakeShell.TerminateRequests, 1);
    // The program is ending: nothing more is loaded.
    MainDocManager.LoadDocuments();
    EXPECT_EQ(MainDocManager.IndexOfDocument("MDOC_EXTRA"), -1);
}

TEST_F(MainDocTest, ManagerVerifiesEveryDocumentWithPausesAndAlwaysPasses) {
    WriteDoc("a.dbi", Content("MDOC_A", "1"));
    WriteDoc("b.dbi", Content("MDOC_B", "2"));
    MainDocManager.LoadDocuments();
    ASSERT_EQ(MainDocManager.DocumentCount(), 2);
    // Damage one document after loading: its own Verify fails, the
    // manager's does not, and nothing ends the program.
    Dir.Write("b.dbi", Dir.Read("b.dbi") + EncodeLine("<P>added</P>", 1) + CrLf);
    FakeShell.VerifyStatus.clear();

    EXPECT_TRUE(MainDocManager.Verify());
    EXPECT_EQ(FakeShell.Pauses, (std::vector<int>{200, 200}));
    EXPECT_EQ(FakeShell.VerifyStatus.size(), 2u);
    EXPECT_FALSE(MainDocManager.DocumentAt(1).Verify());
    EXPECT_FALSE(VerificationHasFailed);
    EXPECT_EQ(MainDocManager.GetModuleName(), "Main Documents Module");
}
