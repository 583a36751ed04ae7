#include "rtfdispatcher.h"

#include <algorithm>
#include <utility>

namespace platform::rtf {

namespace {

constexpr int MaxLength = 31680; // twips: 22 inches, more than any page
constexpr int MaxUnicodeSkip = 255;

int clampedLength(const Token &token, int low = -MaxLength)
{
    return std::clamp(token.parameter, low, MaxLength);
}

bool switchedOn(const Token &token)
{
    return !token.hasParameter || token.parameter != 0;
}

} // namespace

Dispatcher::Dispatcher(QTextDocument &document, const RtfLimits &limits)
    : m_limits(limits), m_builder(document, m_tables, limits), m_tableReader(m_tables, m_decoder)
{
    m_stack.reserve(64);
    m_stack.emplace_back();
}

RtfReadResult Dispatcher::run(std::string_view input)
{
    Tokenizer tokenizer(input, m_limits);
    while (!m_done && !m_builder.full()) {
        const Token token = tokenizer.next();
        switch (token.kind) {
        case TokenKind::GroupStart: groupStart(); break;
        case TokenKind::GroupEnd: groupEnd(); break;
        case TokenKind::ControlWord: controlWord(token); break;
        case TokenKind::ControlSymbol: controlSymbol(token.symbol); break;
        case TokenKind::Text: text(token.bytes); break;
        case TokenKind::HexByte: hexByte(token.byte); break;
        case TokenKind::Binary: binary(token.bytes); break;
        case TokenKind::End: m_done = true; break;
        }
    }
    flushBytes();
    m_builder.finish(state().para);
    m_result.restLeftOut = m_builder.full();
    return m_result;
}

void Dispatcher::groupStart()
{
    m_ignorable = false;
    m_skipCount = 0;
    if (m_overflowDepth > 0 || static_cast<int>(m_stack.size()) > m_limits.maxGroupDepth) {
        ++m_overflowDepth;
        return;
    }
    GroupState inner = state();
    inner.pictureStart = false;
    m_stack.push_back(inner);
}

void Dispatcher::groupEnd()
{
    m_ignorable = false;
    m_skipCount = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.size() <= 1) { // a '}' with no group open: nothing sensible follows
        m_done = true;
        return;
    }
    const GroupState closed = state();
    m_stack.pop_back();
    switch (closed.destination) {
    case Destination::FontTable:
        m_tableReader.finishFont();
        tablesChanged();
        break;
    case Destination::ColorTable: tablesChanged(); break;
    case Destination::Picture:
        if (closed.pictureStart)
            finishPicture();
        break;
    case Destination::Body:
    case Destination::Skip: break;
    }
    if (m_stack.size() == 1)
        m_done = true; // the document's own group has closed
}

// Reading past one fallback character of \u: any token counts as one.
bool Dispatcher::consumeSkip()
{
    if (m_skipCount == 0)
        return false;
    --m_skipCount;
    return true;
}

void Dispatcher::controlWord(const Token &token)
{
    const bool ignorable = std::exchange(m_ignorable, false);
    if (consumeSkip() || state().destination == Destination::Skip)
        return;
    const KeywordInfo info = lookupKeyword(token.bytes);
    if (ignorable && info.keyword == Keyword::Unknown) {
        state().destination = Destination::Skip;
        return;
    }
    switch (info.keyword) {
    case Keyword::Uc:
        state().unicodeSkip = token.hasParameter ? std::clamp(token.parameter, 0, MaxUnicodeSkip)
                                                 : 1;
        return;
    case Keyword::U:
        unicodeChar(token.parameter);
        m_skipCount = state().unicodeSkip;
        return;
    default: break;
    }
    switch (state().destination) {
    case Destination::Body: bodyWord(info, token); break;
    case Destination::FontTable:
        m_tableReader.fontWord(info, token);
        tablesChanged();
        break;
    case Destination::ColorTable: m_tableReader.colorWord(info.keyword, token); break;
    case Destination::Picture: pictureWord(info.keyword, token); break;
    case Destination::Skip: break;
    }
}

void Dispatcher::controlSymbol(char symbol)
{
    if (symbol == '*') {
        m_ignorable = true;
        return;
    }
    m_ignorable = false;
    if (consumeSkip() || state().destination != Destination::Body)
        return;
    switch (symbol) {
    case '~': appendChar(0x00A0); break; // no-break space
    case '_': appendChar(0x2011); break; // no-break hyphen
    case '\n':                           // a backslash before a line end is a \par
        flushBytes();
        m_builder.endParagraph(state().chars, state().para);
        break;
    default: break; // \- (optional hyphen), \| and \: show nothing
    }
}

void Dispatcher::text(std::string_view bytes)
{
    if (m_skipCount > 0) {
        const auto skipped = std::min<std::size_t>(static_cast<std::size_t>(m_skipCount),
                                                   bytes.size());
        bytes.remove_prefix(skipped);
        m_skipCount -= static_cast<int>(skipped);
    }
    if (bytes.empty())
        return;
    switch (state().destination) {
    case Destination::Body:
        if (!state().chars.hidden)
            appendBytes(bytes);
        break;
    case Destination::FontTable: m_tableReader.fontText(bytes); break;
    case Destination::ColorTable: m_tableReader.colorText(bytes); break;
    case Destination::Picture: m_picture->appendHex(bytes); break;
    case Destination::Skip: break;
    }
}

void Dispatcher::hexByte(unsigned char byte)
{
    if (consumeSkip())
        return;
    const char c = static_cast<char>(byte);
    if (state().destination == Destination::Body && !state().chars.hidden)
        appendBytes(std::string_view(&c, 1));
    else if (state().destination == Destination::FontTable)
        m_tableReader.fontText(std::string_view(&c, 1));
}

void Dispatcher::binary(std::string_view bytes)
{
    if (!consumeSkip() && state().destination == Destination::Picture)
        m_picture->appendBinary(bytes);
}

void Dispatcher::bodyWord(const KeywordInfo &info, const Token &token)
{
    switch (info.keyword) {
    case Keyword::FontTable: state().destination = Destination::FontTable; break;
    case Keyword::ColorTable:
        state().destination = Destination::ColorTable;
        m_tableReader.beginColors();
        break;
    case Keyword::Picture:
        state().destination = Destination::Picture;
        state().pictureStart = true;
        m_picture = std::make_unique<PictureData>(m_limits);
        break;
    case Keyword::SkipDestination: state().destination = Destination::Skip; break;
    case Keyword::Ansi: setDocumentCodePage(1252); break;
    case Keyword::Mac: setDocumentCodePage(10000); break;
    case Keyword::Pc: setDocumentCodePage(437); break;
    case Keyword::Pca: setDocumentCodePage(850); break;
    case Keyword::AnsiCpg: setDocumentCodePage(token.hasParameter ? token.parameter : 1252); break;
    case Keyword::Deff:
        m_tables.defaultFont = token.parameter;
        tablesChanged();
        break;
    case Keyword::Symbol: appendChar(info.value); break;
    case Keyword::Line: appendChar(0x2028); break; // QTextDocument's line break inside a block
    case Keyword::Tab: appendChar(u'\t'); break;
    default:
        if (!characterWord(info.keyword, token))
            paragraphWord(info.keyword, token);
    }
}

bool Dispatcher::characterWord(Keyword keyword, const Token &token)
{
    CharProps &chars = state().chars;
    switch (keyword) {
    case Keyword::Plain: chars = CharProps{}; break;
    case Keyword::Bold: chars.bold = switchedOn(token); break;
    case Keyword::Italic: chars.italic = switchedOn(token); break;
    case Keyword::Underline: chars.underline = switchedOn(token); break;
    case Keyword::UnderlineNone: chars.underline = false; break;
    case Keyword::Strike: chars.strike = switchedOn(token); break;
    case Keyword::Hidden: chars.hidden = switchedOn(token); break;
    case Keyword::Font: chars.font = token.hasParameter ? token.parameter : -1; break;
    case Keyword::FontSize:
        chars.halfPoints = token.parameter > 0 ? std::min(token.parameter, m_limits.maxHalfPoints)
                                               : 24;
        break;
    case Keyword::Foreground: chars.foreground = std::max(token.parameter, 0); break;
    case Keyword::Background: chars.background = std::max(token.parameter, 0); break;
    case Keyword::Superscript:
        chars.position = switchedOn(token) ? VerticalPosition::Superscript
                                           : VerticalPosition::Normal;
        break;
    case Keyword::Subscript:
        chars.position = switchedOn(token) ? VerticalPosition::Subscript : VerticalPosition::Normal;
        break;
    case Keyword::NoSuperSub: chars.position = VerticalPosition::Normal; break;
    default: return false;
    }
    return true;
}

bool Dispatcher::paragraphWord(Keyword keyword, const Token &token)
{
    ParaProps &para = state().para;
    switch (keyword) {
    case Keyword::Pard: para = ParaProps{}; break;
    case Keyword::Par:
        flushBytes();
        m_builder.endParagraph(state().chars, para);
        break;
    case Keyword::AlignLeft: para.alignment = Qt::AlignLeft; break;
    case Keyword::AlignRight: para.alignment = Qt::AlignRight; break;
    case Keyword::AlignCenter: para.alignment = Qt::AlignHCenter; break;
    case Keyword::AlignJustify: para.alignment = Qt::AlignJustify; break;
    case Keyword::LeftIndent: para.leftIndent = clampedLength(token); break;
    case Keyword::RightIndent: para.rightIndent = clampedLength(token); break;
    case Keyword::FirstIndent: para.firstLineIndent = clampedLength(token); break;
    case Keyword::SpaceBefore: para.spaceBefore = clampedLength(token, 0); break;
    case Keyword::SpaceAfter: para.spaceAfter = clampedLength(token, 0); break;
    case Keyword::InTable: para.inTable = switchedOn(token); break;
    case Keyword::RowDefaults: m_builder.beginRowDefinition(); break;
    case Keyword::CellRight: m_builder.addCellBoundary(clampedLength(token, 0)); break;
    case Keyword::Cell:
        flushBytes();
        para.inTable = true; // a writer that leaves out \intbl still means the table
        m_builder.endCell(state().chars, para);
        break;
    case Keyword::Row:
        flushBytes();
        m_builder.endRow(state().chars, para);
        break;
    default: return false;
    }
    return true;
}

void Dispatcher::appendBytes(std::string_view bytes)
{
    const GroupState &current = state();
    const int codePage = codePageOf(current.chars.font);
    if (!m_bytes.empty() && (codePage != m_bytesCodePage || current.chars != m_bytesChars ||
                             current.para.inTable != m_bytesInTable))
        flushBytes();
    if (m_bytes.empty()) {
        m_bytesCodePage = codePage;
        m_bytesChars = current.chars;
        m_bytesInTable = current.para.inTable;
    }
    m_bytes.append(bytes);
}

void Dispatcher::appendChar(char32_t c)
{
    if (state().chars.hidden)
        return;
    flushBytes();
    char16_t units[2];
    const bool pair = QChar::requiresSurrogates(c);
    if (pair) {
        units[0] = QChar::highSurrogate(c);
        units[1] = QChar::lowSurrogate(c);
    } else {
        units[0] = static_cast<char16_t>(c);
    }
    m_builder.appendText(QStringView(units, pair ? 2 : 1), state().chars, state().para.inTable);
}

void Dispatcher::flushBytes()
{
    if (m_bytes.empty())
        return;
    const QString decoded = m_decoder.decode(
        m_bytesCodePage, QByteArrayView(m_bytes.data(), static_cast<qsizetype>(m_bytes.size())));
    m_bytes.clear();
    m_builder.appendText(decoded, m_bytesChars, m_bytesInTable);
}

// \uN: N is a signed 16-bit number in most writers, so negative values stand for N + 65536.
void Dispatcher::unicodeChar(int parameter)
{
    qint64 code = parameter;
    if (code < 0)
        code += 65536;
    if (code < 0 || code > 0x10FFFF)
        return;
    if (state().destination == Destination::Body) {
        appendChar(static_cast<char32_t>(code));
    } else if (state().destination == Destination::FontTable) {
        m_tableReader.fontChar(static_cast<char32_t>(code));
    }
}

int Dispatcher::codePageOf(int font)
{
    if (!m_codePageCached || font != m_cachedFont) {
        m_cachedFont = font;
        m_cachedCodePage = m_tables.codePageOf(font);
        m_codePageCached = true;
    }
    return m_cachedCodePage;
}

void Dispatcher::setDocumentCodePage(int codePage)
{
    m_tables.codePage = codePage;
    tablesChanged();
}

void Dispatcher::tablesChanged()
{
    m_codePageCached = false;
    m_builder.tablesChanged();
}

void Dispatcher::pictureWord(Keyword keyword, const Token &token)
{
    switch (keyword) {
    case Keyword::PngBlip: m_picture->setKind(PictureData::Kind::Png); break;
    case Keyword::JpegBlip: m_picture->setKind(PictureData::Kind::Jpeg); break;
    case Keyword::OtherBlip: m_picture->setKind(PictureData::Kind::Other); break;
    case Keyword::PictureWidthGoal: m_picture->setWidthGoal(clampedLength(token, 0)); break;
    case Keyword::PictureHeightGoal: m_picture->setHeightGoal(clampedLength(token, 0)); break;
    case Keyword::PictureScaleX: m_picture->setScaleX(std::clamp(token.parameter, 0, 1000)); break;
    case Keyword::PictureScaleY: m_picture->setScaleY(std::clamp(token.parameter, 0, 1000)); break;
    default: break;
    }
}

void Dispatcher::finishPicture()
{
    const std::unique_ptr<PictureData> picture = std::move(m_picture);
    if (!picture)
        return;
    const PictureData::Decoded decoded = picture->decode(m_limits.maxTotalPicturePixels -
                                                         m_picturePixels);
    flushBytes();
    switch (decoded.fault) {
    case PictureData::Fault::None: break;
    case PictureData::Fault::OtherKind: return; // metafiles and bitmaps: see rtfpicture.h
    case PictureData::Fault::TooLarge:
    case PictureData::Fault::Unreadable:
        // A mark in its place, so the reader sees something is missing.
        ++m_result.picturesLeftOut;
        m_builder.appendText(decoded.fault == PictureData::Fault::TooLarge ? PictureTooLargeMark
                                                                           : PictureUnreadableMark,
                             state().chars, state().para.inTable);
        return;
    }
    const QImage &image = decoded.image;
    m_picturePixels += static_cast<qint64>(image.width()) * image.height();
    m_builder.appendImage(image, picture->displaySize(image), state().para.inTable);
}

} // namespace platform::rtf
