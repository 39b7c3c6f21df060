#include "search/BookmarkList.h"

#include "app/AppGlobals.h"
#include "app/Shell.h"
#include "data/LineCipher.h"
#include "data/TxError.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

// Reports the start and the end of a file operation, also when it fails, and
// blocks changes to the list while window events run in between.
class TBookmarkList::TWorkingScope {
public:
    explicit TWorkingScope(TBookmarkList& List) : FList(List) {
        if (FList.FWorking++ == 0 && FList.OnWorking)
            FList.OnWorking(true);
    }
    ~TWorkingScope() {
        if (--FList.FWorking == 0 && FList.OnWorking)
            FList.OnWorking(false);
    }
    TWorkingScope(const TWorkingScope&) = delete;
    TWorkingScope& operator=(const TWorkingScope&) = delete;

private:
    TBookmarkList& FList;
};

namespace {

// The path as the file system resolves it, so "./", ".." and links name
// the same file as the plain path does.
std::string FullFileName(const std::string& FileName) {
    std::error_code Ec;
    fs::path P = fs::absolute(fs::path(FileName), Ec);
    if (Ec)
        P = fs::path(FileName);
    const fs::path Canonical = fs::weakly_canonical(P, Ec);
    return (Ec ? P.lexically_normal() : Canonical).string();
}

bool PathExists(const std::string& FileName) {
    std::error_code Ec;
    return fs::exists(fs::path(FileName), Ec) || Ec;
}

} // namespace

TBookmarkList::TBookmarkList(std::string Folder) : FFolder(std::move(Folder)) {}

std::string TBookmarkList::Folder() const {
    std::string Result = FFolder.empty() ? AppPath : FFolder;
    if (!Result.empty() && Result.back() != '/')
        Result += '/';
    return Result;
}

std::string TBookmarkList::MainFileName() const {
    return Folder() + BookmarksFileName;
}

std::string TBookmarkList::BackupFileName() const {
    return Folder() + BookmarksBackupName;
}

bool TBookmarkList::IsMainFile(const std::string& FileName) const {
    return UpperCaseAscii(FullFileName(FileName)) == UpperCaseAscii(FullFileName(MainFileName()));
}

const TBookmark& TBookmarkList::Item(int Index) const {
    if (Index < 0 || Index >= Count())
        throw ETxError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[static_cast<size_t>(Index)];
}

void TBookmarkList::CheckIdle() const {
    if (FWorking > 0)
        throw ETxError("The bookmarks are being read or written; please try again.");
}

void TBookmarkList::Add(const TBookmark& Bookmark) {
    CheckIdle();
    LoadMainFile();
    FItems.push_back(Bookmark);
}

void TBookmarkList::Delete(int Index) {
    CheckIdle();
    LoadMainFile();
    Item(Index);
    FItems.erase(FItems.begin() + Index);
}

std::string TBookmarkList::Rename(int Index, const std::string& Name) {
    CheckIdle();
    LoadMainFile();
    Item(Index);
    TBookmark& B = FItems[static_cast<size_t>(Index)];
    B.Name = BookmarkFieldText(Name);
    return B.Name;
}

void TBookmarkList::Reorder(const std::vector<int>& Order) {
    CheckIdle();
    LoadMainFile();
    if (Order.size() != FItems.size())
        throw ETxError("The new order of the bookmarks does not match the list");
    std::vector<bool> Seen(FItems.size(), false);
    std::vector<TBookmark> Sorted;
    Sorted.reserve(FItems.size());
    for (int Old : Order) {
        if (Old < 0 || Old >= Count() || Seen[static_cast<size_t>(Old)])
            throw ETxError("The new order of the bookmarks does not match the list");
        Seen[static_cast<size_t>(Old)] = true;
        Sorted.push_back(FItems[static_cast<size_t>(Old)]);
    }
    FItems = std::move(Sorted);
}

std::vector<TBookmark> TBookmarkList::ReadBookmarkFile(const std::string& FileName) {
    std::string Text;
    if (!LoadFileText(FileName, Text))
        throw ETxError("Cannot open file \"" + FileName + "\".");
    const TStringList Lines = TextToLines(Text);
    std::vector<TBookmark> Result;
    Result.reserve(Lines.size());
    for (size_t n = 0; n < Lines.size(); ++n) {
        Shell().ProcessEvents();
        try {
            Result.push_back(ParseBookmarkRecord(DecodeLine(Lines[n], static_cast<int>(n))));
        } catch (const ETxError& E) {
            throw ETxError("The bookmarks file \"" + FileName + "\" is damaged (line " +
                           std::to_string(n + 1) + "): " + E.what());
        }
    }
    return Result;
}

void TBookmarkList::LoadBookmarks(const std::string& FileName) {
    CheckIdle();
    // Records of another file go after the listed ones; the main file is read
    // only once.
    LoadMainFile();
    if (!IsMainFile(FileName))
        AppendFile(FileName);
}

void TBookmarkList::AppendFile(const std::string& FileName) {
    std::vector<TBookmark> Read;
    {
        TWorkingScope Working(*this);
        Read = ReadBookmarkFile(FileName);
    }
    FItems.insert(FItems.end(), Read.begin(), Read.end());
}

void TBookmarkList::WriteList(const std::string& FileName) {
    CheckIdle();
    TWorkingScope Working(*this);
    TStringList Lines;
    Lines.reserve(FItems.size());
    for (size_t i = 0; i < FItems.size(); ++i) {
        Shell().ProcessEvents();
        Lines.push_back(EncodeLine(BookmarkRecord(FItems[i]), static_cast<int>(i)));
    }
    if (!SaveTextToFileAtomic(LinesToText(Lines), FileName))
        throw ETxError("Cannot create file \"" + FileName + "\".");
}

bool TBookmarkList::SaveBookmarks(const std::string& FileName) {
    if (IsMainFile(FileName))
        return SaveMainFile();
    LoadMainFile();
    WriteList(FileName);
    return true;
}

void TBookmarkList::LoadMainFile() {
    if (FBookmarksLoaded)
        return;
    CheckIdle();
    const std::string Main = MainFileName();
    // One reading a run: a second one after a failure could add the records
    // read meanwhile twice.
    FBookmarksLoaded = true;
    if (!PathExists(Main))
        return;
    try {
        AppendFile(Main);
    } catch (...) {
        FMainFileDamaged = true;
        throw;
    }
}

std::string TBookmarkList::DamagedKeepName() const {
    const std::string Stem = Folder() + "TxBookmarks";
    std::string Name = Stem + ".bad";
    for (int i = 1; PathExists(Name); ++i)
        Name = Stem + std::to_string(i) + ".bad";
    return Name;
}

bool TBookmarkList::SaveMainFile() {
    // Records never read would be lost by writing the file.
    LoadMainFile();
    const std::string Main = MainFileName();
    if (FMainFileDamaged && PathExists(Main)) {
        const std::string Keep = DamagedKeepName();
        const std::string KeepName = fs::path(Keep).filename().string();
        const int Answer =
            ShowMsgDlg(mkWarning, MsgHeightMedium, true, "Your Bookmarks file is damaged!",
                       "Your bookmarks file could not be read, so it has not been changed.\r\n\r\n"
                       "Do you want to keep it as \"" +
                           KeepName +
                           "\" and save your bookmarks in a new file?\r\n\r\n"
                           "If not, the changes you make stay only until Tarvix ends.",
                       mbsYesNo);
        if (Answer != mrYes)
            return false;
        if (std::rename(Main.c_str(), Keep.c_str()) != 0)
            throw ETxError("Cannot rename file \"" + Main + "\" to \"" + Keep + "\".");
    }
    FMainFileDamaged = false;
    WriteList(Main);
    return true;
}

bool TBookmarkList::ImportBookmarks(const std::string& FileName) {
    if (IsMainFile(FileName)) {
        ShowMsgDlg(mkWarning, MsgHeightSmall, true, "You can't import your own collection!",
                   "The file you selected for import contains your main collection of "
                   "bookmarks.\r\n\r\nYou cannot import from your main collection into your main "
                   "collection!",
                   mbsOK);
        return false;
    }
    LoadBookmarks(FileName);
    SaveMainFile();
    return true;
}

void TBookmarkList::ExportBookmarks(const std::string& FileName) {
    SaveBookmarks(FileName);
}

void TBookmarkList::ClearBookmarks() {
    LoadMainFile();
    CheckIdle();
    // Clearing an empty list twice must not wipe the backup of the first time.
    if (!FItems.empty())
        WriteList(BackupFileName());
    FItems.clear();
    SaveMainFile();
}
