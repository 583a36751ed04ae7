#include "runtimefolder.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
const char *const RuntimeVariable = "XDG_RUNTIME_DIR";

// Qt takes a run-time folder only when it is a folder of the user's, closed to everyone else.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat info = {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 07777) == 0700;
}
} // namespace

PrivateRuntimeFolder::PrivateRuntimeFolder(const QString &base)
{
    if (!qEnvironmentVariableIsEmpty(RuntimeVariable))
        return;
    const QString own = base + QStringLiteral("/qor-practice-runtime-") +
                        QString::number(::getuid());
    const QByteArray ownPath = QFile::encodeName(own);
    ::mkdir(ownPath.constData(), 0700); // an existing one is checked below
    if (isPrivateFolder(ownPath)) {
        m_path = own;
    } else {
        // Someone else's, or opened to others: a fresh one (QTemporaryDir makes it 0700).
        m_fallback = std::make_unique<QTemporaryDir>(own + QStringLiteral("-XXXXXX"));
        if (!m_fallback->isValid()) {
            m_fallback.reset();
            return; // Qt falls back to a folder of its own and says so
        }
        m_path = m_fallback->path();
    }
    qputenv(RuntimeVariable, QFile::encodeName(m_path));
}

PrivateRuntimeFolder::~PrivateRuntimeFolder()
{
    if (!m_path.isEmpty())
        qunsetenv(RuntimeVariable);
}

} // namespace platform
