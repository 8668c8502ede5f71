#include "support/Money.h"
#include "support/RuntimeError.h"

#include <QTest>

// Money times money: exact, rounded half to even at the fourth decimal, and
// wide enough for a prize times its winners.
class TestMoneyProduct : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void product_data();
    void product();
    void overflowThrows();
};

void TestMoneyProduct::product_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << "1234" << "5" << "6170";
    QTest::newRow("fractions") << "0.78" << "50" << "39";
    QTest::newRow("half to even, down") << "0.0001" << "0.5" << "0";
    QTest::newRow("half to even, up") << "0.0003" << "0.5" << "0.0002";
    QTest::newRow("negative") << "-2.5" << "0.0001" << "-0.0002";
    // 1.2 billion yen times 5,000 winners: far beyond 64 bits before the scale comes off.
    QTest::newRow("large prize, many winners") << "1200000000" << "5000" << "6000000000000";
    QTest::newRow("zero") << "0" << "99999999999" << "0";
}

void TestMoneyProduct::product()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    const Money product = *Money::parse(left) * *Money::parse(right);
    QTEST(product.toString(), "expected");
}

void TestMoneyProduct::overflowThrows()
{
    const Money big = Money::fromWhole(100000000000LL);   // 10^11 yen
    try {
        (void)(big * big);
        QFAIL("no overflow");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), int(RuntimeError::Overflow));
    }
}

QTEST_GUILESS_MAIN(TestMoneyProduct)
#include "TestMoneyProduct.moc"
