// Reading one content file through the program's own loaders: what they
// take from it (as JSON for "inspect"), whether they accept it, and the
// problems "verify" reports.
#pragma once

#include "data/TextUtils.h"

#include <QJsonObject>

#include <string>

enum class TContentKind {
    Unknown,
    Collection,
    Document,
    Categories,
    Glossary,
    AudioIndex,
    Module,
    Bookmarks
};

// From the file name: *.dbh, *.dbi, HIndex.dbx, Gloss.dbx, QRemoteAud.dbx,
// *.dll, TxBookmarks.dbx and *.cbk.
TContentKind KindOfFile(const std::string& FileName);
// "collection", "document", "categories", "glossary", "audio", "module", "bookmarks".
TContentKind KindNamed(const std::string& Word);
const char* KindName(TContentKind Kind);

struct TInspection {
    bool Valid = true;       // the loaders accept the file
    std::string Reason;      // why not
    TStringList Problems;    // further faults (counts, values the program cannot use)
    QJsonObject Json;        // what the loaders read
    std::string Fingerprint; // of the whole file
    // Collected for the checks across files.
    std::string Name;    // collection name or document name
    int Count = 0;       // hadiths, terms, verses, index entries, entry lines
    TStringList Values;  // collection categories and codes as the record operations give them
    TStringList Links;   // HREF targets in texts, bodies and meanings
    TStringList Anchors; // NAME values of a document body
    TStringList Paths;   // category paths (upper case) of the tree
};

// Loads the file as the program would (fresh verification state, quiet
// shell). Never raises for a bad file.
TInspection InspectFile(const std::string& FileName, TContentKind Kind);

// The HREF or NAME attribute values of an HTML text, in order.
TStringList AttributeValues(const std::string& Html, const std::string& Attribute);
