#include "support/Money.h"

#include "support/RuntimeError.h"

#include <cmath>
#include <limits>

Money Money::fromDouble(double value)
{
    // nearbyint rounds half to even in the default rounding mode.
    const double scaled = std::nearbyint(value * Scale);
    constexpr double limit = 9223372036854775807.0; // 2^63
    if (!std::isfinite(scaled) || scaled >= limit || scaled < -limit)
        throw RuntimeError::fromNumber(RuntimeError::Overflow);
    return Money(static_cast<qint64>(scaled));
}

Money Money::operator*(Money other) const
{
    const __int128 product = __int128(m_raw) * other.m_raw;
    __int128 quotient = product / Scale;
    const __int128 remainder = product % Scale;
    const __int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
    if (twice > Scale || (twice == Scale && quotient % 2 != 0))
        quotient += product < 0 ? -1 : 1;
    if (quotient > std::numeric_limits<qint64>::max() || quotient < std::numeric_limits<qint64>::min())
        throw RuntimeError::fromNumber(RuntimeError::Overflow);
    return Money(static_cast<qint64>(quotient));
}

std::optional<Money> Money::parse(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';

    constexpr qint64 maxRaw = std::numeric_limits<qint64>::max();
    qint64 whole = 0;
    int digits = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i, ++digits) {
        if (whole > (maxRaw / Scale - 9) / 10)
            return std::nullopt;
        whole = whole * 10 + (text[i].unicode() - u'0');
    }
    qint64 fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        int dropped = -1;   // first dropped digit
        bool droppedTail = false;
        for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i, ++fractionDigits) {
            const int digit = text[i].unicode() - u'0';
            if (fractionDigits < 4)
                fraction = fraction * 10 + digit;
            else if (dropped < 0)
                dropped = digit;
            else if (digit != 0)
                droppedTail = true;
        }
        for (int k = fractionDigits; k < 4; ++k)
            fraction *= 10;
        roundUp = dropped > 5 || (dropped == 5 && (droppedTail || fraction % 2 == 1));
    }
    if (i != text.size() || digits + fractionDigits == 0)
        return std::nullopt;

    const qint64 raw = whole * Scale + fraction + (roundUp ? 1 : 0);
    return Money(negative ? -raw : raw);
}

QString Money::toString() const
{
    const bool negative = m_raw < 0;
    // Work in unsigned so that the most negative value has a magnitude too.
    const quint64 magnitude = negative ? 0 - quint64(m_raw) : quint64(m_raw);
    QString text = QString::number(magnitude / Scale);
    if (const quint64 fraction = magnitude % Scale) {
        QString digits = QString::number(fraction).rightJustified(4, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return negative ? u'-' + text : text;
}
