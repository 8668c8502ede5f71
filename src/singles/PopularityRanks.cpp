#include "singles/PopularityRanks.h"

#include <vector>

void PopularityRanks::setVoteData(const VoteData &vote)
{
    m_rank = {};
    m_present = vote.roundNumber != 0;
    if (!m_present)
        return;
    std::vector<qint32> index;
    for (int match = 0; match < MatchCount; ++match) {
        const auto &votes = vote.game[match + 1].votes;
        std::array<Money, RoundData::MarkCount> counts{};
        for (size_t mark = 0; mark < counts.size(); ++mark)
            counts[mark] = votes[mark].count;
        m_sort.currencyIndexSort(counts, index, true);
        // Ascending: the least voted outcome comes first and ranks last.
        for (size_t position = 0; position < index.size(); ++position)
            m_rank[match][index[position]] = quint8(RoundData::MarkCount - 1 - position);
    }
}

std::array<int, 3> PopularityRanks::countByRank(const MatchMarks &marks) const
{
    std::array<int, 3> counts{};
    for (int match = 0; match < MatchCount; ++match) {
        const qint32 mark = marks[match];
        if (mark >= 0 && mark < RoundData::MarkCount)
            ++counts[m_rank[match][mark]];
    }
    return counts;
}
