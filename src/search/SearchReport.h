// The search report: one HTML page with the text of every hadith a search
// found, each occurrence of the search text highlighted and a link per
// hadith back to the main window.
#pragma once

#include "data/TextUtils.h"

#include <string>
#include <vector>

class THadithHelper;

// One entry of the search window's result list.
struct TSearchResultEntry {
    std::string Caption; // "Hadith # N"
    int Number = 0;      // the hadith number the entry carries
};

inline const std::string SearchReportCaption = "Hadith Search Report";
// "Search Report [" + search text + "]": the banner above the page.
std::string SearchReportBanner(const std::string& SearchText);

// Every occurrence of SearchText in Text, found ignoring letter case as
// Unicode folds it (markup included, left to right, not overlapping),
// replaced by the search text as typed in bold and in Colour. An empty
// search text leaves Text unchanged.
std::string HighlightSearchText(const std::string& Text, const std::string& SearchText,
                                const std::string& Colour);

// The lines of the report page; lets pending events run once per entry.
// The colour is that of the saved highlight scheme.
TStringList BuildSearchReportLines(const THadithHelper& Collection, const std::string& SearchText,
                                   const std::vector<TSearchResultEntry>& Results);

// A navigation target of the report's page as the link key it names: upper
// case (a-z) and without any "ABOUT:BLANK"; empty when nothing is left.
std::string ReportLinkTarget(const std::string& Address);
