#include "singles/SingleSorter.h"

#include "lottery/MarkTally.h"
#include "support/LargeTableAllocator.h"
#include "support/RuntimeError.h"
#include "support/Ui.h"

#include <numeric>

void clsTSingleSort::SetVoteData(const VoteData &vote)
{
    m_money.SetVoteData(vote);
    m_ranks.SetVoteData(vote);
}

void clsTSingleSort::MoneySort(std::span<qint32> lngSingle, int SortType, bool Sorted)
{
    BusyPointer busy;
    std::vector<Money, LargeTableAllocator<Money>> keys(lngSingle.size());
    if (SortType >= 0 && SortType <= 2)
        m_money.GetMoneyList(SortType + 1, lngSingle, keys);
    // The singles move with their estimates: nothing is lost, nothing is copied.
    m_sort.CurrencySort(keys, lngSingle, Sorted);
}

void clsTSingleSort::MarkSort(std::span<qint32> lngSingle, int SortType, bool Sorted)
{
    // The menus list the marks as "1", "0", "2".
    constexpr std::array<int, 3> markOfSortType{1, 0, 2};
    const int mark = SortType >= 0 && SortType <= 2 ? markOfSortType[SortType] : -1;
    sortByCount(QStringLiteral("MarkSort"), lngSingle, Sorted, [&](const Kousei &kousei) {
        return mark < 0 ? 0 : markTally(kousei)[mark];
    });
}

void clsTSingleSort::NinkiSort(std::span<qint32> lngSingle, int SortType, bool Sorted)
{
    const bool known = SortType >= 0 && SortType <= 2;
    sortByCount(QStringLiteral("NinkiSort"), lngSingle, Sorted, [&](const Kousei &kousei) {
        return known ? m_ranks.countByRank(kousei)[SortType] : 0;
    });
}

template<typename Key>
void clsTSingleSort::sortByCount(const QString &procedure, std::span<qint32> singles, bool ascending, Key key)
{
    BusyPointer busy;
    std::vector<qint32> keys(singles.size());
    Kousei kousei{};
    bool badCode = false;
    for (size_t i = 0; i < singles.size(); ++i) {
        // A code that stands for no single gets the key 0, reported once below.
        if (singles[i] < 0 || singles[i] > clsTNumber::MaxCode) {
            badCode = true;
            continue;
        }
        m_number.NoToLong(singles[i], kousei);
        keys[i] = key(kousei);
    }
    if (badCode)
        m_err.report(procedure, RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange));
    std::vector<qint32> index(singles.size());
    std::iota(index.begin(), index.end(), 0);
    m_sort.LongIndexSort(keys, index, ascending);
    reorder(singles, index);
}

// Position k receives the single that stood at index[k]. The list is only
// replaced by a whole permutation of itself, so no single is lost.
void clsTSingleSort::reorder(std::span<qint32> singles, std::span<const qint32> index) const
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
