// The verification window ("Anti-Tamper"): lists every registered module,
// ticks each one that passes its check and shows the fingerprints as they
// are computed. Opened on its own after start-up, or on demand.
#pragma once

#include "data/Verification.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QListWidget;
class TOrvButton;
class TQtShell;
class TSchemePanel;

class TfrmVerifydlg : public QDialog, public TVerifyView {
    Q_OBJECT
public:
    explicit TfrmVerifydlg(QWidget* Parent = nullptr);
    ~TfrmVerifydlg() override;

    void ShowVerifyWindow();
    void ShowVerifyWindowAuto();
    void SetVerifyStatus(const std::string& Text);

    void tmrVerifyTimer();
    void btnVerifyClick();

    // TVerifyView
    void FillModuleList(const std::vector<std::string>& Names) override;
    void SetButtonsEnabled(bool Enabled) override;
    void TickModule(int Index) override;
    void SetStatus(const std::string& Text) override { SetVerifyStatus(Text); }
    void Repaint() override;
    bool AutoClose() const override { return FAutoClose; }
    void CloseWindow() override { close(); }
    // Every way of closing ends a pending automatic run.
    void done(int Result) override;

    TSchemePanel* spnlName = nullptr;
    QLabel* lblWinName = nullptr;
    QListWidget* chklbxVerify = nullptr;
    QLabel* lblItem_ID = nullptr;
    TOrvButton* btnOK = nullptr;
    TOrvButton* btnVerify = nullptr;
    QTimer* tmrVerify = nullptr;

protected:
    void closeEvent(QCloseEvent* Event) override;

private:
    bool FAutoClose = false;
    TQtShell* FShell = nullptr; // whose status hook this window set
};
