#include "controls/ui/OrvPopUpMenuStyle.h"

#include <QMenu>

TOrvPopUpMenuStyle::TOrvPopUpMenuStyle(QWidget* Form) : TOrvMenuStyle(Form) {}

QList<QMenu*> TOrvPopUpMenuStyle::TargetMenus() const {
    QList<QMenu*> Result;
    if (!Form())
        return Result;
    const QList<QMenu*> Main = MainMenus();
    for (QMenu* Menu : Form()->findChildren<QMenu*>())
        if (!Main.contains(Menu))
            Result.append(Menu);
    return Result;
}
