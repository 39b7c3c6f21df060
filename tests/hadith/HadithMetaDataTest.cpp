// The per-hadith tables: value lookup with defaults, and the category counts.
#include "hadith/HadithMetaData.h"

#include "HadithHelperSamples.h"
#include "hadith/HadithHelper.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(HadithMetaDataTest, ValuesAndDefaults) {
    THadithCat Cat({"1=Prayer", "2=", "3=  ", "4= Fasting ", "1=Second", "012=Padded", " 5=Spaced",
                    "6", "7=a=b", "-1=Negative"},
                   nullptr);
    struct TCase {
        int N;
        const char* Value;
    };
    const TCase Cases[] = {
        {1, "Prayer"},                               // the first entry of a number wins
        {2, "Uncategorised"},                        // empty
        {3, "Uncategorised"},                        // blank
        {4, " Fasting "},                            // stored untrimmed
        {12, "Uncategorised"}, {5, "Uncategorised"}, // names are exact decimals
        {6, "Uncategorised"},  {7, "a=b"},           {-1, "Negative"}, {99, "Uncategorised"},
    };
    for (const TCase& C : Cases)
        EXPECT_EQ(Cat.GetValue(C.N), C.Value) << C.N;

    THadithClass Class({"1= "}, nullptr);
    EXPECT_EQ(Class.GetValue(1), "Unclassified");
    THadithInfo Info({"1=x"}, nullptr);
    EXPECT_EQ(Info.GetValue(1), "x");
    EXPECT_EQ(Info.GetValue(2), "No Additional Information");
}

class HadithCatCountsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetVerification(); }

    std::unique_ptr<THadithHelper> Load(const TCollectionSource& Source) {
        auto H = std::make_unique<THadithHelper>(Dir.Write("C.dbh", CollectionFileText(Source)));
        EXPECT_TRUE(H->IsValid()) << H->LoadError();
        return H;
    }

    TFakeShell Shell;
    TTempDir Dir;
};

TEST_F(HadithCatCountsTest, CountsInOrderOfFirstHadithWithScriptureLast) {
    TCollectionSource Source = SampleCollection();
    Source.Records = {{"", "a"}, {"", "<<QVERSE:1:1>>"},   {"", "c"},
                      {"", "d"}, {"", "e <<QVERSE:2:2>>"}, {"", "f"}};
    Source.Categories = {{1, "Prayer"}, {2, "Fasting"}, {3, " prayer "}, {5, "  "}, {6, "FASTING"}};
    auto H = Load(Source);

    TStringList List{"old"};
    H->GetCategoryCounts(List, false);
    EXPECT_EQ(List, (TStringList{"old", "Prayer|2", "Fasting|2", "Uncategorised|2",
                                 "Qur'anic Ahadith|2"}));
    // From the cache the second time.
    H->GetCategoryCounts(List, true);
    EXPECT_EQ(List.size(), 4u);
    EXPECT_EQ(H->Categories().CountCache(), List);
}

TEST_F(HadithCatCountsTest, EmptyCategoryTableCountsEverythingUncategorised) {
    TCollectionSource Source = SampleCollection();
    Source.Categories.clear();
    auto H = Load(Source);
    TStringList List;
    H->GetCategoryCounts(List, true);
    EXPECT_EQ(List, (TStringList{"Uncategorised|3", "Qur'anic Ahadith|1"}));

    Source.Records = {{"", "no verse"}};
    H = Load(Source);
    H->GetCategoryCounts(List, true);
    EXPECT_EQ(List, (TStringList{"Uncategorised|1"}));
}

} // namespace
