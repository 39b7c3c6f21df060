#include "scripture/ui/GlossaryWindow.h"

TfrmGloss::TfrmGloss(QWidget* Parent) : QWidget(Parent) {
    setObjectName("frmGloss");
    setWindowTitle("Glossary");
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);
}
