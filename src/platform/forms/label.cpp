#include "label.h"

#include "fonts.h"
#include "wordbreaks.h"

#include <QFontMetrics>
#include <QTextLayout>

#include <algorithm>

namespace platform {

namespace {
// The lines a text takes when wrapped at word boundaries to the given width; at least one.
int wrappedLineCount(QString text, const QFont &font, int widthPx)
{
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1, widthPx));
        ++lines;
    }
    layout.endLayout();
    return std::max(1, lines);
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
