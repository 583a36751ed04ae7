// What a document may cost to lay out: whatever the file holds, the reader keeps a document whose
// layout stays bounded in height and whose words a line breaker can wrap in one pass.
#include "rtftesthelpers.h"

#include <QAbstractTextDocumentLayout>
#include <QSet>
#include <QTextLayout>
#include <QTextBoundaryFinder>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using rtftest::read;

namespace {

constexpr int PassagePaneWidth = 7335 / 15; // pixels

// The limits the passage pane reads with: its width less a scroll bar, natural line heights.
platform::rtf::RtfLimits passagePane(int width = PassagePaneWidth - 16)
{
    platform::rtf::RtfLimits limits;
    limits.layoutWidth = width;
    return limits;
}
const platform::rtf::RtfLimits Limits = passagePane();
const QString Notice = platform::rtf::RestNotShownNotice.toString();

QByteArray repeated(const QByteArray &piece, int times)
{
    return piece.repeated(times);
}

int largestPixelSize(const QTextDocument &document)
{
    int largest = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        largest = std::max(largest, block.charFormat().font().pixelSize());
        for (auto it = block.begin(); !it.atEnd(); ++it)
            largest = std::max(largest, it.fragment().charFormat().font().pixelSize());
    }
    return largest;
}

double heightAtPassageWidth(QTextDocument &document)
{
    document.setTextWidth(PassagePaneWidth);
    return document.documentLayout()->documentSize().height();
}

// The longest stretch of the text a line breaker must cross without a place to break.
qsizetype longestUnbrokenRun(const QString &text)
{
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype longest = 0;
    qsizetype previous = 0;
    while (breaks.toNextBoundary() >= 0) {
        longest = std::max(longest, breaks.position() - previous);
        previous = breaks.position();
    }
    return longest;
}

TEST(RtfLayoutCost, HugeFontsOverThousandsOfParagraphsShowAt72Points)
{
    const auto document = read("{\\rtf1\\ansi\\fs3276 " + repeated("x\\par\n", 4000) + "}", Limits);
    // Checked before the layout: with 1638-point lines it would not come back.
    ASSERT_LE(largestPixelSize(*document), 96); // 72 points
    EXPECT_EQ(document->blockCount(), 4000);
    EXPECT_FALSE(document->toPlainText().contains(Notice));
    EXPECT_LE(heightAtPassageWidth(*document), Limits.maxLayoutHeight);
}

TEST(RtfLayoutCost, ContentPastTheBudgetIsLeftOutWithANotice)
{
    const struct
    {
        const char *what;
        QByteArray rtf;
    } cases[] = {
        {"short paragraphs", repeated("x\\par\n", 200000)},
        {"paragraph spacing", repeated("\\sb31680\\sa31680 x\\par\n", 1000)},
        {"line breaks", "x" + repeated("\\line x", 100000)},
        {"a word of a million characters", repeated("{\\b aaaaa}{\\i bbbbb}", 100000)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QTextDocument document;
        const auto result = platform::rtf::readRtf("{\\rtf1\\ansi " + c.rtf + "}", document,
                                                   Limits);
        const QString text = document.toPlainText();
        ASSERT_LT(text.size(), 200000); // checked before the layout
        EXPECT_TRUE(result.restLeftOut);
        EXPECT_TRUE(text.startsWith(QStringLiteral("x")) || text.startsWith(QStringLiteral("a")));
        EXPECT_TRUE(text.endsWith(QStringLiteral("\n") + Notice));
        EXPECT_LE(heightAtPassageWidth(document), Limits.maxLayoutHeight);
        document.documentLayout()->documentSize();
        EXPECT_LE(document.lastBlock().previous().layout()->lineCount(), Limits.maxParagraphLines);
    }
}

TEST(RtfLayoutCost, TheBudgetCountsLinesAsWrappedAtTheWidth)
{
    QByteArray paragraphs;
    for (int i = 0; i < 300; ++i)
        paragraphs += "Paragraph " + QByteArray::number(i) + " has words that wrap. \\par ";
    platform::rtf::RtfLimits narrow = passagePane(120);
    platform::rtf::RtfLimits wide = passagePane(400);
    narrow.maxLayoutHeight = wide.maxLayoutHeight = 4000;
    const QString narrowText = read("{\\rtf1\\ansi " + paragraphs + "}", narrow)->toPlainText();
    const QString wideText = read("{\\rtf1\\ansi " + paragraphs + "}", wide)->toPlainText();
    EXPECT_TRUE(narrowText.endsWith(Notice));
    EXPECT_TRUE(wideText.endsWith(Notice));
    EXPECT_LT(narrowText.size() * 2, wideText.size()); // some 3 lines a paragraph against 1

    // What is kept fits the height when laid out at its width.
    for (const auto &[limits, text] : {std::pair{narrow, narrowText}, std::pair{wide, wideText}}) {
        QTextDocument document;
        document.setDocumentMargin(0);
        platform::rtf::readRtf("{\\rtf1\\ansi " + paragraphs + "}", document, limits);
        document.setTextWidth(limits.layoutWidth);
        EXPECT_LE(document.documentLayout()->documentSize().height(), limits.maxLayoutHeight);
        EXPECT_GT(document.documentLayout()->documentSize().height(), limits.maxLayoutHeight / 2);
    }
}

TEST(RtfLayoutCost, OverlongWordsGetBreaksAndKeepTheirCharacters)
{
    const auto word = read("{\\rtf1\\ansi " + repeated("{\\b aaaaa}{\\i bbbbb}", 100000) + "}",
                           Limits);
    const QString text = word->toPlainText();
    EXPECT_GT(text.size(), 20000);
    EXPECT_LE(longestUnbrokenRun(text), 201); // 200 characters and the break after them

    // Characters outside the basic plane stay whole; words of ordinary length stay unbroken.
    const QString face = QString::fromUcs4(U"\U0001F600");
    const auto faces = read("{\\rtf1\\ansi " + repeated("\\u-10179?\\u-8704?", 300) + "}");
    EXPECT_EQ(faces->toPlainText().remove(QChar(0x200B)), face.repeated(300));
    const QString plain = QStringLiteral("Pneumonoultramicroscopicsilicovolcanoconiosis ")
                              .repeated(50);
    EXPECT_EQ(read("{\\rtf1\\ansi " + plain.toUtf8() + "}", Limits)->toPlainText(), plain);
}

TEST(RtfLayoutCost, ThousandsOfFontsShowInAFewDozenFamilies)
{
    // Every font name the layout meets costs it a search of the system's fonts.
    QByteArray table;
    QByteArray body;
    for (int font = 0; font < 2000; ++font) {
        table += "{\\f" + QByteArray::number(font) + " Font" + QByteArray::number(font) + ";}";
        body += "\\f" + QByteArray::number(font) + " x";
    }
    const auto document = read("{\\rtf1\\ansi{\\fonttbl" + table + "}" + body + "}");
    EXPECT_EQ(document->toPlainText().remove(QChar(0x200B)), QString(2000, u'x'));
    QSet<QStringList> families;
    for (auto it = document->begin().begin(); !it.atEnd(); ++it)
        families.insert(it.fragment().charFormat().fontFamilies().toStringList());
    EXPECT_LE(families.size(), Limits.maxFontNames + 1); // and the default font
    EXPECT_TRUE(families.contains(QStringList{QStringLiteral("Font0")}));
}

} // namespace
