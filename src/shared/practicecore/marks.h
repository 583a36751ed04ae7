#pragma once

#include <QString>

namespace platform::db {
class Variant;
}

// The mark of an answer and the time it took, as Next writes them into the attempt columns.
namespace Marks {

inline const QString Right = QStringLiteral("\u221A"); // √
inline const QString Wrong = QStringLiteral("\u00D7"); // ×

// Right when the recorded letter equals the key exactly: case and blanks count, and a Null key
// matches nothing.
QString MarkFor(const QString &recorded, const platform::db::Variant &key);

// True for the right mark only: the two blanks of the reset, a wrong mark, Null and any other
// text are not right.
bool IsRight(const platform::db::Variant &mark);

} // namespace Marks

// The time spent on a question as the attempt record stores it: minutes and seconds, each with
// at least two digits (605 -> "10:05", 6000 -> "100:00").
QString TimeSpentText(int seconds);
