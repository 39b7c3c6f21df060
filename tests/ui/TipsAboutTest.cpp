// The tips window (paging, the shuffled first tip, the start-up box that
// saves the settings at once) and the about window.
#include "ModalRun.h"
#include "app/AppGlobals.h"
#include "app/Prefs.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/OrvTextStore.h"
#include "controls/ui/OrvURLLabel.h"
#include "data/TextUtils.h"
#include "support/FakeShell.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "windows/TipTexts.h"
#include "windows/ui/AboutWindow.h"
#include "windows/ui/TipsWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <set>

namespace {

std::set<std::string> AllTitles() {
    const TTextStoreItems Tips = TarvixTips();
    std::set<std::string> Titles;
    for (const TTextStoreItem& Item : Tips.Items())
        Titles.insert(Item.Title);
    return Titles;
}

class TipsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ConfigHome.emplace("XDG_CONFIG_HOME", Dir.Path());
        ResetPrefsGlobals();
        SetDefaultPrefs(AppPrefs);
    }
    void TearDown() override {
        ConfigHome.reset();
        ResetPrefsGlobals();
    }
    std::string Heading() const { return Dlg.lblHeading->text().toStdString(); }

    TTempDir Dir;
    TFakeShell Shell;
    TfrmTipsDlg Dlg;

private:
    std::optional<TScopedEnv> ConfigHome;
};

TEST_F(TipsWindowTest, EachOpeningStartsAtTheFirstTipAndPagesThroughAll) {
    EXPECT_EQ(Dlg.windowTitle(), "Tips and Info!");
    EXPECT_EQ(Dlg.size(), QSize(411, 295));
    for (int Opening = 0; Opening < 2; ++Opening) {
        std::vector<std::string> Seen;
        bool PrevAtStart = true, NextAtStart = false, NextAtEnd = true, PrevAtEnd = false;
        int IndexAtStart = -1;
        RunModal(
            Dlg, [&] { Dlg.ShowTips(); },
            [&] {
                IndexAtStart = Dlg.TipCursor->Index();
                PrevAtStart = Dlg.btnPrev->isEnabled();
                NextAtStart = Dlg.btnNext->isEnabled();
                Seen.push_back(Heading());
                for (int I = 0; I < 9; ++I) {
                    QTest::mouseClick(Dlg.btnNext, Qt::LeftButton);
                    Seen.push_back(Heading());
                }
                NextAtEnd = Dlg.btnNext->isEnabled();
                PrevAtEnd = Dlg.btnPrev->isEnabled();
                Dlg.btnPrev->click();
                EXPECT_EQ(Dlg.TipCursor->Index(), 8);
                EXPECT_EQ(Heading(), Seen[8]);
                Dlg.btnClose->click();
            });
        EXPECT_EQ(Dlg.result(), QDialog::Accepted);
        EXPECT_EQ(IndexAtStart, 0);
        EXPECT_FALSE(PrevAtStart);
        EXPECT_TRUE(NextAtStart);
        EXPECT_FALSE(NextAtEnd);
        EXPECT_TRUE(PrevAtEnd);
        // Headings are the titles in double quotation marks; all ten appear once.
        std::set<std::string> Titles;
        for (const std::string& H : Seen) {
            ASSERT_GE(H.size(), 2u);
            EXPECT_EQ(H.front(), '"');
            EXPECT_EQ(H.back(), '"');
            Titles.insert(H.substr(1, H.size() - 2));
        }
        EXPECT_EQ(Titles, AllTitles());
    }
}

TEST_F(TipsWindowTest, TheFirstTipVariesAndNoTipIsLost) {
    std::set<std::string> FirstTips;
    for (int Opening = 0; Opening < 40; ++Opening) {
        Dlg.ShuffleTips();
        Dlg.ShowTip();
        EXPECT_EQ(Dlg.TipCursor->Index(), 0);
        FirstTips.insert(Heading());
    }
    EXPECT_GT(FirstTips.size(), 1u);
    std::set<std::string> Stored;
    for (const TTextStoreItem& Item : Dlg.tsTips->Storage.Items())
        Stored.insert(Item.Title);
    EXPECT_EQ(Dlg.tsTips->Storage.Count(), 10);
    EXPECT_EQ(Stored, AllTitles());
}

TEST_F(TipsWindowTest, MessageShowsParagraphBreaksAsLineBreaks) {
    auto& Items = Dlg.tsTips->Storage.Items();
    const auto It = std::find_if(Items.begin(), Items.end(), [](const TTextStoreItem& I) {
        return I.Title == "Multiple Languages!";
    });
    ASSERT_NE(It, Items.end());
    std::swap(Items[0], *It);
    Dlg.TipCursor->SetIndex(0);
    Dlg.ShowTip();
    EXPECT_EQ(Heading(), "\"Multiple Languages!\"");
    const QString Message = Dlg.lblMessage->text();
    EXPECT_FALSE(Message.contains('\r'));
    EXPECT_TRUE(Message.contains("get started.\n\nAdditional Hadith Collections"));
}

TEST_F(TipsWindowTest, StartUpBoxSavesTheSettingAtOnce) {
    // Ticked from creation, whatever the setting.
    AppPrefs.StartUpTips = false;
    TfrmTipsDlg Fresh;
    EXPECT_TRUE(Fresh.chkStartUpTips->isChecked());
    EXPECT_EQ(Fresh.chkStartUpTips->text(), "In Future, Show tips at startup");

    AppPrefs.StartUpTips = true;
    AppPrefs.ColorScheme = 3;
    Fresh.chkStartUpTips->click();
    EXPECT_FALSE(AppPrefs.StartUpTips);
    ASSERT_TRUE(FileExists(PrefsFileName()));
    EXPECT_EQ(PrefsFileName().rfind(Dir.Path(), 0), 0u);
    ResetPrefsGlobals();
    LoadPrefs();
    EXPECT_FALSE(AppPrefs.StartUpTips); // the default would be on
    EXPECT_EQ(AppPrefs.ColorScheme, 3); // saved whole

    Fresh.chkStartUpTips->click();
    ResetPrefsGlobals();
    LoadPrefs();
    EXPECT_TRUE(AppPrefs.StartUpTips);
    EXPECT_TRUE(Shell.Messages.empty());

    // Setting the box from code saves nothing.
    AppPrefs.StartUpTips = true;
    Fresh.chkStartUpTips->setChecked(false);
    EXPECT_TRUE(AppPrefs.StartUpTips);
}

TEST_F(TipsWindowTest, StartUpBoxWarnsWhenTheSettingsCannotBeSaved) {
    // A file where the settings folder should be.
    setenv("XDG_CONFIG_HOME", Dir.Write("NotAFolder", "x").c_str(), 1);
    AppPrefs.StartUpTips = true;
    Dlg.chkStartUpTips->click();
    EXPECT_FALSE(AppPrefs.StartUpTips);
    ASSERT_EQ(Shell.Messages.size(), 1u);
    EXPECT_EQ(Shell.Messages[0].Kind, mkWarning);
    EXPECT_EQ(Shell.Messages[0].Heading, "Preferences Not Saved");
}

class AboutWindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        ResetAppGlobals();
        TOrvURLLabel::UrlOpener() = FOldOpener;
    }
    TOrvURLLabel::TUrlOpener FOldOpener = TOrvURLLabel::UrlOpener();
};

TEST_F(AboutWindowTest, CaptionCarriesTheVersionWhenShown) {
    TfrmAboutDlg Dlg;
    AppVersion = "2.07";
    QString Caption;
    RunModal(
        Dlg, [&] { Dlg.exec(); },
        [&] {
            Caption = Dlg.windowTitle();
            Dlg.btnOK->click();
        });
    EXPECT_EQ(Caption, "About Tarvix Version 2.07");
    EXPECT_EQ(Dlg.result(), QDialog::Accepted);

    EXPECT_EQ(Dlg.lblBismillah->text(), "\"In the Name of Allah, Most Gracious, Most Merciful\"");
    EXPECT_TRUE(Dlg.lblVerse->font().italic());
    EXPECT_TRUE(Dlg.lblVerse->text().endsWith("3:164)"));
    const QString Credits = Dlg.lblCredits->text();
    for (const char* Part :
         {"Saheeh International", "quran-json", "CC BY-SA 4.0", "monajat-data", "GPL-2+"})
        EXPECT_TRUE(Credits.contains(Part)) << Part;
}

TEST_F(AboutWindowTest, WebAddressOpensOnClick) {
    QStringList Opened;
    TOrvURLLabel::UrlOpener() = [&Opened](const QString& Address) { Opened << Address; };
    TfrmAboutDlg Dlg;
    Dlg.show();
    QTest::mouseClick(Dlg.lblURLVelorin, Qt::LeftButton);
    Dlg.lblURLVelorinClick();
    Dlg.hide();
    EXPECT_EQ(Opened, (QStringList{"http://www.tarvix.org", "http://www.tarvix.org"}));
    EXPECT_TRUE(Dlg.lblURLVelorin->font().bold());
}

} // namespace
