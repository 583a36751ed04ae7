// What the passage pane shows of long and broken content: a long passage whole, content past the
// layout budget cut with a line that says so, a picture left out with a mark in its place.
#include "richtextbox.h"
#include "rtfreader.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtEndian>

#include <gtest/gtest.h>

using platform::RichTextBox;

namespace {

const QString RestNotShown = platform::rtf::RestNotShownNotice.toString();

class PassagePaneTest : public ::testing::Test
{
protected:
    // The passage pane of the RC screen: its place and size, a scroll bar, natural line heights.
    PassagePaneTest()
    {
        m_pane.setFont(QFont(QStringLiteral("Segoe UI"), 12));
        m_pane.setGeometryTwips(360, 1215, 7335, 9750);
        m_pane.setScrollBarsVertical(true);
        m_pane.setLinePitchTwips(0);
    }

    QString show(const QByteArray &rtf)
    {
        const QString path = m_dir.filePath(QStringLiteral("passage.rtf"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(rtf);
        file.close();
        m_pane.loadFile(path);
        return m_pane.toPlainText();
    }

    QTemporaryDir m_dir;
    RichTextBox m_pane;
};

// Paragraphs of English and Chinese (in GBK escapes) in 12-point type, as a word processor writes
// them, up to `size` bytes, then the last sentence.
QByteArray ordinaryPassage(qsizetype size)
{
    QByteArray rtf =
        R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;})"
        R"({\f1\fswiss\fcharset0 Calibri;}}\pard\sa200\f1\fs24 )";
    for (int i = 0; rtf.size() < size; ++i) {
        rtf += "Paragraph " + QByteArray::number(i) +
               ": reading passages are made of sentences like this one, which run on for a "
               "while and wrap at the edge of the pane. ";
        rtf += "\\f0 " + QByteArray(R"(\'d6\'d0\'ce\'c4\'b6\'ce\'c2\'e4)").repeated(12) +
               "\\f1\\par\r\n";
    }
    return rtf + "The passage ends with this sentence.\\par}";
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return crc ^ 0xFFFFFFFFu;
}

// A whole, well-formed PNG whose header claims `width` x `height` pixels.
QByteArray pngClaiming(int width, int height)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray png = buffer.data();
    // The IHDR chunk: length at 8, type at 12, width and height at 16 and 20, its checksum at 29.
    qToBigEndian<quint32>(quint32(width), png.data() + 16);
    qToBigEndian<quint32>(quint32(height), png.data() + 20);
    qToBigEndian<quint32>(crc32(png.mid(12, 17)), png.data() + 29);
    return png;
}

QByteArray pictureGroup(const QByteArray &png)
{
    return "{\\pict\\pngblip " + png.toHex() + "}";
}

TEST_F(PassagePaneTest, AMegabytePassageOfOrdinaryParagraphsShowsWhole)
{
    const QByteArray passage = ordinaryPassage(1 << 20);
    const QString text = show(passage);
    EXPECT_GT(text.size(), 300000);
    EXPECT_TRUE(text.endsWith(QStringLiteral("The passage ends with this sentence.")));
    EXPECT_FALSE(text.contains(RestNotShown));
}

TEST_F(PassagePaneTest, ContentPastTheBudgetEndsWithTheNotice)
{
    const struct
    {
        const char *what;
        QByteArray rtf;
    } cases[] = {
        {"4,000 paragraphs at 1638 points, then short ones",
         "{\\rtf1\\ansi\\fs3276 " + QByteArray("x\\par\n").repeated(4000) + "\\fs24 " +
             QByteArray("y\\par\n").repeated(200000) + "}"},
        {"a word of a million characters", "{\\rtf1\\ansi " + QByteArray(1000000, 'a') + "}"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QString text = show(c.rtf);
        EXPECT_TRUE(text.endsWith(QStringLiteral("\n") + RestNotShown));
        EXPECT_TRUE(text.startsWith(QStringLiteral("x")) || text.startsWith(QStringLiteral("a")));
        // The notice is a line of its own in the plain format.
        const QTextBlock last = m_pane.document()->lastBlock();
        EXPECT_EQ(last.text(), RestNotShown);
        EXPECT_EQ(last.begin().fragment().charFormat().font().pixelSize(), 16); // 12 points
    }
}

TEST_F(PassagePaneTest, APictureLeftOutLeavesAMarkInItsPlace)
{
    const QString tooLarge = platform::rtf::PictureTooLargeMark.toString();
    const QString unreadable = platform::rtf::PictureUnreadableMark.toString();
    const QByteArray cutOff = pngClaiming(10, 10).left(40);
    const struct
    {
        const char *what;
        QByteArray picture;
        QString text;
    } cases[] = {
        {"20000 x 20000 pixels", pictureGroup(pngClaiming(20000, 20000)), tooLarge},
        {"a header claiming more than its data holds", pictureGroup(pngClaiming(1000, 1)),
         unreadable},
        {"a cut-off picture", pictureGroup(cutOff), unreadable},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QString text = show("{\\rtf1\\ansi before " + c.picture + " after}");
        EXPECT_EQ(text, QStringLiteral("before ") + c.text + QStringLiteral(" after"));
    }
}

} // namespace
