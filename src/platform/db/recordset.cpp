#include "recordset.h"

#include "connection.h"
#include "database.h"
#include "selectquery.h"

#include <algorithm>
#include <optional>

#undef EOF // C's macro would turn Recordset::EOF() into "(-1)()"

namespace platform::db {

namespace {

using Kind = RuntimeError::Kind;

struct Assignment
{
    QString column; // the table column written
    Variant value;
};

} // namespace

Recordset::Recordset() = default;

Recordset::~Recordset()
{
    Close();
}

void Recordset::Open(const QString &source, Connection &connection, LockType lock)
{
    requireClosed();
    if (!connection.isOpen())
        throw RuntimeError(
            Kind::Database,
            QStringLiteral("Cannot run query \"%1\": the connection is not open").arg(source));
    openOn(connection.database(), source, lock);
}

void Recordset::Open(const QString &source, const QString &connectionString, LockType lock)
{
    requireClosed();
    auto connection = std::make_unique<Connection>();
    connection->Open(connectionString);
    openOn(connection->database(), source, lock);
    m_ownConnection = std::move(connection);
}

void Recordset::openOn(std::shared_ptr<Database> database, const QString &source, LockType lock)
{
    requireClosed();
    m_database = std::move(database);
    m_source = source;
    try {
        readRows(source, lock);
    } catch (...) {
        Close();
        throw;
    }
}

// Reads every row now: the recordset is a snapshot and holds no statement (and so no lock on the
// file) while the screens use it. For a single-table query the rowid is fetched as an extra
// first column so that Update can write the row back; a query that cannot carry it is read as
// it is and stays read-only.
void Recordset::readRows(const QString &source, LockType lock)
{
    Database &database = *m_database;
    const QString what = query();
    std::optional<Statement> statement;
    const SingleTableSelect select = lock == adLockReadOnly ? SingleTableSelect()
                                                            : analyzeSelect(source);
    if (lock == adLockReadOnly) {
        m_notWritable = QStringLiteral("it was opened read-only");
    } else if (!select.writable) {
        m_notWritable = select.reason;
    } else {
        statement = prepareWithRowId(select);
        if (!statement) {
            // The table may be new to this connection (SQLite reads a changed schema again
            // when preparing, not when describing a table): prepare as written, which also
            // reports a missing table, and try once more.
            statement.emplace(database, source, what);
            if (std::optional<Statement> again = prepareWithRowId(select))
                statement = std::move(again);
        }
    }
    if (!statement)
        statement.emplace(database, source, what);

    // The columns are described after the first step: a statement compiled on a handle that has
    // not yet seen another connection's change to the table's shape is compiled again by it.
    bool hasRow = statement->step();
    const int first = m_table.isEmpty() ? 0 : 1;
    const int count = statement->columnCount();
    if (count == 0) {
        // A statement that returns no rows (an UPDATE run through a recordset) is simply run;
        // there are no rows to hold, so the recordset stays closed.
        while (hasRow)
            hasRow = statement->step();
        statement.reset(); // back to the database's statements before the database may go
        m_database.reset();
        return;
    }
    statement->describeColumns(first, m_table, m_columns, m_originColumns);
    for (; hasRow; hasRow = statement->step()) {
        if (first == 1)
            m_rowIds.push_back(statement->rowId(0));
        std::vector<Variant> row;
        row.reserve(std::size_t(count - first));
        for (int column = first; column < count; ++column)
            row.push_back(statement->value(column));
        m_rows.push_back(std::move(row));
    }
    m_position = 0;
    m_open = true;
}

bool Recordset::isOpen() const
{
    return m_open;
}

bool Recordset::EOF() const
{
    requireOpen("test EOF");
    return m_position >= int(m_rows.size());
}

int Recordset::RecordCount() const
{
    requireOpen("count its rows");
    return int(m_rows.size());
}

QStringList Recordset::columnNames() const
{
    requireOpen("list its columns");
    return m_columns;
}

Variant Recordset::field(const QString &name) const
{
    requireOpen("read a field");
    const int column = columnIndex(name);
    requireColumn(column, name);
    requireCurrentRow(QStringLiteral("field %1").arg(name));
    const auto pending = m_pending.find(column);
    return pending != m_pending.end() ? pending->second
                                      : m_rows[std::size_t(m_position)][std::size_t(column)];
}

void Recordset::setField(const QString &name, const Variant &value)
{
    requireOpen("assign a field");
    const int column = columnIndex(name);
    requireColumn(column, name);
    requireCurrentRow(QStringLiteral("field %1").arg(name));
    m_pending[column] = value;
}

void Recordset::Update()
{
    requireOpen("Update");
    if (m_pending.empty())
        return;
    requireCurrentRow(QStringLiteral("Update"));
    const QString target = updateTarget();
    const QString what = QStringLiteral("update of ") + target;
    if (!m_notWritable.isEmpty())
        throw RuntimeError(Kind::Database,
                           QStringLiteral("Cannot update %1 of %2: %3 (database: %4)")
                               .arg(target, query(), m_notWritable, m_database->path()));

    // One assignment per table column; a column selected twice takes its last assignment.
    std::vector<Assignment> assignments;
    for (const auto &[column, value] : m_pending) {
        const QString &tableColumn = m_originColumns[column];
        if (tableColumn.isEmpty())
            throw RuntimeError(
                Kind::Database,
                QStringLiteral(
                    "Cannot update %1 of %2: %3 is not a column of table %4 (database: %5)")
                    .arg(target, query(), m_columns[column], m_table, m_database->path()));
        const auto same = std::find_if(
            assignments.begin(), assignments.end(),
            [&](const Assignment &a) { return a.column == tableColumn; });
        if (same != assignments.end())
            same->value = value;
        else
            assignments.push_back({tableColumn, value});
    }

    // RETURNING hands back what the table now holds (its column affinity applied), which is
    // what the row in memory then shows.
    QString sql = QStringLiteral("UPDATE ") + quotedName(m_table) + QStringLiteral(" SET ");
    QString returned = m_rowIdName;
    for (std::size_t i = 0; i < assignments.size(); ++i) {
        const QString column = quotedName(assignments[i].column);
        if (i > 0)
            sql += QLatin1String(", ");
        sql += column + QStringLiteral(" = ?") + QString::number(i + 1);
        returned += QLatin1String(", ") + column;
    }
    sql += QStringLiteral(" WHERE ") + m_rowIdName + QStringLiteral(" = ?") +
           QString::number(assignments.size() + 1) + QStringLiteral(" RETURNING ") + returned;

    Database &database = *m_database;
    const std::size_t row = std::size_t(m_position);
    Transaction transaction(database, what);
    Statement statement(database, sql, what);
    for (std::size_t i = 0; i < assignments.size(); ++i)
        statement.bind(int(i + 1), assignments[i].value);
    statement.bindRowId(int(assignments.size() + 1), m_rowIds[row]);
    if (!statement.step())
        throw RuntimeError(
            Kind::Database,
            QStringLiteral("Cannot update %1: the row no longer exists (database: %2)")
                .arg(target, database.path()));
    const long long newRowId = statement.rowId(0);
    std::vector<Variant> stored;
    for (std::size_t i = 0; i < assignments.size(); ++i)
        stored.push_back(statement.value(int(i + 1)));
    while (statement.step()) {}
    transaction.commit();

    m_rowIds[row] = newRowId;
    for (std::size_t i = 0; i < assignments.size(); ++i)
        for (qsizetype column = 0; column < m_originColumns.size(); ++column)
            if (m_originColumns[column] == assignments[i].column)
                m_rows[row][std::size_t(column)] = stored[i];
    m_pending.clear();
}

void Recordset::MoveNext()
{
    requireOpen("MoveNext");
    requireCurrentRow(QStringLiteral("MoveNext"));
    Update();
    ++m_position;
}

void Recordset::Close()
{
    m_pending.clear();
    m_rows.clear();
    m_rowIds.clear();
    m_columns.clear();
    m_originColumns.clear();
    m_table.clear();
    m_rowIdName.clear();
    m_notWritable.clear();
    m_position = 0;
    m_open = false;
    m_database.reset();
    m_ownConnection.reset();
}

QString Recordset::source() const
{
    return m_source;
}

void Recordset::requireOpen(const char *operation) const
{
    if (!m_open)
        throw RuntimeError(Kind::Database,
                           QStringLiteral("Recordset is not open: cannot %1%2")
                               .arg(QString::fromUtf8(operation),
                                    m_source.isEmpty()
                                        ? QString()
                                        : QStringLiteral(" (last query \"%1\")").arg(m_source)));
}

// The query with the rowid as first column, or nothing (m_notWritable says why).
std::optional<Statement> Recordset::prepareWithRowId(const SingleTableSelect &select)
{
    Database &database = *m_database;
    const QString rowId = database.rowIdName(select.table);
    if (rowId.isEmpty()) {
        m_notWritable = QStringLiteral("table %1 has no rowid").arg(select.table);
        return std::nullopt;
    }
    Statement statement = Statement::tryPrepare(database, select.withLeadingColumn(m_source, rowId),
                                                query());
    if (!statement.isValid() ||
        statement.originTable(0).compare(select.table, Qt::CaseInsensitive) != 0) {
        m_notWritable = QStringLiteral("the rowid of table %1 cannot be read with it")
                            .arg(select.table);
        return std::nullopt;
    }
    m_notWritable.clear();
    m_table = statement.originTable(0);
    m_rowIdName = rowId;
    return statement;
}

void Recordset::requireClosed() const
{
    if (m_open)
        throw RuntimeError(Kind::Database,
                           QStringLiteral("Recordset is already open on %1 (database: %2)")
                               .arg(query(), m_database->path()));
}

void Recordset::requireCurrentRow(const QString &what) const
{
    if (m_position < int(m_rows.size()))
        return;
    if (m_rows.empty())
        throw RuntimeError(Kind::NoCurrentRow,
                           QStringLiteral("No current row for %1: %2 found no row in %3")
                               .arg(what, query(), m_database->path()));
    throw RuntimeError(
        Kind::NoCurrentRow,
        QStringLiteral("No current row for %1: past the last of the %2 rows of %3 in %4")
            .arg(what)
            .arg(m_rows.size())
            .arg(query(), m_database->path()));
}

void Recordset::requireColumn(int column, const QString &name) const
{
    if (column < 0)
        throw RuntimeError(Kind::NoSuchColumn,
                           QStringLiteral("No such column %1 in %2 (database: %3)")
                               .arg(name, query(), m_database->path()));
}

// Exact names first; otherwise the first column whose name differs only in case: column names
// are case-insensitive in the database, as they are in SQL.
int Recordset::columnIndex(const QString &name) const
{
    const qsizetype exact = m_columns.indexOf(name);
    if (exact >= 0)
        return int(exact);
    for (qsizetype column = 0; column < m_columns.size(); ++column)
        if (m_columns[column].compare(name, Qt::CaseInsensitive) == 0)
            return int(column);
    return -1;
}

QString Recordset::query() const
{
    return QStringLiteral("query \"%1\"").arg(m_source);
}

QString Recordset::updateTarget() const
{
    QString target = m_pending.size() > 1 ? QStringLiteral("columns ") : QStringLiteral("column ");
    for (auto entry = m_pending.begin(); entry != m_pending.end(); ++entry) {
        if (entry != m_pending.begin())
            target += QLatin1String(", ");
        target += m_columns[entry->first];
    }
    if (!m_table.isEmpty() && m_position < int(m_rowIds.size()))
        target += QStringLiteral(" of row ") + QString::number(m_rowIds[std::size_t(m_position)]) +
                  QStringLiteral(" in table ") + m_table;
    return target;
}

} // namespace platform::db
