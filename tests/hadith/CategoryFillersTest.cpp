// The main category tree, count suffixes and the category count list.
#include "hadith/CategoryFillers.h"

#include "HadithHelperSamples.h"
#include "controls/MemoryTree.h"
#include "hadith/HadithHelper.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(CategoryFillersTest, MainTreeHoldsDocumentsThenCategories) {
    THadithCatHelper Categories;
    Categories.SetLines({"Prayer", "\tTimes", "Fasting"});
    TMemoryTree T;
    T.AddChild(nullptr, "stale");
    FillMainTree(T, {"Introduction", "Hadith Science"}, Categories);
    EXPECT_EQ(T.Dump(), "Introduction [-1]\n"
                        "Hadith Science [-2]\n"
                        "Hadith Categories [-786]\n"
                        "  View Hadith by Number [-9]\n"
                        "  Prayer\n"
                        "    Times\n"
                        "  Fasting\n");
    const TMemoryTree::TNode& Doc = *T.Root().Children[0];
    EXPECT_EQ(Doc.ImageIndex, 1);
    EXPECT_EQ(Doc.SelectedIndex, 2);
    const TMemoryTree::TNode& Root = *T.Root().Children[2];
    EXPECT_EQ(Root.ImageIndex, 0);
    EXPECT_EQ(Root.Children[0]->SelectedIndex, 2);
}

TEST(CategoryFillersTest, StripCategoryCounts) {
    TMemoryTree T;
    TTreeNodeRef Doc = T.AddChild(nullptr, "Notes [draft]");
    T.SetData(Doc, -1);
    TTreeNodeRef Root = T.AddChild(nullptr, "Hadith Categories");
    TTreeNodeRef Cat = T.AddChild(Root, "Prayer  [12]");
    T.SetData(Cat, 12);
    T.AddChild(Cat, "Times [3] [x]");
    T.AddChild(Root, "Fasting");

    TMemoryTree Without;
    Without.AddChild(nullptr, "Prayer [12]");
    StripCategoryCounts(Without);
    EXPECT_EQ(Without.Dump(), "Prayer [12]\n"); // no category tree: untouched

    StripCategoryCounts(T);
    EXPECT_EQ(T.Dump(), "Notes\nHadith Categories\n  Prayer\n    Times\n  Fasting\n");
}

TEST(CategoryFillersTest, StripBracketed) {
    struct TCase {
        const char* Text;
        const char* Sep;
        const char* Result;
    };
    const TCase Cases[] = {
        {"Hadith Categories>Prayer [12]>Times [3]", ">", "Hadith Categories>Prayer>Times"},
        {"A [1] B [1]", ">", "A  B"}, // every copy of the first bracket goes
        {"A [1] B [2]", ">", "A  B [2]"},
        {"No brackets", ">", "No brackets"},
        {"Open [only", ">", "Open [only"},
        {"", ">", ""},
        {"x>", ">", "x>"},
    };
    for (const TCase& C : Cases)
        EXPECT_EQ(StripBracketed(C.Text, C.Sep), C.Result) << C.Text;
}

class TFakeList : public TCountListAccess {
public:
    void Clear() override { Rows.clear(); }
    void AddCaption(const std::string& Text) override { Rows.push_back(Text); }
    TStringList Rows{"stale"};
};

TEST(CategoryFillersTest, CountList) {
    ResetVerification();
    TFakeShell Shell;
    TTempDir Dir;
    THadithHelper H(Dir.Write("C.dbh", CollectionFileText(SampleCollection())));
    ASSERT_TRUE(H.IsValid());
    TFakeList List;
    FillCategoryCountList(&H, List);
    EXPECT_EQ(List.Rows,
              (TStringList{"Prayer|1", "Fasting|1", "Uncategorised|1", "Qur'anic Ahadith|1"}));
    FillCategoryCountList(nullptr, List);
    EXPECT_TRUE(List.Rows.empty());
}

} // namespace
