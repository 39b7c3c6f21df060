// Reading the content sources (content/README.md is their contract) into the
// plain values the core's file writers take. Every reader fails with an
// ETxError naming the file and the field at the first thing it cannot use.
#pragma once

#include "data/TextUtils.h"
#include "hadith/CollectionWriter.h"
#include "scripture/GlossaryHelper.h"
#include "scripture/MainDocWriter.h"

#include <string>
#include <vector>

struct TCollectionBuild {
    std::string FileName; // output file name, from "file"
    bool Extra = false;   // "install": "extra"
    TCollectionSource Source;
};

struct TDocumentBuild {
    std::string FileName;
    TMainDocContent Content;
};

// Where: how messages name the file (e.g. "collections/X.json").
// MonajatDatabase, when not empty, replaces the database path of a monajat
// source.
TCollectionBuild ReadCollectionSource(const std::string& FileName, const std::string& Where,
                                      const std::string& MonajatDatabase);
// The header file and the HTML body beside it.
TDocumentBuild ReadDocumentSource(const std::string& FileName, const std::string& Where);
std::vector<TGlossaryTerm> ReadGlossarySource(const std::string& FileName,
                                              const std::string& Where);
// The plain entry lines of the category tree, comments dropped.
TStringList ReadCategorySource(const std::string& FileName, const std::string& Where);

// The verse texts of one scripture module from the quran-json package:
// Chapters[c-1][v-1]. English: the translation of quran_en.json, otherwise
// the Arabic text of quran.json. Checked against the chapter table.
std::vector<TStringList> ReadScriptureSource(const std::string& PackageDir, bool English);

// Text conversions of the collection formats.
std::string HtmlEscape(const std::string& Text);
// Every character above U+007F as "&#N;". ETxError for text that is not UTF-8.
std::string NcrText(const std::string& Utf8, const std::string& Where);
// UTF-8 to Windows code page CodePage; ETxError for a character it lacks.
std::string CodePageText(const std::string& Utf8, int CodePage, const std::string& Where);
