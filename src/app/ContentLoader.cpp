// Loading a program folder's content with every missing or bad file skipped.
#include "app/ContentLoader.h"

#include "app/AppGlobals.h"
#include "data/Fingerprint.h"
#include "data/LineCipher.h"
#include "data/TxError.h"
#include "data/Verification.h"
#include "hadith/CategoryHelper.h"
#include "hadith/CollectionManager.h"
#include "hadith/HadithHelper.h"
#include "scripture/MainDoc.h"
#include "scripture/MainDocManager.h"
#include "scripture/ResourceFile.h"
#include "scripture/TransManager.h"

#include <algorithm>
#include <exception>

const TScriptureModuleInfo ArabicScriptureInfo{
    "CvModule1.dll",
    "Arabic",
    "Qur'anic Arabic Script.",
    "None (This is the Original Script)",
    "<FONT FACE=\"Traditional Arabic\" SIZE=\"5\">",
    true,
};

const TScriptureModuleInfo EnglishScriptureInfo{
    "CvModule2.dll",
    "English (Saheeh International)",
    "The English translation by Saheeh International, first published in Saudi Arabia in 1997.",
    "Saheeh International (Umm Muhammad)",
    "<FONT FACE=\"Verdana\" SIZE=\"2\">",
    false,
};

const char* const BuiltInDocumentNames[3] = {"Introduction.dbi", "HadithScience.dbi",
                                             "Distribution.dbi"};
const char* const BuiltInCollectionNames[3] = {"DorAnv_Arabic.dbh", "DorAnv_English.dbh",
                                               "Fenwir_English.dbh"};

TLoadReport::~TLoadReport() {
    const auto Registered = [](const std::unique_ptr<TQuranDLLHelper>& Module) {
        return Module && TransManager.IsRegistered(Module.get());
    };
    // The registry must not keep pointers to modules freed here.
    if (Registered(ArabicScripture) || Registered(EnglishScripture))
        TransManager.Reset();
}

namespace {

// A file that two steps reject (a built-in one found again by the folder
// scan) is noted once.
void Note(TLoadReport& Report, const std::string& Text) {
    if (std::find(Report.Problems.begin(), Report.Problems.end(), Text) == Report.Problems.end())
        Report.Problems.push_back(Text);
}

std::unique_ptr<TQuranDLLHelper> CreateModule(const TScriptureModuleInfo& Info,
                                              TLoadReport& Report) {
    const std::string File = AppPath + Info.FileName;
    if (!FileExists(File)) {
        Note(Report, std::string(Info.FileName) + ": missing, scripture module skipped");
        return nullptr;
    }
    // Checked here so that a damaged module is skipped: the module itself
    // would end the program when it reads the text later.
    std::string Text;
    if (!ReadResource(File, "QDATA", Text)) {
        Note(Report, std::string(Info.FileName) + ": not a scripture module file (no readable "
                                                  "QDATA resource), skipped");
        return nullptr;
    }
    // The folder is taken as it is: its module is checked against the
    // fingerprint it has now, which still catches a change during the run.
    auto Module =
        std::make_unique<TQuranDLLHelper>(File, FileFingerprint(File, 0), Info.RightToLeft);
    Module->SetLanguage(Info.LanguageName, Info.Description);
    Module->SetTranslator(Info.Translator);
    Module->SetFontTag(Info.FontTag);
    return Module;
}

// A built-in collection, registered when its file is there and valid.
THadithHelper* AddBuiltInCollection(const std::string& Name, TLoadReport& Report) {
    const std::string File = AppPath + Name;
    if (!FileExists(File)) {
        Note(Report, Name + ": missing, collection skipped");
        return nullptr;
    }
    std::unique_ptr<THadithHelper> Collection;
    try {
        Collection = std::make_unique<THadithHelper>(File);
    } catch (const std::exception&) {
        Collection.reset();
    }
    if (!Collection || !Collection->IsValid()) {
        Note(Report, Name + ": not a valid collection file, skipped");
        return nullptr;
    }
    return HadithCollManager.AddCollection(std::move(Collection));
}

} // namespace

void LoadBuiltInDocuments(TLoadReport& Report) {
    for (const char* Name : BuiltInDocumentNames) {
        const std::string File = AppPath + Name;
        if (!FileExists(File)) {
            Note(Report, std::string(Name) + ": missing, document skipped");
            continue;
        }
        std::unique_ptr<TMainDoc> Doc;
        try {
            Doc = std::make_unique<TMainDoc>(File);
        } catch (const ETxError&) {
            Doc.reset();
        }
        if (!Doc || !Doc->IsValid()) {
            Note(Report, std::string(Name) + ": not a valid main document, skipped");
            continue;
        }
        MainDocManager.AddDocument(std::move(Doc));
    }
}

void CreateScriptureModules(TLoadReport& Report) {
    Report.ArabicScripture = CreateModule(ArabicScriptureInfo, Report);
    Report.EnglishScripture = CreateModule(EnglishScriptureInfo, Report);
    if (Report.ArabicScripture)
        TransManager.RegisterModule(Report.ArabicScripture.get());
    if (Report.EnglishScripture)
        TransManager.RegisterModule(Report.EnglishScripture.get());
    if (Report.ArabicScripture)
        TransManager.SetArabicModule(Report.ArabicScripture.get());
    if (Report.EnglishScripture)
        TransManager.SetEnglishModule(Report.EnglishScripture.get());
}

void LoadBuiltInCollections(TLoadReport& Report) {
    if (THadithHelper* Arabic = AddBuiltInCollection(BuiltInCollectionNames[0], Report))
        HadithCollManager.SetArabicModule(Arabic);
    if (THadithHelper* English = AddBuiltInCollection(BuiltInCollectionNames[1], Report))
        HadithCollManager.SetEnglishModule(English);
    // The third one is loaded with the others; here it is only looked for.
    if (!FileExists(AppPath + BuiltInCollectionNames[2]))
        Note(Report, std::string(BuiltInCollectionNames[2]) + ": missing");
}

void LoadFurtherDocuments(TLoadReport& Report) {
    const size_t Before = MainDocManager.BadDocuments().size();
    MainDocManager.LoadDocuments();
    const TStringList& Bad = MainDocManager.BadDocuments();
    for (size_t I = Before; I < Bad.size(); ++I)
        Note(Report, Bad[I] + ": not a valid main document, skipped");
}

void LoadFurtherCollections(TLoadReport& Report) {
    const size_t Before = HadithCollManager.BadCollections().size();
    HadithCollManager.LoadCollections();
    const TStringList& Bad = HadithCollManager.BadCollections();
    for (size_t I = Before; I < Bad.size(); ++I)
        Note(Report, Bad[I] + ": not a valid collection file, skipped");
}

void LoadCategoryTree(TLoadReport& Report) {
    const std::string File = HadithCatHelper.FileName();
    if (!FileExists(File)) {
        Note(Report, "HIndex.dbx: missing, categories skipped");
        return;
    }
    try {
        HadithCatHelper.LoadCategories();
    } catch (const ETxError& E) {
        Note(Report, std::string("HIndex.dbx: ") + E.what() + ", categories skipped");
    }
}

void LoadScriptureTexts(TLoadReport& Report) {
    for (TQuranDLLHelper* Module : {Report.ArabicScripture.get(), Report.EnglishScripture.get()})
        if (Module)
            Module->LoadText();
}

bool LoadProgramFolder(const std::string& Dir, TLoadReport& Report) {
    SetAppPath(Dir);
    InitLineCipher();
    const size_t Before = Report.Problems.size();
    // Creation steps of the main window, then the loading of its first showing.
    LoadBuiltInDocuments(Report);
    CreateScriptureModules(Report);
    LoadBuiltInCollections(Report);
    LoadFurtherDocuments(Report);
    LoadFurtherCollections(Report);
    LoadCategoryTree(Report);
    LoadScriptureTexts(Report);
    if (VerificationHasFailed)
        Note(Report, "a content module failed its check; later content was not loaded");
    return Report.Problems.size() == Before;
}
