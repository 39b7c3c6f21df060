// The chapter table's data and the chapter and verse reference routines.
#include "scripture/ChapterTable.h"

#include "data/TxError.h"

#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <string>

namespace {

int Cell(int Chapter, int Column) {
    return std::stoi(ChapterTable[Chapter - 1][Column]);
}

} // namespace

TEST(ChapterTable, CountsAndOffsetsFollowTheLayout) {
    int Verses = 0;
    int Medinan = 0;
    for (int C = 1; C <= ChapterCount; ++C) {
        SCOPED_TRACE(C);
        EXPECT_EQ(Cell(C, ccLineOffset),
                  C == 1 ? 0 : Cell(C - 1, ccLineOffset) + Cell(C - 1, ccVerseCount) + 1);
        EXPECT_GT(Cell(C, ccVerseCount), 2);
        const std::string Flag = ChapterTable[C - 1][ccMedinan];
        EXPECT_TRUE(Flag == "0" || Flag == "1");
        Verses += Cell(C, ccVerseCount);
        Medinan += Flag == "1";
    }
    EXPECT_EQ(Verses, 6236);
    EXPECT_EQ(Medinan, 28);
    EXPECT_EQ(ChapterLineOffset(114), 6343);
    EXPECT_EQ(ChapterLineOffset(114) + ChapterVerseCount(114) + 1, ScriptureLineCount);
    EXPECT_EQ(ScriptureLineCount, 6350);
}

TEST(ChapterTable, KnownRows) {
    struct Row {
        int Chapter;
        const char* Name;
        const char* Short;
        const char* Meaning;
        const char* Medinan;
        int Verses;
    };
    const Row Rows[] = {
        {1, "Al-Fatiha", "Fatiha", "The Opening", "0", 7},
        {2, "Al-Baqara", "Baqara", "The Cow", "1", 286},
        {3, "Aal-E-Imran", "Imran", "The Family of Imran", "1", 200},
        {9, "At-Tawba", "Tawba", "Repentance, Dispensation", "1", 129},
        {20, "Ta-Ha", "Ta-Ha", "Ta-Ha", "0", 135},
        {26, "Ash-Shuara", "Shuara", "The Poets", "0", 227},
        {51, "Adh-Dhariyat", "Dhariyat", "The Winds that Scatter", "0", 60},
        {78, "an-Naba", "Naba", "The Great News, The Tidings", "0", 40},
        {108, "Al-KauTher", "KauTher", "Abundance, Plenty", "0", 3},
        {110, "An-Nasr", "Nasr", "The Help, Succour", "1", 3},
        {114, "An-Nas", "Nas", "Mankind", "0", 6},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Chapter);
        const TChapterRow& T = ChapterTable[R.Chapter - 1];
        EXPECT_STREQ(T[ccName], R.Name);
        EXPECT_STREQ(T[ccShortName], R.Short);
        EXPECT_STREQ(T[ccMeaning], R.Meaning);
        EXPECT_STREQ(T[ccMedinan], R.Medinan);
        EXPECT_EQ(ChapterVerseCount(R.Chapter), R.Verses);
    }
}

TEST(ChapterTable, ShortNameIsTheNameWithoutItsArticle) {
    const std::regex Article("^(Al-|An-|an-|At-|Ar-|As-|Ash-|Az-|Ad-|Adh-|Aal-E-)");
    for (int C = 1; C <= ChapterCount; ++C) {
        SCOPED_TRACE(C);
        const std::string Name = ChapterTable[C - 1][ccName];
        EXPECT_EQ(std::regex_replace(Name, Article, ""), ChapterTable[C - 1][ccShortName]);
        EXPECT_GT(std::strlen(ChapterTable[C - 1][ccMeaning]), 0u);
    }
}

TEST(ChapterTable, ArabicNamesAreCharacterReferencesAfterTheWordForChapter) {
    const std::string Surah = "&#1587;&#1608;&#1585;&#1577; ";
    const std::regex Ncr("^(&#(15[6-9][0-9]|16[0-4][0-9]);| )+$"); // Arabic letters, blanks
    for (int C = 1; C <= ChapterCount; ++C) {
        SCOPED_TRACE(C);
        const std::string Name = ChapterName(C, 3);
        EXPECT_EQ(Name.compare(0, Surah.size(), Surah), 0);
        EXPECT_GT(Name.size(), Surah.size());
        EXPECT_TRUE(std::regex_match(Name, Ncr));
    }
    EXPECT_EQ(ChapterName(1, 3), Surah + "&#1575;&#1604;&#1601;&#1575;&#1578;&#1581;&#1577;");
    EXPECT_EQ(ChapterName(3, 3), Surah + "&#1570;&#1604; &#1593;&#1605;&#1585;&#1575;&#1606;");
    EXPECT_EQ(ChapterName(50, 3), Surah + "&#1602;");
}

TEST(ChapterTable, ChapterRoutinesRejectChaptersOutsideTheTable) {
    for (int C : {-1, 0, 115, 1000, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(C);
        EXPECT_FALSE(IsValidChapter(C));
        EXPECT_THROW(ChapterVerseCount(C), ETxError);
        EXPECT_THROW(ChapterLineOffset(C), ETxError);
        EXPECT_EQ(AbsoluteVerseNumber(C, 1), 0);
        for (int Form = 0; Form <= 3; ++Form)
            EXPECT_EQ(ChapterName(C, Form), "");
    }
    EXPECT_TRUE(IsValidChapter(1));
    EXPECT_TRUE(IsValidChapter(114));
}

TEST(ChapterTable, AbsoluteVerseNumbers) {
    struct Case {
        int Chapter, Verse, Expected;
    };
    const Case Cases[] = {{1, 1, 1},      {1, 7, 7},      {2, 1, 8}, {2, 255, 262}, {3, 1, 294},
                          {114, 1, 6231}, {114, 6, 6236}, {0, 0, 0}, {1, 0, 0}};
    for (const Case& C : Cases)
        EXPECT_EQ(AbsoluteVerseNumber(C.Chapter, C.Verse), C.Expected)
            << C.Chapter << ":" << C.Verse;
}

TEST(ChapterTable, VerseReferenceText) {
    EXPECT_EQ(FormatVerseRef(2, 5), "002.005");
    EXPECT_EQ(FormatVerseRef(2, 255), "002.255");
    EXPECT_EQ(FormatVerseRef(114, 6), "114.006");

    struct Case {
        const char* Text;
        int Chapter, Verse;
    };
    const Case Cases[] = {{"002.255", 2, 255}, {"2.5", 2, 5},
                          {" 3 . 7 ", 3, 7},   {"2.x", 0, 0},
                          {"x.2", 0, 0},       {"2", 0, 0},
                          {"", 0, 0},          {".", 0, 0},
                          {"2.3.4", 0, 0},     {"99999999999.1", 0, 0}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Text);
        const auto [Chapter, Verse] = ParseVerseRef(C.Text);
        EXPECT_EQ(Chapter, C.Chapter);
        EXPECT_EQ(Verse, C.Verse);
    }
}

TEST(ChapterTable, ChapterNameForms) {
    EXPECT_EQ(ChapterName(1, 0), "Al-Fatiha");
    EXPECT_EQ(ChapterName(1, 1), "The Opening");
    EXPECT_EQ(ChapterName(1, 2), "Al-Fatiha [The Opening]");
    EXPECT_EQ(ChapterName(114, 2), "An-Nas [Mankind]");
    EXPECT_EQ(ChapterName(1, 4), "");
    EXPECT_EQ(ChapterName(1, -1), "");
}
