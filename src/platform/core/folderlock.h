#pragma once

#include <QString>

namespace platform {

// An exclusive lock on a file, held from acquire() until the object goes. The lock belongs to
// the open file, so the system drops it when the process ends in any way (a crash or SIGKILL
// included): a copy of the program that died never blocks the next one. A second FolderLock on
// the same file, in this process or another, finds it held.
//
// The file may be shared by several users: a new one is made writable for everyone (whatever the
// umask), and one the user may not write (made by another user) is locked all the same, through a
// read-only descriptor. The holder writes "<process id> <display>" into it where it may, so a
// refused copy can tell who holds the lock.
class FolderLock
{
public:
    explicit FolderLock(QString path);
    ~FolderLock();

    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // True when the lock is now ours; false when another holder has it. Throws
    // RuntimeError(FileIo) naming the file and the step that failed (open, create or lock) with
    // the system's reason.
    bool acquire();
    bool held() const { return m_fd >= 0; }
    QString path() const { return m_path; }

    struct Holder
    {
        long long processId = 0; // 0: unknown
        QString display;         // empty: unknown
    };
    // After acquire() returned false: the copy that holds the lock, as far as it can be told. The
    // system's table of locks (/proc/locks) names its process; the file names its display where
    // the holder could write it.
    Holder holder() const { return m_holder; }

private:
    int open() const;
    void writeHolder() const;
    Holder readHolder(int fd) const;

    QString m_path;
    int m_fd = -1;
    Holder m_holder;
};

} // namespace platform
