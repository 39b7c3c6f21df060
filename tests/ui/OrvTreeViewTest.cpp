#include "controls/ui/OrvTreeView.h"

#include "controls/TreeHelpers.h"

#include <gtest/gtest.h>

TEST(OrvTreeView, ModelsFillAndWalkItThroughTheTreeInterface) {
    TOrvTreeView Tree;
    TTreeAccess& Access = Tree;
    TTreeNodeRef Root = Access.AddChild(nullptr, "Hadith Categories");
    Access.SetData(Root, -786);
    TTreeNodeRef Faith = Access.AddChild(Root, "Faith");
    Access.AddChild(Faith, "Intention");
    Access.SetImages(Root, 0, 0);
    EXPECT_EQ(Tree.topLevelItemCount(), 1);
    EXPECT_EQ(Access.Data(Root), -786);
    EXPECT_EQ(FindNodeByPath(Access, "Hadith Categories>Faith>Intention", ">"),
              Access.Child(Faith, 0));
    EXPECT_EQ(GetNodePath(Access, Access.Child(Faith, 0), ">"),
              "Hadith Categories>Faith>Intention");
    Access.SetCaption(Faith, "Faith [3]");
    EXPECT_EQ(Tree.topLevelItem(0)->child(0)->text(0), "Faith [3]");
    Access.ExpandAll();
    EXPECT_TRUE(Tree.topLevelItem(0)->isExpanded());
    Tree.Select(Faith);
    EXPECT_EQ(Tree.Selected(), Faith);
    Access.Clear();
    EXPECT_EQ(Access.ChildCount(nullptr), 0);
}
