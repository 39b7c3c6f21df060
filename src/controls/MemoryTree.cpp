#include "controls/MemoryTree.h"

#include <functional>

void TMemoryTree::Clear() { FRoot.Children.clear(); }

const TMemoryTree::TNode* TMemoryTree::NodeOrRoot(TTreeNodeRef Node) const {
    return Node ? static_cast<const TNode*>(Node) : &FRoot;
}

TTreeNodeRef TMemoryTree::AddChild(TTreeNodeRef Parent, const std::string& Caption) {
    TNode* Owner = Parent ? AsNode(Parent) : &FRoot;
    auto Node = std::make_unique<TNode>();
    Node->Caption = Caption;
    Node->Parent = Parent ? Owner : nullptr;
    Owner->Children.push_back(std::move(Node));
    return Owner->Children.back().get();
}

std::string TMemoryTree::Caption(TTreeNodeRef Node) const {
    return Node ? AsNode(Node)->Caption : std::string();
}

void TMemoryTree::SetCaption(TTreeNodeRef Node, const std::string& Caption) {
    if (Node)
        AsNode(Node)->Caption = Caption;
}

intptr_t TMemoryTree::Data(TTreeNodeRef Node) const { return Node ? AsNode(Node)->Data : 0; }

void TMemoryTree::SetData(TTreeNodeRef Node, intptr_t Data) {
    if (Node)
        AsNode(Node)->Data = Data;
}

void TMemoryTree::SetImages(TTreeNodeRef Node, int ImageIndex, int SelectedIndex) {
    if (Node) {
        AsNode(Node)->ImageIndex = ImageIndex;
        AsNode(Node)->SelectedIndex = SelectedIndex;
    }
}

int TMemoryTree::ChildCount(TTreeNodeRef Parent) const {
    return static_cast<int>(NodeOrRoot(Parent)->Children.size());
}

TTreeNodeRef TMemoryTree::Child(TTreeNodeRef Parent, int Index) const {
    const TNode* Owner = NodeOrRoot(Parent);
    if (Index < 0 || Index >= static_cast<int>(Owner->Children.size()))
        return nullptr;
    return Owner->Children[static_cast<size_t>(Index)].get();
}

TTreeNodeRef TMemoryTree::ParentOf(TTreeNodeRef Node) const {
    return Node ? AsNode(Node)->Parent : nullptr;
}

void TMemoryTree::ExpandAll() {
    std::function<void(TNode&)> Expand = [&](TNode& N) {
        N.Expanded = true;
        for (auto& C : N.Children)
            Expand(*C);
    };
    for (auto& C : FRoot.Children)
        Expand(*C);
}

std::string TMemoryTree::Dump() const {
    std::string Out;
    std::function<void(const TNode&, int)> Walk = [&](const TNode& N, int Level) {
        Out += std::string(static_cast<size_t>(Level) * 2, ' ') + N.Caption;
        if (N.Data != 0)
            Out += " [" + std::to_string(N.Data) + "]";
        Out += '\n';
        for (const auto& C : N.Children)
            Walk(*C, Level + 1);
    };
    for (const auto& C : FRoot.Children)
        Walk(*C, 0);
    return Out;
}
