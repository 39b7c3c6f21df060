#include "controls/ui/OrvButton.h"

#include <QMouseEvent>
#include <QPainter>

TOrvButton::TOrvButton(QWidget* Parent) : QPushButton(Parent) {
    Setup();
}

TOrvButton::TOrvButton(const QString& Caption, QWidget* Parent) : QPushButton(Caption, Parent) {
    Setup();
}

void TOrvButton::Setup() {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::ArrowCursor);
    setMinimumHeight(22);
}

void TOrvButton::paintEvent(QPaintEvent*) {
    QPainter P(this);
    const QRect R = rect().adjusted(0, 0, -1, -1);
    P.fillRect(rect(), Qt::black);
    const bool Hot = FHot && isEnabled();
    if (Hot) {
        // Lines cover the pixels they name: the frame runs along the outer edge.
        const QRect Edge = rect();
        const bool Down = isDown();
        const QColor TopLeft = Down ? BorderColorShadw : BorderColorHighl;
        const QColor BottomRight = Down ? BorderColorHighl : BorderColorShadw;
        P.setPen(TopLeft);
        P.drawLine(Edge.topLeft(), Edge.topRight());
        P.drawLine(Edge.topLeft(), Edge.bottomLeft());
        P.setPen(BottomRight);
        P.drawLine(Edge.topRight(), Edge.bottomRight());
        P.drawLine(Edge.bottomLeft(), Edge.bottomRight());
    } else {
        P.setPen(BorderColor);
        P.drawRect(R);
    }
    QColor TextColour(0xC0, 0xC0, 0xC0);
    if (!isEnabled())
        TextColour = QColor(0x80, 0x80, 0x80);
    else if (Hot && HotTrack)
        TextColour = HighlightColor;
    P.setPen(TextColour);
    P.setFont(font());
    P.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

void TOrvButton::enterEvent(QEnterEvent* Event) {
    QPushButton::enterEvent(Event);
    if (isEnabled() && !FHot && !QWidget::mouseGrabber()) {
        FHot = true;
        emit OnMouseEnter();
        update();
    }
}

void TOrvButton::leaveEvent(QEvent* Event) {
    QPushButton::leaveEvent(Event);
    if (FHot && isEnabled()) {
        FHot = false;
        emit OnMouseExit();
        update();
    }
}

void TOrvButton::changeEvent(QEvent* Event) {
    QPushButton::changeEvent(Event);
    if (Event->type() == QEvent::EnabledChange || Event->type() == QEvent::FontChange)
        update();
}

// A double click counts as a second press, so fast repeated clicks each click.
void TOrvButton::mouseDoubleClickEvent(QMouseEvent* Event) {
    mousePressEvent(Event);
}
