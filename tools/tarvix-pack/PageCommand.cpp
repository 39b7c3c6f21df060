// "page": prints a page exactly as the main window loads it, built from the
// content of a program folder with the default settings.
#include "PackCommand.h"
#include "PackNumbers.h"
#include "app/ContentLoader.h"
#include "app/PageBuilder.h"
#include "app/Prefs.h"
#include "data/TextUtils.h"
#include "data/TxError.h"
#include "hadith/CollectionManager.h"
#include "scripture/MainDocManager.h"

#include <filesystem>
#include <iostream>

namespace {

const char* const PageUsage =
    "page DIR (--welcome | --document NAME | --category PATH | --hadith N) "
    "[--collection NAME] [--scheme K] [--audio]";

const char* const DefaultPageCollection = "Dorrel and Anvesh (English)";

// The collection given by name or view key, else the built-in English one,
// else the first registered.
void ChooseActiveView(const std::string& Wanted) {
    THadithHelper* Chosen = nullptr;
    if (!Wanted.empty()) {
        Chosen = HadithCollManager.FindCollection(Wanted);
        if (!Chosen)
            throw ETxError("no collection \"" + Wanted + "\" in the program folder");
    } else {
        Chosen = HadithCollManager.FindCollection(DefaultPageCollection);
        if (!Chosen && HadithCollManager.CollectionCount() > 0)
            Chosen = HadithCollManager.CollectionAt(0);
        if (!Chosen)
            throw ETxError("the program folder holds no valid collection");
    }
    HadithCollManager.SetActiveView(Chosen->CollectionName());
}

// By document name ("MDOC_..."), else by file name ("Introduction.dbi").
int FindDocument(const std::string& Name) {
    const int Index = MainDocManager.IndexOfDocument(Name);
    if (Index >= 0)
        return Index;
    for (int I = 0; I < MainDocManager.DocumentCount(); ++I) {
        const std::string& File = MainDocManager.DocumentAt(I).FileName();
        if (SameTextTrim(File.substr(File.find_last_of('/') + 1), Name))
            return I;
    }
    return -1;
}

int RunPage(const TArgs& Given) {
    TArgs Args = Given;
    const bool Welcome = TakeFlag(Args, "--welcome");
    const bool Audio = TakeFlag(Args, "--audio");
    const std::string Document = TakeOption(Args, "--document", "\x01");
    const std::string Category = TakeOption(Args, "--category", "\x01");
    const std::string Hadith = TakeOption(Args, "--hadith", "\x01");
    const std::string Collection = TakeOption(Args, "--collection");
    const std::string Scheme = TakeOption(Args, "--scheme", "0");
    // "\x01" marks an option not given: an empty category path is a real
    // request (every hadith).
    const bool HasDocument = Document != "\x01";
    const bool HasCategory = Category != "\x01";
    const bool HasHadith = Hadith != "\x01";
    if (Welcome + HasDocument + HasCategory + HasHadith != 1)
        throw EUsage{"give exactly one of --welcome, --document, --category, --hadith"};
    if (Args.size() != 1)
        throw EUsage{"expected one program folder DIR"};
    const int SchemeNumber = NumberArgument(Scheme, "--scheme", 0);
    if (SchemeNumber > 255)
        throw EUsage{"--scheme must be a number from 0 to 255"};
    const int HadithNumber = HasHadith ? NumberArgument(Hadith, "--hadith", 1) : 0;

    SetDefaultPrefs(AppPrefs);
    AppPrefs.ColorWordHL = static_cast<uint8_t>(SchemeNumber);
    AppPrefs.EnableRemoteAudio = Audio;

    std::error_code Error;
    if (!std::filesystem::is_directory(Args[0], Error))
        throw ETxError("\"" + Args[0] + "\" is not a folder");
    // The picture addresses hold the program folder: give them the absolute
    // path the program itself would have.
    const std::string Folder = std::filesystem::absolute(Args[0], Error).string();
    TLoadReport Report;
    LoadProgramFolder(Folder.empty() ? Args[0] : Folder, Report);
    for (const std::string& Problem : Report.Problems)
        std::cerr << "tarvix-pack page: " << Problem << '\n';

    std::string Page;
    if (Welcome) {
        Page = BuildWelcomePage();
    } else if (HasDocument) {
        const int Index = FindDocument(Document);
        if (Index < 0)
            throw ETxError("no main document \"" + Document + "\" in the program folder");
        Page = BuildMainDocPage(Index);
    } else {
        ChooseActiveView(Collection);
        Page = HasCategory ? BuildCategoryPage(Category) : BuildHadithPage(HadithNumber);
    }
    std::cout << Page;
    return 0;
}

TPackCommandRegistrar Register("page", PageUsage, RunPage);

} // namespace
