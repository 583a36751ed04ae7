// The start screen's splash: a white and blue swirl with the program's heading at the upper left.
#include "backgroundart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace sample::art {

namespace {

// One ribbon of the swirl: a band between two curves sweeping from the lower left to the right.
void paintRibbon(QPainter &p, qreal lift, qreal width, QColor colour, int alpha)
{
    QPainterPath ribbon;
    ribbon.moveTo(-20, 250 - lift);
    ribbon.cubicTo(140, 210 - lift, 260, 60 - lift, 520, 120 - lift * 1.6);
    ribbon.lineTo(520, 120 - lift * 1.6 + width);
    ribbon.cubicTo(270, 70 - lift + width * 1.4, 150, 230 - lift + width, -20, 250 - lift + width);
    ribbon.closeSubpath();
    QLinearGradient fill(0, 0, 500, 0);
    colour.setAlpha(alpha / 3);
    fill.setColorAt(0, colour);
    colour.setAlpha(alpha);
    fill.setColorAt(0.65, colour);
    colour.setAlpha(alpha / 2);
    fill.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(ribbon);
}

} // namespace

QImage startSplash()
{
    QImage image(500, 240, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QRadialGradient sky(QPointF(430, 40), 520);
    sky.setColorAt(0, QColor(0xd8, 0xe6, 0xf7));
    sky.setColorAt(0.55, Qt::white);
    sky.setColorAt(1, QColor(0xf4, 0xf8, 0xfd));
    p.fillRect(image.rect(), sky);

    const QColor deep(0x1f, 0x4e, 0x96);
    const QColor light(0x6f, 0xa3, 0xe0);
    paintRibbon(p, -10, 60, light, 90);
    paintRibbon(p, 10, 34, deep, 150);
    paintRibbon(p, 34, 14, Qt::white, 230);
    paintRibbon(p, 52, 22, light, 120);
    paintRibbon(p, 78, 8, Qt::white, 200);
    paintRibbon(p, 92, 10, deep, 90);

    QFont heading(QStringLiteral("DejaVu Sans"));
    heading.setBold(true);
    heading.setPixelSize(40);
    p.setFont(heading);
    p.setPen(kHeadingBlue);
    p.drawText(QPointF(26, 62), QStringLiteral("QOR Practice"));

    QFont subtitle;
    subtitle.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("DejaVu Sans")});
    subtitle.setPixelSize(20);
    p.setFont(subtitle);
    p.setPen(kHeadingBlue.lighter(125));
    p.drawText(QPointF(28, 94), QStringLiteral("QOR-ZQ-24 模考题"));
    return image;
}

} // namespace sample::art
