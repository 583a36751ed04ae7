#include "wordbreaks.h"

namespace platform {

namespace {

constexpr char16_t ZeroWidthSpace = 0x200B;

// Characters a line may break before or after: blanks, and the ideographs, kana and full-width
// forms of Chinese and Japanese, which break between any two. Other scripts count as letters,
// which at worst adds a break where the text already had one.
bool breaksTheRun(char16_t c)
{
    return QChar::isSpace(c) || c == ZeroWidthSpace || (c >= 0x2E80 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

} // namespace

void WordBreaks::append(QStringView text, QString &out)
{
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (breaksTheRun(c)) {
            m_run = 0;
            continue;
        }
        // Never between the two halves of a surrogate pair.
        if (m_run >= MaxUnbrokenRun && !QChar::isLowSurrogate(c)) {
            out.append(text.mid(copied, i - copied));
            out.append(QChar(ZeroWidthSpace));
            copied = i;
            m_run = 0;
        }
        ++m_run;
    }
    out.append(text.mid(copied));
}

QString withWordBreaks(const QString &text)
{
    WordBreaks breaks;
    QString out;
    out.reserve(text.size() + text.size() / WordBreaks::MaxUnbrokenRun);
    breaks.append(text, out);
    return out;
}

} // namespace platform
