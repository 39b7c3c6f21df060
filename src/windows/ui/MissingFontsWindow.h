// The missing fonts window: collections that cannot be shown for want of a
// font.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class TOrvButton;
class TSchemePanel;

class TfrmMissingFontsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMissingFontsDlg(QWidget* Parent = nullptr);

    // Refills the list from the collection manager's missing-font notes.
    void FormShow();

    TSchemePanel* spnlName = nullptr;
    QLabel* lblWinName = nullptr;
    QLabel* lblHeading = nullptr;
    QLabel* lblMessage = nullptr;
    QListWidget* lbxMissingFonts = nullptr;
    TOrvButton* btnOK = nullptr;

protected:
    void showEvent(QShowEvent* Event) override;
};
