// A plain panel that reports the mouse entering and leaving it, and clicks.
#pragma once

#include <QFrame>

class TOrvPanel : public QFrame {
    Q_OBJECT
public:
    explicit TOrvPanel(QWidget* Parent = nullptr);

signals:
    void OnMouseEnter();
    void OnMouseExit();
    void OnClick();

protected:
    void enterEvent(QEnterEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    bool FPressed = false;
};
