#pragma once

#include <QApplication>

namespace platform {

class RuntimeError;

// The application object. Its event dispatch catches a run-time error escaping any handler,
// closes every screen, shows the error in a box and ends the program with status 1. A
// double-click reaches only the window that took its first press (see DoubleClickFilter).
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

// Shows the run-time error box for `error` and ends the program with status 1.
void reportRuntimeError(const RuntimeError &error);

} // namespace platform
