// Builds main document files (*.dbi) from plain values, enciphered line by
// line as the loader reads them, with the body's fingerprint in the header.
#pragma once

#include "data/TextUtils.h"

#include <string>

struct TMainDocContent {
    std::string DocName; // "MDOC_" + a word
    std::string Title;
    std::string Description;
    std::string SortPriority = "100"; // text as stored; not checked
    bool PLFlag = false;
    bool WordHighlight = false;
    std::string FontAttributes; // inside "<FONT " ... ">"
    TStringList BodyLines;      // HTML, one line each
};

// The eight plain header lines for a body with the given fingerprint.
TStringList MainDocPlainHeader(const TMainDocContent& Content, const std::string& Fingerprint);
// The stored body: line k enciphered with index k, each ended by CR LF.
std::string MainDocBodyText(const TStringList& BodyLines);
// The whole file. The header holds the fingerprint of the stored body.
// ETxError when a value cannot be stored so that it reads back the same
// (a line break in any value, a header value holding its closing literal).
std::string MainDocFileText(const TMainDocContent& Content);
// Writes MainDocFileText to FileName (replacing it whole); false when the
// file cannot be written.
bool WriteMainDocFile(const std::string& FileName, const TMainDocContent& Content);
