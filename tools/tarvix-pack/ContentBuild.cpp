// Building every content file of the program folder from the sources.
#include "ContentBuild.h"

#include "ContentSources.h"
#include "data/TxError.h"
#include "hadith/CategoriesWriter.h"
#include "hadith/CategoryHelper.h"
#include "hadith/CollectionWriter.h"
#include "scripture/AudioIndexWriter.h"
#include "scripture/ChapterTable.h"
#include "scripture/GlossaryWriter.h"
#include "scripture/MainDocWriter.h"
#include "scripture/ResourceFile.h"
#include "scripture/ScriptureWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Source files of one kind, sorted by name so the build order never depends
// on the folder listing.
std::vector<std::string> SourceFiles(const std::string& Dir, const std::string& Extension) {
    std::vector<std::string> Names;
    std::error_code Error;
    for (fs::directory_iterator It(Dir, Error), End; !Error && It != End; It.increment(Error))
        if (It->is_regular_file() && It->path().extension() == Extension)
            Names.push_back(It->path().filename().string());
    if (Error)
        throw ETxError("cannot list \"" + Dir + "\": " + Error.message());
    std::sort(Names.begin(), Names.end());
    return Names;
}

std::string CountText(size_t Count, const char* What) {
    return std::to_string(Count) + " " + What;
}

// Category paths of the tree, upper-cased as the reader compares them.
std::set<std::string> CategoryPaths(const TStringList& Entries) {
    std::set<std::string> Paths;
    std::vector<std::string> Stack;
    for (const std::string& Line : Entries) {
        const TCategoryLine Entry = THadithCatHelper::ParseCategoryLine(Line);
        Stack.resize(static_cast<size_t>(Entry.Level));
        Stack.push_back(Entry.Caption);
        std::string Path;
        for (const std::string& Caption : Stack)
            Path += (Path.empty() ? "" : ">") + Caption;
        Paths.insert(UpperCaseAscii(Path));
    }
    return Paths;
}

} // namespace

const TEnglishModuleNames& EnglishModuleNames() {
    static const TEnglishModuleNames Names{
        "English (Saheeh International)",
        "The English translation by Saheeh International, first published in Saudi Arabia in "
        "1997.",
        "Saheeh International (Umm Muhammad)",
    };
    return Names;
}

const std::vector<TExpectedValue> ExpectedFingerprints = {
    {"HIndexFingerprint", "HIndex.dbx"},          {"GlossFingerprint", "Gloss.dbx"},
    {"ArabicScriptureFingerprint", "CvModule1.dll"}, {"EnglishScriptureFingerprint", "CvModule2.dll"},
    {"RemoteAudioFingerprint", "QRemoteAud.dbx"},
};

const TBuiltFile* TContentBuild::Find(const std::string& Path) const {
    for (const TBuiltFile& File : Files)
        if (File.Path == Path)
            return &File;
    return nullptr;
}

TContentBuild BuildContent(const TBuildOptions& Options) {
    const std::string Sources = Options.SourcesDir;
    const std::string Package =
        Options.PackageDir.empty() ? Sources + "/npm/node_modules/quran-json" : Options.PackageDir;
    TContentBuild Build;
    std::set<std::string> Paths;
    const auto Add = [&](const std::string& Path, std::string Bytes, const std::string& Summary) {
        if (!Paths.insert(Path).second)
            throw ETxError("two sources make \"" + Path + "\"");
        TBuiltFile File;
        File.Path = Path;
        File.Fingerprint = TextFingerprint(Bytes);
        File.Bytes = std::move(Bytes);
        File.Summary = Summary;
        Build.Files.push_back(std::move(File));
    };

    // The category tree first: collections are checked against it.
    const TStringList Categories =
        ReadCategorySource(Sources + "/categories/HIndex.txt", "categories/HIndex.txt");
    const std::set<std::string> CategoryPathSet = CategoryPaths(Categories);
    Add("HIndex.dbx", CategoriesFileTextFromLines(Categories),
        CountText(Categories.size(), "categories"));

    std::set<std::string> InstalledNames;
    for (const std::string& Name : SourceFiles(Sources + "/collections", ".json")) {
        const std::string Where = "collections/" + Name;
        TCollectionBuild Collection =
            ReadCollectionSource(Sources + "/" + Where, Where, Options.MonajatDatabase);
        for (const auto& [N, Path] : Collection.Source.Categories)
            if (!CategoryPathSet.count(UpperCaseAscii(Path)))
                throw ETxError(Where + ": hadiths[" + std::to_string(N - 1) + "].category: \"" +
                               Path + "\" is not a path of categories/HIndex.txt");
        if (!Collection.Extra &&
            !InstalledNames.insert(UpperCaseAscii(TrimText(Collection.Source.Name))).second)
            throw ETxError(Where + ": name: \"" + Collection.Source.Name +
                           "\" is already the name of another built-in collection");
        std::string Bytes;
        try {
            Bytes = CollectionFileText(Collection.Source);
        } catch (const ETxError& E) {
            throw ETxError(Where + ": " + E.what());
        }
        Add((Collection.Extra ? "extra/" : "") + Collection.FileName, std::move(Bytes),
            CountText(Collection.Source.Records.size(), "hadiths"));
    }

    std::set<std::string> DocNames;
    for (const std::string& Name : SourceFiles(Sources + "/documents", ".json")) {
        const std::string Where = "documents/" + Name;
        TDocumentBuild Document = ReadDocumentSource(Sources + "/" + Where, Where);
        if (!DocNames.insert(UpperCaseAscii(Document.Content.DocName)).second)
            throw ETxError(Where + ": name: \"" + Document.Content.DocName +
                           "\" is already the name of another document");
        std::string Bytes;
        try {
            Bytes = MainDocFileText(Document.Content);
        } catch (const ETxError& E) {
            throw ETxError(Where + ": " + E.what());
        }
        Add(Document.FileName, std::move(Bytes),
            CountText(Document.Content.BodyLines.size(), "body lines"));
    }

    const std::vector<TGlossaryTerm> Terms =
        ReadGlossarySource(Sources + "/glossary/Gloss.json", "glossary/Gloss.json");
    try {
        Add("Gloss.dbx", GlossaryFileText(Terms), CountText(Terms.size(), "terms"));
    } catch (const ETxError& E) {
        throw ETxError(std::string("glossary/Gloss.json: ") + E.what());
    }

    // The module names are ours; the package names its translator. A new
    // package version with another translation must not keep the old names.
    std::string Readme;
    const std::string Credit = "The English translation is authored by";
    if (!LoadFileText(Package + "/README.md", Readme))
        throw ETxError("quran-json/README.md: cannot read the file");
    const size_t CreditAt = Readme.find(Credit);
    const std::string CreditLine =
        CreditAt == std::string::npos
            ? std::string()
            : Readme.substr(CreditAt, Readme.find('\n', CreditAt) - CreditAt);
    if (CreditLine.find("Saheeh International") == std::string::npos)
        throw ETxError("quran-json/README.md: the English translation is no longer credited to "
                       "Saheeh International; update the English module's names");

    for (const bool English : {false, true}) {
        const std::string File = English ? "CvModule2.dll" : "CvModule1.dll";
        std::string Text;
        std::string Bytes;
        if (!BuildScriptureText(ReadScriptureSource(Package, English), Text) ||
            !BuildResourceFile({{"QDATA", Text}}, Bytes))
            throw ETxError(File + ": the scripture text does not fit the module layout");
        Add(File, std::move(Bytes),
            CountText(TextToLines(Text).size(), "lines") + ", " +
                CountText(TotalVerseCount, "verses"));
    }

    std::string AudioIndex;
    const TStringList VerseFiles = DefaultAudioVerseFiles();
    if (!BuildAudioIndex(VerseFiles, AudioIndex))
        throw ETxError("QRemoteAud.dbx: cannot build the recitation index");
    Add("QRemoteAud.dbx", std::move(AudioIndex),
        CountText(AudioIndexHeader().size() + VerseFiles.size(), "lines"));
    return Build;
}

bool WriteFileBytes(const std::string& FileName, const std::string& Bytes) {
    const std::string Temp = FileName + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream Out(Temp, std::ios::binary | std::ios::trunc);
        Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
        Out.close();
        if (!Out) {
            std::remove(Temp.c_str());
            return false;
        }
    }
    std::error_code Error;
    fs::rename(Temp, FileName, Error);
    if (Error)
        std::remove(Temp.c_str());
    return !Error;
}

bool WriteFileIfChanged(const std::string& FileName, const std::string& Bytes) {
    // An unchanged file keeps its time, so nothing that depends on it
    // (the program including the generated header) is rebuilt.
    std::ifstream In(FileName, std::ios::binary);
    if (In) {
        std::string Old((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
        if (Old == Bytes)
            return true;
    }
    return WriteFileBytes(FileName, Bytes);
}

void WriteContent(const TContentBuild& Build, const std::string& OutDir) {
    for (const TBuiltFile& File : Build.Files) {
        const fs::path Target = fs::path(OutDir) / File.Path;
        std::error_code Error;
        fs::create_directories(Target.parent_path(), Error);
        if (Error || !WriteFileIfChanged(Target.string(), File.Bytes))
            throw ETxError("cannot write \"" + Target.string() + "\"");
    }
}

namespace {

std::string CString(const std::string& Text) {
    std::string Out = "\"";
    for (char C : Text) {
        if (C == '"' || C == '\\')
            Out += '\\';
        Out += C;
    }
    return Out + "\"";
}

} // namespace

std::string FingerprintsHeaderText(const TContentBuild& Build) {
    std::string Out = "// Generated by tarvix-pack build from content/; do not edit.\n"
                      "// The fingerprints the program expects of the content files that carry\n"
                      "// none of their own, and the names of the English scripture module.\n"
                      "#pragma once\n\n";
    for (const TExpectedValue& Value : ExpectedFingerprints) {
        const TBuiltFile* File = Build.Find(Value.File);
        if (!File)
            throw ETxError(std::string("no ") + Value.File + " was built");
        Out += "inline constexpr const char* " + std::string(Value.Name) + " = " +
               CString(File->Fingerprint) + "; // " + Value.File + "\n";
    }
    const TEnglishModuleNames& Names = EnglishModuleNames();
    Out += "\ninline constexpr const char* EnglishModuleLanguageName = " +
           CString(Names.LanguageName) + ";\n";
    Out += "inline constexpr const char* EnglishModuleDescription = " + CString(Names.Description) +
           ";\n";
    Out += "inline constexpr const char* EnglishModuleTranslator = " + CString(Names.Translator) +
           ";\n";
    return Out;
}
