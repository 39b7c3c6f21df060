#include "windows/ui/AssistantWindow.h"

TfrmAssistantDlg::TfrmAssistantDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmAssistantDlg");
    setWindowTitle("Assistant");
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);
}
