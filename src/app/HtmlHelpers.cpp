// Small HTML routines and the colour scheme table.
#include "app/HtmlHelpers.h"

#include <array>

namespace {

struct TSchemeRow {
    TColour Colour;
    const char* HeaderPicture;
};

constexpr std::array<TSchemeRow, 6> Schemes{{
    {{0x00, 0x64, 0x00}, "HDR_GREEN"},
    {{0x79, 0x79, 0x00}, "HDR_GOLD"},
    {{0x2B, 0x77, 0x7D}, "HDR_AQUA"},
    {{0x4E, 0x74, 0x9A}, "HDR_BLUE"},
    {{0x7E, 0x30, 0x81}, "HDR_PURPLE"},
    {{0x80, 0x80, 0x80}, "HDR_SILVER"},
}};

constexpr int GoldScheme = 1;

const TSchemeRow& SchemeRow(int Scheme) {
    if (Scheme < 0 || Scheme >= static_cast<int>(Schemes.size()))
        Scheme = GoldScheme;
    return Schemes[static_cast<size_t>(Scheme)];
}

void AppendHex(std::string& Text, uint8_t Value) {
    static const char Digits[] = "0123456789ABCDEF";
    Text += Digits[Value >> 4];
    Text += Digits[Value & 0x0F];
}

} // namespace

std::string ColorToHtml(const TColour& Colour) {
    std::string Text = "#";
    AppendHex(Text, Colour.R);
    AppendHex(Text, Colour.G);
    AppendHex(Text, Colour.B);
    return Text;
}

std::string MakeFontTag(const std::string& Face, const std::string& Size,
                        const std::string& Colour) {
    return "<FONT FACE=\"" + Face + "\" SIZE=\"" + Size + "\" COLOR=\"" + Colour + "\">";
}

std::string MakeAnchor(const std::string& Text, const std::string& Href,
                       const std::string& Target) {
    std::string Anchor = "<A HREF=\"" + Href + "\"";
    if (!Target.empty())
        Anchor += " TARGET=\"" + Target + "\"";
    return Anchor + ">" + Text + "</A>";
}

TColour SchemeColour(int Scheme) {
    return SchemeRow(Scheme).Colour;
}

std::string SchemeHeaderPicture(int Scheme) {
    return SchemeRow(Scheme).HeaderPicture;
}
