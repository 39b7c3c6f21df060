// One hadith collection file (*.dbh) in memory: the header values, the three
// per-hadith tables, and the hadith records, which stay enciphered and are
// deciphered one at a time. Also the link keys that name a hadith in pages.
#pragma once

#include "data/TextUtils.h"
#include "data/Verification.h"
#include "hadith/HadithMetaData.h"

#include <cstdint>
#include <memory>
#include <string>

// The pseudo-category of hadiths that quote scripture.
inline const std::string ScriptureCategoryName = "Qur'anic Ahadith";
// Opening literal of the scripture-reference field inside hadith texts.
inline const std::string ScriptureTagOpen = "<<QVERSE:";

class THadithHelper : public TVerifiableObject {
public:
    // Loads the file; never raises for a bad file (test IsValid).
    explicit THadithHelper(const std::string& FileName);
    ~THadithHelper() override;
    THadithHelper(const THadithHelper&) = delete;
    THadithHelper& operator=(const THadithHelper&) = delete;

    // Fingerprint of everything after the header against CRCSL3.
    bool Verify() override;
    std::string GetModuleName() override { return "Hadith collection"; }

    // Properties, set by loading and constant afterwards.
    const std::string& FileName() const { return FFileName; }
    bool IsValid() const { return FIsValid; }
    uint32_t HeaderSize() const { return FHeaderSize; }
    const std::string& ExpectedFingerprint() const { return FExpectedFingerprint; }
    const std::string& CollectionID() const { return FCollectionID; }
    const std::string& CollectionName() const { return FCollectionName; }
    int HadithCount() const { return FHadithCount; }
    uint8_t TextFormat() const { return FTextFormat; }
    uint16_t CodePage() const { return FCodePage; }
    bool IsPlainText() const;
    bool WordHighlight() const { return FWordHighlight; }
    bool RightToLeftText() const { return FRightToLeftText; }
    bool RightToLeftInfo() const { return FRightToLeftInfo; }
    const std::string& TextAlign() const { return FTextAlign; }
    const std::string& FontTag() const { return FFontTag; }
    const std::string& FontFace() const { return FFontFace; }
    const std::string& Translator() const { return FTranslator; }
    const std::string& Description() const { return FDescription; }
    const TStringList& HeaderLines() const { return FHeaderLines; }
    const TStringList& HadithLines() const { return FHadithLines; }
    // Never null: empty tables stand in when the file did not hold them.
    const THadithCat& Categories() const { return *FCategories; }
    const THadithClass& Classes() const { return *FClasses; }
    const THadithInfo& Information() const { return *FInformation; }
    // Why loading stopped (not shown to the user); empty after a clean load.
    const std::string& LoadError() const { return FLoadError; }

    // Record operations. N outside 1..HadithCount (or beyond the records
    // held) raises ETxError "List index out of bounds (n)".
    std::string GetHadithRecord(int N) const;
    std::string GetNarratorChain(int N) const;
    std::string GetHadithText(int N) const;
    std::string GetCategory(int N) const;
    std::string GetClassification(int N) const;
    std::string GetInformation(int N) const;

    void GetCategoryCounts(TStringList& List, bool Clear) const;
    void ListHadithsInCategory(TStringList& List, const std::string& Category, bool UseGroupKeys,
                               bool Append) const;
    void ListScriptureHadiths(TStringList& List, bool Append, bool UseGroupKeys) const;

private:
    void LoadCollection();
    void ReadHeader(TStringList& L);
    std::string LinkKeyOf(int N, bool UseGroupKeys) const;
    std::string ConvertText(const std::string& Text) const;
    std::string RightToLeft(const std::string& Text) const;

    std::string FFileName;
    bool FIsValid = false;
    uint32_t FHeaderSize = 0;
    std::string FExpectedFingerprint;
    std::string FCollectionID;
    std::string FCollectionName;
    int FHadithCount = 0;
    uint8_t FTextFormat = 0;
    uint16_t FCodePage = 0;
    bool FWordHighlight = false;
    bool FRightToLeftText = false;
    bool FRightToLeftInfo = false;
    std::string FTextAlign;
    std::string FFontTag;
    std::string FFontFace;
    std::string FTranslator;
    std::string FDescription;
    TStringList FHeaderLines;
    TStringList FHadithLines;
    std::unique_ptr<THadithCat> FCategories;
    std::unique_ptr<THadithClass> FClasses;
    std::unique_ptr<THadithInfo> FInformation;
    std::string FLoadError;
};

// Link keys of hadith N: "HCOLL_" + upper-cased name, blanks as '_', + "_N",
// and "HGROUP_" + upper-cased group key + "_N".
std::string CollectionLinkKey(const std::string& Name, int N);
std::string GroupLinkKey(const std::string& GroupKey, int N);
// The number after the last '_'; 0 when there is none or it is not an integer.
int LinkKeyNumber(const std::string& Key);
// The name between "HCOLL_" and the last '_', with '_' back to blanks.
std::string LinkKeyCollection(const std::string& Key);
// The group key between "HGROUP_" and the last '_'.
std::string LinkKeyGroup(const std::string& Key);
