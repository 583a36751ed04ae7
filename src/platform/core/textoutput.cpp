#include "textoutput.h"

#include "runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

// ".<name>.qor-partial-" and six of these characters: no user file of an export is named so.
const QLatin1StringView TemporaryTag(".qor-partial-");
const QLatin1StringView
    RandomCharacters("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
constexpr qsizetype RandomLength = 6;
constexpr int NamingAttempts = 100;

QString temporaryPrefix(const QString &fileName)
{
    return QLatin1Char('.') + fileName + TemporaryTag;
}

QString randomTemporaryPath(const QString &folder, const QString &fileName)
{
    QString name = temporaryPrefix(fileName);
    for (qsizetype i = 0; i < RandomLength; ++i)
        name += RandomCharacters.at(
            QRandomGenerator::global()->bounded(int(RandomCharacters.size())));
    return folder + QLatin1Char('/') + name;
}

// Whether `entry`, a name in the target's folder, is a temporary file of a write of the file
// named `fileName` in that folder.
bool isTemporaryFileOf(const QString &entry, const QString &fileName)
{
    const QString prefix = temporaryPrefix(fileName);
    if (entry.size() != prefix.size() + RandomLength || !entry.startsWith(prefix))
        return false;
    for (const QChar c : QStringView(entry).mid(prefix.size())) {
        if (!RandomCharacters.contains(c))
            return false;
    }
    return true;
}

// A write of the same file killed while its temporary file had a name leaves that file behind;
// the next write of that file clears it away.
void removeInterruptedWrites(const QString &folder, const QString &fileName)
{
    QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (isTemporaryFileOf(entry, fileName))
            dir.remove(entry);
    }
}

// The rename itself is durable only once the folder that holds the name is synced.
bool syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// An unnamed file can be given a name through /proc; without /proc every temporary file is named.
bool canMakeUnnamedFiles()
{
#ifdef O_TMPFILE
    return ::access("/proc/self/fd", X_OK) == 0;
#else
    return false;
#endif
}
} // namespace

TextOutput::TextOutput(const QString &path, Folder folder)
    : m_path(path), m_folder(QFileInfo(path).absolutePath())
{
    if (!QFileInfo(m_folder).isDir()) {
        if (folder == Folder::MustExist)
            throw RuntimeError(
                RuntimeError::Kind::FileNotFound,
                QStringLiteral("Path not found: folder '%1' of the file '%2'")
                    .arg(QDir::toNativeSeparators(m_folder), QDir::toNativeSeparators(m_path)));
        if (!QDir().mkpath(m_folder))
            fail(QStringLiteral("cannot create its folder '%1'")
                     .arg(QDir::toNativeSeparators(m_folder)));
    }
    if (QFileInfo(path).isDir())
        fail(QStringLiteral("a folder of that name is in the way"));
    removeInterruptedWrites(m_folder, QFileInfo(path).fileName());
    openTemporaryFile();
}

TextOutput::~TextOutput()
{
    if (!m_committed)
        discardTemporaryFile();
}

void TextOutput::openTemporaryFile()
{
    const QByteArray folder = QFile::encodeName(m_folder);
#ifdef O_TMPFILE
    if (canMakeUnnamedFiles()) {
        m_fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        // Some file systems make no unnamed files: a named one below, other errors are final.
        if (m_fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            failWithErrno(QStringLiteral("cannot create a temporary file in its folder"));
    }
#endif
    const QString fileName = QFileInfo(m_path).fileName();
    for (int attempt = 0; m_fd < 0 && attempt < NamingAttempts; ++attempt) {
        m_temporaryPath = randomTemporaryPath(m_folder, fileName);
        m_fd = ::open(QFile::encodeName(m_temporaryPath).constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno != EEXIST) {
            m_temporaryPath.clear();
            failWithErrno(QStringLiteral("cannot create a temporary file in its folder"));
        }
    }
    if (m_fd < 0) {
        m_temporaryPath.clear();
        fail(QStringLiteral("cannot find a free temporary name in its folder"));
    }
    // The new file keeps the access rights of the one it replaces.
    struct stat target = {};
    if (::stat(QFile::encodeName(m_path).constData(), &target) == 0)
        ::fchmod(m_fd, target.st_mode & 07777);
}

void TextOutput::nameTemporaryFile()
{
    if (!m_temporaryPath.isEmpty())
        return;
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
    const QString fileName = QFileInfo(m_path).fileName();
    for (int attempt = 0; attempt < NamingAttempts; ++attempt) {
        const QString candidate = randomTemporaryPath(m_folder, fileName);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, QFile::encodeName(candidate).constData(),
                     AT_SYMLINK_FOLLOW) == 0) {
            m_temporaryPath = candidate;
            return;
        }
        if (errno != EEXIST)
            failWithErrno(QStringLiteral("cannot name its temporary file"));
    }
    fail(QStringLiteral("cannot find a free temporary name in its folder"));
}

void TextOutput::discardTemporaryFile() noexcept
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporaryPath.isEmpty())
        ::unlink(QFile::encodeName(m_temporaryPath).constData());
    m_temporaryPath.clear();
}

void TextOutput::writeLine(const QString &line)
{
    if (!writeAll(m_fd, line.toUtf8() + LineEnd))
        failWithErrno(QStringLiteral("cannot write into its temporary file"));
}

void TextOutput::commit()
{
    if (::fsync(m_fd) != 0)
        failWithErrno(QStringLiteral("cannot sync it to disk"));
    nameTemporaryFile();
    if (::rename(QFile::encodeName(m_temporaryPath).constData(),
                 QFile::encodeName(m_path).constData()) != 0)
        failWithErrno(QStringLiteral("cannot put the new file in place"));
    m_temporaryPath.clear();
    ::close(m_fd);
    m_fd = -1;
    m_committed = true;
    if (!syncFolder(m_folder))
        fail(QStringLiteral("cannot sync its folder to disk"));
}

bool TextOutput::isTemporaryFileName(const QString &entry)
{
    const qsizetype tag = entry.lastIndexOf(TemporaryTag);
    // A dot, a file name of at least one character, the tag, then the random characters.
    return entry.startsWith(QLatin1Char('.')) && tag >= 2 &&
           isTemporaryFileOf(entry, entry.mid(1, tag - 1));
}

void TextOutput::removeInterruptedWritesIn(const QString &folder)
{
    QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (isTemporaryFileName(entry))
            dir.remove(entry);
    }
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

void TextOutput::failWithErrno(const QString &what) const
{
    const int error = errno;
    fail(what + QStringLiteral(" (") + QString::fromLocal8Bit(std::strerror(error)) +
         QLatin1Char(')'));
}

} // namespace platform
