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

    qint32 Kaisaikai = 0;
    QString Kumi;
    QString FileName;
    QString Path;
    State state = State::NoResult;
    qint64 Singles = 0;
    Money Purchase;
    // The grades the round has (4, 5 or 6) and the winning singles of grade
    // g at index g - 1.
    int Grades = 4;
    std::array<qint64, RoundData::GradeCount> Winners{};
    Money Prize;
    Money Balance;
    Money Running;
    QString Reason;

    bool inTotals() const { return state == State::Graded || state == State::Refunded; }
};

// The total line: the rows in the totals summed.
struct HistoryTotals
{
    qint64 Singles = 0;
    Money Purchase;
    std::array<qint64, RoundData::GradeCount> Winners{};
    Money Prize;
    Money Balance;
};
