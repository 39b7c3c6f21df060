#include "controls/ui/SchemePanel.h"

#include <QPainter>

TSchemePanel::TSchemePanel(QWidget* Parent, int Scheme) : QWidget(Parent) {
    SetScheme(Scheme);
}

QString TSchemePanel::WallpaperName(int Scheme) {
    static const char* const Names[] = {"GREEN", "GOLD", "AQUA", "BLUE", "PURPLE", "SILVER"};
    const char* Name = (Scheme >= 0 && Scheme <= 5) ? Names[Scheme] : "GOLD";
    return QStringLiteral(":/PIC/WALL_") + QLatin1String(Name);
}

void TSchemePanel::SetScheme(int Scheme) {
    if (Scheme == FScheme && !FWallpaper.isNull())
        return;
    FScheme = Scheme;
    FWallpaper = QPixmap(WallpaperName(Scheme));
    update();
}

void TSchemePanel::paintEvent(QPaintEvent*) {
    QPainter P(this);
    if (FWallpaper.isNull())
        P.fillRect(rect(), Qt::black);
    else
        P.drawTiledPixmap(rect(), FWallpaper);
}
