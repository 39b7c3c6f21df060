// The language assistant: a step-by-step introduction to collections,
// groups and the Active View.
#pragma once

#include <QDialog>

class TfrmAssistantDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAssistantDlg(QWidget* Parent = nullptr);
};
