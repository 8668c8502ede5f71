#include "lottery/SingleCode.h"

#include "support/RuntimeError.h"

#include <limits>

// The checked paths take one digit at a time, so that a failure leaves the
// output filled exactly up to the failing entry.

namespace {

template<typename Mark>
Mark toMark(qint32 digit)
{
    if constexpr (std::is_same_v<Mark, quint8>) {
        if (digit < 0 || digit > 255)
            throw RuntimeError::fromNumber(RuntimeError::Overflow);
    }
    return Mark(digit);
}

void checkIndex(std::size_t index, std::size_t size)
{
    if (index >= size)
        throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
}

template<typename Mark>
bool decodeDigitByDigit(qint32 code, std::span<Mark> kousei)
{
    qint32 rest = code;
    for (int i = clsTNumber::MatchCount - 1; i >= 0; --i) {
        checkIndex(std::size_t(i), kousei.size());
        kousei[std::size_t(i)] = toMark<Mark>(rest / clsTNumber::Power[i]);
        rest %= clsTNumber::Power[i];
    }
    return true;
}

template<typename Mark>
bool encodeDigitByDigit(std::span<const Mark> kousei, qint32 &code)
{
    code = 0;
    for (int i = 0; i < clsTNumber::MatchCount; ++i) {
        checkIndex(std::size_t(i), kousei.size());
        const qint64 sum = code + qint64(kousei[std::size_t(i)]) * clsTNumber::Power[i];
        if (sum < std::numeric_limits<qint32>::min() || sum > std::numeric_limits<qint32>::max())
            throw RuntimeError::fromNumber(RuntimeError::Overflow);
        code = qint32(sum);
    }
    return true;
}

} // namespace

void clsTNumber::decodeChecked(qint32 lngNo, std::span<quint8> bytKousei) const
{
    m_err.guard(QStringLiteral("NoToArray"), false, [&] { return decodeDigitByDigit(lngNo, bytKousei); });
}

void clsTNumber::decodeChecked(qint32 lngNo, std::span<qint32> lngKousei) const
{
    m_err.guard(QStringLiteral("NoToArray_Long"), false, [&] { return decodeDigitByDigit(lngNo, lngKousei); });
}

void clsTNumber::encodeChecked(std::span<const quint8> bytKousei, qint32 &lngNo) const
{
    m_err.guard(QStringLiteral("ArrayToNo"), false, [&] { return encodeDigitByDigit(bytKousei, lngNo); });
}

void clsTNumber::encodeChecked(std::span<const qint32> lngKousei, qint32 &lngNo) const
{
    m_err.guard(QStringLiteral("ArrayToNo_Long"), false, [&] { return encodeDigitByDigit(lngKousei, lngNo); });
}
