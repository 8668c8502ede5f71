#pragma once

#include "rounddata/RoundData.h"
#include "support/ErrorReporter.h"
#include "support/Money.h"

#include <QtGlobal>

#include <array>
#include <span>

// Estimates the prize of a single in grades 1, 2 and 3 if its own marks were
// the round's result. The toto vote shares stand for the share of all tickets
// carrying each mark, so the tickets that share a grade with the single are
// proportional to the chance of matching it in 14, 13 or 12 matches; each
// grade's slice of the pool per ticket divided by that chance is the estimate.
//
// Estimates are whole yen, at most Ceiling; 0 means no estimate (no vote data,
// or an outcome nobody voted for).
class PrizeEstimator
{
public:
    static constexpr int MatchCount = RoundData::MatchCount;
    static constexpr qint64 Ceiling = 99'999'999'999;

    PrizeEstimator();

    // Recomputes the pool slices and the vote shares from the record.
    void setVoteData(const VoteData &vote);

    // marks: the mark codes (0, 1, 2) of matches No. 1 to 14.
    Money getMoney1(std::span<const qint32> marks) const;
    Money getMoney2(std::span<const qint32> marks) const;
    Money getMoney3(std::span<const qint32> marks) const;

    // The estimate of one grade (1 to 3) for every single code of a list,
    // equal to getMoney1/2/3 of its marks; several singles are worked at
    // once. A code outside 0..4,782,968 is reported once and gets 0.
    void getMoneyList(int grade, std::span<const qint32> singles, std::span<Money> estimates) const;

private:
    using MarkTable = std::array<std::array<double, RoundData::MarkCount>, MatchCount>;

    // From this many singles on, a list is estimated through the whole space
    // walked as a tree, which costs about as much as a quarter of it singly.
    static constexpr size_t TreeListSize = 4782969 / 4;

    Money getMoney(int grade, std::span<const qint32> marks) const;
    // Both return true when a code of the list stands for no single.
    bool estimateByLanes(int grade, std::span<const qint32> singles, std::span<Money> estimates) const;
    bool estimateByTree(int grade, std::span<const qint32> singles, std::span<Money> estimates) const;
    Money toEstimate(int grade, double hitChance) const;
    void clearVoteData();

    std::array<double, 3> m_numerator{}; // pool slice per ticket × 10^28, grades 1 to 3
    MarkTable m_share{};                 // vote share in percent, by match and mark
    MarkTable m_miss{};                  // 100 − share
    ErrorReporter m_err{QStringLiteral("clsTMoney")};
};
