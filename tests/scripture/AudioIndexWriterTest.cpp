// The recitation index writer: layout, enciphering and refused input.
#include "scripture/AudioIndexWriter.h"

#include "data/LineCipher.h"
#include "scripture/ChapterTable.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(AudioIndexWriter, WritesHeaderAndOneLinePerVerse) {
    TTempDir Dir;
    const std::string File = Dir.File("QRemoteAud.dbx");
    ASSERT_TRUE(WriteAudioIndex(File, DefaultAudioVerseFiles()));
    const std::string Bytes = Dir.Read("QRemoteAud.dbx");
    const TStringList Lines = TextToLines(Bytes);
    ASSERT_EQ(Lines.size(), 6240u);
    EXPECT_EQ(Bytes.substr(Bytes.size() - 2), "\r\n");

    const TStringList Header = AudioIndexHeader();
    ASSERT_EQ(Header.size(), 4u);
    for (int I = 0; I < 4; ++I)
        EXPECT_EQ(DecodeLine(Lines[static_cast<size_t>(I)], I), Header[static_cast<size_t>(I)]);
    // Line 4 + k names the verse whose absolute number is k + 1.
    struct Case {
        int Chapter, Verse;
        const char* Name;
    };
    const Case Cases[] = {
        {1, 1, "001001.ram"}, {2, 1, "002001.ram"}, {2, 255, "002255.ram"}, {114, 6, "114006.ram"}};
    for (const Case& C : Cases) {
        const int Index = 3 + AbsoluteVerseNumber(C.Chapter, C.Verse);
        EXPECT_EQ(DecodeLine(Lines[static_cast<size_t>(Index)], Index), C.Name);
    }
    EXPECT_EQ(Bytes.find(".ram"), std::string::npos);
}

TEST(AudioIndexWriter, RefusesNamesThatAreNoPlainFileNames) {
    std::string Text;
    for (const std::string Name : {"", ".", "..", "a/b", "..\\x", "c:x", "a\r\nb", "a\tb"}) {
        SCOPED_TRACE(Name);
        EXPECT_FALSE(BuildAudioIndex({"ok.ram", Name}, Text));
        EXPECT_TRUE(Text.empty());
    }
    EXPECT_FALSE(BuildAudioIndex(TStringList(6237, "x.ram"), Text));
    EXPECT_TRUE(BuildAudioIndex({"001001.ram"}, Text)); // a partial index is allowed
    EXPECT_EQ(TextToLines(Text).size(), 5u);
}
