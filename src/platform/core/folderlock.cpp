#include "folderlock.h"

#include "runtimeerror.h"

#include <QFile>

#include <cerrno>
#include <utility>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {

[[noreturn]] void fail(const QString &what, const QString &path, int error)
{
    throw RuntimeError(RuntimeError::Kind::FileIo,
                       QStringLiteral("%1: %2 (%3)")
                           .arg(what, path, QString::fromLocal8Bit(std::strerror(error))));
}

} // namespace

FolderLock::FolderLock(QString path) : m_path(std::move(path))
{}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the file drops the lock; the file itself stays for the next run
}

bool FolderLock::acquire()
{
    if (m_fd >= 0)
        return true;
    const QByteArray name = QFile::encodeName(m_path);
    // flock() rather than fcntl() locks: an flock belongs to the open file, so two opens in one
    // process exclude each other as two processes do.
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        fail(QStringLiteral("Cannot create the lock file"), m_path, errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return false;
        fail(QStringLiteral("Cannot lock the file"), m_path, error);
    }
    m_fd = fd;
    return true;
}

} // namespace platform
