// The program's dark push button: drawn by hand, with a raised frame and a
// highlighted caption while the mouse is over it.
#pragma once

#include <QColor>
#include <QPushButton>

class TOrvButton : public QPushButton {
    Q_OBJECT
public:
    explicit TOrvButton(QWidget* Parent = nullptr);
    TOrvButton(const QString& Caption, QWidget* Parent = nullptr);

    QColor BorderColor{192, 192, 192};
    QColor BorderColorHighl{255, 255, 255};
    QColor BorderColorShadw{0x80, 0x80, 0x80};
    QColor HighlightColor{255, 255, 255};
    bool HotTrack = true;

    bool IsHot() const { return FHot; }

signals:
    void OnMouseEnter();
    void OnMouseExit();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void enterEvent(QEnterEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void changeEvent(QEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
    void Setup();
    bool FHot = false;
};
