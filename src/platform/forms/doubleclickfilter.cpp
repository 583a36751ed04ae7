#include "doubleclickfilter.h"

#include <QMouseEvent>
#include <QWidget>

namespace platform {

bool DoubleClickFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    QWidget *window = static_cast<QWidget *>(watched)->window();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_pressWindow = window;
        m_droppingRelease = false;
        return false;
    case QEvent::MouseButtonDblClick:
        // A window that closed since the first press leaves a null pointer: dropped as well.
        if (m_pressWindow == window)
            return false;
        m_droppingRelease = true;
        return true;
    case QEvent::MouseButtonRelease:
        if (!m_droppingRelease)
            return false;
        if (static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton)
            m_droppingRelease = false;
        return true;
    default: return false;
    }
}

} // namespace platform
