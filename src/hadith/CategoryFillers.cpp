// Tree and list fillers of the categories.
#include "hadith/CategoryFillers.h"

#include "hadith/HadithHelper.h"

#include <functional>

namespace {

const std::string HadithCategoriesCaption = "Hadith Categories";

// Visits every node in pre-order; stops when Visit returns false.
bool ForEachNode(TTreeAccess& Tree, TTreeNodeRef Parent,
                 const std::function<bool(TTreeNodeRef)>& Visit) {
    int Count = Tree.ChildCount(Parent);
    for (int i = 0; i < Count; ++i) {
        TTreeNodeRef Node = Tree.Child(Parent, i);
        if (!Visit(Node) || !ForEachNode(Tree, Node, Visit))
            return false;
    }
    return true;
}

} // namespace

void FillMainTree(TTreeAccess& Tree, const TStringList& DocumentTitles,
                  const THadithCatHelper& Categories) {
    Tree.Clear();
    for (size_t i = 0; i < DocumentTitles.size(); ++i) {
        TTreeNodeRef Node = Tree.AddChild(nullptr, DocumentTitles[i]);
        Tree.SetData(Node, -static_cast<intptr_t>(i + 1));
        Tree.SetImages(Node, 1, 2);
    }
    TTreeNodeRef Root = Tree.AddChild(nullptr, HadithCategoriesCaption);
    Tree.SetData(Root, HadithCategoriesNodeData);
    Tree.SetImages(Root, 0, 0);
    TTreeNodeRef ByNumber = Tree.AddChild(Root, "View Hadith by Number");
    Tree.SetData(ByNumber, ViewByNumberNodeData);
    Tree.SetImages(ByNumber, 1, 2);
    Categories.BuildCategoryTree(Tree, Root);
}

void StripCategoryCounts(TTreeAccess& Tree) {
    bool HasRoot = false;
    ForEachNode(Tree, nullptr, [&](TTreeNodeRef Node) {
        HasRoot = Tree.Caption(Node) == HadithCategoriesCaption;
        return !HasRoot;
    });
    if (!HasRoot)
        return;
    ForEachNode(Tree, nullptr, [&](TTreeNodeRef Node) {
        std::string Caption = Tree.Caption(Node);
        size_t Open = Caption.find('[');
        if (Open != std::string::npos) {
            Tree.SetCaption(Node, TrimText(Caption.substr(0, Open)));
            Tree.SetData(Node, 0);
        }
        return true;
    });
}

std::string StripBracketed(const std::string& Text, const std::string& Sep) {
    std::string Result;
    TStringList Items = SplitText(Text, Sep);
    for (size_t i = 0; i < Items.size(); ++i) {
        std::string Item = Items[i];
        size_t Open = Item.find('[');
        if (Open != std::string::npos) {
            size_t Close = Item.find(']', Open + 1);
            if (Close != std::string::npos)
                Item = RemoveAll(Item, Item.substr(Open, Close - Open + 1));
        }
        if (i > 0)
            Result += Sep;
        Result += TrimText(Item);
    }
    return Result;
}

void FillCategoryCountList(const THadithHelper* Collection, TCountListAccess& ListView) {
    ListView.Clear();
    if (!Collection)
        return;
    TStringList Counts;
    Collection->GetCategoryCounts(Counts, true);
    for (const std::string& Line : Counts)
        ListView.AddCaption(Line);
}
