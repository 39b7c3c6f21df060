// The damaged collections window: the collection files that failed to load.
#pragma once

#include <QDialog>

class TfrmBadCollsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmBadCollsDlg(QWidget* Parent = nullptr);
};
