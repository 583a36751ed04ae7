#include "application.h"

#include "forms.h"
#include "messagebox.h"
#include "runtimeerror.h"

#include <cstdio>

namespace platform {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const RuntimeError &error) {
        reportRuntimeError(error);
    } catch (const std::exception &error) {
        reportRuntimeError(RuntimeError(RuntimeError::Kind::Database,
                                        QStringLiteral("Internal error: %1")
                                            .arg(QString::fromUtf8(error.what()))));
    }
    return true;
}

void reportRuntimeError(const RuntimeError &error)
{
    // Close every screen first: no timer may tick and nothing may be written while the box is up.
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        app->setQuitOnLastWindowClosed(false);
    Forms::closeAll();
    std::fprintf(stderr, "Run-time error: %s\n", error.what());
    messageBox(QStringLiteral("Run-time error:\n\n%1").arg(error.message()),
               MessageButtons::Ok, applicationTitle());
    endProgram(1);
}

} // namespace platform
