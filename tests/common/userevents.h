#pragma once

// What a person and the clock do to a shown screen, delivered as the toolkit delivers it: mouse
// presses and releases on a control a person can see and reach, keys to the control that holds
// the focus, and the timer events of a running timer. A handler reached this way proves that the
// event gets to it, which a direct call of the handler does not.
#include "form.h"
#include "timer.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <gtest/gtest.h>

namespace userevents {

// True when a press at `pos` of `control` (its centre when null) lands on it: the control shows
// on a shown window and no other control covers that point. Reports what stands in the way.
inline bool reachable(QWidget *control, QPoint &pos)
{
    if (pos.isNull())
        pos = control->rect().center();
    QWidget *window = control->window();
    if (!control->isVisible() || !window->isVisible()) {
        ADD_FAILURE() << control->objectName().toStdString() << " of "
                      << window->metaObject()->className() << " is not on the screen";
        return false;
    }
    QWidget *hit = window->childAt(control->mapTo(window, pos));
    if (!hit)
        hit = window; // the window's own surface
    if (hit != control && !control->isAncestorOf(hit)) {
        ADD_FAILURE() << "the point aimed at on " << control->objectName().toStdString()
                      << " is covered by " << hit->metaObject()->className() << ' '
                      << hit->objectName().toStdString();
        return false;
    }
    return true;
}

inline void press(QWidget *control, QPoint pos = {})
{
    if (reachable(control, pos))
        QTest::mousePress(control, Qt::LeftButton, {}, pos);
}

inline void release(QWidget *control, QPoint pos = {})
{
    if (reachable(control, pos))
        QTest::mouseRelease(control, Qt::LeftButton, {}, pos);
}

// A click: the press and the release at one point of the control.
inline void click(QWidget *control, QPoint pos = {})
{
    if (reachable(control, pos)) {
        QTest::mousePress(control, Qt::LeftButton, {}, pos);
        QTest::mouseRelease(control, Qt::LeftButton, {}, pos);
    }
}

// The control of the active window that takes the keys: the focused one, else the window itself.
// Null (and a failure) when `window` is not the active window.
inline QWidget *keyTarget(const QWidget *window)
{
    QWidget *active = QApplication::activeWindow();
    if (active != window) {
        ADD_FAILURE() << "the keys go to "
                      << (active ? active->metaObject()->className() : "nothing") << ", not to "
                      << window->metaObject()->className();
        return nullptr;
    }
    QWidget *focused = QApplication::focusWidget();
    return focused && focused->window() == window ? focused : active;
}

// One key typed on `window` (the active window), delivered to its focused control.
inline void typeKey(const QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    if (QWidget *target = keyTarget(window))
        QTest::keyClick(target, key, modifiers);
}
inline void typeKey(const QWidget *window, char key, Qt::KeyboardModifiers modifiers = {})
{
    if (QWidget *target = keyTarget(window))
        QTest::keyClick(target, key, modifiers);
}

// The clock: `count` expiries of the timer's running QTimer, each a timer event with that
// QTimer's id, which reaches the timer's tick through QTimer's own timeout.
inline void tick(const platform::Timer *timer, int count = 1)
{
    auto *clock = timer->findChild<QTimer *>();
    ASSERT_NE(clock, nullptr) << "the timer runs on no QTimer of its own";
    for (int k = 0; k < count; ++k) {
        ASSERT_TRUE(clock->isActive()) << "the timer is not running";
        QTimerEvent expiry(clock->timerId());
        QCoreApplication::sendEvent(clock, &expiry);
    }
}

// `count` seconds of the screen's own `Timer1`.
inline void tick(const platform::Form &screen, int count = 1)
{
    tick(screen.control<platform::Timer>(QStringLiteral("Timer1")), count);
}

} // namespace userevents
