#include "app/RoundInfoText.h"
#include "acquisition/BigSettings.h"

#include <QTest>

// The round information panel and the status bar at their boundaries.
class TestRoundInfoText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void countdown_data();
    void countdown();
    void salesStatus_data();
    void salesStatus();
    void longDate_data();
    void longDate();
    void roundCaption_data();
    void roundCaption();
    void voteSource_data();
    void voteSource();
    void salesScheduleUrlOnTheOfficialHost();
};

namespace {

OleDate at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return OleDate::fromDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

ScheduleData salesFrom(OleDate start, OleDate end)
{
    ScheduleData schedule;
    schedule.roundNumber = 1478;
    schedule.saleStart = start;
    schedule.saleEnd = end;
    return schedule;
}

} // namespace

Q_DECLARE_METATYPE(OleDate)

void TestRoundInfoText::countdown_data()
{
    QTest::addColumn<OleDate>("from");
    QTest::addColumn<OleDate>("to");
    QTest::addColumn<QString>("text");
    const OleDate from = at(2021, 3, 4, 10, 45);
    QTest::newRow("days, hours, minutes") << from << at(2021, 3, 6, 13, 50) << "2日 3時間5分";
    QTest::newRow("minutes only") << from << at(2021, 3, 4, 11, 30) << "0時間45分";
    QTest::newRow("nothing left") << from << from << "0時間0分";
    QTest::newRow("seconds do not count") << from << at(2021, 3, 4, 10, 46, 59) << "0時間1分";
    QTest::newRow("exactly one day") << from << at(2021, 3, 5, 10, 45) << "1日 0時間0分";
}

void TestRoundInfoText::countdown()
{
    QFETCH(OleDate, from);
    QFETCH(OleDate, to);
    QFETCH(QString, text);
    QCOMPARE(RoundInfoText::countdown(from, to), text);
}

void TestRoundInfoText::salesStatus_data()
{
    QTest::addColumn<OleDate>("now");
    QTest::addColumn<QString>("text");
    QTest::newRow("before sales") << at(2021, 2, 27, 9, 0) << "販売開始まで あと 1日 1時間0分";
    QTest::newRow("at the start") << at(2021, 2, 28, 10, 0) << "販売締切まで あと 6日 3時間50分";
    QTest::newRow("exactly at the end second") << at(2021, 3, 6, 13, 50) << "販売締切まで あと 0時間0分";
    QTest::newRow("one second after") << at(2021, 3, 6, 13, 50, 1) << "販売終了";
    QTest::newRow("one minute after") << at(2021, 3, 6, 13, 51) << "販売終了";
}

void TestRoundInfoText::salesStatus()
{
    QFETCH(OleDate, now);
    QFETCH(QString, text);
    QCOMPARE(RoundInfoText::salesStatus(salesFrom(at(2021, 2, 28, 10, 0), at(2021, 3, 6, 13, 50)), now), text);
}

void TestRoundInfoText::longDate_data()
{
    QTest::addColumn<OleDate>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("with time") << at(2021, 3, 6, 13, 50) << "2021年03月06日(土) 13:50:00";
    QTest::newRow("midnight keeps the space") << at(2021, 3, 6) << "2021年03月06日(土) ";
    QTest::newRow("Sunday") << at(2021, 3, 7, 9, 5, 7) << "2021年03月07日(日) 09:05:07";
}

void TestRoundInfoText::longDate()
{
    QFETCH(OleDate, value);
    QFETCH(QString, text);
    QCOMPARE(RoundInfoText::longDate(value), text);
}

void TestRoundInfoText::roundCaption_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("caption");
    QTest::newRow("round 12") << 12 << QString() << " 第 12 回 ";
    QTest::newRow("round 0") << 0 << QString() << " 第   回 ";
    QTest::newRow("empty box") << -1 << QString() << " 第   回 ";
    QTest::newRow("group") << 1478 << "A" << " 第 1478 回  [ A組 ] ";
}

void TestRoundInfoText::roundCaption()
{
    QFETCH(int, round);
    QFETCH(QString, group);
    QFETCH(QString, caption);
    QCOMPARE(RoundInfoText::roundCaption(round, group), caption);
}

void TestRoundInfoText::voteSource_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<OleDate>("voteTime");
    QTest::addColumn<QString>("text");
    QTest::newRow("no vote record") << 0 << at(2021, 3, 6, 13, 50) << QString();
    QTest::newRow("final") << 1200 << at(2021, 3, 6, 13, 50) << "　使用投票率：2021/03/06 (最終)";
    QTest::newRow("during sales") << 1200 << at(2021, 3, 5, 9, 7) << "　使用投票率：2021/03/05 09:07";
    QTest::newRow("no time") << 1200 << OleDate() << "　使用投票率：ユーザー定義";
}

void TestRoundInfoText::voteSource()
{
    QFETCH(int, round);
    QFETCH(OleDate, voteTime);
    QFETCH(QString, text);
    VoteData vote;
    vote.roundNumber = round;
    vote.voteTime = voteTime;
    vote.saleEnd = at(2021, 3, 6, 13, 50);
    QCOMPARE(RoundInfoText::voteSource(vote), text);
    QCOMPARE(RoundInfoText::statusBarText(QStringLiteral(" 第 1200 回 "), vote), QStringLiteral(" 第 1200 回 ") + text);
}

void TestRoundInfoText::salesScheduleUrlOnTheOfficialHost()
{
    setBigSettingsDefaults();
    QCOMPARE(RoundInfoText::salesScheduleUrl(),
             QStringLiteral("https://store.toto-dream.com/dci/I/IPA/IPA02.do?op=initBIGLotSalesSchedule"));
    bigSettings().bigOfficialScheduleUrl = QStringLiteral("http://127.0.0.1:8080/dcs/x.form?holdCntId=");
    QCOMPARE(RoundInfoText::salesScheduleUrl(),
             QStringLiteral("http://127.0.0.1:8080/dci/I/IPA/IPA02.do?op=initBIGLotSalesSchedule"));
}

QTEST_GUILESS_MAIN(TestRoundInfoText)
#include "TestRoundInfoText.moc"
