// The search report window: one page with every hadith a search found, each
// occurrence of the search text highlighted; a click on a hadith's link
// opens it in the main window and closes this and the search window. The
// page itself is built by search/SearchReport.
#pragma once

#include "data/TextUtils.h"
#include "search/SearchReport.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QTimer;
class THadithHelper;
class TOrvButton;
class TOrvWebBrowser;
class TSchemePanel;

class TfrmSearchReportDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSearchReportDlg(QWidget* Parent = nullptr);

    // Ways out to the rest of the program, set when the windows are wired.
    std::function<void(const std::string&)> OpenCollectionLink;
    std::function<void(uint8_t)> SetBusyState;
    std::function<void()> CloseSearchWindow;

    // Builds the page and loads it (PrepareSearchReport), then shows the
    // window modally.
    void ShowSearchReport(const THadithHelper& Collection, const std::string& SearchText,
                          const std::vector<TSearchResultEntry>& Results);
    void PrepareSearchReport(const THadithHelper& Collection, const std::string& SearchText,
                             const std::vector<TSearchResultEntry>& Results);

    // Event handlers.
    void FormShow();
    void tmrShowTimer();
    void BrowserBeforeNavigate2(const std::string& Address);
    void OrvButton1Click();

    std::string ReportText() const { return LinesToText(ReportLines); }

    // Controls.
    QWidget* pnlStrip = nullptr;
    TSchemePanel* spnlBanner = nullptr;
    QLabel* lblSrchReport = nullptr;
    QWidget* pnlGap = nullptr;
    TOrvWebBrowser* Browser = nullptr;
    QWidget* pnlBottom = nullptr;
    TOrvButton* OrvButton1 = nullptr;
    QTimer* tmrShow = nullptr;

    // Fields.
    TStringList ReportLines;
    bool ReportLoaded = false;

protected:
    void showEvent(QShowEvent* Event) override;
};
