#include "optionbutton.h"

#include <QMouseEvent>

namespace platform {

OptionButton::OptionButton(QWidget *parent) : QRadioButton(parent), TwipsGeometry(this)
{
    setMouseTracking(true);
}

void OptionButton::setValue(bool ticked)
{
    if (ticked) {
        setChecked(true);
        return;
    }
    // An exclusive radio button refuses to be cleared; lift the exclusivity for the change.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

void OptionButton::mouseMoveEvent(QMouseEvent *event)
{
    QRadioButton::mouseMoveEvent(event);
    event->accept();
}

} // namespace platform
