// The categories module: reading its file, entry lines, branches and the
// category tree, and its verification.
#include "app/AppGlobals.h"
#include "controls/MemoryTree.h"
#include "data/TxError.h"
#include "hadith/CategoriesWriter.h"
#include "hadith/CategoryHelper.h"
#include "hadith/CollectionWriter.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// Counts the repaint brackets, which must pair up even on an error.
class TCountingTree : public TMemoryTree {
public:
    void BeginUpdate() override { ++Depth; }
    void EndUpdate() override { --Depth; }
    int Depth = 0;
};

std::string Tree(const TStringList& Lines) {
    THadithCatHelper Helper;
    Helper.SetLines(Lines);
    TCountingTree T;
    TTreeNodeRef Root = T.AddChild(nullptr, "Root");
    Helper.BuildCategoryTree(T, Root);
    EXPECT_EQ(T.Depth, 0);
    return T.Dump();
}

TEST(HadithCatHelperTest, ParseCategoryLine) {
    struct TCase {
        const char* Line;
        int Level;
        const char* Caption;
        const char* Anchor;
    };
    const TCase Cases[] = {
        {"Prayer", 0, "Prayer", ""},
        {"\t\tTimes of prayer <A:times", 2, "Times of prayer", "<A:times"},
        {" \tMixed", 2, "Mixed", ""},
        {"Trailing <A:", 0, "Trailing", ""}, // an empty anchor is no anchor
        {"", 0, "", ""},
        {"\t", 1, "", ""},
    };
    for (const TCase& C : Cases) {
        TCategoryLine L = THadithCatHelper::ParseCategoryLine(C.Line);
        EXPECT_EQ(L.Level, C.Level) << C.Line;
        EXPECT_EQ(L.Caption, C.Caption) << C.Line;
        EXPECT_EQ(L.Anchor, C.Anchor) << C.Line;
    }
}

TEST(HadithCatHelperTest, CategoryBranch) {
    THadithCatHelper Helper;
    EXPECT_TRUE(Helper.CategoryBranch("Any").empty());
    Helper.SetLines({"First", "\tF1", "Second <A:s", "\tS1", "\t\tS11", "Third", "\tT1"});
    EXPECT_EQ(Helper.CategoryBranch("Second"), (TStringList{"Second <A:s", "\tS1", "\t\tS11"}));
    EXPECT_EQ(Helper.CategoryBranch("Third"), (TStringList{"Third", "\tT1"}));
    // Exact match only; anything else gives the first branch.
    EXPECT_EQ(Helper.CategoryBranch("second"), (TStringList{"First", "\tF1"}));
}

TEST(HadithCatHelperTest, TreesFromEntryLevels) {
    EXPECT_EQ(Tree({"A", "\tB", "\tC", "\t\tD", "\tE <A:e", "F"}),
              "Root\n  A\n    B\n    C\n      D\n    E\n  F\n");
    // Two levels deeper than the top entry is still its child.
    EXPECT_EQ(Tree({"A", "\t\tB"}), "Root\n  A\n    B\n");
    // Climbing back up several levels at once.
    EXPECT_EQ(Tree({"A", "\tB", "\t\tC", "\t\t\tD", "\tE"}),
              "Root\n  A\n    B\n      C\n        D\n    E\n");
    EXPECT_EQ(Tree({}), "Root\n");
}

TEST(HadithCatHelperTest, LevelErrorStopsTheTree) {
    THadithCatHelper Helper;
    Helper.SetLines({"Top", "\t\t\tDeep one"});
    TCountingTree T;
    TTreeNodeRef Root = T.AddChild(nullptr, "Root");
    try {
        Helper.BuildCategoryTree(T, Root);
        FAIL() << "no error";
    } catch (const ETxError& E) {
        EXPECT_STREQ(E.what(), "Invalid level (3) for item \"Deep one\"");
    }
    EXPECT_EQ(T.Depth, 0);

    Helper.SetLines({"A", "\tB", "\t\t\t\tC"});
    EXPECT_THROW(Helper.BuildCategoryTree(T, Root), ETxError);
}

TEST(HadithCatHelperTest, ImagesOfTheNodes) {
    THadithCatHelper Helper;
    Helper.SetLines({"A", "\tB"});
    TMemoryTree T;
    TTreeNodeRef Root = T.AddChild(nullptr, "Root");
    Helper.BuildCategoryTree(T, Root);
    const TMemoryTree::TNode& A = *T.Root().Children[0]->Children[0];
    EXPECT_EQ(A.ImageIndex, 0);
    EXPECT_EQ(A.SelectedIndex, 0);
    EXPECT_EQ(A.Children[0]->ImageIndex, 1);
    EXPECT_EQ(A.Children[0]->SelectedIndex, 2);
    EXPECT_TRUE(A.Expanded);
}

class HadithCatHelperFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetVerification();
        ResetAppGlobals();
        ResetHadithCatHelper();
    }
    void TearDown() override {
        ResetVerification();
        ResetAppGlobals();
        ResetHadithCatHelper();
    }
    TFakeShell Shell;
    TTempDir Dir;
};

TEST_F(HadithCatHelperFileTest, WrittenFileLoadsAndVerifies) {
    std::string Text =
        CategoriesFileText({{0, "Prayer", "prayer"}, {1, "Times", ""}, {0, "Fasting", ""}});
    SetAppPath(Dir.Path());
    Dir.Write("HIndex.dbx", Text);

    THadithCatHelper& Helper = HadithCatHelper;
    EXPECT_EQ(Helper.FileName(), Dir.File("HIndex.dbx"));
    EXPECT_EQ(Helper.GetModuleName(), "Hadith Categories Module");
    Helper.LoadCategories();
    EXPECT_EQ(Helper.Lines(), (TStringList{"Prayer <A:prayer", "\tTimes", "Fasting"}));

    Helper.SetExpectedFingerprint(TextFingerprint(Text));
    EXPECT_TRUE(Helper.Verify());
    EXPECT_FALSE(VerificationHasFailed);
    EXPECT_EQ(Shell.VerifyStatus.back(), TextFingerprint(Text));
}

TEST_F(HadithCatHelperFileTest, MissingOrAlteredFile) {
    THadithCatHelper Missing(Dir.File("HIndex.dbx"), "x");
    EXPECT_THROW(Missing.LoadCategories(), ETxError);
    EXPECT_FALSE(Missing.Verify());
    EXPECT_TRUE(VerificationHasFailed);
    ASSERT_EQ(Shell.Messages.size(), 1u);
    EXPECT_EQ(Shell.Messages[0].Heading, "Verification Failed!");

    ResetVerification();
    std::string Text = CategoriesFileText({{0, "Prayer", ""}});
    THadithCatHelper Altered(Dir.Write("HIndex.dbx", Text), TextFingerprint(Text + " "));
    EXPECT_FALSE(Altered.Verify());
    EXPECT_TRUE(VerificationHasFailed);

    // A line that is not enciphered text fails the load and keeps the lines.
    Dir.Write("HIndex.dbx", Text + "%%%\r\n");
    Altered.SetLines({"Before"});
    EXPECT_THROW(Altered.LoadCategories(), ETxError);
    EXPECT_EQ(Altered.Lines(), TStringList{"Before"});
}

TEST(CategoriesWriterTest, RefusesEntriesThatWouldReadBackDifferently) {
    const TCategoryEntrySource Bad[] = {
        {0, "", ""},
        {0, " Leading", ""},
        {0, "\tTab", ""},
        {0, "Two\r\nLines", ""},
        {0, "Has <A:anchor", ""},
        {-1, "Negative", ""},
        {0, "Anchor", "a\nb"},
    };
    for (const TCategoryEntrySource& E : Bad)
        EXPECT_THROW(CategoryEntryLine(E), ETxError) << E.Caption;
    EXPECT_EQ(CategoryEntryLine({2, "Caption", "x"}), "\t\tCaption <A:x");
}

} // namespace
