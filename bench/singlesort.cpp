// Sorting lists of singles by estimate, by mark counts and by popularity
// counts, keys included, with a vote record shaped like a real round.

#include "../tests/common/EstimateReference.h"
#include "lottery/clsTNumber.h"
#include "singles/clsTSingleSort.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <cstdio>
#include <ctime>
#include <functional>
#include <numeric>
#include <vector>

namespace {

using Singles = std::vector<qint32>;

Singles randomSingles(qsizetype count)
{
    QRandomGenerator random(1234);
    Singles singles(count);
    for (qint32 &single : singles)
        single = qint32(random.bounded(quint32(clsTNumber::CodeCount)));
    return singles;
}

// Wall and processor time of one sort of a fresh copy of the list.
void measure(const char *what, const Singles &list, const std::function<void(Singles &)> &sort)
{
    Singles singles = list;
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpu = std::clock();
    sort(singles);
    const long long cpuMs = (long long)((std::clock() - cpu) * 1000 / CLOCKS_PER_SEC);
    std::printf("%-58s %6lld ms (processor %lld ms)\n", what, (long long)wall.elapsed(), cpuMs);
}

} // namespace

int main()
{
    const VoteData vote = EstimateReference::realisticVotes(1500, 2024);
    clsTSingleSort sorter;
    sorter.SetVoteData(vote);

    const Singles random = randomSingles(1'000'000);
    std::printf("1,000,000 random singles (goal: each under 1000 ms)\n");
    for (int type = 0; type < 3; ++type) {
        for (bool ascending : {true, false}) {
            char label[80];
            std::snprintf(label, sizeof label, "  MoneySort grade %d %s", type + 1, ascending ? "ascending" : "descending");
            measure(label, random, [&](Singles &s) { sorter.MoneySort(s, type, ascending); });
        }
    }
    measure("  MarkSort marks \"1\" ascending", random, [&](Singles &s) { sorter.MarkSort(s, 0, true); });
    measure("  MarkSort marks \"0\" descending", random, [&](Singles &s) { sorter.MarkSort(s, 1, false); });
    measure("  NinkiSort most voted ascending", random, [&](Singles &s) { sorter.NinkiSort(s, 0, true); });
    measure("  NinkiSort third voted descending", random, [&](Singles &s) { sorter.NinkiSort(s, 2, false); });

    // Nobody voted "0" in match 14: a third of the singles estimate 0.
    VoteData unvoted = vote;
    unvoted.Game[14].Votes[0].Count = Money();
    clsTSingleSort tieSorter;
    tieSorter.SetVoteData(unvoted);
    std::printf("1,000,000 random singles, a third of them with the same estimate\n");
    measure("  MoneySort grade 1 ascending", random, [&](Singles &s) { tieSorter.MoneySort(s, 0, true); });
    measure("  MoneySort grade 1 descending", random, [&](Singles &s) { tieSorter.MoneySort(s, 0, false); });
    measure("  MoneySort grade 3 ascending", random, [&](Singles &s) { tieSorter.MoneySort(s, 2, true); });

    Singles every(clsTNumber::CodeCount);
    std::iota(every.begin(), every.end(), 0);
    std::printf("every single (4,782,969)\n");
    measure("  MoneySort grade 1 ascending", every, [&](Singles &s) { sorter.MoneySort(s, 0, true); });
    measure("  MoneySort grade 3 descending", every, [&](Singles &s) { sorter.MoneySort(s, 2, false); });
    measure("  MarkSort marks \"2\" ascending", every, [&](Singles &s) { sorter.MarkSort(s, 2, true); });
    measure("  NinkiSort most voted descending", every, [&](Singles &s) { sorter.NinkiSort(s, 0, false); });
    return 0;
}
