// The search over a collection: the match of one hadith on its prepared
// text, the run over a collection, and the rules around them.
#include "SearchTestSupport.h"
#include "data/TextUtils.h"
#include "data/TxError.h"
#include "data/Verification.h"
#include "search/HadithSearch.h"
#include "support/FakeShell.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override { ResetVerification(); }
    void TearDown() override { ResetVerification(); }

    TFakeShell Shell;
    TTempDir Dir;
};

struct TMatchCase {
    const char* Text;
    const char* Pattern;
    bool CaseSensitive;
    bool WholeWord;
    int Expected; // position in the prepared text, -1 for no match
};

TEST_F(SearchTest, MatchesOnThePreparedText) {
    const TMatchCase Cases[] = {
        // Partial words only without the whole-word option.
        {"They went to prayer.", "pray", false, false, 13},
        {"They went to prayer.", "pray", false, true, -1},
        // Punctuation and brackets delimit words; so do the ends of the text.
        {"pray, then rest", "pray", false, true, 0},
        {"they (pray) often", "pray", false, true, 6},
        {"we all pray", "pray", false, true, 7},
        {"the cats", "cat", false, true, -1},
        // A rejected occurrence does not hide a later whole one.
        {"cats and a cat", "cat", false, true, 11},
        // Letter case: only a-z fold.
        {"Pray first", "pray", false, true, 0},
        {"Pray first", "pray", true, true, -1},
        {"\xC3\x89T\xC3\x89 here", "\xC3\xA9t\xC3\xA9", false, false, -1},
        {"caf\xC3\xA9 here", "CAF\xC3\xA9", false, true, 0},
        // Bytes above 127 belong to words.
        {"caf\xC3\xA9", "caf", false, true, -1},
        // A phrase is matched as typed, spacing included.
        {"two  words", "two words", false, false, -1},
        {"say two words", "two words", false, true, 4},
        {"say two words", "two words ", false, false, -1},
        // Markup is part of the searched text and its brackets delimit words.
        {"<B>mercy</B> shown", "mercy", false, true, 3},
        {"<B>mercy</B> shown", "B>mercy", false, false, 1},
        // Verse tags are written out before matching.
        {"Read <<QVERSE:2:255>> daily", "Al-Qur'an", false, true, 6},
        {"Read <<QVERSE:2:255>> daily", "[al-qur'an 2:255]", false, true, 5},
        {"Read <<QVERSE:2:255>> daily", "QVERSE", false, false, -1},
        // An empty search text never matches.
        {"anything", "", false, false, -1},
        {"anything", "", true, true, -1},
    };
    std::vector<std::string> Texts;
    for (const TMatchCase& C : Cases)
        Texts.push_back(C.Text);
    auto Coll = LoadCollection(Dir, TextCollection(Texts));
    ASSERT_TRUE(Coll && Coll->IsValid());
    for (size_t I = 0; I < std::size(Cases); ++I) {
        const TMatchCase& C = Cases[I];
        EXPECT_EQ(
            SearchHadith(*Coll, static_cast<int>(I) + 1, C.Pattern, C.CaseSensitive, C.WholeWord),
            C.Expected)
            << "text \"" << C.Text << "\" pattern \"" << C.Pattern << "\" case " << C.CaseSensitive
            << " whole " << C.WholeWord;
    }
}

TEST_F(SearchTest, ChainIsNotSearchedButTheRightToLeftWrapperIs) {
    TCollectionSource Source = TextCollection({"text body"});
    Source.Records[0].Chain = "narrated by Zaid";
    Source.RightToLeftText = true;
    auto Coll = LoadCollection(Dir, Source);
    ASSERT_TRUE(Coll && Coll->IsValid());
    EXPECT_EQ(SearchHadith(*Coll, 1, "Zaid", false, false), -1);
    EXPECT_EQ(SearchHadith(*Coll, 1, "text", false, true), 13); // after "<BDO DIR=RTL>"
    EXPECT_EQ(SearchHadith(*Coll, 1, "BDO", false, true), 1);
}

TEST_F(SearchTest, RunListsEveryMatchingHadithOnceInOrder) {
    auto Coll = LoadCollection(
        Dir, TextCollection({"pray pray pray", "prayer", "nothing", "Pray.", "x pray"}));
    ASSERT_TRUE(Coll && Coll->IsValid());
    std::vector<int> Reported;
    const auto Hits = RunHadithSearch(
        *Coll, true,
        [] {
            return TSearchOptions{"pray", false, true};
        },
        [&](int N) { Reported.push_back(N); });
    EXPECT_EQ(Hits, (std::vector<int>{1, 4, 5}));
    EXPECT_EQ(Reported, Hits);
    // Pending events run once per hadith.
    EXPECT_EQ(Shell.EventRuns, 5);

    EXPECT_EQ(RunHadithSearch(*Coll, true,
                              [] {
                                  return TSearchOptions{"pray", false, false};
                              }),
              (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(RunHadithSearch(*Coll, true,
                              [] {
                                  return TSearchOptions{"Pray", true, false};
                              }),
              (std::vector<int>{4}));
}

TEST_F(SearchTest, RunReadsTheOptionsAfreshForEveryHadith) {
    auto Coll = LoadCollection(Dir, TextCollection({"alpha", "alpha", "beta", "beta", "alpha"}));
    ASSERT_TRUE(Coll && Coll->IsValid());
    // The user changes the text while hadith 2 is scanned.
    int Asked = 0;
    const auto Hits = RunHadithSearch(*Coll, true, [&] {
        ++Asked;
        return TSearchOptions{Asked <= 2 ? "alpha" : "beta", false, true};
    });
    EXPECT_EQ(Asked, 5);
    EXPECT_EQ(Hits, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(SearchTest, RunScansNothingWhenRestrictedOrEmpty) {
    auto Coll = LoadCollection(Dir, TextCollection({"alpha"}));
    ASSERT_TRUE(Coll && Coll->IsValid());
    bool Asked = false;
    EXPECT_TRUE(RunHadithSearch(*Coll, false, [&] {
                    Asked = true;
                    return TSearchOptions{"alpha", false, true};
                }).empty());
    EXPECT_FALSE(Asked);
    EXPECT_EQ(Shell.EventRuns, 0);

    auto Empty = LoadCollection(Dir, TextCollection({}, "Empty Coll"));
    ASSERT_TRUE(Empty && Empty->IsValid());
    EXPECT_TRUE(RunHadithSearch(*Empty, true, [] {
                    return TSearchOptions{"alpha", false, true};
                }).empty());
}

TEST_F(SearchTest, HadithOutsideTheCollectionRaises) {
    auto Coll = LoadCollection(Dir, TextCollection({"alpha"}));
    ASSERT_TRUE(Coll && Coll->IsValid());
    for (int N : {0, 2, -1})
        EXPECT_THROW(SearchHadith(*Coll, N, "alpha", false, true), ETxError) << N;
}

TEST_F(SearchTest, WindowTextsAndRules) {
    EXPECT_EQ(SearchResultCaption(7), "Hadith # 7");
    EXPECT_FALSE(ReportNeedsConfirmation(999));
    EXPECT_TRUE(ReportNeedsConfirmation(1000));
    EXPECT_TRUE(ReportNeedsConfirmation(1001));
    EXPECT_EQ(MissingCollectionText("Grp::Name"),
              "This search bookmark was performed on the following translation:\r\n\r\n"
              "Grp::Name\r\n\r\nSince this translation is not installed, the Default English "
              "one will be used. - Your search may yield different\r\n(if not any) "
              "results!\r\n\r\nIf you wish to rectify this problem, install the translation "
              "mentioned above.");

    const std::vector<std::string> Keys{"A::One", "B::Two words"};
    EXPECT_EQ(IndexOfViewKey(Keys, "b::TWO WORDS"), 1);
    EXPECT_EQ(IndexOfViewKey(Keys, "A::One "), -1); // exact text, no trimming
    EXPECT_EQ(IndexOfViewKey(Keys, "One"), -1);
    EXPECT_EQ(IndexOfViewKey(Keys, ""), -1);
}

// The built-in English collection: a whole-word search finds a subset of the
// plain search, and every hit holds the word between delimiters.
TEST_F(SearchTest, BuiltEnglishCollection) {
    const std::string Dist = BuiltContentDir();
    if (Dist.empty())
        GTEST_SKIP() << "no built content";
    InitLineCipher();
    THadithHelper Coll(Dist + "DorAnv_English.dbh");
    ASSERT_TRUE(Coll.IsValid());
    ASSERT_TRUE(Coll.IsPlainText());
    const std::string Word = "Allah";
    const auto Whole = RunHadithSearch(Coll, true, [&] {
        return TSearchOptions{Word, false, true};
    });
    const auto Plain = RunHadithSearch(Coll, true, [&] {
        return TSearchOptions{Word, false, false};
    });
    ASSERT_FALSE(Whole.empty());
    EXPECT_GT(Plain.size(), Whole.size());
    EXPECT_TRUE(std::includes(Plain.begin(), Plain.end(), Whole.begin(), Whole.end()));
    EXPECT_TRUE(std::is_sorted(Whole.begin(), Whole.end()));
    for (int N = 1; N <= Coll.HadithCount(); ++N) {
        // Oracle: any occurrence with a delimiter or an end on both sides.
        const std::string Text = UpperCaseAscii(PreparedSearchText(Coll, N));
        const std::string Upper = UpperCaseAscii(Word);
        bool Found = false;
        for (size_t At = Text.find(Upper); At != std::string::npos && !Found;
             At = Text.find(Upper, At + 1)) {
            const size_t End = At + Upper.size();
            Found = (At == 0 || IsWordDelimiter(static_cast<unsigned char>(Text[At - 1]))) &&
                    (End == Text.size() || IsWordDelimiter(static_cast<unsigned char>(Text[End])));
        }
        EXPECT_EQ(std::binary_search(Whole.begin(), Whole.end(), N), Found) << "hadith " << N;
    }
}

} // namespace
