#include "rtfdocumentbuilder.h"

#include "units.h"

#include <QImage>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform::rtf {

namespace {

// Drops what QTextDocument would read as structure (line ends, frame marks, object marks) and
// other control characters; a surrogate without its partner becomes U+FFFD.
void cleanText(QString &text)
{
    qsizetype out = 0;
    const qsizetype size = text.size();
    QChar *data = text.data();
    for (qsizetype in = 0; in < size; ++in) {
        const char16_t c = data[in].unicode();
        if ((c < 0x20 && c != u'\t') || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC ||
            c == 0xFEFF)
            continue;
        if (QChar::isHighSurrogate(c) && in + 1 < size &&
            QChar::isLowSurrogate(data[in + 1].unicode())) {
            data[out++] = data[in++];
            data[out++] = data[in];
            continue;
        }
        data[out++] = QChar::isSurrogate(c) ? QChar(QChar::ReplacementCharacter) : data[in];
    }
    text.truncate(out);
}

// The spacing a paragraph adds, in pixels.
double paragraphSpacing(const ParaProps &para)
{
    return (para.spaceBefore + para.spaceAfter) / TwipsPerPixel;
}

// The narrowest column of a table whose cells end at `boundaries` (twips), in a box `width`
// pixels wide, less cell padding and borders.
double narrowestColumn(const std::vector<int> &boundaries, double width)
{
    double narrowest = width;
    int left = 0;
    for (const int right : boundaries) {
        narrowest = std::min(narrowest, std::max(right - left, 15) / TwipsPerPixel);
        left = std::max(left, right);
    }
    return std::max(0.0, narrowest - 6);
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument &document, const DocumentTables &tables,
                                 const RtfLimits &limits)
    : m_document(document), m_cursor(&document), m_tables(tables), m_limits(limits),
      m_budget(limits.layoutWidth, limits.maxLayoutHeight, limits.maxLayoutLines,
               limits.maxParagraphLines)
{
    // Room for the notice, should it be needed.
    constexpr qint64 Unlimited = std::numeric_limits<qint64>::max();
    LayoutBudget notice(limits.layoutWidth, Unlimited, Unlimited, Unlimited);
    const TextMetrics &plain = metrics(CharProps{});
    notice.fit(RestNotShownNotice, plain);
    notice.endParagraph(plain, 0);
    m_budget.reserve(static_cast<qint64>(std::ceil(notice.height())), notice.lines());
}

void DocumentBuilder::appendText(QStringView text, const CharProps &chars, bool inTable)
{
    if (text.isEmpty() || full())
        return;
    m_budget.setWidth(budgetWidth(inTable));
    if (const qsizetype fits = m_budget.fit(text, metrics(chars)); fits < text.size()) {
        qsizetype kept = fits;
        if (kept > 0 && text[kept - 1].isHighSurrogate())
            --kept;
        text = text.first(kept);
    }
    if (text.isEmpty())
        return;
    if (!m_run.isEmpty() && (chars != m_runChars || wantsTable(inTable) != (m_table != nullptr)))
        flushRun();
    if (m_run.isEmpty()) {
        prepareForContent(inTable);
        m_runChars = chars;
    }
    m_breaks.append(text, m_run);
}

void DocumentBuilder::appendImage(const QImage &image, QSizeF size, bool inTable)
{
    if (!m_budget.fitPicture(size.height()))
        return;
    flushRun();
    m_breaks.endRun();
    prepareForContent(inTable);
    const QString name = QStringLiteral("rtf-picture-%1").arg(++m_imageCount);
    m_document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    m_cursor.insertImage(format);
}

void DocumentBuilder::endParagraph(const CharProps &chars, const ParaProps &para)
{
    if (!fitsParagraphEnd(chars, para))
        return;
    flushRun();
    m_breaks.endRun();
    prepareForContent(para.inTable);
    closeBlock(chars, para);
    m_paragraphPending = true;
}

void DocumentBuilder::beginRowDefinition()
{
    m_cellBoundaries.clear();
}

void DocumentBuilder::addCellBoundary(int twips)
{
    if (static_cast<int>(m_cellBoundaries.size()) < m_limits.maxTableColumns)
        m_cellBoundaries.push_back(twips);
}

void DocumentBuilder::endCell(const CharProps &chars, const ParaProps &para)
{
    if (!wantsTable(true)) {
        appendText(u"\t", chars, false);
        return;
    }
    if (!fitsParagraphEnd(chars, para))
        return;
    flushRun();
    m_breaks.endRun();
    prepareForContent(true);
    closeBlock(chars, para);
    m_cellPending = true;
}

void DocumentBuilder::endRow(const CharProps &chars, const ParaProps &para)
{
    flushRun();
    if (m_tablesExhausted) {
        endParagraph(chars, para);
    } else if (m_table) {
        m_rowPending = true;
        m_cellPending = false;
        m_paragraphPending = false;
    }
}

void DocumentBuilder::finish(const ParaProps &para)
{
    flushRun();
    if (m_table)
        removeSpareRows();
    else if (!m_paragraphPending)
        m_cursor.setBlockFormat(blockFormat(para));
    if (full())
        appendRestNotice();
}

bool DocumentBuilder::fitsParagraphEnd(const CharProps &chars, const ParaProps &para)
{
    m_budget.setWidth(budgetWidth(para.inTable));
    return m_budget.endParagraph(metrics(chars), paragraphSpacing(para));
}

// The width text is counted at: the box's, or in a table its narrowest column's.
double DocumentBuilder::budgetWidth(bool inTable) const
{
    if (!wantsTable(inTable))
        return m_limits.layoutWidth;
    if (m_table)
        return m_cellWidth;
    const auto columns = static_cast<double>(std::max<std::size_t>(1, m_cellBoundaries.size()));
    return narrowestColumn(m_cellBoundaries, m_limits.layoutWidth / columns);
}

void DocumentBuilder::appendRestNotice()
{
    if (m_table)
        leaveTable();
    const QTextCharFormat plain = charFormat(CharProps{});
    if (m_paragraphPending || m_cursor.block().length() > 1)
        m_cursor.insertBlock(QTextBlockFormat(), plain);
    else
        m_cursor.setBlockFormat(QTextBlockFormat());
    m_cursor.insertText(RestNotShownNotice.toString(), plain);
}

void DocumentBuilder::flushRun()
{
    if (m_run.isEmpty())
        return;
    cleanText(m_run);
    m_cursor.insertText(m_run, charFormat(m_runChars));
    m_run.clear();
}

bool DocumentBuilder::wantsTable(bool inTable) const
{
    return inTable && !m_tablesExhausted;
}

// Puts the cursor where the next content goes: into or out of the table, into the next cell or
// row, or into the new block of a paragraph that has ended.
void DocumentBuilder::prepareForContent(bool inTable)
{
    const bool table = wantsTable(inTable);
    if (m_table && !table)
        leaveTable();
    if (table) {
        if (!m_table)
            enterTable();
        else if (m_rowPending)
            nextRow();
        else if (m_cellPending)
            nextCell();
    }
    if (m_paragraphPending) {
        m_cursor.insertBlock();
        m_paragraphPending = false;
    }
}

void DocumentBuilder::closeBlock(const CharProps &chars, const ParaProps &para)
{
    m_cursor.setBlockFormat(blockFormat(para));
    if (m_cursor.block().length() <= 1) // an empty line takes its height from the block's format
        m_cursor.setBlockCharFormat(charFormat(chars));
}

void DocumentBuilder::enterTable()
{
    const int columns = std::max<int>(1, static_cast<int>(m_cellBoundaries.size()));
    if (m_cellCount + columns > m_limits.maxTableCells) {
        m_tablesExhausted = true;
        return;
    }
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellSpacing(0);
    format.setCellPadding(2);
    QList<QTextLength> widths;
    int left = 0;
    for (const int right : m_cellBoundaries) {
        widths.append(
            QTextLength(QTextLength::FixedLength, std::max(right - left, 15) / TwipsPerPixel));
        left = std::max(left, right);
    }
    if (widths.size() == columns)
        format.setColumnWidthConstraints(widths);

    m_paragraphPending = false; // the table itself ends the paragraph before it
    m_table = m_cursor.insertTable(1, columns, format);
    m_cellWidth = narrowestColumn(m_cellBoundaries, m_limits.layoutWidth / columns);
    m_cellCount += columns;
    m_row = 0;
    m_column = 0;
    m_cellPending = false;
    m_rowPending = false;
}

void DocumentBuilder::leaveTable()
{
    removeSpareRows();
    m_cursor.setPosition(m_table->lastPosition() + 1);
    m_table = nullptr;
    m_paragraphPending = false;
    m_cellPending = false;
    m_rowPending = false;
}

void DocumentBuilder::nextRow()
{
    m_rowPending = false;
    m_cellPending = false;
    if (m_cellCount + m_table->columns() > m_limits.maxTableCells) {
        leaveTable();
        m_tablesExhausted = true;
        return;
    }
    m_cellCount += m_table->columns();
    ++m_row;
    // QTextTable rebuilds its whole grid after each change of shape, so rows are added in
    // growing batches (at most 64) and the spare ones removed when the table ends.
    constexpr int MaxRowBatch = 64;
    if (m_row >= m_table->rows())
        m_table->appendRows(std::min(MaxRowBatch, m_table->rows()));
    m_column = 0;
    moveToCell();
}

// One row at a time: QTextTable takes time square in the number of cells it removes at once.
void DocumentBuilder::removeSpareRows()
{
    while (m_table->rows() > m_row + 1)
        m_table->removeRows(m_table->rows() - 1, 1);
}

void DocumentBuilder::nextCell()
{
    m_cellPending = false;
    if (m_column + 1 < m_table->columns()) {
        ++m_column;
        moveToCell();
    } else if (m_table->columns() < m_limits.maxTableColumns &&
               m_cellCount + m_row + 1 <= m_limits.maxTableCells) {
        m_table->appendColumns(1);
        m_cellWidth = std::min(m_cellWidth, m_limits.layoutWidth / m_table->columns());
        m_cellCount += m_row + 1;
        ++m_column;
        moveToCell();
    } else {
        m_paragraphPending = false;
        m_cursor.insertText(QStringLiteral("\t")); // a cell too many shares the last one
    }
}

void DocumentBuilder::moveToCell()
{
    m_cursor = m_table->cellAt(m_row, m_column).firstCursorPosition();
    m_paragraphPending = false;
}

} // namespace platform::rtf
