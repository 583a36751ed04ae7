#include "filestamp.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace platform {

namespace {
qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}
} // namespace

std::optional<FileStamp> fileStampOf(const QString &path)
{
    if (path.startsWith(QLatin1Char(':'))) {
        const QFileInfo info(path);
        if (!info.isFile())
            return std::nullopt;
        return FileStamp{info.size(), 0, 0, 0, 0};
    }
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return FileStamp{qint64(status.st_size), nanoseconds(status.st_mtim),
                     nanoseconds(status.st_ctim), quint64(status.st_dev), quint64(status.st_ino)};
}

} // namespace platform
