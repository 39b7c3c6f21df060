// The remote recitation settings window: server, cache folder and the
// switch that puts recitation links into pages.
#pragma once

#include <QDialog>

class TfrmRemoteAudioDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmRemoteAudioDlg(QWidget* Parent = nullptr);
};
