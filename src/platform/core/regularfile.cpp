#include "regularfile.h"

#include "runtimeerror.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

using Kind = RuntimeError::Kind;

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The error for a path that stat() could not describe (nothing there, or no access).
RuntimeError statError(const QString &path, int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return RuntimeError(Kind::FileNotFound, QStringLiteral("File not found: %1").arg(path));
    return RuntimeError(Kind::FileIo,
                        QStringLiteral("Cannot open file: %1 (%2)").arg(path, errorText(error)));
}

RuntimeError notRegularError(const QString &path, mode_t mode)
{
    return RuntimeError(
        Kind::FileIo,
        QStringLiteral("%1 is %2, not a regular file").arg(path, fileKindWords(mode)));
}

} // namespace

QString fileKindWords(mode_t mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe");
    if (S_ISCHR(mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(mode))
        return QStringLiteral("a block device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("a special file");
}

bool isRegularFile(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

RegularFile::RegularFile(const QString &path) : m_path(path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(name.constData(), &info) != 0)
        throw statError(path, errno);
    if (!S_ISREG(info.st_mode))
        throw notRegularError(path, info.st_mode); // refused unopened: opening a device can act
    // O_NONBLOCK: should a pipe have taken the file's place since, the open returns at once and
    // the check below refuses it.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw RuntimeError(Kind::FileIo,
                           QStringLiteral("Cannot open file: %1 (%2)").arg(path, errorText(errno)));
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = errno;
        ::close(fd);
        if (S_ISREG(info.st_mode))
            throw RuntimeError(
                Kind::FileIo,
                QStringLiteral("Cannot open file: %1 (%2)").arg(path, errorText(error)));
        throw notRegularError(path, info.st_mode);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_size = info.st_size;
    m_device = info.st_dev;
    m_inode = info.st_ino;
    m_file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

RegularFile::~RegularFile() = default; // the QFile closes the descriptor

bool RegularFile::sameFileAs(const QString &path) const
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && info.st_dev == m_device &&
           info.st_ino == m_inode;
}

QByteArray RegularFile::read(qint64 maxBytes)
{
    const QByteArray bytes = m_file.read(maxBytes);
    if (m_file.error() != QFileDevice::NoError)
        throw RuntimeError(
            Kind::FileIo,
            QStringLiteral("Cannot read file: %1 (%2)").arg(m_path, m_file.errorString()));
    return bytes;
}

} // namespace platform
