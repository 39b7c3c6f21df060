// The glossary module: reading term and meaning lines, the look-ups by word,
// the preferred spelling, the term page, verification, and the writer.
#include "data/Fingerprint.h"
#include "data/TxError.h"
#include "data/Verification.h"
#include "scripture/GlossaryHelper.h"
#include "scripture/GlossaryWriter.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

class GlossaryTest : public ::testing::Test {
protected:
    void SetUp() override { ResetVerification(); }
    void TearDown() override {
        ResetGlossaryHelper();
        ResetVerification();
    }

    // A glossary over the given plain lines, enciphered as stored.
    TGlossaryHelper FromPlainLines(const TStringList& Lines) {
        const std::string File = Dir.Write("Gloss.dbx", EncipherGlossaryLines(Lines));
        return TGlossaryHelper(File, FileFingerprint(File, 0));
    }

    TFakeShell FakeShell;
    TTempDir Dir;
};

const TStringList SampleLines = {
    "<<T:Salah>>|<<O:Salat,  Salaat>>",
    "Prayer",
    "<<T:Hadith>>|<<O:>>",
    "A report of the Prophet",
    "<<T:Zakah>>|<<O:Zakat>>|<<JQ:Zakaat,Zakat>>",
    "Alms",
};

} // namespace

TEST_F(GlossaryTest, ReadsTermsAndKeepsAlternatesAsStored) {
    TGlossaryHelper Gloss = FromPlainLines(SampleLines);
    EXPECT_FALSE(Gloss.Loaded());
    Gloss.LoadGlossary();
    EXPECT_TRUE(Gloss.Loaded());
    ASSERT_EQ(Gloss.TermCount(), 3);

    const TGlossaryTerm Salah = Gloss.GetTerm(0);
    EXPECT_EQ(Salah.Term, "Salah");
    EXPECT_EQ(Salah.AlternateSpellings, "Salat,  Salaat");
    EXPECT_EQ(Salah.Meaning, "Prayer");
    EXPECT_EQ(Salah.TranslationSpelling, "");
    EXPECT_FALSE(Salah.Marked);
    const TGlossaryTerm Zakah = Gloss.GetTerm(2);
    EXPECT_EQ(Zakah.AlternateSpellings, "Zakat");
    EXPECT_EQ(Zakah.TranslationSpelling, "Zakaat,Zakat");

    TStringList Names = {"left over"};
    Gloss.ListTerms(Names);
    EXPECT_EQ(Names, (TStringList{"Salah", "Hadith", "Zakah"}));
    EXPECT_THROW(Gloss.GetTerm(3), ETxError);
    EXPECT_THROW(Gloss.GetTerm(-1), ETxError);
    EXPECT_EQ(Gloss.GetModuleName(), "Glossary Module");
}

TEST_F(GlossaryTest, TermLineForms) {
    const struct {
        const char* Line;
        const char* Term;
        const char* Alternates;
        const char* Translation;
        bool Marked;
    } Cases[] = {
        // Commas of the headword come out with exactly one blank after them.
        {"<<T:Ahl al-Kitab,Ahl-ul-Kitab>>|<<O:>>", "Ahl al-Kitab, Ahl-ul-Kitab", "", "", false},
        {"<<T:A,  B, C,D>>|<<O:x>>", "A, B, C, D", "x", "", false},
        {"<<T:A,   B>>|<<O:>>", "A, B", "", "", false},
        // "[P]" may stand anywhere on the line and is not part of the values.
        {"[P]<<T:Sunnah>>|<<O:Sunna>>", "Sunnah", "Sunna", "", true},
        {"<<T:Iman>>|<<O:Eman[P]>>", "Iman", "Eman", "", true},
        {"<<T:Qiblah>>|<<O:Qibla>>|<<JQ:Qibla>>[P]", "Qiblah", "Qibla", "Qibla", true},
        // Without "<<JQ:" the alternates run to the end of the line.
        {"<<T:Wudu>>|<<O:Wudhu, Wuzu", "Wudu", "Wudhu, Wuzu", "", false},
        {"<<T:Dua>>", "Dua", "", "", false},
    };
    for (const auto& Case : Cases) {
        TGlossaryHelper Gloss = FromPlainLines({Case.Line, "meaning"});
        Gloss.LoadGlossary();
        ASSERT_EQ(Gloss.TermCount(), 1) << Case.Line;
        const TGlossaryTerm T = Gloss.GetTerm(0);
        EXPECT_EQ(T.Term, Case.Term) << Case.Line;
        EXPECT_EQ(T.AlternateSpellings, Case.Alternates) << Case.Line;
        EXPECT_EQ(T.TranslationSpelling, Case.Translation) << Case.Line;
        EXPECT_EQ(T.Marked, Case.Marked) << Case.Line;
        EXPECT_EQ(T.Meaning, "meaning");
    }
}

TEST_F(GlossaryTest, MeaningLinesAndTermCapacity) {
    // The last meaning line of a term wins; one before any term is dropped.
    TGlossaryHelper Several =
        FromPlainLines({"stray meaning", "<<T:A>>|<<O:>>", "first", "second", "third"});
    Several.LoadGlossary();
    ASSERT_EQ(Several.TermCount(), 1); // no blank entries for the spare room
    EXPECT_EQ(Several.GetTerm(0).Meaning, "third");

    // Seven lines give room for three terms: the fourth term line and the
    // meaning after it are ignored and do not touch the third term.
    TGlossaryHelper Full = FromPlainLines(
        {"<<T:A>>|<<O:>>", "a", "<<T:B>>|<<O:>>", "b", "<<T:C>>|<<O:>>", "<<T:D>>|<<O:>>", "d"});
    Full.LoadGlossary();
    TStringList Names;
    Full.ListTerms(Names);
    EXPECT_EQ(Names, (TStringList{"A", "B", "C"}));
    EXPECT_EQ(Full.GetTerm(2).Meaning, "");
    EXPECT_EQ(Full.FindTerm("D"), -1);
}

TEST_F(GlossaryTest, FindTermByHeadwordCaseAndAlternates) {
    TGlossaryHelper Gloss = FromPlainLines(SampleLines);
    // FindTerm loads the glossary itself.
    EXPECT_EQ(Gloss.FindTerm("Salah"), 0);
    EXPECT_TRUE(Gloss.Loaded());
    const struct {
        const char* Word;
        int Index;
    } Cases[] = {
        {"SALAH", 0},   {"salaat", 0},  {" Salat ", 0}, {"Zakat", 2}, {"zakah", 2},
        {"Zakaat", -1}, // translation spellings are not alternates
        {"Sala", -1},   {" Salah", -1}, {"", -1},       {"   ", -1},  {"Hadiths", -1},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(Gloss.FindTerm(Case.Word), Case.Index) << "'" << Case.Word << "'";
}

TEST_F(GlossaryTest, BlankWordNeverMatchesEmptyAlternates) {
    TGlossaryHelper Gloss = FromPlainLines({"<<T:Salah>>|<<O:Salat,,Salaat,>>", "Prayer"});
    EXPECT_EQ(Gloss.FindTerm("Salaat"), 0);
    EXPECT_EQ(Gloss.FindTerm(""), -1);
    EXPECT_EQ(Gloss.FindTerm(" "), -1);
}

TEST_F(GlossaryTest, FindTermFlexibleIgnoresPossessiveAndPlural) {
    TGlossaryHelper Gloss = FromPlainLines(SampleLines);
    const struct {
        const char* Word;
        int Index;
    } Cases[] = {
        {"Hadith's", 1}, {"Hadiths", 1}, {"HADITHS", 1},   {"  Hadith\t", 1},
        {"Salahs", 0},   {"salat's", 0}, {"Hadithss", -1}, {"   ", -1},
        {"", -1},        {"'s", -1},     {"s", -1},        {"Hadith'S", -1},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(Gloss.FindTermFlexible(Case.Word), Case.Index) << "'" << Case.Word << "'";
}

TEST_F(GlossaryTest, ProperSpelling) {
    TGlossaryHelper Gloss = FromPlainLines(SampleLines);
    const struct {
        const char* Word;
        bool UseTranslation;
        const char* Spelling;
        bool Used;
    } Cases[] = {
        {"salat", false, "Salah", false},   {"Salah", false, "Salah", false},
        {"Salahs", false, "Salahs", false}, {"Unknown", false, "Unknown", false},
        {"zakat", false, "Zakah", false},   {"zakat", true, "Zakaat", true},
        {"Salah", true, "Salah", false}, // no translation spelling to use
    };
    for (const auto& Case : Cases) {
        const TProperSpelling P = Gloss.ProperSpelling(Case.Word, Case.UseTranslation);
        EXPECT_EQ(P.Spelling, Case.Spelling) << Case.Word;
        EXPECT_EQ(P.UsedTranslationSpelling, Case.Used) << Case.Word;
    }
    TGlossaryHelper NoComma = FromPlainLines({"<<T:Umrah>>|<<O:>>|<<JQ:Umra>>", "Visit"});
    EXPECT_EQ(NoComma.ProperSpelling("umrah", true).Spelling, "Umra");
}

TEST_F(GlossaryTest, TermPage) {
    TGlossaryHelper Gloss = FromPlainLines(SampleLines);
    Gloss.LoadGlossary();
    EXPECT_EQ(Gloss.BuildTermPage(0, 0x2B777D),
              "<FONT FACE=\"Verdana\" SIZE=\"2\" COLOR=\"#2B777D\">\r\n"
              "<B>Salah</B>\r\n"
              "<HR NOSHADE COLOR=Silver SIZE=1>\r\n"
              "</FONT>\r\n"
              "<FONT FACE=\"Verdana\" SIZE=\"1\" COLOR=\"Black\">\r\n"
              "<B>Alternate Spellings</B><BR>\r\n"
              "</FONT>\r\n"
              "<I>Salat,  Salaat</I><BR><BR>\r\n"
              "<FONT FACE=\"Verdana\" SIZE=\"1\" COLOR=\"Black\">\r\n"
              "<BB><B>Meaning</B></BB><BR><BR>\r\n"
              "Prayer\r\n"
              "</FONT>\r\n");
    // No alternates: no "Alternate Spellings" block.
    EXPECT_EQ(Gloss.BuildTermPage(1, 0x006400),
              "<FONT FACE=\"Verdana\" SIZE=\"2\" COLOR=\"#006400\">\r\n"
              "<B>Hadith</B>\r\n"
              "<HR NOSHADE COLOR=Silver SIZE=1>\r\n"
              "</FONT>\r\n"
              "<FONT FACE=\"Verdana\" SIZE=\"1\" COLOR=\"Black\">\r\n"
              "<BB><B>Meaning</B></BB><BR><BR>\r\n"
              "A report of the Prophet\r\n"
              "</FONT>\r\n");
    EXPECT_THROW(Gloss.BuildTermPage(3, 0), ETxError);
}

TEST_F(GlossaryTest, VerifyAgainstTheExpectedFingerprint) {
    TGlossaryHelper Gloss = FromPlainLines(SampleLines);
    EXPECT_TRUE(Gloss.Verify());
    EXPECT_TRUE(FakeShell.Messages.empty());
    ASSERT_EQ(FakeShell.VerifyStatus.size(), 1u);
    EXPECT_EQ(FakeShell.VerifyStatus[0], Gloss.ExpectedFingerprint());

    Dir.Write("Gloss.dbx", Dir.Read("Gloss.dbx") + "\r\n");
    EXPECT_FALSE(Gloss.Verify());
    EXPECT_TRUE(VerificationHasFailed);
    ASSERT_EQ(FakeShell.Messages.size(), 1u);
    EXPECT_EQ(FakeShell.Messages[0].Heading, "Verification Failed!");
    EXPECT_EQ(FakeShell.TerminateRequests, 1);
}

TEST_F(GlossaryTest, MissingFileNeverVerifiesEvenAgainstAnEmptyValue) {
    TGlossaryHelper Gloss(Dir.File("Gloss.dbx"), "");
    EXPECT_FALSE(Gloss.Verify());
    EXPECT_TRUE(VerificationHasFailed);
}

TEST_F(GlossaryTest, UnreadableFileRaisesAndKeepsTheTermsHeld) {
    TGlossaryHelper Missing(Dir.File("None.dbx"), "");
    EXPECT_THROW(Missing.LoadGlossary(), ETxError);
    EXPECT_FALSE(Missing.Loaded());
    EXPECT_THROW(Missing.FindTerm("Salah"), ETxError);

    TGlossaryHelper Gloss = FromPlainLines(SampleLines);
    Gloss.LoadGlossary();
    Dir.Write("Gloss.dbx", EncipherGlossaryLines({"<<T:New>>|<<O:>>"}) + "not!base64\r\n");
    EXPECT_THROW(Gloss.LoadGlossary(), ETxError);
    EXPECT_EQ(Gloss.TermCount(), 3);
    EXPECT_EQ(Gloss.FindTerm("Salah"), 0);
}

TEST_F(GlossaryTest, NothingIsLoadedOnceVerificationHasFailed) {
    TGlossaryHelper Gloss = FromPlainLines(SampleLines);
    VerificationFailed();
    Gloss.LoadGlossary();
    EXPECT_FALSE(Gloss.Loaded());
    EXPECT_EQ(Gloss.FindTermFlexible("Salah"), -1);
}

TEST_F(GlossaryTest, WriterRoundTrip) {
    std::vector<TGlossaryTerm> Terms(4);
    Terms[0] = {"Salah", "Salat,  Salaat", "<B>Prayer</B>, five times a day", "", false};
    Terms[1] = {"Zakah", "Zakat", "Alms", "Zakaat,Zakat", true};
    Terms[2] = {"Ahl al-Kitab, Ahl-ul-Kitab", "", "", "", false};
    Terms[3] = {"\xD8\xB5\xD9\x84\xD8\xA7\xD8\xA9", "", "Arabic headword", "Salat", false};
    const std::string File = Dir.File("Gloss.dbx");
    const std::string Print = WriteGlossaryFile(File, Terms);
    ASSERT_FALSE(Print.empty());

    TGlossaryHelper Gloss(File, Print);
    EXPECT_TRUE(Gloss.Verify());
    Gloss.LoadGlossary();
    ASSERT_EQ(Gloss.TermCount(), 4);
    for (int i = 0; i < 4; ++i) {
        const TGlossaryTerm T = Gloss.GetTerm(i);
        EXPECT_EQ(T.Term, Terms[i].Term);
        EXPECT_EQ(T.AlternateSpellings, Terms[i].AlternateSpellings);
        EXPECT_EQ(T.Meaning, Terms[i].Meaning);
        EXPECT_EQ(T.TranslationSpelling, Terms[i].TranslationSpelling);
        EXPECT_EQ(T.Marked, Terms[i].Marked);
    }
}

TEST_F(GlossaryTest, WriterRefusesValuesThatWouldNotReadBack) {
    const TGlossaryTerm Cases[] = {
        {"Sal>>ah", "", "m", "", false},    {"Salah", "Salat>>", "m", "", false},
        {"Salah", "[P]", "m", "", false},   {"Salah", "", "m", "Sa<<lat", false},
        {"Salah", "", "a\r\nb", "", false}, {"Salah", "", "see <<T:Other>>", "", false},
        {"Sal\nah", "", "m", "", false},
    };
    for (const TGlossaryTerm& Case : Cases)
        EXPECT_THROW(GlossaryPlainLines({Case}), ETxError) << Case.Term << "|" << Case.Meaning;
}
