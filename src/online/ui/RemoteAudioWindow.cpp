#include "online/ui/RemoteAudioWindow.h"

TfrmRemoteAudioDlg::TfrmRemoteAudioDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmRemoteAudioDlg");
    setWindowTitle("Remote Qur'an Audio");
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);
}
