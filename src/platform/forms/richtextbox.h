#pragma once

#include "filestamp.h"
#include "twips.h"

#include <QTextEdit>

#include <optional>

class QTextFrame;

namespace platform::rtf {
struct RtfLimits; // rtfreader.h
}

namespace platform {

// A read-only rich-text box that loads RTF files. Geometry in twips (see twips.h).
//
// Given a line pitch (setLinePitchTwips), every laid-out line of a loaded file is one pitch high,
// paragraph spacing left out, with no frame and no document margin: a box LineCount() x pitch
// high shows every line whole. Without one, lines keep the height their fonts give them. Lines with
// a picture keep their own height and tables their borders; LineCount() counts the pitches they
// take.
class RichTextBox : public QTextEdit, public TwipsGeometry
{
    Q_OBJECT
public:
    // Larger files are refused: no real text of a few pages, pictures included, comes near it.
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

    explicit RichTextBox(QWidget *parent = nullptr);

    // Loads an RTF file. Throws RuntimeError(FileNotFound) naming the path when it is missing,
    // RuntimeError(FileIo) when it cannot be read or is larger than MaxFileBytes. The new text
    // shows from its top; the scroll position otherwise stays where the user left it. The file
    // this box holds, unchanged on disk and in the box, laid out at the same width and pitch, is
    // not read again: it is only shown from its top.
    void loadFile(const QString &path);
    QString loadedPath() const { return m_path; }

    // The number of lines the text takes as laid out at the box's present width: wrapped lines
    // count, an empty box gives 1. A table row counts as its tallest cell; with a line pitch, a
    // table or a line with a picture counts the pitches its height takes.
    int LineCount() const;

    // A vertical scroll bar shown when the text is longer than the box; without it (the default)
    // the box never scrolls by a bar.
    void setScrollBarsVertical(bool on);
    bool scrollBarsVertical() const;

    // The height of each laid-out line of files loaded from now on; 0 lays lines out at their
    // natural heights and keeps the files' paragraph spacing.
    void setLinePitchTwips(double twips);

    // What loadFile lets a file cost: the reader's limits at the box's present width, scroll bar
    // and line pitch. Content past them is left out with a line that says so. (Callers include
    // rtfreader.h.)
    rtf::RtfLimits readingLimits() const;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // A box first shows its text from the top, where a load leaves the view and the cursor:
    // there is nothing to scroll to, so the view is not asked to bring its cursor into sight
    // (which measures the cursor's line again).
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void startFromEmptyText();
    void applyLinePitch();
    int layoutWidth() const;

    // What the text in the box was read from and laid out for; none once anything else changed
    // the text.
    struct LoadedFile
    {
        QString path;
        FileStamp stamp;
        QSize boxSize;
        double readingWidth = 0; // the width the reader's limits were reckoned at
        double linePitchTwips = 0;
    };
    bool holdsUnchanged(const QString &path, const std::optional<FileStamp> &stamp) const;
    void showFromTop();

    QString m_path;
    std::optional<LoadedFile> m_loaded;
    double m_linePitchTwips = 0;
};

} // namespace platform
