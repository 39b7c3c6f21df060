#include <gtest/gtest.h>

#include "controls/MemoryTree.h"

TEST(MemoryTree, BuildsWalksAndDumpsNodesInOrder) {
    TMemoryTree Tree;
    TTreeNodeRef A = Tree.AddChild(nullptr, "A");
    TTreeNodeRef B = Tree.AddChild(A, "B");
    Tree.AddChild(nullptr, "C");
    Tree.SetData(B, -9);
    EXPECT_EQ(Tree.ChildCount(nullptr), 2);
    EXPECT_EQ(Tree.Child(nullptr, 1), Tree.Child(nullptr, 1));
    EXPECT_EQ(Tree.Caption(Tree.Child(nullptr, 1)), "C");
    EXPECT_EQ(Tree.ParentOf(B), A);
    EXPECT_EQ(Tree.ParentOf(A), nullptr);
    EXPECT_EQ(Tree.Child(A, 5), nullptr);
    EXPECT_EQ(Tree.Dump(), "A\n  B [-9]\nC\n");
    Tree.Clear();
    EXPECT_EQ(Tree.ChildCount(nullptr), 0);
}
