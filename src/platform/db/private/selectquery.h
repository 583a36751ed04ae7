#pragma once

// Internal to the database layer: whether a query text reads rows of exactly one table, one
// result row per table row, so that its rows can be written back by rowid.

#include <QString>

namespace platform::db {

struct SingleTableSelect
{
    bool writable = false;
    QString reason;         // why not, when not writable
    QString table;          // the table named after FROM, unquoted
    QString qualifier;      // how the query refers to it (its alias, or the table as written)
    qsizetype insertAt = 0; // where an extra first result column can go: after SELECT [ALL]

    // The query with `column` (qualified by the table's name in the query) as first result column.
    QString withLeadingColumn(const QString &query, const QString &column) const;
};

// Looks at the text only (SQLite checks the rest): SELECT [ALL] ... FROM one table [AS alias]
// followed by nothing or WHERE / ORDER BY / LIMIT, without DISTINCT, joins, grouping,
// aggregates or compound parts outside sub-queries.
SingleTableSelect analyzeSelect(const QString &query);

} // namespace platform::db
