// The remote recitation settings window: the working copy and its preview,
// what OK, Cancel and Defaults leave in AppPrefs and the settings file, the
// folder chooser and the cache buttons acting on the recitation module.
#include "online/ui/RemoteAudioWindow.h"

#include "app/AppGlobals.h"
#include "app/MsgDlgTypes.h"
#include "controls/ui/OrvButton.h"
#include "online/RemoteAudio.h"
#include "support/FakeShell.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

class RemoteAudioWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ConfigHome.emplace("XDG_CONFIG_HOME", Config.Path());
        ResetPrefsGlobals();
        SetAppPath(Program.Path());
        SetDefaultPrefs(AppPrefs);
        AppPrefs.EnableRemoteAudio = false;
        AppPrefs.RemoteAudioServer = "audio.example";
        AppPrefs.DiskCacheDir = Program.File("Cache");
        Saved = AppPrefs;
        Audio.SetCacheFolder(AppPrefs.DiskCacheDir);
        Dlg.RemoteAudio = &Audio;
        Dlg.ApplyPrefs = [this](const TTxPrefs& P) { Applied.push_back(P); };
        Dlg.ChooseFolder = [this] {
            ++ChooserRuns;
            return ChosenFolder;
        };
    }
    void TearDown() override {
        ConfigHome.reset();
        ResetPrefsGlobals();
        ResetAppGlobals();
    }

    // Opens the window modally as the menu does and runs WhileOpen once it is
    // on screen; WhileOpen closes it. A watchdog closes it should a check
    // fail first, so a broken test never hangs.
    int Run(std::function<void()> WhileOpen) {
        bool OpenSeen = false;
        QTimer::singleShot(0, &Dlg, [this, WhileOpen, &OpenSeen] {
            OpenSeen = Dlg.isVisible();
            WhileOpen();
        });
        QTimer Watchdog;
        Watchdog.setSingleShot(true);
        QObject::connect(&Watchdog, &QTimer::timeout, &Dlg, [this] {
            ADD_FAILURE() << "the remote audio window was left open";
            Dlg.done(QDialog::Rejected);
        });
        Watchdog.start(5000);
        const int Result = Dlg.exec();
        EXPECT_TRUE(OpenSeen);
        EXPECT_FALSE(Dlg.isVisible());
        return Result;
    }

    bool SettingsFileExists() const { return fs::exists(PrefsFileName()); }

    TTempDir Config;
    TTempDir Program;
    TFakeShell FakeShell;
    TQRemoteAudio Audio;
    TfrmRemoteAudioDlg Dlg;
    TTxPrefs Saved;
    std::vector<TTxPrefs> Applied;
    std::string ChosenFolder;
    int ChooserRuns = 0;
    std::optional<TScopedEnv> ConfigHome;
};

} // namespace

TEST_F(RemoteAudioWindowTest, TickingPreviewsTheCopyAndCancelStoresNothing) {
    const int Result = Run([this] {
        EXPECT_FALSE(Dlg.chkRemoteAudio->isChecked());
        EXPECT_EQ(Dlg.txtRAServer->text(), "audio.example");
        EXPECT_EQ(Dlg.lblDiskCacheDir->text().toStdString(), Program.File("Cache"));
        EXPECT_FALSE(Dlg.pnlRemoteAudio->isEnabled());
        EXPECT_FALSE(Dlg.pnlTempFiles->isEnabled());
        EXPECT_FALSE(Dlg.txtRAServer->isEnabled());

        Dlg.txtRAServer->setText("typed.example");
        QTest::mouseClick(Dlg.chkRemoteAudio, Qt::LeftButton);
        EXPECT_TRUE(Dlg.pnlRemoteAudio->isEnabled());
        EXPECT_TRUE(Dlg.pnlTempFiles->isEnabled());
        EXPECT_TRUE(Dlg.txtRAServer->isEnabled());
        ASSERT_EQ(Applied.size(), 1u);
        EXPECT_TRUE(Applied[0].EnableRemoteAudio);
        EXPECT_EQ(Applied[0].RemoteAudioServer, "typed.example");
        EXPECT_EQ(PreviewPrefs, Applied[0]);
        EXPECT_EQ(AppPrefs, Saved) << "a preview is not stored";

        QTest::mouseClick(Dlg.chkRemoteAudio, Qt::LeftButton);
        EXPECT_FALSE(Dlg.pnlTempFiles->isEnabled());
        ASSERT_EQ(Applied.size(), 2u);
        EXPECT_FALSE(Applied[1].EnableRemoteAudio);

        QTest::mouseClick(Dlg.btnCancel, Qt::LeftButton);
    });
    EXPECT_EQ(Result, QDialog::Rejected);
    EXPECT_EQ(AppPrefs, Saved);
    EXPECT_FALSE(SettingsFileExists());
    EXPECT_TRUE(FakeShell.Messages.empty());
}

TEST_F(RemoteAudioWindowTest, OkStoresSavesAndAppliesTheCopy) {
    ChosenFolder = Program.File("Chosen Folder");
    Run([this] {
        QTest::mouseClick(Dlg.chkRemoteAudio, Qt::LeftButton);
        Dlg.txtRAServer->setText("  recitation.example  ");
        QTest::mouseClick(Dlg.btnChooseFolder, Qt::LeftButton);
        EXPECT_EQ(ChooserRuns, 1);
        EXPECT_EQ(Dlg.lblDiskCacheDir->text().toStdString(), ChosenFolder);
        EXPECT_EQ(Dlg.EditPrefs.DiskCacheDir, ChosenFolder);
        EXPECT_TRUE(fs::is_directory(Program.File("Cache")))
            << "the module checks its cache folder";
        Applied.clear();
        QTest::mouseClick(Dlg.btnOK, Qt::LeftButton);
    });
    TTxPrefs Expected = Saved;
    Expected.EnableRemoteAudio = true;
    Expected.RemoteAudioServer = "recitation.example";
    Expected.DiskCacheDir = ChosenFolder;
    EXPECT_EQ(AppPrefs, Expected);
    ASSERT_EQ(Applied.size(), 1u);
    EXPECT_EQ(Applied[0], Expected);

    ResetPrefsGlobals();
    LoadPrefs();
    EXPECT_EQ(AppPrefs, Expected) << "the settings file holds the copy";
    EXPECT_TRUE(FakeShell.Messages.empty());
}

TEST_F(RemoteAudioWindowTest, CancelledChooserAndDefaultServerButtonLeaveTheCopy) {
    AppPrefs.EnableRemoteAudio = true;
    Run([this] {
        ChosenFolder.clear();
        QTest::mouseClick(Dlg.btnChooseFolder, Qt::LeftButton);
        EXPECT_EQ(ChooserRuns, 1);
        EXPECT_EQ(Dlg.EditPrefs.DiskCacheDir, Program.File("Cache"));
        EXPECT_EQ(Dlg.lblDiskCacheDir->text().toStdString(), Program.File("Cache"));

        QTest::mouseClick(Dlg.btnDefaultServer, Qt::LeftButton);
        EXPECT_EQ(Dlg.txtRAServer->text(), DefaultRemoteAudioServer);
        EXPECT_EQ(Dlg.EditPrefs.RemoteAudioServer, "audio.example") << "until OK";
        QTest::mouseClick(Dlg.btnCancel, Qt::LeftButton);
    });
    EXPECT_EQ(AppPrefs.RemoteAudioServer, "audio.example");
    EXPECT_TRUE(Applied.empty());
}

TEST_F(RemoteAudioWindowTest, DefaultsFillServerAndFolderOnly) {
    AppPrefs.EnableRemoteAudio = true;
    Saved = AppPrefs;
    const std::string DefaultCache = Program.Path() + "DiskCache";

    // Defaults, then Cancel: nothing changes.
    Run([this, &DefaultCache] {
        QTest::mouseClick(Dlg.btnDefaults, Qt::LeftButton);
        EXPECT_EQ(Dlg.txtRAServer->text(), DefaultRemoteAudioServer);
        EXPECT_EQ(Dlg.lblDiskCacheDir->text().toStdString(), DefaultCache);
        EXPECT_EQ(Dlg.EditPrefs.RemoteAudioServer, DefaultRemoteAudioServer);
        EXPECT_EQ(Dlg.EditPrefs.DiskCacheDir, DefaultCache);
        EXPECT_TRUE(Dlg.chkRemoteAudio->isChecked());
        EXPECT_TRUE(Dlg.EditPrefs.EnableRemoteAudio);
        EXPECT_TRUE(Applied.empty()) << "nothing is applied before OK";
        QTest::mouseClick(Dlg.btnCancel, Qt::LeftButton);
    });
    EXPECT_EQ(AppPrefs, Saved);
    EXPECT_FALSE(SettingsFileExists());

    // The next opening starts again from AppPrefs; Defaults, then OK.
    Run([this] {
        EXPECT_EQ(Dlg.txtRAServer->text(), "audio.example");
        QTest::mouseClick(Dlg.btnDefaults, Qt::LeftButton);
        QTest::mouseClick(Dlg.btnOK, Qt::LeftButton);
    });
    TTxPrefs Expected = Saved;
    Expected.RemoteAudioServer = DefaultRemoteAudioServer;
    Expected.DiskCacheDir = DefaultCache;
    EXPECT_EQ(AppPrefs, Expected);
    EXPECT_TRUE(SettingsFileExists());
}

TEST_F(RemoteAudioWindowTest, ClearTempFilesAsksThenEmptiesTheModulesCache) {
    AppPrefs.EnableRemoteAudio = true;
    fs::create_directories(Program.File("Cache/Sub"));
    Program.Write("Cache/001001.ram", "a");
    Program.Write("Cache/Sub/002255.ram", "b");
    fs::permissions(Program.File("Cache/Sub/002255.ram"), fs::perms::owner_read);

    FakeShell.Answers = {mrNo, mrYes};
    Run([this] {
        QTest::mouseClick(Dlg.btnClearTempFiles, Qt::LeftButton);
        EXPECT_TRUE(fs::exists(Program.File("Cache/001001.ram"))) << "answered No";
        EXPECT_TRUE(fs::exists(Program.File("Cache/Sub/002255.ram")));

        QTest::mouseClick(Dlg.btnClearTempFiles, Qt::LeftButton);
        EXPECT_FALSE(fs::exists(Program.File("Cache/001001.ram")));
        EXPECT_FALSE(fs::exists(Program.File("Cache/Sub/002255.ram")));
        EXPECT_TRUE(fs::is_directory(Program.File("Cache/Sub")));
        QTest::mouseClick(Dlg.btnCancel, Qt::LeftButton);
    });
    ASSERT_EQ(FakeShell.Messages.size(), 2u);
    EXPECT_EQ(FakeShell.Messages[0].Heading, "Delete Temporary files?");
    EXPECT_EQ(FakeShell.Messages[0].Kind, mkConfirmation);
    EXPECT_EQ(FakeShell.Messages[0].Buttons, mbsYesNo);
    EXPECT_EQ(AppPrefs.EnableRemoteAudio, true);
}
