// Dark look for the menus under a form's menu bar; the bar itself keeps the
// system look.
#pragma once

#include "controls/ui/OrvMenuStyle.h"

class TOrvMainMenuStyle : public TOrvMenuStyle {
    Q_OBJECT
public:
    explicit TOrvMainMenuStyle(QWidget* Form);

protected:
    QList<QMenu*> TargetMenus() const override { return MainMenus(); }
};
