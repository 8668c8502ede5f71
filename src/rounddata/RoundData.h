#pragma once

#include "support/Money.h"
#include "support/OleDate.h"

#include <QString>
#include <QtGlobal>
#include <array>

// The three records of one lottery round: its schedule, its toto vote status
// and its result. They are plain values, copied whole between the parts of
// the program; a default-constructed record is empty (numbers zero, texts
// empty, dates not set).
//
// Indexing: the 14 designated matches are numbered 1 to 14 and prize grades
// 1 to 6, exactly as the lottery numbers them, so the arrays carry one unused
// slot at index 0 (Game[1] is match No. 1, Prize[1] is 1等). Vote shares are
// indexed by the mark of the outcome: 0 other, 1 home win, 2 home loss.

namespace RoundData {
inline constexpr int MatchCount = 14;
inline constexpr int GradeCount = 6;
inline constexpr int MarkCount = 3;
} // namespace RoundData

// Match array indexed 1..14; index 0 is never used.
template <typename GameT>
using RoundGames = std::array<GameT, RoundData::MatchCount + 1>;

// Per-grade money array indexed 1..6; index 0 is never used.
using GradeAmounts = std::array<Money, RoundData::GradeCount + 1>;

struct ScheduleGame
{
    QString Home;
    QString Away;
    OleDate GameDate;   // date part only
    OleDate StartTime;  // time part only
    QString Stadium;
    QString Status;     // "VS" to be played, "中止" cancelled

    bool operator==(const ScheduleGame &) const = default;
};

struct ScheduleData
{
    // Values of State.
    static constexpr qint32 StateHeld = 0;
    static constexpr qint32 StateNotHeld = 1;   // 未開催: only the marker file carries it
    static constexpr qint32 StateCancelled = 2; // 中止

    qint32 Kaisaikai = 0;
    QString Kumi;
    RoundGames<ScheduleGame> Game{};
    OleDate SaleStart;
    OleDate SaleEnd;
    OleDate ResultDate;
    OleDate RefundStart;
    OleDate RefundEnd;
    qint32 State = StateHeld;

    bool operator==(const ScheduleData &) const = default;
};

struct VoteShare
{
    Money Count; // number of votes
    Money Rate;  // share in percent (45.67 for 45.67 %)

    bool operator==(const VoteShare &) const = default;
};

struct VoteGame
{
    QString Home;
    QString Away;
    OleDate GameDate;
    OleDate StartTime;
    std::array<VoteShare, RoundData::MarkCount> Votes{}; // by mark: 0 other, 1 home win, 2 home loss

    bool operator==(const VoteGame &) const = default;
};

struct VoteData
{
    qint32 Kaisaikai = 0;
    QString Kumi;
    OleDate VoteTime; // moment of the status (end of sales for a final status)
    RoundGames<VoteGame> Game{};
    // Totals and round dates: read from files that carry them, never written.
    Money SalesTotal;
    Money SalesMulti;
    Money SalesSingle;
    Money UnitsTotal;
    Money UnitsMulti;
    Money UnitsSingle;
    Money SheetsTotal;
    Money SheetsMulti;
    Money SheetsSingle;
    OleDate SaleStart;
    OleDate SaleEnd;
    OleDate ResultDate;
    OleDate RefundStart;
    OleDate RefundEnd;

    bool operator==(const VoteData &) const = default;
};

struct ResultGame
{
    // Values of Outcome besides the marks 0, 1 and 2.
    static constexpr quint8 OutcomeCancelled = 3; // 中止

    OleDate GameDate;     // read from files that carry it; not written
    quint8 Outcome = 0;   // 1 home win, 0 other, 2 home loss, 3 cancelled
    QString Stadium;      // read from files that carry it; not written
    QString Home;
    QString Away;
    quint8 HomeScore = 0;
    quint8 AwayScore = 0;

    bool operator==(const ResultGame &) const = default;
};

struct ResultData
{
    qint32 Kaisaikai = 0;
    QString Kumi;
    RoundGames<ResultGame> Game{};
    GradeAmounts Prize{};     // prize per winning unit, yen
    GradeAmounts Winners{};   // winning units
    GradeAmounts CarryOver{}; // carried over to the next round, yen
    OleDate SaleStart;
    OleDate SaleEnd;
    OleDate ResultDate;  // or the day the refund was decided, when cancelled
    OleDate RefundStart;
    OleDate RefundEnd;
    Money Sales;
    Money Units;
    Money Sheets;
    bool Cancelled = false;

    bool operator==(const ResultData &) const = default;
};
