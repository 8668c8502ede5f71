#include "support/LargeTableAllocator.h"

#include <QTest>

#include <cstdint>
#include <numeric>
#include <vector>

class TestLargeTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tablesHoldWhatIsWritten_data();
    void tablesHoldWhatIsWritten();
};

void TestLargeTable::tablesHoldWhatIsWritten_data()
{
    QTest::addColumn<qsizetype>("size");
    QTest::newRow("from the heap") << qsizetype(1000);
    QTest::newRow("just under a huge page") << qsizetype((2 << 20) - 1);
    QTest::newRow("several huge pages and a bit") << qsizetype(5 * (2 << 20) + 7);
}

// Filled, grown and shrunk like the mark tables: every entry keeps its value,
// and a large table starts on a huge-page boundary.
void TestLargeTable::tablesHoldWhatIsWritten()
{
    QFETCH(qsizetype, size);
    std::vector<quint8, LargeTableAllocator<quint8>> table(size_t(size), 1);
    std::iota(table.begin(), table.end(), quint8(0));
    if (size >= (2 << 20))
        QCOMPARE(reinterpret_cast<std::uintptr_t>(table.data()) % (2 << 20), std::uintptr_t(0));
    table.resize(table.size() * 2, 9);
    for (size_t i = 0; i < table.size(); ++i)
        QCOMPARE(table[i], i < size_t(size) ? quint8(i) : quint8(9));
    table.clear();
    table.shrink_to_fit();
    QVERIFY(table.empty());
}

QTEST_GUILESS_MAIN(TestLargeTable)
#include "TestLargeTable.moc"
