#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/types.h>

namespace platform {

// Every reader of the program's files (rich-text files, pictures, the database, an earlier
// export) opens them through here. A named pipe, a device, a socket or a folder under a file's
// name would block a read for good or read something endless, so anything but a regular file is
// refused by name before it is opened, and the open itself never waits (O_NONBLOCK), so a file
// swapped for a pipe in between is caught by the check of the open descriptor, not read.

// How a person would call what `mode` (st_mode) describes: "a named pipe", "a folder", ...; empty
// for a regular file.
QString fileKindWords(mode_t mode);

// Whether `path` names a regular file (or a link to one); false for nothing there.
bool isRegularFile(const QString &path);

// A regular file opened for reading. Throws RuntimeError: FileNotFound when nothing is there,
// FileIo when something else than a regular file is there or the file cannot be opened; every
// message names the path.
class RegularFile
{
public:
    explicit RegularFile(const QString &path);
    ~RegularFile();

    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    QString path() const { return m_path; }
    qint64 size() const { return m_size; }
    // The file's identity when it was opened, to tell whether a path still names it.
    dev_t device() const { return m_device; }
    ino_t inode() const { return m_inode; }
    bool sameFileAs(const QString &path) const;

    // The file as a device, for readers that take one (pictures).
    QFile &file() { return m_file; }
    // At most `maxBytes` from the start; throws RuntimeError(FileIo) naming the path on a read
    // error.
    QByteArray read(qint64 maxBytes);

private:
    QString m_path;
    QFile m_file;
    qint64 m_size = 0;
    dev_t m_device = 0;
    ino_t m_inode = 0;
};

} // namespace platform
