#include "frame.h"

#include <QMouseEvent>

namespace platform {

Frame::Frame(QWidget *parent) : QFrame(parent), TwipsGeometry(this)
{
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
}

void Frame::setBackColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

void Frame::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent), TwipsGeometry(this)
{
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setBackColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

} // namespace platform
