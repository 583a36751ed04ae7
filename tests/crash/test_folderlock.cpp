// The lock that keeps a second copy of the program off a program folder in use: held while its
// holder lives, free again as soon as the holder ends, however it ends.
#include "folderlock.h"
#include "runtimeerror.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
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
        EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
    }
}

} // namespace
