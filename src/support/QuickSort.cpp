#include "support/QuickSort.h"

#include "support/RuntimeError.h"
#include "support/TwoThreads.h"

#include <QScopeGuard>

#include <algorithm>
#include <array>
#include <bit>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <numeric>
#include <optional>
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

// A key and the index entry that moves with it.
template<typename K>
struct Keyed
{
    K key;
    qint32 index;
};

// Keys and their index entries in two arrays, moved together.
template<typename K>
struct SplitEntries
{
    using Key = K;
    std::span<Key> keys;
    std::span<qint32> index;

    qsizetype size() const { return qsizetype(keys.size()); }
    const Key &key(qsizetype a) const { return keys[a]; }
    Keyed<Key> item(qsizetype a) const { return {keys[a], index[a]}; }
    void set(qsizetype a, const Keyed<Key> &item)
    {
        keys[a] = item.key;
        index[a] = item.index;
    }
    void exchange(qsizetype a, qsizetype b)
    {
        std::swap(keys[a], keys[b]);
        std::swap(index[a], index[b]);
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
    qint64 left() const { return m_left; }

private:
    qint64 m_left;
};

qsizetype middle(qsizetype lo, qsizetype hi)
{
    return lo + (hi - lo) / 2; // (lo + hi) ÷ 2 for positions, without overflow
}

// Sorts a range by key, equal keys keeping their order: the way out for the
// ranges left when the work allowance is used up.
template<typename Entries, typename Before>
void stableSort(Entries &entries, qsizetype lo, qsizetype hi, Before before)
{
    std::vector<qsizetype> order(hi - lo + 1);
    std::iota(order.begin(), order.end(), lo);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return before(entries.key(a), entries.key(b)); });
    std::vector<Keyed<typename Entries::Key>> items;
    items.reserve(order.size());
    for (qsizetype from : order)
        items.push_back(entries.item(from));
    for (qsizetype k = 0; k < qsizetype(items.size()); ++k)
        entries.set(lo + k, items[size_t(k)]);
}

// Runs the partition steps over a range and every part of it. The two parts
// of a partition are disjoint, so the order in which they are sorted does not
// change the result: the smaller goes first and the larger waits. Returns
// false, with the range half sorted, if the allowance runs out and stop is
// set; without stop the rest is sorted stably.
template<typename Entries, typename Before, typename Partition>
bool sortRange(Entries &entries, Range<typename Entries::Key> range, Before before, Partition partition,
               WorkAllowance &allowance, bool stop = false)
{
    using Key = typename Entries::Key;
    std::vector<Range<Key>> waiting;
    for (;;) {
        while (range.lo < range.hi) {
            if (allowance.exhausted()) {
                if (stop)
                    return false;
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
            return true;
        range = waiting.back();
        waiting.pop_back();
    }
}

template<typename Entries, typename Before, typename Partition>
void sortRanges(Entries &entries, Range<typename Entries::Key> whole, Before before, Partition partition)
{
    WorkAllowance allowance(entries.size());
    sortRange(entries, whole, before, partition, allowance);
}

// A range of a long sort, and how many partitions led to it.
template<typename Key>
struct DeepRange
{
    Range<Key> range;
    int depth;
};

// The long ranges of a long sort that wait for one of its two threads.
template<typename Key>
class SharedRanges
{
public:
    explicit SharedRanges(const Range<Key> &whole)
        : m_waiting{{whole, 0}}
    {
    }

    // The longest waiting range; waits while the other thread may still put
    // one back, and gives nothing once all are taken and done.
    std::optional<DeepRange<Key>> take()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return !m_waiting.empty() || m_working == 0; });
        if (m_waiting.empty())
            return std::nullopt;
        const auto longest = std::max_element(m_waiting.begin(), m_waiting.end(), [](const auto &a, const auto &b) {
            return a.range.hi - a.range.lo < b.range.hi - b.range.lo;
        });
        const DeepRange<Key> taken = *longest;
        m_waiting.erase(longest);
        ++m_working;
        return taken;
    }
    void put(const DeepRange<Key> &waiting)
    {
        if (waiting.range.hi <= waiting.range.lo)
            return; // nothing to sort
        const std::lock_guard lock(m_mutex);
        m_waiting.push_back(waiting);
        m_changed.notify_one();
    }
    void done()
    {
        const std::lock_guard lock(m_mutex);
        --m_working;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<DeepRange<Key>> m_waiting;
    int m_working = 0;
};

// Sorts a long list on two threads. A thread takes the longest waiting
// range and partitions it, putting the shorter part back and going on with
// the longer, until what it holds is short; that it sorts to the end. Every
// range gets the same partition steps as in one thread. The guards against a
// runaway list depend only on the range, never on which thread got there
// first, so the order is the same however the threads run: a long range that
// lies deeper than twice log2(n) partitions is sorted stably, and every short
// range has a work allowance of its own.
template<typename Entries, typename Before, typename Partition>
void sortRangesOnTwoThreads(Entries &entries, Range<typename Entries::Key> whole, Before before, Partition partition)
{
    using Key = typename Entries::Key;
    const qsizetype shortLength = entries.size() / 64;
    const int deepest = 2 * int(std::bit_width(quint64(entries.size())));
    SharedRanges<Key> shared(whole);
    runOnTwoThreads([&](int) {
        while (auto taken = shared.take()) {
            const auto finished = qScopeGuard([&] { shared.done(); });
            auto [range, depth] = *taken;
            for (; range.hi - range.lo >= shortLength && depth <= deepest; ++depth) {
                WorkAllowance uncounted(range.hi - range.lo + 1);
                auto [left, right] = partition(entries, range, before, uncounted);
                if (left.hi - left.lo > right.hi - right.lo)
                    std::swap(left, right);
                shared.put({left, depth + 1});
                range = right;
            }
            if (range.hi - range.lo >= shortLength)
                stableSort(entries, range.lo, range.hi, before);
            else
                sortRanges(entries, range, before, partition);
        }
    });
}

// Exchange sort: pivot value from the middle; scan from both ends and
// exchange the pair that stands on the wrong sides.
template<typename Key, typename Before>
std::pair<Range<Key>, Range<Key>> exchangePartition(SplitEntries<Key> &entries, const Range<Key> &range,
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
std::pair<Range<Key>, Range<Key>> pivotFirstPartition(SplitEntries<Key> &entries, const Range<Key> &range,
                                                      Before before, WorkAllowance &allowance)
{
    const qsizetype lo = range.lo;
    const qsizetype hi = range.hi;
    const qsizetype m = middle(lo, hi);
    const Keyed<Key> pivot = entries.item(m);
    entries.set(m, entries.item(lo));

    if (!before(range.first, pivot.key)) {
        // No key of the range comes before the pivot: the scan would leave
        // everything in place, so the first and the middle entry trade places.
        entries.set(lo, pivot);
        allowance.spend(1);
        return {Range<Key>{lo, lo - 1, range.first}, Range<Key>{lo + 1, hi, range.first}};
    }

    qsizetype i = lo;
    Key firstBefore = pivot.key;
    Key firstAfter = pivot.key;
    bool anyAfter = false;
    for (qsizetype j = lo + 1; j <= hi; ++j) {
        const Keyed<Key> scanned = entries.item(j);
        if (before(scanned.key, pivot.key)) {
            ++i;
            entries.set(j, entries.item(i));
            entries.set(i, scanned);
            if (before(scanned.key, firstBefore))
                firstBefore = scanned.key;
        } else if (!anyAfter || before(scanned.key, firstAfter)) {
            firstAfter = scanned.key;
            anyAfter = true;
        }
    }
    entries.set(lo, entries.item(i));
    entries.set(i, pivot);
    allowance.spend(hi - lo);
    return {Range<Key>{lo, i - 1, firstBefore}, Range<Key>{i + 1, hi, firstAfter}};
}

template<typename Key, typename Before>
void exchangeSort(SplitEntries<Key> &entries, Before before)
{
    const Range<Key> whole{0, entries.size() - 1, Key{}};
    sortRanges(entries, whole, before, exchangePartition<Key, Before>);
}

// From this many entries on, a pivot-first sort runs on two threads.
constexpr size_t TwoThreadLength = 1 << 20;

template<typename Key, typename Before>
void pivotFirstSort(SplitEntries<Key> &entries, Before before)
{
    if (entries.keys.empty())
        return;
    const Range<Key> whole{0, entries.size() - 1, *std::min_element(entries.keys.begin(), entries.keys.end(), before)};
    if (entries.keys.size() >= TwoThreadLength)
        sortRangesOnTwoThreads(entries, whole, before, pivotFirstPartition<Key, Before>);
    else
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

void QuickSort::longIndexSort(std::span<qint32> myArray, std::span<qint32> index, bool Sorted)
{
    m_err.guard(QStringLiteral("LongIndexSort"), false, [&] {
        if (index.size() < myArray.size())
            throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
        SplitEntries<qint32> entries{myArray, index};
        inDirection(Sorted, [&](auto before) { exchangeSort(entries, before); });
        return true;
    });
}

void QuickSort::currencyIndexSort(std::span<Money> amounts, std::vector<qint32> &index, bool Sorted)
{
    index.resize(amounts.size());
    std::iota(index.begin(), index.end(), 0);
    currencySort(amounts, index, Sorted);
}

void QuickSort::currencySort(std::span<Money> amounts, std::span<qint32> values, bool Sorted)
{
    m_err.guard(QStringLiteral("CurrencyIndexSort"), false, [&] {
        if (values.size() < amounts.size())
            throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
        SplitEntries<Money> entries{amounts, values};
        inDirection(Sorted, [&](auto before) { pivotFirstSort(entries, before); });
        return true;
    });
}
