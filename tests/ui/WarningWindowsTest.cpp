// The collection information window and the start-up warnings: damaged
// collection files and their deletion, collections left out for a missing
// font, and the fonts the program draws with in place of the ones it asks for.
#include "ModalRun.h"
#include "app/AppGlobals.h"
#include "controls/ui/OrvButton.h"
#include "data/Verification.h"
#include "hadith/CollectionManager.h"
#include "hadith/CollectionWriter.h"
#include "hadith/HadithHelper.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"
#include "windows/ReqFonts.h"
#include "windows/ui/BadCollsWindow.h"
#include "windows/ui/CollInfoWindow.h"
#include "windows/ui/FontSupport.h"
#include "windows/ui/MissingFontsWindow.h"

#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

TCollectionSource Collection(const std::string& Name, int Count) {
    TCollectionSource S;
    S.ID = "TESTGROUP";
    S.Name = Name;
    S.Translator = "A. Translator";
    S.Description = "Sayings gathered for the tests.";
    for (int I = 1; I <= Count; ++I)
        S.Records.push_back({"Narrated by someone", "Text " + std::to_string(I)});
    return S;
}

QStringList Items(const QListWidget& List) {
    QStringList Result;
    for (int I = 0; I < List.count(); ++I)
        Result << List.item(I)->text();
    return Result;
}

class WarningWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetVerification();
        ResetHadithCollManager();
        SetAppPath(Dir.Path());
    }
    void TearDown() override {
        ResetHadithCollManager();
        ResetVerification();
        ResetAppGlobals();
    }
    TFakeShell Shell;
    TTempDir Dir;
};

TEST_F(WarningWindowsTest, CollectionInformationShowsTheCollection) {
    ASSERT_TRUE(WriteCollectionFile(Dir.File("A.dbh"), Collection("Forty <Sayings>", 1042)));
    THadithHelper Coll(Dir.File("A.dbh"));
    ASSERT_TRUE(Coll.IsValid()) << Coll.LoadError();

    TfrmCollInfoDlg Dlg;
    EXPECT_EQ(Dlg.size(), QSize(430, 295));
    // Nothing to show: the window stays closed.
    Dlg.ShowCollInfo(nullptr);
    EXPECT_FALSE(Dlg.isVisible());

    QString Caption, Banner, Name, Translator, Search, Count, Desc;
    const int Result = RunModal(
        Dlg, [&] { Dlg.ShowCollInfo(&Coll); },
        [&] {
            Caption = Dlg.windowTitle();
            Banner = Dlg.lblTransInfo->text();
            Name = Dlg.lblCollName->text();
            Translator = Dlg.lblCollTranslator->text();
            Search = Dlg.lblCollSearch->text();
            Count = Dlg.lblCollHCount->text();
            Desc = Dlg.lblCollDesc->text();
            Dlg.findChild<TOrvButton*>("btnOK")->click();
        });
    EXPECT_EQ(Result, QDialog::Accepted);
    EXPECT_EQ(Caption, "Collection Information [Forty <Sayings>]");
    EXPECT_EQ(Banner, Caption);
    EXPECT_EQ(Name, "Forty <Sayings>");
    EXPECT_EQ(Dlg.lblCollName->textFormat(), Qt::PlainText);
    EXPECT_EQ(Translator, "A. Translator");
    EXPECT_EQ(Search, "N/A");
    EXPECT_EQ(Count, "1042");
    EXPECT_EQ(Desc, "Sayings gathered for the tests.");
}

TEST_F(WarningWindowsTest, DeleteFilesRemovesTheDamagedFilesReadOnlyOnesToo) {
    ASSERT_TRUE(WriteCollectionFile(Dir.File("Good.dbh"), Collection("Good", 3)));
    const std::string Broken = Dir.Write("Broken.dbh", "not a collection\r\n");
    fs::permissions(Broken, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::string Truncated = CollectionFileText(Collection("Cut", 5));
    Truncated.resize(Truncated.size() / 2);
    Dir.Write("Cut.dbh", Truncated);
    HadithCollManager.LoadCollections();
    TStringList Bad = HadithCollManager.BadCollections();
    std::sort(Bad.begin(), Bad.end());
    ASSERT_EQ(Bad, (TStringList{"Broken.dbh", "Cut.dbh"}));

    TfrmBadCollsDlg Dlg;
    EXPECT_EQ(Dlg.windowTitle(), "Warning!");
    EXPECT_EQ(Dlg.size(), QSize(462, 276));
    QStringList Listed;
    bool DeleteEnabled = false;
    RunModal(
        Dlg, [&] { Dlg.exec(); },
        [&] {
            Listed = Items(*Dlg.lbxBadColls);
            DeleteEnabled = Dlg.btnDelete->isEnabled();
            Dlg.btnDelete->click();
            Dlg.btnOK->click();
        });
    QStringList Expected;
    for (const std::string& Name : HadithCollManager.BadCollections())
        Expected << QString::fromStdString(Name);
    EXPECT_EQ(Listed, Expected);
    EXPECT_TRUE(DeleteEnabled);
    EXPECT_FALSE(fs::exists(Broken));
    EXPECT_FALSE(fs::exists(Dir.File("Cut.dbh")));
    EXPECT_TRUE(fs::exists(Dir.File("Good.dbh")));
    EXPECT_EQ(Dlg.lbxBadColls->count(), 0);
    EXPECT_FALSE(Dlg.btnDelete->isEnabled());
    EXPECT_TRUE(Shell.Messages.empty());

    // The manager's list is unchanged, and the next showing lists it again;
    // deleting again finds nothing to delete and says nothing.
    EXPECT_EQ(HadithCollManager.BadCollections().size(), 2u);
    RunModal(
        Dlg, [&] { Dlg.exec(); },
        [&] {
            Listed = Items(*Dlg.lbxBadColls);
            Dlg.btnDelete->click();
            Dlg.btnOK->click();
        });
    EXPECT_EQ(Listed, Expected);
    EXPECT_TRUE(fs::exists(Dir.File("Good.dbh")));
    EXPECT_TRUE(Shell.Messages.empty());
}

TEST_F(WarningWindowsTest, DeleteFilesTakesOnlyTheManagersDamagedFiles) {
    const std::string Broken = Dir.Write("Broken.dbh", "garbage");
    HadithCollManager.LoadCollections();
    TTempDir Outside;
    const std::string Victim = Outside.Write("Victim.dbh", "keep");
    const std::string Stray = Dir.Write("Stray.dbh.bak", "keep");

    TfrmBadCollsDlg Dlg;
    Dlg.FormShow();
    // Entries that did not come from the manager's list.
    Dlg.lbxBadColls->addItem(QString::fromStdString(Victim));
    Dlg.lbxBadColls->addItem(
        "../" + QString::fromStdString(fs::path(Outside.Path()).parent_path().filename().string()) +
        "/Victim.dbh");
    Dlg.lbxBadColls->addItem("Stray.dbh.bak");
    Dlg.btnDeleteClick();
    EXPECT_FALSE(fs::exists(Broken));
    EXPECT_TRUE(fs::exists(Victim));
    EXPECT_TRUE(fs::exists(Stray));
}

TEST_F(WarningWindowsTest, MissingFontsWindowListsTheLeftOutCollections) {
    auto Urdu = Collection("Sunan (Urdu)", 2);
    Urdu.Font = "FACE=\"Jameel Noori\" SIZE=4";
    ASSERT_TRUE(WriteCollectionFile(Dir.File("Urdu.dbh"), Urdu));
    auto Arabic = Collection("Sunan (Arabic)", 2);
    Arabic.Font = "FACE=\"Traditional Arabic\" SIZE=5";
    ASSERT_TRUE(WriteCollectionFile(Dir.File("Arabic.dbh"), Arabic));
    TAppReqFonts Fonts([] { return TStringList{"Amiri", "DejaVu Sans"}; });
    HadithCollManager.MissingFontNote = [&Fonts](const THadithHelper& C) {
        return CollectionFontNote(C.CollectionName(), C.FontFace(), Fonts);
    };
    HadithCollManager.LoadCollections();
    ASSERT_EQ(HadithCollManager.MissingFontCollections(),
              (TStringList{"Sunan (Urdu) - \"Jameel Noori\""}));
    EXPECT_EQ(HadithCollManager.CollectionCount(), 1);

    TfrmMissingFontsDlg Dlg;
    EXPECT_EQ(Dlg.windowTitle(), "Warning!");
    EXPECT_EQ(Dlg.size(), QSize(462, 284));
    EXPECT_EQ(Dlg.lblWinName->text(),
              "Missing Fonts - Some Hadith Collections Cannot be displayed ");
    QStringList Listed;
    const int Result = RunModal(
        Dlg, [&] { Dlg.exec(); },
        [&] {
            Listed = Items(*Dlg.lbxMissingFonts);
            Dlg.btnOK->click();
        });
    EXPECT_EQ(Result, QDialog::Accepted);
    EXPECT_EQ(Listed, QStringList{"Sunan (Urdu) - \"Jameel Noori\""});
}

TEST(FontSupportTest, SubstitutesDrawTheRequiredFontsAndCountAsInstalled) {
    const TStringList Installed = InstalledFontFamilies();
    if (IndexOfSameText(Installed, "Amiri") < 0 || IndexOfSameText(Installed, "DejaVu Sans") < 0)
        GTEST_SKIP() << "the substitute fonts are not installed (scripts/setup installs them)";
    InstallFontSubstitutes();
    InstallFontSubstitutes();
    EXPECT_EQ(QFont::substitute("Traditional Arabic").compare("Amiri", Qt::CaseInsensitive), 0);
    EXPECT_EQ(QFontInfo(QFont("Traditional Arabic")).family(), "Amiri");
    EXPECT_EQ(QFontInfo(QFont("MS Sans Serif")).family(), "DejaVu Sans");
    EXPECT_EQ(QFontInfo(QFont("Verdana")).family(), "DejaVu Sans");

    TFakeShell Shell;
    TAppReqFonts Fonts(InstalledFontFamilies);
    CheckMainWindowFonts(Fonts);
    EXPECT_TRUE(Shell.Messages.empty());
}

} // namespace
