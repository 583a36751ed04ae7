#include "sqltokens.h"

namespace platform::db {

namespace {

// SQLite takes every non-ASCII character as part of a name, so 编号 is one word.
bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') ||
           c.unicode() >= 0x80;
}

// The end of a quoted run starting at `begin`; a doubled closing quote stays inside.
qsizetype quotedEnd(const QString &text, qsizetype begin, QChar close)
{
    qsizetype i = begin + 1;
    while (i < text.size()) {
        if (text[i] == close) {
            if (close != QLatin1Char(']') && i + 1 < text.size() && text[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return text.size(); // unterminated: SQLite reports it when preparing
}

} // namespace

std::vector<Token> tokenize(const QString &sql)
{
    std::vector<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        const QChar c = sql[i];
        const QChar next = i + 1 < n ? sql[i + 1] : QChar();
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
            const qsizetype eol = sql.indexOf(QLatin1Char('\n'), i);
            i = eol < 0 ? n : eol + 1;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            const qsizetype close = sql.indexOf(QLatin1String("*/"), i + 2);
            i = close < 0 ? n : close + 2;
        } else if (c == QLatin1Char('\'')) {
            const qsizetype end = quotedEnd(sql, i, c);
            tokens.push_back({TokenKind::Literal, sql.mid(i, end - i), i, end});
            i = end;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            const qsizetype end = quotedEnd(sql, i, close);
            QString name = sql.mid(i + 1, end - i - 2);
            if (close != QLatin1Char(']'))
                name.replace(QString(2, close), QString(close));
            tokens.push_back({TokenKind::Name, name, i, end});
            i = end;
        } else if (isWordChar(c)) {
            qsizetype end = i + 1;
            while (end < n &&
                   (isWordChar(sql[end]) || (c.isDigit() && sql[end] == QLatin1Char('.'))))
                ++end;
            tokens.push_back(
                {c.isDigit() ? TokenKind::Literal : TokenKind::Word, sql.mid(i, end - i), i, end});
            i = end;
        } else {
            tokens.push_back({TokenKind::Symbol, QString(c), i, i + 1});
            ++i;
        }
    }

    // Depth and sub-query flags, from the parentheses.
    std::vector<bool> groups; // per open parenthesis: does it hold a SELECT?
    int subqueries = 0;
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        Token &token = tokens[k];
        if (token.kind == TokenKind::Symbol && token.text == QLatin1String(")") &&
            !groups.empty()) {
            subqueries -= groups.back() ? 1 : 0;
            groups.pop_back();
        }
        token.depth = int(groups.size());
        token.inSubquery = subqueries > 0;
        if (token.kind == TokenKind::Symbol && token.text == QLatin1String("(")) {
            const bool select = k + 1 < tokens.size() && tokens[k + 1].kind == TokenKind::Word &&
                                (tokens[k + 1].text.compare(QLatin1String("SELECT"),
                                                            Qt::CaseInsensitive) == 0 ||
                                 tokens[k + 1].text.compare(QLatin1String("WITH"),
                                                            Qt::CaseInsensitive) == 0 ||
                                 tokens[k + 1].text.compare(QLatin1String("VALUES"),
                                                            Qt::CaseInsensitive) == 0);
            groups.push_back(select);
            subqueries += select ? 1 : 0;
        }
    }
    return tokens;
}

bool isWord(const Token *token, QLatin1StringView word)
{
    return token && token->kind == TokenKind::Word &&
           token->text.compare(word, Qt::CaseInsensitive) == 0;
}

bool isAnyWord(const Token *token, std::initializer_list<QLatin1StringView> words)
{
    for (const QLatin1StringView word : words)
        if (isWord(token, word))
            return true;
    return false;
}

bool isSymbol(const Token *token, char symbol)
{
    return token && token->kind == TokenKind::Symbol && token->text == QLatin1Char(symbol);
}

bool isName(const Token *token)
{
    return token && (token->kind == TokenKind::Name || token->kind == TokenKind::Word);
}

} // namespace platform::db
