// The search window and the search report window on the built content:
// results of a search, the busy state, the ways out to the main window and
// the report's highlight and link.
#include "search/ui/SearchWindow.h"

#include "app/AppGlobals.h"
#include "app/ContentLoader.h"
#include "app/HtmlHelpers.h"
#include "app/MsgDlgTypes.h"
#include "app/Prefs.h"
#include "app/ui/FormBases.h"
#include "app/ui/OrvWebBrowser.h"
#include "app/ui/Program.h"
#include "controls/ui/OrvButton.h"
#include "hadith/CollectionManager.h"
#include "hadith/HadithHelper.h"
#include "scripture/VerseTags.h"
#include "search/HadithSearch.h"
#include "search/ui/SearchReportWindow.h"
#include "support/FakeShell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

namespace {

std::string DistDir() {
    if (const char* Value = std::getenv("TARVIX_DIST_DIR"))
        return std::string(Value) + "/";
    std::error_code Error;
    const auto Exe = std::filesystem::read_symlink("/proc/self/exe", Error);
    return Error ? std::string() : (Exe.parent_path().parent_path() / "dist").string() + "/";
}

std::string Utf8(const QString& Text) {
    const QByteArray Bytes = Text.toUtf8();
    return std::string(Bytes.constData(), static_cast<size_t>(Bytes.size()));
}

// Case-insensitive count of Word in Text (ASCII words only).
size_t CountFolded(const std::string& Text, const std::string& Word) {
    const std::string T = UpperCaseAscii(Text), W = UpperCaseAscii(Word);
    size_t Count = 0;
    for (size_t At = T.find(W); At != std::string::npos; At = T.find(W, At + W.size()))
        ++Count;
    return Count;
}

// The fake shell, with a look at the window when a message comes.
class TSearchShell : public TFakeShell {
public:
    int ShowMessage(uint8_t Kind, int Height, bool ColouredHeading, const std::string& Heading,
                    const std::string& Text, uint16_t Buttons) override {
        if (OnMessage)
            OnMessage();
        return TFakeShell::ShowMessage(Kind, Height, ColouredHeading, Heading, Text, Buttons);
    }
    std::function<void()> OnMessage;
};

// Closes whatever modal window is open after a while, so a failing check
// never hangs the run.
class TWatchdog {
public:
    explicit TWatchdog(QDialog& Window, int Ms = 10000) {
        FTimer.setSingleShot(true);
        QObject::connect(&FTimer, &QTimer::timeout, &Window, [&Window] {
            ADD_FAILURE() << "watchdog closed " << Window.objectName().toStdString();
            Window.close();
        });
        FTimer.start(Ms);
    }

private:
    QTimer FTimer;
};

class SearchWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Dist = DistDir();
        if (Dist.empty() || !std::filesystem::exists(Dist + "DorAnv_English.dbh"))
            GTEST_SKIP() << "no built content";
        Report = std::make_unique<TLoadReport>();
        LoadProgramFolder(Dist, *Report);
        ASSERT_NE(HadithCollManager.EnglishModule(), nullptr);
        Window.SetBusyState = [this](uint8_t State) {
            BusyStates.push_back(State);
            // While the run goes on, the six buttons are off and the rest on.
            if (State == bsWorking) {
                for (TOrvButton* B : {Window.btnSearch, Window.btnSearchRpt, Window.btnBookmark,
                                      Window.btnBookmarks, Window.btnGoTo, Window.btnClose})
                    EXPECT_FALSE(B->isEnabled()) << B->objectName().toStdString();
                for (QWidget* W : std::initializer_list<QWidget*>{Window.cbxLang, Window.txtSearch,
                                                                  Window.chkCase, Window.chkWhole})
                    EXPECT_TRUE(W->isEnabled()) << W->objectName().toStdString();
            }
        };
        Window.OpenCollectionLink = [this](const std::string& Link) { Links.push_back(Link); };
    }
    void TearDown() override {
        Report.reset();
        ResetProgramState();
        ResetAppGlobals();
    }

    std::vector<int> Listed() const {
        std::vector<int> Numbers;
        for (int I = 0; I < Window.lbxResults->count(); ++I) {
            const QListWidgetItem* Item = Window.lbxResults->item(I);
            const int N = Item->data(Qt::UserRole).toInt();
            EXPECT_EQ(Utf8(Item->text()), "Hadith # " + std::to_string(N));
            Numbers.push_back(N);
        }
        return Numbers;
    }

    void Search(const std::string& Text, bool WholeWord, bool CaseSensitive = false) {
        Window.txtSearch->setText(QString::fromStdString(Text));
        Window.chkWhole->setChecked(WholeWord);
        Window.chkCase->setChecked(CaseSensitive);
        QTest::mouseClick(Window.btnSearch, Qt::LeftButton);
    }

    TSearchShell Shell;
    std::string Dist;
    std::unique_ptr<TLoadReport> Report;
    TfrmSearch Window;
    std::vector<uint8_t> BusyStates;
    std::vector<std::string> Links;
};

TEST_F(SearchWindowTest, OffersOnlyPlainCollectionsAndSelectsTheEnglishOne) {
    Window.PrepareSearch();
    TStringList Plain;
    HadithCollManager.ListPlainViewKeys(Plain);
    ASSERT_EQ(Window.cbxLang->count(), static_cast<int>(Plain.size()));
    for (int I = 0; I < Window.cbxLang->count(); ++I) {
        THadithHelper* C = HadithCollManager.FindCollection(Utf8(Window.cbxLang->itemText(I)));
        ASSERT_NE(C, nullptr);
        EXPECT_TRUE(C->IsPlainText());
    }
    EXPECT_EQ(Utf8(Window.cbxLang->currentText()), ViewKey(*HadithCollManager.EnglishModule()));
    EXPECT_EQ(Window.SearchColl, HadithCollManager.EnglishModule());
    EXPECT_TRUE(Window.chkAll->isChecked());
    EXPECT_FALSE(Window.chkAll->isEnabled());
    EXPECT_EQ(Window.SearchChapter, 1);
    EXPECT_EQ(Window.btnSearchRpt->toolTip(),
              "View a report of the Search Results. This will\r\ndisplay the Verses that "
              "contain the Search phrase.");
}

TEST_F(SearchWindowTest, WholeWordSearchListsTheRightHadithsInOrder) {
    Window.PrepareSearch();
    Shell.EventRuns = 0; // loading ran events too
    Search("Allah", true);
    const std::vector<int> Whole = Listed();
    EXPECT_EQ(Whole, (std::vector<int>{1, 2, 3, 5, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(Utf8(Window.lblResults->text()), std::to_string(Whole.size()));
    EXPECT_EQ(BusyStates, (std::vector<uint8_t>{bsWorking, bsIdle}));
    EXPECT_TRUE(Window.btnSearch->isEnabled());
    EXPECT_EQ(Shell.EventRuns, HadithCollManager.EnglishModule()->HadithCount());

    Search("Allah", false);
    const std::vector<int> Partial = Listed();
    EXPECT_GT(Partial.size(), Whole.size());
    EXPECT_TRUE(std::includes(Partial.begin(), Partial.end(), Whole.begin(), Whole.end()));

    Search("", false);
    EXPECT_EQ(Window.lbxResults->count(), 0);
    EXPECT_EQ(Utf8(Window.lblResults->text()), "0");
}

TEST_F(SearchWindowTest, GotoOpensTheSelectedHadithAndClosesTheWindow) {
    Window.PrepareSearch();
    Search("Allah", true);
    ASSERT_GT(Window.lbxResults->count(), 1);
    QTest::mouseClick(Window.btnGoTo, Qt::LeftButton);
    EXPECT_TRUE(Links.empty()); // nothing selected yet

    Window.show();
    Window.lbxResults->setCurrentRow(1);
    const int N = Window.lbxResults->item(1)->data(Qt::UserRole).toInt();
    QTest::mouseClick(Window.btnGoTo, Qt::LeftButton);
    EXPECT_EQ(Links, (std::vector<std::string>{CollectionLinkKey(
                         HadithCollManager.EnglishModule()->CollectionName(), N)}));
    EXPECT_FALSE(Window.isVisible());
}

TEST_F(SearchWindowTest, ReportOfAThousandResultsNeedsConfirmation) {
    Window.PrepareSearch();
    int Reports = 0;
    Window.ShowSearchReport = [&](THadithHelper*, const std::string&,
                                  const std::vector<TSearchResultEntry>& Results) {
        ++Reports;
        EXPECT_EQ(static_cast<int>(Results.size()), Window.lbxResults->count());
    };
    auto Fill = [&](int Count) {
        Window.lbxResults->clear();
        for (int N = 1; N <= Count; ++N) {
            auto* Item = new QListWidgetItem(QString::fromStdString(SearchResultCaption(N)),
                                             Window.lbxResults);
            Item->setData(Qt::UserRole, N);
        }
    };
    Fill(999);
    QTest::mouseClick(Window.btnSearchRpt, Qt::LeftButton);
    EXPECT_TRUE(Shell.Messages.empty());
    EXPECT_EQ(Reports, 1);

    Fill(1000);
    Shell.Answers.push_back(mrNo);
    QTest::mouseClick(Window.btnSearchRpt, Qt::LeftButton);
    ASSERT_EQ(Shell.Messages.size(), 1u);
    EXPECT_EQ(Shell.Messages[0].Kind, mkWarning);
    EXPECT_EQ(Shell.Messages[0].Height, MsgHeightSmall);
    EXPECT_EQ(Shell.Messages[0].Buttons, mbsYesNo);
    EXPECT_EQ(Shell.Messages[0].Heading, "More than 1000 Results!");
    EXPECT_EQ(Reports, 1);

    Shell.Answers.push_back(mrYes);
    QTest::mouseClick(Window.btnSearchRpt, Qt::LeftButton);
    EXPECT_EQ(Reports, 2);
}

TEST_F(SearchWindowTest, BookmarkAndBookmarksButtons) {
    Window.PrepareSearch();
    std::vector<TSearchBookmarkInfo> Added;
    int Shown = 0;
    Window.AddSearchBookmark = [&](const TSearchBookmarkInfo& Info) { Added.push_back(Info); };
    Window.ShowBookmarks = [&] { ++Shown; };
    Window.txtSearch->setText("two words");
    QTest::mouseClick(Window.btnBookmark, Qt::LeftButton);
    QTest::mouseClick(Window.btnBookmarks, Qt::LeftButton);
    ASSERT_EQ(Added.size(), 1u);
    EXPECT_EQ(Added[0].SearchText, "two words");
    EXPECT_EQ(Added[0].Chapter, 1);
    EXPECT_FALSE(Added[0].Restricted);
    EXPECT_EQ(Added[0].ViewKey, ViewKey(*HadithCollManager.EnglishModule()));
    EXPECT_EQ(Shown, 1);
}

TEST_F(SearchWindowTest, BookmarkedSearchRunsOnShowThenReportsAMissingCollection) {
    struct TCase {
        std::string Key;
        bool Restricted;
        bool Message;
        bool Results;
    };
    const std::string English = ViewKey(*HadithCollManager.EnglishModule());
    const TCase Cases[] = {
        {"", false, false, true},
        {UpperCaseAscii(English), false, false, true},
        {"Nowhere::Missing Collection", false, true, true},
        {English, true, false, false}, // restricted: nothing is scanned
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Key);
        Shell.Messages.clear();
        Window.lbxResults->clear();
        int ResultsAtMessage = -1;
        Shell.OnMessage = [&] { ResultsAtMessage = Window.lbxResults->count(); };
        // Closes the window once the showing's run and message are over.
        QTimer Closer;
        QObject::connect(&Closer, &QTimer::timeout, &Window, [&] {
            if (!Window.RunOnShow && !Window.Searching())
                Window.close();
        });
        Closer.start(20);
        TWatchdog Dog(Window);
        Window.ShowBookmarkedSearch("Allah", 7, C.Restricted, C.Key);
        Closer.stop();
        EXPECT_EQ(Window.SearchColl, HadithCollManager.EnglishModule());
        EXPECT_EQ(Utf8(Window.txtSearch->text()), "Allah");
        EXPECT_EQ(Window.chkAll->isChecked(), !C.Restricted);
        EXPECT_EQ(Window.SearchChapter, 1);
        EXPECT_EQ(Window.lbxResults->count() > 0, C.Results);
        // The message comes after the run.
        if (C.Message) {
            EXPECT_EQ(ResultsAtMessage, Window.lbxResults->count());
        }
        EXPECT_FALSE(Window.CollMissing);
        ASSERT_EQ(Shell.Messages.size(), C.Message ? 1u : 0u);
        if (C.Message) {
            EXPECT_EQ(Shell.Messages[0].Heading, "Language/Translation not installed!");
            EXPECT_EQ(Shell.Messages[0].Height, MsgHeightMedium);
            EXPECT_EQ(Shell.Messages[0].Text, MissingCollectionText(C.Key));
        }
    }
}

TEST_F(SearchWindowTest, ReportHighlightsEveryOccurrenceAndItsLinkOpensTheHadith) {
    TfrmSearchReportDlg ReportWindow;
    std::vector<uint8_t> ReportBusy;
    int SearchClosed = 0;
    ReportWindow.SetBusyState = [&](uint8_t State) { ReportBusy.push_back(State); };
    ReportWindow.OpenCollectionLink = [this](const std::string& Link) { Links.push_back(Link); };
    ReportWindow.CloseSearchWindow = [&] {
        ++SearchClosed;
        Window.close();
    };
    Window.ShowSearchReport = [&](THadithHelper* Coll, const std::string& Text,
                                  const std::vector<TSearchResultEntry>& Results) {
        ReportWindow.ShowSearchReport(*Coll, Text, Results);
    };

    Window.PrepareSearch();
    Search("Allah", true);
    const std::vector<int> Found = Listed();
    ASSERT_FALSE(Found.empty());
    const THadithHelper& English = *HadithCollManager.EnglishModule();
    const std::string Target = CollectionLinkKey(English.CollectionName(), Found.back());
    bool Reloaded = false;
    // Once the report shows, wait for its delayed second load, then click
    // the last hadith's link.
    QTimer Clicker;
    QObject::connect(&Clicker, &QTimer::timeout, &ReportWindow, [&] {
        if (!ReportWindow.isVisible() || !ReportWindow.ReportLoaded)
            return;
        Clicker.stop();
        Reloaded = true;
        emit ReportWindow.Browser->LinkClicked(QString::fromStdString(Target));
    });
    Clicker.start(20);
    Window.show();
    TWatchdog Dog(ReportWindow);
    QTest::mouseClick(Window.btnSearchRpt, Qt::LeftButton);

    EXPECT_TRUE(Reloaded);
    EXPECT_EQ(Links, std::vector<std::string>{Target});
    EXPECT_EQ(SearchClosed, 1);
    EXPECT_FALSE(ReportWindow.isVisible());
    EXPECT_FALSE(Window.isVisible());
    EXPECT_EQ(ReportBusy, (std::vector<uint8_t>{bsWorking, bsIdle}));
    EXPECT_EQ(ReportWindow.windowTitle(), "Hadith Search Report");
    EXPECT_EQ(Utf8(ReportWindow.lblSrchReport->text()), "Search Report [Allah]");

    // Every occurrence of the word, in any case and inside longer words,
    // is replaced by the highlighted typed text.
    const std::string Html = ReportWindow.Browser->Html();
    const std::string Mark =
        "<B><FONT COLOR=" + ColorToHtml(SchemeColour(AppPrefs.ColorWordHL)) + ">Allah</FONT></B>";
    size_t Expected = 0;
    for (int N : Found)
        Expected += CountFolded(ExpandVerseTags(English.GetHadithText(N)), "Allah");
    EXPECT_EQ(CountFolded(Html, Mark), Expected);
    EXPECT_EQ(CountFolded(Html, "Allah"), Expected); // none left unmarked
    for (int N : Found)
        EXPECT_NE(Html.find("<A HREF=\"" + CollectionLinkKey(English.CollectionName(), N) + "\""),
                  std::string::npos)
            << N;
}

} // namespace
