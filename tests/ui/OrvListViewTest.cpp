#include "controls/ui/OrvListView.h"

#include "data/TxError.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList Column(const TOrvListView& List, int Col) {
    QStringList Texts;
    for (int i = 0; i < List.Count(); ++i)
        Texts << List.Item(i)->text(Col);
    return Texts;
}

std::vector<intptr_t> Data(const TOrvListView& List) {
    std::vector<intptr_t> Values;
    for (int i = 0; i < List.Count(); ++i)
        Values.push_back(List.ItemData(i));
    return Values;
}

} // namespace

TEST(OrvListView, AddItemSplitsIntoCaptionAndSubItemsAndKeepsTheData) {
    TOrvListView List;
    List.AddColumn("Name", 100);
    List.AddColumn("Collection", 100);
    List.AddColumn("Number", 60);
    QTreeWidgetItem* Item = List.AddItem(" Patience | Dorrel and Anvesh (English) |12 ", 77);
    EXPECT_EQ(Item->text(0), "Patience");
    EXPECT_EQ(Item->text(1), "Dorrel and Anvesh (English)");
    EXPECT_EQ(Item->text(2), "12");
    EXPECT_EQ(List.ItemData(0), 77);

    List.AddCaption("Only a caption");
    EXPECT_EQ(List.Item(1)->text(0), "Only a caption");
    EXPECT_EQ(List.Item(1)->text(1), "");
    EXPECT_EQ(List.ItemData(1), 0);

    // An empty text gives an empty line, but the record it stands for must
    // still be found through its data.
    List.AddItem("", 5);
    EXPECT_EQ(List.Count(), 3);
    EXPECT_EQ(List.Item(2)->text(0), "");
    EXPECT_EQ(List.ItemData(2), 5);

    List.DelimChar = ";";
    List.AddItem("a;b|c", 1);
    EXPECT_EQ(List.Item(3)->text(1), "b|c");

    List.SetItemData(0, -3);
    EXPECT_EQ(List.ItemData(0), -3);
}

TEST(OrvListView, IndexesOutsideTheListAreRefused) {
    TOrvListView List;
    List.AddItem("one", 1);
    for (int Bad : {-1, 1, 1000}) {
        EXPECT_THROW(List.ItemData(Bad), ETxError) << Bad;
        EXPECT_THROW(List.SetItemData(Bad, 9), ETxError) << Bad;
        EXPECT_EQ(List.Item(Bad), nullptr);
    }
    EXPECT_EQ(List.ItemData(0), 1);
}

TEST(OrvListView, SelectedIndexFollowsTheSelection) {
    TOrvListView List;
    EXPECT_EQ(List.SelectedIndex(), -1);
    List.AddItem("a", 0);
    List.AddItem("b", 0);
    EXPECT_EQ(List.SelectedIndex(), -1);
    List.SetSelectedIndex(1);
    EXPECT_EQ(List.SelectedIndex(), 1);
    List.SetSelectedIndex(7);
    EXPECT_EQ(List.SelectedIndex(), -1);
}

TEST(OrvListView, ComparesNumbersAsNumbersAndOtherTextsByteByByte) {
    struct TCase {
        const char* A;
        const char* B;
        int Expected;
    };
    const TCase Cases[] = {
        {"9", "10", -1},
        {"10", "9", 1},
        {"-3", "2", -1},
        {"007", "7", 0},
        {"Z", "a", -1},
        {"a", "Z", 1},
        {"abc", "abd", -1},
        {"ab", "abc", -1},
        {"10", "9x", -1},
        {"", "0", -1},
        {"x", "x", 0},
        // Beyond 32 bits the text is no number and compares by bytes.
        {"5", "10000000000", 1},
        // UTF-8 letters come after every ASCII byte.
        {"\xC3\xA9", "z", 1},
    };
    for (const TCase& C : Cases)
        EXPECT_EQ(TOrvListView::CompareTexts(C.A, C.B), C.Expected) << C.A << " vs " << C.B;
}

TEST(OrvListView, ColumnClicksSortAscendingThenReverseWithAStatePerColumn) {
    TOrvListView List;
    List.AddColumn("Word", 80);
    List.AddColumn("Number", 80);
    List.AddItem("b|10", 1);
    List.AddItem("Z|9", 2);
    List.AddItem("a|100", 3);
    List.AddItem("B|-1", 4);

    List.ColumnClick(1);
    EXPECT_EQ(Column(List, 1), QStringList({"-1", "9", "10", "100"}));
    EXPECT_EQ(Data(List), (std::vector<intptr_t>{4, 2, 1, 3}));

    List.ColumnClick(0);
    EXPECT_EQ(Column(List, 0), QStringList({"B", "Z", "a", "b"}));

    // Column 1 remembers its own order: this click reverses it.
    List.ColumnClick(1);
    EXPECT_EQ(Column(List, 1), QStringList({"100", "10", "9", "-1"}));
    List.ColumnClick(0);
    EXPECT_EQ(Column(List, 0), QStringList({"b", "a", "Z", "B"}));
    List.ColumnClick(0);
    EXPECT_EQ(Column(List, 0), QStringList({"B", "Z", "a", "b"}));
}

TEST(OrvListView, HeadingClickSortsThroughTheHeader) {
    TOrvListView List;
    List.AddColumn("N", 80);
    List.AddCaption("10");
    List.AddCaption("9");
    emit List.header()->sectionClicked(0);
    EXPECT_EQ(Column(List, 0), QStringList({"9", "10"}));
}

TEST(OrvListView, LastColumnFillsTheWidthOnResizeAndWhileFitting) {
    TOrvListView List;
    List.AddColumn("A", 100);
    List.AddColumn("B", 50);
    List.AddColumn("C", 10);
    List.resize(400, 200);
    List.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&List));
    EXPECT_EQ(List.columnWidth(2), 400 - 150 - 20);

    // The timer keeps the last column fitted after other columns change.
    // (Widths stay clear of a horizontal scroll bar, whose coming and going
    // resizes the view and fits the column as well.)
    List.setColumnWidth(0, 80);
    EXPECT_TRUE(QTest::qWaitFor([&] { return List.columnWidth(2) == 400 - 130 - 20; }, 1000));

    List.SetFitColumns(false);
    List.setColumnWidth(0, 60);
    QTest::qWait(250);
    EXPECT_EQ(List.columnWidth(2), 250);
    // A resize still fits it.
    List.resize(300, 200);
    EXPECT_TRUE(QTest::qWaitFor([&] { return List.columnWidth(2) == 300 - 110 - 20; }, 1000));
}

TEST(OrvListView, CaptionsAreRenamedInPlaceOnlyWhenAskedAndConfirmed) {
    TOrvListView List;
    List.AddColumn("Name", 200);
    List.AddItem("First", 1);
    List.AddItem("Second", 2);
    List.resize(300, 200);
    List.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&List));
    QSignalSpy Edited(&List, &TOrvListView::OnEdited);

    // A double click does not open an editor by itself.
    const QRect R = List.visualItemRect(List.Item(1));
    QTest::mouseDClick(List.viewport(), Qt::LeftButton, {}, R.center());
    EXPECT_EQ(List.findChild<QLineEdit*>(), nullptr);

    List.EditCaption(1);
    QLineEdit* Editor = List.findChild<QLineEdit*>();
    ASSERT_NE(Editor, nullptr);
    Editor->setText("Renamed");
    QTest::keyClick(Editor, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(List.findChild<QLineEdit*>(), nullptr);
    EXPECT_EQ(Edited.count(), 0);
    EXPECT_EQ(List.Item(1)->text(0), "Second");
    EXPECT_FALSE(List.IsEditing());

    List.EditCaption(1);
    Editor = List.findChild<QLineEdit*>();
    ASSERT_NE(Editor, nullptr);
    Editor->setText("Renamed");
    QTest::keyClick(Editor, Qt::Key_Return);
    // The view commits a confirmed edit from the event loop.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Edited.count() == 1; }, 1000));
    EXPECT_EQ(Edited.at(0).at(0).toInt(), 1);
    EXPECT_EQ(Edited.at(0).at(1).toString(), "Renamed");
    EXPECT_EQ(List.Item(1)->text(0), "Renamed");
    EXPECT_EQ(List.ItemData(1), 2);
    EXPECT_FALSE(List.Item(1)->flags() & Qt::ItemIsEditable);
}
