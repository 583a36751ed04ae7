#include "richtextbox.h"

#include "regularfile.h"
#include "rtfreader.h"
#include "runtimeerror.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

bool holdsPicture(const QTextBlock &block)
{
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().charFormat().isImageFormat())
            return true;
    }
    return false;
}

// Counts laid-out lines. With a line pitch, a table or a line with a picture counts as many lines
// as its height needs, so that a box LineCount() pitches high shows it whole.
class LineCounter
{
public:
    LineCounter(QAbstractTextDocumentLayout *layout, double pitch)
        : m_layout(layout), m_pitch(pitch)
    {}

    // The lines of the blocks and tables from `begin` to the end of their frame.
    int frameLines(const QTextFrame::iterator &begin) const
    {
        int lines = 0;
        for (QTextFrame::iterator it = begin; !it.atEnd(); ++it) {
            if (QTextFrame *child = it.currentFrame()) {
                if (auto *table = qobject_cast<QTextTable *>(child))
                    lines += tableLines(*table);
                else
                    lines += frameLines(child->begin());
            } else {
                lines += blockLines(it.currentBlock());
            }
        }
        return lines;
    }

private:
    int blockLines(const QTextBlock &block) const
    {
        const QTextLayout *layout = block.layout();
        const int lines = layout ? layout->lineCount() : 0;
        if (lines == 0)
            return 1;
        if (m_pitch <= 0 || !holdsPicture(block))
            return lines;
        int pitches = 0;
        for (int i = 0; i < lines; ++i)
            pitches += pitchesFor(layout->lineAt(i).height());
        return pitches;
    }

    // A row counts as its tallest cell.
    int tableLines(QTextTable &table) const
    {
        int lines = 0;
        for (int row = 0; row < table.rows(); ++row) {
            int tallest = 1;
            for (int column = 0; column < table.columns(); ++column) {
                const QTextTableCell cell = table.cellAt(row, column);
                if (cell.row() == row && cell.column() == column) // not a spanned-over cell
                    tallest = std::max(tallest, frameLines(cell.begin()));
            }
            lines += tallest;
        }
        if (m_pitch > 0) // borders and cell padding take room too
            lines = std::max(lines, pitchesFor(m_layout->frameBoundingRect(&table).height()));
        return lines;
    }

    int pitchesFor(double height) const
    {
        return std::max(1, static_cast<int>(std::ceil(height / m_pitch - 0.01)));
    }

    QAbstractTextDocumentLayout *m_layout;
    double m_pitch;
};

} // namespace

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent), TwipsGeometry(this)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(0);
    // A text changed in the box is no longer what its file holds.
    connect(document(), &QTextDocument::contentsChanged, this, [this] { m_loaded.reset(); });
    // Moves over the box are the box's own: they do not reach the form's MouseMove handler.
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

void RichTextBox::loadFile(const QString &path)
{
    const std::optional<FileStamp> stamp = fileStampOf(path);
    if (holdsUnchanged(path, stamp)) {
        showFromTop();
        return;
    }
    RegularFile file(path);
    if (file.size() > MaxFileBytes)
        throw RuntimeError(RuntimeError::Kind::FileIo,
                           QStringLiteral("File too large: %1 (%2 bytes; a rich-text file may "
                                          "have at most %3 bytes, 4 MB)")
                               .arg(path)
                               .arg(file.size())
                               .arg(MaxFileBytes));
    const QByteArray bytes = file.read(MaxFileBytes); // the file may have grown since

    // The new text is laid out once, when it is given the width it shows at. Until then the
    // document has no page size, which its layout takes as "not shown": clearing the old text
    // and reading the new one lay nothing out (a clear at a width lays out the empty document
    // and tells the view its new size, only for the new text to do both again).
    QTextDocument *doc = document();
    const bool barOfOldText = verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded &&
                              verticalScrollBar()->isVisible();
    if (barOfOldText || doc->pageSize().width() != layoutWidth())
        startFromEmptyText();
    const int width = layoutWidth();
    const rtf::RtfLimits limits = readingLimits();
    doc->setPageSize(QSizeF(0, 0));
    QTextCursor wholeLoad(doc);
    wholeLoad.beginEditBlock();
    rtf::readRtf(bytes, *doc, limits);
    doc->setDocumentMargin(0);
    applyLinePitch();
    // The inserted text pushed the view's cursor to its end. Put back at the start before the
    // text is laid out, it moves without measuring its old and new place on their lines, each
    // measure shaping a line anew.
    setTextCursor(QTextCursor(doc));
    wholeLoad.endEditBlock();
    doc->setTextWidth(width);
    // A scroll bar that came or went with the new text had the box lay it out again at its new
    // width, only as far as it shows: the rest is laid out now, as the scroll range needs it.
    doc->documentLayout()->documentSize();
    m_path = path;
    if (stamp)
        m_loaded = LoadedFile{path, *stamp, size(), limits.layoutWidth, m_linePitchTwips};
    verticalScrollBar()->setValue(0); // the new text shows from its top
}

bool RichTextBox::holdsUnchanged(const QString &path, const std::optional<FileStamp> &stamp) const
{
    // In a box of the same size, a text laid out at the width it shows at is what a new load
    // of the same file would end with, its scroll bar included.
    return m_loaded && stamp && m_loaded->path == path && m_loaded->stamp == *stamp &&
           m_loaded->boxSize == size() && m_loaded->linePitchTwips == m_linePitchTwips &&
           m_loaded->readingWidth == readingLimits().layoutWidth &&
           document()->pageSize().width() == layoutWidth();
}

void RichTextBox::showFromTop()
{
    setTextCursor(QTextCursor(document()));
    verticalScrollBar()->setValue(0);
}

void RichTextBox::startFromEmptyText()
{
    // The view places its viewport and shows or hides its bar when told the size of its text:
    // told of an empty text at the whole width, it has the viewport in place for the new text
    // (a box never shown has not placed it yet) and drops the bar of a long text, so that the
    // new text is laid out at the whole width first and gets a bar only when it needs one there.
    document()->clear();
    document()->setTextWidth(layoutWidth());
}

int RichTextBox::LineCount() const
{
    QTextDocument *doc = document();
    const int width = layoutWidth();
    if (doc->pageSize().width() != width)
        doc->setTextWidth(width);
    doc->documentLayout()->documentSize(); // lays out the whole text
    const LineCounter counter(doc->documentLayout(), m_linePitchTwips / TwipsPerPixel);
    return std::max(1, counter.frameLines(doc->rootFrame()->begin()));
}

void RichTextBox::setScrollBarsVertical(bool on)
{
    setVerticalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

bool RichTextBox::scrollBarsVertical() const
{
    return verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
}

void RichTextBox::setLinePitchTwips(double twips)
{
    m_linePitchTwips = std::max(0.0, twips);
}

void RichTextBox::mouseMoveEvent(QMouseEvent *event)
{
    QTextEdit::mouseMoveEvent(event);
    event->accept();
}

bool RichTextBox::event(QEvent *event)
{
    // Polished ahead of its showing, an empty box places its viewport then rather than at its
    // first load.
    if (event->type() == QEvent::Polish && document()->isEmpty() &&
        document()->pageSize().width() != layoutWidth())
        startFromEmptyText();
    return QTextEdit::event(event);
}

void RichTextBox::showEvent(QShowEvent *event)
{
    QAbstractScrollArea::showEvent(event);
}

void RichTextBox::resizeEvent(QResizeEvent *event)
{
    // The first resize of a box, when it is first shown, comes without an old size, and the text
    // edit then lays the whole text out again, even when LineCount laid it out at this very width
    // a moment before. Passed on as a resize to the same size, it only adjusts the scroll bars.
    if (!event->oldSize().isValid() && document()->pageSize().width() == viewport()->width()) {
        QResizeEvent sameWidth(event->size(), event->size());
        QTextEdit::resizeEvent(&sameWidth);
        return;
    }
    QTextEdit::resizeEvent(event);
}

void RichTextBox::applyLinePitch()
{
    if (m_linePitchTwips <= 0)
        return;
    QTextBlockFormat noSpacing;
    noSpacing.setTopMargin(0);
    noSpacing.setBottomMargin(0);
    QTextBlockFormat pitch = noSpacing;
    pitch.setLineHeight(m_linePitchTwips / TwipsPerPixel, QTextBlockFormat::FixedHeight);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        cursor.setPosition(block.position());
        cursor.mergeBlockFormat(holdsPicture(block) ? noSpacing : pitch);
    }
    cursor.endEditBlock();
}

rtf::RtfLimits RichTextBox::readingLimits() const
{
    rtf::RtfLimits limits;
    limits.layoutWidth = layoutWidth();
    // A bar that shows when the text is long takes its width from the text.
    if (scrollBarsVertical() && verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOn &&
        !verticalScrollBar()->isVisible())
        limits.layoutWidth -= verticalScrollBar()->sizeHint().width();
    limits.linePitch = m_linePitchTwips / TwipsPerPixel;
    return limits;
}

// The width the text is laid out at: the viewport's, which a hidden box has not been given yet.
int RichTextBox::layoutWidth() const
{
    if (isVisible())
        return viewport()->width();
    int width = contentsRect().width();
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        width -= verticalScrollBar()->sizeHint().width();
    return std::max(width, 1);
}

} // namespace platform
