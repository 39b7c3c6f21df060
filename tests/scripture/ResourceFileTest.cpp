// The module file container: round trip, lookup and every kind of damage.
#include "scripture/ResourceFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Content that would confuse a line-based reader.
const std::string Binary =
    std::string("line one\nRESOURCE X 3\nEND\n\r\n") + std::string(1, '\0') + "\xFF\xFE\n";

TResourceList Sample() {
    return {{"QDATA", "verse lines\r\n"}, {"Other.1", Binary}, {"Empty", ""}};
}

} // namespace

TEST(ResourceFile, WritesAndReadsEveryResource) {
    TTempDir Dir;
    const std::string File = Dir.File("CvModule1.dll");
    ASSERT_TRUE(WriteResourceFile(File, Sample()));

    TResourceList List;
    ASSERT_TRUE(ReadResourceList(File, List));
    EXPECT_EQ(List, Sample());

    std::string Text;
    EXPECT_TRUE(ReadResource(File, "QDATA", Text));
    EXPECT_EQ(Text, "verse lines\r\n");
    EXPECT_TRUE(ReadResource(File, "other.1", Text)); // names ignore letter case
    EXPECT_EQ(Text, Binary);
    EXPECT_TRUE(ReadResource(File, "Empty", Text));
    EXPECT_EQ(Text, "");

    Text = "stale";
    EXPECT_FALSE(ReadResource(File, "QDATA2", Text));
    EXPECT_EQ(Text, "");
    EXPECT_FALSE(ReadResource(Dir.File("missing.dll"), "QDATA", Text));
}

TEST(ResourceFile, WriterRefusesBadOrRepeatedNames) {
    std::string Bytes;
    const std::string BadNames[] = {"",        "Q DATA", "Q\nDATA", "a/b", std::string(65, 'x'),
                                    "\xC3\x84"};
    for (const std::string& Name : BadNames) {
        SCOPED_TRACE(Name);
        EXPECT_FALSE(BuildResourceFile({{Name, "x"}}, Bytes));
    }
    EXPECT_FALSE(BuildResourceFile({{"QDATA", "a"}, {"qdata", "b"}}, Bytes));
    EXPECT_TRUE(BuildResourceFile({{std::string(64, 'x'), "x"}}, Bytes));
    EXPECT_TRUE(BuildResourceFile({}, Bytes));
    EXPECT_EQ(Bytes, "TARVIX-RESOURCES 1\nEND\n");
}

TEST(ResourceFile, EveryCutOfAFileIsDetected) {
    TTempDir Dir;
    std::string Bytes;
    ASSERT_TRUE(BuildResourceFile(Sample(), Bytes));
    for (size_t Size = 0; Size < Bytes.size(); ++Size) {
        SCOPED_TRACE(Size);
        const std::string File = Dir.Write("cut.dll", Bytes.substr(0, Size));
        TResourceList List;
        EXPECT_FALSE(ReadResourceList(File, List));
        EXPECT_TRUE(List.empty());
    }
}

TEST(ResourceFile, DamagedFilesAreRefused) {
    const std::string Head = "TARVIX-RESOURCES 1\n";
    struct Case {
        const char* What;
        std::string Bytes;
    };
    const Case Cases[] = {
        {"empty file", ""},
        {"other magic", "TARVIX-RESOURCES 2\nEND\n"},
        {"magic with CR", "TARVIX-RESOURCES 1\r\nEND\n"},
        {"length beyond the file", Head + "RESOURCE QDATA 100\nabc\nEND\n"},
        {"length one short", Head + "RESOURCE QDATA 2\nabc\nEND\n"},
        {"huge length", Head + "RESOURCE QDATA 18446744073709551615\nabc\nEND\n"},
        {"length with sign", Head + "RESOURCE QDATA -3\nabc\nEND\n"},
        {"length not a number", Head + "RESOURCE QDATA 3x\nabc\nEND\n"},
        {"no length", Head + "RESOURCE QDATA\nabc\nEND\n"},
        {"empty length", Head + "RESOURCE QDATA \nabc\nEND\n"},
        {"bad name", Head + "RESOURCE Q/DATA 3\nabc\nEND\n"},
        {"unknown entry word", Head + "RESOURSE QDATA 3\nabc\nEND\n"},
        {"no closing line", Head + "RESOURCE QDATA 3\nabc\n"},
        {"bytes after the closing line", Head + "RESOURCE QDATA 3\nabc\nEND\nx"},
        {"repeated name", Head + "RESOURCE QDATA 1\na\nRESOURCE qdata 1\nb\nEND\n"},
    };
    TTempDir Dir;
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        const std::string File = Dir.Write("bad.dll", C.Bytes);
        std::string Text;
        EXPECT_FALSE(ReadResource(File, "QDATA", Text));
        EXPECT_EQ(Text, "");
    }
    // The same layout undamaged is read.
    const std::string File = Dir.Write("good.dll", Head + "RESOURCE QDATA 3\nabc\nEND\n");
    std::string Text;
    EXPECT_TRUE(ReadResource(File, "QDATA", Text));
    EXPECT_EQ(Text, "abc");
}
