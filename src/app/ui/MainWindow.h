// The main window: the category tree and the page view, the Active View
// list, jumping by number, category counts and the collections manager.
#pragma once

#include "app/Prefs.h"
#include "app/ui/FormBases.h"
#include "app/ui/OrvWebBrowser.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/OrvListView.h"
#include "controls/ui/OrvTreeView.h"
#include "controls/ui/OrvURLLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

class THadithHelper;
class TQuranDLLHelper;
class TAppVerify;
class TQRemoteAudio;
class THttpClient;
class TGlossaryHelper;
class TCategoryReportList;
class TStatusIcon;

// Windows the main window opens; the program entry fills these in, tests may
// replace them.
struct TMainWindowLinks {
    std::function<void()> ShowSearch;
    std::function<void()> ShowBookmarks;
    std::function<void()> ShowGlossary;
    std::function<void()> ShowWordQuery;
    std::function<void()> ShowTips;
    std::function<void()> ShowAssistant;
    std::function<void()> ShowPrefs;
    std::function<void()> ShowRemoteAudio;
    std::function<void()> ShowVerifyWindow;
    std::function<void()> ShowVerifyWindowAuto;
    std::function<void()> ShowAbout;
    std::function<void()> ShowNews;
    std::function<void()> ShowNewsIfConnected;
    std::function<void()> ShowBadCollections;
    std::function<void()> ShowMissingFonts;
    std::function<void()> CheckRequiredFonts;
    std::function<void(const std::string&)> AddHadithBookmark;
    std::function<void(const std::string&, bool)> ShowTerm;
    std::function<std::string()> ChooseCollectionFile;
    std::function<void()> HideInitWindow;
    std::function<void(bool)> SetInitLoadingMode;
    // The parts of applying settings that concern other windows (glossary
    // link colour, news window, recitation module).
    std::function<void(const TTxPrefs&)> ApplyPrefsToOthers;
    // Opens a fetched recitation file with the desktop's player.
    std::function<bool(const std::string&)> OpenFile;
};

class TfrmMain : public TfrmMainBase {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* Parent = nullptr);
    ~TfrmMain() override;

    TMainWindowLinks Links;

    // Creation of the content modules (the window's creation sequence) and
    // the first showing's loading. The program entry calls FormCreate right
    // after constructing the window; FormShow runs on the first show event.
    void FormCreate();
    void FormShow();
    void FormDestroy();

    void ProcessLink(const std::string& Link) override;
    void SetBusyState(uint8_t State) override;
    uint8_t BusyIcon() const { return FBusyIcon; }
    void DisableUI(bool Flag);

    void ShowCurrentPage();
    void ShowWelcome();
    void ShowHadith(int N);
    void ShowMainDoc(const std::string& Key);
    void ShowClassificationHelp(const std::string& Code);
    void ShowGroupHadith(const std::string& Group, int N);
    void OpenCollectionLink(const std::string& Link);
    void OpenCategoryInCollection(const std::string& Name, const std::string& Category);
    void ChangeActiveView(const std::string& Key);
    void FillActiveViewList();
    void ShowCounts();
    void HideCounts();
    void ShowCollectionsManager();
    void UpdateCommands();
    TTreeNodeRef ByNumberNode();
    // Applies a settings record to the windows.
    void ApplyPrefs(const TTxPrefs& P);
    // Wallpaper picture resource of a scheme number.
    static QString WallpaperOf(int Scheme);
    // The session is ending (log-off or shutdown): asks whether the program
    // may end; true when it may.
    bool QueryEndSession();

    // Controls, named as the program names them.
    QMenuBar* mnuMain = nullptr;
    QAction* mnuiExit = nullptr;
    QAction* mnuiSearch = nullptr;
    QAction* mnuiGlossary = nullptr;
    QAction* mnuiBookmarks = nullptr;
    QAction* mnuiTips = nullptr;
    QAction* mnuiCollsMan = nullptr;
    QAction* mnuiAssistant = nullptr;
    QAction* mnuiPrefs = nullptr;
    QAction* mnuiRemoteAudio = nullptr;
    QAction* mnuiVerify = nullptr;
    QAction* mnuiAbout = nullptr;
    QAction* mnuiWebSite = nullptr;
    QAction* mnuiNews = nullptr;
    QMenu* mnuTools = nullptr;
    QMenu* mnuLanguages = nullptr;
    QMenu* mnuOptions = nullptr;
    QWidget* spnlMain = nullptr;
    QStackedWidget* pagesMain = nullptr;
    QWidget* tabHadith = nullptr;
    QWidget* tabColls = nullptr;
    QWidget* pnlNav = nullptr;
    QSpinBox* spnHadithNo = nullptr;
    TOrvButton* btnGo = nullptr;
    TOrvButton* btnBookmark = nullptr;
    TOrvButton* btnBookmarks = nullptr;
    TOrvTreeView* trvHadithCat = nullptr;
    QWidget* spnlName = nullptr;
    QLabel* lblInfo1 = nullptr;
    QLabel* lblInfo2 = nullptr;
    TOrvWebBrowser* Browser = nullptr;
    QWidget* pnlDisplay = nullptr;
    QComboBox* cbxHColls = nullptr;
    TOrvButton* btnShowHCatCount = nullptr;
    TOrvButton* btnHideHCatCount = nullptr;
    QCheckBox* chkAutoCount = nullptr;
    TOrvTreeView* trvColls = nullptr;
    QLabel* lblCollInfo = nullptr;
    TOrvButton* btnHadith4 = nullptr;
    TOrvButton* OrvButton1 = nullptr;
    TOrvButton* OrvButton3 = nullptr;
    QStackedWidget* pagesHColl = nullptr;
    QWidget* tabHCollGroup = nullptr;
    QWidget* tabHColl = nullptr;
    QLabel* lblCollGroupName = nullptr;
    QLabel* lblCollName = nullptr;
    QLabel* lblCollTranslator = nullptr;
    QLabel* lblCollSearch = nullptr;
    QLabel* lblCollHCount = nullptr;
    QLabel* lblCollDesc = nullptr;
    TOrvListView* lsvHCollHCatReport = nullptr;
    TOrvURLLabel* WebAddress = nullptr;
    TOrvButton* btnHCollHCatReport = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* StatusText = nullptr;
    QLabel* imgBismillah2 = nullptr;
    QTimer* tmrStartUp = nullptr;
    QTimer* tmrStartUp2 = nullptr;

    // State of the reading.
    bool Starting = false;
    int CurrentHadith = 1;
    bool HadithPageShown = false;
    int ByNumberNodeIndex = -1;

    std::unique_ptr<TQuranDLLHelper> ArabicScripture;
    std::unique_ptr<TQuranDLLHelper> EnglishScripture;
    THadithHelper* ArabicCollection = nullptr;
    THadithHelper* EnglishCollection = nullptr;
    std::unique_ptr<TAppVerify> AppVerify;
    std::unique_ptr<TQRemoteAudio> RemoteAudio;
    std::unique_ptr<THttpClient> HttpClient;

    // Event handlers.
    void trvHadithCatChange();
    void cbxHCollsChange();
    void btnGoClick();
    void btnBookmarkClick();
    void btnShowHCatCountClick() { ShowCounts(); }
    void btnHideHCatCountClick() { HideCounts(); }
    void trvCollsChange();
    void btnHCollHCatReportClick();
    void lsvHCollHCatReportDblClick();
    void btnHadith4Click();
    void OrvButton1Click();
    void tmrStartUpTimer();
    void tmrStartUp2Timer();

protected:
    void showEvent(QShowEvent* Event) override;
    // Closing the main window ends the program, whatever other windows show.
    void closeEvent(QCloseEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void BuildControls();
    void BuildMenu();
    QWidget* BuildHadithPage();
    QWidget* BuildCollectionsPage();
    void SetInfo(const QString& Caption, const QString& Info1, const QString& Info2,
                 const QString& Status);
    void ConnectTreeChange(bool Connected);
    void ShowPageHtml(const std::string& Html);

    uint8_t FBusyIcon = 0;
    bool FShown = false;
    bool FTreeChangeConnected = false;
    QMetaObject::Connection FTreeChange;
    TStatusIcon* FStatusIcon = nullptr;
};
