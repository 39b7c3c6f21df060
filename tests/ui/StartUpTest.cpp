// The program from its entry to the reading page: the first start without a
// settings file, a collection file named on the command line, and a missing
// built-in collection that ends the program.
#include "ProgramFixture.h"
#include "app/HtmlHelpers.h"
#include "app/PageBuilder.h"
#include "app/Prefs.h"
#include "app/ui/InitWindow.h"
#include "data/TextUtils.h"
#include "data/Verification.h"
#include "data/ui/VerifyWindow.h"
#include "hadith/CollectionManager.h"
#include "hadith/CollectionWriter.h"
#include "hadith/HadithHelper.h"
#include "windows/ui/MissingFontsWindow.h"
#include "windows/ui/TipsWindow.h"

#include <cctype>
#include <filesystem>
#include <ostream>

namespace {

class StartUpTest : public ProgramFixture {
protected:
    // The verification window closes itself when it has checked everything.
    bool AllowedModals(QWidget* Modal) override {
        return qobject_cast<TfrmVerifydlg*>(Modal) != nullptr;
    }
    // The tips window opens modally at the end of the start-up.
    bool AnswerModal(QWidget* Modal) override {
        auto* Tips = qobject_cast<TfrmTipsDlg*>(Modal);
        if (!Tips)
            return false;
        TipsShown = true;
        Tips->reject();
        return true;
    }
    bool TipsShown = false;
    // Lets the second start-up timer run to its end.
    void FinishStartUp(TfrmMain& W) {
        EXPECT_TRUE(QTest::qWaitFor([&W] { return !W.Starting; }, 20000));
    }
    std::string ActiveName() {
        THadithHelper* Active = HadithCollManager.ActiveView();
        return Active ? Active->CollectionName() : std::string();
    }
};

TEST_F(StartUpTest, FirstStartWithoutSettingsFile) {
    TfrmMain& W = Start(std::string(), true);
    ASSERT_FALSE(Program->Shell.TerminateRequested());
    EXPECT_FALSE(FileExists(PrefsFileName()));
    // The defaults, but for the Active View, which holds the bare name once
    // the view is chosen.
    TTxPrefs Defaults;
    SetDefaultPrefs(Defaults);
    Defaults.ActiveColl = "Dorrel and Anvesh (Arabic)";
    EXPECT_EQ(AppPrefs, Defaults);
    EXPECT_EQ(AppPrefs.DiskCacheDir, App.Path() + "DiskCache");

    // The default Active View is the built-in Arabic collection.
    EXPECT_EQ(ActiveName(), "Dorrel and Anvesh (Arabic)");
    EXPECT_EQ(W.cbxHColls->currentText(), "DORREL_ANVESH::Dorrel and Anvesh (Arabic)");
    EXPECT_EQ(W.spnHadithNo->maximum(), 17);
    EXPECT_EQ(W.spnHadithNo->value(), 1);
    EXPECT_FALSE(W.chkAutoCount->isChecked());

    // Green wallpaper, Gold page colour; the welcome page is on show.
    const QImage Wallpaper = W.spnlMain->palette().brush(QPalette::Window).texture().toImage();
    EXPECT_EQ(Wallpaper, QPixmap(TfrmMain::WallpaperOf(0)).toImage());
    EXPECT_NE(Wallpaper, QPixmap(TfrmMain::WallpaperOf(1)).toImage());
    EXPECT_EQ(W.Browser->Html(), BuildWelcomePage());
    EXPECT_EQ(W.windowTitle(), "Tarvix");
    EXPECT_EQ(W.lblInfo1->text(), "Welcome to Tarvix 1.81");
    EXPECT_EQ(W.pagesMain->currentWidget(), W.tabHadith);
    EXPECT_TRUE(Program->Init->isVisible());
    EXPECT_TRUE(W.tmrStartUp->isActive());
    EXPECT_TRUE(W.tmrStartUp2->isActive());

    // The timers: the start-up window goes, the verification window runs and
    // closes itself, the tips follow; no message on the way.
    FinishStartUp(W);
    EXPECT_FALSE(Program->Init->isVisible());
    EXPECT_FALSE(W.isMaximized());
    EXPECT_TRUE(TipsShown);
    EXPECT_FALSE(VerificationHasFailed);
    EXPECT_TRUE(Headings.empty());
    EXPECT_FALSE(W.tmrStartUp2->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&W] { return !W.tmrStartUp->isActive(); }, 2000));
    EXPECT_EQ(W.Browser->Html(), BuildWelcomePage());
    W.ShowHadith(1);
    EXPECT_NE(W.Browser->Html().find("#797900"), std::string::npos);
    // Nothing of the start-up writes the settings.
    EXPECT_FALSE(FileExists(PrefsFileName()));
}

TEST_F(StartUpTest, SavedActiveViewAndSchemesAreTakenFromTheSettingsFile) {
    // A saved view that is no longer installed falls back to the English one.
    struct TCase {
        const char* ActiveColl;
        const char* WantActive;
    } Cases[] = {{"Fenwir (English)", "Fenwir (English)"},
                 {"GONE::Gone Collection", "Dorrel and Anvesh (English)"}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.ActiveColl);
        AppPrefs = TTxPrefs();
        SetDefaultPrefs(AppPrefs);
        AppPrefs.ActiveColl = Case.ActiveColl;
        AppPrefs.ColorScheme = 3;
        AppPrefs.ColorWordHL = 0;
        AppPrefs.AutoHCount = true;
        ASSERT_TRUE(SavePrefs());
        ResetPrefsGlobals();
        TfrmMain& W = Start();
        EXPECT_EQ(ActiveName(), Case.WantActive);
        EXPECT_EQ(W.spnlMain->palette().brush(QPalette::Window).texture().toImage(),
                  QPixmap(TfrmMain::WallpaperOf(3)).toImage());
        W.ShowHadith(1);
        EXPECT_NE(W.Browser->Html().find(ColorToHtml(SchemeColour(0))), std::string::npos);
        EXPECT_TRUE(W.chkAutoCount->isChecked());
        Program.reset();
        ResetProgramState();
        SetAppPath(App.Path(), "tarvix");
    }
}

TEST_F(StartUpTest, MissingBuiltInCollectionFailsVerificationOnceAndEnds) {
    std::filesystem::remove(App.File("Fenwir_English.dbh"));
    TfrmMsgDlg::AnswerQueue().push_back(mrOk);
    Start();
    EXPECT_EQ(Headings, std::vector<std::string>{"Verification Failed!"});
    EXPECT_TRUE(VerificationHasFailed);
    EXPECT_TRUE(Program->Shell.TerminateRequested());

    // Should the window be shown all the same, nothing more is loaded or said
    // and the start-up timers never run.
    Program->Show();
    QTest::qWait(50);
    EXPECT_EQ(Headings.size(), 1u);
    EXPECT_FALSE(Program->Main->tmrStartUp2->isActive());
    EXPECT_TRUE(Program->Main->Browser->Html().empty());
}

// A first argument on the command line, as the entry receives it.
struct TArgumentCase {
    const char* What;
    // Makes the argument from the test's folders.
    std::string (*Argument)(const std::string& ProgramFolder, const std::string& Elsewhere);
    std::vector<std::string> Headings; // in the order shown
    const char* WantActive;
    bool WantStartedWithFile;
};

void PrintTo(const TArgumentCase& Case, std::ostream* Out) {
    *Out << Case.What;
}

class StartWithArgumentTest : public StartUpTest,
                              public ::testing::WithParamInterface<TArgumentCase> {
protected:
    TTempDir Elsewhere;
};

TEST_P(StartWithArgumentTest, InstallsAndChoosesTheActiveView) {
    const TArgumentCase& Case = GetParam();
    const std::string Argument = Case.Argument(App.Path(), Elsewhere.Path());
    for (size_t I = 0; I < Case.Headings.size(); ++I)
        TfrmMsgDlg::AnswerQueue().push_back(mrOk);
    // The start-up window shows no progress bar while the file is installed.
    std::vector<bool> ProgressShown;
    TfrmMsgDlg::OnAnswering() = [&](TfrmMsgDlg& Dlg) {
        Headings.push_back(Dlg.lblHeading->text().toStdString());
        if (Program == nullptr && InitWindow != nullptr)
            ProgressShown.push_back(
                static_cast<TfrmInit*>(InitWindow)
                    ->Progress->isVisibleTo(static_cast<TfrmInit*>(InitWindow)));
    };

    TfrmMain& W = Start(Argument, true);
    ASSERT_FALSE(Program->Shell.TerminateRequested());
    FinishStartUp(W);
    EXPECT_EQ(Headings, Case.Headings);
    EXPECT_EQ(StartedWithFile, Case.WantStartedWithFile);
    EXPECT_EQ(ActiveName(), Case.WantActive);
    THadithHelper* Active = HadithCollManager.ActiveView();
    ASSERT_NE(Active, nullptr);
    EXPECT_EQ(W.cbxHColls->currentText().toStdString(), ViewKey(*Active));
    EXPECT_EQ(W.spnHadithNo->maximum(), Active->HadithCount());
    // The ready message takes the place of the tips.
    EXPECT_EQ(TipsShown, !Case.WantStartedWithFile);
    if (Case.WantStartedWithFile) {
        EXPECT_EQ(frmMsgDlg().lblMessage->text(),
                  "Your newly installed Hadith Collection is ready to read and has been set as "
                  "the \"Active View\".\r\n\r\nIn future, you can select this Hadith Collection "
                  "from the\"Active View\" list on the Main screen.");
        EXPECT_EQ(ProgressShown, std::vector<bool>{false});
    }
    EXPECT_TRUE(Program->Init->Progress->isVisibleTo(Program->Init.get()));
    EXPECT_EQ(Program->Init->lblLoadCaption->text().toStdString().find("Installing"),
              std::string::npos);
}

std::string CopyOfExtra(const std::string& ProgramFolder, const std::string& Elsewhere) {
    std::filesystem::copy_file(ProgramFolder + "extra/Fenwir_NCR.dbh",
                               Elsewhere + "Fenwir_NCR.dbh");
    return Elsewhere + "Fenwir_NCR.dbh";
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, StartWithArgumentTest,
    ::testing::Values(TArgumentCase{"a valid new collection",
                                    &CopyOfExtra,
                                    {"Installation Successful!", "New Hadith Collection is ready!"},
                                    "Fenwir Arabic Phrases (NCR)",
                                    true},
                      TArgumentCase{"a collection in the program folder itself",
                                    [](const std::string& ProgramFolder, const std::string&) {
                                        return ProgramFolder + "Fenwir_English.dbh";
                                    },
                                    {"Already Installed!", "New Hadith Collection is ready!"},
                                    "Fenwir (English)",
                                    true},
                      TArgumentCase{"an invalid file",
                                    [](const std::string&, const std::string& Elsewhere) {
                                        const std::string Name = Elsewhere + "Broken.dbh";
                                        SaveTextToFileAtomic("not a collection\r\n", Name);
                                        return Name;
                                    },
                                    {"Translation is Invalid!"},
                                    "Dorrel and Anvesh (Arabic)",
                                    false},
                      TArgumentCase{"a name that is no file",
                                    [](const std::string&, const std::string& Elsewhere) {
                                        return Elsewhere + "Missing.dbh";
                                    },
                                    {},
                                    "Dorrel and Anvesh (Arabic)",
                                    false}),
    [](const ::testing::TestParamInfo<TArgumentCase>& Info) {
        std::string Name;
        for (const char C : std::string(Info.param.What))
            if (std::isalnum(static_cast<unsigned char>(C)))
                Name += C;
        return Name;
    });

} // namespace

namespace {

// A collection named on the command line that installs but cannot be shown
// (its font is not installed) is left out; the start-up goes on without it.
class StartWithUnknownFontTest : public StartUpTest {
protected:
    bool AnswerModal(QWidget* Modal) override {
        if (auto* Fonts = qobject_cast<TfrmMissingFontsDlg*>(Modal)) {
            MissingFontsShown = true;
            Fonts->reject();
            return true;
        }
        return StartUpTest::AnswerModal(Modal);
    }
    bool MissingFontsShown = false;
    TTempDir Elsewhere;
};

} // namespace

TEST_F(StartWithUnknownFontTest, StartUpGoesOnWithTheUsualActiveView) {
    TCollectionSource Source;
    Source.ID = "ODD_FACE";
    Source.Name = "Odd Face Collection";
    Source.Font = "FACE=\"No Such Face\" SIZE=\"2\"";
    Source.Records = {{"", "A text."}};
    const std::string File = Elsewhere.File("OddFace.dbh");
    ASSERT_TRUE(WriteCollectionFile(File, Source));
    TfrmMsgDlg::AnswerQueue().push_back(mrOk);
    TfrmMsgDlg::AnswerQueue().push_back(mrOk);

    TfrmMain& W = Start(File, true);
    ASSERT_FALSE(Program->Shell.TerminateRequested());
    FinishStartUp(W);
    EXPECT_EQ(Headings.front(), "Installation Successful!");
    EXPECT_EQ(HadithCollManager.FindCollection("Odd Face Collection"), nullptr);
    EXPECT_EQ(ActiveName(), "Dorrel and Anvesh (Arabic)");
    EXPECT_TRUE(MissingFontsShown);
}
