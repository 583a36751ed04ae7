#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

// What the mapped family must fit: a line of Chinese and English at each of these sizes, regular
// and bold, glyphs from fallback fonts included, no higher than the line pitch. No sizes: any
// installed family fits.
struct LineFit
{
    QList<double> pointSizes;
    double linePitchPixels = 0;
};

// The screens and the files they show name Windows fonts (Segoe UI, 微软雅黑, 宋体, Times New
// Roman, ...); map them all to one installed family that shows Chinese and English text. Call
// once at program start, before any screen opens.
//
// The family is the first, in a fixed order of preference (WenQuanYi Micro Hei first, which the
// set-up installs), whose lines meet `fit`: whatever else is installed (Noto CJK, whose lines are
// 25 px high at 13 pt) is never chosen where its lines would be too high. The families after the
// chosen one are never opened: each costs megabytes of memory once measured (Noto CJK's four
// files 15 MB). Where no family fits, every installed one of the order is mapped.
void installFontSubstitutions(const LineFit &fit);

// The families the last installFontSubstitutions() mapped the Windows names to, in order.
QStringList substituteFamilies();
// The Windows names mapped.
QStringList windowsFontNames();

// The height of one line of `text` in `font`, glyphs from fallback fonts included.
double lineHeight(const QString &text, const QFont &font);

// A font of the given family and size in points. Sizes are set in pixels at 96 dpi (12 pt =
// 16 px), as the screens were measured, whatever the display's dpi.
QFont makeFont(const QString &family, double pointSize, bool bold = false);
int pointsToPixels(double pointSize);

} // namespace platform
