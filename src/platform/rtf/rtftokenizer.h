#pragma once

#include "rtfreader.h"

#include <string_view>

namespace platform::rtf {

// The value of a hexadecimal digit, or -1 for any other character.
inline int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

enum class TokenKind {
    GroupStart,
    GroupEnd,
    ControlWord,   // name, optional parameter
    ControlSymbol, // a backslash and one non-letter (\~, \-, \*, ...); a backslash before CR/LF is
                   // '\n'
    Text,          // a run of literal bytes, escaped \\ \{ \} included
    HexByte,       // \'hh
    Binary,        // the raw bytes after \binN
    End
};

struct Token
{
    TokenKind kind = TokenKind::End;
    std::string_view bytes; // control word name, text run or binary data
    int parameter = 0;
    bool hasParameter = false;
    char symbol = 0;
    unsigned char byte = 0;
};

// Splits RTF bytes into tokens. It never allocates: every token is a view into the input. Line
// ends and other control characters between tokens are dropped. Control words longer than the
// limit are cut, parameters are clamped to the int range, and \binN swallows its N bytes here so
// that binary data never reaches the dispatcher as text. An over-large \bin ends the input.
class Tokenizer
{
public:
    Tokenizer(std::string_view input, const RtfLimits &limits);

    Token next();

private:
    Token readBackslash();
    Token readControlWord();
    Token readText();
    Token readBinary(qint64 size);

    std::string_view m_input;
    std::size_t m_pos = 0;
    const RtfLimits &m_limits;
};

} // namespace platform::rtf
