#include "support/Format.h"

#include "support/OleDate.h"

namespace Format {

QString zeroPadded(qint64 value, int width)
{
    const QString digits = QString::number(value < 0 ? -value : value).rightJustified(width, u'0');
    return value < 0 ? u'-' + digits : digits;
}

QString grouped(qint64 value)
{
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return value < 0 ? u'-' + digits : digits;
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString date(const OleDate &value)
{
    const QDate d = value.date();
    return zeroPadded(d.year(), 4) + u'/' + zeroPadded(d.month(), 2) + u'/' + zeroPadded(d.day(), 2);
}

QString monthDay(const OleDate &value)
{
    const QDate d = value.date();
    return zeroPadded(d.month(), 2) + u'/' + zeroPadded(d.day(), 2);
}

QString dateHourMinute(const OleDate &value)
{
    const QTime t = value.time();
    return date(value) + u' ' + zeroPadded(t.hour(), 2) + u':' + zeroPadded(t.minute(), 2);
}

QString time(const OleDate &value)
{
    const QTime t = value.time();
    return QString::number(t.hour()) + u':' + zeroPadded(t.minute(), 2) + u':' + zeroPadded(t.second(), 2);
}

QString generalDate(const OleDate &value)
{
    if (value.isTimeOnly())
        return time(value);
    if (!value.hasTime())
        return date(value);
    return date(value) + u' ' + time(value);
}

} // namespace Format
