#include "PageFixtures.h"
#include "acquisition/PageLines.h"
#include "acquisition/ResultPageReader.h"
#include "acquisition/SchedulePageReader.h"
#include "acquisition/VotePageReader.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "support/RuntimeError.h"

#include <QTest>

// Pages as the official site writes them and as they arrive damaged, read
// from their text lines: midnight kick-offs, club names in the site's own
// spellings, the site's time stamps, values too large for any amount.
using PageFixtures::linesOf;
using PageFixtures::scheduleOf;

namespace {

const QString overflowBox = QStringLiteral("オーバーフローしました。 ( 6 )");

int matchesWithShares(const VoteData &vote)
{
    int count = 0;
    for (int match = 1; match <= RoundData::MatchCount; ++match)
        count += !vote.game[match].votes[1].count.isZero();
    return count;
}

// The log lines that tell of toto matches without a BIG match.
QStringList unplacedLines(const RecordingUi &ui)
{
    return ui.connectionLog().filter(QStringLiteral("はBIGの指定試合にありません"));
}

} // namespace

class TestRealWorldPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void kickOff_data();
    void kickOff();
    void midnightKickOffsAreTimes();
    void totoSpellingsFindTheirBigMatches();
    void unknownClubKeepsZeroShares();
    void stampThatDoesNotReadLeavesThePageUnpublished_data();
    void stampThatDoesNotReadLeavesThePageUnpublished();
    void oversizedVoteCountsShowOneBox();
    void oversizedPrizesShowOneBox();
    void angleBracketsInATeamAreText();

private:
    std::unique_ptr<TestAppFolder> m_app;
    std::unique_ptr<RecordingUi> m_ui;
};

void TestRealWorldPages::init()
{
    m_app = std::make_unique<TestAppFolder>(TestAppFolder::SysData::Shipped);
    m_ui = std::make_unique<RecordingUi>();
}

void TestRealWorldPages::cleanup()
{
    m_ui.reset();
    m_app.reset();
}

void TestRealWorldPages::kickOff_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QTime>("time");
    QTest::newRow("0:00") << "0:00" << true << QTime(0, 0);
    QTest::newRow("00:00") << "00:00" << true << QTime(0, 0);
    QTest::newRow("full width") << "０：００" << true << QTime(0, 0);
    QTest::newRow("0:30") << "0:30" << true << QTime(0, 30);
    QTest::newRow("19:00") << "19:00" << true << QTime(19, 0);
    QTest::newRow("24:00") << "24:00" << false << QTime();
    QTest::newRow("0:0") << "0:0" << false << QTime();
    QTest::newRow("empty") << "" << false << QTime();
    QTest::newRow("a day") << "2024/3/9" << false << QTime();
}

void TestRealWorldPages::kickOff()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(QTime, time);
    try {
        const OleDate kickOff = PageValue::kickOff(text);
        QVERIFY(read);
        QVERIFY(kickOff.isTimeOnly());
        QCOMPARE(kickOff.time(), time);
    } catch (const RuntimeError &error) {
        QVERIFY(!read);
        QCOMPARE(error.number(), int(RuntimeError::TypeMismatch));
    }
}

void TestRealWorldPages::midnightKickOffsAreTimes()
{
    SchedulePageReader schedulePage;
    QVERIFY(schedulePage.readLines(linesOf(QStringLiteral("schedule_1482.html")), 1482, QString()));
    const ScheduleData schedule = schedulePage.schedule();
    QCOMPARE(schedule.game[1].startTime, OleDate());
    QCOMPARE(schedule.game[1].home, QStringLiteral("ｱｰｾﾅﾙ"));
    QCOMPARE(schedule.game[6].startTime.time(), QTime(2, 30));

    VotePageReader votePage;
    VotePageReader::TotoPage toto;
    QCOMPARE(votePage.readLines(linesOf(QStringLiteral("vote_1482_final_midnight_kick_offs.html")), toto),
             VotePageReader::Outcome::Read);
    QCOMPARE(toto.game[1].startTime, OleDate());
    QCOMPARE(toto.game[1].gameDate.date(), QDate(2024, 12, 15));
    QCOMPARE(toto.game[1].home, QStringLiteral("アーセナル"));
    // Full-width katakana on the page, half-width short names in the schedule.
    QCOMPARE(matchesWithShares(votePage.carryOver(toto, schedule, QString())), 13);
    QVERIFY(m_ui->boxes().isEmpty());
}

void TestRealWorldPages::totoSpellingsFindTheirBigMatches()
{
    VotePageReader page;
    VotePageReader::TotoPage toto;
    QCOMPARE(page.readLines(linesOf(QStringLiteral("vote_1483_final_names_written_by_toto.html")), toto),
             VotePageReader::Outcome::Read);
    QCOMPARE(toto.game[1].home, QStringLiteral("FC東京"));
    QCOMPARE(toto.game[1].away, QStringLiteral("横浜FM"));
    QCOMPARE(toto.game[2].home, QStringLiteral("横浜FC"));
    QCOMPARE(toto.game[2].away, QStringLiteral("Ｇ大阪"));
    QCOMPARE(toto.game[3].home, QStringLiteral("川崎Ｆ"));
    const ScheduleData schedule = scheduleOf(1483);
    QCOMPARE(schedule.game[1].away, QStringLiteral("横浜Ｍ"));

    const VoteData vote = page.carryOver(toto, schedule, QString());
    // toto's 13 matches are BIG matches 1 to 13, each with its own shares.
    for (int match = 1; match <= VotePageReader::TotoMatchCount; ++match) {
        QCOMPARE(vote.game[match].home, schedule.game[match].home);
        QVERIFY2(vote.game[match].votes == toto.game[match].votes, qPrintable(QString::number(match)));
    }
    QVERIFY(vote.game[14].votes[1].count.isZero());
    QVERIFY(unplacedLines(*m_ui).isEmpty());
}

void TestRealWorldPages::unknownClubKeepsZeroShares()
{
    VotePageReader page;
    VotePageReader::TotoPage toto;
    QCOMPARE(page.readLines(linesOf(QStringLiteral("vote_1484_mid_sales_unknown_club.html")), toto),
             VotePageReader::Outcome::Read);
    const VoteData vote = page.carryOver(toto, scheduleOf(1484), QString());
    QCOMPARE(matchesWithShares(vote), 12);
    QCOMPARE(vote.game[13].home, QStringLiteral("長崎"));
    QVERIFY(vote.game[13].votes[1].count.isZero());
    QCOMPARE(unplacedLines(*m_ui),
             QStringList(QStringLiteral(" toto 13：長崎 - クオーヴェル架空ユナイテッド はBIGの指定試合にありません"
                                        "（見つからないチーム名：クオーヴェル架空ユナイテッド）")));
    QVERIFY(m_ui->boxes().isEmpty());
}

void TestRealWorldPages::stampThatDoesNotReadLeavesThePageUnpublished_data()
{
    QTest::addColumn<QString>("stamp");
    QTest::newRow("no such day") << "(2024年13月40日時点)";
    QTest::newRow("no day at all") << "(12:50販売終了時点)";
    QTest::newRow("nothing but the marker") << "(時点)";
}

void TestRealWorldPages::stampThatDoesNotReadLeavesThePageUnpublished()
{
    QFETCH(QString, stamp);
    QStringList lines = linesOf(QStringLiteral("vote_1478_final.html"));
    const qsizetype at = lines.indexOf(QStringLiteral("(2024年3月9日13:00販売終了時点)"));
    QVERIFY(at > 0);
    lines[at] = stamp;
    VotePageReader page;
    VotePageReader::TotoPage toto;
    QCOMPARE(page.readLines(lines, toto), VotePageReader::Outcome::Unpublished);
    QVERIFY(page.Unpublished());
    QVERIFY(m_ui->boxes().isEmpty());
}

void TestRealWorldPages::oversizedVoteCountsShowOneBox()
{
    // 39 values too large for any amount: the page stops at the first.
    VotePageReader page;
    VotePageReader::TotoPage toto;
    QCOMPARE(page.readLines(linesOf(QStringLiteral("vote_1486_final_oversized_numbers.html")), toto),
             VotePageReader::Outcome::Failed);
    QVERIFY(!page.Unpublished());
    QCOMPARE(m_ui->boxes().size(), 1);
    QCOMPARE(m_ui->boxes()[0].icon, Ui::Icon::Error);
    QCOMPARE(m_ui->boxes()[0].title, QStringLiteral("QUDO / clsHtmlVote / GetVote"));
    QCOMPARE(m_ui->boxes()[0].text, overflowBox);
}

void TestRealWorldPages::oversizedPrizesShowOneBox()
{
    QStringList lines = linesOf(QStringLiteral("result_1478_with_other_products.html"));
    int replaced = 0;
    for (QString &line : lines) {
        if (line.endsWith(u'円') || line.endsWith(u'口') || line.endsWith(u'枚')) {
            line = QStringLiteral("99,999,999,999,999,999,999") + line.back();
            ++replaced;
        }
    }
    QVERIFY(replaced > 20);
    ResultPageReader page;
    QVERIFY(!page.readLines(lines, QString()));
    QCOMPARE(page.result().roundNumber, 0);
    QCOMPARE(m_ui->boxes().size(), 1);
    QCOMPARE(m_ui->boxes()[0].title, QStringLiteral("QUDO / clsHtmlResult / GetResult"));
    QCOMPARE(m_ui->boxes()[0].text, overflowBox);
}

void TestRealWorldPages::angleBracketsInATeamAreText()
{
    // The escaped "<" is text on the page; the round file keeps it full
    // width (the whole file is compared in TestPageReaders).
    ResultPageReader page;
    QVERIFY(page.readLines(linesOf(QStringLiteral("result_1485_angle_brackets_in_a_team.html")), QString()));
    QCOMPARE(page.result().game[1].home, QStringLiteral("鹿島<B>"));
    QCOMPARE(page.result().game[1].away, QStringLiteral("湘南"));
    QVERIFY(m_ui->boxes().isEmpty());
}

QTEST_GUILESS_MAIN(TestRealWorldPages)
#include "TestRealWorldPages.moc"
