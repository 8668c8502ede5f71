// Sorting lists of singles by estimate, by mark counts and by popularity
// counts, keys included, with a vote record shaped like a real round.

#include "../tests/common/EstimateReference.h"
#include "lottery/SingleCode.h"
#include "evaluation/PrizeEstimator.h"
#include "singles/SingleSorter.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <numeric>
#include <utility>
#include <vector>

namespace {

using Singles = std::vector<qint32>;

Singles randomSingles(qsizetype count)
{
    QRandomGenerator random(1234);
    Singles singles(count);
    for (qint32 &single : singles)
        single = qint32(random.bounded(quint32(SingleCode::CodeCount)));
    return singles;
}

// Wall and processor time of one sort of a fresh copy of the list; the wall
// time is returned.
qint64 measure(const char *what, const Singles &list, const std::function<void(Singles &)> &sort)
{
    Singles singles = list;
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpu = std::clock();
    sort(singles);
    const long long cpuMs = (long long)((std::clock() - cpu) * 1000 / CLOCKS_PER_SEC);
    const qint64 wallMs = wall.elapsed();
    std::printf("%-58s %6lld ms (processor %lld ms)\n", what, (long long)wallMs, cpuMs);
    return wallMs;
}

// The reference of a money sort: the library's sort of the same keys
// paired with their positions, keys computed the same way.
qint64 librarySort(const Singles &list, const PrizeEstimator &money, int grade)
{
    return measure("  reference: estimates, then std::sort of key and position", list, [&](Singles &singles) {
        std::vector<Money> keys(singles.size());
        money.getMoneyList(grade, singles, keys);
        std::vector<std::pair<Money, qint32>> paired(singles.size());
        for (size_t i = 0; i < singles.size(); ++i)
            paired[i] = {keys[i], singles[i]};
        std::sort(paired.begin(), paired.end());
        for (size_t i = 0; i < singles.size(); ++i)
            singles[i] = paired[i].second;
    });
}

} // namespace

int main()
{
    const VoteData vote = EstimateReference::realisticVotes(1500, 2024);
    SingleSorter sorter;
    sorter.setVoteData(vote);

    const Singles random = randomSingles(1'000'000);
    std::printf("1,000,000 random singles (goal: each under 1000 ms)\n");
    for (int type = 0; type < 3; ++type) {
        for (bool ascending : {true, false}) {
            char label[80];
            std::snprintf(label, sizeof label, "  MoneySort grade %d %s", type + 1, ascending ? "ascending" : "descending");
            measure(label, random, [&](Singles &s) { sorter.moneySort(s, type, ascending); });
        }
    }
    measure("  MarkSort marks \"1\" ascending", random, [&](Singles &s) { sorter.markSort(s, 0, true); });
    measure("  MarkSort marks \"0\" descending", random, [&](Singles &s) { sorter.markSort(s, 1, false); });
    measure("  NinkiSort most voted ascending", random, [&](Singles &s) { sorter.popularitySort(s, 0, true); });
    measure("  NinkiSort third voted descending", random, [&](Singles &s) { sorter.popularitySort(s, 2, false); });

    // Nobody voted "0" in match 14: a third of the singles estimate 0.
    VoteData unvoted = vote;
    unvoted.game[14].votes[0].count = Money();
    SingleSorter tieSorter;
    tieSorter.setVoteData(unvoted);
    std::printf("1,000,000 random singles, a third of them with the same estimate\n");
    measure("  MoneySort grade 1 ascending", random, [&](Singles &s) { tieSorter.moneySort(s, 0, true); });
    measure("  MoneySort grade 1 descending", random, [&](Singles &s) { tieSorter.moneySort(s, 0, false); });
    measure("  MoneySort grade 3 ascending", random, [&](Singles &s) { tieSorter.moneySort(s, 2, true); });

    Singles every(SingleCode::CodeCount);
    std::iota(every.begin(), every.end(), 0);
    std::printf("every single (4,782,969; goal: MoneySort under 500 ms)\n");
    PrizeEstimator money;
    money.setVoteData(vote);
    const qint64 grade1 = measure("  MoneySort grade 1 ascending", every, [&](Singles &s) { sorter.moneySort(s, 0, true); });
    const qint64 reference1 = librarySort(every, money, 1);
    const qint64 grade3 = measure("  MoneySort grade 3 descending", every, [&](Singles &s) { sorter.moneySort(s, 2, false); });
    const qint64 reference3 = librarySort(every, money, 3);
    std::printf("  MoneySort against the reference: grade 1 %.2f, grade 3 %.2f\n",
                double(grade1) / double(std::max<qint64>(reference1, 1)),
                double(grade3) / double(std::max<qint64>(reference3, 1)));
    measure("  MarkSort marks \"2\" ascending", every, [&](Singles &s) { sorter.markSort(s, 2, true); });
    measure("  NinkiSort most voted descending", every, [&](Singles &s) { sorter.popularitySort(s, 0, false); });
    return 0;
}
