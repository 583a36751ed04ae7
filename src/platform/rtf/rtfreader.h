#pragma once

#include <QByteArray>

class QTextDocument;

namespace platform::rtf {

struct RtfLimits
{
    int maxGroupDepth = 256;          // deeper groups are read as flat text of the deepest level
    int maxControlWordLength = 32;    // longer words are cut
    int maxParameterDigits = 10;      // longer parameters are clamped
    qint64 maxBinaryBytes = 16 << 20; // \binN larger than this ends the reading
    qint64 maxPictureBytes = 16 << 20;
    qint64 maxPicturePixels = 16 << 20;      // larger pictures are left out
    qint64 maxTotalPicturePixels = 32 << 20; // pictures past this many pixels are left out:
                                             // a million pixels take some 7 ms to decode
    int maxTableColumns = 63;  // cells past the last column are joined to it with a tab
    int maxTableCells = 20000; // past this, rows read as paragraphs and cells as tabs
    int maxFontNames = 64;     // text in fonts past this many names shows in the default font
    int maxHalfPoints = 144;   // \fs past 72 points, more than any text uses, reads as 72 points
    // What the document may cost to lay out: the height in pixels its content could take at the
    // narrowest width, every character on a line of its own (at least 24 pixels, the text's size
    // and a half otherwise), with paragraph spacing and pictures. Reading ends where the next
    // piece of content would pass it. A million pixels hold about 40,000 characters of 12-point
    // text; Qt's layout loses its way in documents millions of pixels high.
    qint64 maxLayoutHeight = 1'000'000;
};

// Reads RTF bytes into `document` (which is cleared first). Never throws on bad input: truncated
// or unbalanced input gives what was readable. Time is linear in the input size; words too long
// for any line get break opportunities (see wordbreaks.h), so laying the document out is too.
void readRtf(const QByteArray &rtf, QTextDocument &document, const RtfLimits &limits = {});

} // namespace platform::rtf
