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
    qint64 maxTotalPicturePixels = 64 << 20; // pictures past this many pixels are left out
    int maxTableColumns = 63;  // cells past the last column are joined to it with a tab
    int maxTableCells = 20000; // past this, rows read as paragraphs and cells as tabs
};

// Reads RTF bytes into `document` (which is cleared first). Never throws on bad input: truncated
// or unbalanced input gives what was readable. Time is linear in the input size.
void readRtf(const QByteArray &rtf, QTextDocument &document, const RtfLimits &limits = {});

} // namespace platform::rtf
