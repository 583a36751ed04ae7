#include "variant.h"

#include "runtimeerror.h"

#include <QLocale>

#include <cmath>

namespace platform::db {

namespace {

// A number as plain decimal text: 3 -> "3", 2.5 -> "2.5", -0 -> "0".
QString numberText(double number)
{
    if (number == 0)
        return QStringLiteral("0");
    if (std::trunc(number) == number && std::fabs(number) < 1.0e15)
        return QString::number(static_cast<qint64>(number));
    return QString::number(number, 'g', QLocale::FloatingPointShortest);
}

} // namespace

QString Variant::toText(const QString &where) const
{
    if (isNull())
        throw RuntimeError(RuntimeError::Kind::InvalidUseOfNull,
                           QStringLiteral("Invalid use of Null: %1").arg(where));
    return joinText();
}

QString Variant::joinText() const
{
    if (const auto *text = std::get_if<QString>(&m_value))
        return *text;
    if (const auto *number = std::get_if<double>(&m_value))
        return numberText(*number);
    return QString();
}

bool Variant::equals(const QString &text) const
{
    return !isNull() && joinText() == text;
}

double Variant::toNumber() const
{
    if (const auto *number = std::get_if<double>(&m_value))
        return *number;
    if (const auto *text = std::get_if<QString>(&m_value)) {
        bool ok = false;
        const double value = text->trimmed().toDouble(&ok);
        return ok ? value : 0;
    }
    return 0;
}

} // namespace platform::db
