#pragma once

#include <QString>
#include <QtGlobal>

// Colours that more than one screen shows.
namespace ScreenLooks {

// A text link (start, results, export) at rest and while the mouse is down on it, in the
// layouts' blue-green-red notation.
constexpr quint32 LinkColor = 0x400000;      // navy
constexpr quint32 LinkPressedColor = 0x7259; // olive

} // namespace ScreenLooks
