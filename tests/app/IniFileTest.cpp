#include "app/IniFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A file as another editor may have left it: odd case, blanks, quotes,
// comments, a duplicate key, a key before any section and CR LF endings.
const char* const SampleText = "\xEF\xBB\xBF"
                               "Orphan=1\r\n"
                               "[General]\r\n"
                               "; Maximise=1\r\n"
                               "  maximise = 1  \r\n"
                               "Maximise=0\r\n"
                               "Empty=\r\n"
                               "Quoted=\"  padded  \"\r\n"
                               "Single='x'\r\n"
                               "HalfQuoted=\"abc\r\n"
                               "Inner=a=b\r\n"
                               "NoEquals\r\n"
                               "\r\n"
                               "[ Language ]\n"
                               "ActiveColl=  G::Name (Arabic)\n";

} // namespace

TEST(IniFile, ReadsValuesAsTheSettingsFileAlwaysWasRead) {
    TIniFile Ini;
    Ini.LoadFromText(SampleText);
    struct Case {
        const char* Section;
        const char* Key;
        const char* Expected;
    };
    const Case Cases[] = {
        {"General", "Maximise", "1"}, // the first of two equal keys, any case
        {"GENERAL", "MAXIMISE", "1"},
        {"General", "Empty", ""}, // present but empty is not the default
        {"General", "Quoted", "  padded  "},
        {"General", "Single", "x"},
        {"General", "HalfQuoted", "\"abc"},
        {"General", "Inner", "a=b"},
        {"General", "NoEquals", "<default>"},
        {"General", "; Maximise", "<default>"},
        {"General", "Orphan", "<default>"},
        {"General", "ActiveColl", "<default>"}, // keys belong to their section
        {"Language", "ActiveColl", "G::Name (Arabic)"},
        {"Missing", "Key", "<default>"},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(Ini.ReadString(C.Section, C.Key, "<default>"), C.Expected)
            << C.Section << "/" << C.Key;
    EXPECT_TRUE(Ini.ValueExists("general", "empty"));
    EXPECT_FALSE(Ini.ValueExists("General", "Orphan"));
    EXPECT_TRUE(Ini.SectionExists("language"));
}

TEST(IniFile, IntegersAndBooleansFallBackToTheirDefaultWhenUnreadable) {
    struct Case {
        const char* Stored;
        int Integer;     // read with default 77
        bool BoolFromNo; // read with default false
        bool BoolFromYes;
    };
    const Case Cases[] = {
        {"12", 12, true, true},
        {" -3 ", -3, true, true},
        {"+7", 7, true, true},
        {"0", 0, false, false},
        {"2147483647", INT_MAX, true, true},
        {"-2147483648", INT_MIN, true, true},
        {"2147483648", 77, false, true},
        {"12abc", 77, false, true},
        {"abc", 77, false, true},
        {"true", 77, false, true},
        {"0x10", 77, false, true},
        {"", 77, false, true},
        {"-", 77, false, true},
        {"1 2", 77, false, true},
    };
    for (const Case& C : Cases) {
        TIniFile Ini;
        Ini.LoadFromText(std::string("[S]\nK=") + C.Stored + "\n");
        EXPECT_EQ(Ini.ReadInteger("S", "K", 77), C.Integer) << C.Stored;
        EXPECT_EQ(Ini.ReadBool("S", "K", false), C.BoolFromNo) << C.Stored;
        EXPECT_EQ(Ini.ReadBool("S", "K", true), C.BoolFromYes) << C.Stored;
    }
}

TEST(IniFile, WritingANewFileKeepsTheOrderOfWriting) {
    TIniFile Ini;
    Ini.WriteBool("General", "B", true);
    Ini.WriteString("Other", "S", "text");
    Ini.WriteBool("General", "A", false);
    Ini.WriteInteger("Other", "N", -5);
    EXPECT_EQ(Ini.ToText(), "[General]\r\nB=1\r\nA=0\r\n[Other]\r\nS=text\r\nN=-5\r\n");
}

TEST(IniFile, WritingIntoAnExistingFileChangesOnlyTheWrittenKeys) {
    TIniFile Ini;
    Ini.LoadFromText("; settings\n"
                     "[general]\n"
                     "maximise=1\n"
                     "; a note\n"
                     "Extra=keep me\n"
                     "\n"
                     "[Unknown]\n"
                     "X=1\n");
    Ini.WriteBool("General", "Maximise", false);
    Ini.WriteBool("General", "NewsOnStart", true);
    Ini.WriteString("Language", "ActiveColl", "Name");
    EXPECT_EQ(Ini.ToText(), "; settings\r\n"
                            "[general]\r\n"
                            "maximise=0\r\n"
                            "; a note\r\n"
                            "Extra=keep me\r\n"
                            "NewsOnStart=1\r\n"
                            "\r\n"
                            "[Unknown]\r\n"
                            "X=1\r\n"
                            "[Language]\r\n"
                            "ActiveColl=Name\r\n");
}

TEST(IniFile, StringValuesComeBackAsWrittenThroughTheFileText) {
    const std::string Values[] = {
        "plain",    "  leading", "trailing\t", "\"quoted\"", "'single'", "\"half",
        "in\"side", "",          " ",          "a=b;c",      "é ü",
    };
    for (const std::string& V : Values) {
        TIniFile Out;
        Out.WriteString("S", "K", V);
        EXPECT_EQ(Out.ReadString("S", "K", "<default>"), V) << V;
        TIniFile In;
        In.LoadFromText(Out.ToText());
        EXPECT_EQ(In.ReadString("S", "K", "<default>"), V) << Out.ToText();
    }
}

TEST(IniFile, LineBreaksInAValueCannotAddKeys) {
    TIniFile Out;
    Out.WriteString("S", "K", "folder\r\n[S]\nInjected=1");
    TIniFile In;
    In.LoadFromText(Out.ToText());
    EXPECT_FALSE(In.ValueExists("S", "Injected"));
    EXPECT_EQ(In.ReadString("S", "K", ""), "folder[S]Injected=1");
}

TEST(IniFile, FileRoundTripAndMissingFile) {
    TTempDir Dir;
    TIniFile Ini;
    EXPECT_FALSE(Ini.LoadFromFile(Dir.File("none.ini")));
    EXPECT_FALSE(Ini.SectionExists("S"));
    Ini.WriteInteger("S", "N", 4);
    ASSERT_TRUE(Ini.SaveToFile(Dir.File("a.ini")));
    TIniFile Back;
    ASSERT_TRUE(Back.LoadFromFile(Dir.File("a.ini")));
    EXPECT_EQ(Back.ReadInteger("S", "N", 0), 4);
    EXPECT_FALSE(Ini.SaveToFile(Dir.File("no such folder/a.ini")));
}
