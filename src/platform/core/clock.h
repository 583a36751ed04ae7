#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <functional>

namespace platform {

// The current date and time. Everything that reads the clock goes through here, so tests can fix
// it. Each call reads the clock anew: a caller that needs the date and the time of one moment
// takes both from one call.
QDateTime currentDateTime();

// The date in the user's short-date form (the system locale's setting), for example "7/12/26"
// or "2026/12/7". The text may hold characters that a file name cannot.
QString shortDateText(const QDate &date);

// Tests: a clock of their own, called on every reading; an empty one restores the system clock.
using Clock = std::function<QDateTime()>;
void setClock(Clock clock);

// Tests: a short-date pattern of their own (QDate::toString syntax, "yyyy/M/d"); an empty one
// restores the system locale's.
void setShortDateFormat(const QString &format);

} // namespace platform
