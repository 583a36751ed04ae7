#include "selectquery.h"

#include "sqltokens.h"

#include <vector>

namespace platform::db {

namespace {

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
