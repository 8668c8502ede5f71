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
    QString home;
    QString away;
    OleDate gameDate;   // date part only
    OleDate startTime;  // time part only
    QString stadium;
    QString status;     // "VS" to be played, "中止" cancelled

    bool operator==(const ScheduleGame &) const = default;
};

struct ScheduleData
{
    // Values of State.
    static constexpr qint32 StateHeld = 0;
    static constexpr qint32 StateNotHeld = 1;   // 未開催: only the marker file carries it
    static constexpr qint32 StateCancelled = 2; // 中止

    qint32 roundNumber = 0;
    QString group;
    RoundGames<ScheduleGame> game{};
    OleDate saleStart;
    OleDate saleEnd;
    OleDate resultDate;
    OleDate refundStart;
    OleDate refundEnd;
    qint32 State = StateHeld;

    bool operator==(const ScheduleData &) const = default;
};

struct VoteShare
{
    Money count; // number of votes
    Money rate;  // share in percent (45.67 for 45.67 %)

    bool operator==(const VoteShare &) const = default;
};

struct VoteGame
{
    QString home;
    QString away;
    OleDate gameDate;
    OleDate startTime;
    std::array<VoteShare, RoundData::MarkCount> votes{}; // by mark: 0 other, 1 home win, 2 home loss

    bool operator==(const VoteGame &) const = default;
};

struct VoteData
{
    qint32 roundNumber = 0;
    QString group;
    OleDate voteTime; // moment of the status (end of sales for a final status)
    RoundGames<VoteGame> game{};
    // Totals and round dates: read from files that carry them, never written.
    Money salesTotal;
    Money salesMulti;
    Money salesSingle;
    Money unitsTotal;
    Money unitsMulti;
    Money unitsSingle;
    Money sheetsTotal;
    Money sheetsMulti;
    Money sheetsSingle;
    OleDate saleStart;
    OleDate saleEnd;
    OleDate resultDate;
    OleDate refundStart;
    OleDate refundEnd;

    bool operator==(const VoteData &) const = default;
};

struct ResultGame
{
    // Values of Outcome besides the marks 0, 1 and 2.
    static constexpr quint8 OutcomeCancelled = 3; // 中止

    OleDate gameDate;     // read from files that carry it; not written
    quint8 Outcome = 0;   // 1 home win, 0 other, 2 home loss, 3 cancelled
    QString stadium;      // read from files that carry it; not written
    QString home;
    QString away;
    quint8 homeScore = 0;
    quint8 awayScore = 0;

    bool operator==(const ResultGame &) const = default;
};

struct ResultData
{
    qint32 roundNumber = 0;
    QString group;
    RoundGames<ResultGame> game{};
    GradeAmounts prize{};     // prize per winning unit, yen
    GradeAmounts winners{};   // winning units
    GradeAmounts carryOver{}; // carried over to the next round, yen
    OleDate saleStart;
    OleDate saleEnd;
    OleDate resultDate;  // or the day the refund was decided, when cancelled
    OleDate refundStart;
    OleDate refundEnd;
    Money sales;
    Money units;
    Money sheets;
    bool Cancelled = false;

    bool operator==(const ResultData &) const = default;
};
