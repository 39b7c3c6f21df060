#include "controls/ui/OrvMainMenuStyle.h"
#include "controls/ui/OrvPopUpMenuStyle.h"

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Silver(192, 192, 192);
const QColor Grey(128, 128, 128);

// Pixels of exactly this colour inside Area.
int CountColour(const QImage& Image, const QRect& Area, const QColor& Colour) {
    int N = 0;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            if (Image.pixelColor(x, y) == Colour)
                ++N;
    return N;
}

struct TDrawCase {
    const char* Name;
    bool Separator, Selected, Enabled, ShowSelectBar, Thick, LeftStripe;
    QColor Fill;    // at the right end of the item, clear of the text
    QColor Text;    // colour the caption shows in (invalid: no caption)
    QColor NotText; // colour that must not appear in the text area (text edges
                    // blend between text and fill, so never one in between)
};

} // namespace

TEST(OrvMenuStyle, DrawsItemsInTheColoursOfTheirState) {
    const TDrawCase Cases[] = {
        {"plain", false, false, true, true, false, true, Black, White, Red},
        {"selected", false, true, true, true, false, true, Grey, White, Black},
        {"selected without bar", false, true, true, false, false, true, Black, White, Red},
        {"disabled", false, false, false, true, false, true, Black, Silver, White},
        {"disabled under the bar", false, true, false, true, false, true, Black, Silver, White},
        {"no stripe", false, false, true, true, false, false, Black, White, Red},
        {"separator", true, false, false, true, false, true, Black, QColor(), White},
        {"thick separator", true, false, false, true, true, true, Silver, QColor(), White},
    };
    QWidget Form;
    TOrvPopUpMenuStyle Style(&Form);
    for (const TDrawCase& C : Cases) {
        Style.ShowSelectBar = C.ShowSelectBar;
        Style.ThickSeperator = C.Thick;
        Style.LeftStripe = C.LeftStripe;
        QImage Image(200, 22, QImage::Format_RGB32);
        Image.fill(Red);
        QStyleOptionMenuItem Option;
        Option.rect = Image.rect();
        Option.menuItemType =
            C.Separator ? QStyleOptionMenuItem::Separator : QStyleOptionMenuItem::Normal;
        Option.text = C.Separator ? QString() : QStringLiteral("&Open\tCtrl+O");
        QFont F = QApplication::font();
        F.setPixelSize(16);
        F.setBold(true);
        Option.font = F;
        Option.state = QStyle::State_None;
        if (C.Enabled)
            Option.state |= QStyle::State_Enabled;
        if (C.Selected)
            Option.state |= QStyle::State_Selected;
        {
            QPainter P(&Image);
            Style.DrawItem(P, Option);
        }
        // The stripe keeps the menu's own background.
        EXPECT_EQ(Image.pixelColor(1, 11), C.LeftStripe ? Red : C.Fill) << C.Name;
        EXPECT_EQ(Image.pixelColor(190, C.Separator ? 3 : 11), C.Fill) << C.Name;
        const QRect TextArea(8, 1, 100, 20);
        if (C.Text.isValid()) {
            EXPECT_GT(CountColour(Image, TextArea, C.Text), 5) << C.Name;
        }
        EXPECT_EQ(CountColour(Image, TextArea, C.NotText), 0) << C.Name;
        if (C.Separator && !C.Thick) {
            EXPECT_EQ(Image.pixelColor(190, 11), Silver) << C.Name;
        }
        if (C.Selected && !C.ShowSelectBar && C.Enabled) {
            EXPECT_EQ(Image.pixelColor(100, 0), Silver) << C.Name; // the frame
        }
    }
}

TEST(OrvMenuStyle, EachStyleTakesItsOwnMenusOfTheForm) {
    QMainWindow Form;
    QMenu* File = Form.menuBar()->addMenu("&File");
    File->addAction("&Open");
    QMenu* Recent = File->addMenu("Recent");
    Recent->addAction("one");
    auto* Popup = new QMenu(&Form);
    Popup->addAction("Copy");
    TOrvMainMenuStyle MainStyle(&Form);
    TOrvPopUpMenuStyle PopStyle(&Form);
    // Menus made after the styles are styled once the event loop turns.
    auto* LatePopup = new QMenu(&Form);
    QCoreApplication::processEvents();

    EXPECT_TRUE(MainStyle.IsStyled(File));
    EXPECT_TRUE(MainStyle.IsStyled(Recent));
    EXPECT_FALSE(PopStyle.IsStyled(File));
    EXPECT_TRUE(PopStyle.IsStyled(Popup));
    EXPECT_TRUE(PopStyle.IsStyled(LatePopup));
    EXPECT_FALSE(MainStyle.IsStyled(Popup));
    EXPECT_EQ(Form.menuBar()->style(), QApplication::style());

    // A styled menu draws black items with white text.
    File->adjustSize();
    const QImage Shot = File->grab().toImage();
    const QRect Item = File->actionGeometry(File->actions().at(0));
    EXPECT_EQ(Shot.pixelColor(Item.right() - 3, Item.center().y()), Black);
    EXPECT_GT(CountColour(Shot, Item, White), 0);
}

TEST(OrvMenuStyle, MenusThatOutliveTheirStyleGoBackToTheApplicationStyle) {
    QWidget Form;
    auto* Popup = new QMenu(&Form);
    {
        TOrvPopUpMenuStyle Style(&Form);
        Style.Apply();
        ASSERT_TRUE(Style.IsStyled(Popup));
    }
    EXPECT_EQ(Popup->style(), QApplication::style());
    Popup->adjustSize();
    EXPECT_FALSE(Popup->grab().isNull());
}
