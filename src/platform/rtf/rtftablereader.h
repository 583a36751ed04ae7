#pragma once

#include "rtfcodepages.h"
#include "rtfkeywords.h"
#include "rtftables.h"
#include "rtftokenizer.h"

#include <QByteArray>
#include <QString>

#include <string_view>

namespace platform::rtf {

// Reads the font table ({\fonttbl{\f0\fnil\fcharset134 name;}...}) and the colour table
// ({\colortbl;\red255\green0\blue0;}) into the document's tables. A font's name is decoded with
// the code page of its own \fcharset.
class TableReader
{
public:
    TableReader(DocumentTables &tables, CodePageDecoder &decoder);

    void fontWord(const KeywordInfo &info, const Token &token);
    void fontText(std::string_view bytes); // a ';' ends the name
    void fontChar(char32_t c);
    void finishFont();

    void beginColors();
    void colorWord(Keyword keyword, const Token &token);
    void colorText(std::string_view bytes); // each ';' ends a colour

private:
    void decodeFontBytes();

    DocumentTables &m_tables;
    CodePageDecoder &m_decoder;

    int m_font = -1; // the entry being read
    QByteArray m_fontBytes;
    QString m_fontName;
    bool m_fontDone = false;

    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colorSet = false;
};

} // namespace platform::rtf
