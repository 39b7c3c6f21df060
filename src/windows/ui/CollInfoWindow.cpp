#include "windows/ui/CollInfoWindow.h"

TfrmCollInfoDlg::TfrmCollInfoDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmCollInfoDlg");
    setWindowTitle("Collection Information");
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);
}
