#include "lottery/TeamNames.h"
#include "support/TextWidth.h"
#include "support/IniFile.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"

#include <QTest>

// Club names as the official pages write them, in their own mix of widths and
// abbreviations, found as the short names of the team-name files.
namespace {

void installFixtures(const TestAppFolder &app)
{
    for (const char *name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat", "TeamName3.dat"}) {
        const QString file = QLatin1String(name);
        app.writeFile(QStringLiteral("SysData/") + file, TestFiles::fixture(QStringLiteral("teamnames/") + file));
    }
}

} // namespace

class TestTeamNameFolding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fold_data();
    void fold();
    void everyFileIsConsulted_data();
    void everyFileIsConsulted();
    void aShortNameWinsOverAnotherClubsOfficialName();
    void shippedSpellingsOfThePages_data();
    void shippedSpellingsOfThePages();
    void shippedCurrentClubsWrittenHalfWidth();
};

void TestTeamNameFolding::fold_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("full- and half-width letters") << "ＦＣ東京" << "FC東京" << true;
    QTest::newRow("half-width katakana") << "ｱｰｾﾅﾙ" << "アーセナル" << true;
    QTest::newRow("voiced half-width katakana") << "ﾎﾞｰﾝﾏｽ" << "ボーンマス" << true;
    QTest::newRow("letter case") << "Fc東京" << "FC東京" << true;
    QTest::newRow("full-width dots") << "京都サンガＦ．Ｃ．" << "京都サンガF.C." << true;
    QTest::newRow("different clubs") << "横浜ＦＣ" << "横浜Ｍ" << false;
    QTest::newRow("different letters") << "Ｇ大阪" << "C大阪" << false;
}

void TestTeamNameFolding::fold()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(TeamNames::foldTeamName(a) == TeamNames::foldTeamName(b), same);
}

void TestTeamNameFolding::everyFileIsConsulted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shortName");
    QTest::newRow("short name") << "Main" << "Main";
    QTest::newRow("short name, full width") << "Ｍａｉｎ" << "Main";
    QTest::newRow("official name") << "Main Only FC" << "Main";
    QTest::newRow("first entry of a file wins") << "Twice Listed FC" << "First";
    QTest::newRow("former name") << "Old Name FC" << "Old";
    QTest::newRow("overseas name") << "Overseas FC" << "ｵｰﾊﾞｰ";
    QTest::newRow("overseas short name, full width") << "オーバー" << "ｵｰﾊﾞｰ";
    QTest::newRow("user's name, padding trimmed") << "User Only FC" << "User";
    QTest::newRow("main file before user file") << "Both Files FC" << "Both";
    QTest::newRow("surrounding spaces") << " Main Only FC " << "Main";
    QTest::newRow("not a club: the version") << "Version" << "";
    QTest::newRow("unknown") << "Nobody FC" << "";
    QTest::newRow("empty") << "" << "";
}

void TestTeamNameFolding::everyFileIsConsulted()
{
    QFETCH(QString, name);
    QFETCH(QString, shortName);
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app);
    RecordingUi ui;

    QCOMPARE(TeamNames().findShortTeamName(name), shortName);
    // Unlike the lookup of the designated-match page, nothing is said or kept.
    QVERIFY(ui.boxes().isEmpty());
    QVERIFY(TeamNames::missingTeamName().isEmpty());
}

void TestTeamNameFolding::aShortNameWinsOverAnotherClubsOfficialName()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    app.writeFile(QStringLiteral("SysData/TeamName.dat"),
                  TestFiles::sjis(QStringLiteral(";\r\nAlpha = Beta\r\nBeta = Beta United\r\n")));
    QCOMPARE(TeamNames().findShortTeamName(QStringLiteral("Beta")), QStringLiteral("Beta"));
    QCOMPARE(TeamNames().findShortTeamName(QStringLiteral("BETA UNITED")), QStringLiteral("Beta"));
}

void TestTeamNameFolding::shippedSpellingsOfThePages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shortName");
    QTest::newRow("FC東京") << "FC東京" << "ＦＣ東京";
    QTest::newRow("横浜FM") << "横浜FM" << "横浜Ｍ";
    QTest::newRow("横浜FC") << "横浜FC" << "横浜ＦＣ";
    QTest::newRow("Ｇ大阪") << "Ｇ大阪" << "Ｇ大阪";
    QTest::newRow("G大阪") << "G大阪" << "Ｇ大阪";
    QTest::newRow("川崎Ｆ") << "川崎Ｆ" << "川崎Ｆ";
    QTest::newRow("川崎") << "川崎" << "川崎Ｆ";
    QTest::newRow("東京V") << "東京V" << "東京Ｖ";
    QTest::newRow("栃木SC") << "栃木SC" << "栃木";
    QTest::newRow("栃木C") << "栃木C" << "栃木Ｃ";
    QTest::newRow("YS横浜") << "YS横浜" << "ＹＳ横浜";
    QTest::newRow("official name") << "横浜F・マリノス" << "横浜Ｍ";
    QTest::newRow("former name") << "東京ヴェルディ1969" << "東京Ｖ";
    QTest::newRow("overseas club") << "アーセナル" << "ｱｰｾﾅﾙ";
}

void TestTeamNameFolding::shippedSpellingsOfThePages()
{
    QFETCH(QString, name);
    QFETCH(QString, shortName);
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    QCOMPARE(TeamNames().findShortTeamName(name), shortName);
}

// Every club of the latest season, written with half-width letters and
// digits as the toto pages write them, is found as itself.
void TestTeamNameFolding::shippedCurrentClubsWrittenHalfWidth()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    IniFile leagues;
    QVERIFY(leagues.initialize(QStringLiteral("SysData\\J1J2.dat")));
    int latest = 0;
    for (const auto &entry : leagues.entries())
        latest = std::max(latest, entry.first.left(4).toInt());
    const TeamNames data;
    int clubs = 0;
    for (const char *league : {"J1", "J2", "J3"}) {
        const QString members = leagues.getItem(QString::number(latest) + QLatin1String(league), QString());
        for (const QString &shortName : members.split(u',', Qt::SkipEmptyParts)) {
            QCOMPARE(data.findShortTeamName(TextWidth::toHalfWidth(shortName)), shortName);
            ++clubs;
        }
    }
    QCOMPARE(clubs, 60);
}

QTEST_GUILESS_MAIN(TestTeamNameFolding)
#include "TestTeamNameFolding.moc"
