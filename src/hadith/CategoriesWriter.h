// Builds the categories file (HIndex.dbx): a header line and one entry line
// per category, each enciphered with its file line number.
#pragma once

#include "data/TextUtils.h"

#include <string>
#include <vector>

struct TCategoryEntrySource {
    int Level = 0; // written as that many leading tabs
    std::string Caption;
    std::string Anchor; // optional anchor text, written as " <A:" + Anchor
};

// The plain entry line of one category. ETxError when it would not read back
// the same (line breaks, leading blanks or tabs, " <A:" inside the caption).
std::string CategoryEntryLine(const TCategoryEntrySource& Entry);

// The whole file from plain entry lines (the header line is added).
std::string CategoriesFileTextFromLines(const TStringList& EntryLines);
std::string CategoriesFileText(const std::vector<TCategoryEntrySource>& Entries);
// Writes the file; false when it cannot be written. The fingerprint the
// categories module must expect is then TextFingerprint of the file text.
bool WriteCategoriesFile(const std::string& FileName,
                         const std::vector<TCategoryEntrySource>& Entries);
