// The user's bookmarks: the list in memory, which is the master copy once the
// main file has been read, and the bookmark files (the main file, its backup
// and exported files): one enciphered record a line.
#pragma once

#include "search/Bookmark.h"

#include <functional>
#include <string>
#include <vector>

inline constexpr const char* BookmarksFileName = "TxBookmarks.dbx";
inline constexpr const char* BookmarksBackupName = "Bookmarks.bak";

class TBookmarkList {
public:
    // Folder holds the main file and the backup; when empty, AppPath at the
    // time of each use.
    explicit TBookmarkList(std::string Folder = std::string());

    std::string MainFileName() const;
    std::string BackupFileName() const;
    // True for the main file under any spelling of its path and letter case.
    bool IsMainFile(const std::string& FileName) const;

    // The main file has been read (or its one reading has been tried).
    bool BookmarksLoaded() const { return FBookmarksLoaded; }
    // The main file could not be read: it is not written over until the user
    // agrees to keep it aside under another name.
    bool MainFileDamaged() const { return FMainFileDamaged; }

    int Count() const { return static_cast<int>(FItems.size()); }
    const std::vector<TBookmark>& Items() const { return FItems; }
    // ETxError for an index outside the list.
    const TBookmark& Item(int Index) const;

    // Changes in memory; the callers save. Each reads the main file first
    // when that was not done, and raises ETxError while a bookmark file is
    // being read or written (window events run meanwhile).
    void Add(const TBookmark& Bookmark);
    void Delete(int Index);
    // Returns the name as it is kept (see BookmarkFieldText).
    std::string Rename(int Index, const std::string& Name);
    // The list in a new order: Order[i] is the old index of the new item i;
    // it must name every index once.
    void Reorder(const std::vector<int>& Order);

    // Reads every record of a file; ETxError naming the file (and line) when
    // it cannot be read or a record is damaged.
    static std::vector<TBookmark> ReadBookmarkFile(const std::string& FileName);

    // Reads the main file unless that was done, then appends the records of
    // another file, all of them or, on an error, none.
    void LoadBookmarks(const std::string& FileName);
    // Writes the whole list (read first, as every operation here does),
    // replacing the file atomically; ETxError when
    // the file cannot be written (the old file is left as it was). For the
    // main file this is SaveMainFile, so the result may be false.
    bool SaveBookmarks(const std::string& FileName);

    // Reads the main file once, unless that was done: a missing file is an
    // empty list; an unreadable or damaged one raises ETxError, leaves the
    // list as it was and marks the file damaged.
    void LoadMainFile();
    // Writes the main file. Over a damaged main file the user is asked first
    // whether to keep it under DamagedKeepName(); false when the user says
    // No (nothing is written).
    bool SaveMainFile();
    // A free name beside the main file for keeping a damaged one.
    std::string DamagedKeepName() const;

    // Appends the records of another bookmark file and saves the main file.
    // The main file itself is refused with a warning message (false).
    bool ImportBookmarks(const std::string& FileName);
    void ExportBookmarks(const std::string& FileName);
    // Writes the list to the backup file, empties it and saves the main
    // file. An empty list keeps an earlier backup.
    void ClearBookmarks();

    // Called with true before and false after every reading or writing of a
    // file, also when it fails (the main window's busy state).
    std::function<void(bool Working)> OnWorking;

private:
    class TWorkingScope;
    std::string Folder() const;
    void CheckIdle() const;
    void AppendFile(const std::string& FileName);
    void WriteList(const std::string& FileName);

    std::string FFolder;
    std::vector<TBookmark> FItems;
    bool FBookmarksLoaded = false;
    bool FMainFileDamaged = false;
    int FWorking = 0;
};
