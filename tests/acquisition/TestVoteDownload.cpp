#include "acquisition/VotePageReader.h"
#include "acquisition/VoteWorkflow.h"
#include "common/OfficialSite.h"
#include "common/TestFiles.h"
#include "support/TextCodec.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

const QString kind = QStringLiteral("投票状況");

QString voteFile(int round)
{
    return QStringLiteral("SysData/BIG_Vote/big_vote_%1.xml").arg(round, 3, 10, QLatin1Char('0'));
}

QString scheduleFile(int round)
{
    return QStringLiteral("SysData/BIG_Schedule/big_schedule_%1.xml").arg(round, 3, 10, QLatin1Char('0'));
}

} // namespace

class TestVoteDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void finalStatusWritesTheRoundFile_data();
    void finalStatusWritesTheRoundFile();
    void finalStatusIsDatedAtTheEndOfSales();
    void statusBeforeTheEndOfSalesIsNotStored();
    void downloadKeepsAnExistingFile();
    void withoutScheduleFileNothingIsDownloaded();
    void answerNoCancelsAndShowsNothing();
    void unpublishedRound();
    void deadServer();
    void homeTeamWrittenAnotherWay_data();
    void homeTeamWrittenAnotherWay();
    void userAdditionCountsAtTheNextDownload();
    void finalStatusWithoutSalesPeriodIsNotComplete();
    void oversizedNumbersFailWithOneBox();
    void calledOffMatchIsReadByItsNumber();

private:
    void placeSchedule(int round) const;

    std::unique_ptr<DownloadTestBed> m_bed;
};

void TestVoteDownload::init()
{
    m_bed = std::make_unique<DownloadTestBed>();
    QVERIFY(m_bed->site.isListening());
}

void TestVoteDownload::cleanup()
{
    m_bed.reset();
}

// The vote page is placed on the BIG matches of the round's schedule file.
void TestVoteDownload::placeSchedule(int round) const
{
    m_bed->app.writeFile(scheduleFile(round),
                     OfficialSite::expectedFile(QStringLiteral("big_schedule_%1.xml").arg(round)));
}

void TestVoteDownload::finalStatusWritesTheRoundFile_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("matchWithoutShares");
    QTest::newRow("twelve of fourteen are toto matches") << 1478 << 13;
    QTest::newRow("two toto matches called off") << 1476 << 14;
    QTest::newRow("only seven are toto matches") << 1475 << 8;
    QTest::newRow("kick-offs at 0:00, names in katakana") << 1482 << 14;
    QTest::newRow("names written toto's way") << 1483 << 14;
}

void TestVoteDownload::finalStatusWritesTheRoundFile()
{
    QFETCH(int, round);
    QFETCH(int, matchWithoutShares);
    placeSchedule(round);
    VoteWorkflow vote;
    vote.initialize();
    m_bed->ui.scriptAnswers({Ui::Answer::Yes});

    QVERIFY(vote.getVote(round, QString(), 3, true, heldSchedule(round)));
    QCOMPARE(boxLines(m_bed->ui), QStringList{questionBox(kind)});
    QCOMPARE(m_bed->site.requestsFor(OfficialSite::voteAddress(round)), 1);
    QCOMPARE(connectionLogHead(m_bed->ui),
             QStringList({QStringLiteral(" 第%1回 投票状況情報取得中 (オフィシャル)").arg(round),
                          QStringLiteral(" [コネクション開始]"),
                          u' ' + m_bed->site.origin() + OfficialSite::voteAddress(round)}));
    QCOMPARE(m_bed->app.readFile(voteFile(round)), OfficialSite::expectedFile(QStringLiteral("big_vote_%1.xml").arg(round)));
    const VoteGame game = vote.vote().game[matchWithoutShares];
    for (const VoteShare &share : game.votes) {
        QVERIFY(share.count.isZero());
        QVERIFY(share.rate.isZero());
    }
    QVERIFY(!vote.vote().game[1].votes[1].count.isZero());
}

void TestVoteDownload::finalStatusIsDatedAtTheEndOfSales()
{
    placeSchedule(1478);
    VotePageReader page;
    bool final = false;
    QVERIFY(page.getVote(1478, QString(), heldSchedule(1478), final));
    QVERIFY(final);
    // Printed: 13:00; the sales period ends at 12:50.
    QCOMPARE(page.vote().voteTime.toDateTime(), QDateTime(QDate(2024, 3, 9), QTime(12, 50)));
    QCOMPARE(page.vote().roundNumber, 1478);
    QCOMPARE(page.vote().game[1].home, QStringLiteral("鹿島"));
    QCOMPARE(page.vote().game[1].votes[1].count, Money::fromWhole(1251292));
    QCOMPARE(page.vote().game[1].votes[1].rate, Money::fromRaw(547300));
    QCOMPARE(page.vote().game[1].votes[0].count, Money::fromWhole(589518));
    QCOMPARE(page.vote().game[1].votes[2].count, Money::fromWhole(445487));
}

void TestVoteDownload::statusBeforeTheEndOfSalesIsNotStored()
{
    placeSchedule(1479);
    VoteWorkflow vote;
    vote.initialize();
    m_bed->ui.scriptAnswers({Ui::Answer::Yes, Ui::Answer::Yes});

    QVERIFY(vote.getVote(1479, QString(), 3, true, heldSchedule(1479)));
    QCOMPARE(vote.vote().voteTime.toDateTime(), QDateTime(QDate(2024, 3, 14), QTime(10, 0)));
    QCOMPARE(vote.vote().game[13].away, QStringLiteral("秋田"));
    QVERIFY(!vote.vote().game[13].votes[0].count.isZero());
    QVERIFY(!m_bed->app.exists(voteFile(1479)));

    // Nothing was kept, so the next request asks and downloads again.
    QVERIFY(vote.getVote(1479, QString(), 3, true, heldSchedule(1479)));
    QCOMPARE(boxLines(m_bed->ui), QStringList({questionBox(kind), questionBox(kind)}));
    QCOMPARE(m_bed->site.requestsFor(OfficialSite::voteAddress(1479)), 2);
    QVERIFY(!m_bed->app.exists(voteFile(1479)));
}

void TestVoteDownload::downloadKeepsAnExistingFile()
{
    placeSchedule(1478);
    QString text = TextCodec::decodeSjis(OfficialSite::expectedFile(QStringLiteral("big_vote_1478.xml")));
    QVERIFY(text.contains(QStringLiteral("<投票口数>1251292</投票口数>")));
    text.replace(QStringLiteral("<投票口数>1251292</投票口数>"), QStringLiteral("<投票口数>1</投票口数>"));
    const QByteArray older = TestFiles::sjis(text);
    m_bed->app.writeFile(voteFile(1478), older);
    VoteWorkflow vote;
    vote.initialize();

    QVERIFY(vote.getVote(1478, QString(), RoundWorkflow::FromSite, false, heldSchedule(1478)));
    QCOMPARE(vote.vote().game[1].votes[1].count, Money::fromWhole(1251292));
    QCOMPARE(m_bed->app.readFile(voteFile(1478)), older);
}

void TestVoteDownload::withoutScheduleFileNothingIsDownloaded()
{
    VoteWorkflow vote;
    vote.initialize();
    m_bed->ui.scriptAnswers({Ui::Answer::Yes});

    QVERIFY(!vote.getVote(1478, QString(), 3, true, heldSchedule(1478)));
    QVERIFY(!vote.Unpublished());
    QCOMPARE(m_bed->site.requests(), 0);
    vote.falseDialog(1478);
    QCOMPARE(boxLines(m_bed->ui), QStringList({questionBox(kind), failureBox(kind)}));
    QVERIFY(!m_bed->app.exists(voteFile(1478)));
}

void TestVoteDownload::answerNoCancelsAndShowsNothing()
{
    placeSchedule(1478);
    VoteWorkflow vote;
    vote.initialize();
    m_bed->ui.scriptAnswers({Ui::Answer::No});

    QVERIFY(!vote.getVote(1478, QString(), 3, true, heldSchedule(1478)));
    QVERIFY(vote.Cancel());
    vote.falseDialog(1478);
    QCOMPARE(boxLines(m_bed->ui), QStringList{questionBox(kind)});
    QCOMPARE(m_bed->site.requests(), 0);
}

void TestVoteDownload::unpublishedRound()
{
    // A schedule exists, but the site has no vote status for the round.
    placeSchedule(1162);
    VoteWorkflow vote;
    vote.initialize();

    QVERIFY(!vote.getVote(1162, QString(), 3, false, heldSchedule(1162)));
    QVERIFY(vote.Unpublished());
    QCOMPARE(m_bed->site.requestsFor(OfficialSite::voteAddress(1162)), 1);
    vote.falseDialog(1162);
    QCOMPARE(boxLines(m_bed->ui), QStringList{unpublishedBox(1162, kind)});
    QVERIFY(!m_bed->app.exists(voteFile(1162)));
}

void TestVoteDownload::deadServer()
{
    placeSchedule(1478);
    OfficialSite::pointSettingsAtDeadServer();
    VoteWorkflow vote;
    vote.initialize();

    QVERIFY(!vote.getVote(1478, QString(), 3, false, heldSchedule(1478)));
    QVERIFY(!vote.Unpublished());
    vote.falseDialog(1478);
    QCOMPARE(boxLines(m_bed->ui), QStringList{failureBox(kind)});
}

void TestVoteDownload::homeTeamWrittenAnotherWay_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<bool>("shares");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("official name of the club") << QStringLiteral("鹿島アントラーズ") << true << QString();
    QTest::newRow("another club") << QStringLiteral("柏") << false
                                  << QStringLiteral(" toto 1：柏 - 湘南 はBIGの指定試合にありません");
    QTest::newRow("a club no file knows")
        << QStringLiteral("クオーヴェルFC") << false
        << QStringLiteral(" toto 1：クオーヴェルFC - 湘南 はBIGの指定試合にありません（見つからないチーム名：クオーヴェルFC）");
}

void TestVoteDownload::homeTeamWrittenAnotherWay()
{
    QFETCH(QString, home);
    QFETCH(bool, shares);
    QFETCH(QString, logLine);
    placeSchedule(1478);
    VotePageReader page;
    bool final = false;
    QVERIFY(page.getVote(1478, QString(), heldSchedule(1478), final));
    const VoteGame asWritten = page.vote().game[1];

    QString text = OfficialSite::pageText(QStringLiteral("vote_1478_final.html"));
    text.replace(QStringLiteral("<td class=\"home\">鹿島</td>"), QStringLiteral("<td class=\"home\">") + home
                                                                       + QStringLiteral("</td>"));
    m_bed->site.serve(OfficialSite::voteAddress(1478), text.toUtf8());
    {
        // One log for the download, as the workflow keeps it: the matches left
        // over are told after the transfer.
        const LoggedDownload::LogSession session(true);
        QVERIFY(page.getVote(1478, QString(), heldSchedule(1478), final));
    }
    QCOMPARE(page.vote().game[1].home, QStringLiteral("鹿島"));
    QCOMPARE(page.vote().game[1].votes == asWritten.votes, shares);
    QCOMPARE(page.vote().game[1].votes[1].count.isZero(), !shares);
    QVERIFY(!page.vote().game[2].votes[1].count.isZero());
    const QStringList log = m_bed->ui.closedConnectionLogs().last();
    QCOMPARE(log.filter(QStringLiteral(" toto 1：")), logLine.isEmpty() ? QStringList() : QStringList(logLine));
    QVERIFY(m_bed->ui.boxes().isEmpty());
}

void TestVoteDownload::userAdditionCountsAtTheNextDownload()
{
    placeSchedule(1478);
    QString text = OfficialSite::pageText(QStringLiteral("vote_1478_final.html"));
    text.replace(QStringLiteral("<td class=\"home\">鹿島</td>"), QStringLiteral("<td class=\"home\">カシマＸ</td>"));
    m_bed->site.serve(OfficialSite::voteAddress(1478), text.toUtf8());
    VotePageReader page;
    bool final = false;
    QVERIFY(page.getVote(1478, QString(), heldSchedule(1478), final));
    QVERIFY(page.vote().game[1].votes[1].count.isZero());

    // The team-name dialog appends to the user's file while the reader lives.
    m_bed->app.writeFile(QStringLiteral("SysData/TeamName3.dat"),
                         TestFiles::sjis(QStringLiteral(";user\r\n鹿島     = カシマX\r\n")));
    QVERIFY(page.getVote(1478, QString(), heldSchedule(1478), final));
    QVERIFY(!page.vote().game[1].votes[1].count.isZero());
}

void TestVoteDownload::oversizedNumbersFailWithOneBox()
{
    // Round 1486 has the matches of round 1478.
    m_bed->app.writeFile(scheduleFile(1486),
                         OfficialSite::expectedFile(QStringLiteral("big_schedule_1478.xml")).replace("1478", "1486"));
    VoteWorkflow vote;
    vote.initialize();

    QVERIFY(!vote.getVote(1486, QString(), 3, false, heldSchedule(1486)));
    vote.falseDialog(1486);
    QCOMPARE(boxLines(m_bed->ui),
             QStringList({boxLine(Ui::Icon::Error, QStringLiteral("QUDO / clsHtmlVote / GetVote"),
                                  QStringLiteral("オーバーフローしました。 ( 6 )")),
                          failureBox(kind)}));
    QVERIFY(!m_bed->app.exists(voteFile(1486)));
}

void TestVoteDownload::finalStatusWithoutSalesPeriodIsNotComplete()
{
    placeSchedule(1478);
    QString text = OfficialSite::pageText(QStringLiteral("vote_1478_final.html"));
    QVERIFY(text.contains(QStringLiteral("<th>販売期間</th>")));
    text.remove(QRegularExpression(QStringLiteral("<tr><th>販売期間</th>.*?</tr>")));
    m_bed->site.serve(OfficialSite::voteAddress(1478), text.toUtf8());
    VoteWorkflow vote;
    vote.initialize();

    QVERIFY(!vote.getVote(1478, QString(), 3, false, heldSchedule(1478)));
    QVERIFY(!vote.vote().voteTime.isSet());
    QVERIFY(!m_bed->app.exists(voteFile(1478)));
}

void TestVoteDownload::calledOffMatchIsReadByItsNumber()
{
    placeSchedule(1476);
    QVERIFY(OfficialSite::pageText(QStringLiteral("vote_1476_final_cancelled_matches.html"))
                .contains(QStringLiteral("中止<br>8")));
    VotePageReader page;
    bool final = false;
    QVERIFY(page.getVote(1476, QString(), heldSchedule(1476), final));
    // toto 8 and 9 are BIG 7 and 8.
    QCOMPARE(page.vote().game[7].home, QStringLiteral("山形"));
    QVERIFY(!page.vote().game[7].votes[0].count.isZero());
    QVERIFY(!page.vote().game[8].votes[2].count.isZero());
}

QTEST_GUILESS_MAIN(TestVoteDownload)
#include "TestVoteDownload.moc"
