#include "search/ui/SearchReportWindow.h"

#include "app/Prefs.h"
#include "app/Shell.h"
#include "app/ui/FormBases.h"
#include "app/ui/OrvWebBrowser.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/SchemePanel.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int ClientWidth = 633;
constexpr int ClientHeight = 449;
constexpr int ReloadDelayMs = 300;

QWidget* AddPanel(QWidget* Parent, const char* Name, int Height) {
    auto* Panel = new QWidget(Parent);
    Panel->setObjectName(QString::fromLatin1(Name));
    Panel->setFixedHeight(Height);
    return Panel;
}

} // namespace

TfrmSearchReportDlg::TfrmSearchReportDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("frmSearchReportDlg"));
    setWindowTitle(QStringLiteral("Search Report"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    resize(ClientWidth, ClientHeight);
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);

    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);

    pnlStrip = AddPanel(this, "pnlStrip", 4);
    Layout->addWidget(pnlStrip);

    spnlBanner = new TSchemePanel(this, AppPrefs.ColorScheme);
    spnlBanner->setObjectName(QStringLiteral("spnlBanner"));
    spnlBanner->setFixedHeight(28);
    lblSrchReport = new QLabel(QStringLiteral("Search Report []"), spnlBanner);
    lblSrchReport->setObjectName(QStringLiteral("lblSrchReport"));
    QFont HeadFont = lblSrchReport->font();
    HeadFont.setBold(true);
    lblSrchReport->setFont(HeadFont);
    QPalette LabelPal = lblSrchReport->palette();
    LabelPal.setColor(QPalette::WindowText, Qt::white);
    lblSrchReport->setPalette(LabelPal);
    lblSrchReport->setGeometry(8, 0, ClientWidth - 16, 28);
    Layout->addWidget(spnlBanner);

    pnlGap = AddPanel(this, "pnlGap", 21);
    Layout->addWidget(pnlGap);

    Browser = new TOrvWebBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Layout->addWidget(Browser, 1);
    connect(Browser, &TOrvWebBrowser::LinkClicked, this,
            [this](const QString& Target) { BrowserBeforeNavigate2(Target.toStdString()); });

    pnlBottom = AddPanel(this, "pnlBottom", 37);
    OrvButton1 = new TOrvButton(QStringLiteral("Close"), pnlBottom);
    OrvButton1->setObjectName(QStringLiteral("OrvButton1"));
    OrvButton1->setGeometry(ClientWidth - 107, 6, 99, 25);
    OrvButton1->setAutoDefault(false);
    connect(OrvButton1, &QPushButton::clicked, this, [this] { OrvButton1Click(); });
    Layout->addWidget(pnlBottom);

    tmrShow = new QTimer(this);
    tmrShow->setObjectName(QStringLiteral("tmrShow"));
    tmrShow->setInterval(ReloadDelayMs);
    tmrShow->setSingleShot(false);
    connect(tmrShow, &QTimer::timeout, this, [this] { tmrShowTimer(); });
}

void TfrmSearchReportDlg::PrepareSearchReport(const THadithHelper& Collection,
                                              const std::string& SearchText,
                                              const std::vector<TSearchResultEntry>& Results) {
    if (SetBusyState)
        SetBusyState(bsWorking);
    ReportLines.clear();
    spnlBanner->SetScheme(AppPrefs.ColorScheme);
    setWindowTitle(QString::fromStdString(SearchReportCaption));
    lblSrchReport->setText(QString::fromStdString(SearchReportBanner(SearchText)));
    try {
        ReportLines = BuildSearchReportLines(Collection, SearchText, Results);
    } catch (...) {
        // The error goes on to the program's handler; the main window must
        // not stay busy meanwhile.
        if (SetBusyState)
            SetBusyState(bsIdle);
        throw;
    }
    Browser->LoadHtml(ReportText());
    Shell().ProcessEvents();
}

void TfrmSearchReportDlg::ShowSearchReport(const THadithHelper& Collection,
                                           const std::string& SearchText,
                                           const std::vector<TSearchResultEntry>& Results) {
    PrepareSearchReport(Collection, SearchText, Results);
    if (isVisible())
        FormShow();
    else
        exec();
}

void TfrmSearchReportDlg::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    FormShow();
}

void TfrmSearchReportDlg::FormShow() {
    Shell().ProcessEvents();
    if (SetBusyState)
        SetBusyState(bsIdle);
    if (!ReportLoaded)
        tmrShow->start();
}

void TfrmSearchReportDlg::tmrShowTimer() {
    Shell().ProcessEvents();
    tmrShow->stop();
    if (!ReportLoaded) {
        Browser->LoadHtml(ReportText());
        ReportLoaded = true;
    }
}

void TfrmSearchReportDlg::BrowserBeforeNavigate2(const std::string& Address) {
    const std::string Link = ReportLinkTarget(Address);
    if (Link.empty())
        return;
    if (OpenCollectionLink)
        OpenCollectionLink(Link);
    if (CloseSearchWindow)
        CloseSearchWindow();
    close();
}

void TfrmSearchReportDlg::OrvButton1Click() {
    close();
}
