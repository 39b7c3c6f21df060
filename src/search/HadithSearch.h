// The text search over one hadith collection: the prepared text of a hadith,
// the match of one hadith, a run over the whole collection, and the texts and
// rules the search window shows around it. There is no index: every run
// deciphers the hadiths one by one.
#pragma once

#include <functional>
#include <string>
#include <vector>

class THadithHelper;

// The text a search looks at: the hadith text (markup and right-to-left
// wrapper included) with every verse tag written out as "[Al-Qur'an ...]".
std::string PreparedSearchText(const THadithHelper& Collection, int N);

// 0-based position of the first match in the prepared text of hadith N, or
// -1. An empty search text never matches.
int SearchHadith(const THadithHelper& Collection, int N, const std::string& SearchText,
                 bool CaseSensitive, bool WholeWord);

// What the window holds in its controls while a run goes on.
struct TSearchOptions {
    std::string SearchText;
    bool CaseSensitive = false;
    bool WholeWord = true;
};

// Asked once per hadith, after pending events ran, so a change made during
// a run applies to the hadiths not yet scanned.
using TSearchOptionsProvider = std::function<TSearchOptions()>;

// Scans hadiths 1 to HadithCount in order; for each one first lets pending
// events run (Shell().ProcessEvents()), then asks Options and tests it.
// OnHit gets each matching number as it is found. Returns the numbers,
// ascending. With ScanAll false nothing is scanned.
std::vector<int> RunHadithSearch(const THadithHelper& Collection, bool ScanAll,
                                 const TSearchOptionsProvider& Options,
                                 const std::function<void(int)>& OnHit = nullptr);

// "Hadith # N": the entry of the result list.
std::string SearchResultCaption(int N);

// A report of this many results or more is built only after the user agrees.
inline constexpr int LargeReportResults = 1000;
bool ReportNeedsConfirmation(int ResultCount);
extern const char* const LargeReportHeading;
extern const char* const LargeReportText;

// The message shown after a bookmarked search whose collection is missing.
extern const char* const MissingCollectionHeading;
std::string MissingCollectionText(const std::string& ViewKey);

// What a search bookmark stores and gives back to the search window.
struct TSearchBookmarkInfo {
    std::string SearchText;
    int Chapter = 1;         // carried along; a search never uses it
    bool Restricted = false; // set when "search all" was off
    std::string ViewKey;     // of the searched collection; empty: the English one
};

// Index of ViewKey among Keys (exact text, letter case ignored), or -1.
int IndexOfViewKey(const std::vector<std::string>& Keys, const std::string& ViewKey);
