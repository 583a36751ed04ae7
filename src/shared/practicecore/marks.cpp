#include "marks.h"

#include "variant.h"

namespace {
QString twoDigits(int value)
{
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}
} // namespace

namespace Marks {

QString MarkFor(const QString &recorded, const platform::db::Variant &key)
{
    return key.equals(recorded) ? Right : Wrong;
}

bool IsRight(const platform::db::Variant &mark)
{
    return mark.equals(Right);
}

} // namespace Marks

QString TimeSpentText(int seconds)
{
    return twoDigits(seconds / 60) + QStringLiteral(":") + twoDigits(seconds % 60);
}
