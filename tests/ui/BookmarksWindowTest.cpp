// The bookmarks window: adding, renaming in place, deleting with its
// question and with the Delete key, opening each kind, the file buttons, and
// a damaged main file met at the first showing.
#include "search/ui/BookmarksWindow.h"

#include "app/AppGlobals.h"
#include "app/Shell.h"
#include "app/ui/MsgDlg.h"
#include "app/ui/QtShell.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/OrvListView.h"
#include "data/LineCipher.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TShownMessage {
    std::string Heading;
    std::string Text;
};

class BookmarksWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetAppPath(Dir.Path());
        QtShell.PauseScale = 0;
        SetShell(&QtShell);
        TfrmMsgDlg::AnswerQueue().clear();
        TfrmMsgDlg::OnAnswering() = [this](TfrmMsgDlg& Dlg) {
            Messages.push_back(
                {Dlg.lblHeading->text().toStdString(), Dlg.lblMessage->text().toStdString()});
        };
        // A message nobody answers is closed after a second or two and
        // counted, so a fault cannot hang the run.
        Watchdog.setInterval(1000);
        QObject::connect(&Watchdog, &QTimer::timeout, [this] {
            const bool Visible = frmMsgDlg().isVisible();
            if (Visible && WasVisible) {
                ++Unanswered;
                frmMsgDlg().done(mrCancel);
            }
            WasVisible = Visible;
        });
        Watchdog.start();
    }
    void TearDown() override {
        Watchdog.stop();
        EXPECT_EQ(Unanswered, 0) << "a message was shown without a queued answer";
        EXPECT_TRUE(TfrmMsgDlg::AnswerQueue().empty()) << "an expected message did not come";
        TfrmMsgDlg::AnswerQueue().clear();
        TfrmMsgDlg::OnAnswering() = nullptr;
        SetShell(nullptr);
        ResetAppGlobals();
    }

    static void Answer(std::initializer_list<int> Answers) {
        for (int A : Answers)
            TfrmMsgDlg::AnswerQueue().push_back(A);
    }
    void WriteMain(const std::vector<TBookmark>& Marks) {
        TBookmarkList List(Dir.Path());
        for (const TBookmark& B : Marks)
            List.Add(B);
        ASSERT_TRUE(List.SaveMainFile());
    }
    std::vector<TBookmark> ReadMain() const {
        TBookmarkList List(Dir.Path());
        List.LoadMainFile();
        return List.Items();
    }
    static std::vector<std::string> Names(const TfrmBookmarks& W) {
        std::vector<std::string> Result;
        for (int i = 0; i < W.lsvBookmarks->Count(); ++i)
            Result.push_back(W.lsvBookmarks->Item(i)->text(0).toStdString());
        return Result;
    }
    // The open in-place editor (closed ones wait for their deletion).
    static QLineEdit* Editor(const TfrmBookmarks& W) {
        for (QLineEdit* E : W.lsvBookmarks->findChildren<QLineEdit*>())
            if (E->isVisible())
                return E;
        return nullptr;
    }
    // Return keeps, Escape drops an edit; the view finishes it after the key.
    static void EndEdit(TfrmBookmarks& W, QLineEdit* Edit, Qt::Key Key) {
        QTest::keyClick(Edit, Key);
        EXPECT_TRUE(QTest::qWaitFor([&W] { return !W.lsvBookmarks->IsEditing(); }, 5000));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static void Show(TfrmBookmarks& W) {
        W.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&W));
    }
    static QPoint ItemCentre(const TfrmBookmarks& W, int Index) {
        return W.lsvBookmarks->visualItemRect(W.lsvBookmarks->Item(Index)).center();
    }

    TTempDir Dir;
    TQtShell QtShell;
    std::vector<TShownMessage> Messages;
    QTimer Watchdog;
    bool WasVisible = false;
    int Unanswered = 0;
};

} // namespace

TEST_F(BookmarksWindowTest, AddOperationsReadTheFileFirstListSaveAndReportEachBookmark) {
    WriteMain({MakeGlossBookmark("Earlier")});
    TfrmBookmarks W;
    std::vector<uint8_t> Busy;
    W.SetBusyState = [&Busy](uint8_t State) { Busy.push_back(State); };
    EXPECT_FALSE(W.BookmarksLoaded());

    Answer({mrOk, mrOk, mrOk});
    // Other windows reach it through its base.
    TfrmBookmarksBase& Base = W;
    Base.AddGlossBookmark("Sunnah");
    W.AddHadithBookmark("HGROUP_DORREL_ANVESH_12");
    W.AddSearchBookmark("prayer", 3, true, "DORREL_ANVESH::Dorrel and Anvesh (English)");

    struct TRow {
        const char* Name;
        const char* Type;
        const char* Description;
        int Kind;
    };
    const TRow Rows[] = {
        {"Earlier", "Glossary Term", "Glossary Term: Earlier", bkGlossTerm},
        {"Sunnah", "Glossary Term", "Glossary Term: Sunnah", bkGlossTerm},
        {"#12,DORREL_ANVESH", "Hadith", "Hadith: #12,DORREL_ANVESH", bkHadith},
        {"prayer", "Hadith Search",
         "\"prayer\", Chapter: 3, Lang: DORREL_ANVESH::Dorrel and Anvesh (English)", bkSearchColl},
    };
    ASSERT_EQ(W.lsvBookmarks->Count(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(Rows[i].Name);
        const QTreeWidgetItem* Item = W.lsvBookmarks->Item(i);
        EXPECT_EQ(Item->text(0).toStdString(), Rows[i].Name);
        EXPECT_EQ(Item->text(1).toStdString(), Rows[i].Type);
        EXPECT_EQ(Item->text(2).toStdString(), Rows[i].Description);
        EXPECT_EQ(W.lsvBookmarks->ItemData(i), Rows[i].Kind);
    }
    ASSERT_EQ(Messages.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Messages[i].Heading, "Bookmark Added!");
        EXPECT_EQ(Messages[i].Text, std::string("Bookmark (") + Rows[i + 1].Description +
                                        "), has been added to your collection.");
    }
    EXPECT_EQ(ReadMain(), W.Bookmarks().Items());
    EXPECT_EQ(ReadMain().size(), 4u);
    // One reading and three savings, each between working and idle.
    EXPECT_EQ(Busy, (std::vector<uint8_t>{bsWorking, bsIdle, bsWorking, bsIdle, bsWorking, bsIdle,
                                          bsWorking, bsIdle}));
}

TEST_F(BookmarksWindowTest, RenamingInPlaceSavesTheNewName) {
    const std::vector<TBookmark> Marks = {MakeGlossBookmark("Sunnah"),
                                          MakeHadithBookmark("HGROUP_FENWIR_7")};
    WriteMain(Marks);
    TfrmBookmarks W;
    Show(W);
    ASSERT_EQ(W.lsvBookmarks->Count(), 2);

    // F2 opens the selected name; Return keeps the edit.
    W.lsvBookmarks->SetSelectedIndex(1);
    QTest::keyClick(W.lsvBookmarks, Qt::Key_F2);
    QLineEdit* Edit = Editor(W);
    ASSERT_NE(Edit, nullptr);
    Edit->setText("Patience");
    EndEdit(W, Edit, Qt::Key_Return);
    std::vector<TBookmark> Expected = Marks;
    Expected[1].Name = "Patience";
    EXPECT_EQ(ReadMain(), Expected) << "only the name changed";

    // Escape drops the edit.
    QTest::keyClick(W.lsvBookmarks, Qt::Key_F2);
    Edit = Editor(W);
    ASSERT_NE(Edit, nullptr);
    Edit->setText("Dropped");
    EndEdit(W, Edit, Qt::Key_Escape);
    EXPECT_EQ(Names(W), (std::vector<std::string>{"Sunnah", "Patience"}));
    EXPECT_EQ(ReadMain(), Expected);

    // A click on the bookmark that is already selected opens its name too.
    QTest::mouseClick(W.lsvBookmarks->viewport(), Qt::LeftButton, {}, ItemCentre(W, 0));
    EXPECT_EQ(W.lsvBookmarks->SelectedIndex(), 0);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_FALSE(W.lsvBookmarks->IsEditing()) << "selecting does not edit";
    QTest::mouseClick(W.lsvBookmarks->viewport(), Qt::LeftButton, {}, ItemCentre(W, 0));
    EXPECT_TRUE(QTest::qWaitFor([&W] { return W.lsvBookmarks->IsEditing(); }, 5000));
    Edit = Editor(W);
    ASSERT_NE(Edit, nullptr);
    Edit->setText("A name with | bar");
    EndEdit(W, Edit, Qt::Key_Return);
    Expected[0].Name = "A name with   bar";
    EXPECT_EQ(ReadMain(), Expected);
    EXPECT_EQ(Names(W)[0], "A name with   bar");
}

TEST_F(BookmarksWindowTest, DeletingAsksAndSavesTheMainFileEitherWay) {
    const std::vector<TBookmark> Marks = {MakeGlossBookmark("A"), MakeGlossBookmark("B"),
                                          MakeGlossBookmark("C")};
    WriteMain(Marks);
    // The same records with bare line feeds: a rewrite shows as CR LF again.
    const std::string Canonical = Dir.Read(BookmarksFileName);
    std::string Bare = Canonical;
    for (size_t At; (At = Bare.find("\r\n")) != std::string::npos;)
        Bare.erase(At, 1);
    Dir.Write(BookmarksFileName, Bare);

    TfrmBookmarks W;
    Show(W);
    EXPECT_FALSE(W.btnDelete->isEnabled());
    W.lsvBookmarks->SetSelectedIndex(1);
    EXPECT_TRUE(W.btnDelete->isEnabled());

    Answer({mrNo});
    QTest::mouseClick(W.btnDelete, Qt::LeftButton);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Heading, "Delete Bookmark?");
    EXPECT_EQ(Messages[0].Text,
              "Delete Bookmark Glossary Term: B from your collection?\r\n\r\nAre you sure?");
    EXPECT_EQ(W.lsvBookmarks->Count(), 3);
    EXPECT_EQ(Dir.Read(BookmarksFileName), Canonical) << "rewritten, unchanged";

    Answer({mrYes});
    QTest::mouseClick(W.btnDelete, Qt::LeftButton);
    EXPECT_EQ(Names(W), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(ReadMain(), (std::vector<TBookmark>{Marks[0], Marks[2]}));
    EXPECT_FALSE(W.btnDelete->isEnabled());
    EXPECT_FALSE(W.btnGo->isEnabled());
}

TEST_F(BookmarksWindowTest, DeleteKeyDeletesTheSelectedBookmark) {
    WriteMain({MakeGlossBookmark("A"), MakeGlossBookmark("B")});
    TfrmBookmarks W;
    Show(W);

    QTest::keyClick(W.lsvBookmarks, Qt::Key_Delete);
    EXPECT_TRUE(Messages.empty()) << "nothing selected, nothing asked";

    // Not while a name is being edited: there the key belongs to the editor.
    W.lsvBookmarks->SetSelectedIndex(0);
    QTest::keyClick(W.lsvBookmarks, Qt::Key_F2);
    QLineEdit* Edit = Editor(W);
    ASSERT_NE(Edit, nullptr);
    QTest::keyClick(Edit, Qt::Key_Delete);
    EXPECT_TRUE(Messages.empty());
    EndEdit(W, Edit, Qt::Key_Escape);

    Answer({mrYes});
    QTest::keyClick(W.lsvBookmarks, Qt::Key_Delete);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Heading, "Delete Bookmark?");
    EXPECT_EQ(Names(W), std::vector<std::string>{"B"});
    ASSERT_EQ(ReadMain().size(), 1u);
    EXPECT_EQ(ReadMain()[0].Name, "B");
}

TEST_F(BookmarksWindowTest, GoOpensEachKindInItsWindow) {
    WriteMain({
        {bkQuranChapter, "Chapter", "Qur'an Chapter: 1", {"001"}},
        {bkQuranVerse, "Verse", "Qur'an Chapter & Verse: 2:255", {"002.255"}},
        {bkCommentary, "Notes", "Commentary", {}},
        MakeGlossBookmark("Sunnah"),
        {bkSearch, "fast", "\"fast\", Chapter: All", {"fast", "x", "N"}},
        MakeSearchBookmark("prayer", 4, true, "FENWIR::Fenwir (English)"),
        MakeHadithBookmark("HGROUP_DORREL_ANVESH_12"),
    });
    TfrmBookmarks W;
    std::vector<std::string> Calls;
    W.ShowTerm = [&Calls](const std::string& Term) { Calls.push_back("term " + Term); };
    W.ShowBookmarkedSearch = [&Calls](const std::string& Text, int Chapter, bool Restricted,
                                      const std::string& ViewKey) {
        Calls.push_back("search " + Text + " " + std::to_string(Chapter) + " " +
                        (Restricted ? "Y" : "N") + " [" + ViewKey + "]");
    };
    W.ShowGroupHadith = [&Calls](const std::string& Group, int N) {
        Calls.push_back("hadith " + Group + " " + std::to_string(N));
    };
    Show(W);
    EXPECT_FALSE(W.btnGo->isEnabled());

    const char* const Expected[] = {
        nullptr,
        nullptr,
        nullptr,
        "term Sunnah",
        "search fast 1 N []",
        "search prayer 4 Y [FENWIR::Fenwir (English)]",
        "hadith DORREL_ANVESH 12",
    };
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        Calls.clear();
        W.lsvBookmarks->SetSelectedIndex(i);
        ASSERT_TRUE(W.btnGo->isEnabled());
        QTest::mouseClick(W.btnGo, Qt::LeftButton);
        if (Expected[i])
            EXPECT_EQ(Calls, std::vector<std::string>{Expected[i]});
        else
            EXPECT_TRUE(Calls.empty());
    }

    // A double-click and the Return key open the bookmark as well.
    Calls.clear();
    W.lsvBookmarks->SetSelectedIndex(3);
    emit W.lsvBookmarks->itemDoubleClicked(W.lsvBookmarks->Item(3), 0);
    W.lsvBookmarks->SetSelectedIndex(6);
    QTest::keyClick(W.lsvBookmarks, Qt::Key_Return);
    EXPECT_EQ(Calls, (std::vector<std::string>{"term Sunnah", "hadith DORREL_ANVESH 12"}));
}

TEST_F(BookmarksWindowTest, ImportExportAndClearAllAskFirst) {
    WriteMain({MakeGlossBookmark("Mine")});
    TTempDir Other;
    {
        TBookmarkList Shared(Other.Path());
        Shared.Add(MakeHadithBookmark("HGROUP_FENWIR_7"));
        Shared.Add(MakeSearchBookmark("fast", 2, false, "FENWIR::Fenwir (English)"));
        Shared.ExportBookmarks(Other.File("Shared.cbk"));
    }
    TfrmBookmarks W;
    int Chosen = 0;
    std::string ImportName;
    W.ChooseImportFile = [&] {
        ++Chosen;
        return ImportName;
    };
    W.ChooseExportFile = [&] {
        ++Chosen;
        return Dir.File("Out.cbk");
    };
    Show(W);

    Answer({mrNo, mrNo, mrNo});
    QTest::mouseClick(W.btnImport, Qt::LeftButton);
    QTest::mouseClick(W.btnExport, Qt::LeftButton);
    QTest::mouseClick(W.btnClearAll, Qt::LeftButton);
    EXPECT_EQ(Chosen, 0) << "No stops before the dialog";
    ASSERT_EQ(Messages.size(), 3u);
    EXPECT_EQ(Messages[0].Heading, "Import into your Bookmarks?");
    EXPECT_EQ(Messages[0].Text, "This process will import all bookmarks from a seperate file into "
                                "your collection.\r\n\r\nDo you want to continue?");
    EXPECT_EQ(Messages[1].Heading, "Export your Bookmarks?");
    EXPECT_EQ(Messages[1].Text,
              "This process will export all bookmarks in your collection to a seperate file for "
              "back-up, or to share with others.\r\n\r\nDo you want to continue?");
    EXPECT_EQ(Messages[2].Heading, "Delete All Bookmarks?");
    EXPECT_EQ(Messages[2].Text,
              "This will delete All bookmarks in your collection.\r\n\r\nIt is recommended that "
              "you first backup (export your bookmarks to a file) before clearing your current "
              "collection.\r\n\r\nDo you wish to continue, and clear All bookmarks?");
    EXPECT_EQ(Names(W), std::vector<std::string>{"Mine"});

    // A cancelled dialog and the main file itself import nothing.
    Messages.clear();
    Answer({mrYes, mrYes, mrOk});
    QTest::mouseClick(W.btnImport, Qt::LeftButton);
    ImportName = Dir.File("TXBOOKMARKS.DBX");
    QTest::mouseClick(W.btnImport, Qt::LeftButton);
    ASSERT_EQ(Messages.size(), 3u);
    EXPECT_EQ(Messages[2].Heading, "You can't import your own collection!");
    EXPECT_EQ(Names(W), std::vector<std::string>{"Mine"});

    Answer({mrYes});
    ImportName = Other.File("Shared.cbk");
    QTest::mouseClick(W.btnImport, Qt::LeftButton);
    EXPECT_EQ(Names(W), (std::vector<std::string>{"Mine", "#7,FENWIR", "fast"}));
    EXPECT_EQ(ReadMain(), W.Bookmarks().Items());

    Answer({mrYes});
    QTest::mouseClick(W.btnExport, Qt::LeftButton);
    EXPECT_EQ(TBookmarkList::ReadBookmarkFile(Dir.File("Out.cbk")), W.Bookmarks().Items());
    const std::vector<TBookmark> Former = W.Bookmarks().Items();

    Answer({mrYes});
    QTest::mouseClick(W.btnClearAll, Qt::LeftButton);
    EXPECT_EQ(W.lsvBookmarks->Count(), 0);
    EXPECT_EQ(Dir.Read(BookmarksFileName), "");
    EXPECT_EQ(TBookmarkList::ReadBookmarkFile(Dir.File(BookmarksBackupName)), Former);
}

TEST_F(BookmarksWindowTest, DamagedMainFileIsReportedAndKeptUntilTheUserAgrees) {
    const std::string Damaged = EncodeLine("9||x||y", 0) + "\r\n";
    Dir.Write(BookmarksFileName, Damaged);
    TfrmBookmarks W;
    Answer({mrOk});
    Show(W);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Heading, "A Software Error has occured!");
    EXPECT_NE(Messages[0].Text.find("is damaged"), std::string::npos) << Messages[0].Text;
    EXPECT_EQ(W.lsvBookmarks->Count(), 0);

    Answer({mrNo, mrOk});
    W.AddGlossBookmark("New");
    EXPECT_EQ(Names(W), std::vector<std::string>{"New"});
    EXPECT_EQ(Dir.Read(BookmarksFileName), Damaged);

    Answer({mrYes, mrOk});
    W.AddGlossBookmark("Newer");
    EXPECT_EQ(Dir.Read("TxBookmarks.bad"), Damaged);
    EXPECT_EQ(ReadMain().size(), 2u);
}
