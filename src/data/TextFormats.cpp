// Text formats of collections, the conversion of code-page text to UTF-8 with
// numeric character references, and the macros of the page templates.
#include "data/TextFormats.h"

#include "app/AppGlobals.h"
#include "data/TextUtils.h"

#include <unicode/ucnv.h>

#include <memory>
#include <vector>

namespace {

struct TConverterCloser {
    void operator()(UConverter* C) const { ucnv_close(C); }
};
using TConverter = std::unique_ptr<UConverter, TConverterCloser>;

// The Windows code pages of the collections by their converter names; other
// numbers are tried under the usual aliases.
TConverter OpenCodePage(int CodePage) {
    if (CodePage <= 0)
        return nullptr;
    const std::string Number = std::to_string(CodePage);
    for (const std::string& Name : {"windows-" + Number, "cp" + Number}) {
        UErrorCode Status = U_ZERO_ERROR;
        UConverter* C = ucnv_open(Name.c_str(), &Status);
        if (U_SUCCESS(Status) && C)
            return TConverter(C);
        if (C)
            ucnv_close(C);
    }
    return nullptr;
}

void AppendUtf8(std::string& Out, unsigned Unit) {
    if (Unit < 0x80) {
        Out += static_cast<char>(Unit);
    } else {
        Out += static_cast<char>(0xC0 | (Unit >> 6));
        Out += static_cast<char>(0x80 | (Unit & 0x3F));
    }
}

} // namespace

uint8_t TextFormatOf(const std::string& Word) {
    if (SameTextTrim(Word, "PLAIN"))
        return tfPlain;
    if (SameTextTrim(Word, "CODEPAGE"))
        return tfCodePage;
    if (SameTextTrim(Word, "NCR"))
        return tfNCR;
    return tfNone;
}

std::string CodePageToNcr(const std::string& Text, int CodePage) {
    TConverter Converter = OpenCodePage(CodePage);
    if (!Converter)
        return std::string();
    if (Text.empty())
        return std::string();

    // A single-byte code page never yields more code units than bytes, but a
    // multi-byte one reached through the aliases may need a second try.
    std::vector<UChar> Units(Text.size() + 1);
    UErrorCode Status = U_ZERO_ERROR;
    int32_t Length =
        ucnv_toUChars(Converter.get(), Units.data(), static_cast<int32_t>(Units.size()),
                      Text.data(), static_cast<int32_t>(Text.size()), &Status);
    if (Status == U_BUFFER_OVERFLOW_ERROR) {
        Units.resize(static_cast<size_t>(Length) + 1);
        Status = U_ZERO_ERROR;
        ucnv_resetToUnicode(Converter.get());
        Length = ucnv_toUChars(Converter.get(), Units.data(), static_cast<int32_t>(Units.size()),
                               Text.data(), static_cast<int32_t>(Text.size()), &Status);
    }
    if (U_FAILURE(Status))
        return std::string();

    // UTF-8 is the program's code page, so every code unit up to 255 has its
    // own character there; anything above is spelled as a reference.
    std::string Result;
    Result.reserve(static_cast<size_t>(Length) * 2);
    for (int32_t I = 0; I < Length; ++I) {
        const unsigned Unit = Units[static_cast<size_t>(I)];
        if (Unit > 255) {
            Result += "&#";
            Result += std::to_string(Unit);
            Result += ';';
        } else {
            AppendUtf8(Result, Unit);
        }
    }
    return Result;
}

std::string ExpandAppMacros(const std::string& Text) {
    const std::string WithVersion = ReplaceAll(Text, "<VER>", AppVersion);
    return ReplaceAll(WithVersion, "<APP_IMG>", "res://" + AppExeName);
}
