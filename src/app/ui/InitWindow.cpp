#include "app/ui/InitWindow.h"

#include "app/AppGlobals.h"

#include <QApplication>
#include <QScreen>

namespace {

QLabel* MakeLabel(QWidget* Parent, const char* Name, const QString& Text, bool Bold,
                  Qt::Alignment Align, const QRect& Where) {
    auto* Label = new QLabel(Text, Parent);
    Label->setObjectName(Name);
    QFont F("Verdana");
    F.setPixelSize(11);
    F.setBold(Bold);
    Label->setFont(F);
    Label->setStyleSheet("color: white; background: transparent;");
    Label->setAlignment(Align);
    Label->setGeometry(Where);
    return Label;
}

} // namespace

TfrmInit::TfrmInit(QWidget* Parent) : TfrmInitBase(Parent) {
    setObjectName("frmInit");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(505, 279);
    setAutoFillBackground(true);
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);

    auto* Picture = new QLabel(this);
    Picture->setPixmap(QPixmap(":/PIC/STARTUP"));
    Picture->setGeometry(0, 0, 505, 279);

    Progress = new QProgressBar(this);
    Progress->setObjectName("Progress");
    Progress->setGeometry(260, 168, 229, 13);
    Progress->setTextVisible(false);
    Progress->setMaximum(113);
    Progress->setStyleSheet("QProgressBar { background: rgb(235,235,224); border: 0; }"
                            "QProgressBar::chunk { background: rgb(0,160,0); }");

    lblLoadCaption = MakeLabel(this, "lblLoadCaption", "Loading...", false, Qt::AlignCenter,
                               QRect(240, 186, 269, 16));
    lblVersion = MakeLabel(this, "lblVersion", "", true, Qt::AlignRight | Qt::AlignVCenter,
                           QRect(300, 150, 190, 14));
    lblNotes =
        MakeLabel(this, "lblNotes", "Supports Multiple-Languages!\r\n[For Free Distribution only]",
                  false, Qt::AlignLeft | Qt::AlignTop, QRect(12, 236, 260, 30));
    lblWebAddress = MakeLabel(this, "lblWebAddress", "www.tarvix.org", false,
                              Qt::AlignRight | Qt::AlignVCenter, QRect(300, 250, 190, 14));

    setWindowTitle("TARVIX Version " + QString::fromStdString(AppVersion));
    lblVersion->setText("Version " + QString::fromStdString(AppVersion));

    if (QScreen* Screen = QApplication::primaryScreen())
        move(Screen->geometry().center() - rect().center());
    show();
}

void TfrmInit::SetLoadingMode(bool Loading) {
    Progress->setVisible(Loading);
    lblLoadCaption->setText(Loading ? "Loading..." : "Installing Translation");
}

void TfrmInit::SetLoadCaption(const std::string& Text) {
    lblLoadCaption->setText(QString::fromStdString(Text));
    repaint();
}

void TfrmInit::SetProgressMax(int Value) {
    Progress->setMaximum(Value);
}

void TfrmInit::SetProgressPos(int Value) {
    QApplication::processEvents();
    Progress->setValue(Value);
}
