#include "controls/ui/OrvMenuStyle.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QTimer>

#include <functional>

namespace {

// Hands the drawing of menu items to the owning style object.
class TMenuDrawStyle : public QProxyStyle {
public:
    explicit TMenuDrawStyle(const TOrvMenuStyle* Owner) : FOwner(Owner) {}

    void drawControl(ControlElement Element, const QStyleOption* Option, QPainter* Painter,
                     const QWidget* Widget) const override {
        if (Element == CE_MenuItem) {
            if (const auto* Item = qstyleoption_cast<const QStyleOptionMenuItem*>(Option)) {
                FOwner->DrawItem(*Painter, *Item);
                return;
            }
        }
        QProxyStyle::drawControl(Element, Option, Painter, Widget);
    }

private:
    const TOrvMenuStyle* FOwner;
};

void CollectWithSubmenus(QMenu* Menu, QList<QMenu*>& Into) {
    if (!Menu || Into.contains(Menu))
        return;
    Into.append(Menu);
    for (QAction* Action : Menu->actions())
        CollectWithSubmenus(Action->menu(), Into);
}

} // namespace

TOrvMenuStyle::TOrvMenuStyle(QWidget* Form) : QObject(Form), FForm(Form) {
    FStyle = new TMenuDrawStyle(this);
    FStyle->setParent(this);
    // The menus are not styled here: the subclass is not built yet, and the
    // form usually makes its menus after its style objects.
    QTimer::singleShot(0, this, &TOrvMenuStyle::Apply);
}

TOrvMenuStyle::~TOrvMenuStyle() {
    // Menus that outlive this object go back to the application's style.
    for (const QPointer<QMenu>& Menu : FStyled)
        if (Menu && Menu->style() == FStyle)
            Menu->setStyle(nullptr);
}

QList<QMenu*> TOrvMenuStyle::MainMenus() const {
    QList<QMenu*> Result;
    if (!FForm)
        return Result;
    for (QMenuBar* Bar : FForm->findChildren<QMenuBar*>())
        for (QAction* Action : Bar->actions())
            CollectWithSubmenus(Action->menu(), Result);
    return Result;
}

void TOrvMenuStyle::Apply() {
    for (QMenu* Menu : TargetMenus())
        StyleMenu(Menu);
}

void TOrvMenuStyle::StyleMenu(QMenu* Menu) {
    QList<QMenu*> Menus;
    CollectWithSubmenus(Menu, Menus);
    for (QMenu* M : Menus) {
        if (IsStyled(M))
            continue;
        M->setStyle(FStyle);
        FStyled.append(M);
    }
}

bool TOrvMenuStyle::IsStyled(const QMenu* Menu) const {
    return Menu && Menu->style() == FStyle;
}

void TOrvMenuStyle::DrawItem(QPainter& Painter, const QStyleOptionMenuItem& Option) const {
    QRect R = Option.rect;
    if (LeftStripe)
        R.setLeft(R.left() + StripeWidth);

    if (Option.menuItemType == QStyleOptionMenuItem::Separator) {
        Painter.fillRect(R, BackColor);
        if (ThickSeperator) {
            Painter.fillRect(R, SeperatorColor);
        } else {
            Painter.setPen(SeperatorColor);
            const int Y = R.top() + R.height() / 2;
            Painter.drawLine(R.left(), Y, R.right(), Y);
        }
        return;
    }

    const bool Checked = Option.checkType != QStyleOptionMenuItem::NotCheckable && Option.checked;
    const int Offset = (!Option.icon.isNull() || Checked) ? ImageOffset : 0;
    // Shortcut texts after the tab are not shown, like the accelerators.
    QString Text = Option.text.section(QLatin1Char('\t'), 0, 0);
    Text.remove(QLatin1Char('&'));

    const bool Enabled = Option.state & QStyle::State_Enabled;
    const bool Selected = Option.state & QStyle::State_Selected;
    QColor TextColour = FontColor;
    Painter.fillRect(R, BackColor);
    if (Selected) {
        if (ShowSelectBar) {
            Painter.fillRect(R, BarColor);
            TextColour = BarFontColor;
        } else {
            Painter.setPen(SeperatorColor);
            Painter.drawRect(R.adjusted(0, 0, -1, -1));
        }
    }
    if (!Enabled) {
        Painter.fillRect(R, BackColor);
        TextColour = DisabledFontColor;
    }

    Painter.setFont(Option.font);
    Painter.setPen(TextColour);
    const QRect TextRect(R.left() + Offset + 4, R.top() + 1, std::max(0, R.width() - Offset - 4),
                         std::max(0, R.height() - 1));
    Painter.drawText(TextRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Text);

    const QRect ImageRect(R.left() + 4, R.top() + 1, 16, 16);
    if (!Option.icon.isNull()) {
        Option.icon.paint(&Painter, ImageRect, Qt::AlignCenter,
                          Enabled ? QIcon::Normal : QIcon::Disabled);
    } else if (Checked) {
        Painter.drawText(ImageRect, Qt::AlignCenter, QString(QChar(0x2713)));
    }

    if (Option.menuItemType == QStyleOptionMenuItem::SubMenu) {
        // Submenus keep their arrow, in the text's colour.
        const int Cx = R.right() - 8;
        const int Cy = R.top() + R.height() / 2;
        const QPoint Arrow[3] = {{Cx - 2, Cy - 4}, {Cx + 2, Cy}, {Cx - 2, Cy + 4}};
        Painter.setBrush(TextColour);
        Painter.drawPolygon(Arrow, 3);
        Painter.setBrush(Qt::NoBrush);
    }
}
