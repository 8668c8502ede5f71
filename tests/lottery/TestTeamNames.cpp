#include "app/TeamNameEditor.h"
#include "lottery/TeamNames.h"
#include "support/AppInfo.h"
#include "support/IniFile.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

using Box = RecordingUi::Box;

namespace {

const QString userFile = QStringLiteral("SysData/TeamName3.dat");
const QString userHeader = QStringLiteral(";Quorvel TeamName User Data File (TeamName3.dat)\r\n");

// The small reference files of tests/data/teamnames; TeamName3.dat only when asked.
void installFixtures(const TestAppFolder &app, bool withUserFile)
{
    for (const char *name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat", "TeamName3.dat"}) {
        const QString file = QLatin1String(name);
        if (file != QLatin1String("TeamName3.dat") || withUserFile)
            app.writeFile(QStringLiteral("SysData/") + file, TestFiles::fixture(QStringLiteral("teamnames/") + file));
    }
}

QString notFoundText(const QString &officialName)
{
    return QStringLiteral("チーム名：") + officialName + QStringLiteral(" が見つかりません。\r\n")
           + QStringLiteral("最新のチーム名データをダウンロードするかチーム名を追加して下さい。");
}

// Sets the process-wide missing team name the way the program does: a failed lookup.
void makeMissing(const QString &officialName)
{
    RecordingUi quiet;
    TeamNames().getShortTeamName(officialName, 1000);
}

} // namespace

class TestTeamNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void shortTeamNameLookupOrder_data();
    void shortTeamNameLookupOrder();
    void unknownNameWarnsAndBecomesTheMissingName();
    void roundZeroWarnsAndLooksNothingUp();
    void withoutUserFileOnlyTheNotFoundWarningShows();
    void objectKeepsTheFilesAsTheyWereAtCreation();

    void leagueOfShortName_data();
    void leagueOfShortName();
    void teamName2Version();
    void teamName2VersionWithoutEntries();
    void existsLongTeamName_data();
    void existsLongTeamName();

    void presetsComeFromTheMissingName();
    void addRejectsInput_data();
    void addRejectsInput();
    void addAppendsPaddedEntryAndClearsMissingName();
    void firstAdditionCreatesUserFile();
    void rejectedFirstAdditionLeavesCommentOnlyFile();
    void addEndsAnUnterminatedLastLineFirst();
    void unwritableUserFileIsNotReportedAsAdded();

    void shippedFilesHaveTheirHeaders_data();
    void shippedFilesHaveTheirHeaders();
    void shippedShortNamesFitAndAreUnique_data();
    void shippedShortNamesFitAndAreUnique();
    void shippedOverseasFileEndsWithEnd();
    void shippedLeagueLinesTagEveryMember();
    void shippedLeagueLinesCoverEverySeason();
    void shippedLeagueMembersAreKnownClubs();
    void shippedNamesResolve_data();
    void shippedNamesResolve();
};

void TestTeamNames::init()
{
    TeamNames::clearMissingTeamName();
}

void TestTeamNames::shortTeamNameLookupOrder_data()
{
    QTest::addColumn<QString>("officialName");
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("expected");

    QTest::newRow("main file") << "Main Only FC" << 1 << "Main";
    QTest::newRow("letter case ignored") << "MAIN only fc" << 1000 << "Main";
    QTest::newRow("main file before user file") << "Both Files FC" << 1000 << "Both";
    QTest::newRow("first entry of a file wins") << "Twice Listed FC" << 1000 << "First";
    QTest::newRow("former name, round 749") << "Old Name FC" << 749 << "Old";
    QTest::newRow("former name, round 750") << "Old Name FC" << 750 << "";
    QTest::newRow("overseas, round 750") << "Overseas FC" << 750 << "ｵｰﾊﾞｰ";
    QTest::newRow("overseas, round 749") << "Overseas FC" << 749 << "";
    QTest::newRow("user file, padding trimmed") << "User Only FC" << 1 << "User";
    QTest::newRow("no round box value yet") << "Old Name FC" << -1 << "Old";
}

void TestTeamNames::shortTeamNameLookupOrder()
{
    QFETCH(QString, officialName);
    QFETCH(int, round);
    QFETCH(QString, expected);
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, true);
    RecordingUi ui;

    QCOMPARE(TeamNames().getShortTeamName(officialName, round), expected);

    if (expected.isEmpty()) {
        QCOMPARE(ui.boxes().size(), 1);
        QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Warning);
        QCOMPARE(ui.boxes()[0].title, AppInfo::title());
        QCOMPARE(ui.boxes()[0].text, notFoundText(officialName));
        QCOMPARE(TeamNames::missingTeamName(), officialName);
    } else {
        QVERIFY(ui.boxes().isEmpty());
        QVERIFY(TeamNames::missingTeamName().isEmpty());
    }
}

void TestTeamNames::unknownNameWarnsAndBecomesTheMissingName()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, true);
    RecordingUi ui;
    const TeamNames data;

    QCOMPARE(data.getShortTeamName(QStringLiteral("First Unknown"), 1000), QString());
    QCOMPARE(data.getShortTeamName(QStringLiteral("Second Unknown"), 1000), QString());
    QCOMPARE(TeamNames::missingTeamName(), QStringLiteral("Second Unknown"));

    // A later successful lookup does not forget it: only an addition does.
    QCOMPARE(data.getShortTeamName(QStringLiteral("Main Only FC"), 1000), QStringLiteral("Main"));
    QCOMPARE(TeamNames::missingTeamName(), QStringLiteral("Second Unknown"));
    QCOMPARE(ui.boxes().size(), 2);
}

void TestTeamNames::roundZeroWarnsAndLooksNothingUp()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, true);
    RecordingUi ui;

    QCOMPARE(TeamNames().getShortTeamName(QStringLiteral("Main Only FC"), 0), QString());
    QCOMPARE(TeamNames().getShortTeamName(QStringLiteral("Unknown FC"), 0), QString());

    QCOMPARE(ui.boxes().size(), 2);
    for (const Box &box : ui.boxes()) {
        QCOMPARE(box.icon, Ui::Icon::Warning);
        QCOMPARE(box.title, QStringLiteral("GetShortTeamName"));
        QCOMPARE(box.text, QStringLiteral("開催回が不明です"));
    }
    QVERIFY(TeamNames::missingTeamName().isEmpty());
}

void TestTeamNames::withoutUserFileOnlyTheNotFoundWarningShows()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, false);
    RecordingUi ui;
    const TeamNames data;

    QCOMPARE(data.getShortTeamName(QStringLiteral("User Only FC"), 1000), QString());
    QCOMPARE(data.existsLongTeamName(QStringLiteral("User Only FC")), false);
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].text, notFoundText(QStringLiteral("User Only FC")));
}

void TestTeamNames::objectKeepsTheFilesAsTheyWereAtCreation()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, false);
    RecordingUi ui;
    const TeamNames before;
    app.writeFile(userFile, TestFiles::sjis(TestFiles::crlfLines({"Late = Late FC"})));

    QCOMPARE(TeamNames().getShortTeamName(QStringLiteral("Late FC"), 1000), QStringLiteral("Late"));
    QVERIFY(ui.boxes().isEmpty());
    QCOMPARE(before.getShortTeamName(QStringLiteral("Late FC"), 1000), QString());
    QCOMPARE(ui.boxes().size(), 1);
}

void TestTeamNames::leagueOfShortName_data()
{
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("expected");

    QTest::newRow("J1") << "Both" << 2010 << "J1";
    QTest::newRow("J2") << "Old" << 2010 << "J2";
    QTest::newRow("J3") << "東京Ｖ" << 2010 << "J3";
    QTest::newRow("no line for the year") << "Old" << 2011 << "";
    QTest::newRow("first league line wins") << "Main" << 2010 << "J1";
    QTest::newRow("part of a name") << "東京" << 2010 << "J2";
    QTest::newRow("letter case counts") << "main" << 2010 << "";
    QTest::newRow("not listed") << "Overseas" << 2010 << "";
    QTest::newRow("empty name") << "" << 2010 << "";
}

void TestTeamNames::leagueOfShortName()
{
    QFETCH(QString, shortName);
    QFETCH(int, year);
    QFETCH(QString, expected);
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, false);
    RecordingUi ui;

    QCOMPARE(TeamNames().getShortToJ1J2String(shortName, year), expected);
    QVERIFY(ui.boxes().isEmpty());
}

void TestTeamNames::teamName2Version()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, false);
    QCOMPARE(TeamNames().getTeamName2Version(), QStringLiteral("3.12"));
}

void TestTeamNames::teamName2VersionWithoutEntries()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, false);
    app.writeFile(QStringLiteral("SysData/TeamName2.dat"), TestFiles::sjis(TestFiles::crlfLines({";none", "ｵｰﾊﾞｰ = Overseas FC"})));
    RecordingUi ui;
    QCOMPARE(TeamNames().getTeamName2Version(), QStringLiteral("."));
    QVERIFY(ui.boxes().isEmpty());
}

void TestTeamNames::existsLongTeamName_data()
{
    QTest::addColumn<QString>("officialName");
    QTest::addColumn<bool>("exists");

    QTest::newRow("main file") << "Main Only FC" << true;
    QTest::newRow("overseas file") << "overseas fc" << true;
    QTest::newRow("user file") << "User Only FC" << true;
    QTest::newRow("former names are not consulted") << "Old Name FC" << false;
    QTest::newRow("short name is no official name") << "Main" << false;
    QTest::newRow("empty") << "" << false;
}

void TestTeamNames::existsLongTeamName()
{
    QFETCH(QString, officialName);
    QFETCH(bool, exists);
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, true);
    RecordingUi ui;

    QCOMPARE(TeamNames().existsLongTeamName(officialName), exists);
    QVERIFY(ui.boxes().isEmpty());
}

void TestTeamNames::presetsComeFromTheMissingName()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, false);
    QCOMPARE(TeamNameEditor::presetShortName(), QString());
    QCOMPARE(TeamNameEditor::presetFullName(), QString());

    makeMissing(QStringLiteral("ＦＣバルセロナ"));
    QCOMPARE(TeamNameEditor::presetShortName(), QStringLiteral("FCﾊﾞﾙｾﾛﾅ"));
    QCOMPARE(TeamNameEditor::presetFullName(), QStringLiteral("ＦＣバルセロナ"));
}

void TestTeamNames::addRejectsInput_data()
{
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QString>("message");

    QTest::newRow("both empty: short name first") << "" << "" << "略称を入力して下さい。";
    QTest::newRow("short name of spaces") << "   " << "Sample FC" << "略称を入力して下さい。";
    QTest::newRow("official name empty") << "ABC" << "  " << "名称を入力して下さい。";
    QTest::newRow("seven characters") << "ABCDEFG" << "Sample FC" << "略称は6文字以内で入力して下さい。";
    QTest::newRow("six and a trailing space") << "ABCDEF " << "Sample FC" << "略称は6文字以内で入力して下さい。";
    QTest::newRow("voiced marks count") << "ｶﾞﾝﾊﾞｵｵ" << "Sample FC" << "略称は6文字以内で入力して下さい。";
    QTest::newRow("length before duplicate") << "ABCDEFG" << "Main Only FC" << "略称は6文字以内で入力して下さい。";
    QTest::newRow("known official name") << "M" << " main only fc " << "名称(main only fc)は既に登録されています。";
    QTest::newRow("overseas official name") << "O" << "Overseas FC" << "名称(Overseas FC)は既に登録されています。";
    QTest::newRow("user official name") << "U" << "User Only FC" << "名称(User Only FC)は既に登録されています。";
    QTest::newRow("equals sign in short name") << "A=B" << "Sample FC" << "略称に使用できない文字が含まれています。";
    QTest::newRow("short name read as comment") << ";AB" << "Sample FC" << "略称に使用できない文字が含まれています。";
    QTest::newRow("no windows-31j form in short name") << "Café" << "Sample FC" << "略称に使用できない文字が含まれています。";
    QTest::newRow("no windows-31j form in official name") << "AB" << "Café FC" << "名称に使用できない文字が含まれています。";
    QTest::newRow("line break in official name") << "AB" << "Sample\r\nFC" << "名称に使用できない文字が含まれています。";
}

void TestTeamNames::addRejectsInput()
{
    QFETCH(QString, shortName);
    QFETCH(QString, fullName);
    QFETCH(QString, message);
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, true);
    const QByteArray before = app.readFile(userFile);
    makeMissing(QStringLiteral("Still Missing"));
    RecordingUi ui;

    QVERIFY(!TeamNameEditor().add(shortName, fullName));

    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Warning);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("入力エラー"));
    QCOMPARE(ui.boxes()[0].text, message);
    QCOMPARE(app.readFile(userFile), before);
    QCOMPARE(TeamNames::missingTeamName(), QStringLiteral("Still Missing"));
}

void TestTeamNames::addAppendsPaddedEntryAndClearsMissingName()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, true);
    const QByteArray before = app.readFile(userFile);
    makeMissing(QStringLiteral("Sample FC"));
    RecordingUi ui;

    // A name known only under the former names may be added all the same.
    QVERIFY(TeamNameEditor().add(QStringLiteral("ABC"), QStringLiteral(" Sample FC ")));
    QVERIFY(TeamNameEditor().add(QStringLiteral("ｵｰﾙﾄﾞ "), QStringLiteral("Old Name FC")));

    QCOMPARE(app.readFile(userFile), before + TestFiles::sjis(TestFiles::crlfLines({"ABC    = Sample FC", "ｵｰﾙﾄﾞ  = Old Name FC"})));
    QCOMPARE(ui.boxes().size(), 2);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Information);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("チーム名追加"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("チーム名( Sample FC )を追加しました。"));
    QVERIFY(TeamNames::missingTeamName().isEmpty());

    ui.clear();
    QCOMPARE(TeamNames().getShortTeamName(QStringLiteral("Sample FC"), 1000), QStringLiteral("ABC"));
    QCOMPARE(TeamNames().getShortTeamName(QStringLiteral("Old Name FC"), 1000), QStringLiteral("ｵｰﾙﾄﾞ"));
    QVERIFY(ui.boxes().isEmpty());
}

void TestTeamNames::firstAdditionCreatesUserFile()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, false);
    RecordingUi ui;

    QVERIFY(TeamNameEditor().add(QStringLiteral("ABC"), QStringLiteral("Sample FC")));

    QCOMPARE(app.readFile(userFile), TestFiles::sjis(userHeader + QStringLiteral("ABC    = Sample FC\r\n")));
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("チーム名(Sample FC)を追加しました。"));
}

void TestTeamNames::rejectedFirstAdditionLeavesCommentOnlyFile()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, false);
    RecordingUi ui;

    QVERIFY(!TeamNameEditor().add(QString(), QStringLiteral("Sample FC")));

    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("略称を入力して下さい。"));
    QCOMPARE(app.readFile(userFile), TestFiles::sjis(userHeader));
}

void TestTeamNames::addEndsAnUnterminatedLastLineFirst()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, false);
    app.writeFile(userFile, TestFiles::sjis(QStringLiteral(";mine\r\nMine = Mine FC")));
    RecordingUi ui;

    QVERIFY(TeamNameEditor().add(QStringLiteral("ABC"), QStringLiteral("Sample FC")));

    QCOMPARE(app.readFile(userFile), TestFiles::sjis(QStringLiteral(";mine\r\nMine = Mine FC\r\nABC    = Sample FC\r\n")));
    QCOMPARE(TeamNames().getShortTeamName(QStringLiteral("Mine FC"), 1000), QStringLiteral("Mine"));
}

void TestTeamNames::unwritableUserFileIsNotReportedAsAdded()
{
    // A folder where the user file belongs: it can be neither read nor written.
    TestAppFolder app(TestAppFolder::SysData::Empty);
    installFixtures(app, false);
    QVERIFY(QDir().mkpath(app.filePath(userFile)));
    makeMissing(QStringLiteral("Sample FC"));
    RecordingUi ui;

    QVERIFY(!TeamNameEditor().add(QStringLiteral("ABC"), QStringLiteral("Sample FC")));

    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Error);
    QVERIFY(ui.boxes()[0].title.endsWith(QStringLiteral(" / clsFileStream / SaveToFile")));
    QCOMPARE(TeamNames::missingTeamName(), QStringLiteral("Sample FC"));
    QVERIFY(QFileInfo(app.filePath(userFile)).isDir());
}

// ---- The reference files shipped in data/SysData ----

void TestTeamNames::shippedFilesHaveTheirHeaders_data()
{
    QTest::addColumn<QString>("file");
    for (const char *name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestTeamNames::shippedFilesHaveTheirHeaders()
{
    QFETCH(QString, file);
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    const QByteArray bytes = app.readFile(QStringLiteral("SysData/") + file);
    const QString text = QStringDecoder("windows-31j").decode(bytes);

    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[^\\r]\\n|\\r[^\\n]"))), "bare CR or LF");
    QCOMPARE(TestFiles::sjis(text), bytes);   // every character survives the code page
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QVERIFY(lines[0].startsWith(u';'));
    QVERIFY(lines[0].contains(QStringLiteral("(") + file + QStringLiteral(")")));
    QCOMPARE(lines[1], QStringLiteral(";") + AppInfo::legalNotice());
}

void TestTeamNames::shippedShortNamesFitAndAreUnique_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("halfWidthKana");
    QTest::addColumn<int>("atLeast");
    QTest::newRow("TeamName.dat") << "TeamName.dat" << false << 60;
    QTest::newRow("TeamName1.dat") << "TeamName1.dat" << false << 5;
    QTest::newRow("TeamName2.dat") << "TeamName2.dat" << true << 150;
}

void TestTeamNames::shippedShortNamesFitAndAreUnique()
{
    QFETCH(QString, file);
    QFETCH(bool, halfWidthKana);
    QFETCH(int, atLeast);
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    IniFile ini;
    QVERIFY(ini.initialize(QStringLiteral("SysData\\") + file));
    QVERIFY(ini.entries().size() >= atLeast);

    const QRegularExpression wideKana(QStringLiteral("[\\x{30A0}-\\x{30FF}]"));
    QSet<QString> officialNames;
    for (const auto &[shortName, officialName] : ini.entries()) {
        if (shortName == QLatin1String("Version") || shortName == QLatin1String("Revision"))
            continue;
        QVERIFY2(shortName.size() <= TeamNameEditor::maxShortNameLength, qPrintable(shortName));
        QVERIFY2(!halfWidthKana || !shortName.contains(wideKana), qPrintable(shortName));
        QVERIFY2(!officialNames.contains(officialName.toCaseFolded()), qPrintable(officialName));
        officialNames.insert(officialName.toCaseFolded());
    }
}

void TestTeamNames::shippedOverseasFileEndsWithEnd()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    const QString text = QStringDecoder("windows-31j").decode(app.readFile(QStringLiteral("SysData/TeamName2.dat")));
    QVERIFY(text.endsWith(QStringLiteral("\r\n[End]\r\n")));
    const QString version = TeamNames().getTeamName2Version();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+\\.\\d+$")).match(version).hasMatch(), qPrintable(version));
}

namespace {

struct LeagueLine
{
    int year;
    QString league;
    QStringList members;
};

QList<LeagueLine> shippedLeagueLines()
{
    IniFile ini;
    ini.initialize(QStringLiteral("SysData\\J1J2.dat"));
    const QRegularExpression name(QStringLiteral("^(\\d{4})(J[123])$"));
    QList<LeagueLine> lines;
    for (const auto &[key, value] : ini.entries()) {
        const auto match = name.match(key);
        if (match.hasMatch())
            lines.append({match.captured(1).toInt(), match.captured(2), value.split(u',')});
    }
    return lines;
}

} // namespace

// Every member of every line is tagged with that line's league: no short name
// is found inside another club's name in a higher league of the same season.
void TestTeamNames::shippedLeagueLinesTagEveryMember()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    RecordingUi ui;
    const TeamNames data;
    for (const LeagueLine &line : shippedLeagueLines())
        for (const QString &member : line.members)
            QVERIFY2(data.getShortToJ1J2String(member, line.year) == line.league,
                     qPrintable(QString::number(line.year) + line.league + u' ' + member));
    QVERIFY(ui.boxes().isEmpty());
}

void TestTeamNames::shippedLeagueLinesCoverEverySeason()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    QSet<QString> keys;
    QSet<QString> clubsOfYear;
    for (const LeagueLine &line : shippedLeagueLines()) {
        const QString key = QString::number(line.year) + line.league;
        QVERIFY2(!keys.contains(key), qPrintable(key));
        keys.insert(key);
        QVERIFY2(line.members.size() >= 10 && line.members.size() <= 22, qPrintable(key));
        for (const QString &member : line.members) {
            const QString club = QString::number(line.year) + u' ' + member;
            QVERIFY2(!clubsOfYear.contains(club), qPrintable(club));   // one league per club and year
            clubsOfYear.insert(club);
        }
    }
    for (int year = 2006; year <= 2025; ++year) {
        QVERIFY2(keys.contains(QString::number(year) + QStringLiteral("J1")), qPrintable(QString::number(year)));
        QVERIFY2(keys.contains(QString::number(year) + QStringLiteral("J2")), qPrintable(QString::number(year)));
    }
    for (int year = 2014; year <= 2025; ++year)
        QVERIFY2(keys.contains(QString::number(year) + QStringLiteral("J3")), qPrintable(QString::number(year)));
}

void TestTeamNames::shippedLeagueMembersAreKnownClubs()
{
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    QSet<QString> shortNames;
    for (const char *name : {"TeamName.dat", "TeamName1.dat"}) {
        IniFile ini;
        QVERIFY(ini.initialize(QStringLiteral("SysData\\") + QLatin1String(name)));
        for (const auto &entry : ini.entries())
            shortNames.insert(entry.first);
    }
    for (const LeagueLine &line : shippedLeagueLines())
        for (const QString &member : line.members)
            QVERIFY2(shortNames.contains(member), qPrintable(QString::number(line.year) + line.league + u' ' + member));
}

void TestTeamNames::shippedNamesResolve_data()
{
    QTest::addColumn<QString>("officialName");
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("league");

    QTest::newRow("鹿島") << "鹿島アントラーズ" << 1478 << "鹿島" << 2024 << "J1";
    QTest::newRow("川崎Ｆ") << "川崎フロンターレ" << 1478 << "川崎Ｆ" << 2024 << "J1";
    QTest::newRow("横浜Ｍ") << "横浜Ｆ・マリノス" << 1478 << "横浜Ｍ" << 2024 << "J1";
    QTest::newRow("ＦＣ東京") << "ＦＣ東京" << 1478 << "ＦＣ東京" << 2024 << "J1";
    QTest::newRow("東京Ｖ in J1") << "東京ヴェルディ" << 1478 << "東京Ｖ" << 2024 << "J1";
    QTest::newRow("東京Ｖ in J2") << "東京ヴェルディ" << 1478 << "東京Ｖ" << 2023 << "J2";
    QTest::newRow("Ｃ大阪 not ＦＣ大阪") << "セレッソ大阪" << 1478 << "Ｃ大阪" << 2024 << "J1";
    QTest::newRow("ＦＣ大阪 in J3") << "ＦＣ大阪" << 1478 << "ＦＣ大阪" << 2024 << "J3";
    QTest::newRow("Ｃ大阪 in J2") << "セレッソ大阪" << 1478 << "Ｃ大阪" << 2015 << "J2";
    QTest::newRow("長崎") << "Ｖ・ファーレン長崎" << 1478 << "長崎" << 2018 << "J1";
    QTest::newRow("鹿児島 not 鹿島") << "鹿児島ユナイテッドＦＣ" << 1478 << "鹿児島" << 2024 << "J2";
    QTest::newRow("群馬 today") << "ザスパ群馬" << 1478 << "群馬" << 2024 << "J2";
    QTest::newRow("札幌, former name") << "コンサドーレ札幌" << 421 << "札幌" << 2008 << "J1";
    QTest::newRow("草津, former name") << "ザスパ草津" << 421 << "草津" << 2009 << "J2";
    QTest::newRow("群馬, name of 2013 to 2022") << "ザスパクサツ群馬" << 1000 << "群馬" << 2018 << "J3";
    QTest::newRow("half-width letters") << "京都サンガF.C." << 1478 << "京都" << 2022 << "J1";
    QTest::newRow("栃木 not 栃木Ｃ") << "栃木ＳＣ" << 1478 << "栃木" << 2024 << "J2";
    QTest::newRow("横浜ＦＣ in J2") << "横浜ＦＣ" << 1200 << "横浜ＦＣ" << 2019 << "J2";
    QTest::newRow("overseas") << "アーセナル" << 1200 << "ｱｰｾﾅﾙ" << 2020 << "";
}

void TestTeamNames::shippedNamesResolve()
{
    QFETCH(QString, officialName);
    QFETCH(int, round);
    QFETCH(QString, shortName);
    QFETCH(int, year);
    QFETCH(QString, league);
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    RecordingUi ui;
    const TeamNames data;

    QCOMPARE(data.getShortTeamName(officialName, round), shortName);
    QCOMPARE(data.getShortToJ1J2String(shortName, year), league);
    QVERIFY(ui.boxes().isEmpty());
}

QTEST_GUILESS_MAIN(TestTeamNames)
#include "TestTeamNames.moc"
