// The line cipher shared by every content file: each line is enciphered on
// its own with a key built from the line's index.
#pragma once

#include <string>

// The cipher component. One shared, non-reentrant instance: every call re-keys it.
class TOrvEncDec;

// Remembers the cipher and builds the key template. Called once before any
// content file is read; the line routines call it themselves if it was not.
void InitLineCipher();
const std::string& KeyTemplate();
// The scrambled form of the key template: 123 decimal digits.
const std::string& ScrambledKeyTemplate();

std::string DecodeLine(const std::string& Text, int LineIndex); // ETxError on bad Base64
std::string EncodeLine(const std::string& Text, int LineIndex);
std::string MirrorChars(const std::string& Text);
std::string DecodeTriplets(const std::string& Digits); // EConvertError on a non-number group

// The text form of an enciphered line. Encoding pads with '=' and never
// breaks lines. Decoding ignores the skipped characters (blank, tab, CR, LF
// and $()[]{},;:-_\*"'), completes the text with '=' to whole groups and
// drops one byte per '='; any other character raises ETxError.
std::string Base64Encode(const std::string& Bytes);
std::string Base64Decode(const std::string& Text);
