#include "backgroundart.h"

#include "buttonart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace sample::art {

namespace {

constexpr QSize kScreen{1024, 768};
constexpr int kStripTop = 44;
constexpr int kWorkTop = 80;
constexpr int kWorkBottom = 728;
constexpr int kWorkLeft = 20;
constexpr int kWorkRight = 1004;

void paintButtonAt(QPainter &p, ButtonKind kind, QPoint at)
{
    p.save();
    p.translate(at);
    paintButton(p, kind, ButtonLook::Normal);
    p.restore();
}

void paintClock(QPainter &p, QPointF centre, qreal radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1.6));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -radius * 0.65)); // minute hand at twelve
    p.drawLine(centre, centre + QPointF(radius * 0.5, 0));   // hour hand at three
    p.restore();
}

// "Time Remaining" and a clock symbol in the top bar, left of the clock text at x 960-1017.
void paintTimeRemaining(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(780, 0, 150, 25), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Time Remaining"));
    p.restore();
    paintClock(p, QPointF(944.5, 12.5), 8);
}

void paintWhite(QPainter &p, QRect area)
{
    p.fillRect(area, Qt::white);
}

} // namespace

QImage frame()
{
    QImage image(kScreen, QImage::Format_RGB32);
    image.fill(kFrameBlue);
    QPainter p(&image);
    // The top bar darkens a little towards its upper edge.
    QLinearGradient bar(0, 0, 0, kStripTop);
    bar.setColorAt(0, kFrameBlue.darker(125));
    bar.setColorAt(1, kFrameBlue);
    p.fillRect(QRect(0, 0, kScreen.width(), kStripTop), bar);
    p.fillRect(QRect(0, kStripTop, kScreen.width(), kWorkTop - kStripTop), kStripBlue);
    p.fillRect(QRect(0, kStripTop, kScreen.width(), 1), kStripBlue.lighter(108));
    p.fillRect(QRect(0, kWorkTop - 1, kScreen.width(), 1), kStripBlue.darker(112));
    paintWhite(p, QRect(QPoint(kWorkLeft, kWorkTop), QPoint(kWorkRight, kWorkBottom)));
    return image;
}

QImage questionOnePane()
{
    QImage image = frame();
    QPainter p(&image);
    paintTimeRemaining(p);
    paintButtonAt(p, ButtonKind::Help, {24, 735});
    paintButtonAt(p, ButtonKind::EndExam, {110, 735});
    paintButtonAt(p, ButtonKind::Next, {950, 739});
    return image;
}

QImage reviewTwoPane()
{
    QImage image = frame();
    QPainter p(&image);
    // Two panes: the passage on the left, the question on the right, a dark-blue bar between.
    p.fillRect(QRect(QPoint(kWorkLeft, kWorkTop), QPoint(kWorkRight + 1, kWorkBottom)), kFrameBlue);
    paintWhite(p, QRect(QPoint(20, kWorkTop), QPoint(510, kWorkBottom)));
    paintWhite(p, QRect(QPoint(525, kWorkTop), QPoint(1005, kWorkBottom)));
    paintTimeRemaining(p);
    return image;
}

QImage questionTwoPane()
{
    QImage image = reviewTwoPane();
    QPainter p(&image);
    paintButtonAt(p, ButtonKind::Help, {24, 735});
    paintButtonAt(p, ButtonKind::EndExam, {108, 735});
    paintButtonAt(p, ButtonKind::Next, {950, 739});
    return image;
}

QImage questionIcon()
{
    QImage image(25, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A small answer sheet: a page with a folded corner and two lines of "text".
    QPainterPath page;
    page.moveTo(5.5, 1.5);
    page.lineTo(15.5, 1.5);
    page.lineTo(19.5, 5.5);
    page.lineTo(19.5, 18.5);
    page.lineTo(5.5, 18.5);
    page.closeSubpath();
    p.setPen(QPen(kFrameBlue, 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(kStripBlue);
    p.drawPolygon(QPolygonF({QPointF(15.5, 1.5), QPointF(15.5, 5.5), QPointF(19.5, 5.5)}));
    p.setPen(QPen(QColor(0x4f, 0x84, 0xcc), 1.4));
    p.drawLine(QPointF(8, 9), QPointF(17, 9));
    p.drawLine(QPointF(8, 12.5), QPointF(17, 12.5));
    p.drawLine(QPointF(8, 16), QPointF(13.5, 16));
    return image;
}

QImage appIcon()
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 64);
    fill.setColorAt(0, QColor(0x4f, 0x84, 0xcc));
    fill.setColorAt(1, kFrameBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    // A clock face whose lower right opens into a check mark: a timed test, answered.
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 12, 40, 40), -20 * 16, 290 * 16);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 32), QPointF(32, 20));
    p.drawLine(QPointF(32, 32), QPointF(24, 36));
    p.setPen(QPen(QColor(0xff, 0xd2, 0x4a), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath check;
    check.moveTo(38, 46);
    check.lineTo(44, 52);
    check.lineTo(58, 34);
    p.drawPath(check);
    return image;
}

QImage nextDesign()
{
    return buttonImage(ButtonKind::Next, ButtonLook::Normal);
}

QImage helpDesign()
{
    return buttonImage(ButtonKind::Help, ButtonLook::Normal);
}

QImage endExamDesign()
{
    return buttonImage(ButtonKind::EndExam, ButtonLook::Normal);
}

} // namespace sample::art
