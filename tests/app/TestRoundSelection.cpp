#include "app/RoundSelection.h"
#include "common/OfficialSite.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "rounddata/ScheduleFile.h"
#include "rounddata/VoteFile.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

// The round box, the group box and the official downloads behind them.
class TestRoundSelection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void roundBoxText_data();
    void roundBoxText();
    void roundBoxKeys_data();
    void roundBoxKeys();
    void nothingReloadsBeforeInitialize();
    void groupClickReloadsTheSameFiles();
    void downloadsEnabledByMissingFiles_data();
    void downloadsEnabledByMissingFiles();
    void notHeldRoundIgnoresDownloads();
    void voteBeforeScheduleAsksForTheSchedule();
    void scheduleDownloadKeepsTheVoteRecord();
    void voteDownloadHoldsWhatItWrote();

private:
    void placeRoundFile(const QString &kind, int round);

    std::unique_ptr<DownloadTestBed> m_bed;
    std::unique_ptr<RoundSelection> m_main;
};

void TestRoundSelection::init()
{
    m_bed = std::make_unique<DownloadTestBed>();
    m_main = std::make_unique<RoundSelection>();
    m_main->initialize();
}

void TestRoundSelection::cleanup()
{
    m_main.reset();
    m_bed.reset();
}

void TestRoundSelection::placeRoundFile(const QString &kind, int round)
{
    const QString name = QStringLiteral("big_%1_%2.xml").arg(kind).arg(round);
    const QString folder = kind == QStringLiteral("schedule") ? QStringLiteral("BIG_Schedule")
                           : kind == QStringLiteral("vote")   ? QStringLiteral("BIG_Vote")
                                                              : QStringLiteral("BIG_Result");
    m_bed->app.writeFile(QStringLiteral("SysData/%1/%2").arg(folder, name), OfficialSite::expectedFile(name));
}

void TestRoundSelection::roundBoxText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("round");
    QTest::newRow("beyond the range") << "12345" << "9999" << 9999;
    QTest::newRow("cleared") << "" << "" << -1;
    QTest::newRow("leading zeros") << "0012" << "12" << 12;
    QTest::newRow("a long run of digits") << "123456789012345678901" << "9999" << 9999;
    QTest::newRow("pasted text") << "abc" << "0" << 0;
    QTest::newRow("full-width digits") << "１２" << "12" << 12;
    QTest::newRow("full-width digits beyond the range") << "１２３４５" << "9999" << 9999;
    QTest::newRow("digits of another script") << "١٢" << "0" << 0;
}

void TestRoundSelection::roundBoxText()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, round);
    QSignalSpy changes(m_main.get(), &RoundSelection::roundNumberChange);
    QSignalSpy texts(m_main.get(), &RoundSelection::roundTextChange);

    m_main->setRoundText(typed);
    QCOMPARE(m_main->roundText(), shown);
    QCOMPARE(texts.last().at(0).toString(), shown);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.last().at(0).toInt(), round);
    QCOMPARE(changes.last().at(1).toString(), QString());
    QCOMPARE(m_main->roundNumber(), round);
    QCOMPARE(m_main->schedule().roundNumber, 0);
}

void TestRoundSelection::roundBoxKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Up") << "5" << 1 << "6";
    QTest::newRow("Down at 0") << "0" << -1 << "0";
    QTest::newRow("Up at 9999") << "9999" << 1 << "9999";
    QTest::newRow("Page Up") << "5" << 9999 << "9999";
    QTest::newRow("Page Down") << "5" << -9999 << "0";
    QTest::newRow("Up in an empty box") << "" << 1 << "1";
}

void TestRoundSelection::roundBoxKeys()
{
    QFETCH(QString, text);
    QFETCH(int, delta);
    QFETCH(QString, shown);
    m_main->setRoundText(text);
    m_main->stepRound(delta);
    QCOMPARE(m_main->roundText(), shown);
    QCOMPARE(m_main->roundNumber(), shown.toInt());
}

void TestRoundSelection::nothingReloadsBeforeInitialize()
{
    RoundSelection fresh;
    QSignalSpy changes(&fresh, &RoundSelection::roundNumberChange);
    fresh.setRoundText(QStringLiteral("1478"));
    fresh.groupClick(1);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(fresh.roundText(), QStringLiteral("1478"));
}

void TestRoundSelection::groupClickReloadsTheSameFiles()
{
    placeRoundFile(QStringLiteral("schedule"), 1478);
    placeRoundFile(QStringLiteral("vote"), 1478);
    m_main->setRoundNumber(1478);
    const ScheduleData schedule = m_main->schedule();
    QCOMPARE(schedule.roundNumber, 1478);
    QSignalSpy changes(m_main.get(), &RoundSelection::roundNumberChange);

    m_main->groupClick(1);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.last().at(1).toString(), QString());
    QCOMPARE(m_main->schedule().game[1].home, schedule.game[1].home);
    QCOMPARE(m_main->vote().roundNumber, 1478);
    QCOMPARE(RoundSelection::groups(), (QStringList{"Ａ組", "Ｂ組"}));
}

void TestRoundSelection::downloadsEnabledByMissingFiles_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::newRow("none") << QStringList{};
    QTest::newRow("schedule") << QStringList{"schedule"};
    QTest::newRow("schedule and vote") << QStringList{"schedule", "vote"};
    QTest::newRow("all three") << QStringList{"schedule", "vote", "result"};
}

void TestRoundSelection::downloadsEnabledByMissingFiles()
{
    QFETCH(QStringList, files);
    for (const QString &kind : files)
        placeRoundFile(kind, 1478);
    m_main->setRoundNumber(1478);
    QCOMPARE(m_main->checkScheduleFile(), files.contains(QStringLiteral("schedule")));
    QCOMPARE(m_main->checkVoteFile(), files.contains(QStringLiteral("vote")));
    QCOMPARE(m_main->checkResultFile(), files.contains(QStringLiteral("result")));
}

void TestRoundSelection::notHeldRoundIgnoresDownloads()
{
    ScheduleFile xml;
    QVERIFY(xml.xmlSaveNotHeld(1300, xml.getFileName(1300, QString())));
    m_main->setRoundNumber(1300);
    QVERIFY(m_main->noGame());
    QSignalSpy changes(m_main.get(), &RoundSelection::roundNumberChange);

    m_main->getSchedule(false);
    m_main->getVote(false);
    m_main->getResult(false);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(m_bed->site.requests(), 0);
    QVERIFY(m_bed->ui.boxes().isEmpty());
}

void TestRoundSelection::voteBeforeScheduleAsksForTheSchedule()
{
    m_main->setRoundNumber(1478);
    m_main->getVote(false);
    QCOMPARE(boxLines(m_bed->ui),
             QStringList{boxLine(Ui::Icon::Information, QStringLiteral("QUDO"),
                                 QStringLiteral("開催情報を先にダウンロードして下さい。"))});
    QCOMPARE(m_bed->site.requests(), 0);
}

void TestRoundSelection::scheduleDownloadKeepsTheVoteRecord()
{
    m_main->setRoundNumber(1478);
    VoteData userVote;
    userVote.roundNumber = 1478;
    userVote.game[1].home = QStringLiteral("手入力");
    m_main->setVote(userVote);
    QSignalSpy changes(m_main.get(), &RoundSelection::roundNumberChange);

    m_main->getSchedule(false);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(m_main->schedule().roundNumber, 1478);
    QCOMPARE(m_main->vote().game[1].home, QStringLiteral("手入力"));
    QVERIFY(m_main->checkScheduleFile());
}

void TestRoundSelection::voteDownloadHoldsWhatItWrote()
{
    placeRoundFile(QStringLiteral("schedule"), 1478);
    m_main->setRoundNumber(1478);
    QCOMPARE(m_main->vote().roundNumber, 0);

    QSignalSpy changes(m_main.get(), &RoundSelection::roundNumberChange);
    m_main->getVote(false);
    QCOMPARE(changes.size(), 1);
    QVERIFY(m_main->checkVoteFile());
    QCOMPARE(m_main->vote().roundNumber, 1478);
    // The round holds the downloaded record, the same as the file reads back.
    VoteFile written;
    QVERIFY(written.xmlLoad(written.getFileName(1478, QString())));
    QCOMPARE(m_main->vote().voteTime.value(), written.vote().voteTime.value());
    for (int match = 1; match <= RoundData::MatchCount; ++match)
        QVERIFY(m_main->vote().game[match].votes == written.vote().game[match].votes);
    QCOMPARE(m_bed->app.readFile(QStringLiteral("SysData/BIG_Vote/big_vote_1478.xml")),
             OfficialSite::expectedFile(QStringLiteral("big_vote_1478.xml")));
    QVERIFY(m_bed->ui.boxes().isEmpty());
}

QTEST_GUILESS_MAIN(TestRoundSelection)
#include "TestRoundSelection.moc"
