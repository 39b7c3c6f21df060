#include "controls/ui/OrvMainMenuStyle.h"

TOrvMainMenuStyle::TOrvMainMenuStyle(QWidget* Form) : TOrvMenuStyle(Form) {}
