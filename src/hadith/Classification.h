// The fixed table of hadith classification codes and the HTML fragments of a
// hadith's classification and additional information.
#pragma once

#include <array>
#include <string>

class THadithHelper;

struct TClassificationRow {
    const char* Code;
    const char* Name;
    const char* Meaning;
    const char* ArabicName; // numeric character references; empty but for the first row
};

extern const std::array<TClassificationRow, 21> ClassificationTable;

// Form 0 name, 1 meaning, 2 "name[meaning]", 3 Arabic name, other: the code.
// The first row whose code contains Code (case-sensitive); "Unclassified"
// when none does or Code is empty.
std::string ClassificationText(const std::string& Code, int Form);
bool IsClassificationCode(const std::string& Text);

// Links to each classification code of hadith N, their names in HtmlColour
// ("#RRGGBB"), joined by ", ". The page builder passes the Active View.
std::string ClassificationHtml(const THadithHelper& Collection, int N,
                               const std::string& HtmlColour);
// The additional information of hadith N ready for the page.
std::string InformationHtml(const THadithHelper& Collection, int N);
