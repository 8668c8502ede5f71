#include "common/EstimateReference.h"
#include "common/RecordingUi.h"
#include "lottery/MarkTally.h"
#include "singles/PopularityRanks.h"
#include "singles/SingleSorter.h"
#include "support/QuickSort.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <numeric>
#include <vector>

using MatchMarks = PopularityRanks::MatchMarks;
using Counts = std::array<qint64, 3>; // votes for marks 0, 1, 2
using Singles = std::vector<qint32>;

Q_DECLARE_METATYPE(Counts)
Q_DECLARE_METATYPE(Singles)

namespace {

qint32 code(const MatchMarks &marks)
{
    qint32 result = 0;
    SingleCode().intsToCode(marks, result);
    return result;
}

MatchMarks marks(qint32 single)
{
    MatchMarks result{};
    SingleCode().codeToInts(single, result);
    return result;
}

// A single with `ones` marks "1" first, then `twos` marks "2", "0" elsewhere.
qint32 single(int ones, int twos = 0)
{
    MatchMarks marks{};
    for (int i = 0; i < ones + twos; ++i)
        marks[i] = i < ones ? 1 : 2;
    return code(marks);
}

Singles randomSingles(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    Singles singles(count);
    for (qint32 &s : singles)
        s = qint32(random.bounded(quint32(SingleCode::CodeCount)));
    return singles;
}

template<typename Key>
void verifySortedBy(Singles before, Singles after, bool ascending, Key key)
{
    QVERIFY(std::is_sorted(after.begin(), after.end(), [&](qint32 a, qint32 b) {
        return ascending ? key(a) < key(b) : key(a) > key(b);
    }));
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    QVERIFY(before == after);
}

// Where the index sorts put n equal keys.
std::vector<qint32> tieOrder(qsizetype n, bool money)
{
    std::vector<qint32> index(n);
    std::iota(index.begin(), index.end(), 0);
    if (money) {
        std::vector<Money> keys(n);
        QuickSort().currencyIndexSort(keys, index, true);
    } else {
        std::vector<qint32> keys(n);
        QuickSort().longIndexSort(keys, index, true);
    }
    return index;
}

} // namespace

class TestSingleSort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ranks_data();
    void ranks();
    void noRanksWithoutVoteData();
    void countByRank();
    void markSort_data();
    void markSort();
    void popularitySortWithoutVoteData_data();
    void popularitySortWithoutVoteData();
    void byEstimateAndPopularity_data();
    void byEstimateAndPopularity();
    void moneySortPutsUnvotedMarksFirst();
    void unknownSortTypeKeepsTieOrder();
    void emptyList();
    void badCodeIsReportedOnce();
    void everySingleWithMassiveTies_data();
    void everySingleWithMassiveTies();
};

void TestSingleSort::ranks_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<Counts>("ranks"); // of marks 0, 1, 2
    QTest::newRow("three equal") << Counts{20, 20, 20} << Counts{1, 2, 0};
    QTest::newRow("30 30 10") << Counts{30, 30, 10} << Counts{0, 1, 2};
    QTest::newRow("10 30 30") << Counts{10, 30, 30} << Counts{2, 1, 0};
    QTest::newRow("distinct") << Counts{250, 600, 150} << Counts{1, 0, 2};
    QTest::newRow("no votes") << Counts{0, 0, 0} << Counts{1, 2, 0};
}

void TestSingleSort::ranks()
{
    QFETCH(Counts, counts);
    QFETCH(Counts, ranks);
    PopularityRanks table;
    VoteData vote = EstimateReference::sameVotesEverywhere(500, {100, 50, 25});
    vote.game[9].votes = {VoteShare{Money::fromWhole(counts[0]), Money()},
                          VoteShare{Money::fromWhole(counts[1]), Money()},
                          VoteShare{Money::fromWhole(counts[2]), Money()}};
    table.setVoteData(vote);
    QVERIFY(table.isPresent());
    for (int mark = 0; mark < 3; ++mark) {
        QCOMPARE(int(table.rank(8, mark)), int(ranks[mark]));
        QCOMPARE(int(table.rank(0, mark)), mark); // 100, 50, 25 votes
    }
}

void TestSingleSort::noRanksWithoutVoteData()
{
    PopularityRanks table;
    QVERIFY(!table.isPresent());
    table.setVoteData(EstimateReference::sameVotesEverywhere(500, {10, 20, 30}));
    QVERIFY(table.isPresent());
    QCOMPARE(int(table.rank(13, 2)), 0);
    table.setVoteData(VoteData());
    QVERIFY(!table.isPresent());
    for (int match = 0; match < 14; ++match)
        for (int mark = 0; mark < 3; ++mark)
            QCOMPARE(int(table.rank(match, mark)), 0);
}

void TestSingleSort::countByRank()
{
    PopularityRanks table;
    table.setVoteData(EstimateReference::sameVotesEverywhere(500, {30, 60, 10})); // "1" first, "0" second, "2" third
    QCOMPARE(table.countByRank(marks(single(14))), (std::array<int, 3>{14, 0, 0}));
    QCOMPARE(table.countByRank(marks(single(6, 3))), (std::array<int, 3>{6, 5, 3}));
    MatchMarks bad = marks(single(2));
    bad[5] = 3;
    QCOMPARE(table.countByRank(bad), (std::array<int, 3>{2, 11, 0}));
    QCOMPARE(markTally(marks(single(6, 3))), (std::array<int, 3>{5, 6, 3}));
    QCOMPARE(markTally(bad), (std::array<int, 3>{11, 2, 0}));
}

void TestSingleSort::markSort_data()
{
    QTest::addColumn<int>("sortType");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<Singles>("singles");
    QTest::addColumn<Singles>("expected");
    const Singles ones{single(3), single(1), single(2)};
    QTest::newRow("marks 1 ascending") << 0 << true << ones << Singles{single(1), single(2), single(3)};
    QTest::newRow("marks 1 descending") << 0 << false << ones << Singles{single(3), single(2), single(1)};
    // Marks "0": 14 − ones − twos.
    const Singles mixed{single(1, 1), single(0, 5), single(4, 0)};
    QTest::newRow("marks 0 ascending") << 1 << true << mixed << Singles{single(0, 5), single(4, 0), single(1, 1)};
    QTest::newRow("marks 2 descending") << 2 << false << mixed << Singles{single(0, 5), single(1, 1), single(4, 0)};
}

void TestSingleSort::markSort()
{
    QFETCH(int, sortType);
    QFETCH(bool, ascending);
    QFETCH(Singles, singles);
    QFETCH(Singles, expected);
    RecordingUi ui;
    SingleSorter sorter;
    sorter.markSort(singles, sortType, ascending);
    QCOMPARE(singles, expected);
    QVERIFY(ui.busyChanges() >= 2);
    QVERIFY(!ui.busy());
    QVERIFY(ui.boxes().isEmpty());
}

void TestSingleSort::popularitySortWithoutVoteData_data()
{
    QTest::addColumn<int>("sortType");
    QTest::newRow("first") << 0;  // every key 14
    QTest::newRow("second") << 1; // every key 0
    QTest::newRow("third") << 2;
}

// Every mark ranks first: equal keys, rearranged by the exchange sort's tie rule.
void TestSingleSort::popularitySortWithoutVoteData()
{
    QFETCH(int, sortType);
    const Singles before{single(1), single(2), single(3), single(4)};
    Singles singles = before;
    SingleSorter sorter;
    sorter.setVoteData(VoteData());
    sorter.popularitySort(singles, sortType, true);
    const std::vector<qint32> order = tieOrder(4, false);
    QCOMPARE(order, (std::vector<qint32>{2, 3, 0, 1}));
    for (int k = 0; k < 4; ++k)
        QCOMPARE(singles[k], before[order[k]]);
}

void TestSingleSort::byEstimateAndPopularity_data()
{
    QTest::addColumn<bool>("byEstimate");
    QTest::addColumn<int>("sortType");
    QTest::addColumn<bool>("ascending");
    for (int sortType = 0; sortType < 3; ++sortType) {
        for (bool ascending : {true, false}) {
            const char *direction = ascending ? "ascending" : "descending";
            QTest::addRow("grade %d %s", sortType + 1, direction) << true << sortType << ascending;
            QTest::addRow("rank %d %s", sortType, direction) << false << sortType << ascending;
        }
    }
}

void TestSingleSort::byEstimateAndPopularity()
{
    QFETCH(bool, byEstimate);
    QFETCH(int, sortType);
    QFETCH(bool, ascending);
    const VoteData vote = EstimateReference::realisticVotes(1200, 6);
    const EstimateReference reference(vote);
    PopularityRanks ranks;
    ranks.setVoteData(vote);
    const Singles before = randomSingles(3000, 78);
    Singles singles = before;
    SingleSorter sorter;
    sorter.setVoteData(vote);
    if (byEstimate) {
        sorter.moneySort(singles, sortType, ascending);
        verifySortedBy(before, singles, ascending,
                       [&](qint32 s) { return reference.estimate(sortType + 1, marks(s)); });
    } else {
        sorter.popularitySort(singles, sortType, ascending);
        verifySortedBy(before, singles, ascending,
                       [&](qint32 s) { return ranks.countByRank(marks(s))[sortType]; });
    }
}

void TestSingleSort::moneySortPutsUnvotedMarksFirst()
{
    VoteData vote = EstimateReference::sameVotesEverywhere(600, {30, 50, 20});
    vote.game[4].votes[2].count = Money(); // nobody voted "2" in match 4
    MatchMarks unvoted = marks(single(14));
    unvoted[3] = 2;
    Singles singles{single(14), single(0), code(unvoted), single(5, 3)};
    SingleSorter sorter;
    sorter.setVoteData(vote);
    sorter.moneySort(singles, 0, true);
    QCOMPARE(singles, (Singles{code(unvoted), single(14), single(5, 3), single(0)}));
    sorter.moneySort(singles, 0, false);
    QCOMPARE(singles.back(), code(unvoted));
}

// Any other sort type gives every single the key 0: the list is rearranged
// by the pivot-first sort's tie rule alone (three equal keys: 1, 0, 2).
void TestSingleSort::unknownSortTypeKeepsTieOrder()
{
    Singles singles{single(1), single(2), single(3)};
    SingleSorter sorter;
    sorter.setVoteData(EstimateReference::realisticVotes(700, 8));
    sorter.moneySort(singles, 3, true);
    QCOMPARE(tieOrder(3, true), (std::vector<qint32>{1, 0, 2}));
    QCOMPARE(singles, (Singles{single(2), single(1), single(3)}));
}

void TestSingleSort::emptyList()
{
    RecordingUi ui;
    Singles singles;
    SingleSorter sorter;
    sorter.setVoteData(EstimateReference::realisticVotes(700, 8));
    sorter.moneySort(singles, 0, true);
    sorter.markSort(singles, 0, false);
    sorter.popularitySort(singles, 1, true);
    QVERIFY(singles.empty());
    QVERIFY(ui.boxes().isEmpty());
}

// A code that stands for no single cannot come from the list store; if one
// does, it is reported once and kept, and no single is lost.
void TestSingleSort::badCodeIsReportedOnce()
{
    RecordingUi ui;
    const Singles before{single(5), -7, single(2), SingleCode::CodeCount, single(9)};
    Singles singles = before;
    SingleSorter sorter;
    sorter.markSort(singles, 0, false);
    QCOMPARE(ui.boxes().size(), 1);
    QVERIFY(ui.boxes()[0].title.endsWith(QStringLiteral(" / clsTSingleSort / MarkSort")));
    QCOMPARE(Singles(singles.begin(), singles.begin() + 3), (Singles{single(9), single(5), single(2)}));
    Singles sortedBefore = before;
    std::sort(sortedBefore.begin(), sortedBefore.end());
    std::sort(singles.begin(), singles.end());
    QCOMPARE(singles, sortedBefore);
}

void TestSingleSort::everySingleWithMassiveTies_data()
{
    QTest::addColumn<bool>("ascending");
    QTest::newRow("ascending") << true;
    QTest::newRow("descending") << false;
}

// Every possible single by grade-1 estimate: a mark nobody voted for puts a
// third of them at 0, a mark with a single vote most of another third at the
// ceiling.
void TestSingleSort::everySingleWithMassiveTies()
{
    QFETCH(bool, ascending);
    VoteData vote = EstimateReference::realisticVotes(1400, 11);
    vote.game[14].votes[0].count = Money();
    vote.game[13].votes[2].count = Money::fromWhole(1);
    Singles singles(SingleCode::CodeCount);
    std::iota(singles.begin(), singles.end(), 0);
    SingleSorter sorter;
    sorter.setVoteData(vote);
    sorter.moneySort(singles, 0, ascending);

    PrizeEstimator money;
    money.setVoteData(vote);
    std::vector<Money> keys(singles.size());
    money.getMoneyList(1, singles, keys);
    if (ascending)
        QVERIFY(std::is_sorted(keys.begin(), keys.end()));
    else
        QVERIFY(std::is_sorted(keys.begin(), keys.end(), std::greater<Money>()));
    QCOMPARE(std::count(keys.begin(), keys.end(), Money()), qsizetype(SingleCode::CodeCount / 3));
    QVERIFY(std::count(keys.begin(), keys.end(), Money::fromWhole(PrizeEstimator::Ceiling)) > 1000000);
    // The ties in the order of the index sort: the space in code order is
    // its own list of positions.
    std::vector<Money> inCodeOrder(singles.size());
    Singles positions(singles.size());
    std::iota(positions.begin(), positions.end(), 0);
    money.getMoneyList(1, positions, inCodeOrder);
    std::vector<qint32> index;
    QuickSort().currencyIndexSort(inCodeOrder, index, ascending);
    QVERIFY(singles == index);
}

QTEST_GUILESS_MAIN(TestSingleSort)
#include "TestSingleSort.moc"
