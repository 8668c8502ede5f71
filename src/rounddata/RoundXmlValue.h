#pragma once

#include "support/Money.h"
#include "support/OleDate.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

// The value forms of the round files, written and read back. The readers
// throw RuntimeError (type mismatch, overflow) on a value they cannot take,
// so that the load fails through the error path.
namespace RoundXmlValue {

// Decimal digits, minus sign when negative, no grouping.
QString text(qint64 value);
// Digits, then "." and up to four fraction digits only when there is a fraction.
QString text(Money value);
// "yyyy/mm/dd", "H:mm:ss", both, or "0:00:00" for a date that is not set.
QString text(OleDate value);

qint32 toLong(QStringView value);
quint8 toByte(QStringView value);
Money toMoney(QStringView value);
// The written date forms, with or without seconds.
OleDate toDate(QStringView value);

} // namespace RoundXmlValue
