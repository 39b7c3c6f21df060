#include "windows/ui/DialogLook.h"

#include "app/Prefs.h"
#include "controls/ui/SchemePanel.h"

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
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

} // namespace AuxWindows
