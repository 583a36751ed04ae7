#pragma once

// Internal to the database layer: prepared statements kept with their SQLite handle for the next
// use of the same text.

#include <QByteArray>

#include <vector>

struct sqlite3_stmt;

namespace platform::db {

// The statements of one handle at rest (reset, no bindings), by their SQL text. The screens run
// the same texts again and again (a row is read when it is shown and again when it is written;
// every write of the same columns is the same UPDATE); compiling each anew costs more than the
// rest of a read. Finalizes what it holds when dropped.
class StatementCache
{
public:
    StatementCache() = default;
    ~StatementCache();
    StatementCache(StatementCache &&other) noexcept;
    StatementCache &operator=(StatementCache &&other) noexcept;
    StatementCache(const StatementCache &) = delete;
    StatementCache &operator=(const StatementCache &) = delete;

    // The statement compiled from `sql`, taken out of the cache; null when none is kept.
    sqlite3_stmt *take(const QByteArray &sql);
    // Resets the statement and keeps it for its text; the oldest goes when the cache is full.
    void keep(const QByteArray &sql, sqlite3_stmt *statement);
    void clear();

    int size() const { return int(m_entries.size()); }

private:
    struct Entry
    {
        QByteArray sql;
        sqlite3_stmt *statement;
    };
    static constexpr std::size_t capacity = 16;
    std::vector<Entry> m_entries; // oldest first
};

} // namespace platform::db
