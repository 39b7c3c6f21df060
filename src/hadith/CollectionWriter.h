// Builds hadith collection files (*.dbh) from plain values, enciphered line
// by line as THadithHelper reads them, with the fingerprint of everything
// after the header in the header's first line.
#pragma once

#include "data/TextUtils.h"

#include <string>
#include <utility>
#include <vector>

struct THadithRecordSource {
    std::string Chain; // narrator chain; empty: the record has none
    std::string Text;  // HTML fragment, in the collection's text format
};

// (hadith number, value) entries of one per-hadith table, in file order.
using TMetaTableSource = std::vector<std::pair<int, std::string>>;

struct TCollectionSource {
    std::string ID;                   // group key
    std::string Name;                 // collection name
    std::string TextFormat = "PLAIN"; // "PLAIN", "NCR" or e.g. "CODEPAGE[1256]"
    bool WordHighlight = false;
    std::string Font; // attributes inside "<FONT " ... ">"
    std::string Translator;
    std::string Description;
    bool RightToLeftText = false;
    bool RightToLeftInfo = false;
    std::string Align = "LEFT";
    std::vector<THadithRecordSource> Records; // hadiths 1 to H in order
    TMetaTableSource Categories;
    TMetaTableSource Classes;
    TMetaTableSource Information;
};

// The fingerprint text of a byte string (as a file of exactly these bytes).
std::string TextFingerprint(const std::string& Bytes);

// The plain lines of the file: eight header lines (line 0 without its
// fingerprint yet), the records, the three markers and tables. ETxError when
// a value cannot be stored so that it reads back the same (line breaks,
// header values holding their closing literals, "|" in table values,
// "<ISN>" or "</ISN>" inside a chain or text).
TStringList CollectionPlainLines(const TCollectionSource& Source);

// Enciphers plain lines laid out as above (header lines with indexes 0-7,
// every later line with its index counted from 0 after the header), puts the
// fingerprint of the stored body into line 0 and joins all with CR LF.
// Fewer than eight lines: ETxError.
std::string EncipherCollectionLines(const TStringList& PlainLines);

// The whole file text, and the file itself (replaced whole; false when it
// cannot be written).
std::string CollectionFileText(const TCollectionSource& Source);
bool WriteCollectionFile(const std::string& FileName, const TCollectionSource& Source);
