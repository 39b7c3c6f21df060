// Building every content file of the program folder from the sources, in
// memory first: the same sources always give the same bytes.
#pragma once

#include <string>
#include <vector>

struct TBuildOptions {
    std::string SourcesDir = "content";
    std::string PackageDir;      // quran-json; empty: SourcesDir + "/npm/node_modules/quran-json"
    std::string MonajatDatabase; // replaces the database of monajat sources when set
};

struct TBuiltFile {
    std::string Path; // relative to the output folder ("extra/X.dbh" for extras)
    std::string Bytes;
    std::string Fingerprint; // of the whole file (Skip 0)
    std::string Summary;     // what it holds, for the build's report
};

struct TEnglishModuleNames {
    std::string LanguageName;
    std::string Description;
    std::string Translator;
};

// The names of the translation that quran-json's quran_en.json carries.
const TEnglishModuleNames& EnglishModuleNames();

struct TContentBuild {
    std::vector<TBuiltFile> Files; // in a fixed order
    const TBuiltFile* Find(const std::string& Path) const;
};

// ETxError naming the source file and field at the first problem.
TContentBuild BuildContent(const TBuildOptions& Options);
// Writes Bytes as the whole file, exactly (no line-end conversion), through
// a temporary file and a rename; false on failure.
bool WriteFileBytes(const std::string& FileName, const std::string& Bytes);
// As WriteFileBytes, but leaves a file that already holds Bytes untouched.
bool WriteFileIfChanged(const std::string& FileName, const std::string& Bytes);
// Writes every file below OutDir (creating folders); ETxError on a write error.
void WriteContent(const TContentBuild& Build, const std::string& OutDir);

// The header of the values the program must expect of the files it cannot
// check by themselves (no fingerprint of their own).
struct TExpectedValue {
    const char* Name; // C++ name in the header
    const char* File; // built file it comes from
};
extern const std::vector<TExpectedValue> ExpectedFingerprints;
std::string FingerprintsHeaderText(const TContentBuild& Build);
