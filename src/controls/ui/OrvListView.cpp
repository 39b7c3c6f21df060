#include "controls/ui/OrvListView.h"

#include "data/TextUtils.h"
#include "data/TxError.h"

#include <QHeaderView>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
constexpr int FitMargin = 20;
constexpr int FitIntervalMs = 100;
} // namespace

TOrvListView::TOrvListView(QWidget* Parent) : QTreeWidget(Parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    // One column until the form adds its own, so items can be selected.
    setHeaderLabels({QString()});
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &TOrvListView::ColumnClick);
    FFitTimer.setInterval(FitIntervalMs);
    connect(&FFitTimer, &QTimer::timeout, this, &TOrvListView::FitLastColumn);
    FFitTimer.start();
}

void TOrvListView::SetFitColumns(bool Value) {
    FFitColumns = Value;
    if (Value)
        FFitTimer.start();
    else
        FFitTimer.stop();
}

void TOrvListView::AddColumn(const QString& Caption, int Width) {
    const int Column = FColumns++;
    if (columnCount() < FColumns)
        setColumnCount(FColumns);
    QTreeWidgetItem* Head = headerItem();
    Head->setText(Column, Caption);
    setColumnWidth(Column, Width);
}

QTreeWidgetItem* TOrvListView::AddItem(const std::string& Text, intptr_t Data) {
    auto* Item = new QTreeWidgetItem(this);
    // The data goes with the item even when the text is empty: it is how
    // callers find their record again.
    Item->setData(0, DataRole, QVariant::fromValue<qintptr>(Data));
    if (Text.empty())
        return Item;
    const TStringList Pieces = SplitText(Text, DelimChar.toStdString());
    for (size_t i = 0; i < Pieces.size(); ++i)
        Item->setText(static_cast<int>(i), QString::fromStdString(Pieces[i]));
    return Item;
}

void TOrvListView::CheckIndex(int Index) const {
    if (Index < 0 || Index >= topLevelItemCount())
        throw ETxError("List index out of bounds (" + std::to_string(Index) + ")");
}

QTreeWidgetItem* TOrvListView::Item(int Index) const {
    return (Index >= 0 && Index < topLevelItemCount()) ? topLevelItem(Index) : nullptr;
}

intptr_t TOrvListView::ItemData(int Index) const {
    CheckIndex(Index);
    return static_cast<intptr_t>(topLevelItem(Index)->data(0, DataRole).value<qintptr>());
}

void TOrvListView::SetItemData(int Index, intptr_t Data) {
    CheckIndex(Index);
    topLevelItem(Index)->setData(0, DataRole, QVariant::fromValue<qintptr>(Data));
}

int TOrvListView::SelectedIndex() const {
    const QList<QTreeWidgetItem*> Selected = selectedItems();
    return Selected.isEmpty() ? -1 : indexOfTopLevelItem(Selected.first());
}

void TOrvListView::SetSelectedIndex(int Index) {
    QTreeWidgetItem* Target = Item(Index);
    if (!Target) {
        clearSelection();
        return;
    }
    setCurrentItem(Target);
    Target->setSelected(true);
}

int TOrvListView::CompareTexts(const std::string& A, const std::string& B) {
    if (IsIntegerText(A) && IsIntegerText(B))
        return CompareInt(StrToInt(A), StrToInt(B));
    // Byte order: unsigned, so UTF-8 letters come after ASCII.
    const int R = std::memcmp(A.data(), B.data(), std::min(A.size(), B.size()));
    if (R != 0)
        return R < 0 ? -1 : 1;
    return A.size() < B.size() ? -1 : (A.size() > B.size() ? 1 : 0);
}

void TOrvListView::ColumnClick(int Column) {
    if (Column < 0)
        return;
    bool& Descending = FSortDescending[Column];
    const bool SortDescending = Descending;
    Descending = !Descending;

    QTreeWidgetItem* Current = currentItem();
    std::vector<QTreeWidgetItem*> Items;
    while (topLevelItemCount() > 0)
        Items.push_back(takeTopLevelItem(0));
    std::stable_sort(Items.begin(), Items.end(), [&](QTreeWidgetItem* L, QTreeWidgetItem* R) {
        const int C = CompareTexts(L->text(Column).toStdString(), R->text(Column).toStdString());
        return SortDescending ? C > 0 : C < 0;
    });
    for (QTreeWidgetItem* It : Items)
        addTopLevelItem(It);
    if (Current)
        setCurrentItem(Current);
}

void TOrvListView::FitLastColumn() {
    const int Columns = columnCount();
    if (Columns == 0)
        return;
    int Others = 0;
    for (int i = 0; i < Columns - 1; ++i)
        Others += columnWidth(i);
    const int Width = std::max(0, width() - Others - FitMargin);
    if (columnWidth(Columns - 1) != Width)
        setColumnWidth(Columns - 1, Width);
}

void TOrvListView::resizeEvent(QResizeEvent* Event) {
    QTreeWidget::resizeEvent(Event);
    FitLastColumn();
}

void TOrvListView::drawRow(QPainter* Painter, const QStyleOptionViewItem& Option,
                           const QModelIndex& Index) const {
    QTreeWidget::drawRow(Painter, Option, Index);
    if (!GridLines)
        return;
    Painter->save();
    Painter->setPen(palette().color(QPalette::Mid));
    const QRect R = Option.rect;
    Painter->drawLine(R.left(), R.bottom(), R.right(), R.bottom());
    for (int Section = 0; Section < header()->count(); ++Section) {
        if (header()->isSectionHidden(Section))
            continue;
        const int X =
            header()->sectionViewportPosition(Section) + header()->sectionSize(Section) - 1;
        Painter->drawLine(X, R.top(), X, R.bottom());
    }
    Painter->restore();
}

void TOrvListView::EditCaption(int Index) {
    QTreeWidgetItem* Target = Item(Index);
    if (!Target)
        return;
    Target->setFlags(Target->flags() | Qt::ItemIsEditable);
    FEditing = Target;
    setCurrentItem(Target);
    editItem(Target, 0);
}

void TOrvListView::closeEditor(QWidget* Editor, QAbstractItemDelegate::EndEditHint Hint) {
    QTreeWidget::closeEditor(Editor, Hint);
    QTreeWidgetItem* Edited = FEditing;
    FEditing = nullptr;
    if (!Edited)
        return;
    Edited->setFlags(Edited->flags() & ~Qt::ItemIsEditable);
    if (Hint != QAbstractItemDelegate::RevertModelCache)
        emit OnEdited(indexOfTopLevelItem(Edited), Edited->text(0));
}
