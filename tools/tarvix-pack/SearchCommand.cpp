// "search": prints the hadith numbers that the search window lists for a
// text, one per line, searching one collection file or a collection of a
// program folder.
#include "PackCommand.h"
#include "app/ContentLoader.h"
#include "data/LineCipher.h"
#include "data/TextUtils.h"
#include "data/TxError.h"
#include "hadith/CollectionManager.h"
#include "hadith/HadithHelper.h"
#include "search/HadithSearch.h"

#include <filesystem>
#include <iostream>
#include <memory>

namespace {

const char* const SearchUsage =
    "search COLLECTION TEXT [--dir DIR] [--case-sensitive] [--whole-word]  "
    "(COLLECTION: a .dbh file, or with --dir a collection name or view key of that folder)";

int RunSearch(const TArgs& Given) {
    TArgs Args = Given;
    const bool CaseSensitive = TakeFlag(Args, "--case-sensitive");
    const bool WholeWord = TakeFlag(Args, "--whole-word");
    const std::string Dir = TakeOption(Args, "--dir", "\x01");
    if (Args.size() != 2)
        throw EUsage{"expected COLLECTION and TEXT"};
    const std::string& Wanted = Args[0];
    const TSearchOptions Options{Args[1], CaseSensitive, WholeWord};

    // Kept alive while the search runs: the scripture modules and the file.
    TLoadReport Report;
    std::unique_ptr<THadithHelper> OwnFile;
    const THadithHelper* Collection = nullptr;
    if (Dir != "\x01") {
        std::error_code Error;
        if (!std::filesystem::is_directory(Dir, Error))
            throw ETxError("\"" + Dir + "\" is not a folder");
        LoadProgramFolder(Dir, Report);
        for (const std::string& Problem : Report.Problems)
            std::cerr << "tarvix-pack search: " << Problem << '\n';
        Collection = HadithCollManager.FindCollection(Wanted);
        if (!Collection)
            throw ETxError("no collection \"" + Wanted + "\" in the program folder");
    } else {
        if (!FileExists(Wanted))
            throw ETxError("\"" + Wanted + "\" is not a file");
        InitLineCipher();
        OwnFile = std::make_unique<THadithHelper>(Wanted);
        if (!OwnFile->IsValid())
            throw ETxError("\"" + Wanted + "\" is not a valid collection file");
        Collection = OwnFile.get();
    }
    // The search window offers only these.
    if (!Collection->IsPlainText())
        throw ETxError("\"" + Collection->CollectionName() +
                       "\" is not stored as plain text and cannot be searched");

    for (const int N : RunHadithSearch(*Collection, true, [&] { return Options; }))
        std::cout << N << '\n';
    return 0;
}

TPackCommandRegistrar Register("search", SearchUsage, RunSearch);

} // namespace
