// How bytes of RTF text become characters: code pages, \'hh escapes, \u with its fallback.
#include "rtftesthelpers.h"

#include <gtest/gtest.h>

using rtftest::bodyText;

namespace {

struct DecodingCase
{
    const char *name;
    const char *rtf;
    const char16_t *text; // blocks joined with '|'
};

void PrintTo(const DecodingCase &c, std::ostream *os)
{
    *os << c.name;
}

class RtfDecoding : public ::testing::TestWithParam<DecodingCase>
{
};

TEST_P(RtfDecoding, GivesTheExpectedText)
{
    const DecodingCase &c = GetParam();
    EXPECT_EQ(bodyText(QByteArray(c.rtf)), QString::fromUtf16(c.text)) << c.rtf;
}

const DecodingCase DecodingCases[] = {
    {"GbkPairAsTwoEscapes", R"({\rtf1\ansi\ansicpg936 \'d6\'d0\'ce\'c4})", u"中文"},
    {"GbkPairSplitByEmptyGroup", R"({\rtf1\ansi\ansicpg936 \'d6{}\'d0})", u"中"},
    {"GbkLeadEscapeWithLiteralTrail", R"({\rtf1\ansi\ansicpg936 \'81@x})", u"丂x"},
    {"GbkRawBytes", "{\\rtf1\\ansi\\ansicpg936 \xd6\xd0}", u"中"},
    {"GbkEuroSign", R"({\rtf1\ansi\ansicpg936 \'80})", u"€"},
    {"DanglingLeadByteDropped", R"({\rtf1\ansi\ansicpg936 a\'d6\par b})", u"a|b"},
    {"FontCharsetOverridesAnsiCodePage",
     R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fnil\fcharset134 SimSun;}}\f0 \'d6\'d0})", u"中"},
    {"WesternFontInChineseDocument",
     R"({\rtf1\ansi\ansicpg936{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\fnil\fcharset134 S;}})"
     R"(\f0 caf\'e9 \f1\'d6\'d0})",
     u"café 中"},
    {"DefaultCharsetFollowsDocument",
     R"({\rtf1\ansi\ansicpg936{\fonttbl{\f0\fnil\fcharset1 X;}}\f0\'d6\'d0})", u"中"},
    {"DefaultFontCharsetApplies",
     R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fnil\fcharset134 S;}}\'d6\'d0})", u"中"},
    {"PlainReturnsToDefaultFont",
     R"({\rtf1\ansi\deff0{\fonttbl{\f0\fnil\fcharset134 S;}{\f1\fcharset0 A;}}\f1\'e9\plain\'d6\'d0})",
     u"é中"},
    {"Big5", R"({\rtf1\ansi{\fonttbl{\f0\fcharset136 M;}}\f0\'a4\'a4})", u"中"},
    {"ShiftJis", R"({\rtf1\ansi{\fonttbl{\f0\fcharset128 M;}}\f0\'93\'fa\'96\'7b})", u"日本"},
    {"Korean", R"({\rtf1\ansi{\fonttbl{\f0\fcharset129 M;}}\f0\'c7\'d1})", u"한"},
    {"Cyrillic", R"({\rtf1\ansi{\fonttbl{\f0\fcharset204 M;}}\f0\'c4\'e0})", u"Да"},
    {"CentralEuropean", R"({\rtf1\ansi{\fonttbl{\f0\fcharset238 M;}}\f0\'b3\'f3d\'9f})", u"łódź"},
    {"Greek", R"({\rtf1\ansi{\fonttbl{\f0\fcharset161 M;}}\f0\'d9})", u"Ω"},
    {"UnknownCodePageReadAsWestern", R"({\rtf1\ansi\ansicpg4242 caf\'e9})", u"café"},
    {"UnicodeWithOneFallbackByte", R"({\rtf1\uc1\u20013?\u25991?})", u"中文"},
    {"UnicodeFallbackOfTwoEscapes", R"({\rtf1\ansicpg936\uc2\u20013\'d6\'d0 end})", u"中 end"},
    {"UnicodeWithoutFallback", R"({\rtf1\uc0\u20013\u25991 x})", u"中文x"},
    {"NegativeUnicode", R"({\rtf1\uc1\u-255?})", u"！"},
    {"SkipCountRestoredAfterGroup", R"({\rtf1{\uc2\u20013\'d6\'d0}\u25991?})", u"中文"},
    {"FallbackSkipStopsAtGroup", R"({\rtf1\uc3\u20013{x}})", u"中x"},
    {"FallbackSkipCountsControlWord", R"({\rtf1\uc1\u20013\'3f\u25991\tab x})", u"中文x"},
    {"SurrogatePairFromTwoWords", R"({\rtf1\uc1\u-10179?\u-8704?})", u"😀"},
    {"LoneSurrogateReplaced", R"({\rtf1\uc1\u-10179? x})", u"\uFFFD x"},
    {"UnicodeInFontSkipsFallback", R"({\rtf1{\fonttbl{\f0 \u23435?\u20307?;}}\f0 x})", u"x"},
    {"Symbols", R"({\rtf1 a\~b\-c\_d\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
     u"a\u00A0bc\u2011d—–•‘’“”"},
    {"EscapedBracesAndBackslash", R"({\rtf1 \{x\}\\})", u"{x}\\"},
    {"TabAndLineBreak", R"({\rtf1 a\tab b\line c})", u"a\tb\u2028c"},
    {"LineEndsInSourceIgnored", "{\\rtf1 a\r\nb\nc}", u"abc"},
    {"BackslashLineEndIsParagraph", "{\\rtf1 a\\\nb}", u"a|b"},
    {"ControlCharactersFromEscapesDropped", R"({\rtf1 a\'0d\'0a\'00b\u10?c})", u"abc"},
    {"ParagraphSeparatorFromUnicodeDropped", R"({\rtf1 a\u8233?b})", u"ab"},
    {"DelimitingSpaceBelongsToWord", R"({\rtf1\b bold\b0  plain})", u"bold plain"},
};

INSTANTIATE_TEST_SUITE_P(Cases, RtfDecoding, ::testing::ValuesIn(DecodingCases),
                         [](const auto &row) { return std::string(row.param.name); });

TEST(RtfFontTable, NamesAreDecodedWithTheFontsOwnCodePage)
{
    const auto doc = rtftest::read(
        R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;})"
        R"({\f1\froman\fcharset0 Times New Roman{\*\falt Times};}}\f0 a\f1 b})");
    EXPECT_EQ(rtftest::formatOf(*doc, "a").fontFamilies().toStringList(),
              QStringList{QStringLiteral("宋体")});
    EXPECT_EQ(rtftest::formatOf(*doc, "b").fontFamilies().toStringList(),
              QStringList{QStringLiteral("Times New Roman")});
}

TEST(RtfFontTable, FlatTableWithoutGroupsPerFont)
{
    const auto doc = rtftest::read(
        R"({\rtf1{\fonttbl\f0\fswiss Arial;\f1\fmodern Courier New;}\f1 x})");
    EXPECT_EQ(rtftest::formatOf(*doc, "x").fontFamilies().toStringList(),
              QStringList{QStringLiteral("Courier New")});
}

} // namespace
