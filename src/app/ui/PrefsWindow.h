// The preferences window: the general switches and the two colour schemes,
// tried live on the program's windows while it is open and saved on OK.
#pragma once

#include "app/Prefs.h"
#include "controls/ui/OrvButton.h"

#include <QDialog>

#include <array>
#include <functional>

class QButtonGroup;
class QListWidget;
class QRadioButton;

class TfrmPrefsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPrefsDlg(QWidget* Parent = nullptr);

    // Opens the window on a copy of AppPrefs; returns when it has closed.
    void ShowPrefs();
    // Shows P in the controls; opens the window modally when it is hidden.
    void FillFromPrefs(const TTxPrefs& P);
    // Copies the controls into EditPrefs.
    void ReadBackPrefs();

    // The working copy the window edits.
    TTxPrefs EditPrefs;
    // Applies a settings record to the program's windows (the main window's
    // operation, set by the program).
    std::function<void(const TTxPrefs&)> ApplyPrefs;

    QListWidget* chklbxGen = nullptr;
    QWidget* pnlColorScheme = nullptr;
    QWidget* pnlColorWordHL = nullptr;
    // Scheme order: Green, Gold, Aqua, Blue, Purple, Silver.
    QRadioButton *rbGrn = nullptr, *rbGold = nullptr, *rbAqua = nullptr, *rbBlue = nullptr,
                 *rbPrpl = nullptr, *rbSilver = nullptr;
    QRadioButton *rbGrn2 = nullptr, *rbGold2 = nullptr, *rbAqua2 = nullptr, *rbBlue2 = nullptr,
                 *rbPrpl2 = nullptr, *rbSilver2 = nullptr;
    TOrvButton* btnOK = nullptr;
    TOrvButton* btnCancel = nullptr;
    TOrvButton* btnDefaults = nullptr;

public slots:
    // Cancel, Escape: the saved settings come back, nothing is written.
    void reject() override;

protected:
    void showEvent(QShowEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;

private:
    QWidget* MakeSchemePanel(const QString& Name, const QString& Suffix, QButtonGroup*& Group);
    void SelectScheme(QButtonGroup* Group, int Scheme);
    void RadioClick();
    void btnOKClick();
    void btnDefaultsClick();
    void CallApplyPrefs(const TTxPrefs& P);

    QButtonGroup* FSchemeGroup = nullptr;
    QButtonGroup* FWordHLGroup = nullptr;
};
