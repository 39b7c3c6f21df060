// The three per-hadith tables of a collection file (category, classification,
// additional information): "N=value" entries with a default text for blanks.
#pragma once

#include "data/TextUtils.h"
#include "data/Verification.h"

#include <string>
#include <unordered_map>

class THadithHelper;

class THadithMetaData : public TVerifiableObject {
public:
    // Copies the entry lines; Collection is not owned and may be null.
    THadithMetaData(const TStringList& Entries, const THadithHelper* Collection);

    // These tables are never registered or verified.
    bool Verify() override { return false; }
    std::string GetModuleName() override { return std::string(); }

    // The value of the first entry named exactly N; the default text when blank.
    virtual std::string GetValue(int N) const;
    virtual std::string DefaultText() const = 0;

    const TStringList& Table() const { return FTable; }
    const THadithHelper* Collection() const { return FCollection; }

protected:
    // The stored value of hadith N (untrimmed), empty when there is no entry.
    std::string RawValue(int N) const;

private:
    TStringList FTable;
    const THadithHelper* FCollection;
    // Hadith number -> index of its first entry, so a lookup costs no scan.
    std::unordered_map<int, size_t> FIndex;
};

class THadithCat : public THadithMetaData {
public:
    using THadithMetaData::THadithMetaData;
    std::string DefaultText() const override { return "Uncategorised"; }

    // Count lines "category|count" in the order of each category's first
    // hadith, then "Qur'anic Ahadith|K" when K hadiths quote scripture.
    // Computed once; later calls copy the cache.
    void GetCategoryCounts(TStringList& List, bool Clear) const;
    const TStringList& CountCache() const { return FCountCache; }

private:
    mutable TStringList FCountCache;
    mutable bool FCountsFilled = false;
};

class THadithClass : public THadithMetaData {
public:
    using THadithMetaData::THadithMetaData;
    std::string DefaultText() const override { return "Unclassified"; }
};

class THadithInfo : public THadithMetaData {
public:
    using THadithMetaData::THadithMetaData;
    std::string DefaultText() const override { return "No Additional Information"; }
    // Converts non-blank values of code-page collections to character references.
    std::string GetValue(int N) const override;
};
