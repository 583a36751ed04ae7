#include "rtfwriter.h"

#include <QStringEncoder>
#include <QStringList>

#include <stdexcept>

namespace sample {

namespace {

enum class Font { Chinese = 0, Latin = 1 };

// Characters from the CJK punctuation block on (ideographs, fullwidth forms) are written in the
// Chinese font as GBK bytes; Latin letters switch to the Latin font; digits, spaces and ASCII
// punctuation stay in whichever font is current, as word processors do.
bool isChinese(char16_t c)
{
    return c >= 0x3000;
}

class Writer
{
public:
    Writer() : m_gbk("GBK")
    {
        if (!m_gbk.isValid())
            throw std::runtime_error("sample RTF: no GBK encoder in this Qt build");
    }

    QByteArray document(const QString &markup)
    {
        m_out = "{\\rtf1\\ansi\\ansicpg936\\deff0\\nouicompat\\deflang1033\\deflangfe2052"
                "{\\fonttbl{\\f0\\fnil\\fcharset134 ";
        appendGbk(QStringLiteral("宋体"));
        m_out += ";}{\\f1\\fswiss\\fcharset0 Calibri;}}\r\n"
                 "{\\colortbl ;\\red0\\green0\\blue0;\\red31\\green58\\blue104;}\r\n"
                 "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                 "\\pard\\sa200\\sl276\\slmult1\\cf1\\f0\\fs24\\lang2052 ";
        for (const QString &paragraph : markup.split(u'\n')) {
            appendParagraph(paragraph);
            m_out += "\\par\r\n";
        }
        m_out += "}\r\n";
        return m_out;
    }

private:
    void appendParagraph(const QString &text)
    {
        QString chinese;
        auto flushChinese = [&] {
            appendGbk(chinese);
            chinese.clear();
        };
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            const char16_t nextChar = i + 1 < text.size() ? text.at(i + 1).unicode() : 0;
            if (c == u'*' || (c == u'_' && nextChar == u'_')) {
                flushChinese();
                i += toggleFormat(c, nextChar);
                continue;
            }
            if (isChinese(c)) {
                switchFont(Font::Chinese);
                chinese += QChar(c);
                continue;
            }
            flushChinese();
            if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c >= 0x80)
                switchFont(Font::Latin);
            appendLatin(c);
        }
        flushChinese();
        // Formatting does not run on into the next paragraph.
        if (m_bold)
            toggleFormat(u'*', u'*');
        if (m_italic)
            toggleFormat(u'*', 0);
        if (m_underline)
            toggleFormat(u'_', u'_');
    }

    // Returns how many extra markup characters were consumed.
    int toggleFormat(char16_t c, char16_t nextChar)
    {
        if (c == u'_') {
            m_underline = !m_underline;
            m_out += m_underline ? "\\ul " : "\\ulnone ";
            return 1;
        }
        if (nextChar == u'*') {
            m_bold = !m_bold;
            m_out += m_bold ? "\\b " : "\\b0 ";
            return 1;
        }
        m_italic = !m_italic;
        m_out += m_italic ? "\\i " : "\\i0 ";
        return 0;
    }

    void switchFont(Font font)
    {
        if (font == m_font)
            return;
        m_font = font;
        m_out += font == Font::Chinese ? "\\f0\\lang2052 " : "\\f1\\lang1033 ";
    }

    void appendLatin(char16_t c)
    {
        if (c == u'\\' || c == u'{' || c == u'}') {
            m_out += '\\';
            m_out += char(c);
        } else if (c == u'\t') {
            m_out += "\\tab ";
        } else if (c < 0x80) {
            m_out += char(c);
        } else {
            // \uN takes a signed 16-bit number; \uc1 says one fallback character follows.
            m_out += "\\u" + QByteArray::number(c > 0x7FFF ? int(c) - 0x10000 : int(c)) + '?';
        }
    }

    void appendGbk(const QString &text)
    {
        if (text.isEmpty())
            return;
        const QByteArray bytes = m_gbk.encode(text);
        if (m_gbk.hasError())
            throw std::runtime_error("sample RTF: text is not representable in GBK: " +
                                     text.toStdString());
        static const char hex[] = "0123456789abcdef";
        for (const char byte : bytes) {
            const auto b = static_cast<unsigned char>(byte);
            m_out += "\\'";
            m_out += hex[b >> 4];
            m_out += hex[b & 0xF];
        }
    }

    QStringEncoder m_gbk;
    QByteArray m_out;
    Font m_font = Font::Chinese;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
};

} // namespace

QByteArray rtfDocument(const QString &markup)
{
    Writer writer;
    return writer.document(markup);
}

} // namespace sample
