#pragma once

#include <QStringView>
#include <QtGlobal>

#include <array>

class QFont;

namespace platform::rtf {

// How wide the characters of one font are and how high its lines, in pixels.
struct TextMetrics
{
    std::array<float, 128> ascii{}; // the advance of each ASCII character
    float otherWidth = 1;           // any other character: the widest ASCII one, at least an em
    float lineHeight = 24;

    // Measures `font`; `linePitch` > 0 is the height of every line, else the font's own.
    static TextMetrics of(const QFont &font, double linePitch);
    float width(char16_t c) const { return c < 128 ? ascii[c] : otherWidth; }
};

// Follows the height and the number of lines the document's content can take when laid out at a
// given width: text is wrapped as a line breaker wraps it, at blanks and between ideographs, ASCII
// characters as wide as their font draws them and any other as wide as its widest ASCII character
// or an em, a word wider than a line broken anywhere; a paragraph takes its lines times its
// tallest line and its spacing; a picture takes a line of its own height. The count errs on the
// tall side, so content that fits it fits the layout.
class LayoutBudget
{
public:
    // `width` 0 puts every character on a line of its own.
    LayoutBudget(double width, qint64 maxHeight, qint64 maxLines, qint64 maxParagraphLines)
        : m_width(width), m_maxHeight(maxHeight), m_maxLines(maxLines),
          m_maxParagraphLines(maxParagraphLines)
    {}

    void setWidth(double width) { m_width = width; }
    // Lowers the most the content may take, e.g. to keep room for a closing line.
    void reserve(qint64 pixels, qint64 lines)
    {
        m_maxHeight -= pixels;
        m_maxLines -= lines;
    }

    // How many characters from the start of `text` fit, all of them when the text does; those
    // are counted. After a shortfall nothing more fits.
    qsizetype fit(QStringView text, const TextMetrics &metrics);
    // A picture of this height, on a line of its own; false when it does not fit.
    bool fitPicture(double height);
    // Ends the paragraph, whose end mark has `metrics` and whose spacing is `spacing` pixels;
    // false when it does not fit.
    bool endParagraph(const TextMetrics &metrics, double spacing);

    bool full() const { return m_full; }
    // The height and lines of the content counted so far.
    double height() const;
    qint64 lines() const { return m_closedLines + (m_hasContent ? openLines() : 0); }

private:
    void commitWord();
    void breakLine();
    // Lines of the open paragraph if it ended now.
    qint64 openLines() const;
    qint64 linesFor(double lineWidth, double wordWidth, qint64 wordChars) const;
    double overlongPerLine() const;
    bool withinLimits() const;

    double m_width;
    qint64 m_maxHeight;
    qint64 m_maxLines;
    qint64 m_maxParagraphLines;
    double m_closedHeight = 0; // paragraphs ended and pictures
    qint64 m_closedLines = 0;

    // The open paragraph.
    qint64 m_lines = 0;      // lines ended
    double m_lineWidth = 0;  // words on the open line
    double m_wordWidth = 0;  // the word still open: no place to break in it yet
    qint64 m_wordChars = 0;  // its characters
    double m_wordWidest = 0; // and its widest
    double m_lineHeight = 0; // the tallest line height of the paragraph's text
    bool m_hasContent = false;

    bool m_full = false;
};

} // namespace platform::rtf
