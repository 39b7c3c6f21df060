// The items of a text store: an ordered array of title and text pairs, and
// their stored form, one string per item with a marker between the two.
#pragma once

#include <string>
#include <vector>

struct TTextStoreItem {
    std::string Title;
    std::string Text;
    bool operator==(const TTextStoreItem& Other) const {
        return Title == Other.Title && Text == Other.Text;
    }
};

class TTextStoreItems {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    void Assign(const TTextStoreItems& Source) { FItems = Source.FItems; }
    void Clear() { FItems.clear(); }
    void Add(const std::string& Title, const std::string& Text);
    // Out-of-range indexes give empty texts.
    std::string Title(int Index) const;
    std::string Text(int Index) const;
    std::vector<TTextStoreItem>& Items() { return FItems; }
    const std::vector<TTextStoreItem>& Items() const { return FItems; }

    // Stored form: title + Marker + text. Reading splits at the first marker;
    // a string without it is an "Untitled" item holding the whole string.
    std::vector<std::string> WriteStrings() const;
    void ReadStrings(const std::vector<std::string>& Strings);

    static const std::string Marker; // "<<" + codes 7, 8, 6 + ">>"

private:
    std::vector<TTextStoreItem> FItems;
};
