#pragma once

#include <string_view>

namespace platform::rtf {

// The control words the reader acts on. Words not listed are ignored (and, after \*, their group
// is skipped).
// clang-format off: grouped by what the words act on
enum class Keyword {
    Unknown,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    Deff,
    Uc,
    U,
    // destinations
    FontTable,
    ColorTable,
    Picture,
    SkipDestination,
    Transparent,
    // font and colour tables
    Font,
    FontCharset,
    FontCodePage,
    FontFamily,
    Red,
    Green,
    Blue,
    // characters
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Foreground,
    Background,
    Superscript,
    Subscript,
    NoSuperSub,
    Hidden,
    // paragraphs
    Pard,
    Par,
    Line,
    Tab,
    AlignLeft,
    AlignRight,
    AlignCenter,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    InTable,
    // tables
    RowDefaults,
    CellRight,
    Cell,
    Row,
    // pictures
    PngBlip,
    JpegBlip,
    OtherBlip,
    PictureWidthGoal,
    PictureHeightGoal,
    PictureScaleX,
    PictureScaleY,
    // characters written as words: \emdash, \bullet, ...
    Symbol,
};
// clang-format on

struct KeywordInfo
{
    Keyword keyword = Keyword::Unknown;
    char16_t value = 0; // the character of a Symbol
};

KeywordInfo lookupKeyword(std::string_view word);

} // namespace platform::rtf
