// Loading the content of a program folder for tools that build pages from
// it: the same steps, in the same order, as the main window's start-up, but
// a missing or damaged file is skipped and noted instead of ending the run.
#pragma once

#include "data/TextUtils.h"
#include "scripture/QuranDLLHelper.h"

#include <memory>
#include <string>

// Settings of the two built-in scripture modules.
struct TScriptureModuleInfo {
    const char* FileName;
    const char* LanguageName;
    const char* Description;
    const char* Translator;
    const char* FontTag;
    bool RightToLeft;
};

extern const TScriptureModuleInfo ArabicScriptureInfo;
extern const TScriptureModuleInfo EnglishScriptureInfo;

// The built-in files, in the order the start-up reads them.
extern const char* const BuiltInDocumentNames[3];
extern const char* const BuiltInCollectionNames[3]; // Arabic, English, then one only tested

// What a load skipped, and the scripture modules it created. The modules
// are registered with TransManager, which only refers to them: keep the
// report as long as pages are built. Destroying a report that holds modules
// empties TransManager.
struct TLoadReport {
    TLoadReport() = default;
    TLoadReport(const TLoadReport&) = delete;
    TLoadReport& operator=(const TLoadReport&) = delete;
    ~TLoadReport();

    // One line per file that was missing, damaged or rejected.
    TStringList Problems;
    std::unique_ptr<TQuranDLLHelper> ArabicScripture;
    std::unique_ptr<TQuranDLLHelper> EnglishScripture;
};

// Reads a program folder into the global registries: sets AppPath,
// initialises the line cipher, then main documents, scripture modules,
// built-in and further collections, categories and the scripture texts.
// Registries are filled as they are (callers start from reset ones).
// Returns true when nothing was skipped.
bool LoadProgramFolder(const std::string& Dir, TLoadReport& Report);

// The steps of LoadProgramFolder, for callers that need only some of them.
// Each reads from AppPath and notes what it skips in Report.
void LoadBuiltInDocuments(TLoadReport& Report);
void CreateScriptureModules(TLoadReport& Report);
void LoadBuiltInCollections(TLoadReport& Report);
void LoadFurtherDocuments(TLoadReport& Report);
void LoadFurtherCollections(TLoadReport& Report);
void LoadCategoryTree(TLoadReport& Report);
void LoadScriptureTexts(TLoadReport& Report);
