#pragma once

// Internal to the database layer: one compiled statement for every number a query text ends with.

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform::db {

// A text whose WHERE clause ends in one comparison of a column with a whole number, as
// "select * from QOR3 where 题号=17", compiled as "select * from QOR3 where 题号=?1" with 17
// bound: the screens read one row after another with such texts, and every new number would
// otherwise be compiled anew.
struct TrailingLiteral
{
    QByteArray parameterized; // UTF-8, the literal replaced by ?1
    int value;
};

// Only `WHERE <column> = <1 to 9 digits>` at the very end (blanks and one ';' may follow) of a
// SELECT, UPDATE, DELETE or WITH statement, the column a bare or quoted name, and no parameter
// marker anywhere in the text; nothing for any other text, which is compiled as written.
std::optional<TrailingLiteral> parameterizeTrailingLiteral(const QString &sql);

} // namespace platform::db
