#include "app/JobRunner.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <stdexcept>
#include <thread>

namespace {

// A job that runs until 中止 is pressed, as a long load does between its checks.
int untilStopped(JobControl &control)
{
    while (!control.stopRequested())
        std::this_thread::yield();
    return 7;
}

struct Applied
{
    int calls = 0;
    JobEnd::Kind kind = JobEnd::Finished;
    int result = -1;
    bool onWindowThread = false;
    QString failure;

    std::function<void(const JobEnd &, int)> recorder()
    {
        return [this](const JobEnd &end, int value) {
            ++calls;
            kind = end.kind;
            result = value;
            onWindowThread = QThread::currentThread() == QCoreApplication::instance()->thread();
            if (end.failure) {
                try {
                    std::rethrow_exception(end.failure);
                } catch (const std::exception &error) {
                    failure = QString::fromUtf8(error.what());
                }
            }
        };
    }
};

constexpr int LongWait = 30000;

} // namespace

class TestJobRunner : public QObject
{
    Q_OBJECT

private slots:
    void finishedJobHandsItsResultToTheWindowThread();
    void secondJobIsRefusedWhileOneRuns();
    void stoppedJobGivesNoResult();
    void failureReachesTheWindowThread();
    void stopAndWaitEndsTheJobAtOnce();
    void latestProgressReachesTheWindow();
    void destroyingTheRunnerEndsItsJob();
    void closingOnAProgressReportEndsTheJobOnce();
};

void TestJobRunner::finishedJobHandsItsResultToTheWindowThread()
{
    JobRunner runner;
    QSignalSpy running(&runner, &JobRunner::runningChanged);
    Applied applied;
    QVERIFY(runner.start<int>([](JobControl &) { return 6 * 7; }, applied.recorder()));
    QVERIFY(runner.isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(applied.calls, 1, LongWait);
    QCOMPARE(applied.kind, JobEnd::Finished);
    QCOMPARE(applied.result, 42);
    QVERIFY(applied.onWindowThread);
    QVERIFY(!runner.isRunning());
    QCOMPARE(running.count(), 2);
    QCOMPARE(running.at(0).at(0).toBool(), true);
    QCOMPARE(running.at(1).at(0).toBool(), false);
}

void TestJobRunner::secondJobIsRefusedWhileOneRuns()
{
    JobRunner runner;
    Applied first;
    Applied second;
    QVERIFY(runner.start<int>(untilStopped, first.recorder()));
    QVERIFY(!runner.start<int>([](JobControl &) { return 1; }, second.recorder()));
    runner.requestStop();
    QTRY_COMPARE_WITH_TIMEOUT(first.calls, 1, LongWait);
    QCoreApplication::processEvents();
    QCOMPARE(second.calls, 0);
    // Once the first has ended, the next may start.
    QVERIFY(runner.start<int>([](JobControl &) { return 1; }, second.recorder()));
    QTRY_COMPARE_WITH_TIMEOUT(second.calls, 1, LongWait);
    QCOMPARE(second.result, 1);
}

void TestJobRunner::stoppedJobGivesNoResult()
{
    JobRunner runner;
    Applied applied;
    QVERIFY(runner.start<int>(untilStopped, applied.recorder()));
    runner.requestStop();
    QTRY_COMPARE_WITH_TIMEOUT(applied.calls, 1, LongWait);
    QCOMPARE(applied.kind, JobEnd::Stopped);
    QCOMPARE(applied.result, 0);
    QVERIFY(!runner.isRunning());
}

void TestJobRunner::failureReachesTheWindowThread()
{
    JobRunner runner;
    Applied applied;
    QVERIFY(runner.start<int>([](JobControl &) -> int { throw std::runtime_error("disk full"); }, applied.recorder()));
    QTRY_COMPARE_WITH_TIMEOUT(applied.calls, 1, LongWait);
    QCOMPARE(applied.kind, JobEnd::Failed);
    QCOMPARE(applied.failure, QStringLiteral("disk full"));
    QVERIFY(applied.onWindowThread);
    QCOMPARE(applied.result, 0);
}

void TestJobRunner::stopAndWaitEndsTheJobAtOnce()
{
    JobRunner runner;
    Applied applied;
    QVERIFY(runner.start<int>(untilStopped, applied.recorder()));
    runner.stopAndWait();
    QCOMPARE(applied.calls, 1);
    QCOMPARE(applied.kind, JobEnd::Stopped);
    QVERIFY(!runner.isRunning());
    // The end the job's thread queued finds no job any more.
    QCoreApplication::processEvents();
    QCOMPARE(applied.calls, 1);
}

void TestJobRunner::latestProgressReachesTheWindow()
{
    JobRunner runner;
    QSignalSpy progress(&runner, &JobRunner::progressChanged);
    std::atomic<bool> reported{false};
    Applied applied;
    QVERIFY(runner.start<int>(
        [&reported](JobControl &control) {
            for (int i = 1; i <= 10000; ++i)
                control.setProgress(i, 10000, QStringLiteral("読み込み中"));
            reported = true;
            return untilStopped(control);
        },
        applied.recorder()));
    QTRY_VERIFY_WITH_TIMEOUT(reported && !progress.isEmpty()
                                 && progress.constLast().at(0).toLongLong() == 10000,
                             LongWait);
    QCOMPARE(progress.constLast().at(1).toLongLong(), 10000);
    QCOMPARE(progress.constLast().at(2).toString(), QStringLiteral("読み込み中"));
    runner.stopAndWait();
    QCOMPARE(applied.kind, JobEnd::Stopped);
}

void TestJobRunner::destroyingTheRunnerEndsItsJob()
{
    auto runner = std::make_unique<JobRunner>();
    Applied applied;
    std::atomic<bool> started{false};
    QVERIFY(runner->start<int>(
        [&started](JobControl &control) {
            started = true;
            return untilStopped(control);
        },
        applied.recorder()));
    QTRY_VERIFY_WITH_TIMEOUT(started, LongWait);
    runner.reset();
    QCoreApplication::processEvents();
    QCOMPARE(applied.calls, 0);
}

// The window closes while it shows the job's progress: the end the same look
// found is not applied a second time.
void TestJobRunner::closingOnAProgressReportEndsTheJobOnce()
{
    JobRunner runner;
    Applied applied;
    connect(&runner, &JobRunner::progressChanged, &runner, [&runner] { runner.stopAndWait(); });
    QVERIFY(runner.start<int>(
        [](JobControl &control) {
            control.setProgress(1, 1);
            return 5;
        },
        applied.recorder()));
    QTRY_COMPARE_WITH_TIMEOUT(applied.calls, 1, LongWait);
    QCoreApplication::processEvents();
    QCOMPARE(applied.calls, 1);
    QVERIFY(!runner.isRunning());
}

QTEST_GUILESS_MAIN(TestJobRunner)
#include "TestJobRunner.moc"
