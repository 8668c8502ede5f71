#include "support/EventPacer.h"

#include <QTest>

class TestEventPacer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eventsRunOncePerInterval_data();
    void eventsRunOncePerInterval();
};

void TestEventPacer::eventsRunOncePerInterval_data()
{
    QTest::addColumn<QList<qint64>>("offers");   // clock at each offer, ms
    QTest::addColumn<QList<bool>>("due");
    QTest::newRow("first offer") << QList<qint64>{5} << QList<bool>{true};
    QTest::newRow("offers close together")
        << QList<qint64>{0, 1, 10, 39, 40, 41, 79, 80} << QList<bool>{true, false, false, false, true, false, false, true};
    QTest::newRow("interval counted from the last run, not the last offer")
        << QList<qint64>{100, 130, 160, 141, 200} << QList<bool>{true, false, true, false, true};
    QTest::newRow("slow offers all run") << QList<qint64>{0, 50, 100, 1000} << QList<bool>{true, true, true, true};
}

void TestEventPacer::eventsRunOncePerInterval()
{
    QFETCH(QList<qint64>, offers);
    QFETCH(QList<bool>, due);
    qint64 now = 0;
    EventPacer pacer([&] { return now; });
    QList<bool> ran;
    for (const qint64 at : offers) {
        now = at;
        ran.append(pacer.due());
    }
    QCOMPARE(ran, due);
}

QTEST_GUILESS_MAIN(TestEventPacer)
#include "TestEventPacer.moc"
