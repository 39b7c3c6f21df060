// Lookup of the per-hadith tables and the category counts.
#include "hadith/HadithMetaData.h"

#include "data/TextFormats.h"
#include "hadith/HadithHelper.h"

#include <cstdlib>

namespace {

// N when Name is exactly the decimal text of an int ("12", "-3"); the entry
// names are compared as text, so "012" or "+12" must not match hadith 12.
bool CanonicalNumber(const std::string& Name, int& N) {
    if (Name.empty() || Name.size() > 11)
        return false;
    char* End = nullptr;
    long long Value = std::strtoll(Name.c_str(), &End, 10);
    if (End != Name.c_str() + Name.size() || Value < INT32_MIN || Value > INT32_MAX)
        return false;
    if (std::to_string(Value) != Name)
        return false;
    N = static_cast<int>(Value);
    return true;
}

} // namespace

THadithMetaData::THadithMetaData(const TStringList& Entries, const THadithHelper* Collection)
    : FTable(Entries), FCollection(Collection) {
    for (size_t i = 0; i < FTable.size(); ++i) {
        size_t Eq = FTable[i].find('=');
        if (Eq == std::string::npos)
            continue;
        int N = 0;
        if (CanonicalNumber(FTable[i].substr(0, Eq), N))
            FIndex.emplace(N, i); // keeps the first entry of a number
    }
}

std::string THadithMetaData::RawValue(int N) const {
    auto It = FIndex.find(N);
    if (It == FIndex.end())
        return std::string();
    const std::string& Entry = FTable[It->second];
    return Entry.substr(Entry.find('=') + 1);
}

std::string THadithMetaData::GetValue(int N) const {
    std::string Value = RawValue(N);
    if (TrimText(Value).empty())
        return DefaultText();
    return Value;
}

std::string THadithInfo::GetValue(int N) const {
    std::string Value = RawValue(N);
    if (TrimText(Value).empty())
        return DefaultText();
    if (Collection() && Collection()->TextFormat() == tfCodePage)
        return CodePageToNcr(Value, Collection()->CodePage());
    return Value;
}

void THadithCat::GetCategoryCounts(TStringList& List, bool Clear) const {
    if (!FCountsFilled && Collection()) {
        TStringList Cache;
        // Trimmed, upper-cased category -> its line in Cache (the SameTextTrim key).
        std::unordered_map<std::string, size_t> Lines;
        std::vector<int> Counts;
        int Count = static_cast<int>(Collection()->HadithLines().size());
        for (int N = 1; N <= Count; ++N) {
            std::string C = GetValue(N);
            std::string Key = UpperCaseAscii(TrimText(C));
            auto It = Lines.find(Key);
            if (It == Lines.end()) {
                Lines.emplace(Key, Cache.size());
                Cache.push_back(C);
                Counts.push_back(1);
            } else {
                ++Counts[It->second];
            }
        }
        for (size_t i = 0; i < Cache.size(); ++i)
            Cache[i] += "|" + std::to_string(Counts[i]);
        TStringList Scripture;
        Collection()->ListScriptureHadiths(Scripture, false, false);
        if (!Scripture.empty())
            Cache.push_back(ScriptureCategoryName + "|" + std::to_string(Scripture.size()));
        FCountCache = std::move(Cache);
        FCountsFilled = true;
    }
    if (Clear)
        List.clear();
    List.insert(List.end(), FCountCache.begin(), FCountCache.end());
}
