// Files as common word processors write them: the text a reader of the box sees.
#include "rtftesthelpers.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray sample(const char *name)
{
    QFile file(QStringLiteral(RTF_TEST_DATA_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "missing sample " << name;
    return file.readAll();
}

struct SampleCase
{
    const char *file;
    const char16_t *blocks; // joined with '|'
};

class RtfSamples : public ::testing::TestWithParam<SampleCase>
{
};

TEST_P(RtfSamples, ShowTheirText)
{
    const auto doc = rtftest::read(sample(GetParam().file));
    EXPECT_EQ(rtftest::blockTexts(*doc).join(QLatin1Char('|')),
              QString::fromUtf16(GetParam().blocks));
}

INSTANTIATE_TEST_SUITE_P(
    Writers, RtfSamples,
    ::testing::Values(
        SampleCase{"wordpad_cp936.rtf", u"1. The quick fox 跳过了懒狗。|A. red option 选项"},
        SampleCase{"word_cp936.rtf", u"2. Read the passage, 然后回答问题：“中文”|Centred line"},
        SampleCase{"libreoffice.rtf",
                   u"3. Choose the word that best fits: 选择最合适的词|B. café 下划线"}),
    [](const auto &row) {
        std::string name = row.param.file;
        return name.substr(0, name.find('.'));
    });

TEST(RtfSamplesFormat, WordPadRunsAndFonts)
{
    const auto doc = rtftest::read(sample("wordpad_cp936.rtf"));
    EXPECT_EQ(rtftest::formatOf(*doc, QStringLiteral("quick")).fontWeight(), QFont::Bold);
    EXPECT_EQ(rtftest::formatOf(*doc, QStringLiteral("跳")).fontFamilies().toStringList(),
              QStringList{QStringLiteral("宋体")});
    EXPECT_EQ(rtftest::formatOf(*doc, QStringLiteral("fox")).fontFamilies().toStringList(),
              QStringList{QStringLiteral("Times New Roman")});
    EXPECT_EQ(rtftest::formatOf(*doc, QStringLiteral("red")).foreground().color(),
              QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(doc->firstBlock().blockFormat().bottomMargin(), 200 / 15.0);
}

TEST(RtfSamplesFormat, WordAlignmentAndFontOfChineseRuns)
{
    const auto doc = rtftest::read(sample("word_cp936.rtf"));
    EXPECT_EQ(doc->firstBlock().blockFormat().alignment(), Qt::AlignJustify);
    EXPECT_EQ(doc->lastBlock().blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(rtftest::formatOf(*doc, QStringLiteral("passage")).fontWeight(), QFont::Bold);
    EXPECT_EQ(rtftest::formatOf(*doc, QStringLiteral("中文")).fontFamilies().toStringList(),
              QStringList{QStringLiteral("宋体")});
    EXPECT_EQ(rtftest::formatOf(*doc, QStringLiteral("Centred")).foreground().color(),
              QColor(0, 0, 255));
}

TEST(RtfSamplesFormat, LibreOfficeIndentAndUnderline)
{
    const auto doc = rtftest::read(sample("libreoffice.rtf"));
    EXPECT_DOUBLE_EQ(doc->lastBlock().blockFormat().leftMargin(), 48);
    EXPECT_TRUE(rtftest::formatOf(*doc, QStringLiteral("下划线")).fontUnderline());
    EXPECT_TRUE(rtftest::formatOf(*doc, QStringLiteral("best")).fontItalic());
    EXPECT_EQ(rtftest::formatOf(*doc, QStringLiteral("选择")).fontFamilies().toStringList(),
              QStringList{QStringLiteral("WenQuanYi Micro Hei")});
}

} // namespace
