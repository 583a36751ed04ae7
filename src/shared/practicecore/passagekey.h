#pragma once

#include <QString>

namespace platform::db {
class Variant;
}

// The passage of an "RC" question: its row names it by a key in Column, and the file is
// the set's folder, "QOR-ZQ-<set>-", the key and ".rtf".
namespace PassageKey {

inline const QString Column = QStringLiteral("属性");

// The key as it joins into the file name, unchanged: Null joins as the empty text.
QString Text(const platform::db::Variant &key);

// Whether Next on the reading screen loads a new passage for a question with this key: only a
// key that is neither Null nor empty does (also one naming the passage on display); otherwise
// the passage on display stays.
bool NamesPassage(const platform::db::Variant &key);

} // namespace PassageKey
