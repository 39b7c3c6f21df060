// The tips window: one short tip at a time, paged with a back/forward cursor;
// the first tip shown changes from one opening to the next.
#pragma once

#include "controls/NavPointer.h"

#include <QDialog>

#include <memory>
#include <random>

class QCheckBox;
class QLabel;
class TOrvButton;
class TOrvTextStore;
class TSchemePanel;

class TfrmTipsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTipsDlg(QWidget* Parent = nullptr);
    ~TfrmTipsDlg() override;

    // ShuffleTips, ShowTip, then shows the window modally.
    void ShowTips();
    // Swaps a random tip into the first place (kept for later openings) and
    // puts the cursor on it.
    void ShuffleTips();
    // Shows the tip at the cursor.
    void ShowTip();

    void btnPrevClick();
    void btnNextClick();
    // Stores StartUpTips from the box and saves the settings at once.
    void chkStartUpTipsClick();

    TSchemePanel* spnlName = nullptr;
    QLabel* lblWinName = nullptr;
    QLabel* lblHeading = nullptr;
    QLabel* lblMessage = nullptr;
    QCheckBox* chkStartUpTips = nullptr;
    TOrvButton* btnPrev = nullptr;
    TOrvButton* btnNext = nullptr;
    TOrvButton* btnClose = nullptr;
    TOrvTextStore* tsTips = nullptr;
    std::unique_ptr<TOrvNavPointer> TipCursor;

private:
    std::unique_ptr<TNavButton> FPrevButton;
    std::unique_ptr<TNavButton> FNextButton;
    std::mt19937 FRandom;
};
