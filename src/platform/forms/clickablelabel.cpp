#include "clickablelabel.h"

#include "handlerguard.h"

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
    runHandler([this] { emit mouseDown(); });
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool wasPressed = m_pressed;
    m_pressed = false;
    runHandler([this] { emit mouseUp(); });
    // A click is a press and a release over the same control.
    if (wasPressed && rect().contains(event->position().toPoint()))
        runHandler([this] { emit clicked(); });
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click raises DblClick only: the release that follows is a
    // MouseUp, not a second Click.
    event->accept();
    m_pressed = false;
    runHandler([this] { emit doubleClicked(); });
}

void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    runHandler([this] { emit mouseMoved(); });
}

} // namespace platform
