#include "windows/ui/AboutWindow.h"

#include "app/AppGlobals.h"

TfrmAboutDlg::TfrmAboutDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmAboutDlg");
    setWindowTitle(QString::fromStdString("About Tarvix Version " + AppVersion));
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);
}
