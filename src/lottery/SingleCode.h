#pragma once

#include "support/ErrorReporter.h"

#include <QtGlobal>
#include <array>
#include <cstring>
#include <span>
#include <utility>

// Converts between a single code and its composition (marks): the 14 mark
// codes of matches No. 1 to 14 at index 0 to 13. The code is the composition
// read as a base-3 number with match No. 1 as the least significant digit,
// 0 to 4,782,968.
//
// The conversions run inside loops over every single of a list, so they never
// allocate: the caller owns the 14-entry array and valid input takes an inline
// path of table look-ups and constant multiplications. Anything else (an array shorter than 14
// entries, a code outside 0..4,782,968, a composition whose code overflows)
// takes the checked path, which fills the output up to the point of failure
// and reports the failure as an error box.
class SingleCode
{
public:
    static constexpr int MatchCount = 14;
    static constexpr qint32 CodeCount = 4782969; // 3^14
    static constexpr qint32 MaxCode = CodeCount - 1;

    // Entry i is 3^i, i = 0 .. 14.
    static constexpr std::array<qint32, MatchCount + 1> Power = [] {
        std::array<qint32, MatchCount + 1> power{};
        qint32 value = 1;
        for (auto &entry : power) {
            entry = value;
            value *= 3;
        }
        return power;
    }();

    // True for the code of a single: 0 … 4,782,968.
    static constexpr bool isValidCode(qint32 code) { return code >= 0 && code <= MaxCode; }

    void codeToBytes(qint32 code, std::span<quint8> marks) const { toBytes(code, marks); }
    void codeToInts(qint32 code, std::span<qint32> marks) const { toInts(code, marks); }
    void bytesToCode(std::span<const quint8> marks, qint32 &code) const { fromBytes(marks, code); }
    void intsToCode(std::span<const qint32> marks, qint32 &code) const { fromInts(marks, code); }

private:
    void toBytes(qint32 code, std::span<quint8> marks) const
    {
        if (isValidCode(code) && marks.size() >= MatchCount)
            decode(code, marks.data());
        else
            decodeChecked(code, marks);
    }

    void toInts(qint32 code, std::span<qint32> marks) const
    {
        if (isValidCode(code) && marks.size() >= MatchCount)
            decode(code, marks.data());
        else
            decodeChecked(code, marks);
    }

    // Bytes cannot overflow the code: 14 entries of 255 stay far inside 32 bits.
    void fromBytes(std::span<const quint8> marks, qint32 &code) const
    {
        if (marks.size() >= MatchCount)
            code = qint32(encode(marks.data()));
        else
            encodeChecked(marks, code);
    }

    void fromInts(std::span<const qint32> marks, qint32 &code) const
    {
        if (marks.size() >= MatchCount) {
            const qint64 wide = encode(marks.data());
            if (wide >= 0 && wide <= MaxCode) {
                code = qint32(wide);
                return;
            }
        }
        encodeChecked(marks, code);
    }

    // A valid code splits into two codes of seven matches each, whose marks
    // come from a table; the two halves of an encoding sum independently.
    static constexpr int HalfMatches = 7;
    static constexpr quint32 HalfCount = 2187; // 3^7

    template<typename Mark>
    static constexpr auto HalfTable = [] {
        std::array<std::array<Mark, 8>, HalfCount> table{};
        for (quint32 code = 0; code < HalfCount; ++code) {
            quint32 rest = code;
            for (int i = 0; i < HalfMatches; ++i, rest /= 3)
                table[code][std::size_t(i)] = Mark(rest % 3);
        }
        return table;
    }();

    template<typename Mark>
    static void decode(qint32 code, Mark *out)
    {
        const quint32 high = quint32(code) / HalfCount;
        const quint32 low = quint32(code) - high * HalfCount;
        std::memcpy(out, HalfTable<Mark>[low].data(), HalfMatches * sizeof(Mark));
        std::memcpy(out + HalfMatches, HalfTable<Mark>[high].data(), HalfMatches * sizeof(Mark));
    }

    template<typename Mark>
    static qint64 encode(const Mark *in)
    {
        const auto half = [](const Mark *marks) {
            return [&]<std::size_t... i>(std::index_sequence<i...>) {
                return ((qint64(marks[i]) * Power[i]) + ...);
            }(std::make_index_sequence<HalfMatches>());
        };
        return half(in) + qint64(HalfCount) * half(in + HalfMatches);
    }

    void decodeChecked(qint32 code, std::span<quint8> marks) const;
    void decodeChecked(qint32 code, std::span<qint32> marks) const;
    void encodeChecked(std::span<const quint8> marks, qint32 &code) const;
    void encodeChecked(std::span<const qint32> marks, qint32 &code) const;

    ErrorReporter m_err{QStringLiteral("clsTNumber")};
};
