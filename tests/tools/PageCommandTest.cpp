// The page command of tarvix-pack, run as the built tool: it must print
// exactly the page the library builds from the same program folder.
#include "app/ContentLoader.h"
#include "app/PageBuilder.h"
#include "app/Prefs.h"
#include "data/Verification.h"
#include "hadith/CategoryHelper.h"
#include "hadith/CollectionManager.h"
#include "hadith/CollectionWriter.h"
#include "scripture/MainDocManager.h"
#include "scripture/MainDocWriter.h"
#include "scripture/ScriptureWriter.h"
#include "scripture/TransManager.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

TCollectionSource Collection(const std::string& ID, const std::string& Name,
                             const std::string& Text) {
    TCollectionSource S;
    S.ID = ID;
    S.Name = Name;
    S.Font = "FACE=\"Verdana\" SIZE=\"2\"";
    S.Records = {{"A chain", Text + " <<QVERSE:1:3>>"}, {"", Text + " two"}};
    S.Categories = {{1, "Faith"}, {2, "Faith"}};
    return S;
}

class PageCommandTest : public ::testing::Test {
protected:
    struct TRun {
        int Status = -1;
        std::string Out, Err;
    };

    void SetUp() override {
        Tool = FindPackTool();
        if (Tool.empty())
            GTEST_SKIP() << "tarvix-pack is not built beside the tests";
        const std::string Folder = Dir.File("prog/");
        fs::create_directories(Folder);
        ProgDir = Folder;
        ASSERT_TRUE(WriteCollectionFile(ProgDir + "A_First.dbh",
                                        Collection("FIRST", "First Collection", "First text")));
        ASSERT_TRUE(WriteCollectionFile(
            ProgDir + "DorAnv_English.dbh",
            Collection("DORREL_ANVESH", "Dorrel and Anvesh (English)", "English text")));
        std::vector<TStringList> Chapters(1);
        for (int V = 1; V <= 7; ++V)
            Chapters[0].push_back("verse " + std::to_string(V));
        ASSERT_TRUE(WriteScriptureModule(ProgDir + "CvModule1.dll", Chapters));
        ASSERT_TRUE(WriteScriptureModule(ProgDir + "CvModule2.dll", Chapters));
        TMainDocContent Doc;
        Doc.DocName = "MDOC_SCIENCE";
        Doc.Title = "Science";
        Doc.BodyLines = {"<P>Body</P>"};
        ASSERT_TRUE(WriteMainDocFile(ProgDir + "HadithScience.dbi", Doc));
    }
    void TearDown() override { ResetGlobals(); }

    static void ResetGlobals() {
        ResetPageBuilderState();
        ResetPrefsGlobals();
        ResetHadithCollManager();
        ResetMainDocManager();
        ResetHadithCatHelper();
        TransManager.Reset();
        ResetVerification();
    }

    TRun Run(const std::vector<std::string>& Args) {
        std::vector<std::string> Full{"page"};
        Full.insert(Full.end(), Args.begin(), Args.end());
        const TToolRun R = RunTool(Tool, Full, Dir.Path());
        TRun Result;
        Result.Status = R.Status;
        Result.Out = R.Out;
        Result.Err = R.Err;
        return Result;
    }

    // The page the library builds from the same folder and settings.
    std::string LibraryPage(uint8_t Scheme, bool Audio, const std::string& ActiveView,
                            const std::function<std::string()>& Build) {
        ResetGlobals();
        TLoadReport Report;
        LoadProgramFolder(ProgDir, Report);
        SetDefaultPrefs(AppPrefs);
        AppPrefs.ColorWordHL = Scheme;
        AppPrefs.EnableRemoteAudio = Audio;
        if (!ActiveView.empty())
            HadithCollManager.SetActiveView(ActiveView);
        return Build();
    }

    TFakeShell Shell;
    TTempDir Dir;
    std::string Tool;
    std::string ProgDir;
};

TEST_F(PageCommandTest, PrintsTheLibrarysPage) {
    struct TCase {
        std::vector<std::string> Args;
        uint8_t Scheme;
        bool Audio;
        std::string ActiveView;
        std::function<std::string()> Build;
    };
    const std::vector<TCase> Cases = {
        // The built-in English collection is the default Active View.
        {{"--hadith", "1"},
         0,
         false,
         "Dorrel and Anvesh (English)",
         [] { return BuildHadithPage(1); }},
        {{"--category", "Faith", "--collection", "FIRST::First Collection", "--scheme", "9",
          "--audio"},
         9,
         true,
         "First Collection",
         [] { return BuildCategoryPage("Faith"); }},
        {{"--category", "", "--collection", "first collection"},
         0,
         false,
         "First Collection",
         [] { return BuildCategoryPage(""); }},
        {{"--document", "HadithScience.dbi", "--scheme", "4"},
         4,
         false,
         "",
         [] { return BuildMainDocPage(0); }},
        {{"--document", "MDOC_SCIENCE"}, 0, false, "", [] { return BuildMainDocPage(0); }},
        {{"--welcome"}, 0, false, "", [] { return BuildWelcomePage(); }},
    };
    for (const TCase& C : Cases) {
        std::vector<std::string> Args = {ProgDir};
        Args.insert(Args.end(), C.Args.begin(), C.Args.end());
        const TRun R = Run(Args);
        const std::string What = C.Args.front() + " " + C.Args[1 % C.Args.size()];
        EXPECT_EQ(R.Status, 0) << What << "\n" << R.Err;
        EXPECT_EQ(R.Out, LibraryPage(C.Scheme, C.Audio, C.ActiveView, C.Build)) << What;
        // The fixture lacks some built-in files: each is named on stderr.
        EXPECT_NE(R.Err.find("Introduction.dbi: missing"), std::string::npos) << What;
    }
}

TEST_F(PageCommandTest, WithoutTheEnglishCollectionTheFirstIsShown) {
    fs::remove(ProgDir + "DorAnv_English.dbh");
    const TRun R = Run({ProgDir, "--hadith", "2"});
    EXPECT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Out, LibraryPage(0, false, "First Collection", [] { return BuildHadithPage(2); }));
}

TEST_F(PageCommandTest, MissingModulesAreReportedAndBadRequestsFail) {
    fs::remove(ProgDir + "CvModule2.dll");
    TRun R = Run({ProgDir, "--hadith", "2"});
    EXPECT_EQ(R.Status, 0);
    EXPECT_NE(R.Err.find("CvModule2.dll: missing, scripture module skipped"), std::string::npos);

    // Hadith 1 quotes scripture, which now cannot be shown.
    const std::vector<std::vector<std::string>> Failing = {
        {ProgDir, "--hadith", "1"},
        {ProgDir, "--hadith", "3"},
        {ProgDir, "--hadith", "1", "--collection", "Nobody"},
        {ProgDir, "--document", "MDOC_NONE"},
        {ProgDir + "absent/", "--welcome"},
    };
    for (const std::vector<std::string>& Args : Failing) {
        R = Run(Args);
        EXPECT_EQ(R.Status, 1) << Args.back();
        EXPECT_TRUE(R.Out.empty()) << Args.back();
        EXPECT_NE(R.Err.find("tarvix-pack page: "), std::string::npos) << Args.back();
    }
    const std::vector<std::vector<std::string>> Misused = {
        {ProgDir},
        {ProgDir, "--welcome", "--hadith", "1"},
        {"--welcome"},
        {ProgDir, "--hadith", "x"},
        {ProgDir, "--welcome", "--scheme", "256"},
    };
    for (const std::vector<std::string>& Args : Misused) {
        R = Run(Args);
        EXPECT_EQ(R.Status, 2) << Args.back();
        EXPECT_NE(R.Err.find("usage:"), std::string::npos) << Args.back();
    }
}

} // namespace
