#include "controls/ui/OrvHotList.h"

#include "controls/ui/OrvPanel.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QColor Background(const QWidget* W) {
    return W->palette().color(QPalette::Window);
}
QColor TextColour(const QLabel* L) {
    return L->palette().color(QPalette::WindowText);
}

class OrvHotListTest : public ::testing::Test {
protected:
    void SetUp() override {
        List.resize(300, 400);
        List.SetColor(QColor(0, 0, 0x40));
        List.SetFontColor(QColor(0xC0, 0xC0, 0xC0));
        List.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&List));
    }
    TOrvHotList List;
};

} // namespace

TEST_F(OrvHotListTest, ItemsSplitAtTheFirstDelimiterAndUntitledWithout) {
    QSignalSpy Selected(&List, &TOrvHotList::OnItemSelect);
    List.SetItems({"Patience|Be patient in all things.", "No title in this one", "A|b|c", "|"});
    ASSERT_EQ(List.Count(), 4);
    const char* Titles[] = {"Patience", "Untitled", "A", ""};
    const char* Texts[] = {"Be patient in all things.", "No title in this one", "b|c", ""};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(List.TitleLabel(i)->text(), Titles[i]) << i;
        EXPECT_EQ(List.DescriptionLabel(i)->text(), Texts[i]) << i;
    }
    EXPECT_TRUE(List.TitleLabel(0)->font().bold());
    EXPECT_EQ(List.HighlightedIndex(), 0);
    // The mouse may rest over the first panel and select it once more.
    ASSERT_GE(Selected.count(), 1);
    for (const QList<QVariant>& Args : Selected)
        EXPECT_EQ(Args.at(0).toInt(), 0);

    // A new list replaces the panels.
    List.SetItems({"Only|one"});
    EXPECT_EQ(List.Count(), 1);
    EXPECT_EQ(List.findChildren<TOrvPanel*>().size(), 1);
    List.Clear();
    EXPECT_EQ(List.Count(), 0);
    EXPECT_EQ(List.HighlightedIndex(), 0);
    EXPECT_EQ(List.Panel(0), nullptr);
}

TEST_F(OrvHotListTest, PanelsStackOnePixelApartAndWrapTheirDescription) {
    const QString Long = QString("word ").repeated(60);
    List.SetItems({"Short|one line", "Long|" + Long});
    const int Width = List.viewport()->width();
    for (int i = 0; i < 2; ++i) {
        const TOrvPanel* P = List.Panel(i);
        EXPECT_EQ(P->width(), Width - 20);
        EXPECT_EQ(List.TitleLabel(i)->pos(), QPoint(16, 2));
        EXPECT_EQ(List.DescriptionLabel(i)->pos(), QPoint(16, 26));
        EXPECT_EQ(List.DescriptionLabel(i)->width(), P->width() - 20);
        EXPECT_EQ(P->height(),
                  List.TitleLabel(i)->height() + List.DescriptionLabel(i)->height() + 18);
        EXPECT_EQ(List.Stripe(i)->geometry(), QRect(0, 0, 8, P->height()));
    }
    EXPECT_EQ(List.Panel(0)->y(), 0);
    EXPECT_EQ(List.Panel(1)->y(), List.Panel(0)->height() + 1);
    EXPECT_GT(List.DescriptionLabel(1)->height(), 2 * List.DescriptionLabel(0)->height());
}

TEST_F(OrvHotListTest, HighlightingColoursOneItemWhiteAndTheOthersInTheListColours) {
    List.SetItems({"A|a", "B|b", "C|c"});
    QSignalSpy Selected(&List, &TOrvHotList::OnItemSelect);
    List.Highlight(2);
    EXPECT_EQ(List.HighlightedIndex(), 2);
    ASSERT_EQ(Selected.count(), 1);
    EXPECT_EQ(Selected.at(0).at(0).toInt(), 2);
    for (int i = 0; i < 3; ++i) {
        const bool Lit = i == 2;
        EXPECT_EQ(Background(List.Stripe(i)), Lit ? QColor(Qt::white) : QColor(0, 0, 0x40)) << i;
        EXPECT_EQ(TextColour(List.TitleLabel(i)),
                  Lit ? QColor(Qt::white) : QColor(0xC0, 0xC0, 0xC0));
        EXPECT_EQ(TextColour(List.DescriptionLabel(i)), TextColour(List.TitleLabel(i)));
    }
    List.Highlight(3);
    List.Highlight(-1);
    EXPECT_EQ(List.HighlightedIndex(), 2);
    EXPECT_EQ(Selected.count(), 1);
}

TEST_F(OrvHotListTest, TheMouseHighlightsAnItemAndAClickOnPanelOrLabelReportsIt) {
    List.SetItems({"A|first", "B|second", "C|third"});
    QWindow* Window = List.windowHandle();
    ASSERT_NE(Window, nullptr);
    QSignalSpy Selected(&List, &TOrvHotList::OnItemSelect);
    QSignalSpy Clicked(&List, &TOrvHotList::OnItemClick);

    auto At = [&](QWidget* W, QPoint P) { return W->mapTo(&List, P); };
    auto Enter = [](QWidget* W) {
        QEnterEvent Event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(W, &Event);
    };
    Enter(List.Panel(1));
    EXPECT_EQ(List.HighlightedIndex(), 1);
    ASSERT_EQ(Selected.count(), 1);
    EXPECT_EQ(Selected.at(0).at(0).toInt(), 1);
    // Clicks through the window over a label reach the panel beneath it.
    QTest::mouseClick(Window, Qt::LeftButton, {}, At(List.DescriptionLabel(1), QPoint(3, 3)));
    ASSERT_EQ(Clicked.count(), 1);
    EXPECT_EQ(Clicked.at(0).at(0).toInt(), 1);

    Enter(List.Panel(2));
    EXPECT_EQ(List.HighlightedIndex(), 2);
    QTest::mouseClick(Window, Qt::LeftButton, {}, At(List.TitleLabel(2), QPoint(2, 2)));
    ASSERT_EQ(Clicked.count(), 2);
    EXPECT_EQ(Clicked.at(1).at(0).toInt(), 2);
    QTest::mouseClick(Window, Qt::LeftButton, {},
                      At(List.Panel(2), QPoint(List.Panel(2)->width() - 3, 5)));
    EXPECT_EQ(Clicked.count(), 3);
}
