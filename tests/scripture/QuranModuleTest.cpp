// The scripture text module (verification, loading, verse lookup) and the
// registry of modules.
#include "ScriptureFixture.h"
#include "data/LineCipher.h"
#include "data/TxError.h"
#include "data/Verification.h"
#include "scripture/ResourceFile.h"
#include "scripture/TransManager.h"
#include "support/FakeShell.h"

#include <gtest/gtest.h>

namespace {

class QuranModuleTest : public ::testing::Test {
protected:
    void SetUp() override { ResetVerification(); }
    void TearDown() override { ResetVerification(); }

    TFakeShell Shell;
    TTempDir Dir;
};

// Three chapters filled, the rest of the text empty.
std::unique_ptr<TQuranDLLHelper> EnglishModule(const TTempDir& Dir) {
    return WriteAndOpenModule(Dir, "CvModule2.dll", FixtureChapters(3, EnglishVerse), false);
}

} // namespace

TEST_F(QuranModuleTest, VerifiesItsFileAtCreation) {
    auto Module = EnglishModule(Dir);
    EXPECT_FALSE(VerificationHasFailed);
    EXPECT_TRUE(Shell.Messages.empty());
    ASSERT_EQ(Shell.VerifyStatus.size(), 1u);
    EXPECT_EQ(Shell.VerifyStatus[0], Module->ExpectedFingerprint);
    EXPECT_TRUE(Module->Verify());
    EXPECT_EQ(Module->GetModuleName(), "Internal Qur'an Translation");
}

TEST_F(QuranModuleTest, WrongFingerprintOrMissingFileFailsVerification) {
    const std::string File = Dir.File("CvModule1.dll");
    ASSERT_TRUE(WriteScriptureModule(File, {}));
    const std::string Right = FileFingerprint(File, 0);
    struct Case {
        const char* What;
        std::string File, Fingerprint;
    };
    const Case Cases[] = {
        {"fingerprint in other case", File,
         UpperCaseAscii(Right) == Right ? Right + "x" : UpperCaseAscii(Right)},
        {"empty fingerprint", File, ""},
        {"missing file", Dir.File("CvModule9.dll"), Right},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        ResetVerification();
        Shell.Messages.clear();
        TQuranDLLHelper Module(C.File, C.Fingerprint, true);
        EXPECT_TRUE(VerificationHasFailed);
        ASSERT_EQ(Shell.Messages.size(), 1u);
        EXPECT_EQ(Shell.Messages[0].Kind, mkCritical);
        EXPECT_FALSE(Module.Verify());
    }
}

TEST_F(QuranModuleTest, LoadsTheWholeTextAndReportsProgress) {
    auto Module = EnglishModule(Dir);
    EXPECT_TRUE(Module->TextLines.empty());
    EXPECT_TRUE(Module->ModuleHandle.empty());
    Module->LoadText();
    ASSERT_EQ(Module->TextLines.size(), 6350u);
    EXPECT_EQ(Module->ModuleHandle, Module->FileName);
    EXPECT_EQ(Shell.ProgressMax, 6349);
    ASSERT_EQ(Shell.ProgressPositions.size(), 6350u);
    EXPECT_EQ(Shell.ProgressPositions.front(), 0);
    EXPECT_EQ(Shell.ProgressPositions.back(), 6349);
    // Lines stay in their stored form.
    EXPECT_EQ(Module->TextLines[1], ScrambleLine("1|" + EnglishVerse(1, 1)));
    EXPECT_NE(Module->TextLines[1].find('|'), 0u);
}

TEST_F(QuranModuleTest, LoadTextDoesNothingAfterAVerificationFailure) {
    auto Module = EnglishModule(Dir);
    VerificationHasFailed = true;
    Module->LoadText();
    EXPECT_TRUE(Module->TextLines.empty());
    EXPECT_TRUE(Module->ModuleHandle.empty());
}

TEST_F(QuranModuleTest, FileWithoutTheTextResourceFailsOnLoad) {
    const std::string Good = "TARVIX-RESOURCES 1\nRESOURCE QDATA 3\nabc\nEND\n";
    const std::string Files[] = {
        "TARVIX-RESOURCES 1\nRESOURCE OTHER 3\nabc\nEND\n", // no QDATA
        Good.substr(0, Good.size() - 4),                    // cut
        "MZ\x90\x00 not a module",                          // foreign file
    };
    for (const std::string& Bytes : Files) {
        ResetVerification();
        Shell.Messages.clear();
        const std::string File = Dir.Write("CvModule1.dll", Bytes);
        TQuranDLLHelper Module(File, FileFingerprint(File, 0), true);
        ASSERT_FALSE(VerificationHasFailed);
        Module.LoadText();
        EXPECT_TRUE(VerificationHasFailed);
        EXPECT_EQ(Shell.Messages.size(), 1u);
        EXPECT_TRUE(Module.TextLines.empty());
    }
}

TEST_F(QuranModuleTest, ReadsAHandMadeStoredLine) {
    // "1|ab" mirrored is EE A3 BE BD; stored reversed. Every other line empty.
    std::string Text = "\r\n\xBD\xBE\xA3\xEE\r\n";
    const std::string File = Dir.File("CvModule1.dll");
    ASSERT_TRUE(WriteResourceFile(File, {{"QDATA", Text}}));
    TQuranDLLHelper Module(File, FileFingerprint(File, 0), true);
    Module.LoadText();
    EXPECT_EQ(Module.GetVerseText(1, 1), "<BDO DIR=RTL>ab</BDO>");
    // Lines the text does not have read as empty verses.
    EXPECT_EQ(Module.GetVerseText(114, 6), "<BDO DIR=RTL></BDO>");
}

TEST_F(QuranModuleTest, VerseLookup) {
    auto English = EnglishModule(Dir);
    auto Arabic = WriteAndOpenModule(Dir, "CvModule1.dll", FixtureChapters(114, ArabicVerse), true);
    English->LoadText();
    Arabic->LoadText();

    EXPECT_EQ(English->GetVerseText(1, 1), EnglishVerse(1, 1));
    EXPECT_EQ(English->GetVerseText(1, 7), EnglishVerse(1, 7));
    EXPECT_EQ(English->GetVerseText(2, 255), EnglishVerse(2, 255));
    EXPECT_EQ(English->GetVerseText(3, 200), EnglishVerse(3, 200));
    EXPECT_EQ(English->GetVerseText(4, 1), ""); // written empty
    EXPECT_EQ(English->GetVerseTextByRef("002.255"), EnglishVerse(2, 255));
    EXPECT_EQ(Arabic->GetVerseText(114, 6), "<BDO DIR=RTL>" + ArabicVerse(114, 6) + "</BDO>");
    EXPECT_EQ(Arabic->GetVerseText(57, 29), "<BDO DIR=RTL>" + ArabicVerse(57, 29) + "</BDO>");

    // A verse its chapter does not have is empty, never a neighbour's verse.
    for (int Verse : {0, -1, 8, 9, 300, INT32_MAX, INT32_MIN}) {
        SCOPED_TRACE(Verse);
        EXPECT_EQ(English->GetVerseText(1, Verse), "");
        EXPECT_EQ(Arabic->GetVerseText(1, Verse), "<BDO DIR=RTL></BDO>");
    }
    for (int Chapter : {0, 115, -5}) {
        SCOPED_TRACE(Chapter);
        EXPECT_THROW(English->GetVerseText(Chapter, 1), ETxError);
    }
    EXPECT_THROW(English->GetVerseTextByRef("2.x"), ETxError); // (0, 0)

    EXPECT_EQ(English->GetChapterTitle(2), "Al-Baqara [The Cow]");
    EXPECT_EQ(English->FindInVerse(2, 255, "VERSE", false, false), 5);
    EXPECT_EQ(English->FindInVerse(2, 255, "VERSE", true, false), -1);
    EXPECT_EQ(English->FindInVerse(2, 255, "vers", false, true), -1);
    EXPECT_EQ(English->FindInVerse(2, 255, "text", false, true), 20);
}

TEST(QuranDLLHelper, VerseLineIndex) {
    struct Case {
        int Chapter, Verse, Expected;
    };
    const Case Cases[] = {{1, 1, 1},     {1, 7, 7},   {2, 1, 9},
                          {2, 286, 294}, {3, 1, 296}, {114, 6, 6349}};
    for (const Case& C : Cases)
        EXPECT_EQ(TQuranDLLHelper::VerseLineIndex(C.Chapter, C.Verse), C.Expected)
            << C.Chapter << ":" << C.Verse;
}

TEST(ScriptureWriter, ScramblingIsUndoneByTheReadersSteps) {
    std::string All;
    for (int C = 1; C < 256; ++C)
        if (C != '\r' && C != '\n')
            All += static_cast<char>(C);
    for (const std::string& Plain : {std::string("12|x"), All, std::string()}) {
        EXPECT_EQ(MirrorChars(ReverseText(ScrambleLine(Plain))), Plain);
    }
    EXPECT_NE(ScrambleLine("1|abc"), "1|abc");
}

TEST(ScriptureWriter, RefusesTextsThatBreakTheLayout) {
    std::string Text;
    EXPECT_FALSE(BuildScriptureText(std::vector<TStringList>(115), Text));
    EXPECT_FALSE(BuildScriptureText({TStringList(8, "x")}, Text)); // chapter 1 has 7
    EXPECT_FALSE(BuildScriptureText({{"a\r\nb"}}, Text));
    EXPECT_FALSE(BuildScriptureText({{"a\nb"}}, Text));
    EXPECT_TRUE(Text.empty());
    ASSERT_TRUE(BuildScriptureText({}, Text));
    EXPECT_EQ(TextToLines(Text).size(), 6350u);
}

// The registry of modules.
class TransManagerTest : public QuranModuleTest {
protected:
    void SetUp() override {
        QuranModuleTest::SetUp();
        TransManager.Reset();
    }
    void TearDown() override {
        TransManager.Reset();
        QuranModuleTest::TearDown();
    }

    std::unique_ptr<TQuranDLLHelper> Module(const std::string& File, const std::string& Name) {
        auto M = WriteAndOpenModule(Dir, File, {}, false);
        M->SetLanguage(Name, "A text.");
        return M;
    }
};

TEST_F(TransManagerTest, RegistersModulesOnceByName) {
    auto Arabic = Module("a.dll", "Arabic");
    auto English = Module("e.dll", "English (Translator)");
    auto Twin = Module("t.dll", "  arabic ");
    TransManager.RegisterModule(Arabic.get());
    TransManager.RegisterModule(English.get());
    TransManager.RegisterModule(Twin.get());
    TransManager.RegisterModule(Arabic.get());
    TransManager.RegisterModule(nullptr);
    ASSERT_EQ(TransManager.Modules.size(), 2u);
    EXPECT_EQ(TransManager.FindModule("ARABIC"), Arabic.get());
    EXPECT_EQ(TransManager.FindModule(" english (translator)"), English.get());
    EXPECT_EQ(TransManager.FindModule("Urdu"), nullptr);
    EXPECT_TRUE(TransManager.IsRegistered(Twin.get())); // by its name
    EXPECT_FALSE(TransManager.IsRegistered(nullptr));
    EXPECT_EQ(TransManager.GetModuleName(), "Qur'an Translation Modules");
}

TEST_F(TransManagerTest, MarksArabicAndEnglishModules) {
    auto Arabic = Module("a.dll", "Arabic");
    auto English = Module("e.dll", "English");
    EXPECT_EQ(TransManager.ArabicModule(), nullptr);
    EXPECT_EQ(TransManager.EnglishModule(), nullptr);
    TransManager.RegisterModule(Arabic.get());
    TransManager.RegisterModule(English.get());
    TransManager.SetArabicModule(Arabic.get());
    TransManager.SetEnglishModule(English.get());
    EXPECT_EQ(TransManager.ArabicIndex, 0);
    EXPECT_EQ(TransManager.EnglishIndex, 1);
    EXPECT_EQ(TransManager.ArabicModule(), Arabic.get());
    EXPECT_EQ(TransManager.EnglishModule(), English.get());

    auto Stranger = Module("s.dll", "Stranger");
    try {
        TransManager.SetArabicModule(Stranger.get());
        FAIL();
    } catch (const ETxError& E) {
        EXPECT_STREQ(E.what(), "Arabic Quran Module not Registered");
    }
    EXPECT_EQ(TransManager.ArabicIndex, -1);
    EXPECT_EQ(TransManager.ArabicModule(), nullptr);
    try {
        TransManager.SetEnglishModule(nullptr);
        FAIL();
    } catch (const ETxError& E) {
        EXPECT_STREQ(E.what(), "English Quran Module not Registered");
    }
    EXPECT_EQ(TransManager.EnglishIndex, -1);
}

TEST_F(TransManagerTest, VerifiesEveryModuleAndAlwaysPasses) {
    auto Arabic = Module("a.dll", "Arabic");
    auto English = Module("e.dll", "English");
    English->ExpectedFingerprint = "wrong";
    TransManager.RegisterModule(Arabic.get());
    TransManager.RegisterModule(English.get());
    Shell.VerifyStatus.clear();
    Shell.Pauses.clear();
    EXPECT_TRUE(TransManager.Verify());
    EXPECT_EQ(Shell.VerifyStatus.size(), 2u);
    EXPECT_EQ(Shell.Pauses, (std::vector<int>{200, 200}));
    EXPECT_TRUE(VerificationHasFailed);
}
