#include "selectquery.h"

#include <vector>

namespace platform::db {

namespace {

enum class TokenKind { Word, Name, Literal, Symbol };

struct Token
{
    TokenKind kind;
    QString text; // a word as written, a quoted name without its quotes
    qsizetype begin;
    qsizetype end;
    int depth = 0;           // parentheses around it; a parenthesis counts as outside itself
    bool inSubquery = false; // inside a parenthesised SELECT
};

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

// Words that may follow the table name without being its alias.
bool isClauseWord(const Token *token)
{
    return isAnyWord(
        token,
        {QLatin1StringView("WHERE"), QLatin1StringView("ORDER"),     QLatin1StringView("LIMIT"),
         QLatin1StringView("GROUP"), QLatin1StringView("HAVING"),    QLatin1StringView("WINDOW"),
         QLatin1StringView("JOIN"),  QLatin1StringView("NATURAL"),   QLatin1StringView("LEFT"),
         QLatin1StringView("RIGHT"), QLatin1StringView("FULL"),      QLatin1StringView("INNER"),
         QLatin1StringView("CROSS"), QLatin1StringView("OUTER"),     QLatin1StringView("INDEXED"),
         QLatin1StringView("NOT"),   QLatin1StringView("ON"),        QLatin1StringView("USING"),
         QLatin1StringView("UNION"), QLatin1StringView("INTERSECT"), QLatin1StringView("EXCEPT")});
}

// count(...), sum(...), max(x) ... outside sub-queries fold rows together; max(a, b) with more
// than one argument is the scalar function.
bool hasAggregate(const std::vector<Token> &tokens)
{
    for (std::size_t k = 0; k + 1 < tokens.size(); ++k) {
        const Token &token = tokens[k];
        if (token.inSubquery || !isSymbol(&tokens[k + 1], '('))
            continue;
        const bool minMax = isAnyWord(&token, {QLatin1StringView("MIN"), QLatin1StringView("MAX")});
        if (!minMax && !isAnyWord(&token, {QLatin1StringView("COUNT"), QLatin1StringView("SUM"),
                                           QLatin1StringView("TOTAL"), QLatin1StringView("AVG"),
                                           QLatin1StringView("GROUP_CONCAT"),
                                           QLatin1StringView("STRING_AGG")}))
            continue;
        if (!minMax)
            return true;
        const int inner = tokens[k + 1].depth + 1;
        bool severalArguments = false;
        for (std::size_t j = k + 2; j < tokens.size() && tokens[j].depth >= inner; ++j)
            severalArguments = severalArguments ||
                               (tokens[j].depth == inner && isSymbol(&tokens[j], ','));
        if (!severalArguments)
            return true;
    }
    return false;
}

} // namespace

QString SingleTableSelect::withLeadingColumn(const QString &query, const QString &column) const
{
    return query.left(insertAt) + QLatin1Char(' ') + qualifier + QLatin1Char('.') + column +
           QLatin1Char(',') + query.mid(insertAt);
}

SingleTableSelect analyzeSelect(const QString &query)
{
    SingleTableSelect result;
    const std::vector<Token> tokens = tokenize(query);
    std::vector<const Token *> top;
    for (const Token &token : tokens)
        if (token.depth == 0)
            top.push_back(&token);
    std::size_t k = 0;
    const auto at = [&](std::size_t index) { return index < top.size() ? top[index] : nullptr; };
    const auto refuse = [&](const char *reason) {
        result.reason = QString::fromLatin1(reason);
        return result;
    };

    if (!isWord(at(k), QLatin1StringView("SELECT")))
        return refuse("it is not a plain SELECT");
    result.insertAt = at(k++)->end;
    if (isWord(at(k), QLatin1StringView("DISTINCT")))
        return refuse("SELECT DISTINCT rows are not table rows");
    if (isWord(at(k), QLatin1StringView("ALL")))
        result.insertAt = at(k++)->end;

    while (at(k) && !isWord(at(k), QLatin1StringView("FROM")))
        ++k;
    if (!at(k++))
        return refuse("it reads no table");
    if (!isName(at(k)))
        return refuse("it does not read a table by name");
    const qsizetype nameBegin = at(k)->begin;
    qsizetype nameEnd = at(k)->end;
    result.table = at(k++)->text;
    if (isSymbol(at(k), '.')) {
        if (result.table.compare(QLatin1String("main"), Qt::CaseInsensitive) != 0)
            return refuse("it reads a table outside the main database");
        if (!isName(at(k + 1)))
            return refuse("it does not read a table by name");
        result.table = at(k + 1)->text;
        nameEnd = at(k + 1)->end;
        k += 2;
    }
    if (isSymbol(at(k), '('))
        return refuse("it reads a table-valued function");
    result.qualifier = query.mid(nameBegin, nameEnd - nameBegin);

    if (isWord(at(k), QLatin1StringView("AS")))
        ++k;
    if (isName(at(k)) && !isClauseWord(at(k))) {
        result.qualifier = query.mid(at(k)->begin, at(k)->end - at(k)->begin);
        ++k;
    }
    if (at(k) &&
        !isAnyWord(at(k), {QLatin1StringView("WHERE"), QLatin1StringView("ORDER"),
                           QLatin1StringView("LIMIT")}) &&
        !isSymbol(at(k), ';'))
        return refuse("it reads more than one table");
    for (; at(k); ++k)
        if (isAnyWord(at(k), {QLatin1StringView("GROUP"), QLatin1StringView("HAVING"),
                              QLatin1StringView("WINDOW"), QLatin1StringView("UNION"),
                              QLatin1StringView("INTERSECT"), QLatin1StringView("EXCEPT")}))
            return refuse("it groups or combines rows");
    if (hasAggregate(tokens))
        return refuse("it folds rows together with an aggregate");
    result.writable = true;
    return result;
}

} // namespace platform::db
