#include "folderlock.h"

#include "regularfile.h"
#include "runtimeerror.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int OpenAttempts = 10; // a file made or removed by another copy in between: again
constexpr qint64 HolderBytes = 256;

[[noreturn]] void fail(const QString &what, const QString &path, int error)
{
    throw RuntimeError(RuntimeError::Kind::FileIo,
                       QStringLiteral("%1: %2 (%3)")
                           .arg(what, path, QString::fromLocal8Bit(std::strerror(error))));
}

bool deniedWriting(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

// The process that holds an flock on the file `inode`, from the system's table of locks; 0 when
// the table cannot be read or names none. Its lines read "1: FLOCK  ADVISORY  WRITE 1234
// 08:01:5678 0 EOF"; a waiter's line has "->" after the number and holds nothing.
long long lockingProcess(ino_t inode)
{
    QFile table(QStringLiteral("/proc/locks"));
    if (!table.open(QIODevice::ReadOnly))
        return 0;
    const QString wanted = QStringLiteral(":%1").arg(quint64(inode));
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QStringList fields = QString::fromLatin1(line).simplified().split(QLatin1Char(' '));
        if (fields.size() >= 6 && fields[1] == QLatin1String("FLOCK") && fields[5].endsWith(wanted))
            return fields[4].toLongLong();
    }
    return 0;
}

// The display a process shows its windows on, when its environment may be read.
QString displayOf(long long processId)
{
    QFile environment(QStringLiteral("/proc/%1/environ").arg(processId));
    if (!environment.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray &entry : environment.readAll().split('\0')) {
        if (entry.startsWith("DISPLAY="))
            return QString::fromLocal8Bit(entry.mid(8));
    }
    return QString();
}

bool isRunning(long long processId)
{
    return processId > 0 && (::kill(pid_t(processId), 0) == 0 || errno == EPERM);
}

[[noreturn]] void failNotRegular(const QString &path, mode_t mode)
{
    throw RuntimeError(RuntimeError::Kind::FileIo,
                       QStringLiteral("Cannot use the lock file: %1 is %2, not a regular file")
                           .arg(path, fileKindWords(mode)));
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
    const int fd = open();
    // flock() rather than fcntl() locks: an flock belongs to the open file, so two opens in one
    // process exclude each other as two processes do; and it needs no write access.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EWOULDBLOCK)
            m_holder = readHolder(fd);
        ::close(fd);
        if (error == EWOULDBLOCK)
            return false;
        fail(QStringLiteral("Cannot lock the lock file"), m_path, error);
    }
    m_fd = fd;
    writeHolder();
    return true;
}

// The lock file opened for writing where the user may write it, read-only otherwise; created
// when missing. Nothing here waits: a pipe in its place opens at once and is refused.
int FolderLock::open() const
{
    const QByteArray name = QFile::encodeName(m_path);
    struct stat existing = {};
    if (::stat(name.constData(), &existing) == 0 && !S_ISREG(existing.st_mode))
        failNotRegular(m_path, existing.st_mode); // refused unopened: opening a device can act
    for (int attempt = 0; attempt < OpenAttempts; ++attempt) {
        int fd = ::open(name.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0 && deniedWriting(errno))
            fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd >= 0) {
            struct stat info = {};
            if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
                const int error = errno;
                ::close(fd);
                if (S_ISREG(info.st_mode))
                    fail(QStringLiteral("Cannot open the lock file"), m_path, error);
                failNotRegular(m_path, info.st_mode);
            }
            return fd;
        }
        if (errno != ENOENT)
            fail(QStringLiteral("Cannot open the lock file"), m_path, errno);
        fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd >= 0) {
            // Every user of a shared program folder must be able to open it; the umask may have
            // taken that away.
            if (::fchmod(fd, 0666) != 0) {
                const int error = errno;
                ::close(fd);
                fail(QStringLiteral("Cannot make the new lock file usable by every user"), m_path,
                     error);
            }
            return fd;
        }
        if (errno != EEXIST)
            fail(QStringLiteral("Cannot create the lock file"), m_path, errno);
    }
    fail(QStringLiteral("Cannot open the lock file"), m_path, ENOENT);
}

void FolderLock::writeHolder() const
{
    if ((::fcntl(m_fd, F_GETFL) & O_ACCMODE) != O_RDWR)
        return; // another user's file: the system's table of locks still names this process
    QByteArray line = QByteArray::number(qint64(::getpid()));
    const QByteArray display = qgetenv("DISPLAY");
    if (!display.isEmpty())
        line += ' ' + display;
    line += '\n';
    // Only a hint for a refused copy: the lock holds whether or not it is written.
    if (::ftruncate(m_fd, 0) == 0)
        (void)!::pwrite(m_fd, line.constData(), size_t(line.size()), 0);
}

FolderLock::Holder FolderLock::readHolder(int fd) const
{
    char bytes[HolderBytes] = {};
    const ssize_t size = ::pread(fd, bytes, sizeof bytes - 1, 0);
    const QStringList written = QString::fromLocal8Bit(bytes, size > 0 ? qsizetype(size) : 0)
                                    .simplified()
                                    .split(QLatin1Char(' '));
    const long long writer = written.value(0).toLongLong();

    struct stat info = {};
    const long long locker = ::fstat(fd, &info) == 0 ? lockingProcess(info.st_ino) : 0;
    if (locker == writer && writer != 0)
        return Holder{writer, written.value(1)};
    if (locker == 0) // no table of locks: the file is right if its writer still runs
        return isRunning(writer) ? Holder{writer, written.value(1)} : Holder{};
    // The holder could not write the file: what it holds names an earlier copy.
    return Holder{locker, displayOf(locker)};
}

} // namespace platform
