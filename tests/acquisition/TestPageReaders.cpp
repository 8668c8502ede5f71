#include "PageFixtures.h"
#include "acquisition/ResultPageReader.h"
#include "acquisition/SchedulePageReader.h"
#include "acquisition/VotePageReader.h"
#include "common/OfficialSite.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "rounddata/ResultFile.h"
#include "rounddata/ScheduleFile.h"
#include "rounddata/VoteFile.h"

#include <QTest>

// The three page readers fed text lines straight from the stand-in site's
// pages: no server, no round files. What a reader makes of a page must be
// the round file the download tests expect, byte for byte.
using PageFixtures::fileOf;
using PageFixtures::linesOf;
using PageFixtures::scheduleOf;

class TestPageReaders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void schedulePage_data();
    void schedulePage();
    void votePage_data();
    void votePage();
    void resultPage_data();
    void resultPage();
    void pagesThatDoNotShowTheRound_data();
    void pagesThatDoNotShowTheRound();
    void votePageCutShortFails();
    void totoMatchesArePlacedByTeams();

private:
    std::unique_ptr<TestAppFolder> m_app;
    RecordingUi m_ui;
};

void TestPageReaders::init()
{
    m_app = std::make_unique<TestAppFolder>(TestAppFolder::SysData::Shipped);
    Ui::install(&m_ui);
    m_ui.clear();
}

void TestPageReaders::cleanup()
{
    Ui::install(nullptr);
    m_app.reset();
}

void TestPageReaders::schedulePage_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("pageFile");
    QTest::newRow("recent round") << 1478 << QStringLiteral("schedule_1478.html");
    QTest::newRow("two matches called off") << 1476 << QStringLiteral("schedule_1476.html");
    QTest::newRow("round called off") << 1162 << QStringLiteral("schedule_1162_cancelled.html");
    QTest::newRow("kick-offs at 0:00") << 1482 << QStringLiteral("schedule_1482.html");
    QTest::newRow("official names of J1 clubs") << 1483 << QStringLiteral("schedule_1483.html");
    QTest::newRow("midweek round") << 1484 << QStringLiteral("schedule_1484.html");
}

void TestPageReaders::schedulePage()
{
    QFETCH(int, round);
    QFETCH(QString, pageFile);
    SchedulePageReader page;
    QVERIFY(page.readLines(linesOf(pageFile), round, QString()));
    QVERIFY(!page.Unpublished());
    QCOMPARE(fileOf(*m_app, page.schedule(), &ScheduleFile::setSchedule),
             OfficialSite::expectedFile(QStringLiteral("big_schedule_%1.xml").arg(round)));
    QVERIFY(m_ui.boxes().isEmpty());
}

void TestPageReaders::votePage_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("pageFile");
    QTest::addColumn<bool>("final");
    QTest::newRow("final") << 1478 << QStringLiteral("vote_1478_final.html") << true;
    QTest::newRow("called-off matches") << 1476 << QStringLiteral("vote_1476_final_cancelled_matches.html") << true;
    QTest::newRow("partial overlap") << 1475 << QStringLiteral("vote_1475_final_partial_overlap.html") << true;
    QTest::newRow("kick-offs at 0:00, stamp without a time")
        << 1482 << QStringLiteral("vote_1482_final_midnight_kick_offs.html") << true;
    QTest::newRow("names written by toto, stamp with 時 and 分")
        << 1483 << QStringLiteral("vote_1483_final_names_written_by_toto.html") << true;
    QTest::newRow("during sales, stamp with weekday, 時 and 分")
        << 1484 << QStringLiteral("vote_1484_mid_sales_unknown_club.html") << false;
}

void TestPageReaders::votePage()
{
    QFETCH(int, round);
    QFETCH(QString, pageFile);
    QFETCH(bool, final);
    VotePageReader page;
    VotePageReader::TotoPage toto;
    QCOMPARE(page.readLines(linesOf(pageFile), toto), VotePageReader::Outcome::Read);
    QCOMPARE(toto.roundNumber, round);
    QCOMPARE(toto.final, final);
    QCOMPARE(std::count(toto.Read.begin() + 1, toto.Read.end(), true), VotePageReader::TotoMatchCount);

    const VoteData vote = page.carryOver(toto, scheduleOf(round), QString());
    QCOMPARE(fileOf(*m_app, vote, &VoteFile::setVote),
             OfficialSite::expectedFile(QStringLiteral("big_vote_%1.xml").arg(round)));
}

void TestPageReaders::resultPage_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("pageFile");
    QTest::newRow("with other products") << 1478 << QStringLiteral("result_1478_with_other_products.html");
    QTest::newRow("called-off matches") << 1476 << QStringLiteral("result_1476_matches_cancelled.html");
    QTest::newRow("four grades") << 421 << QStringLiteral("result_421_four_grades.html");
    QTest::newRow("round called off") << 1162 << QStringLiteral("result_1162_cancelled.html");
    QTest::newRow("home team holding < and >") << 1485 << QStringLiteral("result_1485_angle_brackets_in_a_team.html");
}

void TestPageReaders::resultPage()
{
    QFETCH(int, round);
    QFETCH(QString, pageFile);
    ResultPageReader page;
    QVERIFY(page.readLines(linesOf(pageFile), QString()));
    QCOMPARE(page.result().roundNumber, round);
    QCOMPARE(fileOf(*m_app, page.result(), &ResultFile::setResult),
             OfficialSite::expectedFile(QStringLiteral("big_result_%1.xml").arg(round)));
}

void TestPageReaders::pagesThatDoNotShowTheRound_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("pageFile");
    QTest::newRow("schedule") << QStringLiteral("schedule") << QStringLiteral("schedule_not_available.html");
    QTest::newRow("vote") << QStringLiteral("vote") << QStringLiteral("vote_not_available.html");
    QTest::newRow("result") << QStringLiteral("result") << QStringLiteral("result_not_available.html");
}

void TestPageReaders::pagesThatDoNotShowTheRound()
{
    QFETCH(QString, kind);
    QFETCH(QString, pageFile);
    const QStringList lines = linesOf(pageFile);
    QVERIFY(!lines.isEmpty());
    if (kind == QStringLiteral("schedule")) {
        SchedulePageReader page;
        QVERIFY(!page.readLines(lines, 1490, QString()));
        QVERIFY(page.Unpublished());
        QCOMPARE(page.schedule().roundNumber, 0);
    } else if (kind == QStringLiteral("vote")) {
        VotePageReader page;
        VotePageReader::TotoPage toto;
        QCOMPARE(page.readLines(lines, toto), VotePageReader::Outcome::Unpublished);
        QVERIFY(page.Unpublished());
    } else {
        ResultPageReader page;
        QVERIFY(!page.readLines(lines, QString()));
        QVERIFY(page.Unpublished());
    }
    QVERIFY(m_ui.boxes().isEmpty());
}

void TestPageReaders::votePageCutShortFails()
{
    // Twelve toto rows must never become a final status with zeros.
    QStringList lines = linesOf(QStringLiteral("vote_1478_final.html"));
    const qsizetype row13 = lines.lastIndexOf(QStringLiteral("13"));
    QVERIFY(row13 > 0);
    lines = lines.mid(0, row13);
    VotePageReader page;
    VotePageReader::TotoPage toto;
    QCOMPARE(page.readLines(lines, toto), VotePageReader::Outcome::Failed);
    QVERIFY(!page.Unpublished());
}

void TestPageReaders::totoMatchesArePlacedByTeams()
{
    VotePageReader::TotoPage toto;
    toto.roundNumber = 1478;
    toto.game[3].home = QStringLiteral("鹿島");
    toto.game[3].away = QStringLiteral("浦和");
    toto.game[3].votes[1].count = Money::fromWhole(10);
    toto.game[4].home = QStringLiteral("浦和");   // the same clubs the other way round
    toto.game[4].away = QStringLiteral("鹿島");
    toto.game[4].votes[2].count = Money::fromWhole(20);
    ScheduleData schedule;
    schedule.game[7].home = QStringLiteral("鹿島");
    schedule.game[7].away = QStringLiteral("浦和");
    schedule.game[9].home = QStringLiteral("柏");
    schedule.game[9].away = QStringLiteral("浦和");

    const VoteData vote = VotePageReader().carryOver(toto, schedule, QStringLiteral("A"));
    QCOMPARE(vote.roundNumber, 1478);
    QCOMPARE(vote.group, QStringLiteral("A"));
    QCOMPARE(vote.game[7].home, QStringLiteral("鹿島"));
    QCOMPARE(vote.game[7].votes[1].count, Money::fromWhole(10));
    QVERIFY(vote.game[7].votes[2].count.isZero());
    QCOMPARE(vote.game[9].home, QStringLiteral("柏"));
    QVERIFY(vote.game[9].votes[1].count.isZero());
    QVERIFY(vote.game[9].votes[2].count.isZero());
}

QTEST_GUILESS_MAIN(TestPageReaders)
#include "TestPageReaders.moc"
