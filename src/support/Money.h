#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

// Fixed-point money: a 64-bit integer scaled by 10000 (four decimal places),
// for prizes, vote counts and rates, sales figures and estimates. Arithmetic is
// exact; a conversion from double rounds half to even.
class Money
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;

    static constexpr Money fromRaw(qint64 raw) { return Money(raw); }
    static constexpr Money fromWhole(qint64 units) { return Money(units * Scale); }
    // Rounds half to even at the fourth decimal; a value outside the range of
    // the type throws RuntimeError (overflow).
    static Money fromDouble(double value);
    // Decimal text: optional sign, digits, optional "." and fraction digits
    // (more than four are rounded half to even). Nothing else is accepted.
    static std::optional<Money> parse(QStringView text);

    constexpr qint64 raw() const { return m_raw; }
    double toDouble() const { return double(m_raw) / Scale; }
    // The whole units with the fraction cut off (towards zero).
    constexpr qint64 wholeUnits() const { return m_raw / Scale; }
    // The whole units rounded half away from zero, as "#,##0" shows them.
    constexpr qint64 roundedWholeUnits() const
    {
        return m_raw >= 0 ? (m_raw + Scale / 2) / Scale : -((-m_raw + Scale / 2) / Scale);
    }
    constexpr bool isZero() const { return m_raw == 0; }

    // Decimal digits, then "." and up to four fraction digits only when the
    // fraction is not zero; no grouping ("1234567", "12.5").
    QString toString() const;

    constexpr Money operator+(Money other) const { return Money(m_raw + other.m_raw); }
    constexpr Money operator-(Money other) const { return Money(m_raw - other.m_raw); }
    constexpr Money &operator+=(Money other) { m_raw += other.m_raw; return *this; }
    constexpr Money &operator-=(Money other) { m_raw -= other.m_raw; return *this; }
    // The exact product rounded half to even at the fourth decimal, as the
    // currency type multiplies; a result outside the range throws RuntimeError (overflow).
    Money operator*(Money other) const;
    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(qint64 raw) : m_raw(raw) {}

    qint64 m_raw = 0;
};
