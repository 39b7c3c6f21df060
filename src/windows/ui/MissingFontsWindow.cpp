#include "windows/ui/MissingFontsWindow.h"

#include "app/Prefs.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/SchemePanel.h"
#include "hadith/CollectionManager.h"
#include "windows/ui/DialogLook.h"

#include <QLabel>
#include <QListWidget>

using namespace AuxWindows;

namespace {
constexpr int ClientWidth = 462;
constexpr int ClientHeight = 284;
} // namespace

TfrmMissingFontsDlg::TfrmMissingFontsDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmMissingFontsDlg");
    SetUpDialog(this, ClientWidth, ClientHeight, QStringLiteral("Warning!"));
    spnlName = MakeBanner(this, ClientWidth, QStringLiteral("lblWinName"),
                          QStringLiteral("Missing Fonts - Some Hadith Collections Cannot be "
                                         "displayed "),
                          lblWinName);

    const TWarningBody Body = MakeWarningBody(
        this, ClientWidth, ClientHeight,
        QStringLiteral("Cannot display some collections - Font Missing"),
        QStringLiteral(
            "Due to one or more fonts being missing, one or more External Hadith Collection "
            "files cannot be displayed \r\n\r\nTo fix this problem you must install the missing "
            "fonts into your \"Windows Fonts folder\". They can be downloaded from the Velorin "
            "website."),
        100, QStringLiteral("Affected Collection - \"Missing font name\""),
        QStringLiteral("lbxMissingFonts"));
    lblHeading = Body.Heading;
    lblMessage = Body.Message;
    lbxMissingFonts = Body.List;
    btnOK = Body.OK;
}

void TfrmMissingFontsDlg::FormShow() {
    spnlName->SetScheme(AppPrefs.ColorScheme);
    lbxMissingFonts->clear();
    for (const std::string& Note : HadithCollManager.MissingFontCollections())
        lbxMissingFonts->addItem(QString::fromStdString(Note));
}

void TfrmMissingFontsDlg::showEvent(QShowEvent* Event) {
    FormShow();
    QDialog::showEvent(Event);
}
