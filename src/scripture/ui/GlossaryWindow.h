// The glossary window: the list of terms, the page of the selected term with
// back and forward through the terms shown, glossary bookmarks, and the word
// spelling query that tells the preferred spelling of a word.
#pragma once

#include "app/HtmlHelpers.h"
#include "controls/HistoryList.h"
#include "controls/NavButton.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QSplitter;
class QStatusBar;
class TOrvButton;
class TOrvHTML;
class TSchemePanel;

class TfrmGloss : public QWidget {
    Q_OBJECT
public:
    explicit TfrmGloss(QWidget* Parent = nullptr);
    ~TfrmGloss() override;

    // Shows the window in front, ready for a word in txtTerm.
    void ShowGlossary();
    // Shows the window with the spelling query open, ready for a word.
    void ShowWordQuery();
    // Link colour of the term pages (and of their heading).
    void SetLinkColour(const TColour& Colour);
    // Shows Word's term (ignoring "'s" and a plural s) and records it in the
    // history; false, and nothing shown, when Word is no term.
    bool ShowTerm(const std::string& Word, bool ShowWindow);
    void ShowSelectedTerm(bool WithoutHistory);

    TOrvHistoryList History;
    TColour LinkColour;
    // lblPrefSpelling's mark: the last query found the word spelt correctly.
    bool PrefSpellingConfirmed = false;

    // Where the window sends what it does not handle itself. When unset, the
    // program's main and bookmarks windows (FormBases.h) are used.
    std::function<void(const std::string& Link)> ProcessLink;
    std::function<void(const std::string& Term)> AddGlossBookmark;
    std::function<void()> ShowBookmarks;

    // Controls, named as the program names them.
    TSchemePanel* spnlName = nullptr;
    QLabel* lblWinName = nullptr;
    QLineEdit* txtTerm = nullptr;
    TOrvButton* btnLookUp = nullptr;
    TOrvButton* btnBookmark = nullptr;
    TOrvButton* btnBookmarks = nullptr;
    TOrvButton* btnBack = nullptr;
    TOrvButton* btnForward = nullptr;
    TOrvButton* btnWordQuery = nullptr;
    QSplitter* Splitter = nullptr;
    QListWidget* lbxTerms = nullptr;
    TOrvHTML* Browser = nullptr;
    QWidget* pnlWordQuery = nullptr;
    QLineEdit* txtTerm2 = nullptr;
    TOrvButton* btnProperSpelling = nullptr;
    QCheckBox* chkCloseWordQry = nullptr;
    QLabel* lblPrefSpelling = nullptr;
    QMenu* pmnuWQuery = nullptr;
    QAction* pmnuiCopyPrefSpelling = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* StatusPanel = nullptr;

    // Event handlers.
    void FormShow();
    void txtTermKeyUp();
    void btnLookUpClick() { ShowSelectedTerm(false); }
    void lbxTermsClick() { ShowSelectedTerm(false); }
    void btnBackClick();
    void btnForwardClick();
    void btnBookmarkClick();
    void btnBookmarksClick();
    void btnWordQueryClick();
    void chkCloseWordQryClick();
    void btnProperSpellingClick();
    void pmnuiCopyPrefSpellingClick();
    void BrowserHotSpotClick(const std::string& Target);
    // Whether lblPrefSpelling offers pmnuWQuery on a right click.
    bool PrefSpellingHasPopup() const { return FPrefSpellingPopup; }

protected:
    void showEvent(QShowEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // A window button as the history's cursor sees it.
    class TNavWidget : public TNavButton {
    public:
        explicit TNavWidget(QWidget* Widget) : FWidget(Widget) {}
        void SetEnabled(bool Enabled) override;

    private:
        QWidget* FWidget;
    };

    void BuildControls();
    void SetDefaultButton(TOrvButton* Default);
    void SelectTerm(int Index);
    void FillTermList();
    // After a step through History: the term at its position, if still one.
    void ShowHistoryTerm();

    std::unique_ptr<TNavWidget> FBackNav;
    std::unique_ptr<TNavWidget> FForwardNav;
    bool FSelectingByCode = false;
    bool FPrefSpellingPopup = true;
    int FKeyRow = -1;
};
