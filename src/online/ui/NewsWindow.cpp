#include "online/ui/NewsWindow.h"

TfrmNews::TfrmNews(QWidget* Parent) : QWidget(Parent) {
    setObjectName("frmNews");
    setWindowTitle("Velorin Direct");
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);
}
