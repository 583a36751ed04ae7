#pragma once

#include <Qt>

namespace platform::rtf {

// Where the text of a group goes.
enum class Destination {
    Body, // the document
    Skip, // ignored, with every group inside it
    FontTable,
    ColorTable,
    Picture,
};

enum class VerticalPosition { Normal, Superscript, Subscript };

// Character properties as RTF sets them; turned into a QTextCharFormat only when a run of text
// with them is written. Indices refer to the font and colour tables.
struct CharProps
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    VerticalPosition position = VerticalPosition::Normal;
    int font = -1;       // -1: the document's default font (\deff)
    int halfPoints = 24; // \fs
    int foreground = 0;  // \cf; 0 is the automatic colour
    int background = 0;  // \highlight, \cb

    bool operator==(const CharProps &) const = default;
};

// Paragraph properties; lengths in twips.
struct ParaProps
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool inTable = false;

    bool operator==(const ParaProps &) const = default;
};

// Everything a group changes: copied on '{' and restored on '}'.
struct GroupState
{
    Destination destination = Destination::Body;
    int unicodeSkip = 1; // \uc: fallback bytes that follow each \u
    CharProps chars;
    ParaProps para;
    bool pictureStart = false; // this group opened the picture
};

} // namespace platform::rtf
