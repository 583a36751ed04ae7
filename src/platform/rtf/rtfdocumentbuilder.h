#pragma once

#include "rtflayoutbudget.h"
#include "rtfreader.h"
#include "rtfstate.h"
#include "rtftables.h"
#include "wordbreaks.h"

#include <QSet>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include <unordered_map>
#include <vector>

class QImage;
class QTextTable;

namespace platform::rtf {

// Writes what the dispatcher reads into the document through one QTextCursor. Text is gathered
// into runs of one format and inserted a run at a time. A \par only marks the paragraph as ended:
// its new block is made when more content follows, so the paragraph mark that ends every RTF
// file leaves no empty line behind. Tables are made from \intbl paragraphs, \cell and \row.
// Content is kept while it fits the layout budget (RtfLimits::maxLayoutHeight); what follows is
// left out, and a last line says so.
class DocumentBuilder
{
public:
    DocumentBuilder(QTextDocument &document, const DocumentTables &tables, const RtfLimits &limits);

    void appendText(QStringView text, const CharProps &chars, bool inTable);
    void appendImage(const QImage &image, QSizeF size, bool inTable);
    void endParagraph(const CharProps &chars, const ParaProps &para);

    void beginRowDefinition();
    void addCellBoundary(int twips);
    void endCell(const CharProps &chars, const ParaProps &para);
    void endRow(const CharProps &chars, const ParaProps &para);

    // The font or colour table changed: formats made so far may be stale.
    void tablesChanged()
    {
        m_formats.clear();
        m_metricsOfChars.clear();
    }

    // Writes the last run; the last paragraph takes `para` unless a \par already ended it. When
    // content was left out, the notice ends the document.
    void finish(const ParaProps &para);

    // The layout budget is spent: nothing more is kept.
    bool full() const { return m_budget.full(); }

private:
    bool fitsParagraphEnd(const CharProps &chars, const ParaProps &para);
    double budgetWidth(bool inTable) const;
    const TextMetrics &metrics(const CharProps &chars);
    void appendRestNotice();
    void flushRun();
    bool wantsTable(bool inTable) const;
    void prepareForContent(bool inTable);
    void closeBlock(const CharProps &chars, const ParaProps &para);
    void enterTable();
    void leaveTable();
    void nextRow();
    void nextCell();
    void removeSpareRows();
    void moveToCell();

    QTextCharFormat charFormat(const CharProps &chars);
    bool usesFontName(const QString &name);
    QTextBlockFormat blockFormat(const ParaProps &para) const;

    QTextDocument &m_document;
    QTextCursor m_cursor;
    const DocumentTables &m_tables;
    const RtfLimits &m_limits;

    QString m_run; // text waiting to be inserted with m_runChars
    CharProps m_runChars;
    bool m_paragraphPending = false;

    QTextTable *m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    bool m_cellPending = false; // a \cell was read: the next content goes into the next cell
    bool m_rowPending = false;  // a \row was read: the next content starts a new row
    bool m_tablesExhausted = false;
    qint64 m_cellCount = 0;            // cells of the rows begun so far
    std::vector<int> m_cellBoundaries; // \cellx of the row being defined, in twips
    double m_cellWidth = 0;            // the narrowest column of the table, in pixels

    int m_imageCount = 0;

    WordBreaks m_breaks;
    LayoutBudget m_budget;

    struct CharPropsHash
    {
        std::size_t operator()(const CharProps &chars) const noexcept;
    };
    // Formats made so far: a document uses few, and each run of text needs one.
    std::unordered_map<CharProps, QTextCharFormat, CharPropsHash> m_formats;
    // Metrics of the fonts of the formats.
    std::unordered_map<CharProps, TextMetrics, CharPropsHash> m_metricsOfChars;
    // Font names given to formats: the layout searches the system's fonts once for each.
    QSet<QString> m_fontNames;
};

} // namespace platform::rtf
