// The registry of the hadith collections the reader can show: the collection
// files of the program folder, their groups (equal group keys), the Active
// View and the built-in Arabic and English collections, the damaged files, the
// lists and trees through which the user picks a collection, and installing a
// collection file into the program folder.
#pragma once

#include "controls/TreeAccess.h"
#include "data/TextUtils.h"
#include "data/Verification.h"
#include "hadith/HadithHelper.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// "CollectionID::CollectionName": names one collection in settings and lists.
std::string ViewKey(const THadithHelper& Collection);
// The collection name of a view key, or the whole text when it holds no "::".
std::string ViewKeyName(const std::string& KeyOrName);

class THadithCollManager : public TVerifiableObject {
public:
    THadithCollManager() = default;
    THadithCollManager(const THadithCollManager&) = delete;
    THadithCollManager& operator=(const THadithCollManager&) = delete;

    // Verifies every registered collection in order, pausing 200 ms after
    // each; always true (a collection reports its own result on the status line).
    bool Verify() override;
    std::string GetModuleName() override { return "Hadith Collection Modules"; }

    // Registry.
    bool HasCollection(const THadithHelper* Collection) const;
    // Registers Collection unless one of the same name is already there (no
    // validity test: callers test IsValid). The registry keeps what it
    // registered; a refused collection is freed and nullptr returned.
    THadithHelper* AddCollection(std::unique_ptr<THadithHelper> Collection);
    void LoadCollections();
    // Raise ETxError "Arabic/English Hadith Module not Registered" (index -1)
    // unless Collection is that very registered object.
    void SetArabicModule(const THadithHelper* Collection);
    void SetEnglishModule(const THadithHelper* Collection);
    // Exact, case-sensitive name match; raises ETxError "Hadith Collection
    // Module not Registered" (ActiveIndex -1) when none matches.
    void SetActiveView(const std::string& KeyOrName);
    // nullptr after a failed Set...
    THadithHelper* ActiveView() const;
    THadithHelper* EnglishModule() const;
    THadithHelper* ArabicModule() const;
    // Names compared with SameTextTrim; -1 when none.
    int IndexOfCollection(const std::string& Name) const;
    // As IndexOfCollection, after stripping a "CollectionID::" prefix.
    THadithHelper* FindCollection(const std::string& KeyOrName) const;
    // ETxError "List index out of bounds (n)" for an index outside the registry.
    THadithHelper* CollectionAt(int Index) const;
    int CollectionCount() const { return static_cast<int>(FCollections.size()); }

    int ArabicIndex() const { return FArabicIndex; }
    int EnglishIndex() const { return FEnglishIndex; }
    int ActiveIndex() const { return FActiveIndex; }

    // Groups: keys in order of first appearance, matched ignoring case.
    bool GroupExists(const std::string& Key) const;
    int GroupCount() const { return static_cast<int>(FGroups.size()); }
    // ETxError "List index out of bounds (n)" for an index outside the groups.
    std::string GroupAt(int Index) const;
    int GroupMemberCount(const std::string& Key) const;
    // nullptr when Key is not a group or Index lies outside it.
    THadithHelper* GroupMember(const std::string& Key, int Index) const;
    void AddToGroup(THadithHelper* Collection);

    // Lists for the user interface, group by group.
    void ListViewKeys(TStringList& Strings) const;
    void ListPlainViewKeys(TStringList& Strings) const;
    // Group nodes carry -1 as data, collection nodes 1.
    void FillCollectionTree(TTreeAccess& TreeView, bool WithGroups) const;

    // Installation.
    bool ProbeCollection(const std::string& FileName);
    void InstallCollection(const std::string& FileName);

    // Bare file names of the collection files that failed to load.
    const TStringList& BadCollections() const { return FBadCollections; }
    // Notes of collections left out because a font they need is missing.
    const TStringList& MissingFontCollections() const { return FMissingFontCollections; }

    // Gives the missing-font note of a collection, empty when it can be shown.
    // Set by the fonts check; unset, no collection carries a note.
    std::function<std::string(const THadithHelper&)> MissingFontNote;

    // Frees every collection and returns to the start state (tests).
    void Clear();

private:
    void ListKeys(TStringList& Strings, bool PlainOnly) const;
    int GroupIndex(const std::string& Key) const;
    int IndexOfObject(const THadithHelper* Collection) const;

    int FArabicIndex = 0;
    int FEnglishIndex = 0;
    int FActiveIndex = 0;
    std::vector<std::unique_ptr<THadithHelper>> FCollections;
    TStringList FGroups;
    std::vector<std::vector<THadithHelper*>> FGroupMembers;
    TStringList FBadCollections;
    TStringList FMissingFontCollections;
};

extern THadithCollManager HadithCollManager;
// Name of the collection last found valid by ProbeCollection.
extern std::string ProbedCollectionName;

// Empties the global registry and ProbedCollectionName (tests).
void ResetHadithCollManager();
