#include "timer.h"

#include "handlerguard.h"
namespace platform {

Timer::Timer(QObject *parent) : QObject(parent), m_timer(this)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, [this] { runHandler([this] { emit tick(); }); });
}

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (m_enabled && m_formLoaded)
        m_timer.start();
    else
        m_timer.stop();
}

void Timer::formLoaded()
{
    m_formLoaded = true;
    setEnabled(m_enabled);
}

void Timer::formUnloaded()
{
    m_formLoaded = false;
    m_timer.stop();
}

} // namespace platform
