// Tests of the text-format words, the code-page conversion to numeric
// character references and the page-template macros.
#include "data/TextFormats.h"

#include "app/AppGlobals.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextFormats, FormatWords) {
    struct {
        std::string Word;
        uint8_t Format;
    } const Cases[] = {
        {"PLAIN", tfPlain},         {"plain", tfPlain}, {"CODEPAGE", tfCodePage},
        {" ncr\t", tfNCR},          {"NCR", tfNCR},     {"PLAINTEXT", tfNone},
        {"CODEPAGE[1256]", tfNone}, {"", tfNone},       {"N CR", tfNone},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(TextFormatOf(C.Word), C.Format) << "'" << C.Word << "'";
}

TEST(TextFormats, SupportedCodePagesUseTheirStandardMappings) {
    // One letter per code page, with the decimal of its Unicode code point.
    struct {
        int CodePage;
        std::string Byte, Expected;
    } const Cases[] = {
        {874, "\xA1", "&#3585;"},  // Thai ko kai
        {1250, "\x8A", "&#352;"},  // S with caron
        {1251, "\xC0", "&#1040;"}, // Cyrillic A
        {1252, "\x80", "&#8364;"}, // euro sign
        {1253, "\xC1", "&#913;"},  // Greek Alpha
        {1254, "\xD0", "&#286;"},  // G with breve
        {1255, "\xE0", "&#1488;"}, // Hebrew alef
        {1256, "\xC7", "&#1575;"}, // Arabic alef
        {1256, "\xDE", "&#1602;"}, // Arabic qaf
        {1257, "\xC0", "&#260;"},  // A with ogonek
    };
    std::string Ascii;
    for (int C = 1; C < 128; ++C)
        Ascii += static_cast<char>(C);
    for (const auto& C : Cases) {
        EXPECT_EQ(CodePageToNcr(C.Byte, C.CodePage), C.Expected) << C.CodePage;
        EXPECT_EQ(CodePageToNcr("a" + C.Byte + "b", C.CodePage), "a" + C.Expected + "b")
            << C.CodePage;
        EXPECT_EQ(CodePageToNcr(Ascii, C.CodePage), Ascii) << C.CodePage;
    }
}

TEST(TextFormats, CodePageTextBecomesUtf8WithReferences) {
    // Characters up to 255 are written in the program's own code page (UTF-8).
    EXPECT_EQ(CodePageToNcr("caf\xE9", 1252), "caf\xC3\xA9");
    EXPECT_EQ(CodePageToNcr("\xA0", 1256), "\xC2\xA0");
    // A realistic mixed line: the bracketed reference of the data files stays.
    EXPECT_EQ(CodePageToNcr("[\xC7\xE1\xE1\xE5] 1:2", 1256), "[&#1575;&#1604;&#1604;&#1607;] 1:2");
    EXPECT_EQ(CodePageToNcr(std::string("a\0b", 3), 1256), std::string("a\0b", 3));
    EXPECT_EQ(CodePageToNcr("", 1256), "");
}

TEST(TextFormats, OtherCodePages) {
    // Other numbers go to the library's tables; beyond 16 bits a character
    // is written as its two UTF-16 code units.
    EXPECT_EQ(CodePageToNcr("\xF0\x9F\x98\x80", 65001), "&#55357;&#56832;");
    EXPECT_EQ(CodePageToNcr("\xE9", 1258), "\xC3\xA9");
    for (int Unknown : {0, -1, 1, 99999})
        EXPECT_EQ(CodePageToNcr("abc", Unknown), "") << Unknown;
}

TEST(TextFormats, ExpandAppMacros) {
    SetAppPath("/opt/tarvix", "tarvix");
    struct {
        std::string Text, Expected;
    } const Cases[] = {
        {"no macros here", "no macros here"},
        {"v<VER>", "v1.81"},
        {"<ver> stays", "<ver> stays"},
        {"<IMG SRC=\"<APP_IMG>/GIMG/x.gif\">", "<IMG SRC=\"res:///opt/tarvix/tarvix/GIMG/x.gif\">"},
        {"<VER><VER><APP_IMG>", "1.811.81res:///opt/tarvix/tarvix"},
        {"", ""},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(ExpandAppMacros(C.Text), C.Expected) << C.Text;

    // The version is substituted first, so a version text holding the other
    // macro is expanded too; the order is part of the behaviour.
    AppVersion = "<APP_IMG>";
    EXPECT_EQ(ExpandAppMacros("<VER>"), "res:///opt/tarvix/tarvix");
    ResetAppGlobals();
}

} // namespace
