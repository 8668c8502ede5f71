#pragma once

#include "evaluation/PrizeEstimator.h"
#include "singles/PopularityRanks.h"
#include "support/QuickSort.h"
#include "lottery/SingleCode.h"
#include "support/ErrorReporter.h"

#include <QtGlobal>

#include <span>
#include <vector>

// Reorders a whole list of singles by a key computed once per single: one of
// its prize estimates, the number of its marks of one kind, or the number of
// its marks on the most, second or third most voted outcome. Sorted = true
// sorts ascending. Equal keys end up where the index sorts leave them.
class SingleSorter
{
public:
    // Hands the record to the estimator and ranks the outcomes by votes.
    void setVoteData(const VoteData &vote);

    // SortType 0, 1, 2: estimate of grade 1, 2, 3 (any other: every key 0).
    void moneySort(std::span<qint32> singles, int SortType, bool Sorted);
    // SortType 0, 1, 2: number of marks "1", "0", "2".
    void markSort(std::span<qint32> singles, int SortType, bool Sorted);
    // SortType 0, 1, 2: number of marks on the outcome of rank 0, 1, 2.
    void popularitySort(std::span<qint32> singles, int SortType, bool Sorted);

private:
    using MatchMarks = PopularityRanks::MatchMarks;

    // A 32-bit key per single from its marks, then the exchange sort.
    template<typename Key>
    void sortByCount(const QString &procedure, std::span<qint32> singles, bool ascending, Key key);
    void reorder(std::span<qint32> singles, std::span<const qint32> index) const;

    SingleCode m_number;
    PrizeEstimator m_money;
    QuickSort m_sort;
    PopularityRanks m_ranks;
    ErrorReporter m_err{QStringLiteral("clsTSingleSort")};
};
