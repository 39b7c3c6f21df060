#include "controls/ui/OrvTreeView.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Draws the hot item's caption underlined in the hot-track colour on the
// tree's own background; other items are drawn as usual.
class THotDelegate : public QStyledItemDelegate {
public:
    THotDelegate(TOrvTreeView* Tree) : QStyledItemDelegate(Tree), FTree(Tree) {}
    QTreeWidgetItem* Hot = nullptr;

    void paint(QPainter* P, const QStyleOptionViewItem& Option,
               const QModelIndex& Index) const override {
        if (Hot && FTree->itemFromIndex(Index) == Hot && !(Option.state & QStyle::State_Selected)) {
            QStyleOptionViewItem Opt = Option;
            Opt.font.setUnderline(true);
            Opt.palette.setColor(QPalette::Text, FTree->HotTrackColor);
            QStyledItemDelegate::paint(P, Opt, Index);
            return;
        }
        QStyledItemDelegate::paint(P, Option, Index);
    }

private:
    TOrvTreeView* FTree;
};

} // namespace

TOrvTreeView::TOrvTreeView(QWidget* Parent) : QTreeWidget(Parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setMouseTracking(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new THotDelegate(this));
}

void TOrvTreeView::mouseMoveEvent(QMouseEvent* Event) {
    QTreeWidget::mouseMoveEvent(Event);
    QTreeWidgetItem* Now = itemAt(Event->position().toPoint());
    if (Now != FHot) {
        FHot = Now;
        static_cast<THotDelegate*>(itemDelegate())->Hot = FHot;
        viewport()->update();
    }
}

void TOrvTreeView::leaveEvent(QEvent* Event) {
    QTreeWidget::leaveEvent(Event);
    FHot = nullptr;
    static_cast<THotDelegate*>(itemDelegate())->Hot = nullptr;
    viewport()->update();
}

void TOrvTreeView::Clear() {
    FHot = nullptr;
    static_cast<THotDelegate*>(itemDelegate())->Hot = nullptr;
    clear();
}

TTreeNodeRef TOrvTreeView::AddChild(TTreeNodeRef Parent, const std::string& Caption) {
    auto* Node = Parent ? new QTreeWidgetItem(Item(Parent)) : new QTreeWidgetItem(this);
    Node->setText(0, QString::fromStdString(Caption));
    Node->setData(0, DataRole, QVariant::fromValue<qlonglong>(0));
    return Node;
}

std::string TOrvTreeView::Caption(TTreeNodeRef Node) const {
    return Node ? Item(Node)->text(0).toStdString() : std::string();
}

void TOrvTreeView::SetCaption(TTreeNodeRef Node, const std::string& Caption) {
    if (Node)
        Item(Node)->setText(0, QString::fromStdString(Caption));
}

intptr_t TOrvTreeView::Data(TTreeNodeRef Node) const {
    return Node ? static_cast<intptr_t>(Item(Node)->data(0, DataRole).toLongLong()) : 0;
}

void TOrvTreeView::SetData(TTreeNodeRef Node, intptr_t Data) {
    if (Node)
        Item(Node)->setData(0, DataRole, QVariant::fromValue<qlonglong>(Data));
}

void TOrvTreeView::SetImages(TTreeNodeRef Node, int ImageIndex, int SelectedIndex) {
    if (!Node)
        return;
    Item(Node)->setData(0, ImageRole, ImageIndex);
    Item(Node)->setData(0, SelectedImageRole, SelectedIndex);
    UpdateIcon(Item(Node));
}

void TOrvTreeView::UpdateIcon(QTreeWidgetItem* Node) {
    const int Index = Node->data(0, ImageRole).isValid() ? Node->data(0, ImageRole).toInt() : -1;
    const int Selected =
        Node->data(0, SelectedImageRole).isValid() ? Node->data(0, SelectedImageRole).toInt() : -1;
    QIcon Icon;
    if (Index >= 0 && Index < FImages.size())
        Icon.addPixmap(FImages[Index].pixmap(16, 16), QIcon::Normal);
    if (Selected >= 0 && Selected < FImages.size())
        Icon.addPixmap(FImages[Selected].pixmap(16, 16), QIcon::Selected);
    Node->setIcon(0, Icon);
}

int TOrvTreeView::ChildCount(TTreeNodeRef Parent) const {
    return Parent ? Item(Parent)->childCount() : topLevelItemCount();
}

TTreeNodeRef TOrvTreeView::Child(TTreeNodeRef Parent, int Index) const {
    if (Index < 0 || Index >= ChildCount(Parent))
        return nullptr;
    return Parent ? Item(Parent)->child(Index) : topLevelItem(Index);
}

TTreeNodeRef TOrvTreeView::ParentOf(TTreeNodeRef Node) const {
    return Node ? Item(Node)->parent() : nullptr;
}

void TOrvTreeView::ExpandAll() {
    expandAll();
}

void TOrvTreeView::BeginUpdate() {
    if (FUpdateDepth++ == 0)
        setUpdatesEnabled(false);
}

void TOrvTreeView::EndUpdate() {
    if (FUpdateDepth > 0 && --FUpdateDepth == 0)
        setUpdatesEnabled(true);
}

void TOrvTreeView::Select(TTreeNodeRef Node) {
    if (Node) {
        setCurrentItem(Item(Node));
        scrollToItem(Item(Node));
    }
}
