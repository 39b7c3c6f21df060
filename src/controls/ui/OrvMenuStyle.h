// The dark look of the program's menus: black items, white text, a grey bar
// under the selected item, silver separators and disabled texts, and a
// narrow stripe of the menu's own background on the left. A style object
// belongs to a form and styles that form's menus when it is created (and
// once more when the event loop first turns, for menus made after it).
// TOrvPopUpMenuStyle and TOrvMainMenuStyle choose which menus.
#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QMenu;
class QPainter;
class QStyle;
class QStyleOptionMenuItem;

class TOrvMenuStyle : public QObject {
    Q_OBJECT
public:
    ~TOrvMenuStyle() override;

    QColor BackColor{Qt::black};
    QColor FontColor{Qt::white};
    QColor BarFontColor{Qt::white};
    QColor DisabledFontColor{192, 192, 192};
    QColor SeperatorColor{192, 192, 192};
    QColor BarColor{0x80, 0x80, 0x80};
    bool ThickSeperator = false;
    bool ShowSelectBar = true;
    bool LeftStripe = true;

    // Styles every menu of the owner form this style is for; menus already
    // styled are left as they are.
    void Apply();
    // Styles one menu and its submenus (for menus made later).
    void StyleMenu(QMenu* Menu);
    bool IsStyled(const QMenu* Menu) const;

    // The drawing routine of one menu item.
    void DrawItem(QPainter& Painter, const QStyleOptionMenuItem& Option) const;

    static constexpr int StripeWidth = 4;
    static constexpr int ImageOffset = 22;

protected:
    explicit TOrvMenuStyle(QWidget* Form);
    // The menus of the form this style is for.
    virtual QList<QMenu*> TargetMenus() const = 0;
    // Menus hanging under the form's menu bars, submenus included.
    QList<QMenu*> MainMenus() const;
    QWidget* Form() const { return FForm; }

private:
    QPointer<QWidget> FForm;
    QStyle* FStyle = nullptr; // owned through the QObject tree
    QList<QPointer<QMenu>> FStyled;
};
