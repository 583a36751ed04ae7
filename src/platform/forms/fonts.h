#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The screens name Windows fonts (Segoe UI, 微软雅黑, 宋体); map them to installed families that
// show Chinese text. Call once at program start.
void installFontSubstitutions();

// A font of the given family and size in points. Sizes are set in pixels at 96 dpi (12 pt =
// 16 px), as the screens were measured, whatever the display's dpi.
QFont makeFont(const QString &family, double pointSize, bool bold = false);
int pointsToPixels(double pointSize);

} // namespace platform
