#include "controls/ui/OrvTextStore.h"

#include <gtest/gtest.h>

TEST(OrvTextStore, StoredStringsSplitAtTheFirstMarker) {
    const std::string M = "<<\x07\x08\x06>>";
    struct TCase {
        std::string Stored, Title, Text;
    };
    const TCase Cases[] = {
        {"Tip 1" + M + "Read a hadith a day.", "Tip 1", "Read a hadith a day."},
        {"Plain text without a marker", "Untitled", "Plain text without a marker"},
        {"A" + M + "B" + M + "C", "A", "B" + M + "C"},
        {M, "", ""},
        {"", "Untitled", ""},
        // Parts of a marker are no marker.
        {"x<<\x07\x08>>y", "Untitled", "x<<\x07\x08>>y"},
    };
    std::vector<std::string> Stored;
    for (const TCase& C : Cases)
        Stored.push_back(C.Stored);
    TOrvTextStore Store;
    Store.LoadStrings(Stored);
    ASSERT_EQ(Store.Storage.Count(), static_cast<int>(std::size(Cases)));
    for (int i = 0; i < Store.Storage.Count(); ++i) {
        EXPECT_EQ(Store.Storage.Title(i), Cases[i].Title) << i;
        EXPECT_EQ(Store.Storage.Text(i), Cases[i].Text) << i;
    }
    EXPECT_EQ(Store.Storage.Title(-1), "");
    EXPECT_EQ(Store.Storage.Text(99), "");
}

TEST(OrvTextStore, WritingAndReadingBackGivesTheSameItems) {
    TOrvTextStore Store;
    EXPECT_EQ(Store.Storage.Count(), 0);
    Store.Storage.Add("First", "Line one\r\nLine two");
    Store.Storage.Add("", "no title");
    Store.Storage.Add("Untitled", "");
    const std::vector<std::string> Saved = Store.SaveStrings();
    EXPECT_EQ(Saved[0], "First<<\x07\x08\x06>>Line one\r\nLine two");

    TOrvTextStore Copy;
    Copy.LoadStrings(Saved);
    EXPECT_EQ(Copy.Storage.Items(), Store.Storage.Items());
}

TEST(OrvTextStore, AssignCopiesTheWholeArray) {
    TTextStoreItems Source;
    Source.Add("a", "1");
    Source.Add("b", "2");
    TOrvTextStore Store;
    Store.Storage.Add("old", "old");
    Store.SetStorage(Source);
    EXPECT_EQ(Store.Storage.Items(), Source.Items());
    // The copy does not share the items.
    Source.Items()[0].Title = "changed";
    EXPECT_EQ(Store.Storage.Title(0), "a");
    Store.Storage.Assign(TTextStoreItems());
    EXPECT_EQ(Store.Storage.Count(), 0);
}
