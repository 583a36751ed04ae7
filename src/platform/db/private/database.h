#pragma once

// Internal to the database layer: the open SQLite handle, prepared statements and transactions.
// Screens use Connection and Recordset; only the layer itself includes this header.

#include "idlehandles.h"
#include "runtimeerror.h"
#include "statementcache.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::db {

class Variant;

// One open SQLite database file. Shared by the connection that opened it and every recordset
// opened on it, so a recordset keeps working after its connection is closed or dropped.
class Database
{
public:
    // Opens an existing file read-write; never creates one. Throws RuntimeError(FileNotFound)
    // when the file is missing, RuntimeError(Database) when it cannot be opened as a database.
    static std::shared_ptr<Database> open(const QString &path);

    ~Database(); // a handle at rest, and its statements, serve the next connection to the file

    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    sqlite3 *handle() const { return m_handle.get(); }
    QString path() const { return m_path; }

    // Throws the error of a failed SQLite call (rc other than OK, ROW or DONE); `what` says what
    // was attempted, e.g. `query "select * from QOR3"`.
    void check(int rc, const QString &what) const;
    // The error for the last failed call: NoSuchTable / NoSuchColumn when SQLite names a missing
    // table or column, Database otherwise. The message names `what` and the file.
    [[noreturn]] void fail(const QString &what) const;

    // Runs one statement to its end, skipping any rows it returns.
    void execute(const char *sql, const QString &what);

    // The name that reaches the rowid of `table` (rowid, _rowid_ or oid, whichever no ordinary
    // column shadows); empty when the table is missing or has no rowid.
    QString rowIdName(const QString &table) const;

private:
    friend class Statement; // takes its compiled statement from m_statements and gives it back

    struct Closer
    {
        void operator()(sqlite3 *handle) const noexcept;
    };

    Database(const QString &path, sqlite3 *handle, FileIdentity file,
             StatementCache statements = {});

    QString m_path;
    std::unique_ptr<sqlite3, Closer> m_handle;
    FileIdentity m_file; // the file SQLite opened, checked to be the one the path named then
    StatementCache m_statements; // dropped (finalized) before the handle closes
};

// A prepared statement. Dropped, it goes back to its database's statements for the next use of
// the same text (a text that held anything after its statement is finalized instead); a text
// ending in `WHERE <column> = <literal>` is kept as one for every value (see trailingliteral.h).
class Statement
{
public:
    ~Statement();
    Statement(Statement &&) = default;
    Statement &operator=(Statement &&) = default;

    // Prepares `sql`; throws through Database::fail naming `what` when SQLite refuses it, and
    // RuntimeError(Database) when the text holds no statement or more than one.
    Statement(Database &database, const QString &sql, const QString &what);
    // Prepares `sql` or leaves the statement empty (see isValid) without throwing; `what` is
    // named by the errors of step().
    static Statement tryPrepare(Database &database, const QString &sql, const QString &what);

    bool isValid() const { return m_statement != nullptr; }

    // True: a row is ready; false: done. Throws naming `what`, also when the statement has run
    // past its time limit (5 seconds from its first step), which stops it.
    bool step();
    void bind(int index, const Variant &value); // 1-based like SQLite
    void bindRowId(int index, long long rowId);

    int columnCount() const;
    // The table a result column reads, empty for expressions (needs SQLite's column metadata,
    // which Debian's build has).
    QString originTable(int column) const;
    // Appends the names of the result columns from `first` on to `names`, and to `tableColumns`
    // the column of `table` each one reads (empty for an expression, another table's column, or
    // no table given).
    void describeColumns(int first, const QString &table, QStringList &names,
                         QStringList &tableColumns) const;
    Variant value(int column) const;
    long long rowId(int column) const;

private:
    struct Finalizer
    {
        void operator()(sqlite3_stmt *statement) const noexcept;
    };

    Statement(Database &database, QString what) : m_database(&database), m_what(std::move(what)) {}
    int prepare(const QString &sql);    // `sql`, or the statement it shares with other values
    int compile(const QByteArray &sql); // the kept statement for `sql`, or a new one

    Database *m_database;
    QString m_what;
    QByteArray m_sql; // the text it was compiled from, as SQLite read it; its key when kept
    std::unique_ptr<sqlite3_stmt, Finalizer> m_statement;
    bool m_moreStatements = false;
    std::optional<std::chrono::steady_clock::time_point> m_deadline; // set by the first step
};

// BEGIN IMMEDIATE on construction; rolls back when dropped without commit(). A writer takes its
// lock up front, so a busy database fails (after the busy timeout) before anything is written.
class Transaction
{
public:
    Transaction(Database &database, const QString &what);
    ~Transaction(); // never throws

    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    Database &m_database;
    QString m_what;
    bool m_done = false;
};

// An SQL identifier in double quotes, inner quotes doubled.
QString quotedName(const QString &name);

} // namespace platform::db
