// A panel that tiles the wallpaper picture of a colour scheme; the windows'
// heading bands and backgrounds (the spnl... panels) are made of it.
#pragma once

#include <QPixmap>
#include <QWidget>

class TSchemePanel : public QWidget {
    Q_OBJECT
public:
    explicit TSchemePanel(QWidget* Parent = nullptr, int Scheme = 0);

    // 0 Green, 1 Gold, 2 Aqua, 3 Blue, 4 Purple, 5 Silver; any other number
    // shows Gold.
    void SetScheme(int Scheme);
    int Scheme() const { return FScheme; }
    const QPixmap& Wallpaper() const { return FWallpaper; }

    // Resource name of a scheme's wallpaper, ":/PIC/WALL_<NAME>".
    static QString WallpaperName(int Scheme);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    int FScheme = -1;
    QPixmap FWallpaper;
};
