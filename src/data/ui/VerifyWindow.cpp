#include "data/ui/VerifyWindow.h"

#include "app/Prefs.h"
#include "app/Shell.h"
#include "app/ui/QtShell.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/SchemePanel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

namespace {
constexpr int ClientWidth = 399;
constexpr int ClientHeight = 174;
constexpr int VerifyDelayMs = 500;

void SetTextColour(QWidget* W, const QColor& C) {
    QPalette P = W->palette();
    P.setColor(QPalette::WindowText, C);
    W->setPalette(P);
}
} // namespace

TfrmVerifydlg::TfrmVerifydlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("frmVerifydlg"));
    setWindowTitle(QStringLiteral("Anti-Tamper"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);

    spnlName = new TSchemePanel(this, AppPrefs.ColorScheme);
    spnlName->setObjectName(QStringLiteral("spnlName"));
    spnlName->setGeometry(0, 0, ClientWidth, 28);
    lblWinName = new QLabel(QStringLiteral("Verifies All Corvale Software Components"), spnlName);
    lblWinName->setObjectName(QStringLiteral("lblWinName"));
    QFont HeadFont = lblWinName->font();
    HeadFont.setBold(true);
    lblWinName->setFont(HeadFont);
    SetTextColour(lblWinName, Qt::white);
    lblWinName->setGeometry(8, 0, ClientWidth - 16, 28);
    lblWinName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    chklbxVerify = new QListWidget(this);
    chklbxVerify->setObjectName(QStringLiteral("chklbxVerify"));
    chklbxVerify->setGeometry(8, 36, 272, 104);
    chklbxVerify->setEnabled(false);

    lblItem_ID = new QLabel(this);
    lblItem_ID->setObjectName(QStringLiteral("lblItem_ID"));
    QFont StatusFont = lblItem_ID->font();
    StatusFont.setBold(true);
    lblItem_ID->setFont(StatusFont);
    SetTextColour(lblItem_ID, Qt::white);
    lblItem_ID->setGeometry(8, 146, ClientWidth - 16, 20);

    btnOK = new TOrvButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(292, 36, 99, 25);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    btnVerify = new TOrvButton(QStringLiteral("Verify Now"), this);
    btnVerify->setObjectName(QStringLiteral("btnVerify"));
    btnVerify->setGeometry(292, 68, 99, 25);
    connect(btnVerify, &QPushButton::clicked, this, &TfrmVerifydlg::btnVerifyClick);

    tmrVerify = new QTimer(this);
    tmrVerify->setObjectName(QStringLiteral("tmrVerify"));
    tmrVerify->setInterval(VerifyDelayMs);
    connect(tmrVerify, &QTimer::timeout, this, &TfrmVerifydlg::tmrVerifyTimer);

    if (QScreen* Screen = QGuiApplication::primaryScreen())
        move(Screen->availableGeometry().center() - rect().center());

    // The modules' fingerprints reach the status line through the shell.
    FShell = dynamic_cast<TQtShell*>(&Shell());
    if (FShell)
        FShell->OnVerifyStatus = [this](const std::string& Text) { SetVerifyStatus(Text); };
    FAutoClose = false;
}

TfrmVerifydlg::~TfrmVerifydlg() {
    if (FShell)
        FShell->OnVerifyStatus = nullptr;
}

void TfrmVerifydlg::ShowVerifyWindow() {
    spnlName->SetScheme(AppPrefs.ColorScheme);
    SetVerifyStatus("Click on \"Verify Now\" to start...");
    FillModuleList(VerificationManager.ModuleNames());
    SetButtonsEnabled(true);
    if (!isVisible())
        exec();
}

void TfrmVerifydlg::ShowVerifyWindowAuto() {
    FAutoClose = true;
    tmrVerify->start();
    ShowVerifyWindow();
}

void TfrmVerifydlg::tmrVerifyTimer() {
    tmrVerify->stop();
    VerificationManager.VerifyAll(*this);
}

void TfrmVerifydlg::btnVerifyClick() {
    SetButtonsEnabled(false);
    VerificationManager.VerifyAll(*this);
    SetButtonsEnabled(true);
}

void TfrmVerifydlg::SetVerifyStatus(const std::string& Text) {
    lblItem_ID->setText(QString::fromStdString(Text));
    Repaint();
}

void TfrmVerifydlg::FillModuleList(const std::vector<std::string>& Names) {
    chklbxVerify->clear();
    for (const std::string& Name : Names) {
        auto* Item = new QListWidgetItem(QString::fromStdString(Name), chklbxVerify);
        Item->setFlags(Item->flags() | Qt::ItemIsUserCheckable);
        Item->setCheckState(Qt::Unchecked);
    }
}

void TfrmVerifydlg::SetButtonsEnabled(bool Enabled) {
    btnOK->setEnabled(Enabled);
    btnVerify->setEnabled(Enabled);
}

void TfrmVerifydlg::TickModule(int Index) {
    if (QListWidgetItem* Item = chklbxVerify->item(Index))
        Item->setCheckState(Qt::Checked);
}

void TfrmVerifydlg::Repaint() {
    update();
    QCoreApplication::processEvents();
}

void TfrmVerifydlg::closeEvent(QCloseEvent* Event) {
    QDialog::closeEvent(Event);
    FAutoClose = false;
}

void TfrmVerifydlg::done(int Result) {
    tmrVerify->stop();
    FAutoClose = false;
    QDialog::done(Result);
}
