#include "textoutput.h"

#include "regularfile.h"
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

// The program's own folder for temporary files, inside the target's folder (on the same file
// system, so the finished file can be renamed into place). A user's file beside the exports is
// never taken for one of them.
const QLatin1StringView TemporaryFolderName(".qor-partial");
// A temporary file's name: the target's name, a dot and six of these characters.
const QLatin1StringView
    RandomCharacters("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
constexpr qsizetype RandomLength = 6;
constexpr int NamingAttempts = 100;

QString temporaryFolderOf(const QString &folder)
{
    return folder + QLatin1Char('/') + TemporaryFolderName;
}

QString randomTemporaryPath(const QString &temporaryFolder, const QString &fileName)
{
    QString name = fileName + QLatin1Char('.');
    for (qsizetype i = 0; i < RandomLength; ++i)
        name += RandomCharacters.at(
            QRandomGenerator::global()->bounded(int(RandomCharacters.size())));
    return temporaryFolder + QLatin1Char('/') + name;
}

// Whether `entry`, a name in the temporary folder, is a temporary file of the file `fileName`.
bool isTemporaryFileOf(const QString &entry, const QString &fileName)
{
    const qsizetype stem = entry.size() - RandomLength - 1;
    return stem > 0 && stem == fileName.size() && TextOutput::isTemporaryFileName(entry) &&
           entry.startsWith(fileName);
}

// Removes the regular files of the temporary folder whose names `matches` accepts; links,
// folders and anything else put there stay.
template<class Matches> void removeTemporaryFiles(const QString &temporaryFolder, Matches matches)
{
    const QDir dir(temporaryFolder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        const QByteArray path = QFile::encodeName(dir.filePath(entry));
        struct stat info = {};
        if (matches(entry) && ::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode))
            ::unlink(path.constData());
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
    : m_path(path), m_folder(QFileInfo(path).absolutePath()),
      m_temporaryFolder(temporaryFolderOf(m_folder))
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
    prepareTemporaryFolder();
    const QString fileName = QFileInfo(path).fileName();
    // A write of the same file killed while its temporary file had a name left that file.
    removeTemporaryFiles(m_temporaryFolder, [&fileName](const QString &entry) {
        return isTemporaryFileOf(entry, fileName);
    });
    openTemporaryFile();
}

TextOutput::~TextOutput()
{
    if (!m_committed)
        discardTemporaryFile();
}

void TextOutput::prepareTemporaryFolder()
{
    const QByteArray folder = QFile::encodeName(m_temporaryFolder);
    if (::mkdir(folder.constData(), 0700) == 0) {
        // As open as the folder it sits in, whatever the umask: every user who may write the
        // exports there (a folder shared by several) must be able to write this one too.
        struct stat parent = {};
        if (::stat(QFile::encodeName(m_folder).constData(), &parent) != 0 ||
            ::chmod(folder.constData(), parent.st_mode & 07777) != 0)
            failWithErrno(QStringLiteral("cannot open its temporary folder '%1' to the users of "
                                         "its folder")
                              .arg(QDir::toNativeSeparators(m_temporaryFolder)));
    } else if (errno != EEXIST) {
        failWithErrno(QStringLiteral("cannot create its temporary folder '%1'")
                          .arg(QDir::toNativeSeparators(m_temporaryFolder)));
    }
    // Only a folder of its own: not a link elsewhere, where other files could be taken for ours.
    struct stat info = {};
    if (::lstat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        fail(QStringLiteral("'%1', the name of its temporary folder, is taken by %2")
                 .arg(QDir::toNativeSeparators(m_temporaryFolder),
                      S_ISLNK(info.st_mode)   ? QStringLiteral("a link")
                      : S_ISREG(info.st_mode) ? QStringLiteral("a file")
                                              : fileKindWords(info.st_mode)));
}

void TextOutput::openTemporaryFile()
{
    const QByteArray folder = QFile::encodeName(m_temporaryFolder);
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
        m_temporaryPath = randomTemporaryPath(m_temporaryFolder, fileName);
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
        const QString candidate = randomTemporaryPath(m_temporaryFolder, fileName);
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

QString TextOutput::temporaryFolderName()
{
    return TemporaryFolderName;
}

bool TextOutput::isTemporaryFileName(const QString &entry)
{
    // A file name of at least one character, a dot, then the random characters.
    const qsizetype dot = entry.size() - RandomLength - 1;
    if (dot < 1 || entry.at(dot) != QLatin1Char('.'))
        return false;
    for (const QChar c : QStringView(entry).mid(dot + 1)) {
        if (!RandomCharacters.contains(c))
            return false;
    }
    return true;
}

void TextOutput::removeInterruptedWritesIn(const QString &folder)
{
    removeTemporaryFiles(temporaryFolderOf(folder), &TextOutput::isTemporaryFileName);
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
