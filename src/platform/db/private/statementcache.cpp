#include "statementcache.h"

#include <sqlite3.h>

#include <utility>

namespace platform::db {

StatementCache::~StatementCache()
{
    clear();
}

StatementCache::StatementCache(StatementCache &&other) noexcept
    : m_entries(std::exchange(other.m_entries, {}))
{}

StatementCache &StatementCache::operator=(StatementCache &&other) noexcept
{
    if (this != &other) {
        clear();
        m_entries = std::exchange(other.m_entries, {});
    }
    return *this;
}

sqlite3_stmt *StatementCache::take(const QByteArray &sql)
{
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->sql == sql) {
            sqlite3_stmt *statement = it->statement;
            m_entries.erase(it);
            return statement;
        }
    }
    return nullptr;
}

void StatementCache::keep(const QByteArray &sql, sqlite3_stmt *statement)
{
    // A statement whose last step failed reports that error again at reset; it is kept all the
    // same, since the next step runs it afresh.
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (m_entries.size() >= capacity) {
        sqlite3_finalize(m_entries.front().statement);
        m_entries.erase(m_entries.begin());
    }
    m_entries.push_back({sql, statement});
}

void StatementCache::clear()
{
    for (const Entry &entry : m_entries)
        sqlite3_finalize(entry.statement);
    m_entries.clear();
}

} // namespace platform::db
