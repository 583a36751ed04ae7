// Character and paragraph formats: runs, resets by \plain and \pard, groups restoring them.
#include "rtftesthelpers.h"

#include <QTextBlockFormat>

#include <gtest/gtest.h>

using rtftest::formatOf;
using rtftest::read;

namespace {

TEST(RtfCharacterFormat, ToggledRunsAndGroupRestore)
{
    const auto doc = read(R"({\rtf1 a\b b\b0 c{\i d{\ul e}f}g\strike h\strike0 i\ul j\ulnone k})");
    struct Row
    {
        const char *text;
        bool bold, italic, underline, strike;
    };
    const Row rows[] = {
        {"a", false, false, false, false}, {"b", true, false, false, false},
        {"c", false, false, false, false}, {"d", false, true, false, false},
        {"e", false, true, true, false},   {"f", false, true, false, false},
        {"g", false, false, false, false}, {"h", false, false, false, true},
        {"i", false, false, false, false}, {"j", false, false, true, false},
        {"k", false, false, false, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        const QTextCharFormat format = formatOf(*doc, QString::fromLatin1(row.text));
        EXPECT_EQ(format.fontWeight() == QFont::Bold, row.bold);
        EXPECT_EQ(format.fontItalic(), row.italic);
        EXPECT_EQ(format.fontUnderline(), row.underline);
        EXPECT_EQ(format.fontStrikeOut(), row.strike);
    }
}

TEST(RtfCharacterFormat, PlainClearsEverything)
{
    const auto doc = read(
        R"({\rtf1{\colortbl;\red255\green0\blue0;}\b\i\ul\strike\super\cf1\fs40 a\plain b})");
    const QTextCharFormat a = formatOf(*doc, "a");
    const QTextCharFormat b = formatOf(*doc, "b");
    EXPECT_EQ(a.fontWeight(), QFont::Bold);
    EXPECT_EQ(a.verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(a.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(b.fontWeight(), QFont::Normal);
    EXPECT_FALSE(b.fontItalic() || b.fontUnderline() || b.fontStrikeOut());
    EXPECT_EQ(b.verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_FALSE(b.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(b.font().pixelSize(), 16); // \fs24, 12 pt
}

TEST(RtfCharacterFormat, SizesInPixelsAt96Dpi)
{
    const auto doc = read(R"({\rtf1\fs24 a\fs21 b\fs26 c\fs36 d\fs0 e})");
    EXPECT_EQ(formatOf(*doc, "a").font().pixelSize(), 16);
    EXPECT_EQ(formatOf(*doc, "b").font().pixelSize(), 14);
    EXPECT_EQ(formatOf(*doc, "c").font().pixelSize(), 17);
    EXPECT_EQ(formatOf(*doc, "d").font().pixelSize(), 24);
    EXPECT_EQ(formatOf(*doc, "e").font().pixelSize(), 16); // \fs0 means the default
}

TEST(RtfCharacterFormat, ColoursFromTheTable)
{
    const auto doc = read(R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
                          R"(\cf1 a\cf2\highlight1 b\cf0\highlight0 c\cb2 d\cf9 e})");
    EXPECT_EQ(formatOf(*doc, "a").foreground().color(), QColor(Qt::red));
    EXPECT_EQ(formatOf(*doc, "b").foreground().color(), QColor(Qt::blue));
    EXPECT_EQ(formatOf(*doc, "b").background().color(), QColor(Qt::red));
    EXPECT_FALSE(formatOf(*doc, "c").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(formatOf(*doc, "c").hasProperty(QTextFormat::BackgroundBrush));
    EXPECT_EQ(formatOf(*doc, "d").background().color(), QColor(Qt::blue));
    EXPECT_FALSE(formatOf(*doc, "e").hasProperty(QTextFormat::ForegroundBrush)); // no colour 9
}

TEST(RtfCharacterFormat, FontFamilyFromTableAndDefaultFont)
{
    const auto doc = read(
        R"({\rtf1\deff1{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss Arial;}})"
        R"(a\f0 b\f7 c})");
    EXPECT_EQ(formatOf(*doc, "a").fontFamilies().toStringList(),
              QStringList{QStringLiteral("Arial")});
    EXPECT_EQ(formatOf(*doc, "b").fontFamilies().toStringList(),
              QStringList{QStringLiteral("Times New Roman")});
    EXPECT_EQ(formatOf(*doc, "b").fontStyleHint(), QFont::Serif);
    EXPECT_FALSE(formatOf(*doc, "c").hasProperty(QTextFormat::FontFamilies)); // unknown font
}

TEST(RtfCharacterFormat, HiddenTextIsLeftOut)
{
    EXPECT_EQ(rtftest::bodyText(R"({\rtf1 a{\v hidden\tab}b\v c\v0 d})"), QStringLiteral("abd"));
}

TEST(RtfParagraphFormat, AlignmentIndentsAndSpacing)
{
    const auto doc = read(
        R"({\rtf1\qc a\par\qr b\par\qj\li720\ri360\fi-360\sb120\sa240 c\par\pard d})");
    ASSERT_EQ(doc->blockCount(), 4);
    EXPECT_EQ(doc->findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(doc->findBlockByNumber(1).blockFormat().alignment(), Qt::AlignRight);
    const QTextBlockFormat c = doc->findBlockByNumber(2).blockFormat();
    EXPECT_EQ(c.alignment(), Qt::AlignJustify);
    EXPECT_DOUBLE_EQ(c.leftMargin(), 48);
    EXPECT_DOUBLE_EQ(c.rightMargin(), 24);
    EXPECT_DOUBLE_EQ(c.textIndent(), -24);
    EXPECT_DOUBLE_EQ(c.topMargin(), 8);
    EXPECT_DOUBLE_EQ(c.bottomMargin(), 16);
    const QTextBlockFormat d = doc->findBlockByNumber(3).blockFormat();
    EXPECT_EQ(d.alignment(), Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(d.leftMargin(), 0);
    EXPECT_DOUBLE_EQ(d.textIndent(), 0);
}

TEST(RtfParagraphFormat, GroupEndRestoresParagraphProperties)
{
    const auto doc = read(R"({\rtf1{\qc a\par}b})");
    EXPECT_EQ(doc->findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(doc->findBlockByNumber(1).blockFormat().alignment(), Qt::AlignLeft);
}

struct ParagraphCase
{
    const char *rtf;
    const char *blocks;
};

TEST(RtfParagraphs, FinalParagraphMarkAddsNoLine)
{
    const ParagraphCase cases[] = {
        {R"({\rtf1 a})", "a"},
        {R"({\rtf1 a\par})", "a"},
        {R"({\rtf1 a\par })", "a"},
        {R"({\rtf1 a\par\par})", "a|"},
        {R"({\rtf1 a\par\par b})", "a||b"},
        {R"({\rtf1 a\line b\par})", "a\u2028b"},
        {R"({\rtf1 \par})", ""},
        {R"({\rtf1 })", ""},
        {R"({\rtf1 a\sect b\page c})", "a|b|c"},
    };
    for (const ParagraphCase &c : cases)
        EXPECT_EQ(rtftest::bodyText(c.rtf), QString::fromUtf8(c.blocks)) << c.rtf;
}

TEST(RtfParagraphs, EmptyLineKeepsItsFontSize)
{
    const auto doc = read(R"({\rtf1\fs24 a\par\fs48\par\fs24 b})");
    ASSERT_EQ(doc->blockCount(), 3);
    EXPECT_EQ(doc->findBlockByNumber(1).charFormat().font().pixelSize(), 32);
}

} // namespace
