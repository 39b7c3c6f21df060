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
constexpr int ButtonPanelWidth = 97;
constexpr unsigned ButtonPanelColour = 4079166;
} // namespace

TfrmMissingFontsDlg::TfrmMissingFontsDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmMissingFontsDlg");
    SetUpDialog(this, ClientWidth, ClientHeight, QStringLiteral("Warning!"));
    spnlName = MakeBanner(this, ClientWidth, QStringLiteral("lblWinName"),
                          QStringLiteral("Missing Fonts - Some Hadith Collections Cannot be "
                                         "displayed "),
                          lblWinName);

    const int TextWidth = ClientWidth - ButtonPanelWidth - 16;
    const int Top = BannerTop + BannerHeight;
    lblHeading = new QLabel(QStringLiteral("Cannot display some collections - Font Missing"), this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    SetVerdana(lblHeading, 10, true);
    SetTextColour(lblHeading, Qt::yellow);
    lblHeading->setGeometry(8, Top + 6, TextWidth, 20);
    MakeRule(this, 8, Top + 28, TextWidth);

    lblMessage = new QLabel(
        DisplayText(QStringLiteral(
            "Due to one or more fonts being missing, one or more External Hadith Collection "
            "files cannot be displayed \r\n\r\nTo fix this problem you must install the missing "
            "fonts into your \"Windows Fonts folder\". They can be downloaded from the Velorin "
            "website.")),
        this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    SetVerdana(lblMessage, 8, false);
    SetTextColour(lblMessage, Qt::white);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setGeometry(8, Top + 36, TextWidth, 100);

    auto* ListCaption =
        new QLabel(QStringLiteral("Affected Collection - \"Missing font name\""), this);
    SetVerdana(ListCaption, 8, true);
    SetTextColour(ListCaption, Qt::white);
    ListCaption->setGeometry(8, Top + 140, TextWidth, 18);

    lbxMissingFonts = new QListWidget(this);
    lbxMissingFonts->setObjectName(QStringLiteral("lbxMissingFonts"));
    lbxMissingFonts->setGeometry(8, Top + 160, TextWidth, ClientHeight - Top - 168);

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
