#include "crashfolder.h"

#include "samplecontent.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <stdexcept>

namespace {

QString generatedFolder()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        sample::Options options;
        options.rtfSets = {3, 8};
        sample::writeProgramFolder(dir.path(), options);
        return dir.path();
    }();
    return path;
}

void copyFile(const QString &from, const QString &to)
{
    QDir().mkpath(QFileInfo(to).path());
    if (!QFile::copy(from, to))
        throw std::runtime_error("cannot copy " + from.toStdString() + " to " + to.toStdString());
}

} // namespace

CrashFolder::CrashFolder(bool withFiles)
{
    const QString source = generatedFolder();
    if (withFiles) {
        QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next();
            copyFile(file, path() + file.mid(source.size()));
        }
    } else {
        copyFile(source + QLatin1Char('/') + sample::databaseRelativePath(), databasePath());
    }
    QDir().mkpath(recordFolder());
}

QString CrashFolder::databasePath() const
{
    return path() + QLatin1Char('/') + sample::databaseRelativePath();
}

QString CrashFolder::recordFolder() const
{
    return path() + QStringLiteral("/做题记录");
}

void CrashFolder::execute(const QString &sql) const
{
    sqlite3 *db = nullptr;
    const bool opened = sqlite3_open_v2(QFile::encodeName(databasePath()).constData(), &db,
                                        SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    const int rc = opened ? sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr)
                          : SQLITE_CANTOPEN;
    const std::string error = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error(sql.toStdString() + ": " + error);
}

QString CrashFolder::text(const QString &sql) const
{
    sqlite3 *db = nullptr;
    QString value;
    if (sqlite3_open_v2(QFile::encodeName(databasePath()).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK) {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            value = QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return value;
}

void CrashFolder::writeRecord(const QString &name, const QByteArray &bytes) const
{
    QFile file(recordFolder() + QLatin1Char('/') + name);
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
}
