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
} // namespace

TfrmBadCollsDlg::TfrmBadCollsDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmBadCollsDlg");
    SetUpDialog(this, ClientWidth, ClientHeight, QStringLiteral("Warning!"));
    spnlName = MakeBanner(this, ClientWidth, QStringLiteral("lblWinName"),
                          QStringLiteral("Damaged Hadith Collections"), lblWinName);

    const TWarningBody Body = MakeWarningBody(
        this, ClientWidth, ClientHeight, QStringLiteral("Damaged Hadith Collection Files"),
        QStringLiteral(
            "One or more External Hadith Collections files in your Tarvix folder are damaged. "
            "They have not been loaded.\r\n\r\nIt is recommended that you delete the faulty "
            "files and obtain new copies of these Hadith Collections..."),
        92, QStringLiteral("Damaged Installed Collection Files: -"), QStringLiteral("lbxBadColls"));
    lblHeading = Body.Heading;
    lblMessage = Body.Message;
    lbxBadColls = Body.List;
    btnOK = Body.OK;
    auto* ButtonPanel = Body.ButtonPanel;
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
