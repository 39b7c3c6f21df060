// The missing fonts window: collections that cannot be shown for want of a
// font.
#pragma once

#include <QDialog>

class TfrmMissingFontsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMissingFontsDlg(QWidget* Parent = nullptr);
};
