// The read-only box: loading files, its line count at a width, lines that fit the line pitch.
#include "richtextbox.h"
#include "runtimeerror.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

using platform::RichTextBox;
using platform::RuntimeError;

namespace {

// The pitch the screens give a question box: 345 twips, 23 px a line.
constexpr double BoxLinePitchTwips = 345;

class RichTextBoxTest : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &rtf)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(rtf);
        return path;
    }

    // A box of the given width in pixels holding `rtf`.
    void load(RichTextBox &box, const QByteArray &rtf, int widthPx)
    {
        box.setGeometryTwips(0, 0, widthPx * 15.0, 600);
        box.loadFile(write(QStringLiteral("box.rtf"), rtf));
    }

    // A passage pane 300 px wide and 200 px high, shown, holding 60 lines; returns the file's RTF.
    QByteArray showLongPassage(RichTextBox &box)
    {
        box.setScrollBarsVertical(true);
        QByteArray passage = "{\\rtf1 ";
        for (int i = 0; i < 60; ++i)
            passage += "Line of the passage\\par ";
        passage += "}";
        load(box, passage, 300);
        box.setHeightTwips(200 * 15);
        box.show();
        QApplication::processEvents();
        return passage;
    }

    QTemporaryDir m_dir;
};

const QByteArray CjkFont = R"({\fonttbl{\f0\fnil\fcharset134 WenQuanYi Micro Hei;}})";

QByteArray chinese(int characters)
{
    QByteArray text;
    for (int i = 0; i < characters; ++i)
        text += "\\'d6\\'d0"; // 中, one 16 px em at 12 pt
    return text;
}

TEST_F(RichTextBoxTest, MissingFileIsFileNotFound)
{
    RichTextBox box;
    const QString path = m_dir.filePath(QStringLiteral("Load/none.rtf"));
    try {
        box.loadFile(path);
        FAIL() << "no error";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::FileNotFound);
        EXPECT_EQ(error.message(), QStringLiteral("File not found: ") + path);
    }
}

TEST_F(RichTextBoxTest, UnreadableFileIsFileIo)
{
    RichTextBox box;
    try {
        box.loadFile(m_dir.path()); // a folder cannot be read as a file
        FAIL() << "no error";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::FileIo);
        EXPECT_TRUE(error.message().contains(m_dir.path()));
    }
}

TEST_F(RichTextBoxTest, AFileOverTheSizeLimitIsRefusedNamingItAndTheLimit)
{
    const QString largest = write(QStringLiteral("largest.rtf"), "{\\rtf1 first words");
    ASSERT_TRUE(QFile::resize(largest, RichTextBox::MaxFileBytes)); // the rest: zero bytes
    RichTextBox box;
    box.loadFile(largest);
    EXPECT_TRUE(box.toPlainText().startsWith(QStringLiteral("first words")));

    const QString tooLarge = write(QStringLiteral("too large.rtf"), "{\\rtf1 x");
    ASSERT_TRUE(QFile::resize(tooLarge, RichTextBox::MaxFileBytes + 1));
    try {
        box.loadFile(tooLarge);
        FAIL() << "no error";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::FileIo);
        EXPECT_EQ(error.message(),
                  QStringLiteral("File too large: %1 (4194305 bytes; a rich-text file may have at "
                                 "most 4194304 bytes, 4 MB)")
                      .arg(tooLarge));
    }
    EXPECT_EQ(box.loadedPath(), largest); // the box keeps what it showed
}

TEST_F(RichTextBoxTest, LoadingReplacesTheText)
{
    RichTextBox box;
    box.loadFile(write(QStringLiteral("a.rtf"), R"({\rtf1 first\par second})"));
    const QString second = write(QStringLiteral("b.rtf"), R"({\rtf1 third})");
    box.loadFile(second);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("third"));
    EXPECT_EQ(box.loadedPath(), second);
    EXPECT_TRUE(box.isReadOnly());
}

// A file the box holds, unchanged on disk and in the box, is not read again (the text is not
// rebuilt) but shows from its start. Whatever changed it is read again.
TEST_F(RichTextBoxTest, AnUnchangedFileIsNotReadAgainAndAChangedOneIs)
{
    RichTextBox box;
    box.setGeometryTwips(0, 0, 300 * 15, 600);
    const QString path = write(QStringLiteral("q.rtf"), R"({\rtf1 first text})");
    box.loadFile(path);
    QTextCursor selection = box.textCursor();
    selection.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    box.setTextCursor(selection);
    int rebuilds = 0;
    QObject::connect(box.document(), &QTextDocument::contentsChanged, [&rebuilds] { ++rebuilds; });

    box.loadFile(path);
    EXPECT_EQ(rebuilds, 0);
    EXPECT_EQ(box.textCursor().position(), 0);
    EXPECT_FALSE(box.textCursor().hasSelection());

    // Rewritten with the same size, at another time.
    const QDateTime time = QFileInfo(path).lastModified();
    write(QStringLiteral("q.rtf"), R"({\rtf1 other text})");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time.addSecs(1), QFileDevice::FileModificationTime));
    file.close();
    box.loadFile(path);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("other text"));

    // Another file of the same size and time moved into its place.
    const QString moved = write(QStringLiteral("moved.rtf"), R"({\rtf1 moved text})");
    QFile movedFile(moved);
    ASSERT_TRUE(movedFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(movedFile.setFileTime(time.addSecs(1), QFileDevice::FileModificationTime));
    movedFile.close();
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(moved, path));
    box.loadFile(path);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("moved text"));

    // The text changed in the box.
    QTextCursor edit(box.document());
    edit.insertText(QStringLiteral("typed "));
    box.loadFile(path);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("moved text"));

    // A long text in a pane with a bar, unchanged (loaded once more in the pane's final size).
    RichTextBox pane;
    showLongPassage(pane);
    pane.loadFile(m_dir.filePath(QStringLiteral("box.rtf")));
    QApplication::processEvents();
    ASSERT_TRUE(pane.verticalScrollBar()->isVisible());
    pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum());
    int paneRebuilds = 0;
    QObject::connect(pane.document(), &QTextDocument::contentsChanged,
                     [&paneRebuilds] { ++paneRebuilds; });
    pane.loadFile(m_dir.filePath(QStringLiteral("box.rtf")));
    EXPECT_EQ(paneRebuilds, 0);
    EXPECT_EQ(pane.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(pane.verticalScrollBar()->isVisible());

    // Another width: laid out again at it.
    rebuilds = 0;
    box.setGeometryTwips(0, 0, 200 * 15, 600);
    box.loadFile(path);
    EXPECT_GT(rebuilds, 0);
    EXPECT_EQ(box.document()->pageSize().width(), 200);
}

struct LineCase
{
    const char *name;
    QByteArray body;
    int widthPx;
    int lines;
};

TEST_F(RichTextBoxTest, LineCountAtTheBoxWidth)
{
    const LineCase cases[] = {
        {"empty file", "", 300, 1},
        {"one short line", chinese(3), 300, 1},
        {"25 ems at 10 a line", chinese(25), 170, 3},
        {"25 ems on one line", chinese(25), 420, 1},
        {"exactly two full lines", chinese(20), 170, 2},
        {"paragraphs, a line break and an empty line", "a\\par b\\line c\\par\\par", 300, 4},
        {"final paragraph mark", "a\\par", 300, 1},
    };
    for (const LineCase &c : cases) {
        SCOPED_TRACE(c.name);
        RichTextBox box;
        load(box, "{\\rtf1\\ansi\\ansicpg936" + CjkFont + "\\f0\\fs24 " + c.body + "}", c.widthPx);
        EXPECT_EQ(box.LineCount(), c.lines);
    }
}

TEST_F(RichTextBoxTest, TableRowCountsItsTallestCell)
{
    RichTextBox box;
    box.setLinePitchTwips(0); // lines only: no pitches for the borders
    load(box,
         R"({\rtf1 x\par\trowd\cellx1500\cellx3000\intbl a\line b\line c\cell d\cell\row\pard y})",
         300);
    EXPECT_EQ(box.LineCount(), 5);
}

// Borders, cell padding and pictures do not keep to the pitch: they count the pitches they need.
TEST_F(RichTextBoxTest, TablesAndPicturesGetPitchesEnoughForTheirHeight)
{
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    picture.save(&png, "PNG");
    RichTextBox box;
    box.setLinePitchTwips(BoxLinePitchTwips);
    load(box,
         R"({\rtf1 x\par\trowd\cellx1500\cellx3000\intbl a\line b\cell d\cell\row)"
         R"(\trowd\cellx1500\cellx3000\intbl e\cell f\cell\row\pard y {\pict\pngblip\picwgoal900)"
         R"(\pichgoal900 )" +
             png.data().toHex() + R"(} z\par w})",
         300);
    const int lines = box.LineCount();
    EXPECT_GE(lines, 1 + 3 + 2 + 1);
    EXPECT_LE(box.document()->documentLayout()->documentSize().height(), lines * 23.0);
    EXPECT_GT(box.document()->documentLayout()->documentSize().height(), (lines - 1) * 23.0);
}

TEST_F(RichTextBoxTest, EmptyBoxHasOneLine)
{
    RichTextBox box;
    box.setGeometryTwips(0, 0, 3000, 345);
    EXPECT_EQ(box.LineCount(), 1);
}

TEST_F(RichTextBoxTest, LineCountFollowsAWidthChange)
{
    RichTextBox box;
    load(box, "{\\rtf1\\ansi\\ansicpg936" + CjkFont + "\\f0\\fs24 " + chinese(25) + "}", 170);
    EXPECT_EQ(box.LineCount(), 3);
    box.setWidthTwips(420 * 15);
    EXPECT_EQ(box.LineCount(), 1);
    box.show();
    box.setWidthTwips(170 * 15);
    EXPECT_EQ(box.LineCount(), 3);
}

// The screens make a box LineCount x 345 twips high: every line must fit its 23 px.
TEST_F(RichTextBoxTest, LinesOfQuestionFontsFitTheLinePitch)
{
    const QByteArray header =
        R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;})"
        R"({\f1\froman\fcharset0 Times New Roman;}{\f2\fswiss\fcharset0 Arial;})"
        R"({\f3\fnil\fcharset134 \'ce\'a2\'c8\'ed\'d1\'c5\'ba\'da;}})";
    for (const char *size : {"\\fs21", "\\fs24", "\\fs26"}) {
        SCOPED_TRACE(size);
        RichTextBox box;
        box.setLinePitchTwips(BoxLinePitchTwips);
        const QByteArray body = QByteArray("\\pard\\sa200\\sb100") + size +
                                R"( \f1 Which word is closest in meaning to \b "abundant"\b0 ? )"
                                R"(\f0 )" +
                                chinese(12) + R"(\f2  gjpqy Arial \f3 )" + chinese(6) +
                                R"(\par\f1 A. plentiful\par\par B. \i scarce\i0  )" + chinese(30) +
                                "\\par}";
        load(box, header + body, 320);
        const int lines = box.LineCount();
        EXPECT_GE(lines, 6);
        const QTextDocument *doc = box.document();
        EXPECT_DOUBLE_EQ(doc->documentLayout()->documentSize().height(), lines * 23.0);
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            const QTextLayout *layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i)
                EXPECT_LE(layout->lineAt(i).height(), 23.0) << block.text().toStdString();
        }
    }
}

TEST_F(RichTextBoxTest, NaturalLineHeightsWhenThePitchIsOff)
{
    RichTextBox box;
    box.setLinePitchTwips(0);
    load(box, "{\\rtf1\\sa300 a\\par b}", 300);
    EXPECT_DOUBLE_EQ(box.document()->firstBlock().blockFormat().bottomMargin(), 20);
    EXPECT_EQ(box.LineCount(), 2);
}

TEST_F(RichTextBoxTest, QuestionBoxHasNoScrollBarAndNoFrame)
{
    RichTextBox box;
    EXPECT_FALSE(box.scrollBarsVertical());
    EXPECT_EQ(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(box.frameWidth(), 0);
    EXPECT_DOUBLE_EQ(box.document()->documentMargin(), 0);
}

TEST_F(RichTextBoxTest, PassagePaneScrollsAndKeepsItsPositionUntilTheNextFile)
{
    RichTextBox box;
    const QByteArray passage = showLongPassage(box);
    QScrollBar *bar = box.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum() / 2);
    const int position = bar->value();
    box.LineCount();
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), position);

    box.loadFile(write(QStringLiteral("next.rtf"), passage));
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), 0);
}

// A new text shows from its start, whatever the reader had scrolled to or selected.
TEST_F(RichTextBoxTest, ANewTextShowsFromItsStartWithNothingSelected)
{
    RichTextBox box;
    const QByteArray passage = showLongPassage(box);
    QTextCursor selection = box.textCursor();
    selection.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    box.setTextCursor(selection);
    ASSERT_GT(box.verticalScrollBar()->value(), 0);

    box.loadFile(write(QStringLiteral("next.rtf"), passage));
    EXPECT_EQ(box.textCursor().position(), 0);
    EXPECT_FALSE(box.textCursor().hasSelection());
    EXPECT_EQ(box.verticalScrollBar()->value(), 0);
}

// A pane loaded while hidden gets its scroll bar when it shows, which narrows the text: the range
// is that of the whole text at the narrower width at once, not of a part laid out so far.
TEST_F(RichTextBoxTest, APaneLoadedWhileHiddenScrollsItsWholeTextWhenShown)
{
    QWidget form;
    auto *box = new RichTextBox(&form);
    box->setScrollBarsVertical(true);
    box->setGeometryTwips(0, 0, 300 * 15, 200 * 15);
    // Short lines first, then one long paragraph: a part laid out tells little of the whole.
    QByteArray passage = "{\\rtf1\\ansi\\ansicpg936" + CjkFont + "\\f0\\fs24 ";
    for (int i = 0; i < 600; ++i)
        passage += chinese(1) + "\\par ";
    passage += chinese(900);
    box->loadFile(write(QStringLiteral("passage.rtf"), passage + "}"));
    form.show();
    QScrollBar *bar = box->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    const int range = bar->maximum();
    const double height = box->document()->documentLayout()->documentSize().height();
    EXPECT_EQ(range, qRound(height) - box->viewport()->height());
}

// Lines of 18 characters, 288 px: each fits a 300 px pane on one line, but takes two beside a
// scroll bar. Eight of them fit the pane's 200 px only without a bar.
QByteArray textThatFitsOnlyWithoutABar()
{
    QByteArray text = "{\\rtf1\\ansi\\ansicpg936" + CjkFont + "\\f0\\fs24 ";
    for (int i = 0; i < 8; ++i)
        text += chinese(18) + "\\par ";
    return text + "}";
}

// A pane shows a bar only for a text that needs one at its whole width, whatever it showed before
// and whether it was loaded shown, hidden, or hidden after being readied for showing.
TEST_F(RichTextBoxTest, APaneHasABarOnlyWhenItsTextNeedsOneAtTheWholeWidth)
{
    const QByteArray fits = textThatFitsOnlyWithoutABar();
    {
        RichTextBox box;
        showLongPassage(box);
        ASSERT_TRUE(box.verticalScrollBar()->isVisible());
        box.loadFile(write(QStringLiteral("fits.rtf"), fits));
        QApplication::processEvents();
        EXPECT_FALSE(box.verticalScrollBar()->isVisible());
        EXPECT_EQ(box.viewport()->width(), 300);
        EXPECT_EQ(box.document()->pageSize().width(), 300);
    }
    for (const bool readiedAhead : {false, true}) {
        QWidget form;
        auto *box = new RichTextBox(&form);
        box->setScrollBarsVertical(true);
        box->setGeometryTwips(0, 0, 300 * 15, 200 * 15);
        if (readiedAhead)
            form.ensurePolished();
        box->loadFile(write(QStringLiteral("fits.rtf"), fits));
        form.show();
        QApplication::processEvents();
        EXPECT_FALSE(box->verticalScrollBar()->isVisible()) << "readied ahead: " << readiedAhead;
        EXPECT_EQ(box->document()->pageSize().width(), 300) << "readied ahead: " << readiedAhead;
    }
}

class MoveCounter : public QWidget
{
public:
    int moves = 0;

protected:
    void mouseMoveEvent(QMouseEvent *) override { ++moves; }
};

TEST_F(RichTextBoxTest, MouseMovesOverTheBoxStayWithTheBox)
{
    MoveCounter form;
    form.setMouseTracking(true);
    auto *box = new RichTextBox(&form);
    box->setGeometryTwips(0, 0, 1500, 1500);
    form.show();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), box->viewport()->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &move);
    EXPECT_EQ(form.moves, 0);
}

} // namespace
