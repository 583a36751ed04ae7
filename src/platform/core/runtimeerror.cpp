#include "runtimeerror.h"

namespace platform {

RuntimeError::RuntimeError(Kind kind, const QString &message)
    : m_kind(kind), m_message(message), m_utf8(message.toStdString())
{}

} // namespace platform
