// A tree kept in memory behind TTreeAccess.
#pragma once

#include <memory>
#include <vector>

#include "controls/TreeAccess.h"

class TMemoryTree : public TTreeAccess {
public:
    struct TNode {
        std::string Caption;
        intptr_t Data = 0;
        int ImageIndex = -1;
        int SelectedIndex = -1;
        bool Expanded = false;
        TNode* Parent = nullptr;
        std::vector<std::unique_ptr<TNode>> Children;
    };

    void Clear() override;
    TTreeNodeRef AddChild(TTreeNodeRef Parent, const std::string& Caption) override;
    std::string Caption(TTreeNodeRef Node) const override;
    void SetCaption(TTreeNodeRef Node, const std::string& Caption) override;
    intptr_t Data(TTreeNodeRef Node) const override;
    void SetData(TTreeNodeRef Node, intptr_t Data) override;
    void SetImages(TTreeNodeRef Node, int ImageIndex, int SelectedIndex) override;
    int ChildCount(TTreeNodeRef Parent) const override;
    TTreeNodeRef Child(TTreeNodeRef Parent, int Index) const override;
    TTreeNodeRef ParentOf(TTreeNodeRef Node) const override;
    void ExpandAll() override;

    TNode& Root() { return FRoot; }
    const TNode& Root() const { return FRoot; }
    static TNode* AsNode(TTreeNodeRef Node) { return static_cast<TNode*>(Node); }

    // Every node in pre-order, one line each: two blanks per level, the
    // caption and, when not 0, the data in brackets. Handy in tests.
    std::string Dump() const;

private:
    const TNode* NodeOrRoot(TTreeNodeRef Node) const;
    TNode FRoot;
};
