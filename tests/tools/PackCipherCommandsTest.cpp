// The cipher and fingerprint commands of tarvix-pack, run as the built tool.
#include "data/LineCipher.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The tool is built next to the tests folder: <build>/tarvix-pack beside
// <build>/tests/<this test>.
std::string PackTool() {
    std::error_code Error;
    const fs::path Self = fs::read_symlink("/proc/self/exe", Error);
    if (!Error) {
        const fs::path Beside = Self.parent_path().parent_path() / "tarvix-pack";
        if (fs::exists(Beside))
            return Beside.string();
    }
    if (const char* Dist = std::getenv("TARVIX_DIST_DIR")) {
        const fs::path InDist = fs::path(Dist) / "tarvix-pack";
        if (fs::exists(InDist))
            return InDist.string();
    }
    return std::string();
}

std::string ShellQuote(const std::string& Text) {
    std::string Quoted = "'";
    for (char C : Text)
        Quoted += C == '\'' ? std::string("'\\''") : std::string(1, C);
    return Quoted + "'";
}

struct TRun {
    int Status = -1;
    std::string Out, Err;
};

class PackCipherCommands : public ::testing::Test {
protected:
    void SetUp() override {
        Tool = PackTool();
        if (Tool.empty())
            GTEST_SKIP() << "tarvix-pack is not built beside the tests";
    }

    TRun Run(const std::vector<std::string>& Args) {
        std::string Command = ShellQuote(Tool);
        for (const std::string& Arg : Args)
            Command += " " + ShellQuote(Arg);
        Command += " 2>" + ShellQuote(Dir.File("stderr.txt"));
        TRun Result;
        FILE* Pipe = popen(Command.c_str(), "r");
        if (!Pipe)
            return Result;
        char Buffer[4096];
        size_t Got;
        while ((Got = fread(Buffer, 1, sizeof Buffer, Pipe)) > 0)
            Result.Out.append(Buffer, Got);
        const int Raw = pclose(Pipe);
        Result.Status = WIFEXITED(Raw) ? WEXITSTATUS(Raw) : -1;
        Result.Err = Dir.Read("stderr.txt");
        return Result;
    }

    std::string Tool;
    TTempDir Dir;
};

} // namespace

TEST_F(PackCipherCommands, FingerprintOfAFileAndItsFailures) {
    const std::string File = Dir.Write("digits.txt", "HEAD\r\n123456789");
    TRun R = Run({"fingerprint", File, "--skip", "6"});
    EXPECT_EQ(R.Status, 0);
    EXPECT_EQ(R.Out, "35V8E96-9=830FFAA5-9\n");

    for (const std::vector<std::string>& Bad :
         {std::vector<std::string>{"fingerprint", Dir.File("absent.dbx")},
          {"fingerprint", File, "--skip", "99"},
          {"fingerprint", File, "--skip", "many"},
          {"fingerprint"}}) {
        R = Run(Bad);
        EXPECT_NE(R.Status, 0) << Bad.back();
        EXPECT_TRUE(R.Out.empty());
        EXPECT_FALSE(R.Err.empty());
    }
}

TEST_F(PackCipherCommands, SingleLinesAgreeWithTheLibrary) {
    const std::string Text = "<HN>3</HN> a line, with \"quotes\"";
    TRun R = Run({"encode-line", Text, "12"});
    ASSERT_EQ(R.Status, 0);
    EXPECT_EQ(R.Out, EncodeLine(Text, 12) + "\n");

    R = Run({"decode-line", EncodeLine(Text, 12), "12"});
    ASSERT_EQ(R.Status, 0);
    EXPECT_EQ(R.Out, Text + "\n");

    R = Run({"decode-line", "abc!def", "0"});
    EXPECT_EQ(R.Status, 1);
    EXPECT_NE(R.Err.find("Base64"), std::string::npos);
    EXPECT_NE(Run({"encode-line", "x", "seven"}).Status, 0);
}

TEST_F(PackCipherCommands, WholeFilesCountBodyIndexesAfterTheHeaderFromZero) {
    const std::string Plain = "head 0\nhead 1\nbody 0\nbody 1\n\nbody 3\n";
    const std::string PlainFile = Dir.Write("plain.txt", Plain);

    TRun R = Run({"encode", PlainFile, "--header", "2"});
    ASSERT_EQ(R.Status, 0) << R.Err;
    const std::string Expected = EncodeLine("head 0", 0) + "\r\n" + EncodeLine("head 1", 1) +
                                 "\r\n" + EncodeLine("body 0", 0) + "\r\n" +
                                 EncodeLine("body 1", 1) + "\r\n\r\n" + EncodeLine("body 3", 3) +
                                 "\r\n";
    EXPECT_EQ(R.Out, Expected);

    const std::string Enciphered = Dir.Write("content.dbx", R.Out);
    R = Run({"decode", Enciphered, "--header", "2"});
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Out, Plain);

    // A damaged line fails the whole file and names the line.
    Dir.Write("damaged.dbx", EncodeLine("one", 0) + "\r\n" + "bad.line\r\n");
    R = Run({"decode", Dir.File("damaged.dbx")});
    EXPECT_EQ(R.Status, 1);
    EXPECT_TRUE(R.Out.empty());
    EXPECT_NE(R.Err.find("line 2"), std::string::npos);
}

TEST_F(PackCipherCommands, KeyTemplatePrintsTheScrambledDigits) {
    const TRun R = Run({"key-template"});
    EXPECT_EQ(R.Status, 0);
    EXPECT_EQ(R.Out, ScrambledKeyTemplate() + "\n");
}
