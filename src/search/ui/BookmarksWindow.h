// The bookmarks window: the user's hadith, search and glossary bookmarks in a
// list that can be opened, renamed in place, deleted, exported, imported and
// cleared. The list and its files are kept by TBookmarkList; every change
// rewrites the main file.
#pragma once

#include "app/ui/FormBases.h"
#include "search/BookmarkList.h"

#include <QTimer>

#include <functional>
#include <string>

class QLabel;
class TOrvButton;
class TOrvListView;
class TSchemePanel;

class TfrmBookmarks : public TfrmBookmarksBase {
    Q_OBJECT
public:
    explicit TfrmBookmarks(QWidget* Parent = nullptr);

    // The add operations read the main file first when that was not done,
    // append the bookmark, save the main file and report it.
    void AddGlossBookmark(const std::string& Term) override;
    void AddSearchBookmark(const std::string& SearchText, int Chapter, bool Restricted,
                           const std::string& ViewKey);
    // GroupLinkKey: "HGROUP_" + group key + "_" + hadith number.
    void AddHadithBookmark(const std::string& GroupLinkKey);

    // Opens the selected bookmark in the window of its kind.
    void GoToBookmark();
    // Asks, then deletes the selected bookmark; the main file is saved either way.
    void DeleteBookmark();
    void UpdateBookmarkButtons();

    bool BookmarksLoaded() const { return FBookmarks.BookmarksLoaded(); }
    const TBookmarkList& Bookmarks() const { return FBookmarks; }

    // The other windows this one reaches, set by the program.
    // The main window's operation: shows hadith N of a collection group.
    std::function<void(const std::string& Group, int N)> ShowGroupHadith;
    // The search window's operation; ViewKey is empty for a bookmark without one.
    std::function<void(const std::string& SearchText, int Chapter, bool Restricted,
                       const std::string& ViewKey)>
        ShowBookmarkedSearch;
    // The glossary window's operation: shows the window with the term.
    std::function<void(const std::string& Term)> ShowTerm;
    // The main window's busy state (bsWorking while a file is read or written).
    std::function<void(uint8_t State)> SetBusyState;
    // The file dialogs; an empty name means the user cancelled. Tests
    // replace them.
    std::function<std::string()> ChooseImportFile;
    std::function<std::string()> ChooseExportFile;

    TSchemePanel* spnlBanner = nullptr;
    QLabel* lblBanner = nullptr;
    TOrvListView* lsvBookmarks = nullptr;
    TOrvButton* btnGo = nullptr;
    TOrvButton* btnDelete = nullptr;
    TOrvButton* btnImport = nullptr;
    TOrvButton* btnExport = nullptr;
    TOrvButton* btnClearAll = nullptr;

    // Ms after a click on the selected bookmark before its name opens for
    // editing, so a double-click can still open the bookmark instead.
    static int EditDelayMs();

public slots:
    void btnImportClick();
    void btnExportClick();
    void btnClearAllClick();
    void btnDeleteClick() { DeleteBookmark(); }

protected:
    void showEvent(QShowEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void FormCreate();
    void FormShow();
    void AddAndReport(const TBookmark& Bookmark);
    // Shows the list again; Selected is the index to select (-1: none).
    void RefreshList(int Selected);
    void lsvBookmarksEdited(int Index, const QString& NewCaption);
    void lsvBookmarksColumnClick();
    std::string RunFileDialog(bool Save);

    TBookmarkList FBookmarks;
    QTimer FEditTimer;
    int FEditIndex = -1;
    bool FPressOnSelected = false;
};
