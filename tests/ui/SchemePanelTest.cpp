#include "controls/ui/SchemePanel.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(SchemePanel, EachSchemeTilesItsWallpaperAndUnknownNumbersShowGold) {
    const struct {
        int Scheme;
        const char* Name;
    } Cases[] = {{0, "GREEN"},  {1, "GOLD"}, {2, "AQUA"},  {3, "BLUE"},  {4, "PURPLE"},
                 {5, "SILVER"}, {6, "GOLD"}, {-1, "GOLD"}, {255, "GOLD"}};
    TSchemePanel Panel;
    for (const auto& C : Cases) {
        EXPECT_EQ(TSchemePanel::WallpaperName(C.Scheme), QString(":/PIC/WALL_") + C.Name);
        Panel.SetScheme(C.Scheme);
        EXPECT_EQ(Panel.Scheme(), C.Scheme);
        ASSERT_FALSE(Panel.Wallpaper().isNull()) << C.Name;
    }

    Panel.SetScheme(3);
    const QImage Wall = Panel.Wallpaper().toImage();
    Panel.resize(Wall.width() * 2 + 3, Wall.height() + 2);
    const QImage Shot = Panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage Tile = Wall.convertToFormat(QImage::Format_RGB32);
    for (const QPoint P : {QPoint(0, 0), QPoint(Tile.width() / 2, Tile.height() / 3)}) {
        EXPECT_EQ(Shot.pixel(P), Tile.pixel(P));
        EXPECT_EQ(Shot.pixel(P + QPoint(Tile.width(), 0)), Tile.pixel(P));
    }
}
