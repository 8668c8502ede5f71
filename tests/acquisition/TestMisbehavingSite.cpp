#include "acquisition/BigSettings.h"
#include "acquisition/HttpTransfer.h"
#include "acquisition/TeamNameUpdate.h"
#include "acquisition/ScheduleWorkflow.h"
#include "acquisition/LoggedDownload.h"
#include "common/OfficialSite.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// The ways an overloaded site fails on result day, each against the real HTTP
// client on loopback: the download ends within its limits with one box,
// writes nothing, leaves the old file as it was, and the next one works.
namespace {

using Response = LoopbackHttpServer::Response;
// Makes the misbehaving answer, given the server's origin.
using Misbehaviour = std::function<Response(const QString &origin)>;

const QString kind = QStringLiteral("開催情報");
const QString versionAddress = QStringLiteral("/download/2021/version.dat");
const QString teamName2 = QStringLiteral("SysData/TeamName2.dat");

// The limits of the rows that test the deadline, far below the program's own
// so that the idle time-out and the deadline can be told apart in seconds.
constexpr qint32 receiveTimeout = 4000;
constexpr qint32 deadline = 2000;
// The limits of everything else: far beyond any stall of a busy machine, so
// that only the server's behaviour ends those downloads.
constexpr qint32 longReceiveTimeout = 30000;
constexpr qint32 longDeadline = 60000;

QStringList sysDataFiles(const TestAppFolder &app)
{
    return QDir(app.path() + QStringLiteral("/SysData")).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name)
         + QDir(app.path() + QStringLiteral("/SysData/BIG_Schedule")).entryList(QDir::Files, QDir::Name);
}

} // namespace

Q_DECLARE_METATYPE(Misbehaviour)

class TestMisbehavingSite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pageDownloadFailsInTime_data();
    void pageDownloadFailsInTime();
    void teamNameUpdateFailsInTime_data();
    void teamNameUpdateFailsInTime();
    void decompressionBombGivesNothing();
    void stopEndsTheTransferAtOnce();
    void endingTheProgramStopsAndTellsNothing();

private:
    void misbehaviours();
    // Set the limits in the settings the next clients copy.
    static void shortLimits();
    static void longLimits();

    std::unique_ptr<DownloadTestBed> m_bed;
};

void TestMisbehavingSite::init()
{
    m_bed = std::make_unique<DownloadTestBed>();
    QVERIFY(m_bed->site.isListening());
    longLimits();
}

void TestMisbehavingSite::cleanup()
{
    m_bed.reset();
    setBigSettingsDefaults();
}

void TestMisbehavingSite::shortLimits()
{
    bigSettings().receiveTimeout = receiveTimeout;
    bigSettings().transferTimeout = deadline;
}

void TestMisbehavingSite::longLimits()
{
    bigSettings().receiveTimeout = longReceiveTimeout;
    bigSettings().transferTimeout = longDeadline;
}

void TestMisbehavingSite::misbehaviours()
{
    QTest::addColumn<Misbehaviour>("misbehaviour");
    QTest::addColumn<qint64>("atLeast");     // ms: the limit that must end it; 0: it ends by itself
    QTest::addColumn<qint64>("below");       // ms: well before any other limit
    QTest::addColumn<QString>("logLine");    // the reason in the connection log, if one is told

    const auto fixed = [](const Response &response) { return Misbehaviour([response](const QString &) { return response; }); };
    QTest::newRow("one byte at a time, never ending")
        << fixed(LoopbackHttpServer::trickle()) << qint64(deadline) << qint64(30000)
        << QStringLiteral(" 受信が2秒以内に終わらないため中止しました");
    Response silent;
    silent.delivery = Response::Delivery::NeverAnswer;
    QTest::newRow("accepts and never answers") << fixed(silent) << qint64(deadline) << qint64(30000) << QString();
    QTest::newRow("promises 5000 bytes, sends 112, closes")
        << fixed(LoopbackHttpServer::cutShort()) << qint64(0) << qint64(longReceiveTimeout) << QString();
    QTest::newRow("resets half way") << fixed(LoopbackHttpServer::resetHalfWay()) << qint64(0)
                                     << qint64(longReceiveTimeout) << QString();
    QTest::newRow("HTTP 500") << fixed(LoopbackHttpServer::status(500)) << qint64(0) << qint64(longReceiveTimeout)
                              << QStringLiteral(" サーバーの異常のため読み込みません (HTTP 500)");
    QTest::newRow("HTTP 503") << fixed(LoopbackHttpServer::status(503)) << qint64(0) << qint64(longReceiveTimeout)
                              << QStringLiteral(" サーバーの異常のため読み込みません (HTTP 503)");
    QTest::newRow("256 MiB of zeros, deflated") << fixed(LoopbackHttpServer::zeroBomb()) << qint64(0)
                                               << qint64(longReceiveTimeout) << QString();
}

void TestMisbehavingSite::pageDownloadFailsInTime_data()
{
    misbehaviours();
    const QString address = OfficialSite::scheduleAddress(1478);
    QTest::newRow("redirects to itself forever")
        << Misbehaviour([address](const QString &origin) { return LoopbackHttpServer::redirectTo(origin + address); })
        << qint64(0) << qint64(longReceiveTimeout) << QStringLiteral(" 転送");
    QTest::newRow("redirects round and round")
        << Misbehaviour([address](const QString &origin) { return LoopbackHttpServer::redirectTo(origin + address + QStringLiteral("&again")); })
        << qint64(0) << qint64(longReceiveTimeout) << QStringLiteral(" 転送");
    QTest::newRow("redirects to another host")
        << Misbehaviour([address](const QString &origin) {
               return LoopbackHttpServer::redirectTo(QString(origin).replace(QStringLiteral("127.0.0.1"), QStringLiteral("localhost")) + address);
           })
        << qint64(0) << qint64(longReceiveTimeout) << QStringLiteral(" 別のサイトへの転送を断りました：http://localhost:");
}

void TestMisbehavingSite::pageDownloadFailsInTime()
{
    QFETCH(Misbehaviour, misbehaviour);
    QFETCH(qint64, atLeast);
    QFETCH(qint64, below);
    QFETCH(QString, logLine);
    const QString address = OfficialSite::scheduleAddress(1478);
    m_bed->site.serve(address, misbehaviour(m_bed->site.origin()));
    m_bed->site.serve(address + QStringLiteral("&again"), LoopbackHttpServer::redirectTo(m_bed->site.origin() + address));
    const QStringList filesBefore = sysDataFiles(m_bed->app);
    if (atLeast > 0)
        shortLimits();
    auto schedule = std::make_unique<ScheduleWorkflow>();
    schedule->initialize();

    QElapsedTimer clock;
    clock.start();
    QVERIFY(!schedule->getSchedule(1478, QString(), 3, false));
    const qint64 elapsed = clock.elapsed();
    schedule->falseDialog(1478);
    qInfo("%s: failed after %lld ms", QTest::currentDataTag(), elapsed);
    QVERIFY2(elapsed >= atLeast && elapsed < below, qPrintable(QString::number(elapsed)));

    QCOMPARE(boxLines(m_bed->ui), QStringList{failureBox(kind)});
    QCOMPARE(sysDataFiles(m_bed->app), filesBefore);
    QCOMPARE(m_bed->ui.closedConnectionLogs().size(), 1);
    const QStringList log = m_bed->ui.closedConnectionLogs().first();
    if (!logLine.isEmpty())
        QVERIFY2(std::any_of(log.cbegin(), log.cend(), [&](const QString &line) { return line.startsWith(logLine); }),
                 qPrintable(log.join(u'\n')));
    if (QString(QTest::currentDataTag()) == QLatin1String("redirects to another host"))
        QCOMPARE(m_bed->site.requests(), 1);

    // The program is as usable as before. After a row with the short limits
    // a workflow made anew takes the long ones, so that no stall of the
    // machine can end this download.
    if (atLeast > 0) {
        longLimits();
        schedule = std::make_unique<ScheduleWorkflow>();
        schedule->initialize();
    }
    m_bed->ui.clear();
    QVERIFY(schedule->getSchedule(1476, QString(), 3, false));
    QVERIFY(m_bed->ui.boxes().isEmpty());
    QVERIFY(m_bed->app.exists(QStringLiteral("SysData/BIG_Schedule/big_schedule_1476.xml")));
}

void TestMisbehavingSite::teamNameUpdateFailsInTime_data()
{
    misbehaviours();
}

void TestMisbehavingSite::teamNameUpdateFailsInTime()
{
    QFETCH(Misbehaviour, misbehaviour);
    QFETCH(qint64, atLeast);
    QFETCH(qint64, below);
    m_bed->site.pointUpdateHere();
    m_bed->site.serve(versionAddress, misbehaviour(m_bed->site.origin()));
    if (atLeast > 0)
        shortLimits();
    const QByteArray installed = m_bed->app.readFile(teamName2);
    const QStringList filesBefore = sysDataFiles(m_bed->app);

    QElapsedTimer clock;
    clock.start();
    QVERIFY(!TeamNameUpdate().downloadTeamName2(false));
    const qint64 elapsed = clock.elapsed();
    qInfo("%s: failed after %lld ms", QTest::currentDataTag(), elapsed);
    QVERIFY2(elapsed >= atLeast && elapsed < below, qPrintable(QString::number(elapsed)));
    QCOMPARE(m_bed->ui.boxes().size(), 1);
    QCOMPARE(m_bed->ui.boxes().first().icon, Ui::Icon::Warning);
    QCOMPARE(m_bed->app.readFile(teamName2), installed);
    QCOMPARE(sysDataFiles(m_bed->app), filesBefore);
}

void TestMisbehavingSite::decompressionBombGivesNothing()
{
    // Not even the compressed bytes: they are no page.
    const QString address = QStringLiteral("/bomb");
    m_bed->site.serve(address, LoopbackHttpServer::zeroBomb());
    LoggedDownload inet;
    QByteArray data("old");
    QCOMPARE(inet.getHttpData(m_bed->site.origin() + address, data, QString()), 0);
    QVERIFY(data.isEmpty());
}

void TestMisbehavingSite::stopEndsTheTransferAtOnce()
{
    // What 中止 in the connection log does, half a second into a page that
    // never ends, under the long limits that init() sets.
    m_bed->site.serve(OfficialSite::scheduleAddress(1478), LoopbackHttpServer::trickle());
    ScheduleWorkflow schedule;
    schedule.initialize();
    QTimer::singleShot(500, [] { HttpTransfer::stopRunning(); });

    QElapsedTimer clock;
    clock.start();
    QVERIFY(!schedule.getSchedule(1478, QString(), 3, false));
    QVERIFY(clock.elapsed() < 30000);
    QVERIFY(!HttpTransfer::isRunning());
    schedule.falseDialog(1478);
    QCOMPARE(boxLines(m_bed->ui), QStringList{failureBox(kind)});
    QVERIFY(!m_bed->app.exists(QStringLiteral("SysData/BIG_Schedule/big_schedule_1478.xml")));
    QVERIFY(m_bed->ui.closedConnectionLogs().value(0).contains(QStringLiteral(" 中止しました")));

    m_bed->ui.clear();
    QVERIFY(schedule.getSchedule(1476, QString(), 3, false));
}

void TestMisbehavingSite::endingTheProgramStopsAndTellsNothing()
{
    // Under the long limits that init() sets: only the end of the program stops it.
    m_bed->site.serve(OfficialSite::scheduleAddress(1478), LoopbackHttpServer::trickle());
    ScheduleWorkflow schedule;
    schedule.initialize();
    QTimer::singleShot(300, [] { HttpTransfer::stopForExit(); });

    QVERIFY(!schedule.getSchedule(1478, QString(), 3, false));
    schedule.falseDialog(1478);
    QVERIFY(m_bed->ui.boxes().isEmpty());
    // Nothing starts any more.
    QVERIFY(!schedule.getSchedule(1476, QString(), 3, false));
    QCOMPARE(m_bed->site.requestsFor(OfficialSite::scheduleAddress(1476)), 0);
}

QTEST_GUILESS_MAIN(TestMisbehavingSite)
#include "TestMisbehavingSite.moc"
