#include "windows/ui/TipsWindow.h"

TfrmTipsDlg::TfrmTipsDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmTipsDlg");
    setWindowTitle("Tips and Info!");
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);
}
