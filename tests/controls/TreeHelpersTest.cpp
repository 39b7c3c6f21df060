#include "controls/TreeHelpers.h"

#include "controls/MemoryTree.h"

#include <gtest/gtest.h>

namespace {

// Doc
// Hadith Categories [-786]
//   View Hadith by Number [-9]
//   Faith
//     Prayer
//   Prayer
struct TSampleTree {
    TMemoryTree Tree;
    TTreeNodeRef Doc, Root, ByNumber, Faith, FaithPrayer, Prayer;
    TSampleTree() {
        Doc = Tree.AddChild(nullptr, "Doc");
        Root = Tree.AddChild(nullptr, "Hadith Categories");
        Tree.SetData(Root, -786);
        ByNumber = Tree.AddChild(Root, "View Hadith by Number");
        Tree.SetData(ByNumber, -9);
        Faith = Tree.AddChild(Root, " Faith ");
        FaithPrayer = Tree.AddChild(Faith, "Prayer");
        Prayer = Tree.AddChild(Root, "Prayer");
    }
};

} // namespace

TEST(TreeHelpers, FindsNodesByTextDataAndLevelInFlatOrder) {
    TSampleTree S;
    EXPECT_EQ(FindNodeByData(S.Tree, -786), 1);
    EXPECT_EQ(FindNodeByData(S.Tree, -9), 2);
    EXPECT_EQ(FindNodeByData(S.Tree, 42), -1);
    EXPECT_EQ(FindNodeByText(S.Tree, "faith", false), 3);
    EXPECT_EQ(FindNodeByText(S.Tree, "faith", true), -1);
    EXPECT_EQ(FindNodeAtLevel(S.Tree, "Prayer", true, 1), 5);
    EXPECT_EQ(NodeAtFlatIndex(S.Tree, 4), S.FaithPrayer);
    EXPECT_EQ(NodeAtFlatIndex(S.Tree, 99), nullptr);
}

TEST(TreeHelpers, NodePathsAreTrimmedCaptionsFromTheTop) {
    TSampleTree S;
    EXPECT_EQ(GetNodePath(S.Tree, S.FaithPrayer, ">"), "Hadith Categories>Faith>Prayer");
    EXPECT_EQ(GetNodePath(S.Tree, nullptr, ">"), "");
}

TEST(TreeHelpers, PathWalkTakesTheChildOfTheCurrentNode) {
    TSampleTree S;
    EXPECT_EQ(FindNodeByPath(S.Tree, "Hadith Categories>Prayer", ">"), S.Prayer);
    EXPECT_EQ(FindNodeByPath(S.Tree, "Hadith Categories>Faith>Prayer", ">"), S.FaithPrayer);
    std::vector<TTreeNodeRef> Walked;
    EXPECT_TRUE(SelectNodePath(S.Tree, "Hadith Categories>faith", ">", Walked));
    ASSERT_EQ(Walked.size(), 2u);
    EXPECT_EQ(Walked.back(), S.Faith);
    // A first part that matches nothing stops at once and selects nothing.
    EXPECT_FALSE(SelectNodePath(S.Tree, "Nothing>Faith", ">", Walked));
    EXPECT_TRUE(Walked.empty());
    EXPECT_EQ(PathMatchDepth(S.Tree, "Hadith Categories>Missing", ">"), 1);
    EXPECT_EQ(FindNodeByPath(S.Tree, "Hadith Categories>Missing", ">"), nullptr);
}
