// The glossary window over the built glossary: showing, back and forward,
// the word spelling query, words double-clicked in a page, links inside term
// pages and the bookmark buttons.
#include "scripture/ui/GlossaryWindow.h"

#include "BuiltInFingerprints.h"
#include "app/HtmlHelpers.h"
#include "app/ui/FormBases.h"
#include "app/ui/OrvWebBrowser.h"
#include "controls/ui/OrvButton.h"
#include "data/TextUtils.h"
#include "data/Verification.h"
#include "scripture/GlossaryHelper.h"
#include "scripture/ui/OrvHTML.h"
#include "support/FakeShell.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// The program folder the build filled: the one ctest names, else the "dist"
// folder beside the tests folder.
std::string DistDir() {
    if (const char* Dir = std::getenv("TARVIX_DIST_DIR"))
        return std::string(Dir) + "/";
    return QCoreApplication::applicationDirPath().toStdString() + "/../dist/";
}

uint32_t Rgb(const TColour& C) {
    return (static_cast<uint32_t>(C.R) << 16) | (static_cast<uint32_t>(C.G) << 8) | C.B;
}

std::string Text(const QString& S) {
    return S.toStdString();
}

// Where a link of a page is on screen, in the view's viewport; the view is
// scrolled to it first. (-1, -1) when the page has no such link.
QPoint LinkPoint(QTextBrowser& View, const QString& Href) {
    for (QTextBlock Block = View.document()->begin(); Block.isValid(); Block = Block.next()) {
        for (auto It = Block.begin(); !It.atEnd(); ++It) {
            const QTextFragment Fragment = It.fragment();
            if (!Fragment.isValid() || Fragment.charFormat().anchorHref() != Href)
                continue;
            QTextCursor Cursor(View.document());
            Cursor.setPosition(Fragment.position() + 1);
            View.setTextCursor(Cursor);
            View.ensureCursorVisible();
            return View.cursorRect(Cursor).center();
        }
    }
    return QPoint(-1, -1);
}

QColor LinkColourOnPage(QTextBrowser& View, const QString& Href) {
    for (QTextBlock Block = View.document()->begin(); Block.isValid(); Block = Block.next())
        for (auto It = Block.begin(); !It.atEnd(); ++It)
            if (It.fragment().charFormat().anchorHref() == Href)
                return It.fragment().charFormat().foreground().color();
    return QColor();
}

class TFakeBookmarks : public TfrmBookmarksBase {
public:
    void AddGlossBookmark(const std::string& Term) override { Terms.push_back(Term); }
    std::vector<std::string> Terms;
};

class GlossaryWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string File = DistDir() + "Gloss.dbx";
        if (!FileExists(File))
            GTEST_SKIP() << "no built glossary at " << File;
        ResetVerification();
        ::GlossaryHelper = std::make_unique<TGlossaryHelper>(File, GlossFingerprint);
        ASSERT_TRUE(::GlossaryHelper->Verify());
        ::GlossaryHelper->LoadGlossary();
        Gloss = std::make_unique<TfrmGloss>();
        Gloss->ProcessLink = [this](const std::string& Link) { Links.push_back(Link); };
    }
    void TearDown() override {
        Gloss.reset();
        ResetGlossaryHelper();
        ResetVerification();
    }

    int TermIndex(const std::string& Term) const {
        const auto& Terms = ::GlossaryHelper->Terms();
        for (size_t i = 0; i < Terms.size(); ++i)
            if (Terms[i].Term == Term)
                return static_cast<int>(i);
        return -1;
    }
    // The term whose page is on show, as the window's edit box names it.
    std::string Shown() const { return Text(Gloss->txtTerm->text()); }
    std::string ShownPage() const { return Gloss->Browser->Html(); }
    // The page of a term in the window's link colour.
    std::string PageOf(const std::string& Term) const {
        return ::GlossaryHelper->BuildTermPage(TermIndex(Term), Rgb(Gloss->LinkColour));
    }
    void ClickLink(const QString& Href) {
        const QPoint At = LinkPoint(*Gloss->Browser, Href);
        ASSERT_NE(At, QPoint(-1, -1)) << "no link to " << Text(Href);
        QTest::mouseClick(Gloss->Browser->viewport(), Qt::LeftButton, {}, At);
    }

    TFakeShell Shell;
    std::unique_ptr<TfrmGloss> Gloss;
    std::vector<std::string> Links;
};

TEST_F(GlossaryWindowTest, EachShowingListsEveryTermAndStartsAtTheFirst) {
    EXPECT_FALSE(Gloss->btnBack->isEnabled());
    EXPECT_FALSE(Gloss->btnForward->isEnabled());
    EXPECT_FALSE(Gloss->pnlWordQuery->isVisibleTo(Gloss.get()));

    Gloss->SetLinkColour(SchemeColour(1));
    Gloss->ShowGlossary();
    ASSERT_EQ(Gloss->lbxTerms->count(), ::GlossaryHelper->TermCount());
    EXPECT_GT(Gloss->lbxTerms->count(), 100);
    EXPECT_EQ(Gloss->lbxTerms->currentRow(), 0);
    const std::string First = ::GlossaryHelper->Terms()[0].Term;
    EXPECT_EQ(Shown(), First);
    EXPECT_EQ(ShownPage(), ::GlossaryHelper->BuildTermPage(0, Rgb(SchemeColour(1))));
    EXPECT_EQ(Gloss->History.Items(), std::vector<std::string>{First});
    EXPECT_TRUE(Gloss->btnLookUp->isDefault());
    EXPECT_FALSE(Gloss->btnProperSpelling->isDefault());

    // Showing again starts over at the first term and records it again.
    ASSERT_TRUE(Gloss->ShowTerm("Zakat", true));
    Gloss->hide();
    Gloss->ShowGlossary();
    EXPECT_EQ(Shown(), First);
    EXPECT_EQ(Gloss->History.Items(), (std::vector<std::string>{First, "Zakat", First}));
    EXPECT_TRUE(Gloss->btnBack->isEnabled());
    EXPECT_FALSE(Gloss->btnForward->isEnabled());
}

TEST_F(GlossaryWindowTest, BackAndForwardWalkTheLogOfShownTerms) {
    Gloss->ShowGlossary();
    const std::string First = ::GlossaryHelper->Terms()[0].Term;
    for (const char* Word : {"Adab", "adhan", "Salah"}) // headword, letter case, alternate
        ASSERT_TRUE(Gloss->ShowTerm(Word, true)) << Word;
    EXPECT_EQ(Gloss->History.Items(), (std::vector<std::string>{First, "Adab", "Adhan", "Salat"}));

    QTest::mouseClick(Gloss->btnBack, Qt::LeftButton);
    QTest::mouseClick(Gloss->btnBack, Qt::LeftButton);
    EXPECT_EQ(Gloss->History.Current(), 1);
    EXPECT_EQ(Shown(), "Adab");
    EXPECT_EQ(ShownPage(), PageOf("Adab"));
    EXPECT_EQ(Gloss->lbxTerms->currentRow(), TermIndex("Adab"));
    EXPECT_EQ(Gloss->History.Count(), 4); // going back records nothing
    EXPECT_TRUE(Gloss->btnBack->isEnabled());
    EXPECT_TRUE(Gloss->btnForward->isEnabled());

    // A term shown after going back is appended; nothing is cut off, and
    // back leads to the entry that was last before it.
    ASSERT_TRUE(Gloss->ShowTerm("Hadiths", true));
    EXPECT_EQ(Gloss->History.Items(),
              (std::vector<std::string>{First, "Adab", "Adhan", "Salat", "Hadith"}));
    EXPECT_EQ(Gloss->History.Current(), 4);
    EXPECT_FALSE(Gloss->btnForward->isEnabled());
    QTest::mouseClick(Gloss->btnBack, Qt::LeftButton);
    EXPECT_EQ(Shown(), "Salat");
    QTest::mouseClick(Gloss->btnForward, Qt::LeftButton);
    EXPECT_EQ(Shown(), "Hadith");
    EXPECT_FALSE(Gloss->btnForward->isEnabled());

    // Walking to the start disables back.
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(Gloss->btnBack, Qt::LeftButton);
    EXPECT_EQ(Gloss->History.Current(), 0);
    EXPECT_EQ(Shown(), First);
    EXPECT_FALSE(Gloss->btnBack->isEnabled());
    EXPECT_EQ(Gloss->History.Count(), 5);
}

TEST_F(GlossaryWindowTest, AnEntryThatIsNoLongerATermShowsNothing) {
    Gloss->ShowGlossary();
    ASSERT_TRUE(Gloss->ShowTerm("Sawm", true));
    Gloss->History.Add("No such term");
    ASSERT_TRUE(Gloss->ShowTerm("Zakat", true));
    Gloss->btnBackClick();
    EXPECT_EQ(Gloss->History.Current(), 2);
    EXPECT_EQ(ShownPage(), PageOf("Zakat"));
    Gloss->btnBackClick();
    EXPECT_EQ(ShownPage(), PageOf("Sawm"));
    Gloss->btnForwardClick();
    EXPECT_EQ(Gloss->History.Current(), 2);
    EXPECT_EQ(Shown(), "Sawm");
    EXPECT_EQ(ShownPage(), PageOf("Sawm"));
}

TEST_F(GlossaryWindowTest, TypingSelectsATermThatLookUpShows) {
    Gloss->ShowGlossary();
    const std::string FirstPage = ShownPage();
    Gloss->txtTerm->clear();
    QTest::keyClicks(Gloss->txtTerm, "zak");
    EXPECT_EQ(Gloss->lbxTerms->currentRow(), TermIndex("Zakat"));
    EXPECT_EQ(ShownPage(), FirstPage); // nothing shown yet
    EXPECT_EQ(Gloss->History.Count(), 1);
    // No term begins so: the selection stays.
    QTest::keyClicks(Gloss->txtTerm, "q");
    EXPECT_EQ(Gloss->lbxTerms->currentRow(), TermIndex("Zakat"));
    // Return presses the default button, "Look Up".
    QTest::keyClick(Gloss->txtTerm, Qt::Key_Return);
    EXPECT_EQ(Shown(), "Zakat");
    EXPECT_EQ(ShownPage(), PageOf("Zakat"));
    EXPECT_EQ(Gloss->History.Strings(Gloss->History.Current()), "Zakat");

    // A click in the list shows the term clicked.
    QListWidgetItem* Item = Gloss->lbxTerms->item(TermIndex("Adab"));
    Gloss->lbxTerms->scrollToItem(Item);
    QTest::mouseClick(Gloss->lbxTerms->viewport(), Qt::LeftButton, {},
                      Gloss->lbxTerms->visualItemRect(Item).center());
    EXPECT_EQ(Shown(), "Adab");
    EXPECT_EQ(Gloss->History.Count(), 3);
}

TEST_F(GlossaryWindowTest, WordQueryAnswersWithTheTermsSpelling) {
    struct TCase {
        const char* Word;
        const char* Answer;
        const char* ShownTerm; // nullptr: the page stays as it was
        bool Confirmed;
        bool Popup;
        const char* Copied;
    };
    const TCase Cases[] = {
        {"salat", "Salat", "Salat", false, true, "Salat"},    // letter case
        {"  Namaz ", "Salat", "Salat", false, true, "Salat"}, // alternate spelling
        {"Salat", "The spelling you entered is Correct!", "Salat", true, true, "Salat"},
        {"Salats", "The spelling you entered is Correct!", "Salat", true, true, "Salat"},
        {"Hadith's", "The spelling you entered is Correct!", "Hadith", true, true, "Hadith"},
        {"Qwerty", "Word is not in the Glossary!", nullptr, false, false,
         "Word is not in the Glossary!"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Word);
        Gloss->hide();
        Gloss->ShowWordQuery();
        EXPECT_TRUE(Gloss->pnlWordQuery->isVisible());
        EXPECT_FALSE(Gloss->chkCloseWordQry->isChecked());
        EXPECT_TRUE(Gloss->btnProperSpelling->isDefault());
        EXPECT_FALSE(Gloss->btnLookUp->isDefault());
        const std::string Before = ShownPage();
        Gloss->txtTerm2->setText(Case.Word);
        // Return in the query box asks, as "Find Proper Spelling" does.
        QTest::keyClick(Gloss->txtTerm2, Qt::Key_Return);
        EXPECT_EQ(Text(Gloss->lblPrefSpelling->text()), Case.Answer);
        EXPECT_EQ(ShownPage(), Case.ShownTerm ? PageOf(Case.ShownTerm) : Before);
        EXPECT_EQ(Gloss->PrefSpellingConfirmed, Case.Confirmed);
        EXPECT_EQ(Gloss->PrefSpellingHasPopup(), Case.Popup);
        QGuiApplication::clipboard()->clear();
        Gloss->pmnuiCopyPrefSpelling->trigger();
        EXPECT_EQ(Text(QGuiApplication::clipboard()->text()), Case.Copied);
    }
    EXPECT_EQ(Text(Gloss->pmnuiCopyPrefSpelling->text()), "Copy Preferred Spelling");

    // A blank word changes nothing.
    Gloss->txtTerm2->setText("   ");
    Gloss->btnProperSpelling->click();
    EXPECT_EQ(Text(Gloss->lblPrefSpelling->text()), "Word is not in the Glossary!");

    // Ticking "Close Word Query" closes the panel and gives Return back to
    // "Look Up".
    QTest::mouseClick(Gloss->chkCloseWordQry, Qt::LeftButton);
    EXPECT_FALSE(Gloss->pnlWordQuery->isVisible());
    EXPECT_TRUE(Gloss->btnLookUp->isDefault());
    EXPECT_FALSE(Gloss->btnProperSpelling->isDefault());
}

TEST_F(GlossaryWindowTest, ADoubleClickedWordOpensItsTermAndAnyOtherWordNothing) {
    // The main window's page view hands a double-clicked word on so.
    TOrvWebBrowser Page;
    QObject::connect(&Page, &TOrvWebBrowser::WordDoubleClicked, Gloss.get(),
                     [&] { Gloss->ShowTerm(Page.GetSelectedText(), true); });
    Page.resize(400, 120);
    Page.show();
    Page.LoadHtml("<BODY>Neither nothing nor zakat.</BODY>");
    const auto WordPoint = [&Page](const QString& Word) {
        QTextCursor Cursor = Page.document()->find(Word);
        Cursor.setPosition(Cursor.selectionStart() + 1);
        return Page.cursorRect(Cursor).center();
    };

    QTest::mouseDClick(Page.viewport(), Qt::LeftButton, {}, WordPoint("nothing"));
    ASSERT_EQ(Page.GetSelectedText(), "nothing");
    EXPECT_FALSE(Gloss->isVisible());
    EXPECT_EQ(Gloss->History.Count(), 0);
    EXPECT_TRUE(ShownPage().empty());

    QTest::mouseDClick(Page.viewport(), Qt::LeftButton, {}, WordPoint("zakat"));
    ASSERT_EQ(Page.GetSelectedText(), "zakat");
    EXPECT_TRUE(Gloss->isVisible());
    EXPECT_EQ(Shown(), "Zakat");
    EXPECT_EQ(ShownPage(), PageOf("Zakat"));
    EXPECT_EQ(Gloss->lbxTerms->currentRow(), TermIndex("Zakat"));
    // Opening the window put its first term before it.
    EXPECT_EQ(Gloss->History.Items(),
              (std::vector<std::string>{::GlossaryHelper->Terms()[0].Term, "Zakat"}));
}

TEST_F(GlossaryWindowTest, ShowTermWithoutShowingTheWindowStillSelectsTheTerm) {
    EXPECT_TRUE(Gloss->ShowTerm("Wudu", false));
    EXPECT_FALSE(Gloss->isVisible());
    EXPECT_EQ(Gloss->lbxTerms->currentRow(), TermIndex("Wudu"));
    EXPECT_EQ(ShownPage(), PageOf("Wudu"));
    EXPECT_FALSE(Gloss->ShowTerm("   ", false));
}

TEST_F(GlossaryWindowTest, LinksInATermPageShowTermsOrGoToTheMainWindow) {
    Gloss->SetLinkColour(SchemeColour(3));
    Gloss->ShowGlossary();
    Gloss->resize(900, 600);

    // A link to another term shows it and records it.
    ASSERT_TRUE(Gloss->ShowTerm("Adalah", true));
    const TColour Blue = SchemeColour(3);
    EXPECT_EQ(LinkColourOnPage(*Gloss->Browser, "Dabt"), QColor(Blue.R, Blue.G, Blue.B));
    EXPECT_NE(ShownPage().find(ColorToHtml(Blue)), std::string::npos); // the heading
    ClickLink("Dabt");
    EXPECT_EQ(Shown(), "Dabt");
    EXPECT_EQ(Gloss->History.Strings(Gloss->History.Current()), "Dabt");
    EXPECT_TRUE(Links.empty());

    // Any other target goes to the main window's command dispatcher, and the
    // page stays.
    ASSERT_TRUE(Gloss->ShowTerm("Ahad", true));
    const int Recorded = Gloss->History.Count();
    ClickLink("MDOC_HADITH_SCIENCE");
    EXPECT_EQ(Links, std::vector<std::string>{"MDOC_HADITH_SCIENCE"});
    EXPECT_EQ(Shown(), "Ahad");
    EXPECT_EQ(Gloss->History.Count(), Recorded);

    Gloss->Browser->LoadFromString("<FONT FACE=\"Verdana\" SIZE=\"1\" COLOR=\"Black\">See the "
                                   "<A HREF=\"FEAT_WORD_SPELL\">word query</A>.</FONT>");
    ClickLink("FEAT_WORD_SPELL");
    EXPECT_EQ(Links, (std::vector<std::string>{"MDOC_HADITH_SCIENCE", "FEAT_WORD_SPELL"}));
}

TEST_F(GlossaryWindowTest, BookmarkButtonsReachTheBookmarksWindow) {
    // Without hooks of its own the window uses the program's bookmarks window.
    TFakeBookmarks Bookmarks;
    ::BookmarksWindow = &Bookmarks;
    Gloss->ShowGlossary();
    ASSERT_TRUE(Gloss->ShowTerm("Sunnah", true));
    QTest::mouseClick(Gloss->btnBookmark, Qt::LeftButton);
    EXPECT_EQ(Bookmarks.Terms, std::vector<std::string>{"Sunnah"});
    EXPECT_FALSE(Bookmarks.isVisible());
    QTest::mouseClick(Gloss->btnBookmarks, Qt::LeftButton);
    EXPECT_TRUE(Bookmarks.isVisible());
    ::BookmarksWindow = nullptr;

    std::vector<std::string> Added;
    int Opened = 0;
    Gloss->AddGlossBookmark = [&](const std::string& Term) { Added.push_back(Term); };
    Gloss->ShowBookmarks = [&] { ++Opened; };
    QTest::mouseClick(Gloss->btnBookmark, Qt::LeftButton);
    QTest::mouseClick(Gloss->btnBookmarks, Qt::LeftButton);
    EXPECT_EQ(Added, std::vector<std::string>{"Sunnah"});
    EXPECT_EQ(Opened, 1);
}

} // namespace
