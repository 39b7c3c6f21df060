#include "windows/ui/BadCollsWindow.h"

#include "app/AppGlobals.h"
#include "app/Prefs.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/SchemePanel.h"
#include "hadith/CollectionManager.h"
#include "windows/BadCollFiles.h"
#include "windows/ui/DialogLook.h"

#include <QLabel>
#include <QListWidget>

using namespace AuxWindows;

namespace {
constexpr int ClientWidth = 462;
constexpr int ClientHeight = 276;
constexpr int ButtonPanelWidth = 97;
constexpr unsigned ButtonPanelColour = 4079166;
} // namespace

TfrmBadCollsDlg::TfrmBadCollsDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmBadCollsDlg");
    SetUpDialog(this, ClientWidth, ClientHeight, QStringLiteral("Warning!"));
    spnlName = MakeBanner(this, ClientWidth, QStringLiteral("lblWinName"),
                          QStringLiteral("Damaged Hadith Collections"), lblWinName);

    const int TextWidth = ClientWidth - ButtonPanelWidth - 16;
    const int Top = BannerTop + BannerHeight;
    lblHeading = new QLabel(QStringLiteral("Damaged Hadith Collection Files"), this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    SetVerdana(lblHeading, 10, true);
    SetTextColour(lblHeading, Qt::yellow);
    lblHeading->setGeometry(8, Top + 6, TextWidth, 20);
    MakeRule(this, 8, Top + 28, TextWidth);

    lblMessage = new QLabel(
        DisplayText(QStringLiteral(
            "One or more External Hadith Collections files in your Tarvix folder are damaged. "
            "They have not been loaded.\r\n\r\nIt is recommended that you delete the faulty "
            "files and obtain new copies of these Hadith Collections...")),
        this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    SetVerdana(lblMessage, 8, false);
    SetTextColour(lblMessage, Qt::white);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setGeometry(8, Top + 36, TextWidth, 92);

    auto* ListCaption = new QLabel(QStringLiteral("Damaged Installed Collection Files: -"), this);
    SetVerdana(ListCaption, 8, true);
    SetTextColour(ListCaption, Qt::white);
    ListCaption->setGeometry(8, Top + 132, TextWidth, 18);

    lbxBadColls = new QListWidget(this);
    lbxBadColls->setObjectName(QStringLiteral("lbxBadColls"));
    lbxBadColls->setGeometry(8, Top + 152, TextWidth, ClientHeight - Top - 160);

    auto* ButtonPanel = new QWidget(this);
    ButtonPanel->setObjectName(QStringLiteral("pnlButtons"));
    SetBackground(ButtonPanel, ColourValue(ButtonPanelColour));
    ButtonPanel->setGeometry(ClientWidth - ButtonPanelWidth, Top, ButtonPanelWidth,
                             ClientHeight - Top);
    btnOK = new TOrvButton(QStringLiteral("OK"), ButtonPanel);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(11, 12, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    btnDelete = new TOrvButton(QStringLiteral("Delete Files"), ButtonPanel);
    btnDelete->setObjectName(QStringLiteral("btnDelete"));
    btnDelete->setGeometry(11, 44, 75, 25);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmBadCollsDlg::btnDeleteClick);
}

void TfrmBadCollsDlg::FormShow() {
    spnlName->SetScheme(AppPrefs.ColorScheme);
    lbxBadColls->clear();
    for (const std::string& Name : HadithCollManager.BadCollections())
        lbxBadColls->addItem(QString::fromStdString(Name));
    btnDelete->setEnabled(lbxBadColls->count() > 0);
}

void TfrmBadCollsDlg::btnDeleteClick() {
    TStringList Entries;
    for (int I = 0; I < lbxBadColls->count(); ++I)
        Entries.push_back(lbxBadColls->item(I)->text().toStdString());
    DeleteBadCollectionFiles(Entries, HadithCollManager.BadCollections(), AppPath);
    lbxBadColls->clear();
    btnDelete->setEnabled(false);
}

void TfrmBadCollsDlg::showEvent(QShowEvent* Event) {
    FormShow();
    QDialog::showEvent(Event);
}
