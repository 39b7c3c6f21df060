// The search command of tarvix-pack, run as the built tool: it prints the
// hadith numbers the search window lists, one per line.
#include "hadith/CollectionWriter.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

TCollectionSource Collection(const std::string& Name, const std::string& Format) {
    TCollectionSource S;
    S.ID = "GROUP";
    S.Name = Name;
    S.TextFormat = Format;
    S.Font = "FACE=\"Verdana\" SIZE=\"2\"";
    S.Records = {{"A chain with pray", "They pray."},
                 {"", "prayer time"},
                 {"", "nothing"},
                 {"", "Pray <<QVERSE:1:3>>"}};
    return S;
}

class SearchCommandTest : public ::testing::Test {
protected:
    struct TRun {
        int Status = -1;
        std::string Out;
    };

    void SetUp() override {
        Tool = FindPackTool();
        if (Tool.empty())
            GTEST_SKIP() << "tarvix-pack is not built beside the tests";
        ProgDir = Dir.File("prog/");
        fs::create_directories(ProgDir);
        ASSERT_TRUE(WriteCollectionFile(ProgDir + "Plain.dbh", Collection("Plain One", "PLAIN")));
        ASSERT_TRUE(WriteCollectionFile(ProgDir + "Refs.dbh", Collection("Refs One", "NCR")));
    }

    TRun Run(const std::vector<std::string>& Args) {
        std::vector<std::string> Full{"search"};
        Full.insert(Full.end(), Args.begin(), Args.end());
        const TToolRun R = RunTool(Tool, Full, Dir.Path());
        return {R.Status, R.Out};
    }

    TTempDir Dir;
    std::string Tool;
    std::string ProgDir;
};

TEST_F(SearchCommandTest, PrintsTheNumbersTheWindowLists) {
    struct TCase {
        std::vector<std::string> Args;
        std::string Out;
    };
    const std::string File = ProgDir + "Plain.dbh";
    const TCase Cases[] = {
        {{File, "pray", "--whole-word"}, "1\n4\n"},
        {{File, "pray"}, "1\n2\n4\n"},
        {{File, "Pray", "--case-sensitive"}, "4\n"},
        {{File, "Al-Qur'an 1:3", "--whole-word"}, "4\n"},
        {{File, "chain"}, ""},
        {{"Plain One", "pray", "--dir", ProgDir, "--whole-word"}, "1\n4\n"},
        {{"GROUP::Plain One", "pray", "--dir", ProgDir}, "1\n2\n4\n"},
    };
    for (const TCase& C : Cases) {
        const TRun R = Run(C.Args);
        EXPECT_EQ(R.Status, 0) << C.Args[0] << " " << C.Args[1];
        EXPECT_EQ(R.Out, C.Out) << C.Args[0] << " " << C.Args[1];
    }
}

TEST_F(SearchCommandTest, RefusesWhatTheWindowWouldNotSearch) {
    const std::vector<std::vector<std::string>> Cases = {
        {ProgDir + "Refs.dbh", "pray"},         // not plain text
        {"Refs One", "pray", "--dir", ProgDir}, // the same, by name
        {ProgDir + "Missing.dbh", "pray"},      // no file
        {"Nowhere", "pray", "--dir", ProgDir},  // no such collection
        {ProgDir + "Plain.dbh"},                // no text
    };
    for (const auto& Args : Cases) {
        const TRun R = Run(Args);
        EXPECT_NE(R.Status, 0) << Args[0];
        EXPECT_EQ(R.Out, "") << Args[0];
    }
}

} // namespace
