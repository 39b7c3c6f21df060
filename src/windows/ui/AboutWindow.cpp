#include "windows/ui/AboutWindow.h"

#include "app/AppGlobals.h"
#include "app/Prefs.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/OrvURLLabel.h"
#include "controls/ui/SchemePanel.h"
#include "windows/ui/DialogLook.h"

#include <QLabel>

using namespace AuxWindows;

namespace {
constexpr int ClientWidth = 420;
constexpr int ClientHeight = 392;
constexpr int TitleHeight = 56;

QLabel* TextLabel(QWidget* Parent, const char* Name, const QString& Text, int Y, int Height) {
    auto* L = new QLabel(Text, Parent);
    L->setObjectName(QString::fromLatin1(Name));
    L->setTextFormat(Qt::PlainText);
    L->setWordWrap(true);
    L->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColour(L, Qt::white);
    L->setGeometry(16, Y, ClientWidth - 32, Height);
    return L;
}
} // namespace

TfrmAboutDlg::TfrmAboutDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmAboutDlg");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    SetUpDialog(this, ClientWidth, ClientHeight,
                QString::fromStdString("About Tarvix Version " + AppVersion));

    imgTitle = new TSchemePanel(this, AppPrefs.ColorScheme);
    imgTitle->setObjectName(QStringLiteral("imgTitle"));
    imgTitle->setGeometry(0, BannerTop, ClientWidth, TitleHeight);
    lblTitle = new QLabel(QString::fromStdString(AppTitle), imgTitle);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    SetVerdana(lblTitle, 20, true);
    SetTextColour(lblTitle, Qt::white);
    lblTitle->setGeometry(0, 0, ClientWidth, TitleHeight);
    lblTitle->setAlignment(Qt::AlignCenter);

    int Y = BannerTop + TitleHeight + 12;
    lblBismillah =
        TextLabel(this, "lblBismillah",
                  QStringLiteral("\"In the Name of Allah, Most Gracious, Most Merciful\""), Y, 20);
    SetVerdana(lblBismillah, 8, true);
    Y += 26;
    MakeRule(this, 16, Y, ClientWidth - 32);
    Y += 10;

    lblVerse = TextLabel(
        this, "lblVerse",
        QStringLiteral("Certainly did Allah confer [great] favor upon the believers when He sent "
                       "among them a Messenger from themselves, reciting to them His verses and "
                       "purifying them and teaching them the Book and wisdom, although they had "
                       "been before in manifest error.\n(Qur'an, Ali 'Imran 3:164)"),
        Y, 104);
    SetVerdana(lblVerse, 9, false, true);
    Y += 112;

    lblCredits = TextLabel(
        this, "lblCredits",
        QStringLiteral("The English translation of the Qur'an is Saheeh International, taken "
                       "with the Arabic text from the npm package quran-json (CC BY-SA 4.0). "
                       "The supplications come from Debian's monajat-data (GPL-2+). See the "
                       "NOTICE file for details."),
        Y, 64);
    SetVerdana(lblCredits, 8, false);
    Y += 70;

    lblURLVelorin = new TOrvURLLabel(this);
    lblURLVelorin->setObjectName(QStringLiteral("lblURLVelorin"));
    lblURLVelorin->SetURLType(utHTTP);
    lblURLVelorin->SetURL(TOrvURLLabel::DefaultURL);
    lblURLVelorin->setText(TOrvURLLabel::DefaultURL);
    SetVerdana(lblURLVelorin, 10, true);
    SetTextColour(lblURLVelorin, Qt::white);
    lblURLVelorin->HighlightFont = lblURLVelorin->font();
    lblURLVelorin->HighlightFont.setUnderline(true);
    lblURLVelorin->HighlightColor = Qt::white;
    lblURLVelorin->setCursor(Qt::PointingHandCursor);
    lblURLVelorin->setAlignment(Qt::AlignCenter);
    lblURLVelorin->setGeometry(16, Y, ClientWidth - 32, 20);

    btnOK = new TOrvButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry((ClientWidth - 75) / 2, ClientHeight - 37, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAboutDlg::FormShow() {
    setWindowTitle(QString::fromStdString("About Tarvix Version " + AppVersion));
    imgTitle->SetScheme(AppPrefs.ColorScheme);
}

// The label opens its address itself when clicked; this is the same action
// for callers without a mouse.
void TfrmAboutDlg::lblURLVelorinClick() {
    lblURLVelorin->OpenURL(lblURLVelorin->URLType(), lblURLVelorin->URL());
}

void TfrmAboutDlg::showEvent(QShowEvent* Event) {
    FormShow();
    QDialog::showEvent(Event);
}
