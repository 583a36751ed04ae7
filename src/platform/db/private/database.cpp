#include "database.h"

#include "idlehandles.h"
#include "regularfile.h"
#include "trailingliteral.h"
#include "variant.h"

#include <QFileInfo>

#include <sqlite3.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace platform::db {

namespace {

using Kind = RuntimeError::Kind;

// A writer waits this long for another connection (or another program) to finish before failing.
constexpr int busyTimeoutMs = 5000;

// A statement that works longer than this is stopped: a trigger or view of the database that never
// ends must not freeze the screens. Waiting for another program's lock is the busy timeout's.
constexpr std::chrono::seconds statementTimeLimit{5};
// How many virtual-machine steps run between two looks at the clock (a few microseconds' work).
constexpr int stepsBetweenChecks = 1000;

int pastDeadline(void *deadline)
{
    return std::chrono::steady_clock::now() >
           *static_cast<std::chrono::steady_clock::time_point *>(deadline);
}

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString afterPrefix(const QString &message, QLatin1StringView prefix)
{
    QString rest = message.mid(prefix.size()).trimmed();
    if (rest.startsWith(QLatin1String("main."), Qt::CaseInsensitive))
        rest = rest.mid(5);
    return rest;
}

// The longest database path SQLite can work with: its file layer takes paths of mxPathname bytes,
// and the rollback journal's path (the database's with "-journal" after it) must fit as well.
int longestPath()
{
    const sqlite3_vfs *vfs = sqlite3_vfs_find(nullptr);
    return (vfs ? vfs->mxPathname : 512) - static_cast<int>(sizeof "-journal" - 1);
}

// SQLite opens the path again by itself: a file swapped for a pipe since `checked` was opened
// would be the one it reads. The handle has the file the path names now (it has not moved), and
// that is the regular file checked.
void requireSameFile(sqlite3 *handle, const RegularFile &checked)
{
    int moved = 1;
    if (sqlite3_file_control(handle, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK ||
        moved != 0 || !checked.sameFileAs(checked.path()))
        throw RuntimeError(
            Kind::Database,
            QStringLiteral("Cannot open database %1: the file was replaced while it was opened")
                .arg(checked.path()));
}

} // namespace

void Database::Closer::operator()(sqlite3 *handle) const noexcept
{
    // close_v2 defers the close while a statement is still alive instead of failing.
    sqlite3_close_v2(handle);
}

Database::Database(const QString &path, sqlite3 *handle, FileIdentity file,
                   StatementCache statements)
    : m_path(path), m_handle(handle), m_file(file), m_statements(std::move(statements))
{}

Database::~Database()
{
    // Only a handle at rest (no open transaction, no statement but the kept ones, all reset) may
    // serve another connection; any other is closed.
    sqlite3 *handle = m_handle.get();
    if (!handle || sqlite3_get_autocommit(handle) == 0)
        return;
    int live = 0;
    for (sqlite3_stmt *statement = sqlite3_next_stmt(handle, nullptr); statement;
         statement = sqlite3_next_stmt(handle, statement))
        ++live;
    if (live == m_statements.size())
        idleHandles().park({m_path, m_handle.release(), m_file, std::move(m_statements)});
}

std::shared_ptr<Database> Database::open(const QString &path)
{
    if (std::optional<IdleHandles::Idle> reused = idleHandles().takeUnchanged(path))
        return std::shared_ptr<Database>(
            new Database(path, reused->handle, reused->file, std::move(reused->statements)));

    if (!QFileInfo::exists(path))
        throw RuntimeError(Kind::FileNotFound,
                           QStringLiteral("Database file not found: %1").arg(path));
    // A pipe or a device in the file's place would block SQLite's first read for good. The file
    // stays open until SQLite has opened the same one (checked below).
    const RegularFile file(path);
    // SQLite would take an empty file for an empty database and write to it; an empty file is
    // a damaged or unfinished one here.
    if (file.size() == 0)
        throw RuntimeError(Kind::Database,
                           QStringLiteral("Not a database (the file is empty): %1").arg(path));

    const QByteArray utf8Path = path.toUtf8();
    if (utf8Path.size() > longestPath())
        throw RuntimeError(
            Kind::Database,
            QStringLiteral("Cannot open database %1: the path is too long (%2 bytes in UTF-8; "
                           "SQLite opens paths of at most %3 bytes)")
                .arg(path)
                .arg(utf8Path.size())
                .arg(longestPath()));

    // The same file as checked: it has not moved.
    if (std::optional<IdleHandles::Idle> reused = idleHandles().take(path))
        return std::shared_ptr<Database>(
            new Database(path, reused->handle, reused->file, std::move(reused->statements)));

    sqlite3 *raw = nullptr;
    // No SQLITE_OPEN_CREATE: a file that vanished since the check above is not recreated empty.
    const int rc = sqlite3_open_v2(utf8Path.constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    // Closed, never pooled, unless the open and the probe below pass: only a Database made from
    // a good open may hand its handle to the next connection.
    std::unique_ptr<sqlite3, Closer> opened(raw);
    if (rc != SQLITE_OK) {
        const QString reason = raw ? QString::fromUtf8(sqlite3_errmsg(raw))
                                   : QString::fromUtf8(sqlite3_errstr(rc));
        throw RuntimeError(Kind::Database,
                           QStringLiteral("Cannot open database %1: %2").arg(path, reason));
    }
    requireSameFile(raw, file);
    sqlite3_busy_timeout(raw, busyTimeoutMs);

    // Durability: the file keeps its own journal mode (a rollback journal, DELETE, unless someone
    // switched it to WAL); synchronous=EXTRA makes a commit durable in both. With a rollback
    // journal, EXTRA also syncs the folder after the journal is deleted, which is the commit
    // point, so a committed Update survives even a power cut, let alone a killed process.
    // Why not switch to WAL: the program opens a connection, reads, updates and closes it several
    // times per user action, and in WAL every last close checkpoints into the file and removes the
    // -wal/-shm files; counted, that is as many syncs per cycle (five) as a rollback commit with
    // EXTRA, while WAL would leave side files next to QOR.mdb after a crash and change the file's
    // mode for every other program that reads it.
    // The pragma only changes a connection setting (no I/O of its own) but reads the file
    // header, so it is also the check that the file is a database at all.
    const int probe = sqlite3_exec(raw, "PRAGMA synchronous=EXTRA", nullptr, nullptr, nullptr);
    if (probe != SQLITE_OK)
        throw RuntimeError(Kind::Database, QStringLiteral("Not a database: %1 (%2)")
                                               .arg(path, QString::fromUtf8(sqlite3_errmsg(raw))));
    return std::shared_ptr<Database>(
        new Database(path, opened.release(), FileIdentity{file.device(), file.inode()}));
}

void Database::check(int rc, const QString &what) const
{
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail(what);
}

void Database::fail(const QString &what) const
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(handle()));
    const QString where = QStringLiteral("in %1 (database: %2)").arg(what, m_path);
    static constexpr QLatin1StringView noTable("no such table:");
    static constexpr QLatin1StringView noColumn("no such column:");
    if (message.startsWith(noTable))
        throw RuntimeError(
            Kind::NoSuchTable,
            QStringLiteral("No such table %1 %2").arg(afterPrefix(message, noTable), where));
    if (message.startsWith(noColumn))
        throw RuntimeError(
            Kind::NoSuchColumn,
            QStringLiteral("No such column %1 %2").arg(afterPrefix(message, noColumn), where));
    throw RuntimeError(
        Kind::Database,
        QStringLiteral("%1 failed: %2 (database: %3)").arg(capitalized(what), message, m_path));
}

void Database::execute(const char *sql, const QString &what)
{
    // Compiled once and kept with the handle's statements, like any other text: every answer's
    // write runs BEGIN IMMEDIATE and COMMIT.
    Statement statement(*this, QString::fromLatin1(sql), what);
    while (statement.step()) {}
}

QString Database::rowIdName(const QString &table) const
{
    const QByteArray tableName = table.toUtf8();
    for (const char *name : {"rowid", "_rowid_", "oid"}) {
        const char *type = nullptr;
        int primaryKey = 0;
        // Asked for a rowid name, SQLite describes the rowid (INTEGER, primary key) unless an
        // ordinary column of that name exists; it fails for a WITHOUT ROWID table.
        const int rc = sqlite3_table_column_metadata(handle(), "main", tableName.constData(), name,
                                                     &type, nullptr, nullptr, &primaryKey, nullptr);
        if (rc == SQLITE_OK && primaryKey && type &&
            QString::fromUtf8(type).compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(name);
    }
    return QString();
}

void Statement::Finalizer::operator()(sqlite3_stmt *statement) const noexcept
{
    sqlite3_finalize(statement);
}

Statement::Statement(Database &database, const QString &sql, const QString &what)
    : Statement(database, what)
{
    if (prepare(sql) != SQLITE_OK)
        database.fail(what);
    if (!m_statement)
        throw RuntimeError(
            RuntimeError::Kind::Database,
            QStringLiteral("Nothing to run in %1 (database: %2)").arg(what, database.path()));
    if (m_moreStatements)
        throw RuntimeError(RuntimeError::Kind::Database,
                           QStringLiteral("More than one statement in %1 (database: %2)")
                               .arg(what, database.path()));
}

Statement Statement::tryPrepare(Database &database, const QString &sql, const QString &what)
{
    Statement statement(database, what);
    if (statement.prepare(sql) != SQLITE_OK || statement.m_moreStatements)
        statement.m_statement.reset();
    return statement;
}

Statement::~Statement()
{
    if (m_statement && !m_moreStatements)
        m_database->m_statements.keep(m_sql, m_statement.release());
}

int Statement::prepare(const QString &sql)
{
    // A text ending in `WHERE <column> = <literal>` shares one compiled statement with every
    // other value; the value is bound before the statement's first step. Anything unexpected
    // of the shared text, and the text is compiled as written, which also gives any error its
    // own words.
    if (const std::optional<TrailingLiteral> literal = parameterizeTrailingLiteral(sql)) {
        if (compile(literal->parameterized) == SQLITE_OK && m_statement && !m_moreStatements &&
            sqlite3_bind_parameter_count(m_statement.get()) == 1 &&
            literal->bindTo(m_statement.get()) == SQLITE_OK)
            return SQLITE_OK;
        m_statement.reset();
        m_moreStatements = false;
    }
    return compile(sql.toUtf8());
}

int Statement::compile(const QByteArray &sql)
{
    m_sql = sql;
    if (sqlite3_stmt *kept = m_database->m_statements.take(m_sql)) {
        m_statement.reset(kept);
        return SQLITE_OK;
    }
    const char *tail = nullptr;
    sqlite3_stmt *raw = nullptr;
    const int rc = sqlite3_prepare_v3(m_database->handle(), m_sql.constData(), int(m_sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &raw, &tail);
    m_statement.reset(raw);
    if (rc != SQLITE_OK || !tail || *tail == '\0')
        return rc;
    // Text after the first statement: blanks, a ';' or a comment are fine, a second statement
    // is not (it would be silently ignored).
    sqlite3_stmt *next = nullptr;
    const int nextRc = sqlite3_prepare_v3(m_database->handle(), tail, -1, 0, &next, nullptr);
    m_moreStatements = nextRc != SQLITE_OK || next != nullptr;
    sqlite3_finalize(next);
    return rc;
}

bool Statement::step()
{
    // One limit for the whole statement, however many rows it returns.
    if (!m_deadline)
        m_deadline = std::chrono::steady_clock::now() + statementTimeLimit;
    sqlite3 *handle = m_database->handle();
    sqlite3_progress_handler(handle, stepsBetweenChecks, &pastDeadline, &*m_deadline);
    const int rc = sqlite3_step(m_statement.get());
    sqlite3_progress_handler(handle, 0, nullptr, nullptr);
    if (rc == SQLITE_INTERRUPT)
        // SQLite has undone the statement; a transaction around it is rolled back by its owner.
        throw RuntimeError(RuntimeError::Kind::Database,
                           QStringLiteral("%1 was stopped after %2 seconds, the longest a database "
                                          "statement may run; nothing of it was written "
                                          "(database: %3)")
                               .arg(capitalized(m_what))
                               .arg(statementTimeLimit.count())
                               .arg(m_database->path()));
    m_database->check(rc, m_what);
    return rc == SQLITE_ROW;
}

void Statement::bind(int index, const Variant &value)
{
    sqlite3_stmt *statement = m_statement.get();
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(statement, index);
    } else if (value.isText()) {
        const QByteArray utf8 = value.joinText().toUtf8();
        rc = sqlite3_bind_text64(statement, index, utf8.constData(), sqlite3_uint64(utf8.size()),
                                 SQLITE_TRANSIENT, SQLITE_UTF8);
    } else {
        // Whole numbers go in as integers, so an INTEGER column holds 3 rather than 3.0 and a
        // TEXT column holds "3".
        const double number = value.toNumber();
        if (std::trunc(number) == number && std::fabs(number) < 9.0e15)
            rc = sqlite3_bind_int64(statement, index, sqlite3_int64(number));
        else
            rc = sqlite3_bind_double(statement, index, number);
    }
    m_database->check(rc, m_what);
}

void Statement::bindRowId(int index, long long rowId)
{
    m_database->check(sqlite3_bind_int64(m_statement.get(), index, rowId), m_what);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_statement.get());
}

QString Statement::originTable(int column) const
{
    return QString::fromUtf8(sqlite3_column_table_name(m_statement.get(), column));
}

void Statement::describeColumns(int first, const QString &table, QStringList &names,
                                QStringList &tableColumns) const
{
    // A whole row is described at every read: the texts SQLite hands out are compared as they
    // are, and a column's name serves as its table column's name when the two are the same.
    sqlite3_stmt *statement = m_statement.get();
    const QByteArray tableName = table.toUtf8();
    const int count = sqlite3_column_count(statement);
    for (int column = first; column < count; ++column) {
        const char *name = sqlite3_column_name(statement, column);
        const QString columnName = QString::fromUtf8(name);
        names << columnName;
        const char *originTable = sqlite3_column_table_name(statement, column);
        const char *originColumn = sqlite3_column_origin_name(statement, column);
        const bool ours = !table.isEmpty() && originTable && originColumn &&
                          (tableName == originTable ||
                           QString::fromUtf8(originTable).compare(table, Qt::CaseInsensitive) == 0);
        if (!ours)
            tableColumns << QString();
        else if (std::strcmp(originColumn, name) == 0)
            tableColumns << columnName;
        else
            tableColumns << QString::fromUtf8(originColumn);
    }
}

Variant Statement::value(int column) const
{
    sqlite3_stmt *statement = m_statement.get();
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL: return Variant::null();
    case SQLITE_INTEGER: return Variant(double(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT: return Variant(sqlite3_column_double(statement, column));
    default: {
        // TEXT, and a BLOB read as the UTF-8 text it most likely holds.
        const auto *bytes = static_cast<const char *>(sqlite3_column_blob(statement, column));
        const int size = sqlite3_column_bytes(statement, column);
        return Variant(QString::fromUtf8(bytes, size));
    }
    }
}

long long Statement::rowId(int column) const
{
    return sqlite3_column_int64(m_statement.get(), column);
}

Transaction::Transaction(Database &database, const QString &what)
    : m_database(database), m_what(what)
{
    m_database.execute("BEGIN IMMEDIATE", m_what);
}

Transaction::~Transaction()
{
    if (!m_done)
        sqlite3_exec(m_database.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_database.execute("COMMIT", m_what);
    m_done = true;
}

QString quotedName(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace platform::db
