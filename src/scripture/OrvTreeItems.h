// The tree item store: a tree of text items that reads and writes itself as
// indented text lines (one blank per level; tabs and blanks both count when
// reading), an item's data text after a tab. An event may rewrite each line
// on its way in or out (the enciphered files of TBasicTreeManager).
#pragma once

#include "data/TextUtils.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// An item's data: one string.
class TOrvStrObj {
public:
    explicit TOrvStrObj(std::string AText) : Text(std::move(AText)) {}
    virtual ~TOrvStrObj() = default;
    std::string Text;
};

class TOrvDataObjManager {
public:
    virtual ~TOrvDataObjManager() = default;

    bool CreateDataObjects = false;
    // Called for every line written (Encode true) or read (Encode false);
    // may replace the line.
    std::function<void(TOrvDataObjManager* Sender, std::string& Line, int LineIndex, bool Encode)>
        OnLine;

    // A data object for DataText when CreateDataObjects is set and the text
    // is not empty, else none.
    virtual std::unique_ptr<TOrvStrObj> CreateDataObject(const std::string& DataText);
};

class TOrvTreeItems;

class TOrvTreeItem {
public:
    TOrvTreeItem(TOrvTreeItems* AOwner, std::string AText, std::unique_ptr<TOrvStrObj> AData)
        : Owner(AOwner), Text(std::move(AText)), Data(std::move(AData)) {}

    TOrvTreeItems* Owner;
    TOrvTreeItem* Parent = nullptr;
    std::string Text;
    std::unique_ptr<TOrvStrObj> Data;
    std::vector<TOrvTreeItem*> Children; // in order of addition; owned by the store

    int Level() const;
    // Moves Child here from its former parent; ignored for an item of another
    // store, this item itself or one of its ancestors.
    void AddChild(TOrvTreeItem* Child);
    int ChildCount() const { return static_cast<int>(Children.size()); }
    TOrvTreeItem* Child(int Index) const; // nullptr outside the range
    int IndexOfChild(const TOrvTreeItem* Child) const;
    TOrvTreeItem* FirstChild() const;
    TOrvTreeItem* NextSibling() const;
    // Depth-first successor; nullptr at the end.
    TOrvTreeItem* NextItem() const;

private:
    friend class TOrvTreeItems;
    size_t FListIndex = 0; // position in the store's list
};

class TOrvTreeItems : public TOrvDataObjManager {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TOrvTreeItem* Item(int Index) const; // nullptr outside the range
    TOrvTreeItem* FirstItem() const;
    int IndexOf(const TOrvTreeItem* Item) const;
    void Clear();
    // Appends a new item to the list, as a child of Parent or as a root item.
    TOrvTreeItem* Add(TOrvTreeItem* Parent, const std::string& Text,
                      std::unique_ptr<TOrvStrObj> Data = nullptr);

    virtual void SaveToStrings(TStringList* Strings, bool ClearFirst);
    // ETxError "Invalid Node Level" for a line more than one level deeper than
    // the one before; the items placed before the error remain.
    virtual void LoadFromStrings(const TStringList& Strings);

private:
    friend class TOrvTreeItem;
    std::vector<std::unique_ptr<TOrvTreeItem>> FItems;
};
