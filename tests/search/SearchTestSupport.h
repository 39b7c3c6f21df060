// Shared pieces of the search tests: fixture collections and the built
// program folder.
#pragma once

#include "data/LineCipher.h"
#include "hadith/CollectionWriter.h"
#include "hadith/HadithHelper.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// A PLAIN collection whose hadith N has Texts[N-1] as its text.
inline TCollectionSource TextCollection(const std::vector<std::string>& Texts,
                                        const std::string& Name = "Test Coll") {
    TCollectionSource S;
    S.ID = "Test_Group";
    S.Name = Name;
    S.Font = "FACE=\"Verdana\" SIZE=\"2\"";
    for (const std::string& Text : Texts)
        S.Records.push_back({"Narrated by the chain", Text});
    return S;
}

inline std::unique_ptr<THadithHelper> LoadCollection(const TTempDir& Dir,
                                                     const TCollectionSource& Source) {
    InitLineCipher();
    const std::string File = Dir.File(Source.Name + ".dbh");
    if (!WriteCollectionFile(File, Source))
        return nullptr;
    return std::make_unique<THadithHelper>(File);
}

// The folder of the built content, with a trailing "/": TARVIX_DIST_DIR,
// else "dist" beside the tests folder; empty when it holds no collection.
inline std::string BuiltContentDir() {
    std::string Dir;
    if (const char* Value = std::getenv("TARVIX_DIST_DIR"))
        Dir = std::string(Value) + "/";
    else {
        std::error_code Error;
        const auto Exe = std::filesystem::read_symlink("/proc/self/exe", Error);
        if (!Error)
            Dir = (Exe.parent_path().parent_path() / "dist").string() + "/";
    }
    if (Dir.empty() || !std::filesystem::exists(Dir + "DorAnv_English.dbh"))
        return std::string();
    return Dir;
}
