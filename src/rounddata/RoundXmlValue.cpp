#include "rounddata/RoundXmlValue.h"

#include "support/Convert.h"
#include "support/DateText.h"
#include "support/Format.h"
#include "support/RuntimeError.h"

namespace RoundXmlValue {

QString text(qint64 value)
{
    return QString::number(value);
}

QString text(Money value)
{
    return value.toString();
}

QString text(OleDate value)
{
    return Format::generalDate(value);
}

qint32 toLong(QStringView value)
{
    return Convert::toLong(value.toString());
}

quint8 toByte(QStringView value)
{
    return Convert::toByte(value.toString());
}

Money toMoney(QStringView value)
{
    const std::optional<Money> money = Money::parse(value);
    if (!money)
        throw RuntimeError::fromNumber(RuntimeError::TypeMismatch);
    return *money;
}

OleDate toDate(QStringView value)
{
    const std::optional<OleDate> date = DateText::parse(value);
    if (!date)
        throw RuntimeError::fromNumber(RuntimeError::TypeMismatch);
    return *date;
}

} // namespace RoundXmlValue
