// Dark look for every pop-up menu of a form (menus not under a menu bar).
#pragma once

#include "controls/ui/OrvMenuStyle.h"

class TOrvPopUpMenuStyle : public TOrvMenuStyle {
    Q_OBJECT
public:
    explicit TOrvPopUpMenuStyle(QWidget* Form);

protected:
    QList<QMenu*> TargetMenus() const override;
};
