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
bool decodeDigitByDigit(qint32 code, std::span<Mark> marks)
{
    qint32 rest = code;
    for (int i = SingleCode::MatchCount - 1; i >= 0; --i) {
        checkIndex(std::size_t(i), marks.size());
        marks[std::size_t(i)] = toMark<Mark>(rest / SingleCode::Power[i]);
        rest %= SingleCode::Power[i];
    }
    return true;
}

template<typename Mark>
bool encodeDigitByDigit(std::span<const Mark> marks, qint32 &code)
{
    code = 0;
    for (int i = 0; i < SingleCode::MatchCount; ++i) {
        checkIndex(std::size_t(i), marks.size());
        const qint64 sum = code + qint64(marks[std::size_t(i)]) * SingleCode::Power[i];
        if (sum < std::numeric_limits<qint32>::min() || sum > std::numeric_limits<qint32>::max())
            throw RuntimeError::fromNumber(RuntimeError::Overflow);
        code = qint32(sum);
    }
    return true;
}

} // namespace

void SingleCode::decodeChecked(qint32 code, std::span<quint8> marks) const
{
    m_err.guard(QStringLiteral("NoToArray"), false, [&] { return decodeDigitByDigit(code, marks); });
}

void SingleCode::decodeChecked(qint32 code, std::span<qint32> marks) const
{
    m_err.guard(QStringLiteral("NoToArray_Long"), false, [&] { return decodeDigitByDigit(code, marks); });
}

void SingleCode::encodeChecked(std::span<const quint8> marks, qint32 &code) const
{
    m_err.guard(QStringLiteral("ArrayToNo"), false, [&] { return encodeDigitByDigit(marks, code); });
}

void SingleCode::encodeChecked(std::span<const qint32> marks, qint32 &code) const
{
    m_err.guard(QStringLiteral("ArrayToNo_Long"), false, [&] { return encodeDigitByDigit(marks, code); });
}
