// The search window: finds the hadiths of one collection that contain a
// text, lists them, and leads on to a hadith, a search report or a search
// bookmark. The matching itself lives in search/HadithSearch.
#pragma once

#include "search/HadithSearch.h"
#include "search/SearchReport.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class THadithHelper;
class TOrvButton;
class TSchemePanel;

class TfrmSearch : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSearch(QWidget* Parent = nullptr);

    // Ways out to the rest of the program, set when the windows are wired.
    // Each may stay unset: its action is then skipped.
    std::function<void(const std::string&)> OpenCollectionLink; // "HCOLL_..." of a hadith
    std::function<void(uint8_t)> SetBusyState;                  // the main window's bsIdle ...
    std::function<void()> ShowBookmarks;
    std::function<void(const TSearchBookmarkInfo&)> AddSearchBookmark;
    std::function<void(THadithHelper*, const std::string&, const std::vector<TSearchResultEntry>&)>
        ShowSearchReport;

    // Opening the window: the preparation, then the modal showing.
    void ShowSearch();
    void ShowBookmarkedSearch(const std::string& SearchText, int Chapter, bool Restricted,
                              const std::string& ViewKey);
    void PrepareSearch();
    void PrepareBookmarkedSearch(const std::string& SearchText, int Chapter, bool Restricted,
                                 const std::string& ViewKey);

    void SelectSearchColl();
    void SetSearchBusy(bool Busy);
    // The result list as the report takes it.
    std::vector<TSearchResultEntry> Results() const;
    // The options the controls hold now.
    TSearchOptions CurrentOptions() const;
    bool Searching() const { return FSearching; }

    // Event handlers.
    void btnSearchClick();
    void btnGoToClick();
    void btnSearchRptClick();
    void btnBookmarkClick();
    void btnBookmarksClick();
    void btnCloseClick();
    void cbxLangChange();
    void chkAllClick() {}
    void cbxChapterChange() {}
    void FormShow();

    // Controls.
    TSchemePanel* spnlBanner = nullptr;
    QLabel* lblBanner = nullptr;
    QComboBox* cbxLang = nullptr;
    QCheckBox* chkAll = nullptr;
    QCheckBox* chkCase = nullptr;
    QCheckBox* chkWhole = nullptr;
    QLineEdit* txtSearch = nullptr;
    TOrvButton* btnSearch = nullptr;
    QListWidget* lbxResults = nullptr;
    QLabel* lblResults = nullptr;
    TOrvButton* btnSearchRpt = nullptr;
    TOrvButton* btnGoTo = nullptr;
    TOrvButton* btnBookmark = nullptr;
    TOrvButton* btnBookmarks = nullptr;
    TOrvButton* btnClose = nullptr;

    // Fields.
    THadithHelper* SearchColl = nullptr; // not owned
    int SearchChapter = 1;
    bool RunOnShow = false;
    bool CollMissing = false;
    std::string MissingCollLabel;

protected:
    void showEvent(QShowEvent* Event) override;

private:
    void FillCollections();
    // Selects the built-in English collection's entry, else the first one.
    void SelectDefaultCollection();

    bool FSearching = false;
};
