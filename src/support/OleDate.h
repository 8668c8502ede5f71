#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// A date and time as days since 1899-12-30, the time of day being the
// fraction. The value 0 means "not set".
class OleDate
{
public:
    constexpr OleDate() = default;
    constexpr explicit OleDate(double value) : m_value(value) {}

    static OleDate fromDate(QDate date);
    static OleDate fromTime(QTime time);
    static OleDate fromDateTime(QDate date, QTime time);
    static OleDate fromDateTime(const QDateTime &dateTime);

    constexpr double value() const { return m_value; }
    constexpr bool isSet() const { return m_value != 0.0; }
    // True when there is no date part (a time of day only, or not set).
    bool isTimeOnly() const;
    bool hasTime() const;

    QDate date() const;
    // The time of day, rounded to the nearest second.
    QTime time() const;
    QDateTime toDateTime() const;

    constexpr bool operator==(const OleDate &) const = default;
    constexpr auto operator<=>(const OleDate &) const = default;

private:
    double m_value = 0.0;
};
