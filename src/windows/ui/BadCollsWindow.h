// The damaged collections window: the collection files that failed to load,
// and a button that deletes them.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class TOrvButton;
class TSchemePanel;

class TfrmBadCollsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmBadCollsDlg(QWidget* Parent = nullptr);

    // Refills the list from the collection manager's damaged files.
    void FormShow();
    // Deletes the listed files from the program folder, then empties the list.
    void btnDeleteClick();

    TSchemePanel* spnlName = nullptr;
    QLabel* lblWinName = nullptr;
    QLabel* lblHeading = nullptr;
    QLabel* lblMessage = nullptr;
    QListWidget* lbxBadColls = nullptr;
    TOrvButton* btnOK = nullptr;
    TOrvButton* btnDelete = nullptr;

protected:
    void showEvent(QShowEvent* Event) override;
};
