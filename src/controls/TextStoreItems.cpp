#include "controls/TextStoreItems.h"

const std::string TTextStoreItems::Marker = "<<\x07\x08\x06>>";

void TTextStoreItems::Add(const std::string& Title, const std::string& Text) {
    FItems.push_back({Title, Text});
}

std::string TTextStoreItems::Title(int Index) const {
    return (Index >= 0 && Index < Count()) ? FItems[Index].Title : std::string();
}

std::string TTextStoreItems::Text(int Index) const {
    return (Index >= 0 && Index < Count()) ? FItems[Index].Text : std::string();
}

std::vector<std::string> TTextStoreItems::WriteStrings() const {
    std::vector<std::string> Strings;
    Strings.reserve(FItems.size());
    for (const TTextStoreItem& Item : FItems)
        Strings.push_back(Item.Title + Marker + Item.Text);
    return Strings;
}

void TTextStoreItems::ReadStrings(const std::vector<std::string>& Strings) {
    FItems.clear();
    FItems.reserve(Strings.size());
    for (const std::string& S : Strings) {
        const size_t At = S.find(Marker);
        if (At == std::string::npos)
            FItems.push_back({"Untitled", S});
        else
            FItems.push_back({S.substr(0, At), S.substr(At + Marker.size())});
    }
}
