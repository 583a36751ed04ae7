// The lock that keeps a second copy of the program off a program folder in use: held while its
// holder lives, free again as soon as the holder ends, however it ends.
#include "folderlock.h"
#include "runtimeerror.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::FolderLock;

TEST(FolderLockTest, ASecondHolderIsRefusedUntilTheFirstGoes)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("app.lock"));
    auto first = std::make_unique<FolderLock>(path);
    ASSERT_TRUE(first->acquire());

    FolderLock second(path);
    EXPECT_FALSE(second.acquire());
    EXPECT_FALSE(second.held());

    first.reset();
    EXPECT_TRUE(second.acquire());
}

TEST(FolderLockTest, AKilledHolderLeavesTheLockFree)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("app.lock"));
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FolderLock held(path);
        const char state = held.acquire() ? 'L' : 'N';
        (void)!::write(ready[1], &state, 1);
        for (;;)
            ::pause(); // holds the lock until killed
    }
    ::close(ready[1]);
    char state = 0;
    ASSERT_EQ(::read(ready[0], &state, 1), 1);
    ::close(ready[0]);
    ASSERT_EQ(state, 'L');

    FolderLock next(path);
    EXPECT_FALSE(next.acquire()); // another process holds it

    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(next.acquire()); // the file is still there; the lock went with the process
}

// A copy of the program holding the lock in a process of its own until the object goes (a
// SIGKILL, as the worst end). `prepare` runs in that process first (another user, a display).
class HoldingProcess
{
public:
    template<class Prepare> HoldingProcess(const QString &path, Prepare prepare)
    {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            char state = 'P';
            if (prepare()) {
                try {
                    static FolderLock held(path); // kept until the kill
                    state = held.acquire() ? 'L' : 'N';
                } catch (const platform::RuntimeError &) {
                    state = 'E';
                }
            }
            (void)!::write(ready[1], &state, 1);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        if (m_pid < 0 || ::read(ready[0], &m_state, 1) != 1)
            m_state = '?';
        ::close(ready[0]);
    }
    ~HoldingProcess()
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    bool holds() const { return m_state == 'L'; }
    char state() const { return m_state; }
    pid_t pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
    char m_state = '?';
};

TEST(FolderLockTest, ARefusedCopyLearnsTheHoldersProcessAndDisplay)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("app.lock"));
    const HoldingProcess first(path, [] { return ::setenv("DISPLAY", ":42", 1) == 0; });
    ASSERT_TRUE(first.holds()) << first.state();

    FolderLock second(path);
    EXPECT_FALSE(second.acquire());
    EXPECT_EQ(second.holder().processId, first.pid());
    EXPECT_EQ(second.holder().display, QStringLiteral(":42"));
}

// A lock file left by another user (root's 0644 file in a folder opened to everyone) cannot be
// opened for writing, but locks all the same; the system's table of locks names the holder.
TEST(FolderLockTest, ALockFileTheUserMayNotWriteStillLocks)
{
    QTemporaryDir folder;
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0777), 0);
    const QString path = folder.filePath(QStringLiteral("app.lock"));
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("1 :0\n"); // what an earlier copy, long gone, wrote
    }
    const bool root = ::geteuid() == 0;
    // As root, a real second user; otherwise the file is made read-only for this one.
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), root ? 0644 : 0444), 0);
    const HoldingProcess other(path, [root] {
        return !root || (::setgid(65534) == 0 && ::setuid(65534) == 0); // nobody
    });
    ASSERT_TRUE(other.holds()) << other.state();

    FolderLock next(path);
    EXPECT_FALSE(next.acquire());
    EXPECT_EQ(next.holder().processId, other.pid());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArrayLiteral("1 :0\n")); // untouched
}

TEST(FolderLockTest, ANewLockFileIsOpenToEveryUserWhateverTheUmask)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("app.lock"));
    const mode_t mask = ::umask(077);
    FolderLock lock(path);
    const bool acquired = lock.acquire();
    ::umask(mask);
    ASSERT_TRUE(acquired);
    struct stat info = {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666u);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // The holder's process id, then its display where it has one.
    EXPECT_EQ(file.readAll().simplified().split(' ').first(),
              QByteArray::number(qint64(::getpid())));
}

TEST(FolderLockTest, APipeInPlaceOfTheLockFileIsRefusedByName)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("app.lock"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0666), 0);
    FolderLock lock(path);
    try {
        lock.acquire();
        FAIL() << "locked a pipe";
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Cannot use the lock file: ") + path +
                                       QStringLiteral(" is a named pipe, not a regular file"));
    }
}

TEST(FolderLockTest, AFolderThatCannotHoldTheLockIsAnErrorNamingTheFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/app.lock"));
    FolderLock lock(path);
    try {
        lock.acquire();
        FAIL() << "no error";
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.kind(), platform::RuntimeError::Kind::FileIo);
        EXPECT_EQ(error.message(), QStringLiteral("Cannot create the lock file: ") + path +
                                       QStringLiteral(" (No such file or directory)"));
    }
}

} // namespace
