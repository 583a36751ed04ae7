#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace platform {

void installFontSubstitutions()
{
    const QStringList cjkSans = {QStringLiteral("WenQuanYi Micro Hei"),
                                 QStringLiteral("Noto Sans CJK SC"),
                                 QStringLiteral("Noto Sans SC"), QStringLiteral("DejaVu Sans")};
    const QStringList cjkSerif = {QStringLiteral("Noto Serif CJK SC"),
                                  QStringLiteral("AR PL UMing CN"),
                                  QStringLiteral("WenQuanYi Micro Hei"),
                                  QStringLiteral("DejaVu Serif")};
    for (const char *name : {"Segoe UI", "微软雅黑", "Microsoft YaHei", "MS Sans Serif",
                             "Calibri", "Arial", "Tahoma", "黑体", "SimHei"})
        QFont::insertSubstitutions(QString::fromUtf8(name), cjkSans);
    for (const char *name : {"宋体", "SimSun", "新宋体", "Times New Roman", "Cambria"})
        QFont::insertSubstitutions(QString::fromUtf8(name), cjkSerif);
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
