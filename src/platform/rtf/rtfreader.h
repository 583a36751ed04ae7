#pragma once

#include <QByteArray>
#include <QStringView>

class QTextDocument;

namespace platform::rtf {

struct RtfLimits
{
    int maxGroupDepth = 256;          // deeper groups are read as flat text of the deepest level
    int maxControlWordLength = 32;    // longer words are cut
    int maxParameterDigits = 10;      // longer parameters are clamped
    qint64 maxBinaryBytes = 16 << 20; // \binN larger than this ends the reading
    qint64 maxPictureBytes = 16 << 20;
    qint64 maxPicturePixels = 16 << 20;      // larger pictures show as a mark
    qint64 maxTotalPicturePixels = 32 << 20; // pictures past this many pixels show as a mark:
                                             // a million pixels take some 7 ms to decode
    int maxTableColumns = 63;  // cells past the last column are joined to it with a tab
    int maxTableCells = 20000; // past this, rows read as paragraphs and cells as tabs
    int maxFontNames = 64;     // text in fonts past this many names shows in the default font
    int maxHalfPoints = 144;   // \fs past 72 points, more than any text uses, reads as 72 points
    // How the box lays the text out: its width in pixels (0: every character on a line of its
    // own) and the height of every line (0: each font's own line height).
    double layoutWidth = 0;
    double linePitch = 0;
    // What the document may cost to lay out: the height in pixels and the lines its content can
    // take at layoutWidth, counted as LayoutBudget does (rtflayoutbudget.h). Reading ends where
    // the next piece of content would pass either, and a last line says the rest is not shown.
    // Each line costs the layout some 20 us; Qt's layout slows down more than in proportion in
    // documents millions of pixels high. Two million pixels hold 80,000 lines of 12-point text.
    qint64 maxLayoutHeight = 2'000'000;
    qint64 maxLayoutLines = 100'000;
    // Qt lays a paragraph out whole, at once: one of more lines would hold up the screen.
    qint64 maxParagraphLines = 4'000;
};

// Lines the reader writes in place of what it leaves out.
inline constexpr QStringView RestNotShownNotice = u"（文件其余内容过长，未显示）";
inline constexpr QStringView PictureTooLargeMark = u"［图片过大，未显示］";
inline constexpr QStringView PictureUnreadableMark = u"［图片无法读取，未显示］";

struct RtfReadResult
{
    bool restLeftOut = false; // the layout budget ended the reading
    int picturesLeftOut = 0;  // pictures shown as a mark: too large or unreadable
};

// Reads RTF bytes into `document` (which is cleared first). Never throws on bad input: truncated
// or unbalanced input gives what was readable. Time is linear in the input size; words too long
// for any line get break opportunities (see wordbreaks.h), so laying the document out is too.
RtfReadResult readRtf(const QByteArray &rtf, QTextDocument &document, const RtfLimits &limits = {});

} // namespace platform::rtf
