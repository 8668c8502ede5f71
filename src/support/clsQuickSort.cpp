#include "support/clsQuickSort.h"

#include "support/LargeTableAllocator.h"
#include "support/RuntimeError.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <numeric>
#include <system_error>
#include <thread>
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

// Keys and their index entries side by side: a step of the scan reads and
// writes one place per entry.
template<typename K>
struct PairedEntries
{
    using Key = K;
    std::span<Keyed<Key>> items;

    qsizetype size() const { return qsizetype(items.size()); }
    const Key &key(qsizetype a) const { return items[a].key; }
    Keyed<Key> item(qsizetype a) const { return items[a]; }
    void set(qsizetype a, const Keyed<Key> &item) { items[a] = item; }
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

// Sorts a long list on two threads: the first partitions cut it into a few
// ranges, which are shared out by size. Every range gets the same partition
// steps as in one thread, so the result is the same as long as the work
// allowance would not have run out; when the work of all ranges together
// exceeds it, false is returned and the caller sorts the list again in one
// thread, where the allowance takes its course.
template<typename Entries, typename Before, typename Partition>
bool sortRangesOnTwoThreads(Entries &entries, Range<typename Entries::Key> whole, Before before,
                            Partition partition)
{
    using Key = typename Entries::Key;
    constexpr size_t Pieces = 8;
    WorkAllowance allowance(entries.size());
    const qint64 budget = allowance.left();
    const auto length = [](const Range<Key> &r) { return r.hi - r.lo; };
    std::vector<Range<Key>> pieces{whole};
    while (pieces.size() < Pieces) {
        const auto longest = std::max_element(pieces.begin(), pieces.end(),
                                              [&](const auto &a, const auto &b) { return length(a) < length(b); });
        if (length(*longest) < entries.size() / qsizetype(2 * Pieces))
            break;
        const Range<Key> cut = *longest;
        pieces.erase(longest);
        auto [left, right] = partition(entries, cut, before, allowance);
        pieces.push_back(left);
        pieces.push_back(right);
    }
    std::sort(pieces.begin(), pieces.end(), [&](const auto &a, const auto &b) { return length(a) > length(b); });
    std::array<std::vector<Range<Key>>, 2> shares;
    std::array<qint64, 2> shareLength{};
    for (const Range<Key> &piece : pieces) {
        const size_t lighter = shareLength[0] <= shareLength[1] ? 0 : 1;
        shares[lighter].push_back(piece);
        shareLength[lighter] += length(piece);
    }
    std::array<WorkAllowance, 2> allowances{allowance, allowance};
    std::array<bool, 2> finished{};
    const auto sortShare = [&](size_t share) {
        finished[share] = std::all_of(shares[share].begin(), shares[share].end(), [&](const Range<Key> &piece) {
            return sortRange(entries, piece, before, partition, allowances[share], true);
        });
    };
    std::thread helper;
    try {
        helper = std::thread(sortShare, 1);
    } catch (const std::system_error &) {
        sortShare(1);   // no thread to be had: this one sorts both shares
    }
    sortShare(0);
    if (helper.joinable())
        helper.join();
    const qint64 spent = (budget - allowance.left()) + (allowance.left() - allowances[0].left())
                         + (allowance.left() - allowances[1].left());
    return finished[0] && finished[1] && spent <= budget;
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
std::pair<Range<Key>, Range<Key>> pivotFirstPartition(PairedEntries<Key> &entries, const Range<Key> &range,
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

// Each key beside its position.
template<typename Key>
void pairUp(std::span<const Key> keys, PairedEntries<Key> &entries)
{
    for (size_t k = 0; k < keys.size(); ++k)
        entries.items[k] = {keys[k], qint32(k)};
}

template<typename Key, typename Before>
void pivotFirstSort(std::span<const Key> keys, PairedEntries<Key> &entries, Before before)
{
    pairUp(keys, entries);
    if (entries.items.empty())
        return;
    const auto first = std::min_element(entries.items.begin(), entries.items.end(),
                                        [&](const Keyed<Key> &a, const Keyed<Key> &b) { return before(a.key, b.key); });
    const Range<Key> whole{0, entries.size() - 1, first->key};
    if (entries.items.size() >= TwoThreadLength && std::thread::hardware_concurrency() > 1) {
        if (sortRangesOnTwoThreads(entries, whole, before, pivotFirstPartition<Key, Before>))
            return;
        pairUp(keys, entries);
    }
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
        SplitEntries<qint32> entries{myArray, index};
        inDirection(Sorted, [&](auto before) { exchangeSort(entries, before); });
        return true;
    });
}

void clsQuickSort::CurrencyIndexSort(std::span<Money> curArray, std::vector<qint32> &index, bool Sorted)
{
    m_err.guard(QStringLiteral("CurrencyIndexSort"), false, [&] {
        std::vector<Keyed<Money>, LargeTableAllocator<Keyed<Money>>> items(curArray.size());
        PairedEntries<Money> entries{items};
        inDirection(Sorted, [&](auto before) { pivotFirstSort<Money>(curArray, entries, before); });
        index.resize(items.size());
        for (size_t k = 0; k < items.size(); ++k) {
            curArray[k] = items[k].key;
            index[k] = items[k].index;
        }
        return true;
    });
}
