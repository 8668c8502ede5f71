#include "lottery/LotteryRules.h"

#include <QTest>

class TestLotteryRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void maxGrade_data();
    void maxGrade();
    void oneSharedObject();
};

void TestLotteryRules::maxGrade_data()
{
    QTest::addColumn<int>("roundNumber");
    QTest::addColumn<int>("grade");
    QTest::newRow("no round") << 0 << 4;
    QTest::newRow("empty round box") << -1 << 4;
    QTest::newRow("first round") << 1 << 4;
    QTest::newRow("last four-grade round") << 434 << 4;
    QTest::newRow("first five-grade round") << 435 << 5;
    QTest::newRow("last five-grade round") << 608 << 5;
    QTest::newRow("first six-grade round") << 609 << 6;
    QTest::newRow("recent round") << 1478 << 6;
}

void TestLotteryRules::maxGrade()
{
    QFETCH(int, roundNumber);
    QFETCH(int, grade);
    QCOMPARE(LotteryRules::shared().getMaxGrade(roundNumber), grade);
}

void TestLotteryRules::oneSharedObject()
{
    QCOMPARE(&LotteryRules::shared(), &LotteryRules::shared());
}

QTEST_GUILESS_MAIN(TestLotteryRules)
#include "TestLotteryRules.moc"
