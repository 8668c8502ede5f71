#include "singles/SingleSorter.h"

#include "lottery/MarkTally.h"
#include "support/LargeTableAllocator.h"
#include "support/RuntimeError.h"
#include "support/Ui.h"

#include <numeric>

void SingleSorter::setVoteData(const VoteData &vote)
{
    m_money.setVoteData(vote);
    m_ranks.setVoteData(vote);
}

void SingleSorter::moneySort(std::span<qint32> singles, int SortType, bool Sorted)
{
    BusyPointer busy;
    std::vector<Money, LargeTableAllocator<Money>> keys(singles.size());
    if (SortType >= 0 && SortType <= 2)
        m_money.getMoneyList(SortType + 1, singles, keys);
    // The singles move with their estimates: nothing is lost, nothing is copied.
    m_sort.currencySort(keys, singles, Sorted);
}

void SingleSorter::markSort(std::span<qint32> singles, int SortType, bool Sorted)
{
    // The menus list the marks as "1", "0", "2".
    constexpr std::array<int, 3> markOfSortType{1, 0, 2};
    const int mark = SortType >= 0 && SortType <= 2 ? markOfSortType[SortType] : -1;
    sortByCount(QStringLiteral("MarkSort"), singles, Sorted, [&](const MatchMarks &marks) {
        return mark < 0 ? 0 : markTally(marks)[mark];
    });
}

void SingleSorter::popularitySort(std::span<qint32> singles, int SortType, bool Sorted)
{
    const bool known = SortType >= 0 && SortType <= 2;
    sortByCount(QStringLiteral("NinkiSort"), singles, Sorted, [&](const MatchMarks &marks) {
        return known ? m_ranks.countByRank(marks)[SortType] : 0;
    });
}

template<typename Key>
void SingleSorter::sortByCount(const QString &procedure, std::span<qint32> singles, bool ascending, Key key)
{
    BusyPointer busy;
    std::vector<qint32> keys(singles.size());
    MatchMarks marks{};
    bool badCode = false;
    for (size_t i = 0; i < singles.size(); ++i) {
        // A code that stands for no single gets the key 0, reported once below.
        if (singles[i] < 0 || singles[i] > SingleCode::MaxCode) {
            badCode = true;
            continue;
        }
        m_number.codeToInts(singles[i], marks);
        keys[i] = key(marks);
    }
    if (badCode)
        m_err.report(procedure, RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange));
    std::vector<qint32> index(singles.size());
    std::iota(index.begin(), index.end(), 0);
    m_sort.longIndexSort(keys, index, ascending);
    reorder(singles, index);
}

// Position k receives the single that stood at index[k]. The list is only
// replaced by a whole permutation of itself, so no single is lost.
void SingleSorter::reorder(std::span<qint32> singles, std::span<const qint32> index) const
{
    if (index.size() != singles.size())
        return;
    std::vector<bool> taken(singles.size());
    for (const qint32 from : index) {
        if (from < 0 || size_t(from) >= singles.size() || taken[from])
            return;
        taken[from] = true;
    }
    const std::vector<qint32, LargeTableAllocator<qint32>> before(singles.begin(), singles.end());
    for (size_t k = 0; k < index.size(); ++k)
        singles[k] = before[index[k]];
}
