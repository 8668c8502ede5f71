#include "common/RecordingUi.h"
#include "support/QuickSort.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <numeric>
#include <vector>

Q_DECLARE_METATYPE(std::vector<qint32>)
Q_DECLARE_METATYPE(std::vector<qint64>)

namespace {

// The partition steps written out plainly and recursively: the reference
// order for lists small enough to run them as they stand.
template<typename Key>
struct Literal
{
    std::vector<Key> &keys;
    std::vector<qint32> &index;
    bool ascending;

    bool before(const Key &a, const Key &b) const { return ascending ? a < b : a > b; }

    void exchangeSort(qsizetype lo, qsizetype hi)
    {
        if (lo >= hi)
            return;
        const Key p = keys[(lo + hi) / 2];
        qsizetype i = lo;
        qsizetype j = hi;
        for (;;) {
            while (before(keys[i], p))
                ++i;
            while (before(p, keys[j]))
                --j;
            if (i >= j)
                break;
            std::swap(keys[i], keys[j]);
            std::swap(index[i], index[j]);
            ++i;
            --j;
        }
        exchangeSort(lo, i - 1);
        exchangeSort(j + 1, hi);
    }

    void pivotFirstSort(qsizetype lo, qsizetype hi)
    {
        if (lo >= hi)
            return;
        const qsizetype m = (lo + hi) / 2;
        const Key p = keys[m];
        const qint32 q = index[m];
        keys[m] = keys[lo];
        index[m] = index[lo];
        qsizetype i = lo;
        for (qsizetype j = lo + 1; j <= hi; ++j) {
            if (before(keys[j], p)) {
                ++i;
                std::swap(keys[i], keys[j]);
                std::swap(index[i], index[j]);
            }
        }
        keys[lo] = keys[i];
        index[lo] = index[i];
        keys[i] = p;
        index[i] = q;
        pivotFirstSort(lo, i - 1);
        pivotFirstSort(i + 1, hi);
    }
};

std::vector<qint32> positions(qsizetype n)
{
    std::vector<qint32> index(n);
    std::iota(index.begin(), index.end(), 0);
    return index;
}

// The index order the written pivot-first steps leave.
std::vector<qint32> writtenPivotFirstOrder(std::vector<Money> keys, bool ascending)
{
    std::vector<qint32> index = positions(qsizetype(keys.size()));
    Literal<Money>{keys, index, ascending}.pivotFirstSort(0, qsizetype(keys.size()) - 1);
    return index;
}

std::vector<Money> toMoney(const std::vector<qint64> &raw)
{
    std::vector<Money> keys;
    for (qint64 value : raw)
        keys.push_back(Money::fromRaw(value));
    return keys;
}

// Keys drawn from `distinct` values, so that small counts give long ties.
std::vector<qint64> randomKeys(qsizetype n, qint64 distinct, quint32 seed)
{
    QRandomGenerator random(seed);
    std::vector<qint64> keys(n);
    for (qint64 &key : keys)
        key = qint64(random.bounded(quint32(distinct)));
    return keys;
}

// Keys that make the middle entry the largest of every range the steps meet,
// so that each scan sets one entry aside: n²/2 comparisons as written.
// moveEntries(at, m, hi) does the moves of one such scan on the positions.
template<typename MoveEntries>
std::vector<qint64> worstCase(qsizetype n, MoveEntries moveEntries)
{
    std::vector<qsizetype> at(n);
    std::iota(at.begin(), at.end(), 0);
    std::vector<qint64> keys(n);
    qint64 next = n - 1;
    for (qsizetype hi = n - 1; hi >= 0; --hi) {
        const qsizetype m = hi / 2;
        keys[at[m]] = next--;
        moveEntries(at, m, hi);
    }
    return keys;
}

std::vector<qint64> exchangeSortWorstCase(qsizetype n)
{
    return worstCase(n, [](std::vector<qsizetype> &at, qsizetype m, qsizetype hi) {
        std::swap(at[m], at[hi]);
    });
}

std::vector<qint64> pivotFirstWorstCase(qsizetype n)
{
    return worstCase(n, [](std::vector<qsizetype> &at, qsizetype m, qsizetype hi) {
        const qsizetype pivot = at[m];
        at[m] = at[0];
        at[0] = at[hi];
        at[hi] = pivot;
    });
}

template<typename Key>
void verifySorted(const std::vector<Key> &original, const std::vector<Key> &keys,
                  const std::vector<qint32> &index, bool ascending)
{
    QCOMPARE(keys.size(), original.size());
    QCOMPARE(index.size(), original.size());
    if (ascending)
        QVERIFY(std::is_sorted(keys.begin(), keys.end()));
    else
        QVERIFY(std::is_sorted(keys.begin(), keys.end(), std::greater<Key>()));
    std::vector<bool> seen(original.size());
    for (size_t k = 0; k < keys.size(); ++k) {
        QVERIFY(index[k] >= 0 && size_t(index[k]) < original.size());
        QVERIFY(!seen[index[k]]);
        seen[index[k]] = true;
        QVERIFY(keys[k] == original[index[k]]);
    }
}

} // namespace

class TestQuickSort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longTies_data();
    void longTies();
    void currencyTies_data();
    void currencyTies();
    void longBothDirections_data();
    void longBothDirections();
    void currencyBothDirections_data();
    void currencyBothDirections();
    void sameOrderAsTheWrittenSteps_data();
    void sameOrderAsTheWrittenSteps();
    void longRunsOfEqualMoneyKeepTheWrittenOrder();
    void massiveTiesFinish_data();
    void massiveTiesFinish();
    void worstCasesFinish_data();
    void worstCasesFinish();
    void valuesMoveWithTheirKeys_data();
    void valuesMoveWithTheirKeys();
    void emptyArrays();
    void shortIndexIsReported();
};

void TestQuickSort::longTies_data()
{
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<std::vector<qint32>>("order");
    QTest::newRow("four ascending") << qsizetype(4) << true << std::vector<qint32>{2, 3, 0, 1};
    QTest::newRow("four descending") << qsizetype(4) << false << std::vector<qint32>{2, 3, 0, 1};
    QTest::newRow("three") << qsizetype(3) << true << std::vector<qint32>{2, 1, 0};
    QTest::newRow("two") << qsizetype(2) << true << std::vector<qint32>{1, 0};
}

void TestQuickSort::longTies()
{
    QFETCH(qsizetype, count);
    QFETCH(bool, ascending);
    QFETCH(std::vector<qint32>, order);
    std::vector<qint32> keys(count, 7);
    std::vector<qint32> index = positions(count);
    QuickSort().longIndexSort(keys, index, ascending);
    QCOMPARE(index, order);
    QCOMPARE(keys, std::vector<qint32>(count, 7));
}

void TestQuickSort::currencyTies_data()
{
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<std::vector<qint32>>("order");
    QTest::newRow("three ascending") << qsizetype(3) << true << std::vector<qint32>{1, 0, 2};
    QTest::newRow("three descending") << qsizetype(3) << false << std::vector<qint32>{1, 0, 2};
    QTest::newRow("four") << qsizetype(4) << true << std::vector<qint32>{1, 2, 0, 3};
    QTest::newRow("one") << qsizetype(1) << true << std::vector<qint32>{0};
}

void TestQuickSort::currencyTies()
{
    QFETCH(qsizetype, count);
    QFETCH(bool, ascending);
    QFETCH(std::vector<qint32>, order);
    std::vector<Money> keys(count, Money::fromWhole(99999999999));
    std::vector<qint32> index{5, 5}; // replaced by the sort's own positions
    QuickSort().currencyIndexSort(keys, index, ascending);
    QCOMPARE(index, order);
}

void TestQuickSort::longBothDirections_data()
{
    QTest::addColumn<std::vector<qint32>>("keys");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<std::vector<qint32>>("order");
    const std::vector<qint32> keys{3, 1, 2, -5, 14, 0};
    QTest::newRow("ascending") << keys << true << std::vector<qint32>{3, 5, 1, 2, 0, 4};
    QTest::newRow("descending") << keys << false << std::vector<qint32>{4, 0, 2, 1, 5, 3};
    // Two pairs of equal keys: each pair in the order the exchanges leave it.
    const std::vector<qint32> pairs{2, 1, 2, 1};
    QTest::newRow("pairs ascending") << pairs << true << std::vector<qint32>{3, 1, 0, 2};
    QTest::newRow("pairs descending") << pairs << false << std::vector<qint32>{2, 0, 3, 1};
}

void TestQuickSort::longBothDirections()
{
    QFETCH(std::vector<qint32>, keys);
    QFETCH(bool, ascending);
    QFETCH(std::vector<qint32>, order);
    const std::vector<qint32> original = keys;
    std::vector<qint32> index = positions(qsizetype(keys.size()));
    QuickSort().longIndexSort(keys, index, ascending);
    QCOMPARE(index, order);
    verifySorted(original, keys, index, ascending);
}

void TestQuickSort::currencyBothDirections_data()
{
    QTest::addColumn<std::vector<qint64>>("raw");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<std::vector<qint32>>("order");
    const std::vector<qint64> raw{655360'0000, 0, 5851'0000, 99999999999'0000, 450'0000};
    QTest::newRow("ascending") << raw << true << std::vector<qint32>{1, 4, 2, 0, 3};
    QTest::newRow("descending") << raw << false << std::vector<qint32>{3, 0, 2, 4, 1};
    // The vote counts of the popularity ranks: 30, 30, 10 and 10, 30, 30.
    QTest::newRow("counts 30 30 10") << std::vector<qint64>{30, 30, 10} << true << std::vector<qint32>{2, 1, 0};
    QTest::newRow("counts 10 30 30") << std::vector<qint64>{10, 30, 30} << true << std::vector<qint32>{0, 1, 2};
}

void TestQuickSort::currencyBothDirections()
{
    QFETCH(std::vector<qint64>, raw);
    QFETCH(bool, ascending);
    QFETCH(std::vector<qint32>, order);
    const std::vector<Money> original = toMoney(raw);
    std::vector<Money> keys = original;
    std::vector<qint32> index;
    QuickSort().currencyIndexSort(keys, index, ascending);
    QCOMPARE(index, order);
    verifySorted(original, keys, index, ascending);
}

void TestQuickSort::sameOrderAsTheWrittenSteps_data()
{
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<qint64>("distinct");
    QTest::addColumn<bool>("ascending");
    for (bool ascending : {true, false}) {
        const char *direction = ascending ? "ascending" : "descending";
        QTest::addRow("1000 distinct %s", direction) << qsizetype(1000) << qint64(1'000'000) << ascending;
        QTest::addRow("3000 of 15 values %s", direction) << qsizetype(3000) << qint64(15) << ascending;
        QTest::addRow("2000 of 2 values %s", direction) << qsizetype(2000) << qint64(2) << ascending;
        QTest::addRow("5000 equal %s", direction) << qsizetype(5000) << qint64(1) << ascending;
        QTest::addRow("17 of 3 values %s", direction) << qsizetype(17) << qint64(3) << ascending;
        // Long enough for the money sort to share the work between two threads.
        QTest::addRow("1200000 of 40000 values %s", direction) << qsizetype(1'200'000) << qint64(40000) << ascending;
    }
}

void TestQuickSort::sameOrderAsTheWrittenSteps()
{
    QFETCH(qsizetype, count);
    QFETCH(qint64, distinct);
    QFETCH(bool, ascending);
    const std::vector<qint64> raw = randomKeys(count, distinct, quint32(count + distinct));

    std::vector<qint32> longKeys(raw.begin(), raw.end());
    std::vector<qint32> longIndex = positions(count);
    std::vector<qint32> expectedLongKeys = longKeys;
    std::vector<qint32> expectedLongIndex = longIndex;
    Literal<qint32>{expectedLongKeys, expectedLongIndex, ascending}.exchangeSort(0, count - 1);
    QuickSort().longIndexSort(longKeys, longIndex, ascending);
    QCOMPARE(longIndex, expectedLongIndex);
    QCOMPARE(longKeys, expectedLongKeys);

    const std::vector<Money> originalMoney = toMoney(raw);
    std::vector<Money> moneyKeys = originalMoney;
    std::vector<qint32> moneyIndex;
    QuickSort().currencyIndexSort(moneyKeys, moneyIndex, ascending);
    QCOMPARE(moneyIndex, writtenPivotFirstOrder(originalMoney, ascending));
    verifySorted(originalMoney, moneyKeys, moneyIndex, ascending);
}

// Runs of equal estimates (the ceiling, 0) at both ends and in the middle: as
// written the pivot-first steps scan once per key, yet the order must be theirs.
void TestQuickSort::longRunsOfEqualMoneyKeepTheWrittenOrder()
{
    const qsizetype count = 30000;
    QRandomGenerator random(434);
    std::vector<Money> keys(count);
    for (Money &key : keys) {
        switch (random.bounded(4)) {
        case 0: key = Money::fromWhole(99999999999); break;
        case 1: key = Money(); break;
        case 2: key = Money::fromWhole(5851); break;
        default: key = Money::fromWhole(random.bounded(1000000)); break;
        }
    }
    for (bool ascending : {true, false}) {
        std::vector<Money> sorted = keys;
        std::vector<qint32> index;
        QuickSort().currencyIndexSort(sorted, index, ascending);
        QCOMPARE(index, writtenPivotFirstOrder(keys, ascending));
    }
}

void TestQuickSort::massiveTiesFinish_data()
{
    QTest::addColumn<qint64>("distinct");
    QTest::addColumn<bool>("ascending");
    QTest::newRow("all equal ascending") << qint64(1) << true;
    QTest::newRow("all equal descending") << qint64(1) << false;
    QTest::newRow("three values ascending") << qint64(3) << true;
    QTest::newRow("three values descending") << qint64(3) << false;
}

// Every possible single with one key value or three: finishes, and sorts.
void TestQuickSort::massiveTiesFinish()
{
    QFETCH(qint64, distinct);
    QFETCH(bool, ascending);
    const qsizetype count = 4782969;
    const std::vector<qint64> raw = randomKeys(count, distinct, 14);

    const std::vector<Money> originalMoney = toMoney(raw);
    std::vector<Money> moneyKeys = originalMoney;
    std::vector<qint32> moneyIndex;
    QuickSort().currencyIndexSort(moneyKeys, moneyIndex, ascending);
    verifySorted(originalMoney, moneyKeys, moneyIndex, ascending);

    const std::vector<qint32> originalLong(raw.begin(), raw.end());
    std::vector<qint32> longKeys = originalLong;
    std::vector<qint32> longIndex = positions(count);
    QuickSort().longIndexSort(longKeys, longIndex, ascending);
    verifySorted(originalLong, longKeys, longIndex, ascending);
}

void TestQuickSort::worstCasesFinish_data()
{
    QTest::addColumn<bool>("ascending");
    QTest::newRow("ascending") << true;
    QTest::newRow("descending") << false;
}

// Lists on which the written steps need n²/2 comparisons: 10^12 here.
void TestQuickSort::worstCasesFinish()
{
    QFETCH(bool, ascending);
    const qsizetype count = 1'500'000;
    auto mirrored = [&](std::vector<qint64> keys) {
        if (!ascending)
            for (qint64 &key : keys)
                key = -key;
        return keys;
    };

    const std::vector<qint64> exchangeRaw = mirrored(exchangeSortWorstCase(count));
    const std::vector<qint32> originalLong(exchangeRaw.begin(), exchangeRaw.end());
    std::vector<qint32> longKeys = originalLong;
    std::vector<qint32> longIndex = positions(count);
    QuickSort().longIndexSort(longKeys, longIndex, ascending);
    verifySorted(originalLong, longKeys, longIndex, ascending);

    const std::vector<Money> originalMoney = toMoney(mirrored(pivotFirstWorstCase(count)));
    std::vector<Money> moneyKeys = originalMoney;
    std::vector<qint32> moneyIndex;
    QuickSort().currencyIndexSort(moneyKeys, moneyIndex, ascending);
    verifySorted(originalMoney, moneyKeys, moneyIndex, ascending);
    // The two threads meet the runaway guards in their own order each time;
    // the guards must not let that show.
    std::vector<Money> againKeys = originalMoney;
    std::vector<qint32> againIndex;
    QuickSort().currencyIndexSort(againKeys, againIndex, ascending);
    QCOMPARE(againIndex, moneyIndex);
}

void TestQuickSort::valuesMoveWithTheirKeys_data()
{
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<bool>("ascending");
    QTest::newRow("3000 ascending") << qsizetype(3000) << true;
    QTest::newRow("3000 descending") << qsizetype(3000) << false;
    QTest::newRow("1200000 on two threads") << qsizetype(1'200'000) << true;
}

// Sorting with the caller's values is sorting with positions and reading
// the values through them.
void TestQuickSort::valuesMoveWithTheirKeys()
{
    QFETCH(qsizetype, count);
    QFETCH(bool, ascending);
    const std::vector<Money> original = toMoney(randomKeys(count, count / 30, 77));
    std::vector<Money> indexKeys = original;
    std::vector<qint32> index;
    QuickSort().currencyIndexSort(indexKeys, index, ascending);

    std::vector<qint32> values(static_cast<size_t>(count));
    QRandomGenerator random(78);
    for (qint32 &value : values)
        value = qint32(random.bounded(5'000'000));
    const std::vector<qint32> originalValues = values;
    std::vector<Money> keys = original;
    QuickSort().currencySort(keys, values, ascending);
    QCOMPARE(keys, indexKeys);
    for (size_t k = 0; k < values.size(); ++k)
        QCOMPARE(values[k], originalValues[size_t(index[k])]);
}

void TestQuickSort::emptyArrays()
{
    RecordingUi ui;
    std::vector<qint32> longKeys;
    std::vector<qint32> longIndex;
    QuickSort().longIndexSort(longKeys, longIndex, true);
    std::vector<Money> moneyKeys;
    std::vector<qint32> moneyIndex{3};
    QuickSort().currencyIndexSort(moneyKeys, moneyIndex, false);
    QVERIFY(moneyIndex.empty());
    QVERIFY(ui.boxes().isEmpty());
}

void TestQuickSort::shortIndexIsReported()
{
    RecordingUi ui;
    std::vector<qint32> keys{3, 2, 1};
    std::vector<qint32> index{0, 1};
    QuickSort().longIndexSort(keys, index, true);
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Error);
    QVERIFY(ui.boxes()[0].title.endsWith(QStringLiteral(" / clsQuickSort / LongIndexSort")));
    QVERIFY(ui.boxes()[0].text.endsWith(QStringLiteral(" ( 9 )")));
    QCOMPARE(keys, (std::vector<qint32>{3, 2, 1}));

    const std::vector<Money> moneyKeys{Money::fromWhole(3), Money::fromWhole(2)};
    std::vector<Money> sorted = moneyKeys;
    std::vector<qint32> values{7};
    QuickSort().currencySort(sorted, values, true);
    QCOMPARE(ui.boxes().size(), 2);
    QVERIFY(ui.boxes()[1].title.endsWith(QStringLiteral(" / clsQuickSort / CurrencyIndexSort")));
    QCOMPARE(sorted, moneyKeys);
    QCOMPARE(values, std::vector<qint32>{7});
}

QTEST_GUILESS_MAIN(TestQuickSort)
#include "TestQuickSort.moc"
