#include "syntheticbold.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QHash>
#include <QPainterPathStroker>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>

namespace platform {

namespace {

// The widening of a glyph, in ems: FreeType's own synthetic bold.
constexpr double EmboldenEms = 1.0 / 24;

bool hasBoldFace(const QString &family)
{
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.begin(), styles.end(), [&](const QString &style) {
        return QFontDatabase::weight(family, style) >= QFont::DemiBold;
    });
}

} // namespace

bool boldIsSynthetic(const QFont &font)
{
    if (!font.bold())
        return false;
    static QHash<QString, bool> synthetic; // per family; the installed fonts never change
    const QString family = QFontInfo(font).family();
    auto it = synthetic.constFind(family);
    if (it == synthetic.constEnd())
        it = synthetic.insert(family, !hasBoldFace(family));
    return it.value();
}

QPainterPath emboldenedOutline(const QTextLayout &layout)
{
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    QPainterPathStroker stroker;
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        QPainterPath glyphOutlines;
        glyphOutlines.setFillRule(Qt::WindingFill);
        for (qsizetype k = 0; k < glyphs.size(); ++k)
            glyphOutlines.addPath(font.pathForGlyph(glyphs[k]).translated(positions[k]));
        stroker.setWidth(font.pixelSize() * EmboldenEms);
        outline.addPath(glyphOutlines);
        outline.addPath(stroker.createStroke(glyphOutlines));
    }
    return outline;
}

} // namespace platform
