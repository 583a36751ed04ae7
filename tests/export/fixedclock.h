#pragma once

#include "clock.h"

#include <QList>

// Fixes the program's clock and short-date form for one test: every reading gives the next of
// the given moments (the last one again when they run out). Restores the system's on exit.
class FixedClock
{
public:
    explicit FixedClock(QList<QDateTime> moments,
                        const QString &shortDateFormat = QStringLiteral("yyyy/M/d"))
        : m_moments(std::move(moments))
    {
        platform::setClock([this] {
            ++readings;
            return m_moments.size() > 1 ? m_moments.takeFirst() : m_moments.first();
        });
        platform::setShortDateFormat(shortDateFormat);
    }
    explicit FixedClock(const QDateTime &moment,
                        const QString &shortDateFormat = QStringLiteral("yyyy/M/d"))
        : FixedClock(QList<QDateTime>{moment}, shortDateFormat)
    {}
    ~FixedClock()
    {
        platform::setClock({});
        platform::setShortDateFormat({});
    }

    FixedClock(const FixedClock &) = delete;
    FixedClock &operator=(const FixedClock &) = delete;

    void setMoment(const QDateTime &moment) { m_moments = {moment}; }

    int readings = 0;

private:
    QList<QDateTime> m_moments;
};
