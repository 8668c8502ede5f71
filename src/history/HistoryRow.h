#pragma once

#include "rounddata/RoundData.h"
#include "support/Money.h"

#include <QString>
#include <QtGlobal>

#include <array>

// One line of the 収支履歴: a singles file graded against its round.
struct HistoryRow
{
    enum class State {
        Graded,       // the round's result graded the singles
        Refunded,     // the whole round was cancelled: the purchase comes back
        NoResult,     // no readable result file: not in the totals
        Unreadable,   // the file could not be read: Reason says why
    };

    qint32 roundNumber = 0;
    QString group;
    QString fileName;
    QString path;
    State state = State::NoResult;
    qint64 singles = 0;
    Money purchase;
    // The grades the round has (4, 5 or 6) and the winning singles of grade
    // g at index g - 1.
    int grades = 4;
    std::array<qint64, RoundData::GradeCount> winners{};
    Money prize;
    Money balance;
    Money running;
    QString reason;

    bool inTotals() const { return state == State::Graded || state == State::Refunded; }
};

// The total line: the rows in the totals summed.
struct HistoryTotals
{
    qint64 singles = 0;
    Money purchase;
    std::array<qint64, RoundData::GradeCount> winners{};
    Money prize;
    Money balance;
};
