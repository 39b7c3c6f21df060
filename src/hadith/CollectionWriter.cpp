// Writing hadith collection files.
#include "hadith/CollectionWriter.h"

#include "data/Fingerprint.h"
#include "data/LineCipher.h"
#include "data/TxError.h"

#include <zlib.h>

namespace {

const size_t HeaderLineCount = 8;

void Refuse(const std::string& What) {
    throw ETxError("Cannot store " + What + " in a collection");
}

bool HasLineBreak(const std::string& Text) {
    return Text.find_first_of("\r\n") != std::string::npos;
}

// Reads a header value back as the loader does and refuses it when it would
// come back different.
void CheckReadsBack(const std::string& Line, const std::string& Open, const std::string& Close,
                    const std::string& Value, const std::string& What) {
    if (HasLineBreak(Value) || TextBetween(Line, Open, Close) != Value)
        Refuse("the " + What + " \"" + Value + "\"");
}

std::string TableLine(const TMetaTableSource& Table, const std::string& What) {
    std::string Line;
    for (size_t i = 0; i < Table.size(); ++i) {
        const std::string& Value = Table[i].second;
        if (HasLineBreak(Value) || Value.find('|') != std::string::npos)
            Refuse("the " + What + " value \"" + Value + "\"");
        if (i > 0)
            Line += "|";
        Line += std::to_string(Table[i].first) + "=" + Value;
    }
    return Line;
}

std::string Flag(bool Value) {
    return Value ? "TRUE" : "FALSE";
}

} // namespace

std::string TextFingerprint(const std::string& Bytes) {
    uLong Crc = crc32(0L, Z_NULL, 0);
    size_t Done = 0;
    while (Done < Bytes.size()) {
        uInt Chunk = static_cast<uInt>(std::min<size_t>(Bytes.size() - Done, 1u << 30));
        Crc = crc32(Crc, reinterpret_cast<const Bytef*>(Bytes.data() + Done), Chunk);
        Done += Chunk;
    }
    uint32_t R = static_cast<uint32_t>(Crc);
    uint32_t L = static_cast<uint32_t>(Bytes.size());
    return ToRadix(32, R) + "-" + ReverseText(ToRadix(22, L)) + "=" + ReverseText(ToRadix(18, R)) +
           "-" + ReverseText(ToRadix(14, L));
}

TStringList CollectionPlainLines(const TCollectionSource& Source) {
    TStringList Lines;
    Lines.push_back("<<CRCSL3:>>+");
    std::string H = std::to_string(Source.Records.size());
    Lines.push_back("<<ID:" + Source.ID + ">>|<<N:" + Source.Name + ">>|<<HCOUNT:" + H + ">>+");
    CheckReadsBack(Lines[1], "<<ID:", ">>", Source.ID, "group key");
    CheckReadsBack(Lines[1], "|<<N:", ">>|<<HCOUNT:", Source.Name, "collection name");
    CheckReadsBack(Lines[1], "|<<HCOUNT:", ">>+", H, "hadith count");

    std::string WordHL = Flag(Source.WordHighlight);
    Lines.push_back("<<TF:" + Source.TextFormat + ">>|<<WORDHL:" + WordHL +
                    ">>|<<FONT:" + Source.Font + ">>+");
    CheckReadsBack(Lines[2], "<<TF:", ">>", Source.TextFormat, "text format");
    CheckReadsBack(Lines[2], "|<<WORDHL:", ">>|<<FONT:", WordHL, "word highlight flag");
    CheckReadsBack(Lines[2], "|<<FONT:", ">>+", Source.Font, "font");

    Lines.push_back("<<TR:" + Source.Translator + ">>|<<D:" + Source.Description + ">>+");
    CheckReadsBack(Lines[3], "<<TR:", ">>", Source.Translator, "translator");
    CheckReadsBack(Lines[3], "|<<D:", ">>+", Source.Description, "description");

    if (Source.Align.find('|') != std::string::npos || TrimText(Source.Align) != Source.Align)
        Refuse("the alignment \"" + Source.Align + "\"");
    std::string Field1 = "BDORTL:" + Flag(Source.RightToLeftText) +
                         "|BDORTL_INFO:" + Flag(Source.RightToLeftInfo) + "|ALIGN:" + Source.Align;
    Lines.push_back("<<Field1:" + Field1 + ">>");
    CheckReadsBack(Lines[4], "<<Field1:", ">>", Field1, "alignment");

    // Reserved lines: free content, enciphered and counted like the others.
    for (size_t i = 5; i < HeaderLineCount; ++i)
        Lines.push_back("<<RESERVED:" + std::to_string(i) + ">>");

    for (size_t i = 0; i < Source.Records.size(); ++i) {
        const THadithRecordSource& Record = Source.Records[i];
        for (const std::string* Part : {&Record.Chain, &Record.Text})
            if (HasLineBreak(*Part) || Part->find("<ISN>") != std::string::npos ||
                Part->find("</ISN>") != std::string::npos)
                Refuse("the record of hadith " + std::to_string(i + 1));
        std::string Line = std::to_string(i + 1) + "=";
        if (!Record.Chain.empty())
            Line += "<ISN>" + Record.Chain + "</ISN>";
        Lines.push_back(Line + Record.Text);
    }
    Lines.push_back("<[METADATA:CAT]>");
    Lines.push_back(TableLine(Source.Categories, "category"));
    Lines.push_back("<[METADATA:CLASS]>");
    Lines.push_back(TableLine(Source.Classes, "classification"));
    Lines.push_back("<[METADATA:INFO]>");
    Lines.push_back(TableLine(Source.Information, "information"));
    return Lines;
}

std::string EncipherCollectionLines(const TStringList& PlainLines) {
    if (PlainLines.size() < HeaderLineCount)
        throw ETxError("A collection needs its eight header lines");
    std::string Body;
    for (size_t i = HeaderLineCount; i < PlainLines.size(); ++i)
        Body += EncodeLine(PlainLines[i], static_cast<int>(i - HeaderLineCount)) + "\r\n";
    std::string Header = EncodeLine("<<CRCSL3:" + TextFingerprint(Body) + ">>+", 0) + "\r\n";
    for (size_t i = 1; i < HeaderLineCount; ++i)
        Header += EncodeLine(PlainLines[i], static_cast<int>(i)) + "\r\n";
    return Header + Body;
}

std::string CollectionFileText(const TCollectionSource& Source) {
    return EncipherCollectionLines(CollectionPlainLines(Source));
}

bool WriteCollectionFile(const std::string& FileName, const TCollectionSource& Source) {
    return SaveTextToFileAtomic(CollectionFileText(Source), FileName);
}
