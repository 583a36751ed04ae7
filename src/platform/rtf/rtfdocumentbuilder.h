#pragma once

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
    void tablesChanged() { m_formats.clear(); }

    // Writes the last run; the last paragraph takes `para` unless a \par already ended it.
    void finish(const ParaProps &para);

    // The layout budget (RtfLimits::maxLayoutHeight) is spent: nothing more is kept.
    bool full() const { return m_full; }

private:
    bool spend(qint64 pixels);
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

    int m_imageCount = 0;

    WordBreaks m_breaks;
    qint64 m_layoutHeight = 0; // the most the content kept so far can take, in pixels
    bool m_full = false;

    struct CharPropsHash
    {
        std::size_t operator()(const CharProps &chars) const noexcept;
    };
    // Formats made so far: a document uses few, and each run of text needs one.
    std::unordered_map<CharProps, QTextCharFormat, CharPropsHash> m_formats;
    // Font names given to formats: the layout searches the system's fonts once for each.
    QSet<QString> m_fontNames;
};

} // namespace platform::rtf
