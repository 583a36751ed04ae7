#include "rtftokenizer.h"

#include <algorithm>
#include <limits>

namespace platform::rtf {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Bytes that end a text run: group marks, escapes and control characters (tab excepted).
bool endsText(char c)
{
    return c == '{' || c == '}' || c == '\\' || (static_cast<unsigned char>(c) < 0x20 && c != '\t');
}

Token simpleToken(TokenKind kind)
{
    Token token;
    token.kind = kind;
    return token;
}

} // namespace

Tokenizer::Tokenizer(std::string_view input, const RtfLimits &limits)
    : m_input(input), m_limits(limits)
{}

Token Tokenizer::next()
{
    while (m_pos < m_input.size()) {
        const char c = m_input[m_pos];
        switch (c) {
        case '{': ++m_pos; return simpleToken(TokenKind::GroupStart);
        case '}': ++m_pos; return simpleToken(TokenKind::GroupEnd);
        case '\\': return readBackslash();
        default:
            if (!endsText(c))
                return readText();
            ++m_pos; // CR, LF and other control characters carry no meaning in RTF
        }
    }
    return simpleToken(TokenKind::End);
}

Token Tokenizer::readBackslash()
{
    ++m_pos; // the backslash
    if (m_pos >= m_input.size())
        return simpleToken(TokenKind::End);
    const char c = m_input[m_pos];
    if (isLetter(c))
        return readControlWord();

    ++m_pos;
    Token token;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        token.kind = TokenKind::Text;
        token.bytes = m_input.substr(m_pos - 1, 1);
        return token;
    case '\'': {
        const int high = m_pos < m_input.size() ? hexValue(m_input[m_pos]) : -1;
        if (high < 0) {
            token.kind = TokenKind::Text; // a broken escape is dropped: an empty run
            return token;
        }
        ++m_pos;
        const int low = m_pos < m_input.size() ? hexValue(m_input[m_pos]) : -1;
        token.kind = TokenKind::HexByte;
        if (low < 0) {
            token.byte = static_cast<unsigned char>(high);
        } else {
            ++m_pos;
            token.byte = static_cast<unsigned char>(high * 16 + low);
        }
        return token;
    }
    case '\r':
    case '\n':
        token.kind = TokenKind::ControlSymbol;
        token.symbol = '\n';
        return token;
    default:
        token.kind = TokenKind::ControlSymbol;
        token.symbol = c;
        return token;
    }
}

Token Tokenizer::readControlWord()
{
    const std::size_t start = m_pos;
    while (m_pos < m_input.size() && isLetter(m_input[m_pos]))
        ++m_pos;
    Token token;
    token.kind = TokenKind::ControlWord;
    token.bytes = m_input.substr(
        start, std::min<std::size_t>(m_pos - start, std::max(1, m_limits.maxControlWordLength)));

    bool negative = false;
    if (m_pos + 1 < m_input.size() && m_input[m_pos] == '-' && isDigit(m_input[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < m_input.size() && isDigit(m_input[m_pos])) {
        constexpr qint64 Max = std::numeric_limits<int>::max();
        qint64 value = 0;
        int digits = 0;
        while (m_pos < m_input.size() && isDigit(m_input[m_pos])) {
            // Digits past the limit are read but no longer change the value.
            if (digits++ < m_limits.maxParameterDigits)
                value = std::min(Max + 1, value * 10 + (m_input[m_pos] - '0'));
            ++m_pos;
        }
        value = negative ? std::max(-value, -Max - 1) : std::min(value, Max);
        token.parameter = static_cast<int>(value);
        token.hasParameter = true;
    }
    if (m_pos < m_input.size() && m_input[m_pos] == ' ')
        ++m_pos; // the delimiting space belongs to the word

    if (token.bytes == "bin")
        return readBinary(token.hasParameter ? token.parameter : 0);
    return token;
}

Token Tokenizer::readText()
{
    const std::size_t start = m_pos;
    while (m_pos < m_input.size() && !endsText(m_input[m_pos]))
        ++m_pos;
    Token token;
    token.kind = TokenKind::Text;
    token.bytes = m_input.substr(start, m_pos - start);
    return token;
}

Token Tokenizer::readBinary(qint64 size)
{
    if (size > m_limits.maxBinaryBytes) {
        m_pos = m_input.size(); // no reader can make sense of what follows
        return simpleToken(TokenKind::End);
    }
    const std::size_t count = std::min<std::size_t>(std::max<qint64>(size, 0),
                                                    m_input.size() - m_pos);
    Token token;
    token.kind = TokenKind::Binary;
    token.bytes = m_input.substr(m_pos, count);
    m_pos += count;
    return token;
}

} // namespace platform::rtf
