#include "support/DisplayScale.h"
#include "common/GridReadback.h"
#include "common/RecordingSurface.h"
#include "common/RecordingUi.h"
#include "singles/EstimateTable.h"
#include "support/WinColor.h"

#include <QTest>

using namespace GridReadback;

// The estimate table beside the single sheet: money texts, layout, the mark
// and popularity counts of a single, read back from its grid.
class TestEstimateTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void moneyText_data();
    void moneyText();
    void layout_data();
    void layout();
    void withoutVoteData();
    void estimatesAndRanks();
    void emptySlotShowsEmptyCells();
    void rankTies_data();
    void rankTies();
    void roundWithoutVotesCountsEveryOutcomeAlike();

private:
    static VoteData votes(int roundNumber, qint64 count0, qint64 count1, qint64 count2);
    static constexpr qint32 AllOnes = 2391484;   // (3^14 - 1) / 2: mark "1" on every match
};

void TestEstimateTable::init()
{
    DisplayScale::setDpiSource([] { return DisplayScale::Dpi{96, 96}; });
}

void TestEstimateTable::cleanup()
{
    DisplayScale::setDpiSource({});
}

VoteData TestEstimateTable::votes(int roundNumber, qint64 count0, qint64 count1, qint64 count2)
{
    VoteData vote;
    vote.roundNumber = roundNumber;
    for (int match = 1; match <= 14; ++match) {
        auto &shares = vote.game[std::size_t(match)].votes;
        shares[0].count = Money::fromWhole(count0);
        shares[1].count = Money::fromWhole(count1);
        shares[2].count = Money::fromWhole(count2);
    }
    return vote;
}

void TestEstimateTable::moneyText_data()
{
    QTest::addColumn<qint64>("yen");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << Q_INT64_C(0) << "";
    QTest::newRow("one yen") << Q_INT64_C(1) << "1円";
    QTest::newRow("negative") << Q_INT64_C(-500) << "-500円";
    QTest::newRow("8,500") << Q_INT64_C(8500) << "8500円";
    QTest::newRow("9,999") << Q_INT64_C(9999) << "9999円";
    QTest::newRow("10,000") << Q_INT64_C(10000) << "1.00万";
    QTest::newRow("12,345") << Q_INT64_C(12345) << "1.23万";
    QTest::newRow("12,355 rounds up") << Q_INT64_C(12355) << "1.24万";
    QTest::newRow("99,999") << Q_INT64_C(99999) << "10.00万";
    QTest::newRow("100,000") << Q_INT64_C(100000) << "10万";
    QTest::newRow("1,234,567") << Q_INT64_C(1234567) << "123万";
    QTest::newRow("99,999,999") << Q_INT64_C(99999999) << "9999万";
    QTest::newRow("100,000,000") << Q_INT64_C(100000000) << "1億";
    QTest::newRow("123,456,789") << Q_INT64_C(123456789) << "1.23億";
    QTest::newRow("150,000,000") << Q_INT64_C(150000000) << "1.5億";
    QTest::newRow("999,999,999") << Q_INT64_C(999999999) << "9.99億";
    QTest::newRow("1,000,000,000") << Q_INT64_C(1000000000) << "10億";
    QTest::newRow("12,345,678,901") << Q_INT64_C(12345678901) << "123億";
    QTest::newRow("99,999,999,998") << Q_INT64_C(99999999998) << "999億";
    QTest::newRow("99,999,999,999") << Q_INT64_C(99999999999) << "****億";
    QTest::newRow("above the ceiling") << Q_INT64_C(500000000000) << "****億";
}

void TestEstimateTable::moneyText()
{
    QFETCH(qint64, yen);
    QTEST(EstimateTable::getMoneyText(Money::fromWhole(yen)), "text");
}

void TestEstimateTable::layout_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("headerWidth");
    QTest::addColumn<int>("slotWidth");
    QTest::addColumn<int>("rowHeight");
    QTest::newRow("96 dpi") << 96.0 << 112 << 52 << 28;
    QTest::newRow("144 dpi") << 144.0 << 168 << 78 << 42;
}

void TestEstimateTable::layout()
{
    QFETCH(double, dpi);
    QFETCH(int, headerWidth);
    QFETCH(int, slotWidth);
    QFETCH(int, rowHeight);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{dpi, dpi}; });
    RecordingSurface surface;
    EstimateTable table;
    table.initialize(&surface, 52, 28);
    const CellGrid &grid = table.grid();
    QCOMPARE(grid.cols(), 11);
    QCOMPARE(grid.rows(), 5);
    QCOMPARE(grid.colWidth(1), headerWidth);
    QCOMPARE(grid.colWidth(11), slotWidth);
    QCOMPARE(grid.rowHeight(5), rowHeight);
    QCOMPARE(surface.size(), QSize(headerWidth + 1 + 10 * (slotWidth + 1) + 1, 5 * (rowHeight + 1) + 1));
    QCOMPARE(surface.fontSize(), 10.0);
    QCOMPARE(column(grid, 1, 1, 5),
             (QStringList{"１等推定金額", "２等推定金額", "３等推定金額", "1-0-2マーク", "1-2-3番人気"}));
    QCOMPARE(backColors(grid, 6, 1, 5), (QList<quint32>{WinColor::White, WinColor::LightYellow, WinColor::White,
                                                        WinColor::LightYellow, WinColor::White}));
    QCOMPARE(grid.backColor(1, 4), WinColor::LightYellow);
    for (int row = 1; row <= 5; ++row)
        QCOMPARE(grid.Alignment(2, row), qint16(row <= 3 ? CellGrid::AlignRight : CellGrid::AlignCenter));
}

void TestEstimateTable::withoutVoteData()
{
    RecordingSurface surface;
    EstimateTable table;
    table.initialize(&surface, 52, 28);
    QVERIFY(!table.ranksPresent());
    table.setData(0, 0);   // every mark "0"
    table.setData(9, AllOnes);
    QCOMPARE(column(table.grid(), 2, 1, 5), (QStringList{"", "", "", "0-14-0", ""}));
    QCOMPARE(column(table.grid(), 11, 1, 5), (QStringList{"", "", "", "14-0-0", ""}));

    // After vote data, an empty record takes the ranks and the estimates away again.
    table.setVoteData(votes(1478, 30, 50, 20));
    QVERIFY(table.ranksPresent());
    table.setVoteData(VoteData());
    QVERIFY(!table.ranksPresent());
    QCOMPARE(table.rank(0, 2), quint8(0));
    table.setData(0, 0);
    QCOMPARE(column(table.grid(), 2, 1, 5), (QStringList{"", "", "", "0-14-0", ""}));
}

void TestEstimateTable::estimatesAndRanks()
{
    RecordingSurface surface;
    EstimateTable table;
    table.initialize(&surface, 52, 28);
    // Every match: 50% on "1", 30% on "0", 20% on "2".
    table.setVoteData(votes(1478, 30, 50, 20));
    QVERIFY(table.ranksPresent());
    QCOMPARE(table.rank(6, 1), quint8(0));
    QCOMPARE(table.rank(6, 0), quint8(1));
    QCOMPARE(table.rank(6, 2), quint8(2));

    const int refreshes = surface.refreshes().size();
    table.setData(3, AllOnes);
    QCOMPARE(surface.refreshes().size(), refreshes + 1);
    // 39 x 2^14 = 638,976; 5 x 2^14 / 14 = 5,851.43; 2 x 2^14 / 91 = 360.08.
    QCOMPARE(column(table.grid(), 5, 1, 5), (QStringList{"63万", "5851円", "360円", "14-0-0", "14-0-0"}));

    // Code 2: "2" on match 1, "0" everywhere else.
    table.setData(4, 2);
    QCOMPARE(table.grid().caption(6, 4), QStringLiteral("0-13-1"));
    QCOMPARE(table.grid().caption(6, 5), QStringLiteral("0-13-1"));
}

void TestEstimateTable::emptySlotShowsEmptyCells()
{
    RecordingSurface surface;
    EstimateTable table;
    table.initialize(&surface, 52, 28);
    table.setVoteData(votes(1478, 30, 50, 20));
    table.setData(2, AllOnes);
    QVERIFY(!table.grid().caption(4, 1).isEmpty());
    table.setData(2, -1);
    QCOMPARE(column(table.grid(), 4, 1, 5), QStringList(5, QString()));
}

void TestEstimateTable::rankTies_data()
{
    QTest::addColumn<QList<qint64>>("counts");   // of mark codes 0, 1, 2
    QTest::addColumn<QList<int>>("ranks");       // of mark codes 0, 1, 2
    QTest::newRow("three equal") << QList<qint64>{5, 5, 5} << QList<int>{1, 2, 0};
    QTest::newRow("0 and 1 tie at the top") << QList<qint64>{30, 30, 10} << QList<int>{0, 1, 2};
    QTest::newRow("1 and 2 tie at the top") << QList<qint64>{10, 30, 30} << QList<int>{2, 1, 0};
    QTest::newRow("all different") << QList<qint64>{200, 100, 300} << QList<int>{1, 2, 0};
}

void TestEstimateTable::rankTies()
{
    QFETCH(QList<qint64>, counts);
    QFETCH(QList<int>, ranks);
    RecordingSurface surface;
    EstimateTable table;
    table.initialize(&surface, 52, 28);
    table.setVoteData(votes(1478, counts[0], counts[1], counts[2]));
    for (int mark = 0; mark < 3; ++mark)
        QCOMPARE(int(table.rank(13, mark)), ranks[mark]);
}

void TestEstimateTable::roundWithoutVotesCountsEveryOutcomeAlike()
{
    RecordingSurface surface;
    EstimateTable table;
    table.initialize(&surface, 52, 28);
    table.setVoteData(votes(1478, 0, 0, 0));
    table.setData(0, 0);
    // 39 x 3^14 = 186,535,791 yen.
    QCOMPARE(table.grid().caption(2, 1), QStringLiteral("1.86億"));
    QVERIFY(table.ranksPresent());
}

QTEST_GUILESS_MAIN(TestEstimateTable)
#include "TestEstimateTable.moc"
