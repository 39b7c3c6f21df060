#include "search/ui/SearchWindow.h"

TfrmSearch::TfrmSearch(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmSearch");
    setWindowTitle("Search The Hadith");
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);
}
