#include "accuracy.h"

#include "marks.h"

#include "variant.h"

namespace Accuracy {

QString PercentText(int right, int count)
{
    if (count <= 0)
        return QStringLiteral("0.00");
    // In hundredths of a per cent, exactly: right x 10000 / count as quotient and remainder, so
    // a tie (3.125) is seen as one and never hidden by binary rounding.
    const long long scaled = static_cast<long long>(right) * 10000;
    long long hundredths = scaled / count;
    const long long twiceRemainder = 2 * (scaled % count);
    if (twiceRemainder > count || (twiceRemainder == count && hundredths % 2 != 0))
        ++hundredths;
    return QStringLiteral("%1.%2")
        .arg(hundredths / 100)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QString AccuracyCaption(const QString &type, int right, int count)
{
    return type + QStringLiteral(" 正确率: ") + PercentText(right, count) +
           QStringLiteral("%  ( ") + QString::number(right) + QStringLiteral("/") +
           QString::number(count) + QStringLiteral(" )");
}

void Counts::add(const platform::db::Variant &type, const platform::db::Variant &mark)
{
    const std::optional<QuestionType> named = QuestionTypes::Named(type);
    if (!named)
        return;
    ++m_questions[index(*named)];
    if (Marks::IsRight(mark))
        ++m_right[index(*named)];
}

QString Counts::caption(QuestionType type) const
{
    return AccuracyCaption(QuestionTypes::Name(type), right(type), questions(type));
}

} // namespace Accuracy
