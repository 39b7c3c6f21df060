#include "windows/ui/BadCollsWindow.h"

TfrmBadCollsDlg::TfrmBadCollsDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmBadCollsDlg");
    setWindowTitle("Warning!");
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);
}
