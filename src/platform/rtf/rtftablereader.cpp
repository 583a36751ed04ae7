#include "rtftablereader.h"

#include <algorithm>

namespace platform::rtf {

namespace {

constexpr qsizetype MaxFontNameBytes = 256;

} // namespace

TableReader::TableReader(DocumentTables &tables, CodePageDecoder &decoder)
    : m_tables(tables), m_decoder(decoder)
{}

void TableReader::fontWord(const KeywordInfo &info, const Token &token)
{
    if (info.keyword == Keyword::Font) {
        finishFont();
        m_font = token.parameter;
        m_tables.fonts[m_font] = FontEntry{};
        m_fontBytes.clear();
        m_fontName.clear();
        m_fontDone = false;
        return;
    }
    if (m_font < 0)
        return;
    FontEntry &entry = m_tables.fonts[m_font];
    switch (info.keyword) {
    case Keyword::FontCharset:
        if (const int codePage = codePageForCharset(token.parameter); codePage != 0)
            entry.codePage = codePage;
        break;
    case Keyword::FontCodePage: entry.codePage = token.parameter; break;
    case Keyword::FontFamily: entry.family = static_cast<FontFamily>(info.value); break;
    default: break;
    }
}

void TableReader::fontText(std::string_view bytes)
{
    if (m_font < 0 || m_fontDone)
        return;
    const std::size_t end = bytes.find(';');
    const std::string_view name = bytes.substr(0, end);
    if (m_fontBytes.size() + static_cast<qsizetype>(name.size()) <= MaxFontNameBytes)
        m_fontBytes.append(name.data(), static_cast<qsizetype>(name.size()));
    if (end != std::string_view::npos)
        finishFont();
}

void TableReader::fontChar(char32_t c)
{
    if (m_font < 0 || m_fontDone || m_fontName.size() >= MaxFontNameBytes)
        return;
    decodeFontBytes();
    m_fontName += QString::fromUcs4(&c, 1);
}

void TableReader::finishFont()
{
    if (m_font < 0 || m_fontDone)
        return;
    decodeFontBytes();
    m_tables.fonts[m_font].name = m_fontName.trimmed();
    m_fontName.clear();
    m_fontDone = true;
}

void TableReader::decodeFontBytes()
{
    m_fontName += m_decoder.decode(m_tables.codePageOf(m_font), m_fontBytes);
    m_fontBytes.clear();
}

void TableReader::beginColors()
{
    m_tables.colors.clear();
    m_red = m_green = m_blue = 0;
    m_colorSet = false;
}

void TableReader::colorWord(Keyword keyword, const Token &token)
{
    const int value = std::clamp(token.parameter, 0, 255);
    switch (keyword) {
    case Keyword::Red: m_red = value; break;
    case Keyword::Green: m_green = value; break;
    case Keyword::Blue: m_blue = value; break;
    default: return;
    }
    m_colorSet = true;
}

void TableReader::colorText(std::string_view bytes)
{
    for (const char c : bytes) {
        if (c != ';')
            continue;
        m_tables.colors.push_back(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
        m_red = m_green = m_blue = 0;
        m_colorSet = false;
    }
}

} // namespace platform::rtf
