#include "search/ui/SearchReportWindow.h"

TfrmSearchReportDlg::TfrmSearchReportDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmSearchReportDlg");
    setWindowTitle("Search Report");
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);
}
