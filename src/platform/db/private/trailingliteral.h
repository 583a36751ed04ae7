#pragma once

// Internal to the database layer: one compiled statement for every value a query text ends with.

#include <QByteArray>
#include <QString>

#include <optional>

struct sqlite3_stmt;

namespace platform::db {

// A text whose WHERE clause ends in one comparison of a column with a literal, as
// "select * from QOR3 where 编号= 'QOR3-Q17'" or "... where 题号=17", compiled as
// "... where 编号= ?1" with the literal's value bound: the screens read one row after another
// with such texts, and every new value would otherwise be compiled anew. A bound value compares
// as its literal does (neither has an affinity or a collation of its own).
struct TrailingLiteral
{
    QByteArray parameterized; // UTF-8, the literal replaced by ?1
    bool isText = false;
    int number = 0;  // the number, unless isText
    QByteArray text; // the text, UTF-8 without its quotes, when isText

    int bindTo(sqlite3_stmt *statement) const; // as parameter 1; SQLite's result code
};

// Only `WHERE <column> = <literal>` at the very end (blanks and one ';' may follow) of a SELECT,
// UPDATE, DELETE or WITH statement, the column a bare or quoted name, the literal 1 to 9 digits
// or a text in single quotes, and no parameter marker anywhere in the text; nothing for any
// other text, which is compiled as written.
std::optional<TrailingLiteral> parameterizeTrailingLiteral(const QString &sql);

} // namespace platform::db
