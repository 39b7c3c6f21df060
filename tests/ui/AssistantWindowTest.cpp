// The language assistant: page stepping and button states, the task list,
// the collection trees, collection information and installing a file.
#include "windows/ui/AssistantWindow.h"

#include "app/AppGlobals.h"
#include "app/MsgDlgTypes.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/OrvHotList.h"
#include "controls/ui/OrvPanel.h"
#include "controls/ui/OrvTreeView.h"
#include "controls/ui/OrvURLLabel.h"
#include "data/Verification.h"
#include "hadith/CollectionManager.h"
#include "hadith/CollectionWriter.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string GroupKey = "DORREL_ANVESH";
const std::string Arabic = "Dorrel and Anvesh (Arabic)";
const std::string English = "Dorrel and Anvesh (English)";

TCollectionSource Source(const std::string& ID, const std::string& Name) {
    TCollectionSource S;
    S.ID = ID;
    S.Name = Name;
    S.Font = "FACE=\"Verdana\" SIZE=\"2\"";
    S.Records = {{"Chain one", "Text one"}, {"", "Text two"}};
    S.Categories = {{1, "Faith"}, {2, "Prayer"}};
    return S;
}

std::vector<std::string> Captions(const TOrvTreeView& Tree, TTreeNodeRef Parent) {
    std::vector<std::string> Result;
    for (int i = 0; i < Tree.ChildCount(Parent); ++i)
        Result.push_back(Tree.Caption(Tree.Child(Parent, i)));
    return Result;
}

// A program folder holding two collections of one group, loaded into the
// registry.
class AssistantWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppGlobals();
        ResetVerification();
        ResetHadithCollManager();
        SetAppPath(App.Path());
        ASSERT_TRUE(WriteCollectionFile(App.File("arabic.dbh"), Source(GroupKey, Arabic)));
        ASSERT_TRUE(WriteCollectionFile(App.File("english.dbh"), Source(GroupKey, English)));
        HadithCollManager.LoadCollections();
        ASSERT_EQ(HadithCollManager.CollectionCount(), 2);
        Dlg = std::make_unique<TfrmAssistantDlg>();
    }
    void TearDown() override {
        Dlg.reset();
        ResetHadithCollManager();
        ResetVerification();
        ResetAppGlobals();
    }

    // Opens the assistant, runs Action once it is on screen and returns the
    // modal result. Action must close the window; a watchdog ends it (with
    // result 99) if it does not, so a fault cannot hang the run.
    int ShowAndRun(std::function<void()> Action) {
        TfrmAssistantDlg& D = *Dlg;
        auto* Poll = new QTimer(&D);
        Poll->setInterval(5);
        QObject::connect(Poll, &QTimer::timeout, &D, [&D, Poll, Action] {
            if (!D.isVisible())
                return;
            Poll->stop();
            Poll->deleteLater();
            Action();
        });
        Poll->start();
        QTimer::singleShot(20000, &D, [&D] { D.done(99); });
        return D.ShowAssistant();
    }

    // The page shown, its step label and the two button states.
    struct TPageState {
        int Page;
        QString Step;
        bool PrevEnabled;
        bool NextEnabled;
    };
    void ExpectState(const TPageState& S) {
        SCOPED_TRACE("page " + std::to_string(S.Page));
        EXPECT_EQ(Dlg->pagesLang->currentIndex(), S.Page);
        EXPECT_EQ(Dlg->PageCursor->Index(), S.Page);
        EXPECT_EQ(Dlg->lblStep->text(), S.Step);
        EXPECT_EQ(Dlg->lblStep->parentWidget(), Dlg->pagesLang->currentWidget());
        EXPECT_TRUE(Dlg->lblStep->isVisible());
        EXPECT_EQ(Dlg->btnPrev->isEnabled(), S.PrevEnabled);
        EXPECT_EQ(Dlg->btnNext->isEnabled(), S.NextEnabled);
    }
    static TPageState Step(int Page) {
        return {Page, QString("Step %1 of 5").arg(Page), true, Page < 5};
    }
    void ClickTask(int Index) {
        Dlg->hlTasks->Highlight(Index);
        QTest::mouseClick(Dlg->hlTasks->Panel(Index), Qt::LeftButton);
    }

    TFakeShell Shell;
    TTempDir App;
    std::unique_ptr<TfrmAssistantDlg> Dlg;
};

} // namespace

TEST_F(AssistantWindowTest, WindowShowsItsTextsAndButtons) {
    EXPECT_EQ(Dlg->windowTitle(), "Assistant");
    EXPECT_EQ(Dlg->size(), QSize(631, 430));
    EXPECT_EQ(Dlg->lblBanner->text(), "Language Assistant");
    EXPECT_EQ(Dlg->btnPrev->text(), "<< Prev");
    EXPECT_EQ(Dlg->btnNext->text(), "Next >>");
    EXPECT_EQ(Dlg->btnClose->text(), "Close");
    EXPECT_EQ(Dlg->btnTransInfo->text(), "Collection Information");
    EXPECT_EQ(Dlg->OrvButton1->text(), "Install Collection");
    EXPECT_EQ(Dlg->pagesLang->count(), TfrmAssistantDlg::PageCount);
    EXPECT_EQ(Dlg->lblURLVelorin->URLType(), utHTTP);
    EXPECT_FALSE(Dlg->lblURLVelorin->URL().isEmpty());
    EXPECT_EQ(Dlg->hlTasks->Items(),
              QStringList({"Introduction to Hadith Collections|A brief look and explanation of "
                           "Collections - Essential for new users.",
                           "Back to Tarvix|Exit the Language Assistant."}));

    // Plain texts by page (CR LF shows as one line break).
    const std::vector<std::pair<int, QString>> Texts = {
        {0, "As Salaamu Alaikum,"},
        {0, "The Language Assistant will help you learn about Tarvix's powerful features...\n\n"
            "Please follow the Step-By-Step instructions..."},
        {2, "Currently Installed Hadith Collections"},
        {2, "Collections explained"},
        {2, "Hadith Collections are a set of Ahadith (multiple hadith), which are collected by "
            "well known and reputable scholars. Collections of Ahadith can be translated into "
            "other languages.\n\nA collection therefore represents a set of Ahadith in a "
            "particular language.\n\nThe list on the left hand side shows all collections which "
            "Tarvix can display."},
        {2, "Download more Hadith Collections from the Velorin website:"},
        {3, "Installed Hadith Collections (in their Groups)"},
        {3, "The above Tree shows the Installed Hadith Collections, placed into their "
            "automatically created Groups."},
        {3, "Groups Explained"},
        {3, "Hadith Collections are automatically placed into the Groups in which they belong. "
            "Hadith collections belonging to the same Collection Group contain the same Hadiths, "
            "but differ in other ways such as language.\n\nFor example, both Hadith Collection "
            "[Dorrel and Anvesh (Arabic)] and Hadith Collection [Dorrel and Anvesh (English)] "
            "belong to the same Group [DORREL_ANVESH], and the latter collection is the English "
            "translation.\n\nGroups are created automatically; thus there is no need to install "
            "any additional groups."},
        {4, "The \"Active\" View"},
        {4, "Easily Selecting a View..."},
        {5, "This is the \"Collections Manager\"..."},
        {5, "Collection Manager"},
    };
    for (const auto& [Page, Text] : Texts) {
        bool Found = false;
        for (const QLabel* L : Dlg->Pages[Page]->findChildren<QLabel*>())
            Found = Found || L->text() == Text;
        EXPECT_TRUE(Found) << Page << ": " << Text.toStdString();
    }

    // The small-markup labels keep their bold part and line breaks, nothing else.
    EXPECT_EQ(Dlg->lblActiveView->textFormat(), Qt::RichText);
    EXPECT_EQ(Dlg->lblActiveView->text(),
              "Only one view can be displayed at a time.<br><br><b>Switching between "
              "Views</b><br><br>You can easily select a view in the Main<br>Hadith screen by "
              "choosing it from the<br>Views list.<br><br>Whilst views in Corvale are "
              "more<br>complex, in Tarvix a View is simply<br>the displayed Hadith "
              "collection.<br><br>The views list is located at the lower right<br>hand side of "
              "the Main Hadith screen.");
    EXPECT_EQ(Dlg->lblCollManager->text(),
              "The Collections Manager allows you to<br>add new Hadith collections and "
              "view<br>info about installed ones.<br><br>Also included is information about "
              "the<br>number of hadith in a collection, and<br>the number of hadith in a "
              "particular<br>category.<br><br>NOTE: The collections manager is<br>accessible "
              "from the main &quot;Languages&quot;<br>menu.");
}

TEST_F(AssistantWindowTest, PrevAndNextStepThroughTheSixPages) {
    std::vector<std::string> Failures;
    const int Result = ShowAndRun([&] {
        ExpectState({0, "Introduction", false, true});
        for (int Page = 1; Page <= 5; ++Page) {
            QTest::mouseClick(Dlg->btnNext, Qt::LeftButton);
            ExpectState(Step(Page));
        }
        // A step past the end, even if asked for directly, stays on the last page.
        Dlg->btnNextClick();
        ExpectState(Step(5));
        for (int Page = 4; Page >= 1; --Page) {
            QTest::mouseClick(Dlg->btnPrev, Qt::LeftButton);
            ExpectState(Step(Page));
        }
        QTest::mouseClick(Dlg->btnPrev, Qt::LeftButton);
        ExpectState({0, "Introduction", false, true});
        Dlg->btnPrevClick();
        ExpectState({0, "Introduction", false, true});

        QTest::mouseClick(Dlg->btnNext, Qt::LeftButton);
        QTest::mouseClick(Dlg->btnNext, Qt::LeftButton);
        QTest::mouseClick(Dlg->btnNext, Qt::LeftButton);
        ExpectState(Step(3));
        QTest::mouseClick(Dlg->btnClose, Qt::LeftButton);
    });
    EXPECT_EQ(Result, mrOk);

    // Every showing starts again at the introduction.
    EXPECT_EQ(ShowAndRun([&] {
                  ExpectState({0, "Introduction", false, true});
                  Dlg->btnCloseClick();
              }),
              mrOk);
}

TEST_F(AssistantWindowTest, FirstTaskJumpsToTheCollectionsPageAndSecondCloses) {
    EXPECT_EQ(Dlg->lblTaskTitle->text(), "Introduction!");
    EXPECT_EQ(Dlg->lblTaskText->text(),
              "If you're new to Tarvix, we strongly recommend you take the brief \"Introduction "
              "to Hadith Collections\".\n\nYou will gain an insight into how Tarvix utilises "
              "such concepts in just a few minutes!");

    const int Result = ShowAndRun([&] {
        QTest::mouseClick(Dlg->btnNext, Qt::LeftButton);
        ExpectState(Step(1));

        // Highlighting a task shows its texts.
        Dlg->hlTasks->Highlight(1);
        EXPECT_EQ(Dlg->lblTaskTitle->text(), "Close");
        EXPECT_EQ(Dlg->lblTaskText->text(),
                  "Closes the Language Assistant - you can always return at a later time.\n\n"
                  "Don't forget you can use the Collections Manager to manage and install new "
                  "Hadith Collections, this feature is accessible from the Languages menu.");

        ClickTask(0);
        EXPECT_EQ(Dlg->lblTaskTitle->text(), "Introduction!");
        ExpectState(Step(2));
        QTest::mouseClick(Dlg->btnPrev, Qt::LeftButton);
        ExpectState(Step(1));

        // Values outside the list change nothing.
        Dlg->hlTasksItemClick(2);
        Dlg->hlTasksItemClick(-1);
        ExpectState(Step(1));
        EXPECT_TRUE(Dlg->isVisible());

        ClickTask(1);
    });
    EXPECT_EQ(Result, mrCancel);
    EXPECT_FALSE(Dlg->isVisible());

    // The panel keeps the last highlighted task between showings.
    ShowAndRun([&] {
        EXPECT_EQ(Dlg->lblTaskTitle->text(), "Close");
        Dlg->btnCloseClick();
    });
}

TEST_F(AssistantWindowTest, TreesListTheCollectionsFlatAndInTheirGroups) {
    const std::vector<std::string> Registered = {
        HadithCollManager.CollectionAt(0)->CollectionName(),
        HadithCollManager.CollectionAt(1)->CollectionName()};
    ShowAndRun([&] {
        const TOrvTreeView& Flat = *Dlg->trvColls;
        EXPECT_EQ(Captions(Flat, nullptr), Registered);
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(Flat.ChildCount(Flat.Child(nullptr, i)), 0);
        EXPECT_EQ(Flat.Selected(), Flat.Child(nullptr, 0));

        const TOrvTreeView& Grouped = *Dlg->trvColls2;
        EXPECT_EQ(Captions(Grouped, nullptr), std::vector<std::string>{GroupKey});
        const TTreeNodeRef Group = Grouped.Child(nullptr, 0);
        EXPECT_EQ(Captions(Grouped, Group), Registered);
        EXPECT_TRUE(TOrvTreeView::Item(Group)->isExpanded());
        EXPECT_EQ(Grouped.Selected(), Group);
        Dlg->btnCloseClick();
    });

    // Showing again refills both trees from the registry as it is then.
    ASSERT_TRUE(WriteCollectionFile(App.File("other.dbh"), Source("OTHER", "Other Collection")));
    ASSERT_NE(
        HadithCollManager.AddCollection(std::make_unique<THadithHelper>(App.File("other.dbh"))),
        nullptr);
    ShowAndRun([&] {
        EXPECT_EQ(Dlg->trvColls->ChildCount(nullptr), 3);
        EXPECT_EQ(Captions(*Dlg->trvColls2, nullptr),
                  (std::vector<std::string>{GroupKey, "OTHER"}));
        EXPECT_EQ(Dlg->trvColls2->Selected(), Dlg->trvColls2->Child(nullptr, 0));
        Dlg->btnCloseClick();
    });
}

TEST_F(AssistantWindowTest, CollectionInformationShowsTheSelectedCollection) {
    std::vector<std::string> Shown;
    Dlg->ShowCollInfo = [&](const THadithHelper& Collection) {
        Shown.push_back(Collection.CollectionName());
    };
    ShowAndRun([&] {
        QTest::mouseClick(Dlg->btnNext, Qt::LeftButton);
        QTest::mouseClick(Dlg->btnNext, Qt::LeftButton);
        TOrvTreeView& Tree = *Dlg->trvColls;
        const std::string Second = Tree.Caption(Tree.Child(nullptr, 1));
        Tree.Select(Tree.Child(nullptr, 1));
        QTest::mouseClick(Dlg->btnTransInfo, Qt::LeftButton);
        EXPECT_EQ(Shown, std::vector<std::string>{Second});

        // No selection, or a node whose collection is no longer registered:
        // nothing to show.
        Tree.setCurrentItem(nullptr);
        QTest::mouseClick(Dlg->btnTransInfo, Qt::LeftButton);
        Tree.Select(Tree.Child(nullptr, 0));
        Tree.SetCaption(Tree.Child(nullptr, 0), "Removed Collection");
        QTest::mouseClick(Dlg->btnTransInfo, Qt::LeftButton);
        EXPECT_EQ(Shown.size(), 1u);
        Dlg->btnCloseClick();
    });

    // With no collection installed the tree is empty and nothing is shown.
    ResetHadithCollManager();
    ShowAndRun([&] {
        EXPECT_EQ(Dlg->trvColls->ChildCount(nullptr), 0);
        Dlg->btnTransInfoClick();
        Dlg->btnCloseClick();
    });
    EXPECT_EQ(Shown.size(), 1u);
}

TEST_F(AssistantWindowTest, InstallCollectionInstallsTheChosenFile) {
    TTempDir Downloads;
    const std::string File = Downloads.File("new.dbh");
    ASSERT_TRUE(WriteCollectionFile(File, Source("NEW", "New Collection")));
    std::vector<std::string> Answers = {"", File};
    int Asked = 0;
    Dlg->ChooseCollectionFile = [&] { return Answers[Asked++]; };

    // Nothing chosen: nothing installed, nothing said.
    Dlg->OrvButton1->click();
    EXPECT_EQ(Asked, 1);
    EXPECT_TRUE(Shell.Messages.empty());

    Dlg->OrvButton1->click();
    EXPECT_EQ(Asked, 2);
    EXPECT_EQ(App.Read("new.dbh"), Downloads.Read("new.dbh"));
    ASSERT_EQ(Shell.Messages.size(), 1u);
    EXPECT_EQ(Shell.Messages[0].Heading, "Installation Successful!");
}
