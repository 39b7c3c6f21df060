// The about window.
#pragma once

#include <QDialog>

class TfrmAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAboutDlg(QWidget* Parent = nullptr);
};
