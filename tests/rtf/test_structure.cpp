// Destinations the reader skips or shows, tables and pictures.
#include "rtftesthelpers.h"

#include <QBuffer>
#include <QImage>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <gtest/gtest.h>

#include <optional>

using rtftest::bodyText;
using rtftest::read;

namespace {

TEST(RtfDestinations, OnlyBodyTextIsShown)
{
    const struct
    {
        const char *rtf;
        const char *text;
    } cases[] = {
        {R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}}a})", "a"},
        {R"({\rtf1{\*\generator Riched20 10.0;}a})", "a"},
        {R"({\rtf1{\*\unknowndest x{y}z}a})", "a"},
        {R"({\rtf1{\*\unknowndest{\b x}}a{\unknownword b}})", "ab"},
        {R"({\rtf1{\header H}{\footer F}{\footnote N}a})", "a"},
        {R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", "link"},
        {R"({\rtf1{\*\shppict{\pict\pngblip 00}}{\nonshppict{\pict\wmetafile8 0102}}a})",
         "［图片无法读取，未显示］a"},
        {R"({\rtf1{\listtext 1.\tab}a})", "1.\ta"},
        {R"({\rtf1{\*\bkmkstart m}a{\*\bkmkend m}})", "a"},
        {R"({\rtf1\* a})", " a"}, // a \* not at a group start changes nothing
    };
    for (const auto &c : cases)
        EXPECT_EQ(bodyText(c.rtf), QString::fromUtf8(c.text)) << c.rtf;
}

QTextTable *firstTable(const QTextDocument &document)
{
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            return table;
    }
    return nullptr;
}

QString cellText(QTextTable *table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

TEST(RtfTables, RowsAndCellsBecomeATable)
{
    const auto doc = read(R"({\rtf1 before\par)"
                          R"(\trowd\cellx1500\cellx3000\intbl A\cell B\cell\row)"
                          R"(\trowd\cellx1500\cellx3000\intbl C\par C2\cell D\cell\row)"
                          R"(\pard after\par})");
    QTextTable *table = firstTable(*doc);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows(), 2);
    ASSERT_EQ(table->columns(), 2);
    EXPECT_EQ(cellText(table, 0, 0), QStringLiteral("A"));
    EXPECT_EQ(cellText(table, 0, 1), QStringLiteral("B"));
    EXPECT_EQ(cellText(table, 1, 0), QStringLiteral("C\u2029C2"));
    EXPECT_EQ(cellText(table, 1, 1), QStringLiteral("D"));
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 2);
    EXPECT_DOUBLE_EQ(widths[0].rawValue(), 100);
    EXPECT_EQ(doc->firstBlock().text(), QStringLiteral("before"));
    EXPECT_EQ(doc->lastBlock().text(), QStringLiteral("after"));
}

TEST(RtfTables, MoreCellsThanDefinedAddColumns)
{
    const auto doc = read(R"({\rtf1\trowd\cellx1000\intbl a\cell b\cell c\cell\row\pard x})");
    QTextTable *table = firstTable(*doc);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(cellText(table, 0, 2), QStringLiteral("c"));
}

TEST(RtfTables, CellsPastTheColumnLimitShareTheLastCell)
{
    platform::rtf::RtfLimits limits;
    limits.maxTableColumns = 2;
    const auto doc = read(R"({\rtf1\trowd\intbl a\cell b\cell c\cell\row})", limits);
    QTextTable *table = firstTable(*doc);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columns(), 2);
    EXPECT_EQ(cellText(table, 0, 1), QStringLiteral("b\tc"));
}

TEST(RtfTables, PastTheCellLimitRowsReadAsParagraphs)
{
    platform::rtf::RtfLimits limits;
    limits.maxTableCells = 4;
    const auto doc = read(R"({\rtf1\trowd\cellx1\cellx2\intbl a\cell b\cell\row)"
                          R"(\intbl c\cell d\cell\row\intbl e\cell f\cell\row})",
                          limits);
    QTextTable *table = firstTable(*doc);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(doc->lastBlock().text(), QStringLiteral("e\tf\t"));
}

QByteArray hexOf(const QByteArray &bytes)
{
    return bytes.toHex();
}

QByteArray encodedImage(const char *format, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::green);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

std::optional<QTextImageFormat> firstImage(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                return it.fragment().charFormat().toImageFormat();
        }
    }
    return std::nullopt;
}

TEST(RtfPictures, PngAndJpegInHexBecomeImages)
{
    const struct
    {
        const char *blip;
        const char *format;
    } kinds[] = {{"\\pngblip", "PNG"}, {"\\jpegblip", "JPEG"}};
    for (const auto &kind : kinds) {
        SCOPED_TRACE(kind.format);
        QByteArray hex = hexOf(encodedImage(kind.format, QSize(4, 3)));
        hex.insert(20, "\r\n"); // writers break the hex into lines
        const auto doc = read("{\\rtf1 a{\\pict" + QByteArray(kind.blip) +
                              "\\picw4\\pich3\\picwgoal120\\pichgoal90 " + hex + "}b}");
        const std::optional<QTextImageFormat> format = firstImage(*doc);
        ASSERT_TRUE(format.has_value());
        EXPECT_DOUBLE_EQ(format->width(), 8);
        EXPECT_DOUBLE_EQ(format->height(), 6);
        const QImage image = doc->resource(QTextDocument::ImageResource, QUrl(format->name()))
                                 .value<QImage>();
        EXPECT_EQ(image.size(), QSize(4, 3));
        EXPECT_EQ(doc->toPlainText(), QStringLiteral("a\uFFFCb"));
    }
}

TEST(RtfPictures, BinaryDataAndNaturalSize)
{
    const QByteArray png = encodedImage("PNG", QSize(5, 2));
    const auto doc = read("{\\rtf1{\\pict\\pngblip\\bin" + QByteArray::number(png.size()) + " " +
                          png + "}x}");
    const std::optional<QTextImageFormat> format = firstImage(*doc);
    ASSERT_TRUE(format.has_value());
    EXPECT_DOUBLE_EQ(format->width(), 5);
    EXPECT_DOUBLE_EQ(format->height(), 2);
    EXPECT_EQ(doc->lastBlock().text().right(1), QStringLiteral("x"));
}

TEST(RtfPictures, OtherKindsAreLeftOutAndBrokenDataLeavesAMark)
{
    const struct
    {
        QByteArray rtf;
        const char *text;
    } cases[] = {
        {R"({\rtf1 a{\pict\wmetafile8\picw10\pich10 010009000003}b})", "ab"},
        {R"({\rtf1 a{\pict\emfblip 0100000088}b})", "ab"},
        {R"({\rtf1 a{\pict\pngblip 89504e470d0a1a0a0000}b})",
         "a［图片无法读取，未显示］b"}, // cut off
        {R"({\rtf1 a{\pict\pngblip}b})", "a［图片无法读取，未显示］b"},
        {R"({\rtf1 a{\pict\jpegblip ffd8ffe000}b})", "a［图片无法读取，未显示］b"},
    };
    for (const auto &c : cases) {
        const auto doc = read(c.rtf);
        EXPECT_FALSE(firstImage(*doc).has_value()) << c.rtf.constData();
        EXPECT_EQ(doc->toPlainText(), QString::fromUtf8(c.text)) << c.rtf.constData();
    }
}

TEST(RtfPictures, PicturesOverTheLimitsLeaveAMark)
{
    const QByteArray hex = hexOf(encodedImage("PNG", QSize(100, 100)));
    platform::rtf::RtfLimits bytes;
    bytes.maxPictureBytes = 16;
    platform::rtf::RtfLimits pixels;
    pixels.maxPicturePixels = 99 * 100;
    platform::rtf::RtfLimits total;
    total.maxTotalPicturePixels = 15000; // room for one of the two
    const QByteArray rtf = "{\\rtf1{\\pict\\pngblip " + hex + "}{\\pict\\pngblip " + hex + "}}";
    const QString mark = platform::rtf::PictureTooLargeMark.toString();
    EXPECT_EQ(read(rtf, bytes)->toPlainText(), mark + mark);
    EXPECT_EQ(read(rtf, pixels)->toPlainText(), mark + mark);
    EXPECT_EQ(read(rtf, total)->toPlainText(), QStringLiteral("\uFFFC") + mark);
    QTextDocument document;
    EXPECT_EQ(platform::rtf::readRtf(rtf, document, total).picturesLeftOut, 1);
}

} // namespace
