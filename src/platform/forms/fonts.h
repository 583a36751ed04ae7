#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace platform {

// The screens and the question files name Windows fonts (Segoe UI, 微软雅黑, 宋体, Times New
// Roman, ...); map them all to one list of installed families that show Chinese and English
// text. Call once at program start.
//
// The list follows a fixed order of preference (WenQuanYi Micro Hei first, which the set-up
// installs) and keeps only the families whose line of Chinese and English, glyphs from fallback
// fonts included, fits a question box's line pitch at every question size: whatever else is
// installed (Noto CJK, whose lines are 25 px high at 13 pt) never clips a question's line.
void installFontSubstitutions();

// The families installFontSubstitutions() maps the Windows names to, in order.
QStringList substituteFamilies();
// The Windows names mapped.
QStringList windowsFontNames();

// A font of the given family and size in points. Sizes are set in pixels at 96 dpi (12 pt =
// 16 px), as the screens were measured, whatever the display's dpi.
QFont makeFont(const QString &family, double pointSize, bool bold = false);
int pointsToPixels(double pointSize);

} // namespace platform
