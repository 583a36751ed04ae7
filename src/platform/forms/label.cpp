#include "label.h"

#include "fonts.h"
#include "syntheticbold.h"
#include "wordbreaks.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace platform {

namespace {
// Lays out a caption as the label shows it: lines broken at '\n' and, with word wrap, at word
// boundaries (inside a word too long for a line) to the width, each line below the one above.
void layOutCaption(QTextLayout &layout, int widthPx, bool wrap, Qt::Alignment alignment)
{
    QString text = layout.text();
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout.setText(text);
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1, widthPx));
        line.setPosition(QPointF(0, top));
        top += line.height();
    }
    layout.endLayout();
}

// The lines a text takes when wrapped at word boundaries to the given width; at least one.
int wrappedLineCount(const QString &text, const QFont &font, int widthPx)
{
    QTextLayout layout(text, font);
    layOutCaption(layout, widthPx, true, Qt::AlignLeft);
    return std::max(1, layout.lineCount());
}
} // namespace

Label::Label(QWidget *parent) : ClickableLabel(parent), TwipsGeometry(this)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    applyFont();
    applyPalette();
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(withWordBreaks(caption.left(MaxShownLength)));
    if (m_autoSize)
        applyGeometry();
}

void Label::setForeColor(const QColor &color)
{
    m_foreColor = color;
    applyPalette();
}

void Label::setBackColor(const QColor &color)
{
    m_backColor = color;
    applyPalette();
}

void Label::setFontName(const QString &name)
{
    m_fontName = name;
    applyFont();
}

void Label::setFontSize(double points)
{
    m_fontSize = points;
    applyFont();
}

void Label::setFontBold(bool bold)
{
    m_fontBold = bold;
    applyFont();
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    applyGeometry();
}

void Label::setWordWrapping(bool wrap)
{
    m_wordWrap = wrap;
    setWordWrap(wrap);
    applyGeometry();
}

void Label::setAlign(Align align)
{
    const Qt::Alignment horizontal = align == Align::Center  ? Qt::AlignHCenter
                                     : align == Align::Right ? Qt::AlignRight
                                                             : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignTop);
}

void Label::paintEvent(QPaintEvent *event)
{
    if (!boldIsSynthetic(font())) {
        QLabel::paintEvent(event);
        return;
    }
    // Laid out in the regular font, whose glyphs take the same room, and widened here.
    QFont regular = font();
    regular.setBold(false);
    QTextLayout layout(text(), regular);
    const QRect box = contentsRect();
    layOutCaption(layout, box.width(), wordWrap(), alignment());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.fillPath(emboldenedOutline(layout), palette().color(foregroundRole()));
}

void Label::applyFont()
{
    setFont(makeFont(m_fontName, m_fontSize, m_fontBold));
    if (m_autoSize)
        applyGeometry();
}

void Label::applyPalette()
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, m_foreColor);
    if (m_backColor.isValid())
        p.setColor(QPalette::Window, m_backColor);
    setPalette(p);
    setAutoFillBackground(m_backColor.isValid());
}

void Label::applyGeometry()
{
    if (m_autoSize) {
        const QFontMetrics metrics(font());
        const int lineHeight = metrics.height();
        if (m_wordWrap) {
            m_height = pixelsToTwips(wrappedLines() * lineHeight);
        } else {
            m_width = pixelsToTwips(metrics.horizontalAdvance(text()) + 1);
            m_height = pixelsToTwips(lineHeight);
        }
    }
    TwipsGeometry::applyGeometry();
}

int Label::wrappedLines()
{
    const int widthPx = twipsToPixels(m_width);
    if (m_measured.widthPx != widthPx || m_measured.text != text() || m_measured.font != font())
        m_measured = {text(), font(), widthPx, wrappedLineCount(text(), font(), widthPx)};
    return m_measured.lines;
}

} // namespace platform
