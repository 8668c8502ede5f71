#include "acquisition/ResultPageReader.h"
#include "acquisition/ResultWorkflow.h"
#include "common/OfficialSite.h"
#include "common/TestFiles.h"

#include <QDateTime>
#include <QTest>

#include <memory>

namespace {

const QString kind = QStringLiteral("くじ結果");

QString resultFile(int round)
{
    return QStringLiteral("SysData/BIG_Result/big_result_%1.xml").arg(round, 3, 10, QLatin1Char('0'));
}

} // namespace

class TestResultDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstDownloadWritesTheRoundFile_data();
    void firstDownloadWritesTheRoundFile();
    void bigBlockAmongTheOtherProducts();
    void fiveGrades();
    void downloadKeepsAnExistingFile();
    void damagedFileIsReplacedByTheDownload();
    void angleBracketsInATeamAreKeptFullWidth();
    void prizeBlockEndingEarlyIsNotComplete();
    void scoreAbove30IsNotComplete();
    void answerNoCancelsAndShowsNothing();
    void unpublishedRound();
    void deadServer();

private:
    std::unique_ptr<DownloadTestBed> m_bed;
};

void TestResultDownload::init()
{
    m_bed = std::make_unique<DownloadTestBed>();
    QVERIFY(m_bed->site.isListening());
}

void TestResultDownload::cleanup()
{
    m_bed.reset();
}

void TestResultDownload::firstDownloadWritesTheRoundFile_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<int>("outcome7");
    QTest::newRow("six grades, other products around") << 1478 << false << 1;
    QTest::newRow("four grades") << 421 << false << 1;
    QTest::newRow("two matches called off") << 1476 << false << 3;
    QTest::newRow("round called off") << 1162 << true << 3;
}

void TestResultDownload::firstDownloadWritesTheRoundFile()
{
    QFETCH(int, round);
    QFETCH(bool, cancelled);
    QFETCH(int, outcome7);
    ResultWorkflow result;
    result.initialize();
    m_bed->ui.scriptAnswers({Ui::Answer::Yes});

    QVERIFY(result.getResult(round, QString(), 3, true));
    QCOMPARE(boxLines(m_bed->ui), QStringList{questionBox(kind)});
    QCOMPARE(m_bed->site.requestsFor(OfficialSite::resultAddress(round)), 1);
    QCOMPARE(connectionLogHead(m_bed->ui),
             QStringList({QStringLiteral(" 第%1回 結果情報取得中 (オフィシャル)").arg(round),
                          QStringLiteral(" [コネクション開始]"),
                          u' ' + m_bed->site.origin() + OfficialSite::resultAddress(round)}));
    QCOMPARE(m_bed->app.readFile(resultFile(round)),
             OfficialSite::expectedFile(QStringLiteral("big_result_%1.xml").arg(round)));
    QCOMPARE(result.result().roundNumber, round);
    QCOMPARE(result.result().Cancelled, cancelled);
    QCOMPARE(int(result.result().game[7].Outcome), outcome7);
}

void TestResultDownload::bigBlockAmongTheOtherProducts()
{
    // mini BIG comes first on the page, BIG1000 and 100円BIG after BIG.
    const QString text = OfficialSite::pageText(QStringLiteral("result_1478_with_other_products.html"));
    QVERIFY(text.indexOf(QStringLiteral("mini BIGくじ結果")) < text.indexOf(QStringLiteral("回 BIGくじ結果")));
    ResultPageReader page;
    QVERIFY(page.getResult(1478, QString()));
    const ResultData &result = page.result();
    QCOMPARE(result.prize[1], Money::fromWhole(600000000));
    QCOMPARE(result.winners[6], Money::fromWhole(657432));
    QCOMPARE(result.sales, Money::fromWhole(1234567800));
    QCOMPARE(result.refundEnd.toDateTime(), QDateTime(QDate(2025, 3, 11), QTime(0, 0)));
    QCOMPARE(result.game[3].home, QStringLiteral("柏"));
    QCOMPARE(int(result.game[3].homeScore), 1);
    QCOMPARE(int(result.game[3].awayScore), 3);
    QCOMPARE(int(result.game[3].Outcome), 2);
    QCOMPARE(result.game[14].away, QStringLiteral("鹿児島"));
    QVERIFY(!result.Cancelled);
}

void TestResultDownload::fiveGrades()
{
    // Round 500 had five grades: the page of round 421 with a 5等 row.
    QString text = OfficialSite::pageText(QStringLiteral("result_421_four_grades.html"));
    text.replace(QStringLiteral("第421回"), QStringLiteral("第500回"));
    const QString lastGrade = QStringLiteral("<tr><th>4等</th><td>3,100円</td><td>19,877口</td><td>0円</td></tr>");
    QVERIFY(text.contains(lastGrade));
    text.replace(lastGrade, lastGrade + QStringLiteral("\n<tr><th>5等</th><td>1,000円</td><td>98,765口</td><td>0円</td></tr>"));
    m_bed->site.serve(OfficialSite::resultAddress(500), text.toUtf8());

    ResultPageReader page;
    QVERIFY(page.getResult(500, QString()));
    QCOMPARE(page.result().roundNumber, 500);
    QCOMPARE(page.result().prize[4], Money::fromWhole(3100));
    QCOMPARE(page.result().prize[5], Money::fromWhole(1000));
    QCOMPARE(page.result().winners[5], Money::fromWhole(98765));
    QVERIFY(page.result().prize[6].isZero());
    QCOMPARE(page.result().sales, Money::fromWhole(893456700));
    QCOMPARE(page.result().game[14].home, QStringLiteral("水戸"));
}

void TestResultDownload::downloadKeepsAnExistingFile()
{
    const QByteArray older = OfficialSite::expectedFile(QStringLiteral("big_result_1476.xml"));
    m_bed->app.writeFile(resultFile(1478), older);
    ResultWorkflow result;
    result.initialize();

    QVERIFY(result.getResult(1478, QString(), RoundWorkflow::FromSite, false));
    QCOMPARE(result.result().roundNumber, 1478);
    QCOMPARE(m_bed->app.readFile(resultFile(1478)), older);
}

void TestResultDownload::damagedFileIsReplacedByTheDownload()
{
    // A sales start date followed by 100,000 spaces and a letter: refused in
    // one pass, then replaced by the download, the damaged file kept beside.
    const QByteArray damaged
        = TestFiles::fixture(QStringLiteral("official/damaged/SysData/BIG_Result/big_result_1478.xml"));
    QVERIFY(damaged.size() > 100000);
    m_bed->app.writeFile(resultFile(1478), damaged);
    ResultWorkflow result;
    result.initialize();

    QVERIFY(result.getResult(1478, QString(), 3, false));
    QCOMPARE(m_bed->app.readFile(resultFile(1478)), OfficialSite::expectedFile(QStringLiteral("big_result_1478.xml")));
    QCOMPARE(m_bed->app.readFile(resultFile(1478) + QStringLiteral(".broken")), damaged);
    QCOMPARE(boxLines(m_bed->ui),
             QStringList(boxLine(Ui::Icon::Error, QStringLiteral("QUDO / clsXmlResult / XmlLoad"),
                                 QStringLiteral("型が一致しません。 ( 13 )"))));
    QCOMPARE(m_bed->ui.closedConnectionLogs().last().last(),
             QStringLiteral(" 読み込めない big_result_1478.xml を big_result_1478.xml.broken に移して置き換えます"));
}

void TestResultDownload::angleBracketsInATeamAreKeptFullWidth()
{
    ResultWorkflow result;
    result.initialize();
    QVERIFY(result.getResult(1485, QString(), 3, false));
    QCOMPARE(m_bed->app.readFile(resultFile(1485)), OfficialSite::expectedFile(QStringLiteral("big_result_1485.xml")));
    // The file reads back: the round shows from it from now on.
    ResultWorkflow again;
    again.initialize();
    QVERIFY(again.getResult(1485, QString(), RoundWorkflow::FromFile, false));
    QCOMPARE(again.result().game[1].home, QStringLiteral("鹿島＜B＞"));
    QVERIFY(m_bed->ui.boxes().isEmpty());
}

void TestResultDownload::prizeBlockEndingEarlyIsNotComplete()
{
    ResultPageReader page;
    QVERIFY(page.getResult(1477, QString()));
    QCOMPARE(page.result().prize[1], Money::fromWhole(300000000));
    QVERIFY(page.result().sales.isZero());
    QVERIFY(page.result().game[1].home.isEmpty());

    ResultWorkflow result;
    result.initialize();
    QVERIFY(!result.getResult(1477, QString(), 3, false));
    QVERIFY(!result.Unpublished());
    QVERIFY(!m_bed->app.exists(resultFile(1477)));
    result.falseDialog(1477);
    QCOMPARE(boxLines(m_bed->ui), QStringList{failureBox(kind)});
}

void TestResultDownload::scoreAbove30IsNotComplete()
{
    QString text = OfficialSite::pageText(QStringLiteral("result_1476_matches_cancelled.html"));
    const QString score = QStringLiteral("<td class=\"score\">3 - 0</td>");
    const qsizetype row = text.indexOf(score);
    QVERIFY(row > 0);
    text.replace(row, score.size(), QStringLiteral("<td class=\"score\">31 - 0</td>"));
    m_bed->site.serve(OfficialSite::resultAddress(1476), text.toUtf8());
    ResultWorkflow result;
    result.initialize();

    QVERIFY(!result.getResult(1476, QString(), 3, false));
    QCOMPARE(int(result.result().game[2].homeScore), 31);
    QVERIFY(!m_bed->app.exists(resultFile(1476)));
}

void TestResultDownload::answerNoCancelsAndShowsNothing()
{
    ResultWorkflow result;
    result.initialize();
    m_bed->ui.scriptAnswers({Ui::Answer::No});

    QVERIFY(!result.getResult(1478, QString(), 3, true));
    QVERIFY(result.Cancel());
    result.falseDialog(1478);
    QCOMPARE(boxLines(m_bed->ui), QStringList{questionBox(kind)});
    QCOMPARE(m_bed->site.requests(), 0);
}

void TestResultDownload::unpublishedRound()
{
    ResultWorkflow result;
    result.initialize();

    QVERIFY(!result.getResult(1479, QString(), 3, false));
    QVERIFY(result.Unpublished());
    QCOMPARE(m_bed->site.requestsFor(OfficialSite::resultAddress(1479)), 1);
    result.falseDialog(1479);
    QCOMPARE(boxLines(m_bed->ui), QStringList{unpublishedBox(1479, kind)});
    QVERIFY(!m_bed->app.exists(resultFile(1479)));
}

void TestResultDownload::deadServer()
{
    OfficialSite::pointSettingsAtDeadServer();
    ResultWorkflow result;
    result.initialize();

    QVERIFY(!result.getResult(1478, QString(), 3, false));
    QVERIFY(!result.Unpublished());
    result.falseDialog(1478);
    QCOMPARE(boxLines(m_bed->ui), QStringList{failureBox(kind)});
}

QTEST_GUILESS_MAIN(TestResultDownload)
#include "TestResultDownload.moc"
