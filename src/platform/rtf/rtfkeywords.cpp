#include "rtfkeywords.h"

#include <unordered_map>

namespace platform::rtf {

namespace {

using Table = std::unordered_map<std::string_view, KeywordInfo>;

Table makeTable()
{
    using K = Keyword;
    Table table = {
        {"ansi", {K::Ansi}},
        {"mac", {K::Mac}},
        {"pc", {K::Pc}},
        {"pca", {K::Pca}},
        {"ansicpg", {K::AnsiCpg}},
        {"deff", {K::Deff}},
        {"uc", {K::Uc}},
        {"u", {K::U}},

        {"fonttbl", {K::FontTable}},
        {"colortbl", {K::ColorTable}},
        {"pict", {K::Picture}},
        // Groups that hold text the reader does not show or mark-up it does not use.
        {"stylesheet", {K::SkipDestination}},
        {"info", {K::SkipDestination}},
        {"header", {K::SkipDestination}},
        {"headerl", {K::SkipDestination}},
        {"headerr", {K::SkipDestination}},
        {"headerf", {K::SkipDestination}},
        {"footer", {K::SkipDestination}},
        {"footerl", {K::SkipDestination}},
        {"footerr", {K::SkipDestination}},
        {"footerf", {K::SkipDestination}},
        {"footnote", {K::SkipDestination}},
        {"annotation", {K::SkipDestination}},
        {"fldinst", {K::SkipDestination}},
        {"xe", {K::SkipDestination}},
        {"tc", {K::SkipDestination}},
        {"txe", {K::SkipDestination}},
        {"pn", {K::SkipDestination}},
        {"nonshppict", {K::SkipDestination}},
        {"shp", {K::SkipDestination}},
        {"template", {K::SkipDestination}},
        {"revtbl", {K::SkipDestination}},
        {"listtable", {K::SkipDestination}},
        {"listoverridetable", {K::SkipDestination}},
        {"objdata", {K::SkipDestination}},
        {"objclass", {K::SkipDestination}},
        // Groups whose content is shown as if the group word were not there.
        {"shppict", {K::Transparent}},
        {"field", {K::Transparent}},
        {"fldrslt", {K::Transparent}},
        {"result", {K::Transparent}},
        {"listtext", {K::Transparent}},
        {"pntext", {K::Transparent}},

        {"f", {K::Font}},
        {"fcharset", {K::FontCharset}},
        {"cpg", {K::FontCodePage}},
        {"fnil", {K::FontFamily, 0}},
        {"froman", {K::FontFamily, 1}},
        {"fswiss", {K::FontFamily, 2}},
        {"fmodern", {K::FontFamily, 3}},
        {"fscript", {K::FontFamily, 4}},
        {"fdecor", {K::FontFamily, 5}},
        {"ftech", {K::FontFamily, 0}},
        {"fbidi", {K::FontFamily, 0}},
        {"red", {K::Red}},
        {"green", {K::Green}},
        {"blue", {K::Blue}},

        {"plain", {K::Plain}},
        {"b", {K::Bold}},
        {"i", {K::Italic}},
        {"ul", {K::Underline}},
        {"uld", {K::Underline}},
        {"uldb", {K::Underline}},
        {"uldash", {K::Underline}},
        {"ulth", {K::Underline}},
        {"ulw", {K::Underline}},
        {"ulwave", {K::Underline}},
        {"ulnone", {K::UnderlineNone}},
        {"strike", {K::Strike}},
        {"striked", {K::Strike}},
        {"fs", {K::FontSize}},
        {"cf", {K::Foreground}},
        {"highlight", {K::Background}},
        {"cb", {K::Background}},
        {"chcbpat", {K::Background}},
        {"super", {K::Superscript}},
        {"sub", {K::Subscript}},
        {"nosupersub", {K::NoSuperSub}},
        {"v", {K::Hidden}},

        {"pard", {K::Pard}},
        {"par", {K::Par}},
        {"sect", {K::Par}},
        {"page", {K::Par}},
        {"line", {K::Line}},
        {"tab", {K::Tab}},
        {"ql", {K::AlignLeft}},
        {"qr", {K::AlignRight}},
        {"qc", {K::AlignCenter}},
        {"qj", {K::AlignJustify}},
        {"qd", {K::AlignJustify}},
        {"li", {K::LeftIndent}},
        {"lin", {K::LeftIndent}},
        {"ri", {K::RightIndent}},
        {"rin", {K::RightIndent}},
        {"fi", {K::FirstIndent}},
        {"sb", {K::SpaceBefore}},
        {"sa", {K::SpaceAfter}},
        {"intbl", {K::InTable}},

        {"trowd", {K::RowDefaults}},
        {"cellx", {K::CellRight}},
        {"cell", {K::Cell}},
        {"row", {K::Row}},

        {"pngblip", {K::PngBlip}},
        {"jpegblip", {K::JpegBlip}},
        {"emfblip", {K::OtherBlip}},
        {"wmetafile", {K::OtherBlip}},
        {"macpict", {K::OtherBlip}},
        {"pmmetafile", {K::OtherBlip}},
        {"dibitmap", {K::OtherBlip}},
        {"wbitmap", {K::OtherBlip}},
        {"picwgoal", {K::PictureWidthGoal}},
        {"pichgoal", {K::PictureHeightGoal}},
        {"picscalex", {K::PictureScaleX}},
        {"picscaley", {K::PictureScaleY}},

        {"emdash", {K::Symbol, u'\u2014'}},
        {"endash", {K::Symbol, u'\u2013'}},
        {"emspace", {K::Symbol, u'\u2003'}},
        {"enspace", {K::Symbol, u'\u2002'}},
        {"qmspace", {K::Symbol, u'\u2005'}},
        {"bullet", {K::Symbol, u'\u2022'}},
        {"lquote", {K::Symbol, u'\u2018'}},
        {"rquote", {K::Symbol, u'\u2019'}},
        {"ldblquote", {K::Symbol, u'\u201C'}},
        {"rdblquote", {K::Symbol, u'\u201D'}},
        {"zwj", {K::Symbol, u'\u200D'}},
        {"zwnj", {K::Symbol, u'\u200C'}},
        {"zwbo", {K::Symbol, u'\u200B'}},
        {"ltrmark", {K::Symbol, u'\u200E'}},
        {"rtlmark", {K::Symbol, u'\u200F'}},
        {"nestcell", {K::Symbol, u'\t'}}, // nested tables are shown flat
    };
    return table;
}

} // namespace

KeywordInfo lookupKeyword(std::string_view word)
{
    static const Table table = makeTable();
    const auto found = table.find(word);
    return found == table.end() ? KeywordInfo{} : found->second;
}

} // namespace platform::rtf
