#include "richtextbox.h"

#include "rtf/rtfreader.h"
#include "runtimeerror.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>

namespace platform {

namespace {

int frameLines(const QTextFrame::iterator &begin);

int blockLines(const QTextBlock &block)
{
    const QTextLayout *layout = block.layout();
    return std::max(1, layout ? layout->lineCount() : 1);
}

int tableLines(const QTextTable &table)
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
    return lines;
}

// The lines of the blocks and tables from `begin` to the end of their frame.
int frameLines(const QTextFrame::iterator &begin)
{
    int lines = 0;
    for (QTextFrame::iterator it = begin; !it.atEnd(); ++it) {
        if (QTextFrame *child = it.currentFrame()) {
            if (const auto *table = qobject_cast<QTextTable *>(child))
                lines += tableLines(*table);
            else
                lines += frameLines(child->begin());
        } else {
            lines += blockLines(it.currentBlock());
        }
    }
    return lines;
}

bool holdsPicture(const QTextBlock &block)
{
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().charFormat().isImageFormat())
            return true;
    }
    return false;
}

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
    // Moves over the box are the box's own: they do not reach the form's MouseMove handler.
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

void RichTextBox::LoadFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw RuntimeError(RuntimeError::Kind::FileNotFound,
                           QStringLiteral("File not found: %1").arg(path));
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw RuntimeError(
            RuntimeError::Kind::FileIo,
            QStringLiteral("Cannot open file: %1 (%2)").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw RuntimeError(
            RuntimeError::Kind::FileIo,
            QStringLiteral("Cannot read file: %1 (%2)").arg(path, file.errorString()));

    rtf::readRtf(bytes, *document());
    document()->setDocumentMargin(0);
    applyLinePitch();
    m_path = path;
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
}

int RichTextBox::LineCount() const
{
    QTextDocument *doc = document();
    const int width = layoutWidth();
    if (doc->pageSize().width() != width)
        doc->setTextWidth(width);
    doc->documentLayout()->documentSize(); // lays out the whole text
    return std::max(1, frameLines(doc->rootFrame()->begin()));
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

void RichTextBox::applyGeometry()
{
    TwipsGeometry::applyGeometry();
}

void RichTextBox::mouseMoveEvent(QMouseEvent *event)
{
    QTextEdit::mouseMoveEvent(event);
    event->accept();
}

void RichTextBox::applyLinePitch()
{
    if (m_linePitchTwips <= 0)
        return;
    QTextBlockFormat pitch;
    pitch.setLineHeight(m_linePitchTwips / TwipsPerPixel, QTextBlockFormat::FixedHeight);
    pitch.setTopMargin(0);
    pitch.setBottomMargin(0);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (holdsPicture(block))
            continue;
        cursor.setPosition(block.position());
        cursor.mergeBlockFormat(pitch);
    }
    cursor.endEditBlock();
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
