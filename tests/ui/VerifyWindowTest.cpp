#include "data/ui/VerifyWindow.h"

#include "app/Shell.h"
#include "app/ui/QtShell.h"
#include "controls/ui/OrvButton.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class TFakeModule : public TVerifiableObject {
public:
    TFakeModule(std::string Name, bool Result) : FName(std::move(Name)), FResult(Result) {}
    bool Verify() override {
        if (OnVerify)
            OnVerify();
        return FResult;
    }
    std::string GetModuleName() override { return FName; }
    std::function<void()> OnVerify;

private:
    std::string FName;
    bool FResult;
};

std::vector<bool> Ticks(const QListWidget& List) {
    std::vector<bool> Result;
    for (int i = 0; i < List.count(); ++i)
        Result.push_back(List.item(i)->checkState() == Qt::Checked);
    return Result;
}

class VerifyWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetShell(&QtShell);
        ResetVerification();
    }
    void TearDown() override {
        ResetVerification();
        SetShell(nullptr);
    }
    // Ends a window that failed to close itself, so a fault cannot hang the run.
    static void Watchdog(TfrmVerifydlg& Dlg, bool& Fired) {
        QTimer::singleShot(20000, &Dlg, [&Dlg, &Fired] {
            Fired = true;
            Dlg.done(99);
        });
    }
    // Runs Action once the window is on screen (the window processes
    // pending events before it shows, so a plain zero timer comes too early).
    static void WhenShown(TfrmVerifydlg& Dlg, std::function<void()> Action) {
        auto* Poll = new QTimer(&Dlg);
        Poll->setInterval(5);
        QObject::connect(Poll, &QTimer::timeout, &Dlg, [&Dlg, Poll, Action] {
            if (!Dlg.isVisible())
                return;
            Poll->stop();
            Poll->deleteLater();
            Action();
        });
        Poll->start();
    }
    TQtShell QtShell;
};

} // namespace

TEST_F(VerifyWindowTest, AutomaticRunTicksEveryModuleReportsSuccessAndClosesItself) {
    TFakeModule Core("Application System Core", true);
    TFakeModule Docs("Main Documents Module", true);
    TFakeModule Gloss("Glossary Module", true);
    VerificationManager.AddModule(&Core);
    VerificationManager.AddModule(&Docs);
    VerificationManager.AddModule(&Gloss);

    bool Fired = false;
    {
        TfrmVerifydlg Dlg;
        EXPECT_EQ(Dlg.windowTitle(), "Anti-Tamper");
        EXPECT_EQ(Dlg.size(), QSize(399, 174));
        EXPECT_EQ(Dlg.findChild<QLabel*>("lblWinName")->text(),
                  "Verifies All Corvale Software Components");
        EXPECT_FALSE(Dlg.chklbxVerify->isEnabled());
        EXPECT_EQ(Dlg.tmrVerify->interval(), 500);

        // What the window shows while the second module is checked; its
        // fingerprint reaches the status line through the shell.
        bool Visible = false, ButtonsEnabled = true;
        std::vector<bool> TicksMeanwhile;
        QString StatusMeanwhile;
        Docs.OnVerify = [&] {
            Shell().SetVerifyStatus("35V8E96-9=830FFAA5-9");
            Visible = Dlg.isVisible();
            ButtonsEnabled = Dlg.btnOK->isEnabled() || Dlg.btnVerify->isEnabled();
            TicksMeanwhile = Ticks(*Dlg.chklbxVerify);
            StatusMeanwhile = Dlg.lblItem_ID->text();
        };
        Watchdog(Dlg, Fired);
        Dlg.ShowVerifyWindowAuto();

        EXPECT_FALSE(Fired);
        EXPECT_FALSE(Dlg.isVisible());
        EXPECT_FALSE(Dlg.AutoClose());
        EXPECT_TRUE(Visible);
        EXPECT_FALSE(ButtonsEnabled);
        EXPECT_EQ(TicksMeanwhile, (std::vector<bool>{true, false, false}));
        EXPECT_EQ(StatusMeanwhile, "35V8E96-9=830FFAA5-9");
        EXPECT_EQ(Ticks(*Dlg.chklbxVerify), (std::vector<bool>{true, true, true}));
        EXPECT_EQ(Dlg.chklbxVerify->item(2)->text(), "Glossary Module");
        EXPECT_EQ(Dlg.lblItem_ID->text(), "Verification Complete - Passed.");
    }
    // A closed window no longer receives status lines.
    EXPECT_FALSE(QtShell.OnVerifyStatus);
}

TEST_F(VerifyWindowTest, OnDemandRunWaitsForTheButtonAndEnablesTheButtonsAgain) {
    TFakeModule Core("Application System Core", true);
    TFakeModule Coll("Hadith Collection Modules", false);
    VerificationManager.AddModule(&Core);
    VerificationManager.AddModule(&Coll);

    TfrmVerifydlg Dlg;
    bool Fired = false;
    QString StatusAtOpen;
    std::vector<bool> TicksAtOpen, TicksAfter;
    bool EnabledAtOpen = false, EnabledDuring = true, EnabledAfter = false, VisibleAfter = false;
    QString StatusAfter;
    Coll.OnVerify = [&] { EnabledDuring = Dlg.btnOK->isEnabled() || Dlg.btnVerify->isEnabled(); };
    WhenShown(Dlg, [&] {
        StatusAtOpen = Dlg.lblItem_ID->text();
        TicksAtOpen = Ticks(*Dlg.chklbxVerify);
        EnabledAtOpen = Dlg.btnOK->isEnabled() && Dlg.btnVerify->isEnabled();
        Dlg.btnVerify->click();
        TicksAfter = Ticks(*Dlg.chklbxVerify);
        StatusAfter = Dlg.lblItem_ID->text();
        EnabledAfter = Dlg.btnOK->isEnabled() && Dlg.btnVerify->isEnabled();
        VisibleAfter = Dlg.isVisible();
        Dlg.btnOK->click();
    });
    Watchdog(Dlg, Fired);
    Dlg.ShowVerifyWindow();

    EXPECT_FALSE(Fired);
    EXPECT_EQ(Dlg.result(), QDialog::Accepted);
    EXPECT_EQ(StatusAtOpen, "Click on \"Verify Now\" to start...");
    EXPECT_EQ(TicksAtOpen, (std::vector<bool>{false, false}));
    EXPECT_TRUE(EnabledAtOpen);
    EXPECT_FALSE(EnabledDuring);
    // The last module failed: its line stays unticked and no success is shown.
    EXPECT_EQ(TicksAfter, (std::vector<bool>{true, false}));
    EXPECT_EQ(StatusAfter, "Click on \"Verify Now\" to start...");
    EXPECT_TRUE(EnabledAfter);
    EXPECT_TRUE(VisibleAfter);
}

TEST_F(VerifyWindowTest, ClosingBeforeTheAutomaticRunStartsCancelsIt) {
    bool Verified = false;
    TFakeModule Core("Application System Core", true);
    Core.OnVerify = [&] { Verified = true; };
    VerificationManager.AddModule(&Core);
    TfrmVerifydlg Dlg;
    WhenShown(Dlg, [&] { Dlg.btnOK->click(); });
    Dlg.ShowVerifyWindowAuto();
    EXPECT_FALSE(Dlg.tmrVerify->isActive());
    EXPECT_FALSE(Dlg.AutoClose());
    QTest::qWait(700);
    EXPECT_FALSE(Verified);
}
