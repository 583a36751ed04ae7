#pragma once

#include <QString>

namespace platform::db {
class Recordset;
}

// The columns of a question's row that a practice writes: the letter given, its mark and the
// time spent. The intro page's reset clears them, Next fills them, the export gives an empty
// letter a single blank; the results and review screens read them.
namespace AttemptColumns {

inline const QString Letter = QStringLiteral("做题记录");
inline const QString Mark = QStringLiteral("正误");
inline const QString Time = QStringLiteral("用时");

// What the reset leaves: no letter, two blanks as the mark (neither mark), no time.
inline const QString ResetMark = QStringLiteral("  ");

// The letter an export leaves in a row that had none.
inline const QString ExportedBlank = QStringLiteral(" ");

// The answer of the row `row` stands on: the letter, its mark against the row's key and the time
// spent, assigned in that order (Update saves them).
void AssignAnswer(platform::db::Recordset &row, const QString &letter, int seconds);

// The reset of the row `row` stands on: the letter, the mark and the time cleared, in that order.
void AssignReset(platform::db::Recordset &row);

} // namespace AttemptColumns
