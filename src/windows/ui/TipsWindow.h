// The tips window: one short tip at a time.
#pragma once

#include <QDialog>

class TfrmTipsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTipsDlg(QWidget* Parent = nullptr);
};
