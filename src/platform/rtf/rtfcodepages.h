#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

namespace platform::rtf {

constexpr int DefaultCodePage = 1252;

// The Windows code page a font's \fcharset stands for, or 0 when the charset names none (the
// document's \ansicpg applies then).
int codePageForCharset(int charset);

// Decodes the bytes of Windows code pages through Qt's converters (ICU), one decoder per code
// page, made on first use and kept for the later documents read in the same thread: opening a
// converter costs more than decoding a question's text. A code page without a converter here is
// read as windows-1252, and where even that is missing, as Latin-1: the text is then wrong, but
// never lost or unsafe.
class CodePageDecoder
{
public:
    // Decodes a complete byte sequence: a lead byte left dangling at the end is dropped.
    QString decode(int codePage, QByteArrayView bytes);

private:
    static QStringDecoder &decoderFor(int codePage);
};

} // namespace platform::rtf
