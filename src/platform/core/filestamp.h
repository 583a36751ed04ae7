#pragma once

#include <QString>

#include <optional>

namespace platform {

// What tells a file's contents apart from what they were when it was read last, as cheaply as one
// stat: a file rewritten in place changes its size or its modification and change times (the
// change time no program can set back; both move in the file system's clock ticks), one moved
// into the path its device and inode.
struct FileStamp
{
    qint64 size = -1;
    qint64 modified = 0; // nanoseconds since the epoch
    qint64 changed = 0;  // the inode's change time, likewise
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileStamp &) const = default;
};

// The stamp of a regular file; none for anything else. A built-in resource (":/...") has no file
// on disk and is told apart by its size alone, which cannot change while the program runs.
std::optional<FileStamp> fileStampOf(const QString &path);

} // namespace platform
