// Text formats of collections and the code-page conversion to numeric
// character references.
#pragma once

#include <cstdint>
#include <string>

enum : uint8_t { tfNone = 0, tfPlain = 1, tfCodePage = 2, tfNCR = 3 };

uint8_t TextFormatOf(const std::string& Word);
// Bytes in the given Windows code page to UTF-8, with every UTF-16 code unit
// above 255 written as "&#n;". Empty for an unknown code page.
std::string CodePageToNcr(const std::string& Text, int CodePage);
std::string ExpandAppMacros(const std::string& Text);
