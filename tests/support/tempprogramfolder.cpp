#include "tempprogramfolder.h"

#include <QDir>

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

namespace testsupport {

namespace {

struct CloseDatabase
{
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
struct FinalizeStatement
{
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};

QString quoted(const QString &identifier)
{
    return u'"' + QString(identifier).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QVariant columnValue(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL: return QVariant();
    case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(statement, column));
    case SQLITE_BLOB:
        return QVariant(
            QByteArray(static_cast<const char *>(sqlite3_column_blob(statement, column)),
                       sqlite3_column_bytes(statement, column)));
    default:
        return QVariant(QString::fromUtf8(
            reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
            sqlite3_column_bytes(statement, column)));
    }
}

// Runs one statement with its parameters and collects the rows it returns.
QList<QVariantList> run(const QString &path, const QString &sql, const QVariantList &parameters)
{
    sqlite3 *raw = nullptr;
    const int opened = sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE,
                                       nullptr);
    std::unique_ptr<sqlite3, CloseDatabase> db(raw);
    auto fail = [&](const QString &what) {
        throw std::runtime_error(
            QStringLiteral("test database %1: %2: %3 (%4)")
                .arg(path, what, sql, QString::fromUtf8(db ? sqlite3_errmsg(db.get()) : ""))
                .toStdString());
    };
    if (opened != SQLITE_OK)
        fail(QStringLiteral("cannot open"));
    sqlite3_busy_timeout(db.get(), 5000);
    // A misspelt "column" must fail, not turn into a string literal.
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);

    sqlite3_stmt *rawStatement = nullptr;
    if (sqlite3_prepare_v2(db.get(), sql.toUtf8().constData(), -1, &rawStatement, nullptr) !=
        SQLITE_OK)
        fail(QStringLiteral("cannot prepare"));
    std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(rawStatement);

    for (int i = 0; i < parameters.size(); ++i) {
        const QVariant &value = parameters.at(i);
        if (!value.isValid() || value.isNull()) {
            sqlite3_bind_null(statement.get(), i + 1);
        } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
            sqlite3_bind_int64(statement.get(), i + 1, value.toLongLong());
        } else if (value.typeId() == QMetaType::Double) {
            sqlite3_bind_double(statement.get(), i + 1, value.toDouble());
        } else {
            const QByteArray utf8 = value.toString().toUtf8();
            sqlite3_bind_text(statement.get(), i + 1, utf8.constData(), int(utf8.size()),
                              SQLITE_TRANSIENT);
        }
    }

    QList<QVariantList> result;
    for (;;) {
        const int rc = sqlite3_step(statement.get());
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            fail(QStringLiteral("cannot run"));
        QVariantList row;
        for (int column = 0; column < sqlite3_column_count(statement.get()); ++column)
            row.append(columnValue(statement.get(), column));
        result.append(row);
    }
    return result;
}

} // namespace

TempProgramFolder::TempProgramFolder(const sample::Options &options)
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary program folder: " +
                                 m_dir.errorString().toStdString());
    sample::writeProgramFolder(m_dir.path(), options);
}

QString TempProgramFolder::path() const
{
    return m_dir.path();
}

QString TempProgramFolder::databasePath() const
{
    return filePath(sample::databaseRelativePath());
}

QString TempProgramFolder::filePath(const QString &relativePath) const
{
    return QDir(m_dir.path()).filePath(relativePath);
}

QVariant TempProgramFolder::cell(const QString &table, const QString &id,
                                 const QString &column) const
{
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE 编号 = ?")
                            .arg(quoted(column), quoted(table));
    const QList<QVariantList> found = rows(sql, {id});
    if (found.isEmpty())
        throw std::runtime_error(QStringLiteral("test database %1: no row %2 in %3")
                                     .arg(databasePath(), id, table)
                                     .toStdString());
    return found.first().first();
}

void TempProgramFolder::setCell(const QString &table, const QString &id, const QString &column,
                                const QVariant &value)
{
    execute(
        QStringLiteral("UPDATE %1 SET %2 = ? WHERE 编号 = ?").arg(quoted(table), quoted(column)),
        {value, id});
}

void TempProgramFolder::deleteRow(const QString &table, const QString &id)
{
    execute(QStringLiteral("DELETE FROM %1 WHERE 编号 = ?").arg(quoted(table)), {id});
}

void TempProgramFolder::execute(const QString &sql, const QVariantList &parameters)
{
    run(databasePath(), sql, parameters);
}

QList<QVariantList> TempProgramFolder::rows(const QString &sql,
                                            const QVariantList &parameters) const
{
    return run(databasePath(), sql, parameters);
}

} // namespace testsupport
