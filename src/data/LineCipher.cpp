// The line cipher: per-line keying from the key template, Blowfish in the
// content files' own chaining mode, and the Base64 text form of a line.
#include "data/LineCipher.h"

#include "data/OrvEncDec.h"
#include "data/TextUtils.h"
#include "data/TxError.h"

#include <cstdint>
#include <cstring>

namespace {

// Provisioning data of the content files: files open only with the template
// they were made with, so this value must never change. A plain array, so it
// is ready before any static initialiser of another file calls the cipher.
constexpr char ScrambledTemplate[] =
    "174219234161185216236244188198226233172213187250175215231245177200249235189203193167"
    "197230254180205237223178211252232169206";

constexpr int32_t KeyMultiplier = 786;

std::string& KeyTemplateStore() {
    static std::string Template;
    return Template;
}

bool& LineCipherReady() {
    static bool Ready = false;
    return Ready;
}

TOrvEncDec& EncDec() {
    static TOrvEncDec Cipher;
    return Cipher;
}

// The standard printf-like formatting of the template with one integer.
// The template holds exactly one "%d"; a "%%" would stand for a '%'.
std::string FormatKey(const std::string& Pattern, int32_t N) {
    std::string Result;
    Result.reserve(Pattern.size() + 12);
    for (size_t i = 0; i < Pattern.size(); ++i) {
        if (Pattern[i] == '%' && i + 1 < Pattern.size()) {
            if (Pattern[i + 1] == 'd') {
                Result += std::to_string(N);
                ++i;
                continue;
            }
            if (Pattern[i + 1] == '%') {
                Result += '%';
                ++i;
                continue;
            }
        }
        Result += Pattern[i];
    }
    return Result;
}

// Signed 32-bit product with wrap-around, as the data files were made.
int32_t KeyNumber(int LineIndex) {
    const uint32_t Product =
        static_cast<uint32_t>(LineIndex) * static_cast<uint32_t>(KeyMultiplier);
    int32_t N;
    std::memcpy(&N, &Product, sizeof N);
    return N;
}

void KeyForLine(int LineIndex) {
    InitLineCipher();
    EncDec().InitKey(FormatKey(KeyTemplateStore(), KeyNumber(LineIndex)));
}

const char Base64Chars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Value of a Base64 character; -1 for a skipped character, -2 for '=' and
// -3 for anything else.
int Base64Value(unsigned char C) {
    if (C >= 'A' && C <= 'Z')
        return C - 'A';
    if (C >= 'a' && C <= 'z')
        return C - 'a' + 26;
    if (C >= '0' && C <= '9')
        return C - '0' + 52;
    switch (C) {
    case '+':
        return 62;
    case '/':
        return 63;
    case '=':
        return -2;
    case ' ':
    case '$':
    case '(':
    case ')':
    case '[':
    case ']':
    case '{':
    case '}':
    case ',':
    case ';':
    case ':':
    case '-':
    case '_':
    case '\\':
    case '*':
    case '"':
    case '\'':
    case '\t':
    case '\n':
    case '\r':
        return -1;
    default:
        return -3;
    }
}

} // namespace

std::string Base64Encode(const std::string& Bytes) {
    std::string Result;
    Result.reserve((Bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= Bytes.size(); i += 3) {
        const uint32_t V = (uint32_t(uint8_t(Bytes[i])) << 16) |
                           (uint32_t(uint8_t(Bytes[i + 1])) << 8) | uint8_t(Bytes[i + 2]);
        Result += Base64Chars[(V >> 18) & 63];
        Result += Base64Chars[(V >> 12) & 63];
        Result += Base64Chars[(V >> 6) & 63];
        Result += Base64Chars[V & 63];
    }
    const size_t Rest = Bytes.size() - i;
    if (Rest > 0) {
        uint32_t V = uint32_t(uint8_t(Bytes[i])) << 16;
        if (Rest == 2)
            V |= uint32_t(uint8_t(Bytes[i + 1])) << 8;
        Result += Base64Chars[(V >> 18) & 63];
        Result += Base64Chars[(V >> 12) & 63];
        Result += Rest == 2 ? Base64Chars[(V >> 6) & 63] : '=';
        Result += '=';
    }
    return Result;
}

std::string Base64Decode(const std::string& Text) {
    // Skipped characters go; the rest is completed with '=' to whole groups.
    std::string Clean;
    Clean.reserve(Text.size() + 3);
    for (unsigned char C : Text) {
        const int V = Base64Value(C);
        if (V == -3)
            throw ETxError("Base64 decoding error: invalid character");
        if (V != -1)
            Clean += static_cast<char>(C);
    }
    while (Clean.size() % 4 != 0)
        Clean += '=';

    // Every '=' counts as a zero digit and shortens the output by one byte,
    // wherever it stands; a text of pads alone gives nothing.
    std::string Result;
    Result.reserve(Clean.size() / 4 * 3);
    size_t Pads = 0;
    for (size_t i = 0; i < Clean.size(); i += 4) {
        uint32_t V = 0;
        for (size_t k = 0; k < 4; ++k) {
            const int D = Base64Value(static_cast<unsigned char>(Clean[i + k]));
            if (D == -2) {
                ++Pads;
                V <<= 6;
            } else {
                V = (V << 6) | static_cast<uint32_t>(D);
            }
        }
        Result += static_cast<char>((V >> 16) & 0xFF);
        Result += static_cast<char>((V >> 8) & 0xFF);
        Result += static_cast<char>(V & 0xFF);
    }
    Result.resize(Pads >= Result.size() ? 0 : Result.size() - Pads);
    return Result;
}

// ---- the line routines ------------------------------------------------------

void InitLineCipher() {
    if (LineCipherReady())
        return;
    KeyTemplateStore() = MirrorChars(ReverseText(DecodeTriplets(ScrambledKeyTemplate())));
    LineCipherReady() = true;
}

const std::string& KeyTemplate() {
    InitLineCipher();
    return KeyTemplateStore();
}

const std::string& ScrambledKeyTemplate() {
    static const std::string Digits = ScrambledTemplate;
    return Digits;
}

std::string DecodeLine(const std::string& Text, int LineIndex) {
    if (Text.empty())
        return std::string();
    KeyForLine(LineIndex);
    std::string Bytes = Base64Decode(Text);
    EncDec().Decode(reinterpret_cast<uint8_t*>(Bytes.data()), Bytes.size());
    return MirrorChars(Bytes);
}

std::string EncodeLine(const std::string& Text, int LineIndex) {
    if (Text.empty())
        return std::string();
    KeyForLine(LineIndex);
    std::string Bytes = MirrorChars(Text);
    EncDec().Encode(reinterpret_cast<uint8_t*>(Bytes.data()), Bytes.size());
    return Base64Encode(Bytes);
}

std::string MirrorChars(const std::string& Text) {
    std::string Result = Text;
    for (char& C : Result) {
        const unsigned char Code = static_cast<unsigned char>(C);
        if (Code >= 32)
            C = static_cast<char>(287 - Code);
    }
    return Result;
}

std::string DecodeTriplets(const std::string& Digits) {
    std::string Result;
    if (Digits.size() < 3 || Digits.size() % 3 != 0)
        return Result;
    Result.reserve(Digits.size() / 3);
    for (size_t i = 0; i < Digits.size(); i += 3) {
        const std::string Group = Digits.substr(i, 3);
        const int Code = StrToInt(Group);
        Result += static_cast<char>(static_cast<unsigned char>(Code & 0xFF));
    }
    return Result;
}
