// The main window over the built content: the page each tree node builds with
// its caption and labels, links clicked in pages, the category counts, the
// Active View, the link commands and the preferences window it opens.
#include "ProgramFixture.h"
#include "app/HtmlHelpers.h"
#include "app/PageBuilder.h"
#include "app/Prefs.h"
#include "app/ui/PrefsWindow.h"
#include "controls/TreeHelpers.h"
#include "data/TextUtils.h"
#include "hadith/CollectionManager.h"
#include "hadith/HadithHelper.h"
#include "scripture/MainDocManager.h"
#include "scripture/ui/GlossaryWindow.h"
#include "windows/ui/TipsWindow.h"

#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>

#include <fstream>
#include <iterator>

namespace {

const char* const Bismillah = "In the Name of Allah, Most Gracious, Most Merciful";
const char* const PrayerPath = "Supplication and Remembrance>Supplications>Supplications in Prayer";

bool EndsWith(const std::string& Text, const std::string& Tail) {
    return Text.size() >= Tail.size() &&
           Text.compare(Text.size() - Tail.size(), Tail.size(), Tail) == 0;
}

class MainWindowTest : public ProgramFixture {
protected:
    TTreeNodeRef CategoryNode(const std::string& Path) {
        return FindNodeByPath(*Main().trvHadithCat, "Hadith Categories>" + Path, ">");
    }
    TfrmMain& Main() { return *Program->Main; }
    std::string Html() { return Main().Browser->Html(); }
    std::string ActiveName() {
        THadithHelper* Active = HadithCollManager.ActiveView();
        return Active ? Active->CollectionName() : std::string();
    }
    // Picks an item of the Active View list as the user does.
    void ChooseView(const QString& Key) {
        const int Index = Main().cbxHColls->findText(Key);
        ASSERT_GE(Index, 0) << Key.toStdString();
        Main().cbxHColls->setCurrentIndex(Index);
        emit Main().cbxHColls->activated(Index);
    }
    std::vector<std::string> CaptionsWithCounts() {
        std::vector<std::string> Found;
        for (TTreeNodeRef Node : FlatNodes(*Main().trvHadithCat))
            if (Main().trvHadithCat->Caption(Node).find('[') != std::string::npos)
                Found.push_back(Main().trvHadithCat->Caption(Node));
        return Found;
    }
};

TEST_F(MainWindowTest, EachKindOfNodeBuildsItsPageCaptionAndLabels) {
    TfrmMain& W = Start();
    ASSERT_EQ(MainDocManager.DocumentCount(), 3);
    struct TCase {
        const char* What;
        TTreeNodeRef Node;
        std::function<std::string()> Page;
        QString Caption, Info1, Info2, Status;
        bool Bookmark;
    };
    W.CurrentHadith = 3;
    const TCase Cases[] = {
        {"root", NodeAtFlatIndex(*W.trvHadithCat, 3), [] { return BuildWelcomePage(); }, "Tarvix",
         "Welcome to Tarvix 1.81", Bismillah, "Welcome to Tarvix 1.81", false},
        {"by number", W.ByNumberNode(), [] { return BuildHadithPage(3); }, "Tarvix",
         "Browsing Hadith Collection:", "Viewing a Hadith by it's Number",
         "Viewing a Hadith by it's Number", true},
        {"document", NodeAtFlatIndex(*W.trvHadithCat, 1), [] { return BuildMainDocPage(1); },
         "Tarvix - The Science of Hadith", "The Science of Hadith", Bismillah,
         "The Science of Hadith", false},
        {"category", CategoryNode("Worship>Prayer>Friday Prayer"),
         [] { return BuildCategoryPage("Worship>Prayer>Friday Prayer"); },
         "Tarvix - Browsing Category :: Worship>Prayer>Friday Prayer",
         "Browsing Hadith Collection:", "Worship>Prayer>Friday Prayer",
         "Hadith Category: Worship>Prayer>Friday Prayer", false},
        {"category with hadiths", CategoryNode(PrayerPath),
         [] { return BuildCategoryPage(PrayerPath); },
         QString("Tarvix - Browsing Category :: ") + PrayerPath, "Browsing Hadith Collection:",
         PrayerPath, QString("Hadith Category: ") + PrayerPath, false},
    };
    // Each case starts from another node, so every selection is a change.
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.What);
        ASSERT_NE(Case.Node, nullptr);
        W.trvHadithCat->Select(Case.Node);
        EXPECT_EQ(Html(), Case.Page());
        EXPECT_EQ(W.windowTitle(), Case.Caption);
        EXPECT_EQ(W.lblInfo1->text(), Case.Info1);
        EXPECT_EQ(W.lblInfo2->text(), Case.Info2);
        EXPECT_EQ(W.StatusText->text(), Case.Status);
        EXPECT_EQ(W.btnBookmark->isEnabled(), Case.Bookmark);
        EXPECT_EQ(W.HadithPageShown, Case.Bookmark);
        // Every page ends idle, with the controls usable again.
        EXPECT_EQ(W.BusyIcon(), 0);
        EXPECT_TRUE(W.pnlNav->isEnabled());
    }
    // The category page lists the Active View's hadiths as links.
    EXPECT_NE(Html().find("HCOLL_DORREL_AND_ANVESH_(ARABIC)_"), std::string::npos);
}

TEST_F(MainWindowTest, GoShowsTheNumberedHadithAndKeepsItAcrossPages) {
    TfrmMain& W = Start();
    W.spnHadithNo->setValue(7);
    W.btnGo->click();
    EXPECT_EQ(W.trvHadithCat->Selected(), W.ByNumberNode());
    EXPECT_EQ(W.CurrentHadith, 7);
    EXPECT_EQ(Html(), BuildHadithPage(7));
    // Away and back: the same hadith again.
    W.trvHadithCat->Select(CategoryNode("Faith"));
    W.trvHadithCat->Select(W.ByNumberNode());
    EXPECT_EQ(Html(), BuildHadithPage(7));
    // Go on the page already shown still shows the new number.
    W.spnHadithNo->setValue(9);
    W.btnGo->click();
    EXPECT_EQ(Html(), BuildHadithPage(9));
}

TEST_F(MainWindowTest, ClickedHadithLinkInCategoryPageOpensThatHadith) {
    TfrmMain& W = Start();
    ChooseView("DORREL_ANVESH::Dorrel and Anvesh (English)");
    W.trvHadithCat->Select(CategoryNode(PrayerPath));
    const QRegularExpression Href("HREF=\"(HCOLL_DORREL_AND_ANVESH_\\(ENGLISH\\)_(\\d+))\"");
    const QRegularExpressionMatch Link = Href.match(QString::fromStdString(Html()));
    ASSERT_TRUE(Link.hasMatch()) << Html();
    const int N = Link.captured(2).toInt();

    // Back to the Arabic view: the link still opens the English hadith.
    ChooseView("DORREL_ANVESH::Dorrel and Anvesh (Arabic)");
    W.trvHadithCat->Select(CategoryNode(PrayerPath));
    ASSERT_EQ(ActiveName(), "Dorrel and Anvesh (Arabic)");
    emit W.Browser->LinkClicked(Link.captured(1));

    EXPECT_EQ(ActiveName(), "Dorrel and Anvesh (English)");
    EXPECT_EQ(W.cbxHColls->currentText(), "DORREL_ANVESH::Dorrel and Anvesh (English)");
    EXPECT_EQ(W.trvHadithCat->Selected(), W.ByNumberNode());
    EXPECT_EQ(W.CurrentHadith, N);
    EXPECT_EQ(Html(), BuildHadithPage(N));
    EXPECT_EQ(W.lblInfo2->text(), "Viewing a Hadith by it's Number");
    EXPECT_TRUE(W.btnBookmark->isEnabled());
}

TEST_F(MainWindowTest, AutomaticCountsAppearOnCategoriesAndNeverInTitles) {
    TfrmMain& W = Start();
    ASSERT_FALSE(W.chkAutoCount->isChecked()); // the default settings
    W.trvHadithCat->Select(CategoryNode("Faith"));
    EXPECT_TRUE(CaptionsWithCounts().empty());

    // Counts are the Active View's, on exactly the categories that have hadiths
    // (nodes found by their captions before the counts are added).
    TStringList Counts;
    HadithCollManager.ActiveView()->GetCategoryCounts(Counts, true);
    std::vector<std::pair<TTreeNodeRef, std::string>> Counted;
    for (const std::string& Line : Counts)
        if (StrToInt(TextAfter(Line, "|")) > 0) {
            Counted.emplace_back(CategoryNode(TextBefore(Line, "|")), TextAfter(Line, "|"));
            ASSERT_NE(Counted.back().first, nullptr) << Line;
        }
    TTreeNodeRef Parent = CategoryNode("Supplication and Remembrance>Supplications");
    ASSERT_NE(Parent, nullptr);
    W.chkAutoCount->setChecked(true);
    W.trvHadithCat->Select(CategoryNode(PrayerPath));
    const size_t WithHadiths = Counted.size();
    for (const auto& [Node, Count] : Counted) {
        const std::string Caption = W.trvHadithCat->Caption(Node);
        EXPECT_TRUE(EndsWith(Caption, " [" + Count + "]")) << Caption;
    }
    ASSERT_GT(WithHadiths, 0u);
    EXPECT_EQ(CaptionsWithCounts().size(), WithHadiths);
    EXPECT_EQ(W.windowTitle(), QString("Tarvix - Browsing Category :: ") + PrayerPath);
    EXPECT_EQ(W.lblInfo2->text(), PrayerPath);

    // A node captioned with its count gives its path without it.
    ASSERT_NE(W.trvHadithCat->Caption(Parent).find(" ["), std::string::npos);
    W.trvHadithCat->Select(Parent);
    EXPECT_EQ(W.lblInfo2->text(), "Supplication and Remembrance>Supplications");
    EXPECT_EQ(W.StatusText->text(), "Hadith Category: Supplication and Remembrance>Supplications");
    EXPECT_EQ(Html(), BuildCategoryPage("Supplication and Remembrance>Supplications"));
    EXPECT_EQ(CaptionsWithCounts().size(), WithHadiths); // shown again, not doubled

    W.btnHideHCatCount->click();
    EXPECT_TRUE(CaptionsWithCounts().empty());
    for (TTreeNodeRef Node : FlatNodes(*W.trvHadithCat))
        EXPECT_LE(W.trvHadithCat->Data(Node), 0);
    W.btnShowHCatCount->click();
    EXPECT_EQ(CaptionsWithCounts().size(), WithHadiths);

    // The hadith page counts too; a new Active View removes them.
    W.trvHadithCat->Select(W.ByNumberNode());
    EXPECT_EQ(CaptionsWithCounts().size(), WithHadiths);
    W.chkAutoCount->setChecked(false);
    ChooseView("FENWIR::Fenwir (English)");
    EXPECT_TRUE(CaptionsWithCounts().empty());
    EXPECT_EQ(W.lblInfo2->text(), "Viewing a Hadith by it's Number");
}

TEST_F(MainWindowTest, ChangingActiveViewResetsTheSpinEdit) {
    TfrmMain& W = Start();
    ASSERT_EQ(W.spnHadithNo->maximum(), 17);
    W.spnHadithNo->setValue(5);
    W.btnGo->click();
    ChooseView("FENWIR::Fenwir (English)");
    EXPECT_EQ(ActiveName(), "Fenwir (English)");
    EXPECT_EQ(W.spnHadithNo->value(), 1);
    EXPECT_EQ(W.spnHadithNo->maximum(), 67);
    EXPECT_EQ(AppPrefs.ActiveColl, "Fenwir (English)");
    // The page on show is rebuilt with the new collection; the number stays.
    EXPECT_EQ(W.CurrentHadith, 5);
    EXPECT_EQ(Html(), BuildHadithPage(5));

    W.spnHadithNo->setValue(60);
    ChooseView("DORREL_ANVESH::Dorrel and Anvesh (English)");
    EXPECT_EQ(W.spnHadithNo->value(), 1);
    EXPECT_EQ(W.spnHadithNo->maximum(), 17);
    EXPECT_EQ(W.cbxHColls->currentText(), "DORREL_ANVESH::Dorrel and Anvesh (English)");
    // The settings file is written only when a settings window saves.
    EXPECT_FALSE(FileExists(PrefsFileName()));
}

TEST_F(MainWindowTest, LinkCommandsReachTheirWindows) {
    TfrmMain& W = Start();
    std::vector<std::string> Calls;
    auto Record = [&Calls](const char* Name) { return [&Calls, Name] { Calls.push_back(Name); }; };
    W.Links.ShowSearch = Record("search");
    W.Links.ShowBookmarks = Record("bookmarks");
    W.Links.ShowGlossary = Record("glossary");
    W.Links.ShowWordQuery = Record("word query");
    W.Links.ShowAssistant = Record("assistant");
    W.Links.ShowRemoteAudio = Record("remote audio");
    W.Links.ShowPrefs = Record("prefs");
    W.Links.ShowTips = Record("tips");
    const struct {
        const char* Link;
        const char* Call; // nullptr: nothing is opened
    } Cases[] = {
        {"FEAT_SEARCH", "search"},
        {"FEAT_BOOKMARKS", "bookmarks"},
        {"FEAT_GLOSSARY", "glossary"},
        {"FEAT_WORD_SPELL", "word query"},
        {"FEAT_ASSISTANT", "assistant"},
        {"FEAT_REMOTE_AUD", "remote audio"},
        {"FEAT_PREFS", "prefs"},
        {"FEAT_TIPS", "tips"},
        {"FEAT_PREFS2", nullptr},
        {"feat_prefs", nullptr},
        {"HTTP://WWW.EXAMPLE.COM", nullptr},
        {"", nullptr},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Link);
        Calls.clear();
        W.ProcessLink(Case.Link);
        EXPECT_EQ(Calls,
                  Case.Call ? std::vector<std::string>{Case.Call} : std::vector<std::string>{});
    }
    EXPECT_TRUE(Headings.empty());

    // A link in a page goes through the same dispatcher, upper-cased.
    Calls.clear();
    emit W.Browser->LinkClicked("feat_tips");
    EXPECT_EQ(Calls, std::vector<std::string>{"tips"});

    W.ProcessLink("FEAT_COLLS_MAN");
    EXPECT_EQ(W.pagesMain->currentWidget(), W.tabColls);
    EXPECT_FALSE(W.mnuiCollsMan->isEnabled());
    EXPECT_EQ(W.trvColls->topLevelItemCount(), HadithCollManager.GroupCount());

    // A document link also brings the reading page back.
    W.ProcessLink("MDOC_INTRODUCTION");
    EXPECT_EQ(W.pagesMain->currentWidget(), W.tabHadith);
    EXPECT_EQ(W.windowTitle(), "Tarvix - Introduction");
    EXPECT_EQ(Html(), BuildMainDocPage(0));
    EXPECT_TRUE(W.mnuiCollsMan->isEnabled());
}

TEST_F(MainWindowTest, UnclassifiedShowsItsMessageInEitherCase) {
    TfrmMain& W = Start();
    const std::string Before = Html();
    for (const char* Link : {"Unclassified", "UNCLASSIFIED", " unclassified "}) {
        SCOPED_TRACE(Link);
        Headings.clear();
        TfrmMsgDlg::AnswerQueue().push_back(mrOk);
        W.ProcessLink(Link);
        EXPECT_EQ(Headings, std::vector<std::string>{"Unclassified Hadith"});
        EXPECT_EQ(frmMsgDlg().lblMessage->text(),
                  "No classification information is stored for this hadith within it's "
                  "collection!");
        EXPECT_EQ(Html(), Before);
    }
}

TEST_F(MainWindowTest, ClassificationLinkScrollsTheHadithScienceDocumentToItsGroup) {
    TfrmMain& W = Start();
    W.resize(900, 700);
    QApplication::processEvents();
    std::vector<int> Positions;
    for (const char* Code : {"RA_MRFU", "RR_SHIH"}) {
        SCOPED_TRACE(Code);
        W.ShowWelcome();
        W.ProcessLink(Code);
        EXPECT_EQ(W.windowTitle(), "Tarvix - The Science of Hadith");
        EXPECT_EQ(Html(), BuildMainDocPage(1));
        bool HasAnchor = false;
        for (const std::string& Name : W.Browser->AnchorNames())
            HasAnchor |= Name.find("HCLASS_" + TextBefore(Code, "_")) != std::string::npos;
        EXPECT_TRUE(HasAnchor);
        Positions.push_back(W.Browser->verticalScrollBar()->value());
    }
    // The two groups are different places of the document, below its top.
    EXPECT_GT(Positions[0], 0);
    EXPECT_GT(Positions[1], 0);
    EXPECT_NE(Positions[0], Positions[1]);
}

TEST_F(MainWindowTest, PreferencesPreviewCancelAndOk) {
    TfrmMain& W = Start();
    const QColor Gold = [] {
        const TColour C = SchemeColour(1);
        return QColor(C.R, C.G, C.B);
    }();
    const QColor Purple = [] {
        const TColour C = SchemeColour(4);
        return QColor(C.R, C.G, C.B);
    }();
    const QImage Green = QPixmap(TfrmMain::WallpaperOf(0)).toImage();
    const QImage Blue = QPixmap(TfrmMain::WallpaperOf(3)).toImage();
    auto Wallpaper = [&W] {
        return W.spnlMain->palette().brush(QPalette::Window).texture().toImage();
    };
    ASSERT_EQ(W.trvHadithCat->HotTrackColor, Gold);
    ASSERT_EQ(Wallpaper(), Green);
    ASSERT_NE(Green, Blue);

    // Opens the window through the menu and runs WhileOpen once it shows.
    auto OpenPrefs = [&W](std::function<void(TfrmPrefsDlg&)> WhileOpen) {
        TfrmPrefsDlg* Dlg = nullptr;
        QTimer::singleShot(0, [&Dlg, WhileOpen] {
            Dlg = qobject_cast<TfrmPrefsDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(Dlg, nullptr);
            WhileOpen(*Dlg);
        });
        W.mnuiPrefs->trigger();
        EXPECT_NE(Dlg, nullptr);
    };

    OpenPrefs([&](TfrmPrefsDlg& Dlg) {
        Dlg.rbPrpl2->click();
        Dlg.rbBlue->click();
        EXPECT_EQ(W.trvHadithCat->HotTrackColor, Purple);
        EXPECT_EQ(W.trvColls->HotTrackColor, Purple);
        EXPECT_EQ(Wallpaper(), Blue);
        Dlg.btnCancel->click();
    });
    EXPECT_EQ(W.trvHadithCat->HotTrackColor, Gold);
    EXPECT_EQ(Wallpaper(), Green);
    EXPECT_EQ(AppPrefs.ColorWordHL, 1);
    EXPECT_FALSE(FileExists(PrefsFileName()));

    OpenPrefs([&](TfrmPrefsDlg& Dlg) {
        Dlg.rbPrpl2->click();
        Dlg.btnOK->click();
    });
    EXPECT_EQ(AppPrefs.ColorWordHL, 4);
    EXPECT_EQ(W.trvHadithCat->HotTrackColor, Purple);
    // The glossary's links follow the highlight colour too.
    const TColour Link = Program->Gloss->LinkColour;
    EXPECT_EQ(QColor(Link.R, Link.G, Link.B), Purple);
    EXPECT_EQ(Wallpaper(), Green);
    std::ifstream In(PrefsFileName(), std::ios::binary);
    const std::string Ini((std::istreambuf_iterator<char>(In)), {});
    const size_t Section = Ini.find("[ColorScheme]");
    ASSERT_NE(Section, std::string::npos) << Ini;
    EXPECT_NE(Ini.find("ColorWordHL=4", Section), std::string::npos) << Ini;
    // Pages built from now on take the new colour.
    W.trvHadithCat->Select(CategoryNode("Faith"));
    EXPECT_NE(Html().find(ColorToHtml(SchemeColour(4))), std::string::npos);
}

TEST_F(MainWindowTest, ExitEndsTheProgramWhateverElseIsOpen) {
    TfrmMain& W = Start();
    Program->Tips->show();
    ASSERT_TRUE(Program->Tips->isVisible());
    W.mnuiExit->trigger();
    EXPECT_FALSE(W.isVisible());
    // Nothing is left open to keep the program running.
    for (QWidget* Top : QApplication::topLevelWidgets())
        EXPECT_FALSE(Top->isVisible()) << Top->objectName().toStdString();
    EXPECT_FALSE(FileExists(PrefsFileName()));
}

TEST_F(MainWindowTest, LogOffQuestionLetsTheSessionEndOnlyOnYes) {
    TfrmMain& W = Start();
    const struct {
        int Answer;
        bool MayEnd;
    } Cases[] = {{mrYes, true}, {mrNo, false}, {mrCancel, false}};
    for (const auto& [Answer, MayEnd] : Cases) {
        Headings.clear();
        TfrmMsgDlg::AnswerQueue().push_back(Answer);
        EXPECT_EQ(W.QueryEndSession(), MayEnd) << Answer;
        EXPECT_EQ(Headings, std::vector<std::string>{"Windows Log off/Shutdown"});
        EXPECT_EQ(frmMsgDlg().lblMessage->text(),
                  "Windows is trying to Shutdown Tarvix, would you like to do so?");
    }
    EXPECT_TRUE(W.isVisible());
}

} // namespace
