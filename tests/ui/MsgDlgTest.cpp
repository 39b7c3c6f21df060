#include "app/ui/MsgDlg.h"

#include "app/Shell.h"
#include "app/ui/QtShell.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct TSeen {
    QString Caption, Heading, R1, R2, R3;
    bool R2Visible = false, R3Visible = false;
    QColor HeadingColour;
    int Height = 0;
};

TSeen Capture(TfrmMsgDlg& Dlg) {
    TSeen S;
    S.Caption = Dlg.windowTitle();
    S.Heading = Dlg.lblHeading->text();
    S.R1 = Dlg.btnR1->text();
    S.R2 = Dlg.btnR2->text();
    S.R3 = Dlg.btnR3->text();
    S.R2Visible = Dlg.btnR2->isVisible();
    S.R3Visible = Dlg.btnR3->isVisible();
    S.HeadingColour = Dlg.lblHeading->palette().color(QPalette::WindowText);
    S.Height = Dlg.height();
    return S;
}

class MsgDlgTest : public ::testing::Test {
protected:
    void SetUp() override { SetShell(&Shell); }
    void TearDown() override {
        SetShell(nullptr);
        TfrmMsgDlg::AnswerQueue().clear();
        TfrmMsgDlg::OnAnswering() = nullptr;
    }
    TSeen Answer(int Result) {
        TfrmMsgDlg::AnswerQueue().push_back(Result);
        TfrmMsgDlg::OnAnswering() = [this](TfrmMsgDlg& Dlg) { Seen = Capture(Dlg); };
        return Seen;
    }
    TQtShell Shell;
    TSeen Seen;
};

} // namespace

TEST_F(MsgDlgTest, ConfirmationWithYesNoShowsTwoButtonsAndNoAnswersSeven) {
    Answer(mrNo);
    EXPECT_EQ(ShowMsgDlg(mkConfirmation, MsgHeightSmall, true, "Question", "Go on?", mbsYesNo), 7);
    EXPECT_EQ(Seen.Caption, " Confirmation!");
    EXPECT_EQ(Seen.R1, "Yes");
    EXPECT_EQ(Seen.R2, "No");
    EXPECT_TRUE(Seen.R2Visible);
    EXPECT_FALSE(Seen.R3Visible);
    EXPECT_EQ(Seen.HeadingColour, QColor(0, 255, 0));
    EXPECT_EQ(Seen.Height, MsgHeightSmall);
}

TEST_F(MsgDlgTest, CriticalHasTwoLeadingBlanksAndARedHeading) {
    Answer(mrOk);
    EXPECT_EQ(ShowMsgDlg(mkCritical, MsgHeightLarge, true, "Stop", "Bad", mbsOK), mrOk);
    EXPECT_EQ(Seen.Caption, "  Severe/Critical Error!");
    EXPECT_EQ(Seen.HeadingColour, QColor(255, 0, 0));
    EXPECT_EQ(Seen.Height, MsgHeightLarge);
}

TEST_F(MsgDlgTest, KeepsTheLastCallsStateAndAnOkCallHidesTheOtherButtons) {
    Answer(mrCancel);
    EXPECT_EQ(ShowMsgDlg(mkWarning, MsgHeightMedium, true, "A", "B", mbsYesNoCancel), mrCancel);
    EXPECT_TRUE(Seen.R3Visible);
    EXPECT_EQ(Seen.R3, "Cancel");

    Answer(mrOk);
    ShowMsgDlg(mkInformation, MsgHeightSmall, true, "A", "B", mbsOK);
    EXPECT_FALSE(Seen.R2Visible);
    EXPECT_FALSE(Seen.R3Visible);

    // A kind and a button set outside the tables keep what the last call set.
    Answer(mrOk);
    ShowMsgDlg(9, MsgHeightSmall, true, "A", "B", 999);
    EXPECT_EQ(Seen.Caption, " Information!");
    EXPECT_EQ(Seen.R1, "OK");
    EXPECT_FALSE(Seen.R2Visible);
}

TEST_F(MsgDlgTest, AbortRetryIgnoreGivesEachResult) {
    const int Results[] = {mrAbort, mrRetry, mrIgnore};
    for (int R : Results) {
        Answer(R);
        EXPECT_EQ(ShowMsgDlg(mkError, MsgHeightSmall, true, "E", "T", mbsAbortRetryIgnore), R);
    }
    EXPECT_EQ(Seen.R1, "Abort");
    EXPECT_EQ(Seen.R2, "Retry");
    EXPECT_EQ(Seen.R3, "Ignore");
}

TEST_F(MsgDlgTest, UncolouredHeadingIsWhite) {
    Answer(mrOk);
    ShowMsgDlg(mkError, MsgHeightSmall, false, "E", "T", mbsOK);
    EXPECT_EQ(Seen.HeadingColour, QColor(Qt::white));
}

TEST_F(MsgDlgTest, AMessageAskedForWhileTheBoxIsOpenIsShownInASecondWindow) {
    // The first message is answered only after a second one, raised while the
    // first is on screen, has been shown and answered.
    int Inner = 0;
    TfrmMsgDlg::AnswerQueue().push_back(mrOk);
    TfrmMsgDlg::OnAnswering() = [&](TfrmMsgDlg& Dlg) {
        if (&Dlg == &frmMsgDlg() && Inner == 0) {
            TfrmMsgDlg::AnswerQueue().push_back(mrYes);
            Inner = ShowMsgDlg(mkConfirmation, MsgHeightSmall, true, "Second", "?", mbsYesNo);
            EXPECT_EQ(frmMsgDlg().lblHeading->text(), "First");
        }
    };
    EXPECT_EQ(ShowMsgDlg(mkInformation, MsgHeightSmall, true, "First", "T", mbsOK), mrOk);
    EXPECT_EQ(Inner, mrYes);
}
