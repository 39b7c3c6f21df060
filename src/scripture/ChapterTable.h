// The fixed table of the 114 chapters of the Qur'an, the chapter routines
// and the CCC.VVV verse reference text.
#pragma once

#include <array>
#include <string>
#include <utility>

inline constexpr int ChapterCount = 114;
inline constexpr int TotalVerseCount = 6236;
// A complete scripture text: one line per chapter plus one line per verse.
inline constexpr int ScriptureLineCount = TotalVerseCount + ChapterCount;

// Columns of a row, each held as text.
enum : int {
    ccName = 0,       // customary transliteration, "Al-Fatiha"
    ccShortName = 1,  // without the article prefix, "Fatiha"
    ccMeaning = 2,    // English renderings joined by ", "
    ccMedinan = 3,    // "1" revealed at Medina, else "0"
    ccVerseCount = 4, // Kufan count of the Hafs reading
    ccLineOffset = 5, // line of the chapter in a scripture text
};

using TChapterRow = std::array<const char*, 6>;

// Row N-1 describes chapter N.
extern const std::array<TChapterRow, ChapterCount> ChapterTable;
// "Surah" and the chapter's Arabic name, as decimal character references.
extern const std::array<const char*, ChapterCount> ChapterArabicNames;

// A verse range; every range built here stays inside StartChapter.
struct TVerseRange {
    int StartChapter = 0;
    int StartVerse = 0;
    int EndChapter = 0;
    int EndVerse = 0;
};

bool IsValidChapter(int Chapter);
// ETxError for a chapter outside 1-114.
int ChapterVerseCount(int Chapter);
int ChapterLineOffset(int Chapter);
// Verses of the chapters before Chapter plus Verse. Verse is not checked
// against its chapter (callers range-check the result); a chapter outside
// 1-114 gives 0, which names no verse.
int AbsoluteVerseNumber(int Chapter, int Verse);
std::string FormatVerseRef(int Chapter, int Verse);
// (Chapter, Verse) of "C.V", or (0, 0) when either side is not an integer text.
std::pair<int, int> ParseVerseRef(const std::string& Text);
// Form 0: name; 1: English meaning; 2: "name [meaning]"; 3: the Arabic name.
// Empty for a chapter outside 1-114 or any other form.
std::string ChapterName(int Chapter, int Form);
