#include "rtfcodepages.h"

#include <initializer_list>
#include <map>

namespace platform::rtf {

namespace {

struct CodePageNames
{
    int codePage;
    std::initializer_list<const char *> names; // the first one available is used
};

const CodePageNames KnownCodePages[] = {
    {437, {"IBM437"}},
    {850, {"IBM850"}},
    {874, {"windows-874", "TIS-620"}},
    {932, {"windows-31j", "Shift_JIS"}},
    {936, {"windows-936", "GBK", "GB18030"}},
    {949, {"windows-949", "x-windows-949", "EUC-KR"}},
    {950, {"windows-950", "Big5"}},
    {1250, {"windows-1250"}},
    {1251, {"windows-1251"}},
    {1252, {"windows-1252"}},
    {1253, {"windows-1253"}},
    {1254, {"windows-1254"}},
    {1255, {"windows-1255"}},
    {1256, {"windows-1256"}},
    {1257, {"windows-1257"}},
    {1258, {"windows-1258"}},
    {10000, {"macintosh"}},
    {20936, {"GB2312", "GBK"}},
    {54936, {"GB18030"}},
    {65001, {"UTF-8"}},
};

const CodePageNames *findCodePage(int codePage)
{
    for (const CodePageNames &entry : KnownCodePages) {
        if (entry.codePage == codePage)
            return &entry;
    }
    return nullptr;
}

} // namespace

int codePageForCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;   // ANSI
    case 77: return 10000; // Mac Roman
    case 128: return 932;  // Shift-JIS
    case 129: return 949;  // Hangul
    case 134: return 936;  // GB2312 / GBK
    case 136: return 950;  // Big5
    case 161: return 1253; // Greek
    case 162: return 1254; // Turkish
    case 163: return 1258; // Vietnamese
    case 177: return 1255; // Hebrew
    case 178: return 1256; // Arabic
    case 186: return 1257; // Baltic
    case 204: return 1251; // Cyrillic
    case 222: return 874;  // Thai
    case 238: return 1250; // Eastern European
    case 254: return 437;  // PC 437
    case 255: return 850;  // OEM
    default: return 0;     // 1 (default), 2 (symbol) and unknown ones follow the document
    }
}

QString CodePageDecoder::decode(int codePage, QByteArrayView bytes)
{
    QStringDecoder &decoder = decoderFor(codePage);
    decoder.resetState();
    QString text = decoder.decode(bytes);
    decoder.resetState();
    return text;
}

QStringDecoder &CodePageDecoder::decoderFor(int codePage)
{
    thread_local std::map<int, QStringDecoder> decoders; // of known code pages only, so bounded
    if (!findCodePage(codePage))
        codePage = DefaultCodePage;
    auto found = decoders.find(codePage);
    if (found != decoders.end())
        return found->second;

    QStringDecoder decoder;
    for (const char *name : findCodePage(codePage)->names) {
        decoder = QStringDecoder(name);
        if (decoder.isValid())
            break;
    }
    if (!decoder.isValid())
        decoder = codePage == DefaultCodePage ? QStringDecoder(QStringConverter::Latin1)
                                              : QStringDecoder(decoderFor(DefaultCodePage).name());
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringConverter::Latin1);
    return decoders.emplace(codePage, std::move(decoder)).first->second;
}

} // namespace platform::rtf
