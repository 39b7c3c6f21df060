// What the models need of a tree view: the Qt tree widgets implement it, and
// TMemoryTree keeps a tree in memory for tests and the command-line tool.
#pragma once

#include <cstdint>
#include <string>

// Opaque node handle; nullptr stands for "no node" (or the invisible root as a parent).
using TTreeNodeRef = void*;

class TTreeAccess {
public:
    virtual ~TTreeAccess() = default;

    virtual void Clear() = 0;
    // Appends a node under Parent (nullptr: a top-level node).
    virtual TTreeNodeRef AddChild(TTreeNodeRef Parent, const std::string& Caption) = 0;

    virtual std::string Caption(TTreeNodeRef Node) const = 0;
    virtual void SetCaption(TTreeNodeRef Node, const std::string& Caption) = 0;
    virtual intptr_t Data(TTreeNodeRef Node) const = 0;
    virtual void SetData(TTreeNodeRef Node, intptr_t Data) = 0;
    virtual void SetImages(TTreeNodeRef Node, int ImageIndex, int SelectedIndex) = 0;

    // Children of Parent (nullptr: the top-level nodes), in order.
    virtual int ChildCount(TTreeNodeRef Parent) const = 0;
    virtual TTreeNodeRef Child(TTreeNodeRef Parent, int Index) const = 0;
    virtual TTreeNodeRef ParentOf(TTreeNodeRef Node) const = 0;

    virtual void ExpandAll() = 0;
    // Brackets a large change so a view repaints once.
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}
};
