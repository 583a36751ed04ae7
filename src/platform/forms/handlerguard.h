#pragma once

#include "application.h"
#include "runtimeerror.h"

#include <exception>

namespace platform {

// Runs an event handler of a screen. A run-time error it raises is reported here (error box, end
// of the program), in our own frame: the toolkit's event dispatch is not built to let exceptions
// pass through it.
template<class Handler> void runHandler(Handler &&handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        reportRuntimeError(error);
    } catch (const std::exception &error) {
        reportRuntimeError(RuntimeError(
            RuntimeError::Kind::FileIo,
            QStringLiteral("Internal error: %1").arg(QString::fromUtf8(error.what()))));
    }
}

} // namespace platform
