#pragma once

#include "richtextbox.h"
#include "rtfreader.h"

#include <QFont>
#include <QTextDocument>

#include <limits>

namespace benchrtf {

// The passage pane of the RC screen as resources/layouts/form5.json makes it: its size, a
// scroll bar, natural line heights, Segoe UI 12.75 pt. Its box's reading limits are the ones
// the program reads a passage with.
inline void makePassagePane(platform::RichTextBox &pane)
{
    pane.setFont(QFont(QStringLiteral("Segoe UI"), 12.75));
    pane.setGeometryTwips(360, 1215, 7335, 9750);
    pane.setScrollBarsVertical(true);
    pane.setLinePitchTwips(0);
}

// A document to read into, with the pane's default font, and the pane's limits.
struct PaneReading
{
    QTextDocument document;
    platform::rtf::RtfLimits limits;

    PaneReading()
    {
        platform::RichTextBox pane;
        makePassagePane(pane);
        limits = pane.readingLimits();
        document.setDefaultFont(pane.document()->defaultFont());
    }

    // The characters of `rtf` read whole: no budget.
    qsizetype wholeCharacters(const QByteArray &rtf)
    {
        platform::rtf::RtfLimits unlimited = limits;
        unlimited.maxLayoutHeight = unlimited.maxLayoutLines = unlimited.maxParagraphLines =
            std::numeric_limits<qint64>::max();
        platform::rtf::readRtf(rtf, document, unlimited);
        return document.characterCount();
    }
};

} // namespace benchrtf
