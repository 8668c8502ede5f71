#include "support/OleDate.h"

#include <cmath>

namespace {

constexpr qint64 secondsPerDay = 86400;

QDate epoch()
{
    return QDate(1899, 12, 30);
}

// The value as whole days and seconds into the day. Days before the epoch keep
// a positive time of day, as the fraction always counts forward from midnight.
void split(double value, qint64 &days, qint64 &seconds)
{
    const double whole = std::trunc(value);
    seconds = qint64(std::llround(std::fabs(value - whole) * secondsPerDay));
    days = qint64(whole);
    if (seconds >= secondsPerDay) {
        seconds -= secondsPerDay;
        days += value < 0 ? -1 : 1;
    }
}

} // namespace

OleDate OleDate::fromDate(QDate date)
{
    return OleDate(double(epoch().daysTo(date)));
}

OleDate OleDate::fromTime(QTime time)
{
    return OleDate(double(time.msecsSinceStartOfDay()) / (secondsPerDay * 1000.0));
}

OleDate OleDate::fromDateTime(QDate date, QTime time)
{
    const double days = double(epoch().daysTo(date));
    const double fraction = fromTime(time).value();
    return OleDate(days < 0 ? days - fraction : days + fraction);
}

OleDate OleDate::fromDateTime(const QDateTime &dateTime)
{
    return fromDateTime(dateTime.date(), dateTime.time());
}

bool OleDate::isTimeOnly() const
{
    return std::fabs(m_value) < 1.0;
}

bool OleDate::hasTime() const
{
    qint64 days, seconds;
    split(m_value, days, seconds);
    return seconds != 0;
}

QDate OleDate::date() const
{
    qint64 days, seconds;
    split(m_value, days, seconds);
    return epoch().addDays(days);
}

QTime OleDate::time() const
{
    qint64 days, seconds;
    split(m_value, days, seconds);
    return QTime(0, 0).addSecs(int(seconds));
}

QDateTime OleDate::toDateTime() const
{
    return QDateTime(date(), time());
}
