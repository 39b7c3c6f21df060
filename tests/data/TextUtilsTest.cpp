// Tests of the text utilities: the tagged-field extraction the data files rely
// on, word search, splitting, conversions and the file helpers.
#include "data/TextUtils.h"

#include "data/TxError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using TLines = std::vector<std::string>;

const std::string HeaderLine = "<<ID:Bk1>>|<<N:Book One>>|<<HCOUNT:42>>+";

// ---- extraction primitives --------------------------------------------------------

struct TExtractCase {
    const char* What;
    std::string (*Fn)(const std::string&, const std::string&, const std::string&);
    std::string Text, Open, Close, Expected;
};

std::string Before(const std::string& T, const std::string& D, const std::string&) {
    return TextBefore(T, D);
}
std::string After(const std::string& T, const std::string& D, const std::string&) {
    return TextAfter(T, D);
}

TEST(TextUtils, ExtractionPrimitives) {
    const TExtractCase Cases[] = {
        {"first field", TextBetween, HeaderLine, "<<ID:", ">>", "Bk1"},
        {"later field by its own closing literal", TextBetween, HeaderLine, "|<<N:", ">>|<<HCOUNT",
         "Book One"},
        {"closing literal before opening one", TextBetween, HeaderLine, "|<<N:", ">>", ""},
        {"last field closed by >>+", TextBetween, HeaderLine, "|<<HCOUNT:", ">>+", "42"},
        {"missing field", TextBetween, HeaderLine, "|<<TF:", ">>", ""},
        {"missing closing literal", TextBetween, "<<ID:x", "<<ID:", ">>", ""},
        {"empty opening literal", TextBetween, HeaderLine, "", ">>", ""},
        {"empty closing literal", TextBetween, HeaderLine, "<<ID:", "", ""},
        {"first occurrence of a repeated tag wins", TextBetween, "<<T:a>>|<<T:b>>", "<<T:", ">>",
         "a"},
        {"blanks inside a value stay", TextBetween, "<<N: x >>", "<<N:", ">>", " x "},
        {"tags are case-sensitive", TextBetween, "<<id:x>>", "<<ID:", ">>", ""},
        {"close begins inside open", TextBetween, "ab:cd", "ab:", "b:", ""},
        {"close right after open", TextBetween, "<<ID:>>", "<<ID:", ">>", ""},
        {"close searched after open", TextAfterBefore, HeaderLine, "|<<N:", ">>", "Book One"},
        {"TextAfterBefore without close", TextAfterBefore, "<<N:x", "<<N:", ">>", ""},
        {"TextAfterBefore without open", TextAfterBefore, "x>>", "<<N:", ">>", ""},
        {"TextAfter keeps a second delimiter", After, "a=b=c", "=", "", "b=c"},
        {"TextAfter of absent delimiter", After, "abc", "=", "", ""},
        {"TextAfter of empty delimiter", After, "abc", "", "", ""},
        {"TextAfter at the very end", After, "abc=", "=", "", ""},
        {"TextBefore of absent delimiter is empty", Before, "abc", "=", "", ""},
        {"TextBefore of empty delimiter", Before, "abc", "", "", ""},
        {"TextBefore of first occurrence", Before, "a=b=c", "=", "", "a"},
        {"TextBefore with multi-byte delimiter", Before, "BDORTL:x|ALIGN:y", "|ALIGN:", "",
         "BDORTL:x"},
    };
    for (const TExtractCase& C : Cases)
        EXPECT_EQ(C.Fn(C.Text, C.Open, C.Close), C.Expected) << C.What;
}

// ---- comparison ---------------------------------------------------------------------

TEST(TextUtils, TrimAndSameTextTrim) {
    EXPECT_EQ(TrimText("\x01 \tab c\r\n "), "ab c");
    EXPECT_EQ(TrimText(std::string("\0a\0", 3)), "a") << "NUL is a code below 33 too";
    EXPECT_EQ(TrimText(" \t "), "");
    EXPECT_EQ(TrimText("\xA0x\xA0"), "\xA0x\xA0") << "bytes above 127 are not blanks";

    struct {
        std::string A, B;
        bool Same;
    } const Cases[] = {
        {" abc\t", "ABC", true},
        {"Hadith", "hADITH", true},
        {"", " \r\n", true},
        {"ab c", "abc", false},
        {"\xC3\xA9", "\xC3\x89", false}, // only a-z fold: UTF-8 e-acute vs E-acute
        {"a", "a ", true},
        {"[z]", "[Z]", true},
        {"`{", "@[", false}, // neighbours of the letter ranges must not fold
    };
    for (const auto& C : Cases)
        EXPECT_EQ(SameTextTrim(C.A, C.B), C.Same) << "'" << C.A << "' vs '" << C.B << "'";
}

TEST(TextUtils, ContainsAndListLookups) {
    EXPECT_TRUE(ContainsText("b", "abc"));
    EXPECT_FALSE(ContainsText("B", "abc"));
    EXPECT_FALSE(ContainsText("", "abc"));
    EXPECT_FALSE(ContainsText("", ""));

    const TLines List = {"Alpha", " beta ", "Gamma|12", "delta|3|x", "Gamma"};
    EXPECT_EQ(IndexOfSameText(List, "BETA"), 1);
    EXPECT_EQ(IndexOfSameText(List, "gamma"), 4);
    EXPECT_EQ(IndexOfSameText(List, "omega"), -1);
    EXPECT_EQ(IndexOfSameText({}, "x"), -1);

    EXPECT_EQ(IndexOfSameTextBeforeBar(List, "gamma"), 2);
    EXPECT_EQ(IndexOfSameTextBeforeBar(List, "DELTA"), 3);
    EXPECT_EQ(IndexOfSameTextBeforeBar(List, "alpha"), 0) << "an item without a bar counts whole";
    EXPECT_EQ(IndexOfSameTextBeforeBar(List, "12"), -1);
    EXPECT_EQ(IndexOfSameTextBeforeBar(List, ""), -1);
    EXPECT_EQ(IndexOfSameTextBeforeBar({"|x"}, ""), 0);

    EXPECT_EQ(CompareInt(1, 2), -1);
    EXPECT_EQ(CompareInt(2, 2), 0);
    EXPECT_EQ(CompareInt(INT_MAX, INT_MIN), 1);
}

// ---- word search --------------------------------------------------------------------

TEST(TextUtils, WordDelimiterSet) {
    EXPECT_EQ(WordDelimiters.size(), 22u);
    for (int C = 0; C <= 32; ++C)
        EXPECT_TRUE(IsWordDelimiter(static_cast<unsigned char>(C))) << C;
    for (char C : std::string(" .?!-+=(){}[]<>,'\";:\\/"))
        EXPECT_TRUE(IsWordDelimiter(static_cast<unsigned char>(C))) << C;
    for (char C : std::string("aZ09_*&#@%|~`^$"))
        EXPECT_FALSE(IsWordDelimiter(static_cast<unsigned char>(C))) << C;
    for (int C = 127; C <= 255; ++C)
        EXPECT_EQ(IsWordDelimiter(static_cast<unsigned char>(C)), false) << C;
}

TEST(TextUtils, FindWholeWord) {
    struct {
        std::string Pattern, Text;
        bool CaseSensitive;
        int Expected;
    } const Cases[] = {
        {"the", "there is", true, -1},      // only the start of a longer word
        {"the", "other", true, -1},         // only inside a longer word
        {"the", "thee", true, -1},          // one longer, ending the text
        {"word", "the word. end", true, 4}, // followed by a full stop
        {"word", "word", true, 0},          // the whole text
        {"ab", "abab", true, -1},           // two copies without a delimiter
        {"ab", "abab ab", true, 5},         // a later free copy is found
        {"WORD", "a word", false, 2},       // case-insensitive
        {"WORD", "a word", true, -1},       // case-sensitive
        {"word", "(word)", true, 1},        // brackets delimit
        {"word", "x\tword\n", true, 2},     // control codes delimit
        {"word", "\xD9word", true, -1},     // bytes above 127 are letters
        {"word", "words word", true, 6},    // first copy rejected, second found
        {"", "any text", true, -1},         // empty pattern names no word
        {"longer", "long", true, -1},       // pattern longer than text
        {"a-b", "x a-b y", true, 2},        // pattern holding a delimiter
        {"\xC3\xA9t\xC3\xA9", "un \xC3\xA9t\xC3\xA9.", true, 3},
        {"aa", "aaa aa", true, 4},   // left-to-right without overlap
        {"x-x", "yx-x-x", true, -1}, // the free copy overlaps a rejected one
    };
    for (const auto& C : Cases)
        EXPECT_EQ(FindWholeWord(C.Pattern, C.Text, C.CaseSensitive), C.Expected)
            << "'" << C.Pattern << "' in '" << C.Text << "'";
}

TEST(TextUtils, FindTextFrom) {
    const std::string Text = "One two, one TWO.";
    struct {
        std::string Pattern;
        int Start;
        bool CaseSensitive, WholeWord;
        int Expected;
    } const Cases[] = {
        {"two", 0, true, false, 4},
        {"two", 5, true, false, -1},
        {"two", 5, false, false, 13}, // case-folded search of the rest
        {"one", 0, false, false, 0},
        {"one", 1, false, false, 9}, // position counts from the text start
        {"ne", 0, false, true, -1},  // whole word: inside "One"
        {"TWO", 5, true, true, 13},
        {"two", -5, true, false, 4},  // a negative start searches from the start
        {"two", 17, true, false, -1}, // start at the end: empty part
        {"two", 1000, true, false, -1},
        {"two", INT_MIN, true, false, 4},
        {"two", INT_MAX, true, true, -1},
        {"", 0, true, false, -1},   // empty pattern finds nothing
        {".", 16, true, false, 16}, // last character
    };
    for (const auto& C : Cases)
        EXPECT_EQ(FindTextFrom(C.Pattern, Text, C.Start, C.CaseSensitive, C.WholeWord), C.Expected)
            << "'" << C.Pattern << "' from " << C.Start;
    EXPECT_EQ(FindTextFrom("a", "", 0, true, false), -1);
}

// ---- building and splitting -------------------------------------------------------

TEST(TextUtils, ReplaceAllAndRemoveAll) {
    struct {
        std::string Text, Pattern, Replacement, Expected;
    } const Cases[] = {
        {"aaaa", "aa", "b", "bb"},
        {"aaa", "aa", "b", "ba"},
        {"abc", "", "x", "abc"},
        {"abc", "d", "x", "abc"},
        {"", "a", "x", ""},
        {"a.b.c", ".", "<BR>", "a<BR>b<BR>c"},
        {"xAx", "A", "a", "xax"},
        {"xax", "A", "b", "xax"},     // case-sensitive
        {"ab", "ab", "abab", "abab"}, // the replacement is not searched again
        {"<VER><VER>", "<VER>", "", ""},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(ReplaceAll(C.Text, C.Pattern, C.Replacement), C.Expected)
            << C.Text << " / " << C.Pattern;

    EXPECT_EQ(RemoveAll("17=a|117=b", "17="), "a|1b");
    EXPECT_EQ(RemoveAll("abc", ""), "abc");
}

TEST(TextUtils, SplitText) {
    struct {
        std::string Text, Sep;
        TLines Expected;
    } const Cases[] = {
        {"", ",", {}},
        {"a,b,", ",", {"a", "b", ""}}, // a trailing separator: empty last item
        {"a,b\r\n", ",", {"a", "b"}},  // a trailing line break: none
        {" a , b ", ",", {"a", "b"}},
        {"a|b\nc\rd\r\ne", "|", {"a", "b", "c", "d", "e"}},
        {"a,,b", ",", {"a", "", "b"}},
        {",", ",", {"", ""}},
        {"a::b::c", "::", {"a", "b", "c"}},
        {"a,b", "", {"a,b"}}, // an empty separator only splits lines
        {"a\n\nb", ",", {"a", "", "b"}},
        {"solo", ",", {"solo"}},
        {"x\r", ",", {"x"}},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(SplitText(C.Text, C.Sep), C.Expected) << "'" << C.Text << "'";
    EXPECT_EQ(SplitCommaList("Sahih, Hasan ,Da'if"), (TLines{"Sahih", "Hasan", "Da'if"}));
}

TEST(TextUtils, ReverseAndQuote) {
    EXPECT_EQ(ReverseText("abc"), "cba");
    EXPECT_EQ(ReverseText(""), "");
    EXPECT_EQ(ReverseText("ab\r\ncd"), "dc\r\nba") << "line breaks keep their order";
    EXPECT_EQ(ReverseText(ReverseText("x\r\ny\r\n")), "x\r\ny\r\n");

    struct {
        std::string Text, Expected;
    } const Cases[] = {
        {"", "\"\""},       {"a", "\"a\""}, {"\"a", "\"a\""}, {"a\"", "\"a\""},
        {"\"a\"", "\"a\""}, {"\"", "\"\""}, // a lone quote gets its closing partner
        {"\"\"", "\"\""},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(QuoteText(C.Text), C.Expected) << C.Text;
    EXPECT_EQ(QuoteTextAlways("\"a\""), "\"\"a\"\"");
    EXPECT_EQ(QuoteTextAlways(""), "\"\"");
}

TEST(TextUtils, IntToZeroPadded) {
    struct {
        int64_t Value;
        int Width;
        std::string Expected;
    } const Cases[] = {
        {7, 3, "007"},        {12345, 3, "123"}, // a longer text is cut
        {0, 3, "000"},        {999, 3, "999"},
        {-7, 3, "-07"},                      // the sign counts towards the width
        {-12345, 3, "-12"},   {42, 0, "42"}, // no width: the plain number
        {-42, -5, "-42"},     {INT64_MIN, 0, "-9223372036854775808"},
        {INT64_MAX, 2, "92"},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(IntToZeroPadded(C.Value, C.Width), C.Expected) << C.Value << "/" << C.Width;

    const std::string Capped = IntToZeroPadded(5, 100000);
    EXPECT_EQ(Capped.size(), 256u);
    EXPECT_EQ(Capped.back(), '5');
    EXPECT_EQ(Capped.find_first_not_of('0'), 255u);
}

TEST(TextUtils, YesNoFlag) {
    EXPECT_EQ(YesNoFlag(true), "Y");
    EXPECT_EQ(YesNoFlag(false), "N");
    EXPECT_TRUE(YesNoFlag(std::string("Y")));
    for (const char* Text : {"y", "N", "Yes", " Y", ""})
        EXPECT_FALSE(YesNoFlag(std::string(Text))) << Text;
}

TEST(TextUtils, IntegerConversion) {
    struct {
        std::string Text;
        bool Valid;
        int Value;
    } const Cases[] = {
        {"0", true, 0},
        {"42", true, 42},
        {"  42\r\n", true, 42},
        {"+7", true, 7},
        {"-7", true, -7},
        {"007", true, 7},
        {"2147483647", true, INT_MAX},
        {"-2147483648", true, INT_MIN},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"-", false, 0},
        {"+", false, 0},
        {"4 2", false, 0},
        {"42a", false, 0},
        {"abc", false, 0},
        {"--1", false, 0},
        {"1.0", false, 0},
        {std::string("4\0", 2), true, 4}, // a trailing NUL is trimmed like any control code
        {std::string("4\0"
                     "2",
                     3),
         false, 0},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(IsIntegerText(C.Text), C.Valid) << "'" << C.Text << "'";
        EXPECT_EQ(StrToIntDef(C.Text, -99), C.Valid ? C.Value : -99) << "'" << C.Text << "'";
        if (C.Valid)
            EXPECT_EQ(StrToInt(C.Text), C.Value);
        else
            EXPECT_THROW(StrToInt(C.Text), EConvertError) << "'" << C.Text << "'";
    }

    try {
        StrToInt("abc");
        FAIL() << "no error raised";
    } catch (const ETxError& E) {
        EXPECT_STREQ(E.what(), "'abc' is not a valid integer value");
    }
}

// ---- string lists -------------------------------------------------------------------

TEST(TextUtils, TextToLinesAndBack) {
    struct {
        std::string Text;
        TLines Lines;
    } const Cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"\r\n", {""}},
        {"\n\r", {"", ""}}, // LF then a separate CR
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\n", {"a", ""}},
        {std::string("a\0b", 3), {std::string("a\0b", 3)}}, // NUL is data, not an end
    };
    for (const auto& C : Cases)
        EXPECT_EQ(TextToLines(C.Text), C.Lines) << "'" << C.Text << "'";

    EXPECT_EQ(LinesToText({}), "");
    EXPECT_EQ(LinesToText({"a", "", "b"}), "a\r\n\r\nb\r\n");
    const TLines Lines = {"x", "", " y "};
    EXPECT_EQ(TextToLines(LinesToText(Lines)), Lines);
}

TEST(TextUtils, NameValueAccess) {
    EXPECT_EQ(NameOf("12=a=b"), "12");
    EXPECT_EQ(ValueOf("12=a=b"), "a=b");
    EXPECT_EQ(NameOf("no sign"), "");
    EXPECT_EQ(ValueOf("no sign"), "");
    EXPECT_EQ(NameOf("=v"), "");
    EXPECT_EQ(ValueOf("=v"), "v");

    const TLines Table = {"117=far", "17=near", "Key=Mixed", "plain", "=empty name", "17=second"};
    EXPECT_EQ(IndexOfName(Table, "17"), 1) << "the name must match whole, not as a suffix";
    EXPECT_EQ(ValueByName(Table, "17"), "near") << "first entry wins";
    EXPECT_EQ(ValueByName(Table, "117"), "far");
    EXPECT_EQ(ValueByName(Table, "KEY"), "Mixed") << "names compare without case";
    EXPECT_EQ(IndexOfName(Table, "plain"), -1) << "an entry without '=' has no name";
    EXPECT_EQ(IndexOfName(Table, ""), 4);
    EXPECT_EQ(ValueByName(Table, "7"), "");
    EXPECT_EQ(ValueByName({}, "1"), "");
}

// ---- files ------------------------------------------------------------------------------

TEST(TextUtilsFiles, SizeAndExistence) {
    TTempDir Dir;
    Dir.Write("five.txt", "12345");
    Dir.Write("empty.txt", "");
    ::mkdir(Dir.File("sub").c_str(), 0755);

    EXPECT_EQ(FileSizeOf(Dir.File("five.txt")), 5);
    EXPECT_EQ(FileSizeOf(Dir.File("empty.txt")), 0);
    EXPECT_EQ(FileSizeOf(Dir.File("missing")), -1);
    EXPECT_EQ(FileSizeOf(Dir.File("sub")), -1);
    EXPECT_EQ(FileSizeOf(""), -1);

    EXPECT_TRUE(FileExists(Dir.File("empty.txt")));
    EXPECT_FALSE(FileExists(Dir.File("missing")));
    EXPECT_FALSE(FileExists(Dir.File("sub")));
    EXPECT_FALSE(FileExists(""));
}

TEST(TextUtilsFiles, ListFolder) {
    TTempDir Dir;
    for (const char* Name : {"b.dbh", "A.DBH", "c.dbhx", "d.txt", ".hidden.dbh", "noext"})
        Dir.Write(Name, "x");
    ::mkdir(Dir.File("sub.dbh").c_str(), 0755);
    ::mkdir(Dir.File("other").c_str(), 0755);
    ASSERT_EQ(::symlink("b.dbh", Dir.File("link.dbh").c_str()), 0);
    ASSERT_EQ(::symlink("missing", Dir.File("dangling.dbh").c_str()), 0);

    struct {
        std::string Mask;
        uint32_t Attributes;
        TLines Expected;
        bool Result;
    } const Cases[] = {
        {"*.dbh", faArchive, {"A.DBH", "b.dbh", "link.dbh"}, true},
        {"*.dbh", faAnyFile, {".hidden.dbh", "A.DBH", "b.dbh", "link.dbh", "sub.dbh"}, true},
        {"*.DBH", faArchive, {"A.DBH", "b.dbh", "link.dbh"}, true},
        {"*", faDirectory, {"other", "sub.dbh"}, true},
        {"?.dbh", faArchive, {"A.DBH", "b.dbh"}, true},
        {"*.*", faArchive, {"A.DBH", "b.dbh", "c.dbhx", "d.txt", "link.dbh", "noext"}, true},
        {"noext", faArchive, {"noext"}, true},
        {"*.zip", faAnyFile, {}, false},
        {"*.txt", faDirectory, {}, false},
        {"", faAnyFile, {}, false},
    };
    for (const auto& C : Cases) {
        TLines List = {"kept"};
        EXPECT_EQ(ListFolder(Dir.Path() + C.Mask, C.Attributes, List), C.Result) << C.Mask;
        TLines Expected = {"kept"};
        Expected.insert(Expected.end(), C.Expected.begin(), C.Expected.end());
        EXPECT_EQ(List, Expected) << C.Mask << " / " << C.Attributes;
    }

    TLines List;
    EXPECT_FALSE(ListFolder(Dir.File("nowhere/*.dbh"), faAnyFile, List));
    EXPECT_TRUE(List.empty());
}

TEST(TextUtilsFiles, WithoutTrailingBackslash) {
    EXPECT_EQ(WithoutTrailingBackslash("/a/b/"), "/a/b");
    EXPECT_EQ(WithoutTrailingBackslash("/a/b//"), "/a/b/");
    EXPECT_EQ(WithoutTrailingBackslash("/a/b"), "/a/b");
    EXPECT_EQ(WithoutTrailingBackslash(""), "");
}

TEST(TextUtilsFiles, DeleteFolderTree) {
    TTempDir Dir;
    const std::string Root = Dir.File("cache");
    ::mkdir(Root.c_str(), 0755);
    ::mkdir((Root + "/deep").c_str(), 0755);
    ::mkdir((Root + "/deep/er").c_str(), 0755);
    Dir.Write("cache/a.ram", "x");
    Dir.Write("cache/deep/b.ram", "y");
    Dir.Write("cache/deep/er/c.ram", "z");
    ::chmod((Root + "/a.ram").c_str(), 0444);
    ::chmod((Root + "/deep/er").c_str(), 0555); // read-only folder: made normal first

    // Something outside the tree, reachable only through links inside it.
    ::mkdir(Dir.File("outside").c_str(), 0755);
    Dir.Write("outside/keep.txt", "keep");
    ASSERT_EQ(::symlink(Dir.File("outside").c_str(), (Root + "/dirlink").c_str()), 0);
    ASSERT_EQ(::symlink(Dir.File("outside/keep.txt").c_str(), (Root + "/filelink").c_str()), 0);

    EXPECT_TRUE(DeleteFolderTree(Root + "/", true, false));
    struct stat St;
    EXPECT_EQ(::stat(Root.c_str(), &St), 0) << "the folder itself stays without RemoveFolder";
    TLines Left;
    EXPECT_FALSE(ListFolder(Root + "/*", faAnyFile, Left));
    EXPECT_EQ(Dir.Read("outside/keep.txt"), "keep") << "links are removed, never followed";
    EXPECT_EQ(::lstat((Root + "/dirlink").c_str(), &St), -1);

    Dir.Write("cache/again.txt", "x");
    EXPECT_TRUE(DeleteFolderTree(Root, false, true));
    EXPECT_EQ(::stat(Root.c_str(), &St), -1);

    EXPECT_FALSE(DeleteFolderTree(Root, false, true)) << "a missing folder";
    EXPECT_FALSE(DeleteFolderTree(Dir.File("outside/keep.txt"), false, true)) << "a file";
    ASSERT_EQ(::symlink(Dir.File("outside").c_str(), Dir.File("toplink").c_str()), 0);
    EXPECT_FALSE(DeleteFolderTree(Dir.File("toplink"), false, true)) << "a link to a folder";
    EXPECT_EQ(Dir.Read("outside/keep.txt"), "keep");
    EXPECT_FALSE(DeleteFolderTree("", false, false));
}

TEST(TextUtilsFiles, LoadFileText) {
    TTempDir Dir;
    const std::string Bytes("a\r\nb\0\xFF\n", 7);
    Dir.Write("bin", Bytes);
    std::string Text = "old";
    ASSERT_TRUE(LoadFileText(Dir.File("bin"), Text));
    EXPECT_EQ(Text, Bytes);

    Dir.Write("empty", "");
    ASSERT_TRUE(LoadFileText(Dir.File("empty"), Text));
    EXPECT_EQ(Text, "");

    Text = "unchanged";
    EXPECT_FALSE(LoadFileText(Dir.File("missing"), Text));
    EXPECT_FALSE(LoadFileText(Dir.Path(), Text));
    EXPECT_EQ(Text, "unchanged");

    const std::string Large(300000, 'q');
    Dir.Write("large", Large);
    ASSERT_TRUE(LoadFileText(Dir.File("large"), Text));
    EXPECT_EQ(Text, Large);
}

TEST(TextUtilsFiles, SaveTextNormalisesLineBreaks) {
    TTempDir Dir;
    struct {
        std::string Text, OnDisk;
    } const Cases[] = {
        {"a\nb\rc\r\nd", "a\r\nb\r\nc\r\nd\r\n"},
        {"line\r\n", "line\r\n"},
        {"", ""},
        {"\xD8\xA7", "\xD8\xA7\r\n"},
    };
    for (const auto& C : Cases) {
        ASSERT_TRUE(SaveTextToFile(C.Text, Dir.File("plain.txt")));
        EXPECT_EQ(Dir.Read("plain.txt"), C.OnDisk);
        ASSERT_TRUE(SaveTextToFileAtomic(C.Text, Dir.File("atomic.txt")));
        EXPECT_EQ(Dir.Read("atomic.txt"), C.OnDisk);
    }
    ASSERT_TRUE(SaveTextToFile("short", Dir.File("plain.txt")));
    EXPECT_EQ(Dir.Read("plain.txt"), "short\r\n") << "an old longer content is cut";

    EXPECT_FALSE(SaveTextToFile("x", Dir.File("nowhere/file.txt")));
    EXPECT_FALSE(SaveTextToFile("x", Dir.Path()));
}

TEST(TextUtilsFiles, AtomicSaveLeavesNoTraces) {
    TTempDir Dir;
    const std::string Target = Dir.File("TxBookmarks.dbx");
    ASSERT_TRUE(SaveTextToFileAtomic("one", Target));
    ::chmod(Target.c_str(), 0640);
    ASSERT_TRUE(SaveTextToFileAtomic("two", Target));
    EXPECT_EQ(Dir.Read("TxBookmarks.dbx"), "two\r\n");
    struct stat St;
    ASSERT_EQ(::stat(Target.c_str(), &St), 0);
    EXPECT_EQ(St.st_mode & 0777, 0640u) << "the replaced file keeps its permissions";

    // A target that cannot be replaced (a folder) fails and leaves it as it was.
    ::mkdir(Dir.File("taken").c_str(), 0755);
    Dir.Write("taken/inside", "i");
    EXPECT_FALSE(SaveTextToFileAtomic("x", Dir.File("taken")));
    EXPECT_EQ(Dir.Read("taken/inside"), "i");

    EXPECT_FALSE(SaveTextToFileAtomic("x", Dir.File("nowhere/file.txt")));
    EXPECT_FALSE(SaveTextToFileAtomic("x", ""));

    TLines Names;
    ListFolder(Dir.Path() + "*", faAnyFile, Names);
    EXPECT_EQ(Names, (TLines{"taken", "TxBookmarks.dbx"})) << "no temporary file is left";
}

} // namespace
