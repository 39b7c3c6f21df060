// Small HTML routines of the pages and the colours of the colour schemes,
// shared by the page builder, the glossary window and the search report.
#pragma once

#include <cstdint>
#include <string>

// A colour as its red, green and blue parts.
struct TColour {
    uint8_t R = 0;
    uint8_t G = 0;
    uint8_t B = 0;

    bool operator==(const TColour& Other) const {
        return R == Other.R && G == Other.G && B == Other.B;
    }
    bool operator!=(const TColour& Other) const { return !(*this == Other); }
};

// The page colour of every page, "#EBEBE0".
inline constexpr TColour PageBackground{235, 235, 224};

// "#RRGGBB" with upper-case hexadecimal digits.
std::string ColorToHtml(const TColour& Colour);
// "<FONT FACE="Face" SIZE="Size" COLOR="Colour">"; Colour is an HTML colour text.
std::string MakeFontTag(const std::string& Face, const std::string& Size,
                        const std::string& Colour);
// "<A HREF="Href"", a TARGET attribute only when Target is not empty, then
// ">" + Text + "</A>".
std::string MakeAnchor(const std::string& Text, const std::string& Href,
                       const std::string& Target = std::string());

// Link and highlight colour of a scheme: 0 Green, 1 Gold, 2 Aqua, 3 Blue,
// 4 Purple, 5 Silver; any other number is taken as Gold.
TColour SchemeColour(int Scheme);
// Name of the scheme's header picture ("HDR_GREEN" ...), Gold's for any other.
std::string SchemeHeaderPicture(int Scheme);
