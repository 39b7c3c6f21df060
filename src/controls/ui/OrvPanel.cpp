#include "controls/ui/OrvPanel.h"

#include <QMouseEvent>

TOrvPanel::TOrvPanel(QWidget* Parent) : QFrame(Parent) {
    setAttribute(Qt::WA_Hover);
}

void TOrvPanel::enterEvent(QEnterEvent* Event) {
    QFrame::enterEvent(Event);
    emit OnMouseEnter();
}

void TOrvPanel::leaveEvent(QEvent* Event) {
    QFrame::leaveEvent(Event);
    emit OnMouseExit();
}

void TOrvPanel::mousePressEvent(QMouseEvent* Event) {
    QFrame::mousePressEvent(Event);
    FPressed = Event->button() == Qt::LeftButton;
}

// A click is a press and a release of the left button over the panel.
void TOrvPanel::mouseReleaseEvent(QMouseEvent* Event) {
    QFrame::mouseReleaseEvent(Event);
    const bool WasPressed = FPressed;
    FPressed = false;
    if (WasPressed && Event->button() == Qt::LeftButton &&
        rect().contains(Event->position().toPoint()))
        emit OnClick();
}
