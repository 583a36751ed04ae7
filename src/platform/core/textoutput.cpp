#include "textoutput.h"

#include "runtimeerror.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace platform {

namespace {
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

#ifdef Q_OS_UNIX
// The rename itself is durable only once the folder that holds the name is synced.
bool syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}
#endif

// A write of the same file killed between linking its temporary file into the folder and the
// rename leaves "<name>.XXXXXX" behind; the next write of that file clears it away.
void removeInterruptedWrites(const QString &path)
{
    const QFileInfo target(path);
    const QString prefix = target.fileName() + QLatin1Char('.');
    QDir folder = target.absoluteDir();
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.size() == prefix.size() + 6 && entry.startsWith(prefix))
            folder.remove(entry);
    }
}
} // namespace

TextOutput::TextOutput(const QString &path, Folder folder) : m_path(path), m_file(path)
{
    const QString folderPath = QFileInfo(path).absolutePath();
    if (!QFileInfo(folderPath).isDir()) {
        if (folder == Folder::MustExist)
            throw RuntimeError(
                RuntimeError::Kind::FileNotFound,
                QStringLiteral("Path not found: folder '%1' of the file '%2'")
                    .arg(QDir::toNativeSeparators(folderPath), QDir::toNativeSeparators(m_path)));
        if (!QDir().mkpath(folderPath))
            fail(QStringLiteral("cannot create its folder '%1'")
                     .arg(QDir::toNativeSeparators(folderPath)));
    }
    removeInterruptedWrites(path);
    // Never write into the target itself, even where a temporary file cannot be made.
    m_file.setDirectWriteFallback(false);
    if (!m_file.open(QIODevice::WriteOnly))
        fail(m_file.errorString());
}

TextOutput::~TextOutput()
{
    if (!m_committed)
        m_file.cancelWriting(); // QSaveFile removes its temporary file
}

void TextOutput::writeLine(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + LineEnd;
    if (m_file.write(bytes) != bytes.size())
        fail(m_file.errorString());
}

void TextOutput::commit()
{
    if (!m_file.flush())
        fail(m_file.errorString());
#ifdef Q_OS_UNIX
    if (::fsync(m_file.handle()) != 0)
        fail(QStringLiteral("cannot sync it to disk"));
#endif
    if (!m_file.commit())
        fail(m_file.errorString());
    m_committed = true;
#ifdef Q_OS_UNIX
    if (!syncFolder(QFileInfo(m_path).absolutePath()))
        fail(QStringLiteral("cannot sync its folder to disk"));
#endif
}

QByteArray TextOutput::encode(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + LineEnd;
    return bytes;
}

void TextOutput::writeFile(const QString &path, const QStringList &lines, Folder folder)
{
    TextOutput output(path, folder);
    for (const QString &line : lines)
        output.writeLine(line);
    output.commit();
}

void TextOutput::fail(const QString &what) const
{
    throw RuntimeError(RuntimeError::Kind::FileIo,
                       QStringLiteral("Cannot write the file '%1': %2")
                           .arg(QDir::toNativeSeparators(m_path), what));
}

} // namespace platform
