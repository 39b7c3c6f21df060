// A whole program started on a private copy of the built content: its own
// program folder and settings folder, instant pauses, every message answered
// from the queue and every other modal window closed by a watchdog.
#pragma once

#include "app/AppGlobals.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MsgDlg.h"
#include "app/ui/Program.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ProgramFixture : public ::testing::Test {
protected:
    // Built content: the environment names it; else "dist" beside the tests.
    static std::string DistDir() {
        if (const char* Env = std::getenv("TARVIX_DIST_DIR"))
            return std::string(Env) + "/";
        const std::filesystem::path Exe = std::filesystem::read_symlink("/proc/self/exe");
        return (Exe.parent_path().parent_path() / "dist").string() + "/";
    }

    void SetUp() override {
        namespace fs = std::filesystem;
        if (!fs::exists(DistDir() + "Fenwir_English.dbh"))
            GTEST_SKIP() << "no built content in " << DistDir();
        for (const fs::directory_entry& E : fs::directory_iterator(DistDir())) {
            const std::string Name = E.path().filename().string();
            if (Name.rfind("tarvix", 0) == 0)
                continue; // the program files themselves are not content
            fs::copy(E.path(), App.Path() + Name, fs::copy_options::recursive);
        }
        ConfigHome.emplace("XDG_CONFIG_HOME", Config.Path());
        ResetProgramState();
        ResetAppGlobals();
        SetAppPath(App.Path(), "tarvix");
        TfrmMsgDlg::AnswerQueue().clear();
        TfrmMsgDlg::OnAnswering() = [this](TfrmMsgDlg& Dlg) {
            Headings.push_back(Dlg.lblHeading->text().toStdString());
        };
        // Nothing may wait for a person: a modal window the test did not plan
        // for is closed, and the test fails.
        QObject::connect(&Watchdog, &QTimer::timeout, [this] {
            QWidget* Modal = QApplication::activeModalWidget();
            if (!Modal) {
                FModalSince.reset();
                return;
            }
            if (AnswerModal(Modal))
                return;
            if (!FModalSince || *FModalSince != Modal) {
                FModalSince = Modal;
                FModalTicks = 0;
                return;
            }
            if (++FModalTicks < 100 || AllowedModals(Modal))
                return;
            ADD_FAILURE() << "modal window left open: " << Modal->objectName().toStdString();
            if (auto* Dlg = qobject_cast<QDialog*>(Modal))
                Dlg->reject();
            else
                Modal->close();
            FModalSince.reset();
        });
        Watchdog.start(50);
    }

    void TearDown() override {
        Program.reset();
        Watchdog.stop();
        TfrmMsgDlg::AnswerQueue().clear();
        TfrmMsgDlg::OnAnswering() = nullptr;
        ResetProgramState();
        ResetAppGlobals();
        ConfigHome.reset();
    }

    // A test answers the modal windows it expects here; true when answered.
    virtual bool AnswerModal(QWidget*) { return false; }
    // Windows that close themselves may stay open longer than the watchdog's
    // patience without being a fault.
    virtual bool AllowedModals(QWidget*) { return false; }

    // Creates the program as the entry does, shows the main window and, unless
    // asked to let them run, stops the start-up timers so the test decides.
    TfrmMain& Start(const std::string& FirstArgument = std::string(), bool RunTimers = false) {
        Program = std::make_unique<TTarvixProgram>(FirstArgument);
        Program->Shell.PauseScale = 0;
        if (Program->Shell.TerminateRequested())
            return *Program->Main;
        Program->Show();
        if (!RunTimers) {
            Program->Main->tmrStartUp->stop();
            Program->Main->tmrStartUp2->stop();
        }
        return *Program->Main;
    }

    TTempDir App;
    TTempDir Config;
    std::unique_ptr<TTarvixProgram> Program;
    // Headings of the messages answered from the queue, in order.
    std::vector<std::string> Headings;
    QTimer Watchdog;

private:
    std::optional<TScopedEnv> ConfigHome;
    std::optional<QWidget*> FModalSince;
    int FModalTicks = 0;
};
