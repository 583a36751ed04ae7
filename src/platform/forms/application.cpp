#include "application.h"

#include "doubleclickfilter.h"
#include "forms.h"
#include "handlerguard.h"
#include "messagebox.h"
#include "runtimeerror.h"

#include <cstdio>

namespace platform {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    installEventFilter(new DoubleClickFilter(this));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    // The last resort: handlers run by our controls report their errors themselves.
    bool handled = true;
    runHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void reportRuntimeError(const RuntimeError &error)
{
    // Close every screen first: no timer may tick and nothing may be written while the box is up.
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        app->setQuitOnLastWindowClosed(false);
    Forms::closeAll();
    std::fprintf(stderr, "Run-time error: %s\n", error.what());
    messageBox(QStringLiteral("Run-time error:\n\n%1").arg(error.message()), MessageButtons::Ok,
               applicationTitle());
    endProgram(1);
}

} // namespace platform
