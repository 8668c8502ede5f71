#include "acquisition/SchedulePageReader.h"
#include "acquisition/ScheduleWorkflow.h"
#include "common/OfficialSite.h"
#include "common/TestFiles.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

const QString kind = QStringLiteral("開催情報");

QString roundFile(int round, const QString &group = QString())
{
    return QStringLiteral("SysData/BIG_Schedule/big_schedule_%1%2.xml")
        .arg(round, 3, 10, QLatin1Char('0'))
        .arg(group.isEmpty() ? QString() : u'_' + group);
}

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

} // namespace

class TestScheduleDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstDownloadWritesTheRoundFile_data();
    void firstDownloadWritesTheRoundFile();
    void downloadKeepsAnExistingFile();
    void addressesAreCopiedWhenCreated();
    void logWindowCanStayClosed();
    void unreadableFileIsReplacedByTheDownload_data();
    void unreadableFileIsReplacedByTheDownload();
    void readableFileIsNeverReplaced();
    void roundFileIsReadBeforeTheSite();
    void answerNoCancelsAndShowsNothing();
    void unpublishedRound_data();
    void unpublishedRound();
    void deadServer();
    void pageOfTinyTags_data();
    void pageOfTinyTags();
    void payoutDeadlineBeforeTheMatchTable();
    void clubThatNoFileKnows();
    void secondMatchTableFails();
    void groupHeading_data();
    void groupHeading();
    void matchDaysWithoutSaleStartTakeTheCurrentYear();
    void matchDaysAfterNewYear();
    void roundZeroTouchesNothing();
    void fileOnlyWithoutFile();
    void notHeldMarker();

private:
    std::unique_ptr<DownloadTestBed> m_bed;
};

void TestScheduleDownload::init()
{
    m_bed = std::make_unique<DownloadTestBed>();
    QVERIFY(m_bed->site.isListening());
}

void TestScheduleDownload::cleanup()
{
    m_bed.reset();
}

void TestScheduleDownload::firstDownloadWritesTheRoundFile_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("lastHome");
    QTest::newRow("recent round") << 1478 << 0 << QStringLiteral("長崎");
    QTest::newRow("two matches called off") << 1476 << 0 << QStringLiteral("長崎");
    QTest::newRow("round called off") << 1162 << 2 << QStringLiteral("愛媛");
}

void TestScheduleDownload::firstDownloadWritesTheRoundFile()
{
    QFETCH(int, round);
    QFETCH(int, state);
    QFETCH(QString, lastHome);
    ScheduleWorkflow schedule;
    schedule.initialize();
    m_bed->ui.scriptAnswers({Ui::Answer::Yes});

    QVERIFY(schedule.getSchedule(round, QString(), 3, true));
    QCOMPARE(boxLines(m_bed->ui), QStringList{questionBox(kind)});
    QCOMPARE(m_bed->site.requestsFor(OfficialSite::scheduleAddress(round)), 1);
    QCOMPARE(connectionLogHead(m_bed->ui),
             QStringList({QStringLiteral(" 第%1回 開催情報取得中 (オフィシャル)").arg(round),
                          QStringLiteral(" [コネクション開始]"),
                          u' ' + m_bed->site.origin() + OfficialSite::scheduleAddress(round)}));
    QCOMPARE(m_bed->app.readFile(roundFile(round)),
             OfficialSite::expectedFile(QStringLiteral("big_schedule_%1.xml").arg(round)));
    const ScheduleData held = schedule.schedule();
    QCOMPARE(held.roundNumber, round);
    QCOMPARE(held.State, state);
    QCOMPARE(held.game[14].home, lastHome);
    QVERIFY(!schedule.Cancel());
    QVERIFY(!schedule.Unpublished());
    QVERIFY(!schedule.noGame());
}

void TestScheduleDownload::downloadKeepsAnExistingFile()
{
    QByteArray older = OfficialSite::expectedFile(QStringLiteral("big_schedule_1478.xml"));
    older.replace(TestFiles::sjis(QStringLiteral("<競技場>カシマ")), TestFiles::sjis(QStringLiteral("<競技場>旧カシマ")));
    m_bed->app.writeFile(roundFile(1478), older);
    ScheduleWorkflow schedule;
    schedule.initialize();

    QVERIFY(schedule.getSchedule(1478, QString(), RoundWorkflow::FromSite, false));
    QCOMPARE(schedule.schedule().game[1].stadium, QStringLiteral("カシマ"));
    QCOMPARE(m_bed->app.readFile(roundFile(1478)), older);
    QVERIFY(m_bed->ui.boxes().isEmpty());
}

void TestScheduleDownload::addressesAreCopiedWhenCreated()
{
    ScheduleWorkflow schedule;
    schedule.initialize();
    OfficialSite::pointSettingsAtDeadServer();

    QVERIFY(schedule.getSchedule(1478, QString(), 3, false));
    QCOMPARE(m_bed->site.requestsFor(OfficialSite::scheduleAddress(1478)), 1);
}

void TestScheduleDownload::logWindowCanStayClosed()
{
    ScheduleWorkflow schedule;
    schedule.initialize();
    schedule.setProgressOpen(false);

    QVERIFY(schedule.getSchedule(1478, QString(), 3, false));
    QVERIFY(!schedule.progressOpen());
    QCOMPARE(m_bed->ui.connectionLogShows(), 0);
    QVERIFY(m_bed->ui.connectionLog().isEmpty());
}

void TestScheduleDownload::unreadableFileIsReplacedByTheDownload_data()
{
    QTest::addColumn<bool>("olderBrokenCopy");
    QTest::newRow("first broken file") << false;
    QTest::newRow("a broken copy already there") << true;
}

void TestScheduleDownload::unreadableFileIsReplacedByTheDownload()
{
    // A file that never reads would otherwise block its round for good.
    QFETCH(bool, olderBrokenCopy);
    const QByteArray broken = TestFiles::sjis(QStringLiteral("<BIG>\r\n<開催>\r\n</BIG>\r\n"));
    const QString brokenCopy = roundFile(1478) + QStringLiteral(".broken");
    m_bed->app.writeFile(roundFile(1478), broken);
    if (olderBrokenCopy)
        m_bed->app.writeFile(brokenCopy, "an older broken file");
    ScheduleWorkflow schedule;
    schedule.initialize();
    m_bed->ui.scriptAnswers({Ui::Answer::Yes});

    QVERIFY(schedule.getSchedule(1478, QString(), 3, true));
    QCOMPARE(schedule.schedule().game[1].home, QStringLiteral("鹿島"));
    QCOMPARE(m_bed->app.readFile(roundFile(1478)), OfficialSite::expectedFile(QStringLiteral("big_schedule_1478.xml")));
    QCOMPARE(m_bed->app.readFile(brokenCopy), broken);
    // The loader's own warning, then the question.
    QCOMPARE(m_bed->ui.boxes().size(), 2);
    QCOMPARE(m_bed->ui.boxes()[0].text, QStringLiteral("XMLデータが異常です。"));
    QCOMPARE(boxLines(m_bed->ui).last(), questionBox(kind));
    QCOMPARE(m_bed->ui.closedConnectionLogs().size(), 1);
    QCOMPARE(m_bed->ui.closedConnectionLogs().last().last(),
             QStringLiteral(" 読み込めない big_schedule_1478.xml を big_schedule_1478.xml.broken に移して置き換えます"));

    // The new file reads: the next round change shows it without a word.
    m_bed->ui.clear();
    QVERIFY(schedule.getSchedule(1478, QString(), RoundWorkflow::FromFile, false));
    QVERIFY(m_bed->ui.boxes().isEmpty());
}

void TestScheduleDownload::readableFileIsNeverReplaced()
{
    // The file reads, only not as a complete round: it is what the round
    // holds, nothing is downloaded and it stays as it is.
    QByteArray partial = OfficialSite::expectedFile(QStringLiteral("big_schedule_1478.xml"));
    partial.replace(TestFiles::sjis(QStringLiteral("<競技場>カシマ</競技場>\r\n")), QByteArray());
    m_bed->app.writeFile(roundFile(1478), partial);
    ScheduleWorkflow schedule;
    schedule.initialize();

    QVERIFY(!schedule.getSchedule(1478, QString(), 3, false));
    QCOMPARE(schedule.schedule().game[1].home, QStringLiteral("鹿島"));
    QCOMPARE(schedule.schedule().game[1].stadium, QString());
    QCOMPARE(m_bed->site.requests(), 0);
    QCOMPARE(m_bed->app.readFile(roundFile(1478)), partial);
    QVERIFY(!m_bed->app.exists(roundFile(1478) + QStringLiteral(".broken")));
}

void TestScheduleDownload::roundFileIsReadBeforeTheSite()
{
    m_bed->app.writeFile(roundFile(1478), OfficialSite::expectedFile(QStringLiteral("big_schedule_1478.xml")));
    ScheduleWorkflow schedule;
    schedule.initialize();

    QVERIFY(schedule.getSchedule(1478, QString(), 3, true));
    QCOMPARE(schedule.schedule().game[7].home, QStringLiteral("仙台"));
    QVERIFY(m_bed->ui.boxes().isEmpty());
    QCOMPARE(m_bed->site.requests(), 0);
}

void TestScheduleDownload::answerNoCancelsAndShowsNothing()
{
    ScheduleWorkflow schedule;
    schedule.initialize();
    m_bed->ui.scriptAnswers({Ui::Answer::No});

    QVERIFY(!schedule.getSchedule(1478, QString(), 3, true));
    QVERIFY(schedule.Cancel());
    QVERIFY(!schedule.Unpublished());
    schedule.falseDialog(1478);
    QCOMPARE(boxLines(m_bed->ui), QStringList{questionBox(kind)});
    QCOMPARE(m_bed->site.requests(), 0);
    QVERIFY(!m_bed->app.exists(roundFile(1478)));
    QCOMPARE(schedule.schedule().roundNumber, 0);
}

void TestScheduleDownload::unpublishedRound_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("group");
    QTest::newRow("round the site cannot show") << 1490 << QString();
    QTest::newRow("short round number") << 99 << QString();
    QTest::newRow("group heading not on the page") << 1478 << QStringLiteral("B");
}

void TestScheduleDownload::unpublishedRound()
{
    QFETCH(int, round);
    QFETCH(QString, group);
    ScheduleWorkflow schedule;
    schedule.initialize();

    QVERIFY(!schedule.getSchedule(round, group, 3, false));
    QVERIFY(schedule.Unpublished());
    QVERIFY(!schedule.Cancel());
    QCOMPARE(m_bed->site.requestsFor(OfficialSite::scheduleAddress(round)), 1);
    schedule.falseDialog(round);
    QCOMPARE(boxLines(m_bed->ui), QStringList{unpublishedBox(round, kind)});
    QVERIFY(!m_bed->app.exists(roundFile(round, group)));
}

void TestScheduleDownload::pageOfTinyTags_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<bool>("unpublished");
    QTest::newRow("just under the body cap") << LoggedDownload::MaxBodyBytes << true;
    QTest::newRow("just over the body cap") << LoggedDownload::MaxBodyBytes + 1 << false;
}

// The worst page for cutting: an item every three bytes. Under the cap it is
// read (and shows no round), over the cap it is no page at all.
void TestScheduleDownload::pageOfTinyTags()
{
    QFETCH(qint64, bytes);
    QFETCH(bool, unpublished);
    QByteArray page("<html><body><p>no round here</p>");
    page += QByteArray("<a>").repeated((bytes - page.size()) / 3);
    page += QByteArray(bytes - page.size(), ' ');
    QCOMPARE(page.size(), bytes);
    m_bed->site.serve(OfficialSite::scheduleAddress(1487), page);
    ScheduleWorkflow schedule;
    schedule.initialize();

    QVERIFY(!schedule.getSchedule(1487, QString(), 3, false));
    QCOMPARE(schedule.Unpublished(), unpublished);
    schedule.falseDialog(1487);
    QCOMPARE(boxLines(m_bed->ui),
             QStringList{unpublished ? unpublishedBox(1487, kind) : failureBox(kind)});
}

void TestScheduleDownload::deadServer()
{
    OfficialSite::pointSettingsAtDeadServer();
    ScheduleWorkflow schedule;
    schedule.initialize();

    QVERIFY(!schedule.getSchedule(1478, QString(), 3, false));
    QVERIFY(!schedule.Unpublished());
    schedule.falseDialog(1478);
    QCOMPARE(boxLines(m_bed->ui), QStringList{failureBox(kind)});
    QVERIFY(!m_bed->app.exists(roundFile(1478)));
}

void TestScheduleDownload::payoutDeadlineBeforeTheMatchTable()
{
    SchedulePageReader page;
    QVERIFY(page.getSchedule(1480, QString()));
    QCOMPARE(page.schedule().roundNumber, 1480);
    QCOMPARE(page.schedule().refundEnd.toDateTime(), at(2025, 4, 1));
    QCOMPARE(page.schedule().saleEnd.toDateTime(), at(2024, 3, 30, 12, 50));
    for (int match = 1; match <= 14; ++match)
        QVERIFY(page.schedule().game[match].home.isEmpty());

    ScheduleWorkflow schedule;
    schedule.initialize();
    QVERIFY(!schedule.getSchedule(1480, QString(), 3, false));
    QVERIFY(!m_bed->app.exists(roundFile(1480)));
    schedule.falseDialog(1480);
    QCOMPARE(boxLines(m_bed->ui), QStringList{failureBox(kind)});
}

void TestScheduleDownload::clubThatNoFileKnows()
{
    ScheduleWorkflow schedule;
    schedule.initialize();

    QVERIFY(!schedule.getSchedule(1481, QString(), 3, false));
    QVERIFY(!schedule.Unpublished());
    QCOMPARE(schedule.schedule().roundNumber, 0);
    QVERIFY(!m_bed->app.exists(roundFile(1481)));
    // The team-name lookup names the club; then the workflow's failure.
    schedule.falseDialog(1481);
    QCOMPARE(m_bed->ui.boxes().size(), 2);
    QVERIFY(m_bed->ui.boxes()[0].text.contains(QStringLiteral("クオーヴェル架空ユナイテッド")));
    QCOMPARE(boxLines(m_bed->ui).last(), failureBox(kind));
}

void TestScheduleDownload::secondMatchTableFails()
{
    QString text = OfficialSite::pageText(QStringLiteral("schedule_1478.html"));
    const qsizetype begin = text.indexOf(QStringLiteral("<tbody>"));
    const qsizetype end = text.indexOf(QStringLiteral("</tbody>")) + 8;
    text.insert(end, text.mid(begin, end - begin));
    m_bed->site.serve(OfficialSite::scheduleAddress(1478), text.toUtf8());

    SchedulePageReader page;
    QVERIFY(!page.getSchedule(1478, QString()));
    QVERIFY(!page.Unpublished());
    QCOMPARE(page.schedule().roundNumber, 0);
    QVERIFY(m_bed->ui.boxes().isEmpty());
}

void TestScheduleDownload::groupHeading_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("found");
    QTest::newRow("group A") << QStringLiteral("A") << true;
    QTest::newRow("group B") << QStringLiteral("B") << false;
    QTest::newRow("no group") << QString() << false;
}

void TestScheduleDownload::groupHeading()
{
    QFETCH(QString, group);
    QFETCH(bool, found);
    QString text = OfficialSite::pageText(QStringLiteral("schedule_1478.html"));
    text.replace(QStringLiteral("第1478回 BIGくじ指定試合"), QStringLiteral("第1478回 BIG-A組くじ情報"));
    m_bed->site.serve(OfficialSite::scheduleAddress(1478), text.toUtf8());

    SchedulePageReader page;
    QCOMPARE(page.getSchedule(1478, group), found);
    QCOMPARE(page.Unpublished(), !found);
    QCOMPARE(page.schedule().group, found ? group : QString());
    QCOMPARE(page.schedule().game[14].away, found ? QStringLiteral("鹿児島") : QString());
}

void TestScheduleDownload::matchDaysWithoutSaleStartTakeTheCurrentYear()
{
    QString text = OfficialSite::pageText(QStringLiteral("schedule_1478.html"));
    QVERIFY(text.contains(QStringLiteral("<th>販売開始日</th>")));
    text.remove(QRegularExpression(QStringLiteral("<tr><th>販売開始日</th>.*?</tr>")));
    m_bed->site.serve(OfficialSite::scheduleAddress(1478), text.toUtf8());

    SchedulePageReader page;
    // The page reader reads the clock too: across newFile Year's midnight it may
    // see the year before the call or the one after.
    const int yearBefore = QDate::currentDate().year();
    QVERIFY(page.getSchedule(1478, QString()));
    const int yearAfter = QDate::currentDate().year();
    const QDate matchDay = page.schedule().game[1].gameDate.date();
    QVERIFY2(matchDay == QDate(yearBefore, 3, 9) || matchDay == QDate(yearAfter, 3, 9),
             qPrintable(matchDay.toString(Qt::ISODate)));
    QVERIFY(!page.schedule().saleStart.isSet());
}

void TestScheduleDownload::matchDaysAfterNewYear()
{
    QString text = OfficialSite::pageText(QStringLiteral("schedule_1478.html"));
    text.replace(QStringLiteral("2024年3月4日（月）10:00"), QStringLiteral("2023年12月25日（月）10:00"));
    text.replace(QStringLiteral(">3/9<"), QStringLiteral(">12/30<"));
    text.replace(QStringLiteral(">3/10<"), QStringLiteral(">1/4<"));
    m_bed->site.serve(OfficialSite::scheduleAddress(1478), text.toUtf8());

    SchedulePageReader page;
    QVERIFY(page.getSchedule(1478, QString()));
    QCOMPARE(page.schedule().game[1].gameDate.date(), QDate(2023, 12, 30));
    QCOMPARE(page.schedule().game[14].gameDate.date(), QDate(2024, 1, 4));
}

void TestScheduleDownload::roundZeroTouchesNothing()
{
    ScheduleWorkflow schedule;
    schedule.initialize();
    QVERIFY(!schedule.getSchedule(0, QString(), 3, true));
    QVERIFY(!schedule.Cancel());
    QVERIFY(!schedule.Unpublished());
    QVERIFY(m_bed->ui.boxes().isEmpty());
    QCOMPARE(m_bed->site.requests(), 0);
}

void TestScheduleDownload::fileOnlyWithoutFile()
{
    ScheduleWorkflow schedule;
    schedule.initialize();
    QVERIFY(!schedule.getSchedule(1478, QString(), RoundWorkflow::FromFile, true));
    QVERIFY(!schedule.Unpublished());
    QVERIFY(!schedule.Cancel());
    QVERIFY(m_bed->ui.boxes().isEmpty());
    QCOMPARE(m_bed->site.requests(), 0);
}

void TestScheduleDownload::notHeldMarker()
{
    m_bed->app.writeFile(roundFile(1490), TestFiles::sjis(TestFiles::crlfLines({
                                          QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>"),
                                          QStringLiteral("<?xml-stylesheet type=\"text/xsl\" href=\"style.xsl\"?>"),
                                          QStringLiteral("<BIG>"),
                                          QStringLiteral("<開催>"),
                                          QStringLiteral("<開催回>1490</開催回>"),
                                          QStringLiteral("<開催状態>1</開催状態>"),
                                          QStringLiteral("</開催>"),
                                          QStringLiteral("</BIG>"),
                                      })));
    ScheduleWorkflow schedule;
    schedule.initialize();
    QVERIFY(!schedule.getSchedule(1490, QString(), 3, true));
    QVERIFY(schedule.noGame());
    QCOMPARE(schedule.schedule().State, 1);
    QVERIFY(m_bed->ui.boxes().isEmpty());
    QCOMPARE(m_bed->site.requests(), 0);
}

QTEST_GUILESS_MAIN(TestScheduleDownload)
#include "TestScheduleDownload.moc"
