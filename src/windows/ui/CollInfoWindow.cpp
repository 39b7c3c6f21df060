#include "windows/ui/CollInfoWindow.h"

#include "app/Prefs.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/SchemePanel.h"
#include "hadith/HadithHelper.h"
#include "windows/ui/DialogLook.h"

#include <QLabel>

using namespace AuxWindows;

namespace {
constexpr int ClientWidth = 430;
constexpr int ClientHeight = 295;
constexpr unsigned ValueBoxColour = 15066597;

QLabel* Caption(QWidget* Parent, const QString& Text, int Y) {
    auto* L = new QLabel(Text, Parent);
    SetVerdana(L, 8, false);
    SetTextColour(L, Qt::white);
    L->setGeometry(12, Y, 96, 20);
    L->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return L;
}

QLabel* ValueBox(QWidget* Parent, const char* Name, bool Bold, const QRect& Place) {
    auto* L = new QLabel(Parent);
    L->setObjectName(QString::fromLatin1(Name));
    L->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetBackground(L, ColourValue(ValueBoxColour));
    SetTextColour(L, Qt::black);
    SetVerdana(L, 8, Bold);
    L->setGeometry(Place);
    L->setIndent(4);
    L->setTextFormat(Qt::PlainText);
    return L;
}
} // namespace

TfrmCollInfoDlg::TfrmCollInfoDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmCollInfoDlg");
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    SetUpDialog(this, ClientWidth, ClientHeight, QStringLiteral("Collection Information"));
    spnlName = MakeBanner(this, ClientWidth, QStringLiteral("lblTransInfo"),
                          QStringLiteral("Collection Information"), lblTransInfo);

    const int BoxX = 112, BoxWidth = ClientWidth - BoxX - 12;
    Caption(this, QStringLiteral("Name:"), 44);
    lblCollName = ValueBox(this, "lblCollName", true, QRect(BoxX, 44, BoxWidth, 20));
    Caption(this, QStringLiteral("Translator:"), 70);
    lblCollTranslator = ValueBox(this, "lblCollTranslator", false, QRect(BoxX, 70, BoxWidth, 20));
    Caption(this, QStringLiteral("Searcheable:"), 96);
    lblCollSearch = ValueBox(this, "lblCollSearch", false, QRect(BoxX, 96, BoxWidth, 20));
    Caption(this, QStringLiteral("Hadith Count:"), 122);
    lblCollHCount = ValueBox(this, "lblCollHCount", true, QRect(BoxX, 122, BoxWidth, 20));
    Caption(this, QStringLiteral("Desciption"), 148);
    lblCollDesc = ValueBox(this, "lblCollDesc", false, QRect(12, 170, ClientWidth - 24, 80));
    lblCollDesc->setWordWrap(true);
    lblCollDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    btnOK = new TOrvButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(ClientWidth - 87, ClientHeight - 35, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmCollInfoDlg::FillCollInfo(const THadithHelper& Coll) {
    const QString Name = QString::fromStdString(Coll.CollectionName());
    const QString Title = QStringLiteral("Collection Information [") + Name + QStringLiteral("]");
    setWindowTitle(Title);
    lblTransInfo->setText(Title);
    spnlName->SetScheme(AppPrefs.ColorScheme);
    lblCollName->setText(Name);
    lblCollTranslator->setText(QString::fromStdString(Coll.Translator()));
    lblCollSearch->setText(QStringLiteral("N/A"));
    lblCollHCount->setText(QString::number(Coll.HadithCount()));
    lblCollDesc->setText(DisplayText(QString::fromStdString(Coll.Description())));
}

void TfrmCollInfoDlg::ShowCollInfo(const THadithHelper* Coll) {
    if (!Coll)
        return;
    FillCollInfo(*Coll);
    exec();
}
