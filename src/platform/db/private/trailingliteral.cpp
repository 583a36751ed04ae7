#include "trailingliteral.h"

#include "sqltokens.h"

#include <sqlite3.h>

#include <vector>

namespace platform::db {

namespace {

constexpr qsizetype maxDigits = 9; // any such number fits an int, whatever its digits

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Where the text ends once blanks and a single ';' after its last token are left out.
qsizetype endOfLastToken(const QString &sql)
{
    qsizetype end = sql.size();
    while (end > 0 && sql[end - 1].isSpace())
        --end;
    if (end > 0 && sql[end - 1] == QLatin1Char(';'))
        --end;
    while (end > 0 && sql[end - 1].isSpace())
        --end;
    return end;
}

// A parameter of the caller's own would be numbered around ours; such a text stays as written.
bool hasParameterMarker(const QString &sql)
{
    for (const QChar c : sql)
        if (c == QLatin1Char('?') || c == QLatin1Char(':') || c == QLatin1Char('@') ||
            c == QLatin1Char('$'))
            return true;
    return false;
}

bool isWholeNumber(const Token &token)
{
    if (token.kind != TokenKind::Literal || token.text.isEmpty() || token.text.size() > maxDigits)
        return false;
    for (const QChar c : token.text)
        if (!isAsciiDigit(c))
            return false;
    return true;
}

// The value of a complete text literal ('it''s' is it's); nothing for any other token.
std::optional<QString> textValue(const Token &token)
{
    static const QString quote = QStringLiteral("'");
    static const QString doubledQuote = QStringLiteral("''");
    if (token.kind != TokenKind::Literal || token.text.size() < 2 ||
        !token.text.startsWith(quote) || !token.text.endsWith(quote))
        return std::nullopt;
    QString inner = token.text.mid(1, token.text.size() - 2);
    // A quote left alone inside means the literal never closed ('ab'' runs to the end).
    if (QString(inner).remove(doubledQuote).contains(quote))
        return std::nullopt;
    return inner.replace(doubledQuote, quote);
}

} // namespace

int TrailingLiteral::bindTo(sqlite3_stmt *statement) const
{
    if (!isText)
        return sqlite3_bind_int(statement, 1, number);
    return sqlite3_bind_text64(statement, 1, text.constData(), sqlite3_uint64(text.size()),
                               SQLITE_TRANSIENT, SQLITE_UTF8);
}

std::optional<TrailingLiteral> parameterizeTrailingLiteral(const QString &sql)
{
    // Most texts the layer runs (transactions, writes with their own parameters) are refused by
    // a look at their last character, before any tokenizing.
    const qsizetype end = endOfLastToken(sql);
    if (end == 0 || !(isAsciiDigit(sql[end - 1]) || sql[end - 1] == QLatin1Char('\'')) ||
        hasParameterMarker(sql))
        return std::nullopt;

    const std::vector<Token> tokens = tokenize(sql);
    std::size_t count = tokens.size();
    if (count > 0 && isSymbol(&tokens[count - 1], ';'))
        --count;
    // A statement's first word, then WHERE <column> = <literal> at its end.
    if (count < 5)
        return std::nullopt;
    const Token &where = tokens[count - 4];
    const Token &column = tokens[count - 3];
    const Token &literal = tokens[count - 1];
    // The first word leaves out EXPLAIN, whose rows show the parameter, and schema statements,
    // whose text is kept in the database as written.
    if (!isAnyWord(&tokens.front(), {QLatin1StringView("SELECT"), QLatin1StringView("UPDATE"),
                                     QLatin1StringView("DELETE"), QLatin1StringView("WITH")}) ||
        !isWord(&where, QLatin1StringView("WHERE")) || where.depth != 0 || where.inSubquery ||
        !isName(&column) || !isSymbol(&tokens[count - 2], '=') || literal.end != end)
        return std::nullopt;

    const QByteArray parameterized =
        (sql.left(literal.begin) + QLatin1String("?1") + sql.mid(literal.end)).toUtf8();
    if (isWholeNumber(literal))
        return TrailingLiteral{parameterized, false, literal.text.toInt(), QByteArray()};
    if (const std::optional<QString> text = textValue(literal))
        return TrailingLiteral{parameterized, true, 0, text->toUtf8()};
    return std::nullopt;
}

} // namespace platform::db
