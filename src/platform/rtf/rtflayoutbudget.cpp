#include "rtflayoutbudget.h"

#include <QChar>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace platform::rtf {

namespace {

constexpr double TabStop = 80; // QTextOption's default tab distance

enum class CharKind { Letter, Blank, Tab, LineBreak, BreakOnly, Ideograph, SecondHalf };

// How the line breaker treats a character: blanks and zero-width spaces end a word, ideographs,
// kana and full-width forms stand as words of their own (as in wordbreaks.cpp); other characters
// are letters, which at worst makes a word longer than the text has it.
CharKind kindOf(char16_t c)
{
    if (c == u'\t')
        return CharKind::Tab;
    if (c == 0x2028)
        return CharKind::LineBreak;
    if (c == 0x200B)
        return CharKind::BreakOnly;
    if (QChar::isSpace(c))
        return CharKind::Blank;
    if ((c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
        (c >= 0xFF00 && c <= 0xFFEF))
        return CharKind::Ideograph;
    if (QChar::isLowSurrogate(c))
        return CharKind::SecondHalf; // counted with its first half
    return CharKind::Letter;
}

} // namespace

TextMetrics TextMetrics::of(const QFont &font, double linePitch)
{
    const QFontMetricsF measured(font);
    TextMetrics metrics;
    // Lines holding characters of another font (Chinese in a Latin font) may be an em and a half.
    const double em = font.pixelSize() > 0 ? font.pixelSize() : measured.height();
    float widest = float(em);
    // Control characters are dropped or handled apart; asking for them makes the font system
    // search every font for a glyph.
    for (char16_t c = u' '; c < 127; ++c) {
        metrics.ascii[c] = float(std::max(0.0, measured.horizontalAdvance(QChar(c))));
        widest = std::max(widest, metrics.ascii[c]);
    }
    metrics.otherWidth = widest;
    metrics.lineHeight = float(linePitch > 0 ? linePitch
                                             : std::max(measured.lineSpacing(), em * 1.5));
    return metrics;
}

qsizetype LayoutBudget::fit(QStringView text, const TextMetrics &metrics)
{
    if (m_full || text.isEmpty())
        return 0;
    m_lineHeight = std::max<double>(m_lineHeight, metrics.lineHeight);
    m_hasContent = true;
    if (!withinLimits()) {
        m_full = true;
        return 0;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const double width = metrics.width(c);
        switch (kindOf(c)) {
        case CharKind::Letter:
            m_wordWidth += width;
            ++m_wordChars;
            m_wordWidest = std::max(m_wordWidest, width);
            // A letter adds no line while its word fits on the open line.
            if (m_lineWidth + m_wordWidth <= m_width)
                continue;
            break;
        case CharKind::Blank: // may hang past the line's end, as the line breaker lets it
            commitWord();
            m_lineWidth += width;
            break;
        case CharKind::Tab:
            commitWord();
            m_lineWidth = (std::floor(m_lineWidth / TabStop) + 1) * TabStop;
            if (m_lineWidth > m_width) {
                breakLine();
                m_lineWidth = std::min(TabStop, m_width);
            }
            break;
        case CharKind::LineBreak:
            commitWord();
            breakLine();
            break;
        case CharKind::BreakOnly: commitWord(); break;
        case CharKind::Ideograph:
            commitWord();
            m_wordWidth = width;
            m_wordChars = 1;
            m_wordWidest = width;
            commitWord();
            break;
        case CharKind::SecondHalf: continue;
        }
        if (!withinLimits()) {
            m_full = true;
            return i;
        }
    }
    return text.size();
}

bool LayoutBudget::fitPicture(double height)
{
    if (m_full)
        return false;
    commitWord();
    if (m_lineWidth > 0)
        breakLine();
    m_closedHeight += height;
    ++m_closedLines;
    if (!withinLimits()) {
        m_full = true;
        return false;
    }
    return true;
}

bool LayoutBudget::endParagraph(const TextMetrics &metrics, double spacing)
{
    if (m_full)
        return false;
    commitWord();
    m_closedHeight += double(openLines()) * std::max<double>(m_lineHeight, metrics.lineHeight) +
                      spacing;
    m_closedLines += openLines();
    m_lines = 0;
    m_lineWidth = 0;
    m_lineHeight = 0;
    m_hasContent = false;
    if (!withinLimits()) {
        m_full = true;
        return false;
    }
    return true;
}

// The width of a word wider than a line that each of its lines holds: at least the line less one
// character; half of it, as the line breaker fills such lines less than full when the word changes
// format.
double LayoutBudget::overlongPerLine() const
{
    return (m_width - m_wordWidest) / 2;
}

bool LayoutBudget::withinLimits() const
{
    return height() <= double(m_maxHeight) && lines() <= m_maxLines &&
           (!m_hasContent || openLines() <= m_maxParagraphLines);
}

double LayoutBudget::height() const
{
    return m_closedHeight + (m_hasContent ? double(openLines()) * m_lineHeight : 0);
}

// The open word goes where the line breaker puts it: on the open line when it fits there, else on
// the next; a word wider than a line fills lines of its own.
void LayoutBudget::commitWord()
{
    if (m_wordChars == 0)
        return;
    if (m_lineWidth + m_wordWidth <= m_width) {
        m_lineWidth += m_wordWidth;
    } else {
        if (m_lineWidth > 0)
            breakLine();
        const double perLine = overlongPerLine();
        if (m_wordWidth <= m_width) {
            m_lineWidth = m_wordWidth;
        } else if (perLine > 0) {
            const qint64 lines = qint64(std::ceil(m_wordWidth / perLine));
            m_lines += lines - 1;
            m_lineWidth = std::min(m_width, m_wordWidth - double(lines - 1) * perLine);
        } else {
            m_lines += m_wordChars - 1;
            m_lineWidth = m_width;
        }
    }
    m_wordWidth = 0;
    m_wordChars = 0;
    m_wordWidest = 0;
}

void LayoutBudget::breakLine()
{
    ++m_lines;
    m_lineWidth = 0;
}

qint64 LayoutBudget::openLines() const
{
    return m_lines + linesFor(m_lineWidth, m_wordWidth, m_wordChars);
}

qint64 LayoutBudget::linesFor(double lineWidth, double wordWidth, qint64 wordChars) const
{
    if (wordChars == 0 || lineWidth + wordWidth <= m_width)
        return 1;
    const qint64 lineBefore = lineWidth > 0 ? 1 : 0;
    if (wordWidth <= m_width)
        return lineBefore + 1;
    const double perLine = overlongPerLine();
    return lineBefore + (perLine > 0 ? qint64(std::ceil(wordWidth / perLine)) : wordChars);
}

} // namespace platform::rtf
