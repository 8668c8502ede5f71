#include "support/Convert.h"

#include "support/Money.h"
#include "support/RuntimeError.h"

#include <cmath>
#include <limits>

namespace Convert {

namespace {

Money parseNumber(const QString &text)
{
    QString cleaned = text.trimmed();
    cleaned.remove(u',');
    const auto value = Money::parse(cleaned);
    if (!value || cleaned.startsWith(u'.') || cleaned.endsWith(u'.'))
        throw RuntimeError::fromNumber(RuntimeError::TypeMismatch);
    return *value;
}

} // namespace

qint32 roundToLong(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<qint32>::min() && rounded <= std::numeric_limits<qint32>::max()))
        throw RuntimeError::fromNumber(RuntimeError::Overflow);
    return qint32(rounded);
}

qint32 toLong(const QString &text)
{
    const Money value = parseNumber(text);
    qint64 whole = value.raw() / Money::Scale;
    const qint64 fraction = value.raw() % Money::Scale;
    const qint64 half = Money::Scale / 2;
    if (fraction > half || (fraction == half && whole % 2 != 0))
        ++whole;
    else if (fraction < -half || (fraction == -half && whole % 2 != 0))
        --whole;
    if (whole < std::numeric_limits<qint32>::min() || whole > std::numeric_limits<qint32>::max())
        throw RuntimeError::fromNumber(RuntimeError::Overflow);
    return qint32(whole);
}

bool toBoolean(const QString &text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return !parseNumber(text).isZero();
}

quint8 toByte(const QString &text)
{
    const qint32 value = toLong(text);
    if (value < 0 || value > 255)
        throw RuntimeError::fromNumber(RuntimeError::Overflow);
    return quint8(value);
}

} // namespace Convert
