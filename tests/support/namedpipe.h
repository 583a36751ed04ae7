#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

// A named pipe put in place of a file the program reads. A writer waits on it and, should the
// program open it after all, hands it `content` and closes it, so a program that reads pipes shows
// that content (and fails its test) rather than waiting for good. Gone with the object.
class NamedPipe
{
public:
    NamedPipe(const QString &path, QByteArray content) : m_path(QFile::encodeName(path))
    {
        m_made = ::mkfifo(m_path.constData(), 0644) == 0;
        if (m_made)
            m_writer = std::thread([path = m_path, content = std::move(content)] {
                const int fd = ::open(path.constData(), O_WRONLY | O_CLOEXEC); // waits for a reader
                if (fd >= 0) {
                    (void)!::write(fd, content.constData(), size_t(content.size()));
                    ::close(fd);
                }
            });
    }
    ~NamedPipe()
    {
        if (!m_made)
            return;
        if (!inPlace()) {
            m_writer.detach(); // replaced by a program under test: its writer cannot be reached
            return;
        }
        // A reader of our own lets a writer that is still waiting go on and end.
        const int reader = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        m_writer.join();
        if (reader >= 0)
            ::close(reader);
        ::unlink(m_path.constData());
    }
    NamedPipe(const NamedPipe &) = delete;
    NamedPipe &operator=(const NamedPipe &) = delete;

    bool made() const { return m_made; }
    // Whether the path still holds the pipe.
    bool inPlace() const
    {
        struct stat info = {};
        return ::lstat(m_path.constData(), &info) == 0 && S_ISFIFO(info.st_mode);
    }

private:
    QByteArray m_path;
    bool m_made = false;
    std::thread m_writer;
};

} // namespace testsupport
