#include "app/ui/MainWindow.h"

#include "app/AppGlobals.h"
#include "app/HtmlHelpers.h"
#include "app/LinkCommands.h"
#include "app/PageBuilder.h"
#include "app/Prefs.h"
#include "app/Shell.h"
#include "app/ui/TarvixApplication.h"
#include "controls/TreeHelpers.h"
#include "controls/ui/OrvMainMenuStyle.h"
#include "data/TextUtils.h"
#include "data/TxError.h"
#include "data/Verification.h"
#include "hadith/CategoryFillers.h"
#include "hadith/CategoryHelper.h"
#include "hadith/Classification.h"
#include "hadith/CollectionManager.h"
#include "hadith/HadithHelper.h"
#include "online/HttpClient.h"
#include "online/RemoteAudio.h"
#include "scripture/GlossaryHelper.h"
#include "scripture/MainDocManager.h"
#include "scripture/QuranDLLHelper.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSessionManager>
#include <QSplitter>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

// The status bar's first panel: the busy icon, drawn by hand.
class TStatusIcon : public QWidget {
public:
    explicit TStatusIcon(TfrmMain* Owner) : QWidget(Owner), FOwner(Owner) {
        setFixedSize(18, 18);
        setObjectName("StatusIcon");
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter P(this);
        P.drawPixmap(1, 1, QPixmap(QString(":/PIC/STATUS%1").arg(FOwner->BusyIcon())));
    }

private:
    TfrmMain* FOwner;
};

// The category report list of the collections manager.
class TCategoryReportList : public TCountListAccess {
public:
    explicit TCategoryReportList(TOrvListView* List) : FList(List) {}
    void Clear() override { FList->clear(); }
    void AddCaption(const std::string& Text) override { FList->AddCaption(Text); }

private:
    TOrvListView* FList;
};

namespace {

QLabel* WhiteLabel(const QString& Text, QWidget* Parent, bool Bold = false, int Pixels = 11) {
    auto* Label = new QLabel(Text, Parent);
    QFont F("Verdana");
    F.setPixelSize(Pixels);
    F.setBold(Bold);
    Label->setFont(F);
    Label->setStyleSheet("color: white; background: transparent;");
    return Label;
}

TOrvButton* Button(const char* Name, const QString& Caption, QWidget* Parent) {
    auto* B = new TOrvButton(Caption, Parent);
    B->setObjectName(Name);
    B->setMinimumWidth(75);
    return B;
}

QAction* MenuItem(QMenu* Menu, const char* Name, const QString& Caption,
                  const QKeySequence& Shortcut = {}) {
    QAction* A = Menu->addAction(Caption);
    A->setObjectName(Name);
    if (!Shortcut.isEmpty())
        A->setShortcut(Shortcut);
    return A;
}

std::string Std(const QString& Text) {
    return Text.toStdString();
}

} // namespace

TfrmMain::TfrmMain(QWidget* Parent) : TfrmMainBase(Parent) {
    setObjectName("frmMain");
    setWindowTitle("Tarvix");
    resize(883, 670);
    setMinimumSize(880, 670);
    setAutoFillBackground(true);
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    BuildControls();
    tmrStartUp = new QTimer(this);
    tmrStartUp->setObjectName("tmrStartUp");
    tmrStartUp->setInterval(500);
    tmrStartUp->setSingleShot(false);
    connect(tmrStartUp, &QTimer::timeout, this, &TfrmMain::tmrStartUpTimer);
    tmrStartUp2 = new QTimer(this);
    tmrStartUp2->setObjectName("tmrStartUp2");
    tmrStartUp2->setInterval(1000);
    connect(tmrStartUp2, &QTimer::timeout, this, &TfrmMain::tmrStartUp2Timer);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& Manager) {
        if (!Manager.allowsInteraction())
            return;
        const bool MayEnd = QueryEndSession();
        Manager.release();
        if (MayEnd)
            QCoreApplication::exit(0); // nothing is saved
        else
            Manager.cancel();
    });
}

TfrmMain::~TfrmMain() {
    FormDestroy();
}

void TfrmMain::BuildControls() {
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);
    BuildMenu();
    Layout->setMenuBar(mnuMain);
    new TOrvMainMenuStyle(this);

    // Top strip.
    auto* pnlTop = new QWidget(this);
    pnlTop->setObjectName("pnlTop");
    pnlTop->setFixedHeight(42);
    auto* TopLayout = new QHBoxLayout(pnlTop);
    TopLayout->setContentsMargins(8, 2, 8, 2);
    auto* TopText = new QVBoxLayout();
    TopText->setSpacing(0);
    TopText->addWidget(
        WhiteLabel("TARVIX  [Supports Multiple Hadith Collections and Languages]", pnlTop, true));
    TopText->addWidget(WhiteLabel("A free reader of hadith collections, made by the Tarvix "
                                  "developers",
                                  pnlTop));
    TopLayout->addLayout(TopText, 1);
    WebAddress = new TOrvURLLabel(pnlTop);
    WebAddress->setObjectName("lblWebAddress");
    WebAddress->setStyleSheet("color: rgb(91,173,255); background: transparent;");
    TopLayout->addWidget(WebAddress);
    imgBismillah2 = new QLabel(pnlTop);
    imgBismillah2->setObjectName("imgBismillah2");
    imgBismillah2->setPixmap(QPixmap(":/PIC/TREE0"));
    imgBismillah2->setCursor(Qt::PointingHandCursor);
    imgBismillah2->installEventFilter(this);
    TopLayout->addWidget(imgBismillah2);
    Layout->addWidget(pnlTop);
    auto* Rule = new QWidget(this);
    Rule->setFixedHeight(1);
    Rule->setStyleSheet("background: white;");
    Layout->addWidget(Rule);

    // The wallpapered middle with the two pages.
    spnlMain = new QWidget(this);
    spnlMain->setObjectName("spnlMain");
    spnlMain->setAutoFillBackground(true);
    auto* MainLayout = new QVBoxLayout(spnlMain);
    MainLayout->setContentsMargins(6, 6, 6, 6);
    pagesMain = new QStackedWidget(spnlMain);
    pagesMain->setObjectName("pagesMain");
    tabHadith = BuildHadithPage();
    tabColls = BuildCollectionsPage();
    pagesMain->addWidget(tabHadith);
    pagesMain->addWidget(tabColls);
    MainLayout->addWidget(pagesMain);
    Layout->addWidget(spnlMain, 1);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName("StatusBar");
    StatusBar->setSizeGripEnabled(true);
    StatusBar->setStyleSheet("QStatusBar { background: rgb(212,208,200); }");
    FStatusIcon = new TStatusIcon(this);
    StatusBar->addWidget(FStatusIcon);
    StatusText = new QLabel(StatusBar);
    StatusText->setObjectName("StatusText");
    StatusText->setMinimumWidth(100);
    StatusBar->addWidget(StatusText, 1);
    Layout->addWidget(StatusBar);

    ApplyPrefs([] {
        TTxPrefs P;
        SetDefaultPrefs(P);
        return P;
    }());
}

void TfrmMain::BuildMenu() {
    mnuMain = new QMenuBar(this);
    mnuMain->setObjectName("mnuMain");
    // The bar keeps the desktop's light look over the black window.
    mnuMain->setStyleSheet("QMenuBar { background: rgb(212,208,200); color: black; }"
                           "QMenuBar::item { background: transparent; padding: 2px 8px; }"
                           "QMenuBar::item:selected { background: rgb(160,160,160); }");
    QMenu* File = mnuMain->addMenu("&File");
    File->setObjectName("mnuFile");
    mnuiExit = MenuItem(File, "mnuiExit", "E&xit Tarvix");
    connect(mnuiExit, &QAction::triggered, this, &QWidget::close);

    mnuTools = mnuMain->addMenu("&Tools");
    mnuTools->setObjectName("mnuTools");
    mnuiSearch = MenuItem(mnuTools, "mnuiSearch", "Search The Hadith");
    mnuTools->addSeparator();
    mnuiGlossary =
        MenuItem(mnuTools, "mnuiGlossary", "Glossary of Islamic Terms", QKeySequence("Ctrl+G"));
    mnuiBookmarks = MenuItem(mnuTools, "mnuiBookmarks", "My Bookmarks", QKeySequence("Ctrl+B"));
    mnuTools->addSeparator();
    mnuiTips = MenuItem(mnuTools, "mnuiTips", "Display Tips and Info", QKeySequence("Ctrl+T"));

    mnuLanguages = mnuMain->addMenu("Languages");
    mnuLanguages->setObjectName("mnuLanguages");
    mnuiCollsMan = MenuItem(mnuLanguages, "mnuiCollsMan", "Collections Manager");
    mnuiAssistant = MenuItem(mnuLanguages, "mnuiAssistant", "Language Assistant");

    mnuOptions = mnuMain->addMenu("Options");
    mnuOptions->setObjectName("mnuOptions");
    mnuiPrefs = MenuItem(mnuOptions, "mnuiPrefs", "Preferences");
    mnuiRemoteAudio = MenuItem(mnuOptions, "mnuiRemoteAudio", "Remote Audio");
    mnuiVerify = MenuItem(mnuOptions, "mnuiVerify", "Verify Software");

    QMenu* About = mnuMain->addMenu("&About");
    About->setObjectName("mnuAbout");
    mnuiAbout = MenuItem(About, "mnuiAbout", "About Tarvix");
    mnuiWebSite = MenuItem(About, "mnuiWebSite", "Tarvix on the Web");
    About->addSeparator();
    mnuiNews = MenuItem(About, "mnuiNews", "Velorin Direct (News)");

    auto Call = [](const std::function<void()>& F) {
        if (F)
            F();
    };
    connect(mnuiSearch, &QAction::triggered, this, [this, Call] { Call(Links.ShowSearch); });
    connect(mnuiGlossary, &QAction::triggered, this, [this, Call] { Call(Links.ShowGlossary); });
    connect(mnuiBookmarks, &QAction::triggered, this, [this, Call] { Call(Links.ShowBookmarks); });
    connect(mnuiTips, &QAction::triggered, this, [this, Call] { Call(Links.ShowTips); });
    connect(mnuiCollsMan, &QAction::triggered, this, [this] { ShowCollectionsManager(); });
    connect(mnuiAssistant, &QAction::triggered, this, [this, Call] { Call(Links.ShowAssistant); });
    connect(mnuiPrefs, &QAction::triggered, this, [this, Call] { Call(Links.ShowPrefs); });
    connect(mnuiRemoteAudio, &QAction::triggered, this,
            [this, Call] { Call(Links.ShowRemoteAudio); });
    connect(mnuiVerify, &QAction::triggered, this, [this, Call] { Call(Links.ShowVerifyWindow); });
    connect(mnuiAbout, &QAction::triggered, this, [this, Call] { Call(Links.ShowAbout); });
    // The web site item opens the address through the label at the top.
    connect(mnuiWebSite, &QAction::triggered, this,
            [this] { WebAddress->OpenURL(WebAddress->URLType(), WebAddress->URL()); });
    connect(mnuiNews, &QAction::triggered, this, [this, Call] { Call(Links.ShowNews); });
}

QWidget* TfrmMain::BuildHadithPage() {
    auto* Page = new QWidget();
    Page->setObjectName("tabHadith");
    auto* Layout = new QVBoxLayout(Page);
    Layout->setContentsMargins(0, 0, 0, 0);
    auto* Split = new QSplitter(Qt::Horizontal, Page);

    // Navigation: jump by number above the category tree.
    auto* Left = new QWidget(Split);
    auto* LeftLayout = new QVBoxLayout(Left);
    LeftLayout->setContentsMargins(0, 0, 0, 0);
    pnlNav = new QWidget(Left);
    pnlNav->setObjectName("pnlNav");
    auto* NavLayout = new QHBoxLayout(pnlNav);
    NavLayout->setContentsMargins(2, 2, 2, 2);
    NavLayout->addWidget(WhiteLabel("Jump to Hadith", pnlNav));
    spnHadithNo = new QSpinBox(pnlNav);
    spnHadithNo->setObjectName("spnHadithNo");
    spnHadithNo->setRange(1, 10000);
    spnHadithNo->setValue(1);
    spnHadithNo->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    NavLayout->addWidget(spnHadithNo);
    btnGo = Button("btnGo", "Go", pnlNav);
    btnGo->setMinimumWidth(40);
    btnGo->setDefault(true);
    NavLayout->addWidget(btnGo);
    btnBookmark = Button("btnBookmark", "B+", pnlNav);
    btnBookmark->setMinimumWidth(30);
    btnBookmark->setToolTip("Add Bookmark.");
    NavLayout->addWidget(btnBookmark);
    btnBookmarks = Button("btnBookmarks", "Bookmarks", pnlNav);
    NavLayout->addWidget(btnBookmarks);
    LeftLayout->addWidget(pnlNav);
    trvHadithCat = new TOrvTreeView(Left);
    trvHadithCat->setObjectName("trvHadithCat");
    trvHadithCat->setStyleSheet("QTreeWidget { background: rgb(229,229,229); }");
    QFont TreeFont("Verdana");
    TreeFont.setPixelSize(11);
    trvHadithCat->setFont(TreeFont);
    trvHadithCat->SetImageList({QIcon(":/PIC/TREE0"), QIcon(":/PIC/TREE1"), QIcon(":/PIC/TREE2")});
    LeftLayout->addWidget(trvHadithCat, 1);
    Left->setMinimumWidth(200);

    // The page with its heading strip.
    auto* Right = new QWidget(Split);
    auto* RightLayout = new QVBoxLayout(Right);
    RightLayout->setContentsMargins(0, 0, 0, 0);
    RightLayout->setSpacing(0);
    spnlName = new QWidget(Right);
    spnlName->setObjectName("spnlName");
    spnlName->setAutoFillBackground(true);
    auto* NameLayout = new QVBoxLayout(spnlName);
    NameLayout->setContentsMargins(6, 2, 6, 2);
    NameLayout->setSpacing(0);
    lblInfo1 = WhiteLabel("", spnlName, true);
    lblInfo1->setObjectName("lblInfo1");
    lblInfo2 = WhiteLabel("", spnlName, true);
    lblInfo2->setObjectName("lblInfo2");
    NameLayout->addWidget(lblInfo1);
    NameLayout->addWidget(lblInfo2);
    RightLayout->addWidget(spnlName);
    Browser = new TOrvWebBrowser(Right);
    Browser->setObjectName("Browser");
    RightLayout->addWidget(Browser, 1);
    Split->addWidget(Left);
    Split->addWidget(Right);
    Split->setSizes({301, 560});
    Layout->addWidget(Split, 1);

    // The Active View and the counts.
    pnlDisplay = new QWidget(Page);
    pnlDisplay->setObjectName("pnlDisplay");
    auto* DisplayLayout = new QHBoxLayout(pnlDisplay);
    DisplayLayout->setContentsMargins(2, 4, 2, 2);
    DisplayLayout->addWidget(WhiteLabel("Active View:", pnlDisplay, true));
    cbxHColls = new QComboBox(pnlDisplay);
    cbxHColls->setObjectName("cbxHColls");
    cbxHColls->setStyleSheet("QComboBox { background: rgb(229,229,229); }");
    cbxHColls->setMinimumWidth(320);
    DisplayLayout->addWidget(cbxHColls, 1);
    btnShowHCatCount = Button("btnShowHCatCount", "Show Count", pnlDisplay);
    btnHideHCatCount = Button("btnHideHCatCount", "Hide Count", pnlDisplay);
    DisplayLayout->addWidget(btnShowHCatCount);
    DisplayLayout->addWidget(btnHideHCatCount);
    chkAutoCount = new QCheckBox("Automatic", pnlDisplay);
    chkAutoCount->setObjectName("chkAutoCount");
    chkAutoCount->setChecked(true);
    chkAutoCount->setStyleSheet("QCheckBox { color: white; }");
    DisplayLayout->addWidget(chkAutoCount);
    Layout->addWidget(pnlDisplay);

    connect(btnGo, &QPushButton::clicked, this, &TfrmMain::btnGoClick);
    connect(btnBookmark, &QPushButton::clicked, this, &TfrmMain::btnBookmarkClick);
    connect(btnBookmarks, &QPushButton::clicked, this, [this] {
        if (Links.ShowBookmarks)
            Links.ShowBookmarks();
    });
    connect(btnShowHCatCount, &QPushButton::clicked, this, &TfrmMain::btnShowHCatCountClick);
    connect(btnHideHCatCount, &QPushButton::clicked, this, &TfrmMain::btnHideHCatCountClick);
    connect(cbxHColls, QOverload<int>::of(&QComboBox::activated), this, &TfrmMain::cbxHCollsChange);
    connect(Browser, &TOrvWebBrowser::LinkClicked, this, [this](const QString& Target) {
        const TNavigation Nav = BrowserBeforeNavigate(Std(Target), Browser->Writing);
        ProcessLink(Nav.Link);
    });
    connect(Browser, &TOrvWebBrowser::WordDoubleClicked, this, [this](const QString&) {
        if (Links.ShowTerm)
            Links.ShowTerm(Browser->GetSelectedText(), true);
    });
    ConnectTreeChange(true);
    return Page;
}

QWidget* TfrmMain::BuildCollectionsPage() {
    auto* Page = new QWidget();
    Page->setObjectName("tabColls");
    auto* Layout = new QVBoxLayout(Page);
    Layout->addWidget(WhiteLabel(
        "Hadith Collections Manager - Configure various Hadith Collections", Page, true, 13));
    auto* Body = new QHBoxLayout();
    auto* Left = new QVBoxLayout();
    Left->addWidget(WhiteLabel("Hadith Collections available to Tarvix", Page, true));
    trvColls = new TOrvTreeView(Page);
    trvColls->setObjectName("trvColls");
    trvColls->setStyleSheet("QTreeWidget { background: rgb(229,229,229); }");
    Left->addWidget(trvColls, 1);
    Body->addLayout(Left, 1);

    auto* Right = new QVBoxLayout();
    lblCollInfo = WhiteLabel("Hadith Collection Information []", Page, true);
    lblCollInfo->setObjectName("lblCollInfo");
    Right->addWidget(lblCollInfo);
    auto* Buttons = new QHBoxLayout();
    btnHadith4 = Button("btnHadith4", "Back to Hadith", Page);
    OrvButton1 = Button("OrvButton1", "Install Collection", Page);
    OrvButton3 = Button("OrvButton3", "Language Assistant", Page);
    Buttons->addWidget(btnHadith4);
    Buttons->addWidget(OrvButton1);
    Buttons->addWidget(OrvButton3);
    Right->addLayout(Buttons);

    pagesHColl = new QStackedWidget(Page);
    pagesHColl->setObjectName("pagesHColl");
    tabHCollGroup = new QWidget();
    tabHCollGroup->setObjectName("tabHCollGroup");
    auto* GroupLayout = new QVBoxLayout(tabHCollGroup);
    auto* NameRow = new QHBoxLayout();
    NameRow->addWidget(WhiteLabel("Name:", tabHCollGroup, true));
    lblCollGroupName = WhiteLabel("", tabHCollGroup);
    lblCollGroupName->setObjectName("lblCollGroupName");
    NameRow->addWidget(lblCollGroupName, 1);
    GroupLayout->addLayout(NameRow);
    GroupLayout->addWidget(WhiteLabel(
        "Brief Notes about Hadith Collections\r\nand Collection Groups", tabHCollGroup, true));
    auto* Notes = WhiteLabel(
        "Hadith Collections are automatically placed into the Groups in which they belong. "
        "Hadith collections belonging to the same Collection Group contain the same Hadiths, but "
        "differ in other ways such as language.\r\n\r\nFor example, both Hadith Collection "
        "[Dorrel and Anvesh (Arabic)] and Hadith Collection [Dorrel and Anvesh (English)] belong "
        "to the same Group [DORREL_ANVESH], and the latter collection is the English "
        "translation.\r\n\r\nGroups are created automatically; thus there is no need to install "
        "any additional groups.",
        tabHCollGroup);
    Notes->setWordWrap(true);
    GroupLayout->addWidget(Notes);
    GroupLayout->addStretch(1);

    tabHColl = new QWidget();
    tabHColl->setObjectName("tabHColl");
    auto* CollLayout = new QVBoxLayout(tabHColl);
    auto Field = [&](const QString& Caption, const char* Name) {
        auto* Row = new QHBoxLayout();
        auto* Heading = WhiteLabel(Caption, tabHColl, true);
        Heading->setMinimumWidth(90);
        Row->addWidget(Heading);
        QLabel* Value = WhiteLabel("", tabHColl);
        Value->setObjectName(Name);
        Value->setWordWrap(true);
        Row->addWidget(Value, 1);
        CollLayout->addLayout(Row);
        return Value;
    };
    lblCollName = Field("Name:", "lblCollName");
    lblCollTranslator = Field("Translator:", "lblCollTranslator");
    lblCollSearch = Field("Searcheable:", "lblCollSearch");
    lblCollHCount = Field("Hadith Count:", "lblCollHCount");
    CollLayout->addWidget(WhiteLabel("Desciption of this collection", tabHColl, true));
    lblCollDesc = WhiteLabel("", tabHColl);
    lblCollDesc->setObjectName("lblCollDesc");
    lblCollDesc->setWordWrap(true);
    CollLayout->addWidget(lblCollDesc);
    CollLayout->addWidget(WhiteLabel("Category Report for this collection", tabHColl, true));
    CollLayout->addWidget(WhiteLabel("(Double click to View the selected category)", tabHColl));
    lsvHCollHCatReport = new TOrvListView(tabHColl);
    lsvHCollHCatReport->setObjectName("lsvHCollHCatReport");
    lsvHCollHCatReport->AddColumn("Category", 310);
    lsvHCollHCatReport->AddColumn("No. of Ahadith", 83);
    CollLayout->addWidget(lsvHCollHCatReport, 1);
    btnHCollHCatReport = Button("btnHCollHCatReport", "Generate Report", tabHColl);
    CollLayout->addWidget(btnHCollHCatReport, 0, Qt::AlignRight);
    pagesHColl->addWidget(tabHCollGroup);
    pagesHColl->addWidget(tabHColl);
    Right->addWidget(pagesHColl, 1);
    Body->addLayout(Right, 2);
    Layout->addLayout(Body, 1);

    connect(trvColls, &QTreeWidget::currentItemChanged, this, &TfrmMain::trvCollsChange);
    connect(btnHCollHCatReport, &QPushButton::clicked, this, &TfrmMain::btnHCollHCatReportClick);
    connect(lsvHCollHCatReport, &QTreeWidget::itemDoubleClicked, this,
            &TfrmMain::lsvHCollHCatReportDblClick);
    connect(btnHadith4, &QPushButton::clicked, this, &TfrmMain::btnHadith4Click);
    connect(OrvButton1, &QPushButton::clicked, this, &TfrmMain::OrvButton1Click);
    connect(OrvButton3, &QPushButton::clicked, this, [this] {
        if (Links.ShowAssistant)
            Links.ShowAssistant();
    });
    return Page;
}

void TfrmMain::ConnectTreeChange(bool Connected) {
    if (Connected && !FTreeChangeConnected) {
        FTreeChange = connect(trvHadithCat, &QTreeWidget::currentItemChanged, this,
                              &TfrmMain::trvHadithCatChange);
        FTreeChangeConnected = true;
    } else if (!Connected && FTreeChangeConnected) {
        disconnect(FTreeChange);
        FTreeChangeConnected = false;
    }
}

bool TfrmMain::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == imgBismillah2 && Event->type() == QEvent::MouseButtonRelease && Links.ShowAbout)
        Links.ShowAbout();
    return TfrmMainBase::eventFilter(Watched, Event);
}

// ---- busy state ---------------------------------------------------------------

void TfrmMain::SetBusyState(uint8_t State) {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    switch (State) {
    case bsWorking:
        QApplication::setOverrideCursor(Qt::WaitCursor);
        FBusyIcon = 1;
        break;
    case bsBusy:
        QApplication::setOverrideCursor(Qt::BusyCursor);
        FBusyIcon = 2;
        DisableUI(true);
        break;
    case bsLocked:
        FBusyIcon = 0;
        DisableUI(true);
        break;
    case bsAudio:
        FBusyIcon = 8;
        break;
    default:
        FBusyIcon = 0;
        DisableUI(false);
        break;
    }
    FStatusIcon->update();
}

void TfrmMain::DisableUI(bool Flag) {
    pnlDisplay->setEnabled(!Flag);
    pnlNav->setEnabled(!Flag);
    mnuTools->setEnabled(!Flag);
    mnuLanguages->setEnabled(!Flag);
    mnuOptions->setEnabled(!Flag);
    mnuTools->menuAction()->setEnabled(!Flag);
    mnuLanguages->menuAction()->setEnabled(!Flag);
    mnuOptions->menuAction()->setEnabled(!Flag);
}

// ---- pages ----------------------------------------------------------------------

void TfrmMain::SetInfo(const QString& Caption, const QString& Info1, const QString& Info2,
                       const QString& Status) {
    setWindowTitle(Caption);
    lblInfo1->setText(Info1);
    lblInfo2->setText(Info2);
    StatusText->setText(Status);
}

void TfrmMain::ShowPageHtml(const std::string& Html) {
    Browser->LoadHtml(Html);
}

void TfrmMain::ShowCurrentPage() {
    TTreeNodeRef Node = trvHadithCat->Selected();
    if (!Node)
        return;
    const intptr_t D = trvHadithCat->Data(Node);
    const QString Title = QString::fromStdString(AppTitle);
    if (D == -786) {
        HadithPageShown = false;
        ShowPageHtml(BuildWelcomePage());
        const QString Info1 = "Welcome to Tarvix " + QString::fromStdString(AppVersion);
        SetInfo(Title, Info1, "In the Name of Allah, Most Gracious, Most Merciful", Info1);
    } else if (D == -9) {
        HadithPageShown = true;
        // A number kept from a larger collection is brought within this one,
        // so a change of Active View never ends in an error report.
        if (THadithHelper* Active = HadithCollManager.ActiveView())
            CurrentHadith = std::clamp(CurrentHadith, 1, std::max(1, Active->HadithCount()));
        ShowPageHtml(::BuildHadithPage(CurrentHadith));
        SetInfo(Title, "Browsing Hadith Collection:", "Viewing a Hadith by it's Number",
                "Viewing a Hadith by it's Number");
        if (chkAutoCount->isChecked())
            ShowCounts();
    } else if (D >= -20 && D <= -1) {
        HadithPageShown = false;
        const int Index = static_cast<int>(-D - 1);
        const std::string DocTitle =
            Index < MainDocManager.DocumentCount() ? MainDocManager.DocumentAt(Index).Title() : "";
        ShowPageHtml(BuildMainDocPage(Index));
        const QString T = QString::fromStdString(DocTitle);
        SetInfo(Title + " - " + T, T, "In the Name of Allah, Most Gracious, Most Merciful", T);
    } else {
        HadithPageShown = false;
        std::string Path = GetNodePath(*trvHadithCat, Node, ">");
        Path = StripBracketed(Path, ">");
        Path = RemoveAll(Path, "Hadith Categories>");
        const QString P = QString::fromStdString(Path);
        SetInfo(Title + " - Browsing Category :: " + P, "Browsing Hadith Collection:", P,
                "Hadith Category: " + P);
        SetBusyState(bsBusy);
        ShowPageHtml(BuildCategoryPage(Path));
        if (chkAutoCount->isChecked())
            ShowCounts();
    }
    UpdateCommands();
    SetBusyState(bsIdle);
}

void TfrmMain::ShowWelcome() {
    if (pagesMain->currentWidget() != tabHadith)
        pagesMain->setCurrentWidget(tabHadith);
    if (tabHadith->isVisible() && isVisible())
        tabHadith->setFocus();
    trvHadithCat->Select(NodeAtFlatIndex(*trvHadithCat, MainDocManager.DocumentCount()));
    ShowCurrentPage();
}

TTreeNodeRef TfrmMain::ByNumberNode() {
    if (ByNumberNodeIndex == -1)
        ByNumberNodeIndex = FindNodeByData(*trvHadithCat, -9);
    return NodeAtFlatIndex(*trvHadithCat, ByNumberNodeIndex);
}

// Selecting a node that is already selected raises no change: the page is
// then built here so that every caller sees its page.
static void SelectAndShow(TfrmMain& W, TTreeNodeRef Node) {
    if (W.trvHadithCat->Selected() == Node) {
        W.ShowCurrentPage();
        return;
    }
    W.trvHadithCat->Select(Node);
}

void TfrmMain::ShowHadith(int N) {
    if (pagesMain->currentWidget() != tabHadith)
        pagesMain->setCurrentWidget(tabHadith);
    CurrentHadith = N;
    SelectAndShow(*this, ByNumberNode());
}

void TfrmMain::ShowMainDoc(const std::string& Key) {
    if (pagesMain->currentWidget() != tabHadith)
        pagesMain->setCurrentWidget(tabHadith);
    const int Index = MainDocManager.IndexOfDocument(Key);
    if (Index != -1)
        SelectAndShow(*this, NodeAtFlatIndex(*trvHadithCat, Index));
}

void TfrmMain::ShowClassificationHelp(const std::string& Code) {
    ProcessLink(HadithScienceLink);
    Browser->ScrollToAnchor(ClassificationAnchor(Code));
}

void TfrmMain::ShowGroupHadith(const std::string& Group, int N) {
    HideCounts();
    THadithHelper* C = HadithCollManager.GroupMember(Group, 0);
    if (C) {
        ChangeActiveView(C->CollectionName());
        ShowHadith(N);
        return;
    }
    ShowMsgDlg(mkWarning, MsgHeightMedium, true, "Collection Missing!",
               "A Hadith collection you were using is no longer available, the file may have "
               "been removed, therefore you cannot access any Ahadith from this collection.\r\n"
               "\r\nIf you wish to restore it's working order, please install the following "
               "Hadith Collection(s): -\r\n\r\n" +
                   Group,
               mbsOK);
}

void TfrmMain::OpenCollectionLink(const std::string& Link) {
    HideCounts();
    const int N = LinkKeyNumber(Link);
    THadithHelper* C = HadithCollManager.FindCollection(LinkKeyCollection(Link));
    if (!C)
        throw ETxError("Hadith Collection Module not Registered");
    CurrentHadith = N;
    TTreeNodeRef Node = ByNumberNode();
    ConnectTreeChange(false);
    trvHadithCat->Select(Node);
    ConnectTreeChange(true);
    ChangeActiveView(ViewKey(*C));
    CurrentHadith = N;
    ShowCurrentPage();
}

void TfrmMain::OpenCategoryInCollection(const std::string& Name, const std::string& Category) {
    HideCounts();
    if (pagesMain->currentWidget() != tabHadith)
        pagesMain->setCurrentWidget(tabHadith);
    ChangeActiveView(Name);
    std::vector<TTreeNodeRef> Walked;
    SelectNodePath(*trvHadithCat, "Hadith Categories>" + Category, ">", Walked);
    for (TTreeNodeRef Node : Walked)
        TOrvTreeView::Item(Node)->setExpanded(true);
    if (!Walked.empty())
        SelectAndShow(*this, Walked.back());
}

void TfrmMain::ChangeActiveView(const std::string& Key) {
    THadithHelper* Active = HadithCollManager.ActiveView();
    if (Active && SameTextTrim(Active->CollectionName(), Key))
        return;
    Shell().ProcessEvents();
    spnHadithNo->setValue(1);
    HadithCollManager.SetActiveView(Key);
    HideCounts();
    ShowCurrentPage();
    Active = HadithCollManager.ActiveView();
    if (!Active)
        return;
    AppPrefs.ActiveColl = Active->CollectionName();
    spnHadithNo->setMaximum(std::max(1, Active->HadithCount()));
    cbxHColls->setCurrentIndex(cbxHColls->findText(QString::fromStdString(ViewKey(*Active))));
}

void TfrmMain::FillActiveViewList() {
    cbxHColls->clear();
    TStringList Keys;
    HadithCollManager.ListViewKeys(Keys);
    for (const std::string& K : Keys)
        cbxHColls->addItem(QString::fromStdString(K));
    cbxHColls->setCurrentIndex(cbxHColls->count() > 0 ? 0 : -1);
    std::string Key;
    if (Starting && !StartedWithFile) {
        if (HadithCollManager.FindCollection(AppPrefs.ActiveColl))
            Key = AppPrefs.ActiveColl;
        else if (HadithCollManager.EnglishModule())
            Key = HadithCollManager.EnglishModule()->CollectionName();
    } else if (Starting && StartedWithFile) {
        Key = ProbedCollectionName;
        // An installed file that was not registered after all (its font is
        // missing, say) must not stop the start-up: read as without it.
        if (!HadithCollManager.FindCollection(Key)) {
            if (HadithCollManager.FindCollection(AppPrefs.ActiveColl))
                Key = AppPrefs.ActiveColl;
            else if (HadithCollManager.EnglishModule())
                Key = HadithCollManager.EnglishModule()->CollectionName();
        }
    } else if (HadithCollManager.ActiveView()) {
        Key = HadithCollManager.ActiveView()->CollectionName();
    }
    if (!Key.empty())
        ChangeActiveView(Key);
}

// ---- counts -----------------------------------------------------------------------

void TfrmMain::ShowCounts() {
    SetBusyState(bsBusy);
    HideCounts();
    THadithHelper* Active = HadithCollManager.ActiveView();
    TStringList Counts;
    if (Active)
        Active->GetCategoryCounts(Counts, true);
    ConnectTreeChange(false);
    for (const std::string& Line : Counts) {
        const std::string Path = TextBefore(Line, "|");
        TTreeNodeRef Node = FindNodeByPath(*trvHadithCat, "Hadith Categories>" + Path, ">");
        if (Node) {
            const std::string Count = TextAfter(Line, "|");
            if (IsIntegerText(Count))
                trvHadithCat->SetData(Node, StrToInt(Count));
            Shell().ProcessEvents();
        }
    }
    for (TTreeNodeRef Node : FlatNodes(*trvHadithCat)) {
        const intptr_t Data = trvHadithCat->Data(Node);
        if (Data > 0)
            trvHadithCat->SetCaption(Node, trvHadithCat->Caption(Node) + " [" +
                                               std::to_string(Data) + "]");
    }
    ConnectTreeChange(true);
    SetBusyState(bsIdle);
}

void TfrmMain::HideCounts() {
    StripCategoryCounts(*trvHadithCat);
}

// ---- collections manager --------------------------------------------------------

void TfrmMain::ShowCollectionsManager() {
    setWindowTitle(QString::fromStdString(AppTitle));
    HadithCollManager.FillCollectionTree(*trvColls, true);
    pagesMain->setCurrentWidget(tabColls);
    if (trvColls->topLevelItemCount() > 0)
        trvColls->setCurrentItem(trvColls->topLevelItem(0));
    UpdateCommands();
}

void TfrmMain::trvCollsChange() {
    TTreeNodeRef Node = trvColls->Selected();
    if (!Node)
        return;
    if (trvColls->Data(Node) == -1) {
        pagesHColl->setCurrentWidget(tabHCollGroup);
        lblCollGroupName->setText(QString::fromStdString(trvColls->Caption(Node)));
        return;
    }
    pagesHColl->setCurrentWidget(tabHColl);
    THadithHelper* C = HadithCollManager.FindCollection(trvColls->Caption(Node));
    if (!C)
        return;
    lblCollInfo->setText(
        QString::fromStdString("Collection Information [" + C->CollectionName() + "]"));
    lblCollName->setText(QString::fromStdString(C->CollectionName()));
    lblCollTranslator->setText(QString::fromStdString(C->Translator()));
    lblCollSearch->setText("N/A");
    lblCollHCount->setText(QString::number(C->HadithCount()));
    lblCollDesc->setText(QString::fromStdString(C->Description()));
}

void TfrmMain::btnHCollHCatReportClick() {
    SetBusyState(bsBusy);
    if (TTreeNodeRef Node = trvColls->Selected()) {
        TCategoryReportList List(lsvHCollHCatReport);
        if (THadithHelper* C = HadithCollManager.FindCollection(trvColls->Caption(Node)))
            FillCategoryCountList(C, List);
    }
    SetBusyState(bsIdle);
}

void TfrmMain::lsvHCollHCatReportDblClick() {
    QTreeWidgetItem* Row = lsvHCollHCatReport->currentItem();
    if (!Row)
        return;
    SetBusyState(bsBusy);
    OpenCategoryInCollection(Std(lblCollName->text()), Std(Row->text(0)));
    SetBusyState(bsIdle);
}

void TfrmMain::btnHadith4Click() {
    pagesMain->setCurrentWidget(tabHadith);
    UpdateCommands();
}

void TfrmMain::OrvButton1Click() {
    if (!Links.ChooseCollectionFile)
        return;
    const std::string File = Links.ChooseCollectionFile();
    if (!File.empty())
        HadithCollManager.InstallCollection(File);
}

void TfrmMain::UpdateCommands() {
    btnBookmark->setEnabled(HadithPageShown);
    mnuiCollsMan->setEnabled(pagesMain->currentWidget() != tabColls);
}

// ---- controls ---------------------------------------------------------------------

void TfrmMain::trvHadithCatChange() {
    ShowCurrentPage();
}

void TfrmMain::cbxHCollsChange() {
    ChangeActiveView(Std(cbxHColls->currentText()));
}

void TfrmMain::btnGoClick() {
    spnHadithNo->interpretText();
    ShowHadith(spnHadithNo->value());
}

void TfrmMain::btnBookmarkClick() {
    THadithHelper* Active = HadithCollManager.ActiveView();
    if (Active && Links.AddHadithBookmark)
        Links.AddHadithBookmark(GroupLinkKey(Active->CollectionID(), spnHadithNo->value()));
}

// ---- links --------------------------------------------------------------------------

void TfrmMain::ProcessLink(const std::string& Link) {
    TLinkQueries Queries;
    Queries.IsClassificationCode = [](const std::string& Text) {
        return IsClassificationCode(Text);
    };
    Queries.IndexOfDocument = [](const std::string& Name) {
        return MainDocManager.IndexOfDocument(Name);
    };
    auto Call = [](const std::function<void()>& F) {
        if (F)
            F();
    };
    for (const TLinkAction& A : ProcessLinkActions(Link, Queries)) {
        switch (A.Kind) {
        case TLinkActionKind::PlayVerseRef:
            if (RemoteAudio)
                RemoteAudio->PlayVerseRef(A.Text);
            break;
        case TLinkActionKind::OpenCollectionLink:
            OpenCollectionLink(A.Text);
            break;
        case TLinkActionKind::ShowMainDoc:
            ShowMainDoc(A.Text);
            break;
        case TLinkActionKind::ShowClassificationHelp:
            ShowClassificationHelp(A.Text);
            break;
        case TLinkActionKind::ShowUnclassified:
            ShowUnclassifiedMessage();
            break;
        case TLinkActionKind::ShowSearch:
            Call(Links.ShowSearch);
            break;
        case TLinkActionKind::ShowBookmarks:
            Call(Links.ShowBookmarks);
            break;
        case TLinkActionKind::ShowGlossary:
            Call(Links.ShowGlossary);
            break;
        case TLinkActionKind::ShowWordQuery:
            Call(Links.ShowWordQuery);
            break;
        case TLinkActionKind::ShowCollectionsManager:
            ShowCollectionsManager();
            break;
        case TLinkActionKind::ShowAssistant:
            Call(Links.ShowAssistant);
            break;
        case TLinkActionKind::ShowRemoteAudio:
            Call(Links.ShowRemoteAudio);
            break;
        case TLinkActionKind::ShowPrefs:
            Call(Links.ShowPrefs);
            break;
        case TLinkActionKind::ShowTips:
            Call(Links.ShowTips);
            break;
        }
    }
}

// ---- settings -----------------------------------------------------------------------

QString TfrmMain::WallpaperOf(int Scheme) {
    static const char* Names[] = {"GREEN", "GOLD", "AQUA", "BLUE", "PURPLE", "SILVER"};
    const int Index = (Scheme >= 1 && Scheme <= 5) ? Scheme : 0;
    return QString(":/PIC/WALL_") + Names[Index];
}

void TfrmMain::ApplyPrefs(const TTxPrefs& P) {
    chkAutoCount->setChecked(P.AutoHCount);
    const QPixmap Wallpaper(WallpaperOf(P.ColorScheme));
    for (QWidget* Panel : {spnlMain, spnlName}) {
        QPalette Pal = Panel->palette();
        Pal.setBrush(QPalette::Window, QBrush(Wallpaper));
        Panel->setPalette(Pal);
    }
    const TColour Hot = SchemeColour(P.ColorWordHL);
    const QColor HotColour(Hot.R, Hot.G, Hot.B);
    trvHadithCat->HotTrackColor = HotColour;
    trvColls->HotTrackColor = HotColour;
    if (RemoteAudio) {
        RemoteAudio->SetCacheFolder(AppPrefs.DiskCacheDir);
        RemoteAudio->SetServer(AppPrefs.RemoteAudioServer);
    }
    if (Links.ApplyPrefsToOthers)
        Links.ApplyPrefsToOthers(P);
    QPalette Tip = QToolTip::palette();
    Tip.setColor(QPalette::ToolTipBase, QColor(229, 229, 229));
    Tip.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(Tip);
    TTarvixApplication::ShowHints = P.HelpHints;
}

// ---- start-up -----------------------------------------------------------------------

void TfrmMain::showEvent(QShowEvent* Event) {
    TfrmMainBase::showEvent(Event);
    if (!FShown) {
        FShown = true;
        FormShow();
    }
}

bool TfrmMain::QueryEndSession() {
    return ShowMsgDlg(mkConfirmation, MsgHeightSmall, true, "Windows Log off/Shutdown",
                      "Windows is trying to Shutdown Tarvix, would you like to do so?",
                      mbsYesNo) == mrYes;
}

void TfrmMain::closeEvent(QCloseEvent* Event) {
    TfrmMainBase::closeEvent(Event);
    // Other top-level windows (tips, news, bookmarks, search) would otherwise
    // keep the program running with no main window; with the last one closed
    // the program ends.
    if (Event->isAccepted())
        QApplication::closeAllWindows();
}

void TfrmMain::tmrStartUpTimer() {
    tmrStartUp->stop();
    ShowWelcome();
}
