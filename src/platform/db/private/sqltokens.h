#pragma once

// Internal to the database layer: SQL texts cut into words, names, literals and symbols, for the
// few looks the layer takes at a query's shape before SQLite compiles it.

#include <QLatin1StringView>
#include <QString>

#include <initializer_list>
#include <vector>

namespace platform::db {

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

// The tokens of `sql` in order; blanks and comments are skipped, a string or a quoted name is one
// token, a number (digits first) is one literal.
std::vector<Token> tokenize(const QString &sql);

bool isWord(const Token *token, QLatin1StringView word); // case-insensitive
bool isAnyWord(const Token *token, std::initializer_list<QLatin1StringView> words);
bool isSymbol(const Token *token, char symbol);
bool isName(const Token *token); // a bare word or a quoted name

} // namespace platform::db
