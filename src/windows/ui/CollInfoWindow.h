// The collection information window: name, translator, hadith count and
// description of one collection.
#pragma once

#include <QDialog>

class TfrmCollInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCollInfoDlg(QWidget* Parent = nullptr);
};
