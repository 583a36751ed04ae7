#pragma once

#include <QByteArray>
#include <QString>

namespace sample {

// Turns the text bank's markup into RTF as a common word processor saves it: a cp936 document
// with a font and colour table, Chinese as \'hh escapes of its GBK bytes, Latin runs in a second
// font, typographic punctuation in Latin runs as \uN? with a '?' fallback, and bold, italic and
// underlined runs. Markup: paragraphs separated by '\n', **bold**, *italic*, __underlined__.
QByteArray rtfDocument(const QString &markup);

} // namespace sample
