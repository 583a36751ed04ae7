#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// A text file written in one piece: lines go to a temporary file in the target's folder, and only
// commit() puts the complete file in place of the target, so a reader never sees a half-written
// file and an earlier file of the same name stays intact until the new one is complete. Text is
// UTF-8 (the system code page here) without a byte-order mark; every line ends with CR LF.
// Every failure throws RuntimeError naming the path.
//
// Temporary files live in a hidden folder of the program's own, ".qor-partial" in the target's
// folder (made when missing and kept), so no file of the user's beside the target is ever taken
// for one. A temporary file has no name while it is written (where the file system allows) and is
// named "<name>.XXXXXX" (X: six letters or digits) in that folder only for the moment before the
// rename, or for the whole write elsewhere. A write killed with such a file there leaves it
// behind; the next write of the same file removes it, and only regular files of that form.
class TextOutput
{
public:
    enum class Folder {
        MustExist,    // a missing folder is an error
        CreateMissing // a missing folder (and its missing parents) is created
    };

    // Opens the temporary file. Throws RuntimeError(FileNotFound) when the folder is missing and
    // must exist, RuntimeError(FileIo) when it or the temporary folder cannot be created or
    // written into, or when the target is a folder.
    explicit TextOutput(const QString &path, Folder folder = Folder::MustExist);
    ~TextOutput(); // without commit(): the temporary file goes, the target stays as it was

    TextOutput(const TextOutput &) = delete;
    TextOutput &operator=(const TextOutput &) = delete;

    void writeLine(const QString &line);
    // Syncs the temporary file to disk, renames it over the target and syncs the folder.
    void commit();

    QString path() const { return m_path; }

    // The bytes a file of these lines holds.
    static QByteArray encode(const QStringList &lines);
    // Writes a whole file of lines at once.
    static void writeFile(const QString &path, const QStringList &lines,
                          Folder folder = Folder::MustExist);
    // The name of the temporary folder in a target's folder: ".qor-partial".
    static QString temporaryFolderName();
    // Whether a name in the temporary folder is that of a temporary file ("<name>.XXXXXX"): what
    // a write killed between naming its temporary file and the rename leaves behind.
    static bool isTemporaryFileName(const QString &entry);
    // Removes every such file in the temporary folder of `folder`, whatever file it was to
    // become; nothing else. For a folder no other process writes into while this runs.
    static void removeInterruptedWritesIn(const QString &folder);

private:
    void prepareTemporaryFolder();
    void openTemporaryFile();
    void nameTemporaryFile();
    void discardTemporaryFile() noexcept;
    [[noreturn]] void fail(const QString &what) const;
    [[noreturn]] void failWithErrno(const QString &what) const;

    QString m_path;
    QString m_folder;
    QString m_temporaryFolder;
    QString m_temporaryPath; // empty while the temporary file has no name
    int m_fd = -1;
    bool m_committed = false;
};

} // namespace platform
