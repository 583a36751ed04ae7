#include "buttonart.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace sample {

namespace {

const QString kCaptionFamily = QStringLiteral("DejaVu Sans");

struct Palette
{
    QColor top;
    QColor bottom;
    QColor border;
};

Palette paletteFor(ButtonLook look)
{
    switch (look) {
    case ButtonLook::Pressed:
        return {QColor(0x2c, 0x57, 0x98), QColor(0x14, 0x36, 0x6c), QColor(0x0b, 0x22, 0x48)};
    case ButtonLook::Hover:
        return {QColor(0x7d, 0xa9, 0xe6), QColor(0x3f, 0x74, 0xc2), QColor(0x1d, 0x4a, 0x8a)};
    case ButtonLook::Normal: break;
    }
    return {QColor(0x4f, 0x84, 0xcc), QColor(0x21, 0x52, 0x9c), QColor(0x12, 0x33, 0x66)};
}

void paintFace(QPainter &p, QSize size, ButtonLook look)
{
    const Palette colours = paletteFor(look);
    const QRectF face(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, colours.top);
    fill.setColorAt(1, colours.bottom);
    p.setPen(QPen(colours.border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(face, 4, 4);
    // A thin highlight along the top edge gives the face a little depth.
    p.setPen(QPen(QColor(255, 255, 255, look == ButtonLook::Pressed ? 40 : 90), 1));
    p.drawLine(QPointF(4, 1.5), QPointF(size.width() - 4, 1.5));
}

void paintCaption(QPainter &p, const QRectF &box, const QString &text, const QFont &font)
{
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(box.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, text);
}

void paintArrow(QPainter &p, QPointF tip, qreal length, qreal half, bool pointsRight)
{
    const qreal direction = pointsRight ? 1 : -1;
    const qreal shaftEnd = tip.x() - direction * half * 1.1;
    const qreal tail = tip.x() - direction * length;
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(shaftEnd, tip.y() - half);
    arrow.lineTo(shaftEnd, tip.y() - half * 0.4);
    arrow.lineTo(tail, tip.y() - half * 0.4);
    arrow.lineTo(tail, tip.y() + half * 0.4);
    arrow.lineTo(shaftEnd, tip.y() + half * 0.4);
    arrow.lineTo(shaftEnd, tip.y() + half);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void paintHelpMark(QPainter &p, QPointF centre, qreal radius)
{
    p.setPen(QPen(Qt::white, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    QFont mark(kCaptionFamily);
    mark.setBold(true);
    mark.setPixelSize(int(radius * 1.5));
    p.setFont(mark);
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
               Qt::AlignCenter, QStringLiteral("?"));
}

// A door frame with an arrow leaving it: the usual "exit" symbol.
void paintExitMark(QPainter &p, QRectF box)
{
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const qreal right = box.left() + box.width() * 0.55;
    QPainterPath door;
    door.moveTo(right, box.top() + box.height() * 0.3);
    door.lineTo(right, box.top());
    door.lineTo(box.left(), box.top());
    door.lineTo(box.left(), box.bottom());
    door.lineTo(right, box.bottom());
    door.lineTo(right, box.bottom() - box.height() * 0.3);
    p.drawPath(door);
    paintArrow(p, QPointF(box.right(), box.center().y()), box.width() * 0.7, box.height() * 0.32,
               true);
}

} // namespace

QSize buttonSize(ButtonKind kind)
{
    switch (kind) {
    case ButtonKind::Help: return {77, 31};
    case ButtonKind::EndExam: return {120, 32};
    case ButtonKind::Next:
    case ButtonKind::Previous: break;
    }
    return {69, 29};
}

QString buttonFileStem(ButtonKind kind)
{
    switch (kind) {
    case ButtonKind::Next: return QStringLiteral("next");
    case ButtonKind::Previous: return QStringLiteral("previous");
    case ButtonKind::Help: return QStringLiteral("help");
    case ButtonKind::EndExam: return QStringLiteral("end exam");
    }
    return {};
}

QFont fittedFont(const QString &family, const QString &text, int maxPixels, int width, bool bold)
{
    QFont font(family);
    font.setBold(bold);
    for (int pixels = maxPixels; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

void paintButton(QPainter &p, ButtonKind kind, ButtonLook look)
{
    const QSize size = buttonSize(kind);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintFace(p, size, look);
    const qreal middle = size.height() / 2.0;
    switch (kind) {
    case ButtonKind::Next:
        paintCaption(p, QRectF(4, 0, 40, size.height()), QStringLiteral("Next"),
                     fittedFont(kCaptionFamily, QStringLiteral("Next"), 13, 40, true));
        paintArrow(p, QPointF(61, middle), 13, 6, true);
        break;
    case ButtonKind::Previous:
        paintArrow(p, QPointF(6, middle), 9, 5, false);
        paintCaption(p, QRectF(15, 0, 52, size.height()), QStringLiteral("Previous"),
                     fittedFont(kCaptionFamily, QStringLiteral("Previous"), 12, 50, true));
        break;
    case ButtonKind::Help:
        paintHelpMark(p, QPointF(17, middle), 8);
        paintCaption(p, QRectF(28, 0, 45, size.height()), QStringLiteral("Help"),
                     fittedFont(kCaptionFamily, QStringLiteral("Help"), 13, 42, true));
        break;
    case ButtonKind::EndExam:
        paintExitMark(p, QRectF(10, middle - 8, 20, 16));
        paintCaption(p, QRectF(34, 0, 82, size.height()), QStringLiteral("End Exam"),
                     fittedFont(kCaptionFamily, QStringLiteral("End Exam"), 13, 78, true));
        break;
    }
    p.restore();
}

QImage buttonImage(ButtonKind kind, ButtonLook look)
{
    QImage image(buttonSize(kind), QImage::Format_RGB32);
    // The corners outside the rounded face show the dark blue bar the buttons sit on.
    image.fill(QColor(0x1f, 0x3a, 0x68));
    QPainter painter(&image);
    paintButton(painter, kind, look);
    return image;
}

} // namespace sample
