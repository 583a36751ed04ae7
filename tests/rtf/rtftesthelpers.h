#pragma once

#include "rtfreader.h"

#include <QByteArray>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace rtftest {

inline std::unique_ptr<QTextDocument> read(const QByteArray &rtf,
                                           const platform::rtf::RtfLimits &limits = {})
{
    auto document = std::make_unique<QTextDocument>();
    platform::rtf::readRtf(rtf, *document, limits);
    return document;
}

// The text of every block, table cells included, in document order.
inline QStringList blockTexts(const QTextDocument &document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

inline QString bodyText(const QByteArray &rtf)
{
    return blockTexts(*read(rtf)).join(QLatin1Char('|'));
}

// The character format of the character at `position`.
inline QTextCharFormat formatAt(const QTextDocument &document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

// The character format of the first occurrence of `text`.
inline QTextCharFormat formatOf(const QTextDocument &document, const QString &text)
{
    const QTextCursor found = document.find(text);
    return formatAt(document, found.isNull() ? 0 : found.selectionStart());
}

} // namespace rtftest
