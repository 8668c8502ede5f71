#pragma once

#include "support/ErrorReporter.h"
#include "support/Money.h"

#include <QtGlobal>

#include <span>
#include <vector>

// The program's two index sorts. Each sorts a whole key array in place and
// moves an index array with the keys, so that the caller can reorder its own
// data through the index afterwards. Sorted = true sorts ascending.
//
// Both sorts are unstable, and where equal keys end up is part of what the
// program shows (tie orders of sorted singles, popularity ranks of tied vote
// counts): the partition steps are kept exactly. Two guards keep them from
// hanging on lists of millions of singles without changing any result they
// reach in n·log n work:
// - the smaller part of every partition is sorted first and the larger one
//   waits, so pending work never piles up deeper than log2(n) ranges;
// - a work allowance of a few n·log2(n) steps: a list that would take longer
//   (an input that keeps hitting the largest or smallest key as the middle
//   pivot) has the rest of its ranges sorted by a plain stable sort.
// The pivot-first sort also recognises a range in which no key comes before
// the pivot, where its scan would move nothing, and does the two-entry move
// those steps come to at once: long runs of equal keys (estimates at the
// ceiling or at 0) then cost one step per key instead of one scan per key.
// From a million keys on it shares its ranges between two threads, with
// guards that depend only on each range, so the order is the same however
// the threads run.
class QuickSort
{
public:
    // Exchange sort of 32-bit keys; the caller fills index, one entry per key.
    void longIndexSort(std::span<qint32> myArray, std::span<qint32> index, bool Sorted);
    // Pivot-first sort of money keys; index is resized and filled with the
    // keys' positions 0 … n − 1 first.
    void currencyIndexSort(std::span<Money> amounts, std::vector<qint32> &index, bool Sorted);
    // The same steps moving the caller's own values with the keys, in place
    // of their positions: a list of millions sorts with no table beside it.
    void currencySort(std::span<Money> amounts, std::span<qint32> values, bool Sorted);

private:
    ErrorReporter m_err{QStringLiteral("clsQuickSort")};
};
