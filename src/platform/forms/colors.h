#pragma once

#include <QColor>
#include <QString>

namespace platform {

// Colours as the layouts write them: "&HBBGGRR" (blue-green-red, hexadecimal) or the name of a
// system colour ("window", "windowText", "buttonFace", "buttonText", "highlight",
// "highlightText"). An unknown text gives an invalid colour.
QColor colorFromBgr(quint32 bgr);
QColor parseColor(const QString &text);

} // namespace platform
