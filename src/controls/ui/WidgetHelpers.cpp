#include "controls/ui/WidgetHelpers.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTreeView>

#include <string>

namespace {

unsigned char FoldAscii(unsigned char C) {
    return (C >= 'a' && C <= 'z') ? static_cast<unsigned char>(C - 'a' + 'A') : C;
}

bool BeginsWith(const std::string& Text, const std::string& Start) {
    if (Start.size() > Text.size())
        return false;
    for (size_t i = 0; i < Start.size(); ++i)
        if (FoldAscii(static_cast<unsigned char>(Text[i])) !=
            FoldAscii(static_cast<unsigned char>(Start[i])))
            return false;
    return true;
}

} // namespace

void ListTypeAhead(QLineEdit* Edit, QListWidget* List) {
    if (!Edit || !List)
        return;
    const std::string Start = Edit->text().toStdString();
    if (Start.empty())
        return;
    for (int i = 0; i < List->count(); ++i) {
        if (BeginsWith(List->item(i)->text().toStdString(), Start)) {
            List->setCurrentRow(i);
            return;
        }
    }
}

void SafeFocus(QWidget* Control) {
    if (!Control || !Control->isVisible() || !Control->isEnabled())
        return;
    QWidget* Form = Control->window();
    if (!Form || !Form->isVisible())
        return;
    Control->setFocus();
}

void ScrollTreeToTop(QTreeView* Tree) {
    if (Tree)
        Tree->scrollToTop();
}
