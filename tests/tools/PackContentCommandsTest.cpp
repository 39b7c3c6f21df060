// The content commands of tarvix-pack (build, collection, verify, inspect),
// run as the built tool over the real sources and over small broken ones.
#include "data/LineCipher.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The folders ctest passes, else those the build compiled in.
std::string Env(const char* Name) {
    if (const char* Value = std::getenv(Name))
        return Value;
#if defined(TARVIX_TEST_SOURCE_DIR) && defined(TARVIX_TEST_DIST_DIR)
    if (std::string(Name) == "TARVIX_SOURCE_DIR")
        return TARVIX_TEST_SOURCE_DIR;
    if (std::string(Name) == "TARVIX_DIST_DIR")
        return TARVIX_TEST_DIST_DIR;
#endif
    return "";
}

std::string ReadBytes(const fs::path& File) {
    std::ifstream In(File, std::ios::binary);
    std::ostringstream Out;
    Out << In.rdbuf();
    return Out.str();
}

void WriteBytes(const fs::path& File, const std::string& Bytes) {
    std::ofstream Out(File, std::ios::binary | std::ios::trunc);
    Out << Bytes;
}

struct TResult {
    int Status = -1;
    std::string Out, Err;
};

std::string Tool() {
    return FindPackTool();
}

TResult RunTool(const std::vector<std::string>& Args, const TTempDir& Scratch) {
    const TToolRun R = ::RunTool(Tool(), Args, Scratch.Path());
    TResult Result;
    Result.Status = R.Status;
    Result.Out = R.Out;
    Result.Err = R.Err;
    return Result;
}

bool Holds(const std::string& Text, const std::string& Part) {
    return Text.find(Part) != std::string::npos;
}

// A small collection source without a database; Field lines are spliced in.
std::string CollectionSource(const std::string& Format, const std::string& HadithFields,
                             const std::string& ExtraTop = "") {
    return "{\"file\": \"Small.dbh\", \"install\": \"extra\", \"group\": \"SMALL\",\n"
           " \"name\": \"Small Sample\", \"text_format\": \"" +
           Format +
           "\", \"word_highlight\": false,\n"
           " \"font\": \"FACE=\\\"Verdana\\\" SIZE=\\\"2\\\"\", \"translator\": \"T\",\n"
           " \"description\": \"D\", \"rtl_text\": false, \"rtl_info\": false, \"align\": "
           "\"LEFT\"," +
           ExtraTop + "\n \"hadiths\": [{" + HadithFields + "}]}\n";
}

class PackContentCommands : public ::testing::Test {
protected:
    // One build of the real sources, shared by the tests that only read it.
    static void SetUpTestSuite() {
        if (Tool().empty() || Env("TARVIX_SOURCE_DIR").empty())
            return;
        Built = std::make_unique<TTempDir>();
        BuildResult = RunTool({"build", "--out", Built->File("dist"), "--sources", Sources(),
                               "--fingerprints-header", Built->File("Fingerprints.h")},
                              *Built);
    }
    static void TearDownTestSuite() { Built.reset(); }

    void SetUp() override {
        if (Tool().empty() || !Built)
            GTEST_SKIP() << "tarvix-pack or the content sources are not at hand";
        ASSERT_EQ(BuildResult.Status, 0) << BuildResult.Err;
    }

    static std::string Sources() { return Env("TARVIX_SOURCE_DIR") + "/content"; }
    static std::string Package() { return Sources() + "/npm/node_modules/quran-json"; }
    static std::string BuiltDist() { return Built->File("dist"); }
    static std::string BuiltHeader() { return Built->File("Fingerprints.h"); }

    // A copy of the built program folder to damage.
    std::string CopyOfBuild() {
        const std::string Copy = Scratch.File("copy");
        fs::copy(BuiltDist(), Copy, fs::copy_options::recursive);
        return Copy;
    }

    TResult Run(const std::vector<std::string>& Args) { return RunTool(Args, Scratch); }

    static std::unique_ptr<TTempDir> Built;
    static TResult BuildResult;
    TTempDir Scratch;
};

std::unique_ptr<TTempDir> PackContentCommands::Built;
TResult PackContentCommands::BuildResult;

} // namespace

TEST_F(PackContentCommands, VerifyPassesOnTheProgramFolderOfTheBuild) {
    // The folder the build system made, checked against its generated header.
    const std::string Dist = Env("TARVIX_DIST_DIR");
    if (!Dist.empty() && fs::exists(Dist + "/HIndex.dbx")) {
        const fs::path Header =
            fs::path(Dist).parent_path() / "generated" / "BuiltInFingerprints.h";
        const TResult R = Run({"verify", Dist, "--expect", Header.string()});
        EXPECT_EQ(R.Status, 0) << R.Out << R.Err;
    }
    const TResult R = Run({"verify", BuiltDist(), "--expect", BuiltHeader()});
    EXPECT_EQ(R.Status, 0) << R.Out << R.Err;
    EXPECT_TRUE(Holds(R.Out, "all content files are sound"));
}

TEST_F(PackContentCommands, BuildTwiceGivesTheSameBytes) {
    const TResult R = Run({"build", "--out", Scratch.File("again"), "--sources", Sources(), "--npm",
                           Package(), "--fingerprints-header", Scratch.File("again.h")});
    ASSERT_EQ(R.Status, 0) << R.Err;
    int Files = 0;
    for (const auto& Entry : fs::recursive_directory_iterator(BuiltDist())) {
        if (!Entry.is_regular_file())
            continue;
        const fs::path Relative = fs::relative(Entry.path(), BuiltDist());
        EXPECT_EQ(ReadBytes(Entry.path()), ReadBytes(Scratch.File("again") / Relative)) << Relative;
        ++Files;
    }
    EXPECT_EQ(Files, 13);
    EXPECT_EQ(ReadBytes(BuiltHeader()), ReadBytes(Scratch.File("again.h")));
    // The collection command makes the same file as the build.
    const TResult One = Run({"collection", Sources() + "/collections/Fenwir_English.json", "--out",
                             Scratch.File("Fenwir.dbh")});
    ASSERT_EQ(One.Status, 0) << One.Err;
    EXPECT_EQ(ReadBytes(Scratch.File("Fenwir.dbh")),
              ReadBytes(BuiltDist() + "/Fenwir_English.dbh"));
}

TEST_F(PackContentCommands, VerifyReportsEachDamagedOrMissingFile) {
    struct TCase {
        const char* File;
        std::function<void(const fs::path&)> Damage;
    };
    const auto FlipByte = [](size_t At) {
        return [At](const fs::path& File) {
            std::string Bytes = ReadBytes(File);
            Bytes[std::min(At, Bytes.size() - 1)] ^= 0x01;
            WriteBytes(File, Bytes);
        };
    };
    const auto Truncate = [](const fs::path& File) {
        const std::string Bytes = ReadBytes(File);
        WriteBytes(File, Bytes.substr(0, Bytes.size() / 2));
    };
    const TCase Cases[] = {
        {"Gloss.dbx", [](const fs::path& File) { fs::remove(File); }},
        {"Fenwir_English.dbh", FlipByte(20000)},
        {"extra/Fenwir_NCR.dbh", FlipByte(3000)},
        {"HadithScience.dbi", Truncate},
        {"HIndex.dbx", FlipByte(700)},
        {"CvModule2.dll", FlipByte(400000)},
        {"CvModule1.dll", Truncate},
        {"QRemoteAud.dbx", Truncate},
    };
    for (const TCase& Case : Cases) {
        const std::string Copy = CopyOfBuild();
        Case.Damage(fs::path(Copy) / Case.File);
        const TResult R = Run({"verify", Copy, "--expect", BuiltHeader()});
        EXPECT_EQ(R.Status, 1) << Case.File;
        EXPECT_TRUE(Holds(R.Out, std::string(Case.File) + ": ")) << Case.File << "\n" << R.Out;
        fs::remove_all(Copy);
    }
    // Sound files against a header that expects other values.
    WriteBytes(Scratch.File("wrong.h"),
               "inline constexpr const char* GlossFingerprint = \"1-2=3-4\";\n");
    const TResult R = Run({"verify", BuiltDist(), "--expect", Scratch.File("wrong.h")});
    EXPECT_EQ(R.Status, 1);
    EXPECT_TRUE(Holds(R.Out, "Gloss.dbx: fingerprint")) << R.Out;
    EXPECT_TRUE(Holds(R.Out, "holds no HIndexFingerprint")) << R.Out;
}

TEST_F(PackContentCommands, SourceMistakesFailWithFileAndField) {
    struct TCase {
        std::string Source;
        std::string Message; // expected in the error, after the file name
    };
    const std::string Hadith = "\"text\": [\"A text.\"], \"category\": \"Faith\"";
    const TCase Cases[] = {
        {CollectionSource("PLAIN", Hadith, " \"grup\": \"X\","), "grup: unknown field \"grup\""},
        {CollectionSource("PLAIN", Hadith + ", \"catgory\": \"Faith\""),
         "hadiths[0].catgory: unknown field"},
        {CollectionSource("PLAIN", "\"text\": \"A text.\""), "hadiths[0].text: expected a list"},
        {CollectionSource("PLAIN", "\"text\": [\"A\", 7]"),
         "hadiths[0].text[1]: expected a string"},
        {CollectionSource("PLAIN", Hadith + ", \"classification\": [\"RR_GOOD\"]"),
         "\"RR_GOOD\" is not a classification code"},
        {CollectionSource("PLAIN", "\"text\": [\"Hadith 1=one\"]"), "the hadith's own label"},
        {CollectionSource("PLAIN", Hadith + ", \"id\": \"5\""), "hadiths[0].id: only collections"},
        {CollectionSource("ANSI", Hadith), "text_format: \"ANSI\" is not"},
        {CollectionSource("CODEPAGE[1252]", "\"text\": [\"1 \xE2\x88\x92 2\"]"),
         "U+2212 is not in code page 1252"},
        {CollectionSource("PLAIN", "\"text\": [\"<<QVERSE:2:280-287>>\"]"),
         "hadiths[0].text: verse tag \"2:280-287\" names verses outside 1-286"},
        {CollectionSource("PLAIN", "\"text\": [\"<<QVERSE:115:1>>\"]"), "names no chapter"},
        {CollectionSource("PLAIN", "\"text\": [\"<<QVERSE:2:255\"]"), "without its closing"},
        {CollectionSource("PLAIN", Hadith + ", \"information\": [\"<<QVERSE:1:1>>\"]"),
         "hadiths[0].information: verse tags are not rendered"},
        {"{\"file\": 1}", "file: expected a string"},
        {"{\"file\": \"x.dbh\",", "not valid JSON"},
    };
    for (const TCase& Case : Cases) {
        const std::string File = Scratch.Write("Broken.json", Case.Source);
        const TResult R = Run({"collection", File, "--out", Scratch.File("Broken.dbh")});
        EXPECT_EQ(R.Status, 1) << Case.Message;
        EXPECT_TRUE(Holds(R.Err, File)) << R.Err;
        EXPECT_TRUE(Holds(R.Err, Case.Message)) << R.Err;
        EXPECT_FALSE(fs::exists(Scratch.File("Broken.dbh")));
    }
}

TEST_F(PackContentCommands, BuildFailsOnAMistakeInAnySource) {
    struct TCase {
        const char* File;
        std::string From, To;
        const char* Message;
    };
    const TCase Cases[] = {
        {"documents/Introduction.json", "\"sort_priority\": 10", "\"sort_priority\": \"10\"",
         "documents/Introduction.json: sort_priority: expected a whole number"},
        {"glossary/Gloss.json", "\"marked\": false", "\"markd\": false",
         "glossary/Gloss.json: terms[0].markd: unknown field"},
        {"glossary/Gloss.json", "\"Aadab\"", "\"Adalah\"",
         "terms[2].term: \"Adalah\" is also a spelling of \"Adab\""},
        {"categories/HIndex.txt", "\tPillars of Islam", "\t\t\tPillars of Islam",
         "categories/HIndex.txt:5: \"Pillars of Islam\" is more than one level below"},
        {"collections/Fenwir_English.json", "\"category\": \"Faith>Intention and Sincerity\"",
         "\"category\": \"Faith>Intentions\"", "\"Faith>Intentions\" is not a path"},
    };
    for (const TCase& Case : Cases) {
        const fs::path Copy = Scratch.File("sources");
        fs::remove_all(Copy);
        fs::create_directories(Copy);
        for (const char* Folder : {"categories", "collections", "documents", "glossary"})
            fs::copy(Sources() + "/" + Folder, Copy / Folder, fs::copy_options::recursive);
        std::string Text = ReadBytes(Copy / Case.File);
        const size_t At = Text.find(Case.From);
        ASSERT_NE(At, std::string::npos) << Case.File << ": the sources changed";
        WriteBytes(Copy / Case.File, Text.replace(At, Case.From.size(), Case.To));
        const TResult R = Run({"build", "--out", Scratch.File("out"), "--sources", Copy.string(),
                               "--npm", Package()});
        EXPECT_EQ(R.Status, 1) << Case.File;
        EXPECT_TRUE(Holds(R.Err, Case.Message)) << R.Err;
    }
}

TEST_F(PackContentCommands, TextFormatsReadBackThroughTheLoader) {
    struct TCase {
        std::string Format, Text, ReadBack;
    };
    const TCase Cases[] = {
        {"PLAIN", "caf\xC3\xA9 \xD8\xB3", "caf\xC3\xA9 \xD8\xB3"},
        {"NCR", "caf\xC3\xA9 \xD8\xB3", "caf&#233; &#1587;"},
        // Stored as the byte E9; the reader gives it back as UTF-8.
        {"CODEPAGE[1252]", "caf\xC3\xA9 \xE2\x82\xAC", "caf\xC3\xA9 &#8364;"},
    };
    for (const TCase& Case : Cases) {
        const std::string File = Scratch.Write(
            "Small.json", CollectionSource(Case.Format, "\"text\": [\"" + Case.Text +
                                                            "\"], \"chain\": \"Narrated X:\""));
        TResult R = Run({"collection", File, "--out", Scratch.File("Small.dbh")});
        ASSERT_EQ(R.Status, 0) << R.Err;
        R = Run({"inspect", Scratch.File("Small.dbh"), "--compact"});
        EXPECT_EQ(R.Status, 0) << R.Err;
        EXPECT_TRUE(Holds(R.Out, "\"valid\":true")) << R.Out;
        EXPECT_TRUE(Holds(R.Out, "\"text\":\"" + Case.ReadBack + "\"")) << Case.Format << R.Out;
        EXPECT_TRUE(Holds(R.Out, "\"chain\":\"Narrated X:\"")) << R.Out;
    }
}

TEST_F(PackContentCommands, InspectPrintsWhatTheLoadersRead) {
    struct TCase {
        const char* File;
        std::vector<const char*> Parts;
    };
    const TCase Cases[] = {
        {"DorAnv_English.dbh", {"\"kind\":\"collection\"", "\"hadithCount\":17", "\"valid\":true"}},
        {"Introduction.dbi", {"\"docName\":\"MDOC_INTRODUCTION\"", "\"sortPriority\":10"}},
        {"HIndex.dbx", {"\"caption\":\"Qur'anic Ahadith\",\"level\":0", "\"count\":54"}},
        {"Gloss.dbx", {"\"term\":\"Salat\"", "\"kind\":\"glossary\""}},
        {"QRemoteAud.dbx", {"\"file\":\"114006.ram\",\"verse\":\"114.006\"", "\"count\":6240"}},
        {"CvModule2.dll", {"\"lineCount\":6350", "\"114|", "\"count\":6236"}},
    };
    for (const TCase& Case : Cases) {
        const TResult R = Run({"inspect", BuiltDist() + "/" + Case.File, "--compact"});
        EXPECT_EQ(R.Status, 0) << Case.File << R.Err;
        for (const char* Part : Case.Parts)
            EXPECT_TRUE(Holds(R.Out, Part)) << Case.File << ": " << Part;
    }

    // Bookmarks: one record a line, "||" fields, enciphered with the line number.
    const std::string Marks = EncodeLine("3||Salat||Glossary Term: Salat||Salat", 0) + "\r\n" +
                              EncodeLine("6||#2,FENWIR||Hadith: #2,FENWIR||HGROUP_FENWIR_2", 1) +
                              "\r\n";
    TResult R = Run({"inspect", Scratch.Write("TxBookmarks.dbx", Marks), "--compact"});
    EXPECT_EQ(R.Status, 0) << R.Err;
    EXPECT_TRUE(Holds(R.Out, "\"data\":[\"HGROUP_FENWIR_2\"]")) << R.Out;
    EXPECT_TRUE(Holds(R.Out, "\"kindName\":\"Glossary Term\"")) << R.Out;
}

TEST_F(PackContentCommands, InspectOfADamagedFileSaysInvalidAndFails) {
    struct TCase {
        const char* Name;
        std::function<std::string(const std::string&)> Damage; // of the built file's bytes
        const char* Source;
    };
    const auto Flip = [](const std::string& Bytes) {
        std::string Out = Bytes;
        Out[Out.size() / 2] ^= 0x01;
        return Out;
    };
    const auto Half = [](const std::string& Bytes) { return Bytes.substr(0, Bytes.size() / 2); };
    const TCase Cases[] = {
        {"Fenwir_English.dbh", Flip, "Fenwir_English.dbh"},
        {"Introduction.dbi", Half, "Introduction.dbi"},
        {"CvModule1.dll", Half, "CvModule1.dll"},
        {"HIndex.dbx", [](const std::string&) { return std::string("not!base64\r\n"); }, nullptr},
        {"Cv.dll", [](const std::string&) { return std::string("MZ\x90"); }, nullptr},
        {"TxBookmarks.dbx", [](const std::string&) { return EncodeLine("nine||x||y", 0) + "\r\n"; },
         nullptr},
    };
    for (const TCase& Case : Cases) {
        const std::string Bytes =
            Case.Damage(Case.Source ? ReadBytes(BuiltDist() + "/" + Case.Source) : std::string());
        const TResult R = Run({"inspect", Scratch.Write(Case.Name, Bytes), "--compact"});
        EXPECT_EQ(R.Status, 1) << Case.Name;
        EXPECT_TRUE(Holds(R.Out, "\"valid\":false")) << Case.Name << R.Out.substr(0, 300);
        EXPECT_TRUE(Holds(R.Out, "\"reason\":\"")) << Case.Name;
    }
}
