#pragma once

#include <QString>
#include <QtGlobal>

// Marks and colours that more than one screen shows.
namespace ScreenLooks {

// The 正误 cell of an answered question: right or wrong, as Next writes it and the results screen
// counts and colours it.
inline const QString RightMark = QStringLiteral("\u221A"); // √
inline const QString WrongMark = QStringLiteral("\u00D7"); // ×

// A text link (start, results, export) at rest and while the mouse is down on it, in the
// layouts' blue-green-red notation.
constexpr quint32 LinkColor = 0x400000;      // navy
constexpr quint32 LinkPressedColor = 0x7259; // olive

} // namespace ScreenLooks
