#include "fonts.h"

#include <QFontDatabase>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// In order of preference. Families that are not installed, or whose lines are too high, drop out.
const char *const PreferredFamilies[] = {
    "WenQuanYi Micro Hei", "WenQuanYi Zen Hei", "Noto Sans CJK SC",    "Noto Serif CJK SC",
    "Source Han Sans SC",  "AR PL UMing CN",    "Droid Sans Fallback",
};

// A line with ascenders, descenders and Chinese, so fallback fonts count too.
const QString MeasuredLine = QStringLiteral("Ágjpqy 中文题目，选项");

QStringList &mappedFamilies()
{
    static QStringList families;
    return families;
}

bool isInstalled(const QString &family)
{
    static const QStringList installed = QFontDatabase::families();
    return installed.contains(family, Qt::CaseInsensitive);
}

bool linesFit(const QString &family, const LineFit &fit)
{
    return std::all_of(fit.pointSizes.begin(), fit.pointSizes.end(), [&](double pointSize) {
        return lineHeight(MeasuredLine, makeFont(family, pointSize)) <= fit.linePitchPixels &&
               lineHeight(MeasuredLine, makeFont(family, pointSize, true)) <= fit.linePitchPixels;
    });
}

QStringList familiesFor(const LineFit &fit)
{
    QStringList installed;
    for (const char *name : PreferredFamilies) {
        const QString family = QString::fromUtf8(name);
        if (!isInstalled(family))
            continue;
        // Measuring opens the family's files: stop at the first that fits.
        if (linesFit(family, fit))
            return {family};
        installed.append(family);
    }
    // Where no family fits, the preferred installed ones still show Chinese text.
    return installed;
}

} // namespace

QStringList substituteFamilies()
{
    return mappedFamilies();
}

QStringList windowsFontNames()
{
    QStringList names;
    // clang-format off
    for (const char *name : {"Segoe UI", "微软雅黑", "Microsoft YaHei", "MS Sans Serif", "Calibri",
                             "Arial", "Tahoma", "Verdana", "黑体", "SimHei", "等线", "DengXian",
                             "宋体", "SimSun", "新宋体", "NSimSun", "Times New Roman", "Cambria",
                             "楷体", "KaiTi", "仿宋", "FangSong"})
        // clang-format on
        names.append(QString::fromUtf8(name));
    return names;
}

void installFontSubstitutions(const LineFit &fit)
{
    mappedFamilies() = familiesFor(fit);
    for (const QString &name : windowsFontNames()) {
        QFont::removeSubstitutions(name);
        QFont::insertSubstitutions(name, mappedFamilies());
    }
}

double lineHeight(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line.height();
}

int pointsToPixels(double pointSize)
{
    return int(std::lround(pointSize * 96.0 / 72.0));
}

QFont makeFont(const QString &family, double pointSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(std::max(1, pointsToPixels(pointSize)));
    font.setBold(bold);
    return font;
}

} // namespace platform
