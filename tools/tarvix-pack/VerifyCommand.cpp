// "verify": checks every content file of a program folder through the
// program's loaders, and the links and values that join them; optionally
// the fingerprints against a generated header of expected values.
#include "ContentBuild.h"
#include "ContentReadout.h"
#include "PackCommand.h"
#include "data/Fingerprint.h"
#include "data/TextUtils.h"
#include "data/TxError.h"
#include "hadith/Classification.h"
#include "hadith/HadithHelper.h"
#include "scripture/ChapterTable.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

const char* const RequiredFiles[] = {
    "Introduction.dbi", "HadithScience.dbi", "Distribution.dbi",   "CvModule1.dll",
    "CvModule2.dll",    "DorAnv_Arabic.dbh", "DorAnv_English.dbh", "Fenwir_English.dbh",
    "HIndex.dbx",       "Gloss.dbx",         "QRemoteAud.dbx",
};

const char* const FeatureCommands[] = {"FEAT_SEARCH",     "FEAT_BOOKMARKS", "FEAT_GLOSSARY",
                                       "FEAT_WORD_SPELL", "FEAT_COLLS_MAN", "FEAT_ASSISTANT",
                                       "FEAT_REMOTE_AUD", "FEAT_PREFS",     "FEAT_TIPS"};

std::vector<std::string> FilesWithExtension(const std::string& Dir, const std::string& Extension) {
    std::vector<std::string> Names;
    std::error_code Error;
    for (fs::directory_iterator It(Dir, Error), End; !Error && It != End; It.increment(Error)) {
        std::string Ext = It->path().extension().string();
        if (It->is_regular_file() && UpperCaseAscii(Ext) == UpperCaseAscii(Extension))
            Names.push_back(It->path().filename().string());
    }
    std::sort(Names.begin(), Names.end());
    return Names;
}

// NAME = "VALUE" pairs of a generated fingerprints header.
std::map<std::string, std::string> ReadExpectedValues(const std::string& FileName) {
    std::string Text;
    if (!LoadFileText(FileName, Text))
        throw ETxError("cannot read \"" + FileName + "\"");
    std::map<std::string, std::string> Values;
    for (const std::string& Line : TextToLines(Text)) {
        const std::string Prefix = "inline constexpr const char* ";
        if (Line.compare(0, Prefix.size(), Prefix) != 0)
            continue;
        const std::string Name = TrimText(TextBetween(Line, Prefix, "="));
        const size_t Open = Line.find('"');
        const size_t Close = Open == std::string::npos ? Open : Line.find('"', Open + 1);
        if (Close != std::string::npos)
            Values[Name] = Line.substr(Open + 1, Close - Open - 1);
    }
    return Values;
}

bool IsClassificationCodeExactly(const std::string& Code) {
    for (const TClassificationRow& Row : ClassificationTable)
        if (Code == Row.Code)
            return true;
    return false;
}

class TVerifier {
public:
    explicit TVerifier(std::string Dir) : FDir(std::move(Dir)) {}

    void Problem(const std::string& File, const std::string& Text) {
        std::cout << File << ": " << Text << '\n';
        ++FProblems;
    }
    int Problems() const { return FProblems; }

    const TInspection& Check(const std::string& Relative, TContentKind Kind) {
        TInspection& R = FFiles[Relative];
        R = InspectFile(FDir + "/" + Relative, Kind);
        if (!R.Valid)
            Problem(Relative, "rejected: " + R.Reason);
        for (const std::string& Text : R.Problems)
            Problem(Relative, Text);
        return R;
    }

    void Run(const std::string& ExpectFile) {
        for (const char* Name : RequiredFiles)
            if (!FileExists(FDir + "/" + Name))
                Problem(Name, "missing");
        const TInspection& Tree = Check("HIndex.dbx", TContentKind::Categories);
        const std::set<std::string> Paths(Tree.Paths.begin(), Tree.Paths.end());
        Check("Gloss.dbx", TContentKind::Glossary);
        for (const char* Module : {"CvModule1.dll", "CvModule2.dll"}) {
            const TInspection& R = Check(Module, TContentKind::Module);
            if (R.Valid && R.Count != TotalVerseCount)
                Problem(Module, std::to_string(R.Count) + " readable verses, expected " +
                                    std::to_string(TotalVerseCount));
        }
        Check("QRemoteAud.dbx", TContentKind::AudioIndex);

        std::map<std::string, const TInspection*> Documents; // by upper-case name
        for (const std::string& Name : FilesWithExtension(FDir, ".dbi")) {
            const TInspection& R = Check(Name, TContentKind::Document);
            if (!Documents.emplace(UpperCaseAscii(R.Name), &R).second)
                Problem(Name, "document name " + R.Name + " is used twice");
        }
        std::map<std::string, int> Collections; // upper-case name -> hadith count
        std::vector<std::string> CollectionFiles = FilesWithExtension(FDir, ".dbh");
        for (const std::string& Name : FilesWithExtension(FDir + "/extra", ".dbh"))
            CollectionFiles.push_back("extra/" + Name);
        std::set<std::string> UsedGroups;
        for (const std::string& Name : CollectionFiles) {
            const TInspection& R = Check(Name, TContentKind::Collection);
            Collections[UpperCaseAscii(R.Name)] = R.Count;
            if (R.Valid && R.Count == 0)
                Problem(Name, "no hadiths");
            for (const std::string& Value : R.Values) {
                const std::string What = NameOf(Value);
                const std::string Text = ValueOf(Value);
                if (What == "category" && !Paths.count(UpperCaseAscii(TrimText(Text))))
                    Problem(Name, "category \"" + Text + "\" is not in HIndex.dbx");
                if (What == "classification" && Text != "Unclassified")
                    for (const std::string& Code : SplitText(Text, ",")) {
                        if (!IsClassificationCodeExactly(Code))
                            Problem(Name, "\"" + Code + "\" is not a classification code");
                        else
                            UsedGroups.insert(Code.substr(0, 2));
                    }
            }
        }

        // Classification links scroll to the one HCLASS_ anchor of their group.
        auto Science = Documents.find("MDOC_HADITH_SCIENCE");
        if (Science == Documents.end()) {
            Problem("HadithScience.dbi", "no document named MDOC_HADITH_SCIENCE");
        } else {
            for (const char* Group : {"RA", "LI", "NR", "NT", "RR"}) {
                const std::string Key = std::string("HCLASS_") + Group;
                const auto Count = std::count_if(
                    Science->second->Anchors.begin(), Science->second->Anchors.end(),
                    [&](const std::string& A) { return A.find(Key) != std::string::npos; });
                if (Count != 1)
                    Problem("MDOC_HADITH_SCIENCE", "needs exactly one anchor holding " + Key +
                                                       ", has " + std::to_string(Count));
            }
        }

        for (const auto& [File, R] : FFiles)
            for (const std::string& Link : R.Links)
                CheckLink(File, Link, Documents, Collections);

        if (!ExpectFile.empty()) {
            const auto Expected = ReadExpectedValues(ExpectFile);
            for (const TExpectedValue& Value : ExpectedFingerprints) {
                auto It = Expected.find(Value.Name);
                const std::string Actual = FileFingerprint(FDir + "/" + Value.File, 0);
                if (It == Expected.end())
                    Problem(ExpectFile, std::string("holds no ") + Value.Name);
                else if (It->second != Actual)
                    Problem(Value.File, "fingerprint " + Actual + ", the program expects " +
                                            It->second + " (" + Value.Name + ")");
            }
        }
    }

private:
    // A link the reader cannot follow does nothing when clicked: report it.
    void CheckLink(const std::string& File, const std::string& Link,
                   const std::map<std::string, const TInspection*>& Documents,
                   const std::map<std::string, int>& Collections) {
        const std::string L = UpperCaseAscii(Link);
        if (L.find("MDOC_") != std::string::npos) {
            if (!Documents.count(L))
                Problem(File, "link to unknown document " + Link);
        } else if (L.compare(0, 6, "HCOLL_") == 0) {
            auto It = Collections.find(UpperCaseAscii(LinkKeyCollection(Link)));
            const int N = LinkKeyNumber(Link);
            if (It == Collections.end() || N < 1 || N > It->second)
                Problem(File, "link to unknown hadith " + Link);
        } else if (L.compare(0, 5, "FEAT_") == 0) {
            if (std::none_of(std::begin(FeatureCommands), std::end(FeatureCommands),
                             [&](const char* F) { return L == F; }))
                Problem(File, "link to unknown command " + Link);
        }
    }

    std::string FDir;
    std::map<std::string, TInspection> FFiles;
    int FProblems = 0;
};

int RunVerify(const TArgs& Given) {
    TArgs Args = Given;
    const std::string Expect = TakeOption(Args, "--expect");
    if (Args.size() != 1)
        throw EUsage{"expected one DIR"};
    std::string Dir = Args[0];
    while (Dir.size() > 1 && Dir.back() == '/')
        Dir.pop_back();
    if (!fs::is_directory(Dir))
        throw ETxError("\"" + Dir + "\" is not a folder");
    TVerifier Verifier(Dir);
    Verifier.Run(Expect);
    if (Verifier.Problems() == 0) {
        std::cout << "verify: " << Dir << ": all content files are sound\n";
        return 0;
    }
    std::cout << "verify: " << Verifier.Problems() << " problem(s)\n";
    return 1;
}

TPackCommandRegistrar Register("verify", "verify DIR [--expect BuiltInFingerprints.h]", RunVerify);

} // namespace
