#include "support/TwoThreads.h"

#include <QTest>

// Not a test of the program: a data race of our own, built only with
// ThreadSanitizer. The run of the two-thread tests starts it first and stops
// unless ThreadSanitizer reports it, so that the suppressions kept for the
// Qt libraries can never hide a race in our code.
class PlantedRace : public QObject
{
    Q_OBJECT

private slots:
    void bothThreadsWriteOneCounter();
};

namespace {

int unguardedCounter = 0;

void raceOnUnguardedCounter(int share)
{
    for (int i = 0; i < 1000; ++i)
        unguardedCounter += share + 1;
}

} // namespace

void PlantedRace::bothThreadsWriteOneCounter()
{
    runOnTwoThreads(raceOnUnguardedCounter);
    QVERIFY(unguardedCounter > 0);
}

QTEST_GUILESS_MAIN(PlantedRace)
#include "PlantedRace.moc"
