// The program's list view in report style: items from delimited texts, each
// with a data value, columns sorted by a click on their heading, the last
// column fitted to the width, grid lines and whole-row selection.
#pragma once

#include <QTimer>
#include <QTreeWidget>

#include <cstdint>
#include <map>
#include <string>

class TOrvListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TOrvListView(QWidget* Parent = nullptr);

    bool FitColumns() const { return FFitColumns; }
    void SetFitColumns(bool Value);
    QString DelimChar = QStringLiteral("|");
    bool GridLines = true;

    // The first piece of Text (split at DelimChar, trimmed) is the caption,
    // the others the sub-items in order.
    QTreeWidgetItem* AddItem(const std::string& Text, intptr_t Data);
    QTreeWidgetItem* AddCaption(const std::string& Text) { return AddItem(Text, 0); }
    void AddColumn(const QString& Caption, int Width);

    int Count() const { return topLevelItemCount(); }
    QTreeWidgetItem* Item(int Index) const;
    // Both raise ETxError for an index outside the list.
    virtual intptr_t ItemData(int Index) const;
    virtual void SetItemData(int Index, intptr_t Data);
    int SelectedIndex() const;
    void SetSelectedIndex(int Index);

    // Sorts by a column as a click on its heading does (first click
    // ascending, every further click on the same column reversed).
    void ColumnClick(int Column);
    // Number texts compare as numbers, anything else byte by byte with the
    // letter case significant: <0, 0, >0.
    static int CompareTexts(const std::string& A, const std::string& B);

    // Opens the caption of an item for editing in place; OnEdited follows
    // when the user confirms it (Return or leaving the editor), nothing when
    // the edit is cancelled (Escape).
    void EditCaption(int Index);
    bool IsEditing() const { return FEditing != nullptr; }

    void FitLastColumn();

    static constexpr int DataRole = Qt::UserRole;

signals:
    void OnEdited(int Index, const QString& NewCaption);

protected:
    void resizeEvent(QResizeEvent* Event) override;
    void drawRow(QPainter* Painter, const QStyleOptionViewItem& Option,
                 const QModelIndex& Index) const override;
    void closeEditor(QWidget* Editor, QAbstractItemDelegate::EndEditHint Hint) override;

private:
    void CheckIndex(int Index) const;
    bool FFitColumns = true;
    QTimer FFitTimer;
    std::map<int, bool> FSortDescending; // next order per column
    QTreeWidgetItem* FEditing = nullptr;
    int FColumns = 0; // columns added so far
};
