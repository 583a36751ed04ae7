#pragma once

#include <QString>
#include <QStringView>

namespace platform {

// Qt's line breaker looks for the end of a word before it breaks inside one, so each line of an
// overlong word scans the rest of it: laying out one word of a million characters takes minutes.
// WordBreaks gives every run of more than MaxUnbrokenRun characters without a break opportunity
// one more (a zero-width space) after each MaxUnbrokenRun characters. No word that fits on a line
// of any box is that long, so text that wraps at its own word ends shows as before.
class WordBreaks
{
public:
    static constexpr int MaxUnbrokenRun = 200;

    // Appends `text` to `out` with the breaks it needs; the run goes on across calls.
    void append(QStringView text, QString &out);
    // Something that ends a line (a paragraph end, a picture) ends the run.
    void endRun() { m_run = 0; }

private:
    int m_run = 0;
};

// `text` with the breaks it needs, as one run.
QString withWordBreaks(const QString &text);

} // namespace platform
