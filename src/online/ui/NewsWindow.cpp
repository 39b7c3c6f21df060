// The news window.
#include "online/ui/NewsWindow.h"

#include "app/HtmlHelpers.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/OrvTreeView.h"
#include "controls/ui/SchemePanel.h"
#include "controls/ui/WidgetHelpers.h"
#include "online/ui/QtHttpClient.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int MinWidth = 440;
constexpr int MinHeight = 280;

void SetColours(QWidget* W, const QColor& Back, const QColor& Text) {
    QPalette Pal = W->palette();
    Pal.setColor(QPalette::Window, Back);
    Pal.setColor(QPalette::WindowText, Text);
    W->setPalette(Pal);
}

} // namespace

TfrmNews::TfrmNews(QWidget* Parent)
    : QWidget(Parent, Qt::Window), FHttpClient(std::make_unique<TQtHttpClient>()) {
    setObjectName("frmNews");
    setWindowTitle("Velorin Direct");
    setMinimumSize(MinWidth, MinHeight);
    resize(480, 340);
    SetColours(this, Qt::black, Qt::white);
    setAutoFillBackground(true);

    spnlName = new TSchemePanel(this, AppPrefs.ColorScheme);
    spnlName->setObjectName("spnlName");
    spnlName->setFixedHeight(28);
    lblWinName = new QLabel("Velorin Direct - Latest Project and Software Updates News", spnlName);
    lblWinName->setObjectName("lblWinName");
    QFont HeadFont = lblWinName->font();
    HeadFont.setBold(true);
    lblWinName->setFont(HeadFont);
    SetColours(lblWinName, Qt::black, Qt::white);
    auto* HeadLayout = new QHBoxLayout(spnlName);
    HeadLayout->setContentsMargins(8, 0, 8, 0);
    HeadLayout->addWidget(lblWinName);

    trvNews = new TOrvTreeView(this);
    trvNews->setObjectName("trvNews");
    QStyle* S = style();
    trvNews->SetImageList(
        {S->standardIcon(QStyle::SP_DirIcon), S->standardIcon(QStyle::SP_FileIcon),
         S->standardIcon(QStyle::SP_DriveNetIcon), S->standardIcon(QStyle::SP_MessageBoxWarning)});
    connect(trvNews, &QTreeWidget::itemClicked, this, [this] { trvNewsClick(); });

    chkStartUp = new QCheckBox("In Future, Show News at startup, if connection found", this);
    chkStartUp->setObjectName("chkStartUp");
    SetColours(chkStartUp, Qt::black, Qt::white);
    // Only the user's click raises the event; showing the window sets the
    // box without it.
    connect(chkStartUp, &QCheckBox::clicked, this, [this] { chkStartUpClick(); });

    btnUpdate = new TOrvButton("Update", this);
    btnUpdate->setObjectName("btnUpdate");
    btnUpdate->setFixedSize(75, 25);
    connect(btnUpdate, &QPushButton::clicked, this, [this] { btnUpdateClick(); });

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName("StatusBar");
    StatusBar->setSizeGripEnabled(true);
    StatusText = new QLabel(StatusBar);
    StatusText->setObjectName("StatusText");
    StatusBar->addWidget(StatusText, 1);

    auto* Controls = new QHBoxLayout;
    Controls->setContentsMargins(8, 0, 8, 0);
    Controls->addWidget(chkStartUp, 1);
    Controls->addWidget(btnUpdate);
    auto* Body = new QVBoxLayout;
    Body->setContentsMargins(8, 8, 8, 8);
    Body->addWidget(trvNews, 1);
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(4);
    Layout->addWidget(spnlName);
    Layout->addLayout(Body, 1);
    Layout->addLayout(Controls);
    Layout->addWidget(StatusBar);

    NewsManager.SetHttpClient(FHttpClient.get());
    NewsManager.OpenURL = [this](const std::string& Address) { ShellOpenURL(Address); };
    UrlOpener = [](const std::string& Address) {
        return QDesktopServices::openUrl(QUrl(QString::fromStdString(Address)));
    };

    // Runs from creation, so the news are fetched even while the window is
    // hidden, until it is closed for the first time.
    tmrNewsUpdate = new QTimer(this);
    tmrNewsUpdate->setObjectName("tmrNewsUpdate");
    tmrNewsUpdate->setInterval(UpdateIntervalMs);
    connect(tmrNewsUpdate, &QTimer::timeout, this, [this] { tmrNewsUpdateTimer(); });
    tmrNewsUpdate->start();
}

TfrmNews::~TfrmNews() = default;

void TfrmNews::UpdateNews() {
    if (FUpdating)
        return;
    FUpdating = true;
    btnUpdate->setEnabled(false);
    StatusText->setText("Connecting to Velorin Server");
    if (!tmrNewsUpdate->isActive())
        tmrNewsUpdate->start();
    NewsManager.FetchNews(HttpUrl(ServerHost, NewsScriptPath), NewsItemsWanted);
    NewsManager.FetchSites(HttpUrl(ServerHost, SitesScriptPath));
    NewsManager.FillNewsTree(*trvNews);
    ScrollTreeToTop(trvNews);
    StatusText->clear();
    btnUpdate->setEnabled(true);
    FUpdating = false;
}

bool TfrmNews::IsServerReachable() {
    return NewsManager.IsServerReachable(HttpUrl(ServerHost, SitesScriptPath));
}

void TfrmNews::ShowNewsIfConnected() {
    if (!IsServerReachable())
        return;
    show();
    UpdateNews();
}

void TfrmNews::ApplyPrefs(const TTxPrefs& P) {
    ShowAtStartup = P.NewsOnStart;
    const TColour Hot = SchemeColour(P.ColorWordHL);
    trvNews->HotTrackColor = QColor(Hot.R, Hot.G, Hot.B);
    trvNews->viewport()->update();
    spnlName->SetScheme(P.ColorScheme);
}

void TfrmNews::ShellOpenURL(const std::string& Address) {
    if (UrlOpener)
        UrlOpener(Address);
}

void TfrmNews::chkStartUpClick() {
    ShowAtStartup = chkStartUp->isChecked();
    if (OnStartupOptionChanged)
        OnStartupOptionChanged(ShowAtStartup);
}

void TfrmNews::trvNewsClick() {
    const TTreeNodeRef Node = trvNews->Selected();
    if (!Node || trvNews->Data(Node) == ndNone)
        return;
    NewsManager.OpenNewsNode(trvNews->Data(Node), trvNews->Caption(Node));
}

void TfrmNews::tmrNewsUpdateTimer() {
    UpdateNews();
}

void TfrmNews::showEvent(QShowEvent* Event) {
    if (!Event->spontaneous())
        chkStartUp->setChecked(ShowAtStartup);
    QWidget::showEvent(Event);
}

void TfrmNews::closeEvent(QCloseEvent* Event) {
    tmrNewsUpdate->stop();
    if (OnStartupOptionChanged)
        OnStartupOptionChanged(ShowAtStartup);
    QWidget::closeEvent(Event);
}
