// Broken and hostile input: the reader keeps what it could read and stays within its limits.
#include "rtftesthelpers.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdint>

using rtftest::bodyText;
using rtftest::read;

namespace {

TEST(RtfHostile, TruncatedInputKeepsTheTextBeforeTheCut)
{
    const QByteArray rtf =
        R"({\rtf1\ansi\ansicpg936{\fonttbl{\f0\fcharset134 S;}}{\colortbl;\red1;})"
        R"(\f0 Hello \'d6\'d0\par{\b world}\u25991?\trowd\cellx9\intbl x\cell\row})";
    for (qsizetype cut = 0; cut <= rtf.size(); ++cut) {
        const auto doc = read(rtf.left(cut));
        const QString text = doc->toPlainText();
        if (cut >= rtf.indexOf("Hello") + 5) {
            EXPECT_TRUE(text.startsWith(QStringLiteral("Hello"))) << cut;
        }
        if (cut >= rtf.indexOf("\\par")) {
            EXPECT_TRUE(text.startsWith(QStringLiteral("Hello 中"))) << cut;
        }
        if (cut >= rtf.indexOf("world") + 5) {
            EXPECT_TRUE(text.contains(QStringLiteral("world"))) << cut;
        }
    }
}

TEST(RtfHostile, UnbalancedAndMalformedInput)
{
    const struct
    {
        QByteArray rtf;
        const char *text;
    } cases[] = {
        {"", ""},
        {"plain text, no RTF", "plain text, no RTF"},
        {R"({\rtf1 a}} b)", "a"}, // reading ends with the document's group
        {R"(}{\rtf1 a})", ""},    // a stray '}' ends it at once
        {R"({\rtf1 a{{{b)", "ab"},
        {R"({\rtf1 a\)", "a"},
        {R"({\rtf1 a\'4)", "a"}, // the byte 0x04 is a control character: dropped
        {R"({\rtf1 a\'zz b})", "azz b"},
        {R"({\rtf1 a\u)", "a"},
        {R"({\rtf1 a\row b})", "ab"},
        {R"({\rtf1 a\par\cell\row\cellx\intbl x\par\pard y})",
         "a||x|y"}, // table words out of place: an empty cell, then x
        {QByteArray("{\\rtf1 a\0b}", 11), "ab"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rtf.constData());
        const auto doc = read(c.rtf);
        EXPECT_EQ(rtftest::blockTexts(*doc).join(QLatin1Char('|')), QString::fromUtf8(c.text));
    }
}

TEST(RtfHostile, DeepNestingIsReadFlat)
{
    platform::rtf::RtfLimits limits;
    const QByteArray deep = QByteArray(200000, '{') + "\\b deep" + QByteArray(200000, '}');
    EXPECT_EQ(bodyText("{\\rtf1 a" + deep + " b}"), QStringLiteral("adeep b"));

    // Past the depth limit a group is part of its parent: its bold lasts until the parent ends.
    limits.maxGroupDepth = 2;
    const auto doc = read(R"({\rtf1{{\b x}y}z})", limits);
    EXPECT_EQ(rtftest::formatOf(*doc, "y").fontWeight(), QFont::Bold);
    EXPECT_EQ(rtftest::formatOf(*doc, "z").fontWeight(), QFont::Normal);
}

TEST(RtfHostile, OversizedWordsAndNumbersAreCut)
{
    const struct
    {
        QByteArray rtf;
        const char *text;
    } cases[] = {
        {"{\\rtf1 \\" + QByteArray(100000, 'b') + " x}", "x"},
        {"{\\rtf1 \\fs" + QByteArray(100000, '9') + " x}", "x"},
        {R"({\rtf1 \u99999999999999 ?x})", "x"},
        {R"({\rtf1 \uc-5\u20013 x})", "中x"},
        {R"({\rtf1 \uc999999\u20013 abc{d}})", "中d"},
        {R"({\rtf1\li-99999999999\fi99999999999\cf-7\f-3 x})", "x"},
        {R"({\rtf1\b-5 x\b-0 y})", "xy"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(bodyText(c.rtf).toUtf8(), QByteArray(c.text)) << c.rtf.left(40).constData();

    const auto doc = read("{\\rtf1\\fs" + QByteArray(50, '9') + " x}");
    EXPECT_EQ(rtftest::formatOf(*doc, "x").font().pixelSize(), 96); // 72 pt at most
}

TEST(RtfHostile, BinaryDataNeverReadsAsStructure)
{
    EXPECT_EQ(bodyText(R"({\rtf1 a{\*\foo\bin4 {{{{}b})"), QStringLiteral("ab"));
    EXPECT_EQ(bodyText(R"({\rtf1 a\bin3 }}}b})"), QStringLiteral("ab"));
    EXPECT_EQ(bodyText(R"({\rtf1 a\bin999 xyz)"), QStringLiteral("a")); // runs past the end
    EXPECT_EQ(bodyText(R"({\rtf1 a\bin-4 b})"), QStringLiteral("ab"));

    platform::rtf::RtfLimits limits;
    limits.maxBinaryBytes = 8;
    EXPECT_EQ(rtftest::blockTexts(*read(R"({\rtf1 a\bin9 123456789b})", limits)).join('|'),
              QStringLiteral("a")); // an over-large \bin ends the reading
}

TEST(RtfHostile, PseudoRandomBytesNeverBreakTheReader)
{
    // Mutations of a real-looking file: bytes flipped, dropped and repeated.
    const QByteArray seed =
        R"({\rtf1\ansi\ansicpg936{\fonttbl{\f0\fcharset134 \'cb\'ce;}}{\colortbl;\red255;})"
        R"(\f0\fs24\b \'d6\'d0\u25991?\par\trowd\cellx100\intbl a\cell\row)"
        R"({\pict\pngblip 89504e47}{\*\x y}\qc\li99\tab\line\~\-})";
    const char alphabet[] = "{}\\'0123456789abcdefuxpqlrtbin -;*";
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    };
    // Broken pictures make Qt's PNG reader warn: keep the test's output readable.
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &) {});
    for (int round = 0; round < 2000; ++round) {
        QByteArray input = seed;
        const int edits = 1 + static_cast<int>(next() % 8);
        for (int e = 0; e < edits; ++e) {
            const qsizetype at = static_cast<qsizetype>(next() %
                                                        static_cast<std::uint32_t>(input.size()));
            switch (next() % 3) {
            case 0: input[at] = alphabet[next() % (sizeof alphabet - 1)]; break;
            case 1: input.remove(at, 1 + next() % 6); break;
            default: input.insert(at, input.mid(at, 1 + next() % 12)); break;
            }
            if (input.isEmpty())
                input = seed;
        }
        const auto doc = read(input);
        ASSERT_GE(doc->blockCount(), 1);
    }
    qInstallMessageHandler(previous);
}

} // namespace
