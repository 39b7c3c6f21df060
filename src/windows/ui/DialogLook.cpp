#include "windows/ui/DialogLook.h"

#include "app/Prefs.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/SchemePanel.h"

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

namespace AuxWindows {

QColor ColourValue(unsigned Value) {
    return QColor(static_cast<int>(Value & 0xFF), static_cast<int>((Value >> 8) & 0xFF),
                  static_cast<int>((Value >> 16) & 0xFF));
}

void SetUpDialog(QDialog* Dialog, int Width, int Height, const QString& Caption) {
    Dialog->setWindowTitle(Caption);
    Dialog->setFixedSize(Width, Height);
    SetBackground(Dialog, Qt::black);
    if (QScreen* Screen = QGuiApplication::primaryScreen())
        Dialog->move(Screen->availableGeometry().center() - Dialog->rect().center());
}

TSchemePanel* MakeBanner(QWidget* Parent, int Width, const QString& LabelName, const QString& Text,
                         QLabel*& Label) {
    auto* Banner = new TSchemePanel(Parent, AppPrefs.ColorScheme);
    Banner->setObjectName(QStringLiteral("spnlName"));
    Banner->setGeometry(0, BannerTop, Width, BannerHeight);
    Label = new QLabel(Text, Banner);
    Label->setObjectName(LabelName);
    SetVerdana(Label, 8, true);
    SetTextColour(Label, Qt::white);
    Label->setGeometry(8, 0, Width - 16, BannerHeight);
    Label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return Banner;
}

void SetTextColour(QWidget* W, const QColor& C) {
    QPalette P = W->palette();
    P.setColor(QPalette::WindowText, C);
    P.setColor(QPalette::Text, C);
    W->setPalette(P);
}

void SetBackground(QWidget* W, const QColor& C) {
    QPalette P = W->palette();
    P.setColor(QPalette::Window, C);
    W->setPalette(P);
    W->setAutoFillBackground(true);
}

void SetVerdana(QWidget* W, int PointSize, bool Bold, bool Italic) {
    QFont F(QStringLiteral("Verdana"));
    F.setPointSize(PointSize);
    F.setBold(Bold);
    F.setItalic(Italic);
    W->setFont(F);
}

QFrame* MakeRule(QWidget* Parent, int X, int Y, int Width) {
    auto* Rule = new QFrame(Parent);
    Rule->setFrameShape(QFrame::HLine);
    Rule->setFrameShadow(QFrame::Sunken);
    Rule->setGeometry(X, Y, Width, 2);
    return Rule;
}

QString DisplayText(const QString& Text) {
    QString Result = Text;
    Result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return Result;
}

TWarningBody MakeWarningBody(QDialog* Dialog, int Width, int Height, const QString& Heading,
                             const QString& Message, int MessageHeight, const QString& ListCaption,
                             const QString& ListName) {
    constexpr int ButtonPanelWidth = 97;
    constexpr unsigned ButtonPanelColour = 4079166;
    const int TextWidth = Width - ButtonPanelWidth - 16;
    const int Top = BannerTop + BannerHeight;
    TWarningBody Body;

    Body.Heading = new QLabel(Heading, Dialog);
    Body.Heading->setObjectName(QStringLiteral("lblHeading"));
    SetVerdana(Body.Heading, 10, true);
    SetTextColour(Body.Heading, Qt::yellow);
    Body.Heading->setGeometry(8, Top + 6, TextWidth, 20);
    MakeRule(Dialog, 8, Top + 28, TextWidth);

    Body.Message = new QLabel(DisplayText(Message), Dialog);
    Body.Message->setObjectName(QStringLiteral("lblMessage"));
    SetVerdana(Body.Message, 8, false);
    SetTextColour(Body.Message, Qt::white);
    Body.Message->setWordWrap(true);
    Body.Message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Body.Message->setGeometry(8, Top + 36, TextWidth, MessageHeight);

    const int CaptionTop = Top + 40 + MessageHeight;
    auto* Caption = new QLabel(ListCaption, Dialog);
    SetVerdana(Caption, 8, true);
    SetTextColour(Caption, Qt::white);
    Caption->setGeometry(8, CaptionTop, TextWidth, 18);

    Body.List = new QListWidget(Dialog);
    Body.List->setObjectName(ListName);
    Body.List->setGeometry(8, CaptionTop + 20, TextWidth, Height - CaptionTop - 28);

    Body.ButtonPanel = new QWidget(Dialog);
    Body.ButtonPanel->setObjectName(QStringLiteral("pnlButtons"));
    SetBackground(Body.ButtonPanel, ColourValue(ButtonPanelColour));
    Body.ButtonPanel->setGeometry(Width - ButtonPanelWidth, Top, ButtonPanelWidth, Height - Top);
    Body.OK = new TOrvButton(QStringLiteral("OK"), Body.ButtonPanel);
    Body.OK->setObjectName(QStringLiteral("btnOK"));
    Body.OK->setGeometry(11, 12, 75, 25);
    Body.OK->setDefault(true);
    QObject::connect(Body.OK, &QPushButton::clicked, Dialog, &QDialog::accept);
    return Body;
}

} // namespace AuxWindows
