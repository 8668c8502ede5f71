#include "common/OfficialSite.h"
#include "common/TestFiles.h"
#include "history/HistoryDownload.h"
#include "history/HistoryResults.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>

// The download of many rounds' results against the stand-in site: one box
// at the end, the progress window with its 中止, a round that is not
// published, a page that does not read and a server that stops answering.
namespace {

QString resultFile(int round)
{
    return QStringLiteral("SysData/BIG_Result/big_result_%1.xml").arg(round);
}

HistoryDownload quickDownload()
{
    HistoryDownload download;
    download.setInterval(0);
    return download;
}

} // namespace

class TestHistoryDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void everyRoundInOneGoWithOneBox();
    void serverThatStopsAnsweringHalfWay();
    void deadServerFromTheStart();
    void stopEndsAfterTheCurrentRound();
    void aSecondBetweenTwoRequests();
    void theStandInSiteHasASeason();
    void nothingToDownload();
    void aDamagedResultFileIsReplacedWithoutABox();

private:
    std::unique_ptr<DownloadTestBed> m_bed;
};

void TestHistoryDownload::init()
{
    m_bed = std::make_unique<DownloadTestBed>();
    QVERIFY(m_bed->site.isListening());
}

void TestHistoryDownload::cleanup()
{
    m_bed.reset();
}

void TestHistoryDownload::everyRoundInOneGoWithOneBox()
{
    HistoryDownload download = quickDownload();
    const HistoryDownload::Summary summary = download.Run({1476, 1477, 1478, 1490});
    QCOMPARE(summary.downloaded, 2);
    QCOMPARE(summary.Failed, 1);        // 1477: the prize block ends early
    QCOMPARE(summary.Unpublished, 1);   // 1490: the site has nothing yet
    QVERIFY(!summary.Stopped && !summary.unreachable);
    QCOMPARE(boxLines(m_bed->ui),
             QStringList{boxLine(Ui::Icon::Information, QStringLiteral(" くじ結果"), HistoryDownload::summaryText(summary))});
    QVERIFY(HistoryDownload::summaryText(summary).contains(QStringLiteral("ダウンロードした開催回：2")));
    for (const int round : {1476, 1478})
        QVERIFY(HistoryResults::hasReadableFile(round));
    for (const int round : {1477, 1490})
        QVERIFY(!m_bed->app.exists(resultFile(round)));
    for (const int round : {1476, 1477, 1478, 1490})
        QCOMPARE(m_bed->site.requestsFor(OfficialSite::resultAddress(round)), 1);
    QCOMPARE(m_bed->ui.progressShows(), 1);
    QVERIFY(m_bed->ui.progressMessages().contains(QStringLiteral("第1477回 くじ結果をダウンロード中")));
    QCOMPARE(m_bed->ui.connectionLogShows(), 0);
    QVERIFY(!m_bed->ui.progressShown());
}

void TestHistoryDownload::serverThatStopsAnsweringHalfWay()
{
    LoopbackHttpServer::Response cut;
    cut.body = OfficialSite::page(QStringLiteral("result_1478_with_other_products.html"));
    cut.delivery = LoopbackHttpServer::Response::Delivery::CutAndClose;
    cut.cutAfter = 100;
    for (const int round : {1479, 1480, 1481})
        m_bed->site.serve(OfficialSite::resultAddress(round), cut);
    HistoryDownload download = quickDownload();
    const HistoryDownload::Summary summary = download.Run({1478, 1479, 1480, 1481});
    QCOMPARE(summary.downloaded, 1);
    QCOMPARE(summary.Failed, 2);
    QVERIFY(summary.unreachable);
    QCOMPARE(m_bed->site.requestsFor(OfficialSite::resultAddress(1481)), 0);
    QVERIFY(HistoryResults::hasReadableFile(1478));
    QCOMPARE(boxLines(m_bed->ui),
             QStringList{boxLine(Ui::Icon::Warning, QStringLiteral(" くじ結果"), HistoryDownload::summaryText(summary))});
}

void TestHistoryDownload::deadServerFromTheStart()
{
    OfficialSite::pointSettingsAtDeadServer();
    HistoryDownload download = quickDownload();
    const HistoryDownload::Summary summary = download.Run({1476, 1477, 1478, 1479, 1480});
    QVERIFY(summary.unreachable);
    QCOMPARE(summary.Failed, HistoryDownload::FailuresOfDeadServer);
    QCOMPARE(m_bed->ui.boxes().size(), 1);
    QCOMPARE(m_bed->ui.boxes()[0].icon, Ui::Icon::Warning);
    QVERIFY(m_bed->ui.boxes()[0].text.startsWith(QStringLiteral("インターネットよりダウンロードに失敗しました。")));
}

void TestHistoryDownload::stopEndsAfterTheCurrentRound()
{
    m_bed->ui.onProcessEvents = [this] {
        if (m_bed->ui.progressStoppable() && m_bed->site.requests() > 0)
            m_bed->ui.pressProgressStop();
    };
    HistoryDownload download;
    download.setInterval(50);
    const HistoryDownload::Summary summary = download.Run({1476, 1478, 421});
    QVERIFY(summary.Stopped);
    QCOMPARE(summary.downloaded, 1);
    QCOMPARE(m_bed->site.requests(), 1);
    QVERIFY(HistoryResults::hasReadableFile(1476));
    QCOMPARE(m_bed->ui.boxes().size(), 1);
    QVERIFY(m_bed->ui.boxes()[0].text.startsWith(QStringLiteral("くじ結果の一括ダウンロードを中止しました。")));
}

void TestHistoryDownload::aSecondBetweenTwoRequests()
{
    HistoryDownload download;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(download.Run({1476, 1478}).downloaded, 2);
    QVERIFY(timer.elapsed() >= 1000);
    QCOMPARE(m_bed->site.requests(), 2);
}

void TestHistoryDownload::theStandInSiteHasASeason()
{
    QList<qint32> season;
    for (qint32 round = 1450; round <= 1478; ++round)
        season.append(round);
    HistoryDownload download = quickDownload();
    const HistoryDownload::Summary summary = download.Run(season);
    QCOMPARE(summary.downloaded, 28);
    QCOMPARE(summary.Failed, 1);   // 1477
    QCOMPARE(summary.Unpublished, 0);
    HistoryResults results;
    for (const qint32 round : season)
        QCOMPARE(results.of(round).roundNumber, round == 1477 ? 0 : round);
    QVERIFY(results.of(1450).prize[6] > Money());
}

void TestHistoryDownload::nothingToDownload()
{
    HistoryDownload download = quickDownload();
    QCOMPARE(download.Run({}).downloaded, 0);
    QCOMPARE(boxLines(m_bed->ui), QStringList{boxLine(Ui::Icon::Information, QStringLiteral(" くじ結果"),
                                                       QStringLiteral("くじ結果のない開催回はありません。"))});
    QCOMPARE(m_bed->site.requests(), 0);
    QCOMPARE(m_bed->ui.progressShows(), 0);
}

void TestHistoryDownload::aDamagedResultFileIsReplacedWithoutABox()
{
    m_bed->app.writeFile(resultFile(1478),
                         TestFiles::fixture(QStringLiteral("official/damaged/SysData/BIG_Result/big_result_1478.xml")));
    QVERIFY(!HistoryResults::hasReadableFile(1478));
    HistoryDownload download = quickDownload();
    QCOMPARE(download.Run({1478}).downloaded, 1);
    QVERIFY(HistoryResults::hasReadableFile(1478));
    QVERIFY(m_bed->app.exists(resultFile(1478) + QStringLiteral(".broken")));
    QCOMPARE(m_bed->ui.boxes().size(), 1);
    QCOMPARE(m_bed->ui.boxes()[0].icon, Ui::Icon::Information);
}

QTEST_GUILESS_MAIN(TestHistoryDownload)
#include "TestHistoryDownload.moc"
