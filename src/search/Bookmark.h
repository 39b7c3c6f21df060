// One bookmark of the user's list: its kind, name, description and data
// fields, the record text of the bookmark files, the bookmarks the add
// operations make, and what opening a bookmark leads to.
#pragma once

#include "data/TextUtils.h"

#include <string>

// The kind number is what the bookmark files store.
enum TBookmarkKind : int {
    bkQuranChapter = 0,
    bkQuranVerse = 1,
    bkCommentary = 2,
    bkGlossTerm = 3,
    bkSearch = 4,
    bkSearchColl = 5,
    bkHadith = 6,
};
inline constexpr int BookmarkKindCount = 7;

// Shown in the "Type" column; never stored.
extern const char* const BookmarkKindNames[BookmarkKindCount];
// How many data fields a bookmark of the kind carries; 0 for an unknown kind.
int BookmarkDataFieldCount(int Kind);
bool IsBookmarkKind(int Kind);

struct TBookmark {
    int Kind = bkCommentary;
    std::string Name;
    std::string Description;
    TStringList Data; // exactly BookmarkDataFieldCount(Kind) fields

    // Data field I (0-based); empty when there is none.
    std::string Field(size_t I) const { return I < Data.size() ? Data[I] : std::string(); }
    bool operator==(const TBookmark& Other) const {
        return Kind == Other.Kind && Name == Other.Name && Description == Other.Description &&
               Data == Other.Data;
    }
    bool operator!=(const TBookmark& Other) const { return !(*this == Other); }
};

// A text as a bookmark file can hold it: the files separate fields by "||"
// and records by line breaks, and trim every field, so a bar or a line break
// inside a text would shift the fields of its record. Both become blanks and
// the text is trimmed.
std::string BookmarkFieldText(const std::string& Text);
// The same cleaning for every text of the bookmark.
TBookmark CleanBookmark(TBookmark Bookmark);

// The record before enciphering: kind, name, description and the data
// fields, joined by "||" (a kind without data ends with "||").
std::string BookmarkRecord(const TBookmark& Bookmark);
// Reads a deciphered record; ETxError when the kind is not 0 to 6 or the
// record has fewer fields than its kind needs. Extra fields are ignored.
TBookmark ParseBookmarkRecord(const std::string& Record);

// The bookmarks the add operations make.
TBookmark MakeGlossBookmark(const std::string& Term);
// Description: the quoted search text, ", Chapter: " and the chapter number
// (restricted) or "All", ", Lang: " and the view key.
TBookmark MakeSearchBookmark(const std::string& SearchText, int Chapter, bool Restricted,
                             const std::string& ViewKey);
// GroupLinkKey: "HGROUP_" + group key + "_" + hadith number.
TBookmark MakeHadithBookmark(const std::string& GroupLinkKey);

// What "Go" opens for a bookmark.
struct TBookmarkTarget {
    enum TKind { None, GlossTerm, Search, Hadith };
    TKind Kind = None;
    std::string Text; // the term, the search text or the group key
    int Number = 0;   // the chapter of a search, the hadith number
    bool Restricted = false;
    std::string ViewKey; // searches of kind bkSearchColl only
};
TBookmarkTarget BookmarkTarget(const TBookmark& Bookmark);
