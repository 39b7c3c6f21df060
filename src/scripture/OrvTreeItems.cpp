// The tree item store.
#include "scripture/OrvTreeItems.h"

#include "data/TxError.h"

#include <algorithm>

std::unique_ptr<TOrvStrObj> TOrvDataObjManager::CreateDataObject(const std::string& DataText) {
    if (CreateDataObjects && !DataText.empty())
        return std::make_unique<TOrvStrObj>(DataText);
    return nullptr;
}

int TOrvTreeItem::Level() const {
    int Result = 0;
    for (const TOrvTreeItem* P = Parent; P; P = P->Parent)
        ++Result;
    return Result;
}

void TOrvTreeItem::AddChild(TOrvTreeItem* Child) {
    if (!Child || Child->Owner != Owner)
        return;
    // An item under itself would make every walk through the tree endless.
    for (const TOrvTreeItem* P = this; P; P = P->Parent)
        if (P == Child)
            return;
    if (Child->Parent) {
        auto& Siblings = Child->Parent->Children;
        Siblings.erase(std::find(Siblings.begin(), Siblings.end(), Child));
    }
    Child->Parent = this;
    Children.push_back(Child);
}

TOrvTreeItem* TOrvTreeItem::Child(int Index) const {
    if (Index < 0 || Index >= ChildCount())
        return nullptr;
    return Children[static_cast<size_t>(Index)];
}

int TOrvTreeItem::IndexOfChild(const TOrvTreeItem* Child) const {
    for (size_t I = 0; I < Children.size(); ++I)
        if (Children[I] == Child)
            return static_cast<int>(I);
    return -1;
}

TOrvTreeItem* TOrvTreeItem::FirstChild() const {
    return Children.empty() ? nullptr : Children[0];
}

TOrvTreeItem* TOrvTreeItem::NextSibling() const {
    if (Parent)
        return Parent->Child(Parent->IndexOfChild(this) + 1);
    if (!Owner)
        return nullptr;
    const auto& Items = Owner->FItems;
    for (size_t I = FListIndex + 1; I < Items.size(); ++I)
        if (!Items[I]->Parent)
            return Items[I].get();
    return nullptr;
}

TOrvTreeItem* TOrvTreeItem::NextItem() const {
    if (TOrvTreeItem* First = FirstChild())
        return First;
    for (const TOrvTreeItem* P = this; P; P = P->Parent)
        if (TOrvTreeItem* Next = P->NextSibling())
            return Next;
    return nullptr;
}

TOrvTreeItem* TOrvTreeItems::Item(int Index) const {
    if (Index < 0 || Index >= Count())
        return nullptr;
    return FItems[static_cast<size_t>(Index)].get();
}

TOrvTreeItem* TOrvTreeItems::FirstItem() const {
    return Item(0);
}

int TOrvTreeItems::IndexOf(const TOrvTreeItem* Item) const {
    if (!Item || Item->Owner != this || Item->FListIndex >= FItems.size() ||
        FItems[Item->FListIndex].get() != Item)
        return -1;
    return static_cast<int>(Item->FListIndex);
}

void TOrvTreeItems::Clear() {
    FItems.clear();
}

TOrvTreeItem* TOrvTreeItems::Add(TOrvTreeItem* Parent, const std::string& Text,
                                 std::unique_ptr<TOrvStrObj> Data) {
    auto Item = std::make_unique<TOrvTreeItem>(this, Text, std::move(Data));
    Item->FListIndex = FItems.size();
    TOrvTreeItem* Result = Item.get();
    FItems.push_back(std::move(Item));
    if (Parent)
        Parent->AddChild(Result);
    return Result;
}

void TOrvTreeItems::SaveToStrings(TStringList* Strings, bool ClearFirst) {
    if (!Strings)
        return;
    if (ClearFirst)
        Strings->clear();
    int Number = 0;
    for (TOrvTreeItem* Item = FirstItem(); Item; Item = Item->NextItem()) {
        std::string Line(static_cast<size_t>(Item->Level()), ' ');
        Line += Item->Text;
        if (Item->Data)
            Line += "\t" + Item->Data->Text;
        if (OnLine)
            OnLine(this, Line, Number, true);
        Strings->push_back(Line);
        ++Number;
    }
}

void TOrvTreeItems::LoadFromStrings(const TStringList& Strings) {
    Clear();
    TOrvTreeItem* Previous = nullptr;
    for (size_t I = 0; I < Strings.size(); ++I) {
        std::string Line = Strings[I];
        if (OnLine)
            OnLine(this, Line, static_cast<int>(I), false);
        const size_t Indent = Line.find_first_not_of("\t ");
        const int Level = static_cast<int>(Indent == std::string::npos ? Line.size() : Indent);
        const std::string Rest = Line.substr(static_cast<size_t>(Level));
        const std::string DataText = TextAfter(Rest, "\t");
        const std::string Text = ContainsText("\t", Rest) ? TextBefore(Rest, "\t") : Rest;

        TOrvTreeItem* Parent = nullptr;
        if (Previous) {
            const int PrevLevel = Previous->Level();
            if (Level == PrevLevel) {
                Parent = Previous->Parent;
            } else if (Level == PrevLevel + 1) {
                Parent = Previous;
            } else if (Level < PrevLevel) {
                TOrvTreeItem* A = Previous->Parent;
                while (A && A->Level() > Level)
                    A = A->Parent;
                Parent = A ? A->Parent : nullptr;
            } else {
                throw ETxError("Invalid Node Level");
            }
        }
        Previous = Add(Parent, Text, CreateDataObject(DataText));
    }
}
