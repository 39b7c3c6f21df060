// Writing main document files.
#include "scripture/MainDocWriter.h"

#include "data/Fingerprint.h"
#include "data/LineCipher.h"
#include "data/TxError.h"
#include "scripture/MainDoc.h"

#include <zlib.h>

#include <initializer_list>

namespace {

const char* const CrLf = "\r\n";

// The fingerprint the loader computes over the file after its header,
// taken here over the bytes before they are written.
std::string BytesFingerprint(const std::string& Bytes) {
    uLong Crc = crc32(0L, Z_NULL, 0);
    Crc = crc32(Crc, reinterpret_cast<const Bytef*>(Bytes.data()), static_cast<uInt>(Bytes.size()));
    const uint32_t R = static_cast<uint32_t>(Crc);
    const uint32_t L = static_cast<uint32_t>(Bytes.size());
    return ToRadix(32, R) + "-" + ReverseText(ToRadix(22, L)) + "=" + ReverseText(ToRadix(18, R)) +
           "-" + ReverseText(ToRadix(14, L));
}

bool HasLineBreak(const std::string& Text) {
    return Text.find_first_of("\r\n") != std::string::npos;
}

void CheckValue(const std::string& Name, const std::string& Value,
                std::initializer_list<const char*> Forbidden) {
    bool Bad = HasLineBreak(Value);
    for (const char* Literal : Forbidden)
        Bad = Bad || ContainsText(Literal, Value);
    if (Bad)
        throw ETxError("The main document value " + Name + " cannot be stored: \"" + Value + "\"");
}

std::string Flag(bool Value) {
    return Value ? "TRUE" : "FALSE";
}

} // namespace

TStringList MainDocPlainHeader(const TMainDocContent& Content, const std::string& Fingerprint) {
    TStringList Header;
    Header.push_back("<<CRCSL3:" + Fingerprint + ">>+");
    Header.push_back("<<N:" + Content.DocName + ">>|<<T:" + Content.Title + ">>+");
    Header.push_back("<<SORT_PRIORITY:" + Content.SortPriority + ">>|<<PL:" + Flag(Content.PLFlag) +
                     ">>|<<WORDHL:" + Flag(Content.WordHighlight) +
                     ">>|<<FONT:" + Content.FontAttributes + ">>+");
    Header.push_back("<<D:" + Content.Description + ">>");
    while (Header.size() < static_cast<size_t>(MainDocHeaderLineCount))
        Header.push_back(std::string()); // lines 4-7 are not read
    return Header;
}

std::string MainDocBodyText(const TStringList& BodyLines) {
    std::string Text;
    for (size_t k = 0; k < BodyLines.size(); ++k)
        Text += EncodeLine(BodyLines[k], static_cast<int>(k)) + CrLf;
    return Text;
}

std::string MainDocFileText(const TMainDocContent& Content) {
    // Each header value must not hold the literal that closes it, nor any
    // literal that closes an earlier field of its line.
    CheckValue("DocName", Content.DocName, {">>", "|<<T:"});
    CheckValue("Title", Content.Title, {">>+"});
    CheckValue("SortPriority", Content.SortPriority, {"<<", ">>"});
    CheckValue("FontAttributes", Content.FontAttributes, {">>+"});
    CheckValue("Description", Content.Description, {">>"});
    for (const std::string& Line : Content.BodyLines)
        CheckValue("body line", Line, {});

    const std::string Body = MainDocBodyText(Content.BodyLines);
    const TStringList Header = MainDocPlainHeader(Content, BytesFingerprint(Body));
    std::string Text;
    for (size_t i = 0; i < Header.size(); ++i)
        Text += EncodeLine(Header[i], static_cast<int>(i)) + CrLf;
    return Text + Body;
}

bool WriteMainDocFile(const std::string& FileName, const TMainDocContent& Content) {
    return SaveTextToFileAtomic(MainDocFileText(Content), FileName);
}
