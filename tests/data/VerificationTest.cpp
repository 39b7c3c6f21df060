// The verification registry's run over its modules, the one failure
// message, and the program's self-check.
#include "data/Verification.h"

#include "app/MsgDlgTypes.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using TLog = std::vector<std::string>;

// A shell that also writes its pauses into the shared log, so the order of
// checks and pauses shows.
class TLoggingShell : public TFakeShell {
public:
    explicit TLoggingShell(TLog& Log) : FLog(Log) {}
    void Pause(int Milliseconds) override {
        TFakeShell::Pause(Milliseconds);
        FLog.push_back("pause " + std::to_string(Milliseconds));
    }

private:
    TLog& FLog;
};

class TFakeModule : public TVerifiableObject {
public:
    TFakeModule(TLog& Log, std::string Name, bool Passes, std::function<void()> OnVerify = {})
        : FLog(Log), FName(std::move(Name)), FPasses(Passes), FOnVerify(std::move(OnVerify)) {}
    bool Verify() override {
        FLog.push_back("verify " + FName);
        if (FOnVerify)
            FOnVerify();
        return FPasses;
    }
    std::string GetModuleName() override { return FName; }

private:
    TLog& FLog;
    std::string FName;
    bool FPasses;
    std::function<void()> FOnVerify;
};

class TFakeView : public TVerifyView {
public:
    TFakeView(TLog& Log, bool AutoClose) : FLog(Log), FAutoClose(AutoClose) {}
    void FillModuleList(const std::vector<std::string>& Names) override {
        std::string Line = "fill";
        for (const std::string& Name : Names)
            Line += " " + Name;
        FLog.push_back(Line);
    }
    void SetButtonsEnabled(bool Enabled) override {
        FLog.push_back(Enabled ? "buttons on" : "buttons off");
    }
    void TickModule(int Index) override { FLog.push_back("tick " + std::to_string(Index)); }
    void SetStatus(const std::string& Text) override { FLog.push_back("status " + Text); }
    void Repaint() override { FLog.push_back("repaint"); }
    bool AutoClose() const override { return FAutoClose; }
    void CloseWindow() override { FLog.push_back("close"); }

private:
    TLog& FLog;
    bool FAutoClose;
};

class VerificationTest : public ::testing::Test {
protected:
    void SetUp() override { ResetVerification(); }
    void TearDown() override { ResetVerification(); }
    TLog Log;
    TLoggingShell Shell{Log};
};

} // namespace

TEST_F(VerificationTest, RunChecksEachModuleInOrderPausesAndTicksThePassedOnes) {
    TFakeModule Core(Log, "Core", true), Docs(Log, "Docs", false), Gloss(Log, "Gloss", true);
    for (TFakeModule* Module : {&Core, &Docs, &Gloss})
        VerificationManager.AddModule(Module);
    TFakeView View(Log, false);

    VerificationManager.VerifyAll(View);

    const TLog Expected = {"fill Core Docs Gloss",
                           "buttons off",
                           "repaint",
                           "verify Core",
                           "pause 400",
                           "tick 0",
                           "verify Docs",
                           "pause 400",
                           "verify Gloss",
                           "pause 400",
                           "tick 2",
                           "status Verification Complete - Passed.",
                           "buttons on"};
    EXPECT_EQ(Log, Expected);
}

TEST_F(VerificationTest, CompletionTextDependsOnTheLastModuleAlone) {
    const struct {
        std::vector<bool> Results;
        bool Completes;
    } Cases[] = {
        {{true, true}, true},
        {{false, true}, true},
        {{true, false}, false},
        {{}, false}, // an empty registry shows no completion text
    };
    for (const auto& Case : Cases) {
        ResetVerification();
        Log.clear();
        std::vector<TFakeModule> Modules;
        Modules.reserve(Case.Results.size());
        for (bool Passes : Case.Results)
            Modules.emplace_back(Log, "M", Passes);
        for (TFakeModule& Module : Modules)
            VerificationManager.AddModule(&Module);
        TFakeView View(Log, false);
        VerificationManager.VerifyAll(View);

        const bool Completed = std::find(Log.begin(), Log.end(),
                                         "status Verification Complete - Passed.") != Log.end();
        EXPECT_EQ(Completed, Case.Completes) << Case.Results.size() << " modules";
        EXPECT_EQ(Log.back(), "buttons on");
    }
}

TEST_F(VerificationTest, AutomaticRunClosesTheWindowInsteadOfEnablingButtons) {
    TFakeModule Core(Log, "Core", true);
    VerificationManager.AddModule(&Core);
    TFakeView View(Log, true);
    VerificationManager.VerifyAll(View);
    EXPECT_EQ(Log.back(), "close");
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "buttons on"), 0);
}

TEST_F(VerificationTest, RegistryKeepsDuplicatesAndSurvivesModulesAddedDuringTheRun) {
    TFakeModule Late(Log, "Late", true);
    TFakeModule Core(Log, "Core", true, [&] { VerificationManager.AddModule(&Late); });
    VerificationManager.AddModule(&Core);
    VerificationManager.AddModule(&Core);
    VerificationManager.AddModule(nullptr);
    EXPECT_EQ(VerificationManager.ModuleNames(), (std::vector<std::string>{"Core", "Core"}));

    TFakeView View(Log, false);
    VerificationManager.VerifyAll(View);
    // The run covers the modules listed when it began.
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "verify Core"), 2);
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "verify Late"), 0);
    EXPECT_EQ(VerificationManager.Modules().size(), 4u);
}

TEST_F(VerificationTest, TwoFailuresShowOneCriticalMessageAndEndTheProgramOnce) {
    TFakeModule Cats(Log, "Cats", false, [] { VerificationFailed(); });
    TFakeModule Gloss(Log, "Gloss", false, [] { VerificationFailed(); });
    VerificationManager.AddModule(&Cats);
    VerificationManager.AddModule(&Gloss);
    TFakeView View(Log, true);
    VerificationManager.VerifyAll(View);

    EXPECT_TRUE(VerificationHasFailed);
    ASSERT_EQ(Shell.Messages.size(), 1u);
    const TRecordedMessage& Message = Shell.Messages[0];
    EXPECT_EQ(Message.Kind, mkCritical);
    EXPECT_EQ(Message.Height, MsgHeightLarge);
    EXPECT_EQ(Message.Heading, "Verification Failed!");
    EXPECT_EQ(Message.Buttons, mbsOK);
    EXPECT_EQ(
        Message.Text.rfind("Severe Software Error:  Verification Failed\r\n\r\nOne or more", 0),
        0u);
    EXPECT_NE(Message.Text.find("1) This Software may have been Tampered with.\r\n2) Faulty"),
              std::string::npos);
    EXPECT_EQ(Message.Text.substr(Message.Text.size() - 35),
              "\r\n\r\nRe-install this Software again.");
    EXPECT_EQ(Shell.TerminateRequests, 1);
    // Both modules were still checked: the run ends its loop.
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "verify Gloss"), 1);

    ResetVerification();
    EXPECT_FALSE(VerificationHasFailed);
    EXPECT_TRUE(VerificationManager.Modules().empty());
}

TEST_F(VerificationTest, SelfCheckPassesOnACorrectBuild) {
    TAppVerify App;
    EXPECT_EQ(App.GetModuleName(), "Application System Core");
    EXPECT_TRUE(App.Verify());
    EXPECT_FALSE(VerificationHasFailed);
    EXPECT_TRUE(Shell.Messages.empty());
}

TEST_F(VerificationTest, FingerprintForVerifyShowsTheComputedText) {
    TTempDir Dir;
    const std::string File = Dir.Write("digits.dbx", "123456789");
    EXPECT_EQ(FingerprintForVerify(File, 0), "35V8E96-9=830FFAA5-9");
    EXPECT_EQ(FingerprintForVerify(Dir.File("absent.dbx"), 0), "");
    EXPECT_EQ(Shell.VerifyStatus, (std::vector<std::string>{"35V8E96-9=830FFAA5-9", ""}));
}
