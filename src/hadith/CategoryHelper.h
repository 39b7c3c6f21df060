// The categories module: the category tree shared by all collections, read
// from the categories file (HIndex.dbx) and built into a tree view.
#pragma once

#include "controls/TreeAccess.h"
#include "data/TextUtils.h"
#include "data/Verification.h"

#include <string>

// One entry line: its depth (leading tabs or blanks), caption and anchor.
struct TCategoryLine {
    int Level = 0;
    std::string Caption;
    std::string Anchor; // "<A:..." or empty; not used by the tree
};

class THadithCatHelper : public TVerifiableObject {
public:
    // Without a file name the module reads AppPath + "HIndex.dbx".
    THadithCatHelper() = default;
    // ExpectedFingerprint: fingerprint (Skip 0) of the shipped categories file.
    THadithCatHelper(const std::string& FileName, const std::string& ExpectedFingerprint);

    // Missing or altered file: VerificationFailed and false.
    bool Verify() override;
    std::string GetModuleName() override { return "Hadith Categories Module"; }

    std::string FileName() const;
    void SetFileName(const std::string& Value) { FFileName = Value; }
    const std::string& ExpectedFingerprint() const { return FExpectedFingerprint; }
    void SetExpectedFingerprint(const std::string& Value) { FExpectedFingerprint = Value; }
    // The deciphered entry lines (the file's header line dropped).
    const TStringList& Lines() const { return FLines; }
    void SetLines(const TStringList& Value) { FLines = Value; }

    // Reads and deciphers the file. ETxError when it cannot be read or holds
    // a line that is not enciphered text; Lines stay as they were then.
    void LoadCategories();

    static TCategoryLine ParseCategoryLine(const std::string& Line);
    // The first entry whose caption is exactly Caption (line 0 when none)
    // and every directly following line that begins with a tab.
    TStringList CategoryBranch(const std::string& Caption) const;
    // Adds the category entries below Root, a top-level node. ETxError
    // "Invalid level (n) for item \"caption\"" for an entry two or more
    // levels deeper than the one before it.
    void BuildCategoryTree(TTreeAccess& Tree, TTreeNodeRef Root) const;

    // Back to the state at program start (tests).
    void Reset();

private:
    std::string FFileName;
    std::string FExpectedFingerprint;
    TStringList FLines;
};

// The program's one categories module.
extern THadithCatHelper HadithCatHelper;
void ResetHadithCatHelper();
