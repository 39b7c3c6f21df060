// The preferences window: filling and reading back the controls, the live
// preview, and what OK, Cancel and Defaults leave in AppPrefs and the file.
#include "app/ui/PrefsWindow.h"

#include "app/IniFile.h"
#include "app/PageBuilder.h"
#include "support/FakeShell.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <QButtonGroup>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

namespace {

const char* const RadioNames[6] = {"Grn", "Gold", "Aqua", "Blue", "Prpl", "Silver"};

class PrefsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ConfigHome.emplace("XDG_CONFIG_HOME", Dir.Path());
        ResetPrefsGlobals();
        ResetPageBuilderState();
        SetDefaultPrefs(AppPrefs);
        Dlg.ApplyPrefs = [this](const TTxPrefs& P) { Applied.push_back(P); };
    }
    void TearDown() override {
        ConfigHome.reset();
        ResetPrefsGlobals();
        ResetPageBuilderState();
    }

    // Opens the window the way the menu does and runs WhileOpen once it is on
    // screen; WhileOpen closes it. A watchdog closes it should a check fail
    // before that, so a broken test never hangs.
    void RunShowPrefs(std::function<void()> WhileOpen) {
        QTimer::singleShot(0, &Dlg, [this, WhileOpen] {
            OpenSeen = Dlg.isVisible();
            WhileOpen();
        });
        QTimer Watchdog;
        Watchdog.setSingleShot(true);
        QObject::connect(&Watchdog, &QTimer::timeout, &Dlg, [this] {
            ADD_FAILURE() << "the preferences window was left open";
            Dlg.done(QDialog::Rejected);
        });
        Watchdog.start(5000);
        Dlg.ShowPrefs();
        EXPECT_TRUE(OpenSeen);
        EXPECT_FALSE(Dlg.isVisible());
    }

    QRadioButton* Radio(const char* Stem, bool HighlightPanel) {
        return Dlg.findChild<QRadioButton*>(QString("rb") + Stem + (HighlightPanel ? "2" : ""));
    }
    QWidget* Swatch(const char* Stem, bool HighlightPanel) {
        return Dlg.findChild<QWidget*>(QString("shp") + Stem + (HighlightPanel ? "2" : ""));
    }
    // Scheme number of the checked radio button of a panel; -1 for none.
    int CheckedScheme(bool HighlightPanel) {
        int Found = -1;
        for (int I = 0; I < 6; ++I)
            if (Radio(RadioNames[I], HighlightPanel)->isChecked()) {
                EXPECT_EQ(Found, -1) << "two radio buttons checked";
                Found = I;
            }
        return Found;
    }
    std::vector<bool> Ticks() {
        std::vector<bool> T;
        for (int I = 0; I < Dlg.chklbxGen->count(); ++I)
            T.push_back(Dlg.chklbxGen->item(I)->checkState() == Qt::Checked);
        return T;
    }
    QListWidgetItem* GenItem(const char* Caption) {
        const auto Found = Dlg.chklbxGen->findItems(Caption, Qt::MatchExactly);
        return Found.isEmpty() ? nullptr : Found.front();
    }
    std::string FileText() {
        std::ifstream In(PrefsFileName(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(In), {});
    }

    TTempDir Dir;
    TFakeShell FakeShell;
    TfrmPrefsDlg Dlg;
    std::vector<TTxPrefs> Applied;
    bool OpenSeen = false;

private:
    std::optional<TScopedEnv> ConfigHome;
};

} // namespace

TEST_F(PrefsWindowTest, WindowHasItsControls) {
    EXPECT_EQ(Dlg.windowTitle(), "Preferences");
    EXPECT_EQ(Dlg.size(), QSize(443, 230));
    EXPECT_EQ(Dlg.btnOK->text(), "OK");
    EXPECT_EQ(Dlg.btnCancel->text(), "Cancel");
    EXPECT_EQ(Dlg.btnDefaults->text(), "Defaults");
    const QRadioButton* Named[12] = {Dlg.rbGrn,   Dlg.rbGold,   Dlg.rbAqua,  Dlg.rbBlue,
                                     Dlg.rbPrpl,  Dlg.rbSilver, Dlg.rbGrn2,  Dlg.rbGold2,
                                     Dlg.rbAqua2, Dlg.rbBlue2,  Dlg.rbPrpl2, Dlg.rbSilver2};
    for (int I = 0; I < 12; ++I) {
        ASSERT_NE(Named[I], nullptr);
        EXPECT_EQ(Named[I]->property("tag").toInt(), I % 6) << I;
        EXPECT_EQ(Named[I]->parentWidget(), I < 6 ? Dlg.pnlColorScheme : Dlg.pnlColorWordHL);
        ASSERT_NE(Swatch(RadioNames[I % 6], I >= 6), nullptr);
        EXPECT_EQ(Swatch(RadioNames[I % 6], I >= 6)->size(), QSize(14, 14));
    }
}

TEST_F(PrefsWindowTest, FillShowsTicksAndSchemesAndReadBackReturnsThem) {
    struct TCase {
        TTxPrefs P;
        int WantScheme, WantWordHL;
    };
    std::vector<TCase> Cases;
    TTxPrefs A; // every switch off but one at each end
    A.Maximise = true;
    A.HelpHints = true;
    A.ColorScheme = 3;
    A.ColorWordHL = 0;
    Cases.push_back({A, 3, 0});
    TTxPrefs B; // the rest on; schemes outside the table select nothing
    B.NewsOnStart = B.StartUpTips = B.AutoHCount = B.HighlightGlossWords = true;
    B.ColorScheme = 9;
    B.ColorWordHL = 255;
    Cases.push_back({B, -1, -1});
    TTxPrefs C = A; // the last scheme of each panel
    C.ColorScheme = 5;
    C.ColorWordHL = 5;
    Cases.push_back({C, 5, 5});

    RunShowPrefs([&] {
        // Each fill replaces the previous one, a selection included.
        for (const TCase& Case : Cases) {
            Dlg.FillFromPrefs(Case.P);
            ASSERT_EQ(Dlg.chklbxGen->count(), 6);
            const char* Captions[6] = {"Maximise on startup",      "News on startup (if connected)",
                                       "Show Tips on startup",     "Auto Count Hadith in Category",
                                       "Highlight Glossary words", "Show Helping Hints"};
            for (int I = 0; I < 6; ++I)
                EXPECT_EQ(Dlg.chklbxGen->item(I)->text(), Captions[I]);
            const TTxPrefs& P = Case.P;
            EXPECT_EQ(Ticks(),
                      (std::vector<bool>{P.Maximise, P.NewsOnStart, P.StartUpTips, P.AutoHCount,
                                         P.HighlightGlossWords, P.HelpHints}));
            EXPECT_EQ(CheckedScheme(false), Case.WantScheme);
            EXPECT_EQ(CheckedScheme(true), Case.WantWordHL);

            // Reading back gives the record again; with no scheme selected the
            // field keeps what it held.
            Dlg.EditPrefs = TTxPrefs();
            Dlg.EditPrefs.ColorScheme = 77;
            Dlg.EditPrefs.ColorWordHL = 78;
            Dlg.ReadBackPrefs();
            TTxPrefs Want = P;
            Want.ColorScheme = Case.WantScheme < 0 ? 77 : P.ColorScheme;
            Want.ColorWordHL = Case.WantWordHL < 0 ? 78 : P.ColorWordHL;
            Want.ActiveColl = Want.RemoteAudioServer = Want.DiskCacheDir = "";
            EXPECT_EQ(Dlg.EditPrefs, Want);
        }
        // Filling never previews.
        EXPECT_TRUE(Applied.empty());
        Dlg.btnCancel->click();
    });
}

TEST_F(PrefsWindowTest, OpensOnAppPrefs) {
    AppPrefs.ColorScheme = 2;
    AppPrefs.ColorWordHL = 4;
    AppPrefs.StartUpTips = false;
    RunShowPrefs([&] {
        EXPECT_EQ(Dlg.EditPrefs, AppPrefs);
        EXPECT_EQ(CheckedScheme(false), 2);
        EXPECT_EQ(CheckedScheme(true), 4);
        EXPECT_EQ(GenItem("Show Tips on startup")->checkState(), Qt::Unchecked);
        EXPECT_TRUE(PrefsWindowShowing);
        Dlg.btnCancel->click();
    });
    EXPECT_FALSE(PrefsWindowShowing);
}

TEST_F(PrefsWindowTest, SwatchPreviewsAndCancelRestoresWithoutSaving) {
    // Cancel by the button and by Escape alike.
    const std::function<void()> Closers[] = {
        [this] { Dlg.btnCancel->click(); },
        [this] { QTest::keyClick(&Dlg, Qt::Key_Escape); },
    };
    for (const auto& Close : Closers) {
        Applied.clear();
        RunShowPrefs([&] {
            QTest::mouseClick(Swatch("Prpl", true), Qt::LeftButton);
            EXPECT_TRUE(Dlg.rbPrpl2->isChecked());
            ASSERT_EQ(Applied.size(), 1u);
            EXPECT_EQ(Applied[0].ColorWordHL, 4);
            EXPECT_EQ(Applied[0].ColorScheme, AppPrefs.ColorScheme);
            EXPECT_EQ(PreviewPrefs, Applied[0]);
            // Pages built meanwhile take the scheme being tried.
            EXPECT_EQ(PageHeadScheme(), 4);

            // The wallpaper panel's swatch previews its own field.
            QTest::mouseClick(Swatch("Silver", false), Qt::LeftButton);
            ASSERT_EQ(Applied.size(), 2u);
            EXPECT_EQ(Applied[1].ColorScheme, 5);
            EXPECT_EQ(Applied[1].ColorWordHL, 4);
            Close();
        });
        ASSERT_EQ(Applied.size(), 3u);
        EXPECT_EQ(Applied.back(), AppPrefs);
        EXPECT_EQ(AppPrefs.ColorWordHL, 1);
        EXPECT_EQ(PageHeadScheme(), 1);
        EXPECT_TRUE(FakeShell.Messages.empty());
        EXPECT_FALSE(std::ifstream(PrefsFileName()).good());
    }
}

TEST_F(PrefsWindowTest, OkSavesAppliesAndKeepsTheOtherFields) {
    AppPrefs.ActiveColl = "SOME_GROUP::Some Collection";
    AppPrefs.DiskCacheDir = "/tmp/cache";
    RunShowPrefs([&] {
        QTest::mouseClick(Swatch("Prpl", true), Qt::LeftButton);
        GenItem("Show Tips on startup")->setCheckState(Qt::Unchecked);
        GenItem("Maximise on startup")->setCheckState(Qt::Checked);
        Dlg.btnOK->click();
    });
    EXPECT_EQ(Dlg.result(), QDialog::Accepted);
    EXPECT_EQ(AppPrefs.ColorWordHL, 4);
    EXPECT_FALSE(AppPrefs.StartUpTips);
    EXPECT_TRUE(AppPrefs.Maximise);
    EXPECT_EQ(AppPrefs.ActiveColl, "SOME_GROUP::Some Collection");
    ASSERT_FALSE(Applied.empty());
    EXPECT_EQ(Applied.back(), AppPrefs);
    EXPECT_TRUE(FakeShell.Messages.empty());

    TIniFile Ini;
    ASSERT_TRUE(Ini.LoadFromFile(PrefsFileName()));
    EXPECT_EQ(Ini.ReadString("ColorScheme", "ColorWordHL", ""), "4");
    EXPECT_EQ(Ini.ReadString("General", "StartUpTips", ""), "0");
    EXPECT_EQ(Ini.ReadString("General", "Maximise", ""), "1");
    EXPECT_EQ(Ini.ReadString("Language", "ActiveColl", ""), "SOME_GROUP::Some Collection");
    EXPECT_EQ(Ini.ReadString("RemoteAudio", "DiskCacheDir", ""), "/tmp/cache");
}

TEST_F(PrefsWindowTest, DefaultsThenCancelLeavesFileAndSettingsAlone) {
    AppPrefs.ColorScheme = 3;
    AppPrefs.ColorWordHL = 0;
    AppPrefs.NewsOnStart = false;
    AppPrefs.Maximise = true;
    ASSERT_TRUE(SavePrefs());
    const std::string Before = FileText();
    const TTxPrefs Saved = AppPrefs;

    RunShowPrefs([&] {
        Dlg.btnDefaults->click();
        // The window shows the defaults but applies nothing yet.
        TTxPrefs D;
        SetDefaultPrefs(D);
        EXPECT_EQ(Dlg.EditPrefs, D);
        EXPECT_EQ(CheckedScheme(false), 0);
        EXPECT_EQ(CheckedScheme(true), 1);
        EXPECT_EQ(GenItem("News on startup (if connected)")->checkState(), Qt::Checked);
        EXPECT_TRUE(Applied.empty());
        EXPECT_TRUE(Dlg.isVisible());
        Dlg.btnCancel->click();
    });
    EXPECT_EQ(FileText(), Before);
    EXPECT_EQ(AppPrefs, Saved);
    ASSERT_EQ(Applied.size(), 1u);
    EXPECT_EQ(Applied[0], Saved);
}

TEST_F(PrefsWindowTest, FailedSaveWarnsAndKeepsTheNewSettings) {
    // A plain file where the settings folder should be: the save must fail.
    Dir.Write("Tarvix", "not a folder");
    RunShowPrefs([&] {
        QTest::mouseClick(Swatch("Aqua", false), Qt::LeftButton);
        Dlg.btnOK->click();
    });
    ASSERT_EQ(FakeShell.Messages.size(), 1u);
    EXPECT_EQ(FakeShell.Messages[0].Kind, mkWarning);
    EXPECT_NE(FakeShell.Messages[0].Text.find(PrefsFileName()), std::string::npos);
    EXPECT_EQ(AppPrefs.ColorScheme, 2);
    ASSERT_FALSE(Applied.empty());
    EXPECT_EQ(Applied.back(), AppPrefs);
    EXPECT_EQ(Dir.Read("Tarvix"), "not a folder");
}
