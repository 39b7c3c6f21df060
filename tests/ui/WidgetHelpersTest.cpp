#include "controls/ui/WidgetHelpers.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

TEST(WidgetHelpers, ListTypeAheadSelectsTheFirstEntryBeginningWithTheText) {
    QLineEdit Edit;
    QListWidget List;
    List.addItems({"Bukhari", "bulugh", "Muslim", "Abu Dawud", "\xC3\x89tude"});
    const struct {
        const char* Text;
        int Expected; // row selected afterwards, starting from row 2
    } Cases[] = {
        {"", 2},
        {"bu", 0},
        {"BUL", 1},
        {"x", 2},
        {"muslim", 2},
        {"abu d", 3},
        {"Abu Dawud and", 2},
        {"\xC3\x89", 4},
        // Only a-z fold: an accented capital does not match its small form.
        {"\xC3\xA9", 2},
    };
    for (const auto& C : Cases) {
        List.setCurrentRow(2);
        Edit.setText(QString::fromUtf8(C.Text));
        ListTypeAhead(&Edit, &List);
        EXPECT_EQ(List.currentRow(), C.Expected) << C.Text;
    }
    // With no selection at all, an empty text leaves it so.
    List.setCurrentRow(-1);
    Edit.clear();
    ListTypeAhead(&Edit, &List);
    EXPECT_EQ(List.currentRow(), -1);
    ListTypeAhead(nullptr, &List);
    ListTypeAhead(&Edit, nullptr);
}

TEST(WidgetHelpers, SafeFocusOnlyFocusesShowingControlsOfVisibleForms) {
    QWidget Form;
    auto* Layout = new QVBoxLayout(&Form);
    auto* First = new QLineEdit(&Form);
    auto* Second = new QLineEdit(&Form);
    Layout->addWidget(First);
    Layout->addWidget(Second);

    SafeFocus(Second); // form not visible yet
    EXPECT_NE(Form.focusWidget(), Second);

    Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
    First->setFocus();
    Second->hide();
    SafeFocus(Second);
    EXPECT_EQ(Form.focusWidget(), First);
    Second->show();
    Second->setEnabled(false);
    SafeFocus(Second);
    EXPECT_EQ(Form.focusWidget(), First);
    Second->setEnabled(true);
    SafeFocus(Second);
    EXPECT_EQ(Form.focusWidget(), Second);
    SafeFocus(nullptr);
}

TEST(WidgetHelpers, ScrollTreeToTopShowsTheFirstItem) {
    QTreeWidget Tree;
    for (int i = 0; i < 200; ++i)
        new QTreeWidgetItem(&Tree, QStringList{QString::number(i)});
    Tree.resize(200, 100);
    Tree.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Tree));
    Tree.scrollToBottom();
    ASSERT_GT(Tree.verticalScrollBar()->value(), 0);
    ScrollTreeToTop(&Tree);
    EXPECT_EQ(Tree.verticalScrollBar()->value(), 0);
    ScrollTreeToTop(nullptr);
}
