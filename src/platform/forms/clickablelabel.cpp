#include "clickablelabel.h"

#include <QMouseEvent>

namespace platform {

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    event->accept();
    emit mouseDown();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool wasPressed = m_pressed;
    m_pressed = false;
    emit mouseUp();
    // A click is a press and a release over the same control.
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    m_pressed = true;
    emit doubleClicked();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

} // namespace platform
