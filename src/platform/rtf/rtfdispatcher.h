#pragma once

#include "rtfcodepages.h"
#include "rtfdocumentbuilder.h"
#include "rtfkeywords.h"
#include "rtfpicture.h"
#include "rtfstate.h"
#include "rtftablereader.h"
#include "rtftables.h"
#include "rtftokenizer.h"

#include <QByteArray>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform::rtf {

// Reads the tokens of one RTF text and acts on them according to the destination of the group
// they are in. Bytes of text are gathered with the code page and format they were read with, and
// decoded only when either changes or something else is written, so a double-byte character
// split into two \'hh escapes, or into an escape and a literal byte, decodes whole.
class Dispatcher
{
public:
    Dispatcher(QTextDocument &document, const RtfLimits &limits);

    RtfReadResult run(std::string_view input);

private:
    GroupState &state() { return m_stack.back(); }

    void groupStart();
    void groupEnd();
    void controlWord(const Token &token);
    void controlSymbol(char symbol);
    void text(std::string_view bytes);
    void hexByte(unsigned char byte);
    void binary(std::string_view bytes);
    bool consumeSkip();

    void bodyWord(const KeywordInfo &info, const Token &token);
    bool characterWord(Keyword keyword, const Token &token);
    bool paragraphWord(Keyword keyword, const Token &token);
    void pictureWord(Keyword keyword, const Token &token);

    void appendBytes(std::string_view bytes);
    void appendChar(char32_t c);
    void flushBytes();
    void unicodeChar(int parameter);

    int codePageOf(int font);
    void setDocumentCodePage(int codePage);
    void tablesChanged();
    void finishPicture();

    const RtfLimits &m_limits;
    DocumentTables m_tables;
    CodePageDecoder m_decoder;
    DocumentBuilder m_builder;
    TableReader m_tableReader;

    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0;  // groups past the depth limit, read as part of their parent
    bool m_ignorable = false; // after \*: an unknown word makes its group skipped
    int m_skipCount = 0;      // fallback characters still to skip after \u
    bool m_done = false;

    std::string m_bytes; // text bytes not yet decoded, all read with:
    int m_bytesCodePage = 0;
    CharProps m_bytesChars;
    bool m_bytesInTable = false;

    int m_cachedFont = 0; // the code page of the font last asked for
    int m_cachedCodePage = 0;
    bool m_codePageCached = false;

    std::unique_ptr<PictureData> m_picture;
    qint64 m_picturePixels = 0;
    RtfReadResult m_result;
};

} // namespace platform::rtf
