#pragma once

#include <QString>

namespace platform {

// An exclusive lock on a file, held from acquire() until the object goes. The lock belongs to
// the open file, so the system drops it when the process ends in any way (a crash or SIGKILL
// included): a copy of the program that died never blocks the next one. A second FolderLock on
// the same file, in this process or another, finds it held.
class FolderLock
{
public:
    explicit FolderLock(QString path);
    ~FolderLock();

    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // True when the lock is now ours; false when another holder has it. Throws
    // RuntimeError(FileIo) naming the file when it cannot be created or locked.
    bool acquire();
    bool held() const { return m_fd >= 0; }
    QString path() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace platform
