#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
QString &overriddenFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString &folder)
{
    overriddenFolder() = QDir::cleanPath(folder);
}

} // namespace platform
