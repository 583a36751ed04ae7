#pragma once

#include <QString>

// Columns of a set's question table that the screens and the export read by name, besides the
// type (QuestionTypes::Column), the passage key (PassageKey::Column) and the attempt columns
// (AttemptColumns). The option texts are the columns "A" to "E".
namespace QuestionColumns {

inline const QString Id = QStringLiteral("编号");     // the question ID, "QOR3-Q7"
inline const QString Answer = QStringLiteral("答案"); // the key: the right letter

} // namespace QuestionColumns
