// Strict reading of JSON source files: every field is asked for by name and
// type, and a field nobody asked for is an error, so that a mistyped field
// name fails the build instead of being ignored. Messages name the file and
// the field path ("collections/X.json: hadiths[3].chain: expected a string").
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <map>
#include <set>
#include <string>
#include <vector>

// Parses a whole JSON file; ETxError naming the file (and the line) when it
// cannot be read or is not JSON.
QJsonValue ReadJsonFile(const std::string& FileName, const std::string& Where);

class TJsonFields {
public:
    // File and Path (empty for the top level) name this object in messages.
    TJsonFields(const QJsonValue& Value, std::string File, std::string Path = std::string());

    bool Has(const char* Key) const;
    std::string String(const char* Key);
    std::string OptString(const char* Key, const std::string& Default = std::string());
    bool Bool(const char* Key);
    bool OptBool(const char* Key, bool Default);
    int Integer(const char* Key);
    std::vector<std::string> StringList(const char* Key);
    std::vector<std::string> OptStringList(const char* Key);
    // The value of one of the given words.
    std::string Choice(const char* Key, const std::vector<std::string>& Allowed);
    // A nested object or list, read further by the caller.
    TJsonFields Object(const char* Key);
    QJsonArray Array(const char* Key);
    // A JSON object whose keys are free and whose values are strings.
    std::map<std::string, std::string> StringMap(const char* Key);
    // Marks a field as known without reading it here.
    void Skip(const char* Key);

    // Fails for every field that was not read.
    void Finish() const;
    // Path of a field or list item below this object, and the message
    // prefix naming it ("file: path").
    std::string PathOf(const char* Key) const;
    std::string PathOf(const char* Key, int Index) const;
    std::string WhereOf(const std::string& Path) const;
    std::string Where() const { return WhereOf(FPath); }
    const std::string& File() const { return FFile; }
    const QJsonObject& Raw() const { return FObject; }

    [[noreturn]] void Fail(const char* Key, const std::string& Message) const;

private:
    QJsonValue Need(const char* Key);

    QJsonObject FObject;
    std::string FFile;
    std::string FPath;
    std::set<std::string> FRead;
};

// A list item or a value that must be a string, an object...
std::string JsonString(const QJsonValue& Value, const std::string& Where);
std::string Utf8Of(const QString& Text);
