#include "support/clsQuickSort.h"

#include "support/RuntimeError.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <numeric>
#include <utility>

namespace {

// One range of positions still to sort. first is a key that no key of the
// range comes before (a bound; it need not occur in the range).
template<typename Key>
struct Range
{
    qsizetype lo;
    qsizetype hi;
    Key first;
};

// Keys and their index entries, moved together.
template<typename Key>
struct Entries
{
    std::span<Key> keys;
    std::span<qint32> index;

    void exchange(qsizetype a, qsizetype b)
    {
        std::swap(keys[a], keys[b]);
        std::swap(index[a], index[b]);
    }
    void copy(qsizetype from, qsizetype to)
    {
        keys[to] = keys[from];
        index[to] = index[from];
    }
};

// The partition steps may spend this many key comparisons. Both sorts need
// about 1.4·n·log2(n) on shuffled keys and fewer on ordered ones; four times
// n·log2(n) leaves room for unlucky lists and still stops a runaway one
// within a second on the largest list.
class WorkAllowance
{
public:
    explicit WorkAllowance(qsizetype n)
        : m_left(4 * qint64(n) * std::max<qint64>(1, std::bit_width(quint64(n))) + 64)
    {
    }
    void spend(qsizetype steps) { m_left -= steps; }
    bool exhausted() const { return m_left < 0; }

private:
    qint64 m_left;
};

qsizetype middle(qsizetype lo, qsizetype hi)
{
    return lo + (hi - lo) / 2; // (lo + hi) ÷ 2 for positions, without overflow
}

// Sorts a range by key, equal keys keeping their order: the way out for the
// ranges left when the work allowance is used up.
template<typename Key, typename Before>
void stableSort(Entries<Key> &entries, qsizetype lo, qsizetype hi, Before before)
{
    std::vector<qsizetype> order(hi - lo + 1);
    std::iota(order.begin(), order.end(), lo);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return before(entries.keys[a], entries.keys[b]); });
    std::vector<Key> keys;
    std::vector<qint32> index;
    keys.reserve(order.size());
    index.reserve(order.size());
    for (qsizetype from : order) {
        keys.push_back(entries.keys[from]);
        index.push_back(entries.index[from]);
    }
    std::copy(keys.begin(), keys.end(), entries.keys.begin() + lo);
    std::copy(index.begin(), index.end(), entries.index.begin() + lo);
}

// Runs the partition steps over the whole array. The two parts of a
// partition are disjoint, so the order in which they are sorted does not
// change the result: the smaller goes first and the larger waits.
template<typename Key, typename Before, typename Partition>
void sortRanges(Entries<Key> &entries, Range<Key> whole, Before before, Partition partition)
{
    WorkAllowance allowance(entries.keys.size());
    std::vector<Range<Key>> waiting;
    Range<Key> range = whole;
    for (;;) {
        while (range.lo < range.hi) {
            if (allowance.exhausted()) {
                stableSort(entries, range.lo, range.hi, before);
                range.hi = range.lo;
                continue;
            }
            auto [left, right] = partition(entries, range, before, allowance);
            if (left.hi - left.lo > right.hi - right.lo)
                std::swap(left, right);
            waiting.push_back(right);
            range = left;
        }
        if (waiting.empty())
            return;
        range = waiting.back();
        waiting.pop_back();
    }
}

// Exchange sort: pivot value from the middle; scan from both ends and
// exchange the pair that stands on the wrong sides.
template<typename Key, typename Before>
std::pair<Range<Key>, Range<Key>> exchangePartition(Entries<Key> &entries, const Range<Key> &range,
                                                    Before before, WorkAllowance &allowance)
{
    const Key pivot = entries.keys[middle(range.lo, range.hi)];
    qsizetype i = range.lo;
    qsizetype j = range.hi;
    for (;;) {
        while (before(entries.keys[i], pivot))
            ++i;
        while (before(pivot, entries.keys[j]))
            --j;
        if (i >= j)
            break;
        entries.exchange(i, j);
        ++i;
        --j;
    }
    allowance.spend(range.hi - range.lo + 1);
    return {Range<Key>{range.lo, i - 1, range.first}, Range<Key>{j + 1, range.hi, range.first}};
}

// Pivot-first sort: the middle entry is the pivot, the first entry takes its
// place, the keys that come before the pivot are gathered behind the first
// position, and the pivot goes between the two parts.
template<typename Key, typename Before>
std::pair<Range<Key>, Range<Key>> pivotFirstPartition(Entries<Key> &entries, const Range<Key> &range,
                                                      Before before, WorkAllowance &allowance)
{
    const qsizetype lo = range.lo;
    const qsizetype hi = range.hi;
    const qsizetype m = middle(lo, hi);
    const Key pivot = entries.keys[m];
    const qint32 pivotIndex = entries.index[m];
    entries.copy(lo, m);

    if (!before(range.first, pivot)) {
        // No key of the range comes before the pivot: the scan would leave
        // everything in place, so the first and the middle entry trade places.
        entries.keys[lo] = pivot;
        entries.index[lo] = pivotIndex;
        allowance.spend(1);
        return {Range<Key>{lo, lo - 1, range.first}, Range<Key>{lo + 1, hi, range.first}};
    }

    qsizetype i = lo;
    Key firstBefore = pivot;
    Key firstAfter = pivot;
    bool anyAfter = false;
    for (qsizetype j = lo + 1; j <= hi; ++j) {
        const Key key = entries.keys[j];
        if (before(key, pivot)) {
            ++i;
            entries.exchange(i, j);
            if (before(key, firstBefore))
                firstBefore = key;
        } else if (!anyAfter || before(key, firstAfter)) {
            firstAfter = key;
            anyAfter = true;
        }
    }
    entries.copy(i, lo);
    entries.keys[i] = pivot;
    entries.index[i] = pivotIndex;
    allowance.spend(hi - lo);
    return {Range<Key>{lo, i - 1, firstBefore}, Range<Key>{i + 1, hi, firstAfter}};
}

// The key that no other key of the array comes before.
template<typename Key, typename Before>
Key firstKey(std::span<const Key> keys, Before before)
{
    return *std::min_element(keys.begin(), keys.end(), before);
}

template<typename Key, typename Before>
void exchangeSort(Entries<Key> &entries, Before before)
{
    const Range<Key> whole{0, qsizetype(entries.keys.size()) - 1, Key{}};
    sortRanges(entries, whole, before, exchangePartition<Key, Before>);
}

template<typename Key, typename Before>
void pivotFirstSort(Entries<Key> &entries, Before before)
{
    if (entries.keys.empty())
        return;
    const Range<Key> whole{0, qsizetype(entries.keys.size()) - 1,
                           firstKey(std::span<const Key>(entries.keys), before)};
    sortRanges(entries, whole, before, pivotFirstPartition<Key, Before>);
}

// Runs sort with the comparison of the direction: ascending compares with <.
template<typename Sort>
void inDirection(bool ascending, Sort sort)
{
    if (ascending)
        sort(std::less<>());
    else
        sort(std::greater<>());
}

} // namespace

void clsQuickSort::LongIndexSort(std::span<qint32> myArray, std::span<qint32> index, bool Sorted)
{
    m_err.guard(QStringLiteral("LongIndexSort"), false, [&] {
        if (index.size() < myArray.size())
            throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
        Entries<qint32> entries{myArray, index};
        inDirection(Sorted, [&](auto before) { exchangeSort(entries, before); });
        return true;
    });
}

void clsQuickSort::CurrencyIndexSort(std::span<Money> curArray, std::vector<qint32> &index, bool Sorted)
{
    m_err.guard(QStringLiteral("CurrencyIndexSort"), false, [&] {
        index.resize(curArray.size());
        std::iota(index.begin(), index.end(), 0);
        Entries<Money> entries{curArray, index};
        inDirection(Sorted, [&](auto before) { pivotFirstSort(entries, before); });
        return true;
    });
}
