#pragma once

// Internal to the database layer: SQLite handles of closed connections, kept for the next
// connection to the same file.

#include "statementcache.h"

#include <QString>

#include <optional>
#include <vector>

#include <sys/types.h>

struct sqlite3;

namespace platform::db {

// Which file a path named when it was checked: the file system's device and inode numbers.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity &) const = default;
};

// Handles of closed connections, kept open for the next connection to the same file: a fresh
// handle parses the whole schema again (all 24 tables), and the program opens three connections
// for every press of Next.
class IdleHandles
{
public:
    struct Idle
    {
        QString path;
        sqlite3 *handle = nullptr;
        FileIdentity file; // the file SQLite opened, checked to be the one the path named then
        StatementCache statements; // compiled on the handle, kept with it
    };

    // Keeps a handle at rest (no transaction, its statements reset); closes it when enough are
    // kept.
    void park(Idle idle);

    // A parked handle of that file, when the path still names it as it was when the handle was
    // opened: the same regular file, not emptied. The file passed every check of a fresh open
    // then, so one look at the path stands for them all; nothing is opened, so nothing can
    // block. Anything else leaves the handle parked for take() after the full checks.
    std::optional<Idle> takeUnchanged(const QString &path);

    // A parked handle of that file, unless the file was deleted, moved or replaced since.
    std::optional<Idle> take(const QString &path);

private:
    std::vector<Idle>::iterator find(const QString &path);
    static void close(Idle &idle);

    static constexpr std::size_t maxIdle = 4;
    std::vector<Idle> m_idle;
};

// Never destroyed: connections held in static variables are dropped after every static object
// is gone, and their handles still come back here. The system closes the files at exit; a handle
// at rest has nothing left to write.
IdleHandles &idleHandles();

} // namespace platform::db
