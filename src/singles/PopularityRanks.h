#pragma once

#include "rounddata/RoundData.h"
#include "support/QuickSort.h"

#include <QtGlobal>

#include <array>

// The popularity rank of every outcome of the round's 14 matches: 0 for the
// most voted outcome of a match (1番人気), 1 for the second, 2 for the third.
// Ties between vote counts are ranked as the pivot-first sort leaves them:
// three equal counts rank mark "2" first, then "0", then "1".
//
// Shared by the estimate table beside the single sheet and by the single
// sorter, so that both rank alike.
class PopularityRanks
{
public:
    static constexpr int MatchCount = RoundData::MatchCount;
    using MatchMarks = std::array<qint32, MatchCount>;

    // Ranks the vote counts of every match. A record with round number 0
    // carries no vote data: no ranks, every rank 0.
    void setVoteData(const VoteData &vote);

    // True after vote data of a round (round number not 0).
    bool isPresent() const { return m_present; }
    // match 0 … 13 (match No. 1 … 14), mark 0 … 2.
    quint8 rank(int match, int mark) const { return m_rank[match][mark]; }
    // How many marks of the single fall on outcomes of rank 0, 1 and 2; a
    // mark outside 0 … 2 is not counted.
    std::array<int, 3> countByRank(const MatchMarks &marks) const;

private:
    std::array<std::array<quint8, RoundData::MarkCount>, MatchCount> m_rank{};
    bool m_present = false;
    QuickSort m_sort;
};
