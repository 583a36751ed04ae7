#pragma once

#include "variant.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace platform::db {

class Connection;
class Database;
class Statement;
struct SingleTableSelect;

enum LockType { adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3 };

// The rows a query found, held in memory (a static cursor, the one kind there is), positioned on
// the first. Fields are read
// and assigned by column name. Update writes the assigned fields of the current row in one
// statement and one transaction, durable when it returns.
class Recordset
{
public:
    Recordset();
    ~Recordset(); // a recordset dropped with pending changes does not save them

    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;

    // Runs the query on an open connection. Throws RuntimeError naming the query and the database
    // when the table or a column is missing or the query fails.
    void Open(const QString &source, Connection &connection, LockType lock = adLockOptimistic);
    // The same on a connection of its own, opened from a connection string.
    void Open(const QString &source, const QString &connectionString,
              LockType lock = adLockOptimistic);

    bool isOpen() const;
    // Past the last row. C's EOF macro would turn the name into "(-1)": it is set aside for this
    // declaration only, and a file that calls EOF() undefines it for itself.
#pragma push_macro("EOF")
#undef EOF
    bool EOF() const;
#pragma pop_macro("EOF")
    int RecordCount() const;
    QStringList columnNames() const;

    // The field of the current row (pending assignments included). Throws NoCurrentRow at the
    // end, NoSuchColumn for an unknown name; both name the query.
    Variant field(const QString &name) const;
    // Assigns a field of the current row; written by Update (or by MoveNext).
    void setField(const QString &name, const Variant &value);

    void Update();   // saves the pending assignments of the current row; nothing pending: no-op
    void MoveNext(); // saves pending changes, then moves one row on
    void Close();    // drops pending changes

    QString source() const;

private:
    void requireOpen(const char *operation) const;
    void requireClosed() const;
    void requireCurrentRow(const QString &what) const;
    int columnIndex(const QString &name) const;
    void openOn(std::shared_ptr<Database> database, const QString &source, LockType lock);
    void readRows(const QString &source, LockType lock);
    std::optional<Statement> prepareWithRowId(const SingleTableSelect &select);
    void requireColumn(int column, const QString &name) const;
    QString query() const;        // `query "<source>"`, for messages
    QString updateTarget() const; // the columns, row and table an Update writes, for messages

    std::shared_ptr<Database> m_database;
    std::unique_ptr<Connection> m_ownConnection;
    QString m_source;
    QString m_table; // the table a row is written back to
    QStringList m_columns;
    std::vector<std::vector<Variant>> m_rows;
    std::vector<long long> m_rowIds;  // rowid of each row, for writing back
    std::map<int, Variant> m_pending; // column index -> assigned value
    QStringList m_originColumns;      // the table column each result column reads; empty: none
    QString m_rowIdName;              // rowid, _rowid_ or oid: whichever no column shadows
    QString m_notWritable;            // why Update cannot write back, empty when it can
    int m_position = 0;
    bool m_open = false;
};

} // namespace platform::db
