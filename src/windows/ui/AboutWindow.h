// The about window: the program's version, a verse, the credits for the
// content and the maker's web address.
#pragma once

#include <QDialog>

class QLabel;
class TOrvButton;
class TOrvURLLabel;
class TSchemePanel;

class TfrmAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAboutDlg(QWidget* Parent = nullptr);

    // Sets the caption from AppVersion; runs on every showing.
    void FormShow();
    void lblURLVelorinClick();

    TSchemePanel* imgTitle = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblBismillah = nullptr;
    QLabel* lblVerse = nullptr;
    QLabel* lblCredits = nullptr;
    TOrvURLLabel* lblURLVelorin = nullptr;
    TOrvButton* btnOK = nullptr;

protected:
    void showEvent(QShowEvent* Event) override;
};
