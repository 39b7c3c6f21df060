// The program's tree view: hot tracking that underlines the item under the
// mouse, and the TTreeAccess interface through which the models fill it.
#pragma once

#include "controls/TreeAccess.h"

#include <QColor>
#include <QTreeWidget>

class TOrvTreeView : public QTreeWidget, public TTreeAccess {
    Q_OBJECT
public:
    explicit TOrvTreeView(QWidget* Parent = nullptr);

    QColor HotTrackColor{Qt::black};

    // TTreeAccess
    void Clear() override;
    TTreeNodeRef AddChild(TTreeNodeRef Parent, const std::string& Caption) override;
    std::string Caption(TTreeNodeRef Node) const override;
    void SetCaption(TTreeNodeRef Node, const std::string& Caption) override;
    intptr_t Data(TTreeNodeRef Node) const override;
    void SetData(TTreeNodeRef Node, intptr_t Data) override;
    void SetImages(TTreeNodeRef Node, int ImageIndex, int SelectedIndex) override;
    int ChildCount(TTreeNodeRef Parent) const override;
    TTreeNodeRef Child(TTreeNodeRef Parent, int Index) const override;
    TTreeNodeRef ParentOf(TTreeNodeRef Node) const override;
    void ExpandAll() override;
    void BeginUpdate() override;
    void EndUpdate() override;

    // Pictures by image index, as an image list gives them.
    void SetImageList(const QList<QIcon>& Images) { FImages = Images; }

    static QTreeWidgetItem* Item(TTreeNodeRef Node) { return static_cast<QTreeWidgetItem*>(Node); }
    static TTreeNodeRef Ref(QTreeWidgetItem* Item) { return Item; }
    TTreeNodeRef Selected() const { return currentItem(); }
    void Select(TTreeNodeRef Node);

    static constexpr int DataRole = Qt::UserRole;
    static constexpr int ImageRole = Qt::UserRole + 1;
    static constexpr int SelectedImageRole = Qt::UserRole + 2;

protected:
    void mouseMoveEvent(QMouseEvent* Event) override;
    void leaveEvent(QEvent* Event) override;

private:
    void UpdateIcon(QTreeWidgetItem* Item);
    QList<QIcon> FImages;
    QTreeWidgetItem* FHot = nullptr;
    int FUpdateDepth = 0;
};
