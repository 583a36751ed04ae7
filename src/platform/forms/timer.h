#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

// A timer control: ticks at its interval while its form is loaded and it is enabled.
class Timer : public QObject
{
    Q_OBJECT
public:
    explicit Timer(QObject *parent = nullptr);

    int interval() const { return m_timer.interval(); }
    void setInterval(int milliseconds) { m_timer.setInterval(milliseconds); }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isRunning() const { return m_timer.isActive(); }

    // Called by the form: a timer runs only between its form's load and unload.
    void formLoaded();
    void formUnloaded();

signals:
    void tick();

private:
    QTimer m_timer; // a child of the control, so an event filter can tell its ticks apart
    bool m_enabled = true;
    bool m_formLoaded = false;
};

} // namespace platform
