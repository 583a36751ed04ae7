#include "clock.h"

#include <QLocale>

namespace platform {

namespace {
Clock &installedClock()
{
    static Clock clock;
    return clock;
}

QString &installedShortDateFormat()
{
    static QString format;
    return format;
}
} // namespace

QDateTime currentDateTime()
{
    if (installedClock())
        return installedClock()();
    return QDateTime::currentDateTime();
}

QString shortDateText(const QDate &date)
{
    if (!installedShortDateFormat().isEmpty())
        return date.toString(installedShortDateFormat());
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

void setClock(Clock clock)
{
    installedClock() = std::move(clock);
}

void setShortDateFormat(const QString &format)
{
    installedShortDateFormat() = format;
}

} // namespace platform
