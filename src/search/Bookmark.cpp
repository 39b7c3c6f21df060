#include "search/Bookmark.h"

#include "data/TxError.h"
#include "hadith/HadithHelper.h"

const char* const BookmarkKindNames[BookmarkKindCount] = {
    "Qur'an Chapter", "Qur'an Chapter & Verse", "Commentary", "Glossary Term",
    "Hadith Search",  "Hadith Search",          "Hadith",
};

namespace {
const int DataFieldCounts[BookmarkKindCount] = {1, 1, 0, 1, 3, 4, 1};
const std::string FieldSep = "||";
} // namespace

bool IsBookmarkKind(int Kind) {
    return Kind >= 0 && Kind < BookmarkKindCount;
}

int BookmarkDataFieldCount(int Kind) {
    return IsBookmarkKind(Kind) ? DataFieldCounts[Kind] : 0;
}

std::string BookmarkFieldText(const std::string& Text) {
    std::string Result = Text;
    for (char& C : Result)
        if (C == '|' || C == '\r' || C == '\n')
            C = ' ';
    return TrimText(Result);
}

TBookmark CleanBookmark(TBookmark Bookmark) {
    Bookmark.Name = BookmarkFieldText(Bookmark.Name);
    Bookmark.Description = BookmarkFieldText(Bookmark.Description);
    for (std::string& Field : Bookmark.Data)
        Field = BookmarkFieldText(Field);
    return Bookmark;
}

std::string BookmarkRecord(const TBookmark& Bookmark) {
    std::string Record =
        std::to_string(Bookmark.Kind) + FieldSep + Bookmark.Name + FieldSep + Bookmark.Description;
    const size_t Count = static_cast<size_t>(BookmarkDataFieldCount(Bookmark.Kind));
    // A kind without data still ends its record with the separator.
    if (Count == 0)
        return Record + FieldSep;
    for (size_t i = 0; i < Count; ++i)
        Record += FieldSep + Bookmark.Field(i);
    return Record;
}

TBookmark ParseBookmarkRecord(const std::string& Record) {
    const TStringList Fields = SplitText(Record, FieldSep);
    const std::string KindText = Fields.empty() ? std::string() : Fields[0];
    int Kind = -1;
    if (!IsIntegerText(KindText) || !IsBookmarkKind(Kind = StrToInt(KindText)))
        throw ETxError("'" + KindText + "' is not a bookmark type");
    const size_t Needed = 3 + static_cast<size_t>(BookmarkDataFieldCount(Kind));
    if (Fields.size() < Needed)
        throw ETxError("A bookmark of type " + std::string(BookmarkKindNames[Kind]) + " needs " +
                       std::to_string(Needed) + " fields; the record has " +
                       std::to_string(Fields.size()));
    TBookmark Result;
    Result.Kind = Kind;
    Result.Name = Fields[1];
    Result.Description = Fields[2];
    Result.Data.assign(Fields.begin() + 3, Fields.begin() + static_cast<std::ptrdiff_t>(Needed));
    return Result;
}

TBookmark MakeGlossBookmark(const std::string& Term) {
    TBookmark B;
    B.Kind = bkGlossTerm;
    B.Name = Term;
    B.Description = std::string(BookmarkKindNames[bkGlossTerm]) + ": " + Term;
    B.Data = {Term};
    return CleanBookmark(B);
}

TBookmark MakeSearchBookmark(const std::string& SearchText, int Chapter, bool Restricted,
                             const std::string& ViewKey) {
    TBookmark B;
    B.Kind = bkSearchColl;
    B.Name = SearchText;
    B.Description = QuoteText(SearchText) +
                    ", Chapter: " + (Restricted ? std::to_string(Chapter) : std::string("All")) +
                    ", Lang: " + ViewKey;
    B.Data = {SearchText, std::to_string(Chapter), YesNoFlag(Restricted), ViewKey};
    return CleanBookmark(B);
}

TBookmark MakeHadithBookmark(const std::string& GroupLinkKey) {
    TBookmark B;
    B.Kind = bkHadith;
    B.Name = "#" + std::to_string(LinkKeyNumber(GroupLinkKey)) + "," + LinkKeyGroup(GroupLinkKey);
    B.Description = std::string(BookmarkKindNames[bkHadith]) + ": " + B.Name;
    B.Data = {GroupLinkKey};
    return CleanBookmark(B);
}

TBookmarkTarget BookmarkTarget(const TBookmark& Bookmark) {
    TBookmarkTarget T;
    switch (Bookmark.Kind) {
    case bkGlossTerm:
        T.Kind = TBookmarkTarget::GlossTerm;
        T.Text = Bookmark.Field(0);
        break;
    case bkSearch:
    case bkSearchColl:
        T.Kind = TBookmarkTarget::Search;
        T.Text = Bookmark.Field(0);
        T.Number = StrToIntDef(Bookmark.Field(1), 1);
        T.Restricted = YesNoFlag(Bookmark.Field(2));
        if (Bookmark.Kind == bkSearchColl)
            T.ViewKey = Bookmark.Field(3);
        break;
    case bkHadith:
        T.Kind = TBookmarkTarget::Hadith;
        T.Text = LinkKeyGroup(Bookmark.Field(0));
        T.Number = LinkKeyNumber(Bookmark.Field(0));
        break;
    default:
        break;
    }
    return T;
}
