#include "runtimefolder.h"

#include <QDir>
#include <QFile>

namespace platform {

namespace {
const char *const RuntimeVariable = "XDG_RUNTIME_DIR";
}

PrivateRuntimeFolder::PrivateRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty(RuntimeVariable))
        return;
    // QTemporaryDir makes the folder readable and writable by its owner only, as Qt requires.
    auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath()
                                                  + QStringLiteral("/qor-practice-runtime-XXXXXX"));
    if (!folder->isValid())
        return; // Qt falls back to a folder of its own and says so
    qputenv(RuntimeVariable, QFile::encodeName(folder->path()));
    m_folder = std::move(folder);
}

PrivateRuntimeFolder::~PrivateRuntimeFolder()
{
    if (m_folder)
        qunsetenv(RuntimeVariable);
}

QString PrivateRuntimeFolder::path() const
{
    return m_folder ? m_folder->path() : QString();
}

} // namespace platform
