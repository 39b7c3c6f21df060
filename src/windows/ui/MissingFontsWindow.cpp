#include "windows/ui/MissingFontsWindow.h"

TfrmMissingFontsDlg::TfrmMissingFontsDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmMissingFontsDlg");
    setWindowTitle("Warning!");
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);
}
