#include "fonts.h"

#include "richtextbox.h"

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

bool isInstalled(const QString &family)
{
    static const QStringList installed = QFontDatabase::families();
    return installed.contains(family, Qt::CaseInsensitive);
}

double lineHeight(const QFont &font)
{
    QTextLayout layout(MeasuredLine, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line.height();
}

// The point sizes of question files, up to 13 pt.
constexpr double QuestionPointSizes[] = {9, 10.5, 12, 13};

bool linesFitPitch(const QString &family, double linePitchPixels)
{
    return std::all_of(std::begin(QuestionPointSizes), std::end(QuestionPointSizes),
                       [&](double pointSize) {
                           return lineHeight(makeFont(family, pointSize)) <= linePitchPixels &&
                                  lineHeight(makeFont(family, pointSize, true)) <= linePitchPixels;
                       });
}

} // namespace

QStringList substituteFamilies()
{
    static const QStringList families = [] {
        const double pitch = RichTextBox::DefaultLinePitchTwips / TwipsPerPixel;
        QStringList installed;
        QStringList fitting;
        for (const char *name : PreferredFamilies) {
            const QString family = QString::fromUtf8(name);
            if (!isInstalled(family))
                continue;
            installed.append(family);
            if (linesFitPitch(family, pitch))
                fitting.append(family);
        }
        // Where no family fits, the preferred installed ones still show Chinese text.
        return fitting.isEmpty() ? installed : fitting;
    }();
    return families;
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

void installFontSubstitutions()
{
    const QStringList families = substituteFamilies();
    for (const QString &name : windowsFontNames()) {
        QFont::removeSubstitutions(name);
        QFont::insertSubstitutions(name, families);
    }
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
