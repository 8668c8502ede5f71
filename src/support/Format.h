#pragma once

#include <QString>
#include <QtGlobal>

class OleDate;

// The number and date formats the program writes, each written once.
namespace Format {

// "000"-style: at least width digits, zero-padded; a minus sign goes first.
QString zeroPadded(qint64 value, int width);
// "#,##0": digits grouped by three with ",".
QString grouped(qint64 value);
// "0.00"-style: a fixed number of decimals.
QString fixed(double value, int decimals);
// "yyyy/mm/dd".
QString date(const OleDate &value);
// "mm/dd".
QString monthDay(const OleDate &value);
// "yyyy/mm/dd hh:nn": 24-hour clock, to the minute.
QString dateHourMinute(const OleDate &value);
// "H:mm:ss", the hour without a leading zero.
QString time(const OleDate &value);
// The general date form: "0:00:00" when not set, the time alone when there is
// no date part, the date alone when there is no time, otherwise both.
QString generalDate(const OleDate &value);

} // namespace Format
