#include "RoundFileBytes.h"
#include "RoundRecordText.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "rounddata/ScheduleFile.h"
#include "support/AppFolder.h"

#include <QTest>

Q_DECLARE_METATYPE(ScheduleData)

using RoundRecordText::at;
using RoundRecordText::describe;

namespace {

struct MatchRow
{
    const char *day;
    const char *kickOff;
    const char *stadium;
    const char *status;
    const char *home;
    const char *away;
};

// The round of big_schedule_1478.xml, typed again from the fixture's values.
ScheduleData schedule1478()
{
    static const MatchRow rows[RoundData::MatchCount] = {
        {"2025/03/01", "14:00", "埼玉", "VS", "浦和", "鹿島"},
        {"2025/03/01", "14:00", "日産ス", "VS", "横浜FM", "川崎F"},
        {"2025/03/01", "15:00", "パナスタ", "VS", "G大阪", "C大阪"},
        {"2025/03/01", "13:00", "豊田ス", "VS", "名古屋", "広島"},
        {"2025/03/01", "14:00", "味スタ", "VS", "FC東京", "柏"},
        {"2025/03/01", "16:00", "ノエスタ", "VS", "神戸", "京都"},
        {"2025/03/01", "14:00", "ベススタ", "VS", "福岡", "鳥栖"},
        {"2025/03/02", "13:00", "デンカＳ", "VS", "新潟", "湘南"},
        {"2025/03/02", "14:00", "札幌ド", "VS", "札幌", "磐田"},
        {"2025/03/02", "14:00", "ケーズ", "VS", "水戸", "山形"},
        {"2025/03/02", "15:00", "ニンスタ", "VS", "愛媛", "鹿児島"},
        {"2025/03/02", "19:00", "ＰＳスタ", "VS", "長崎", "熊本"},
        {"2025/03/02", "13:00", "フクアリ", "VS", "千葉", "仙台"},
        {"2025/03/02", nullptr, "ＪＩＴス", "中止", "甲府", "清水"},
    };
    ScheduleData schedule;
    schedule.roundNumber = 1478;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const MatchRow &row = rows[match - 1];
        ScheduleGame &game = schedule.game[std::size_t(match)];
        game.gameDate = at(QString::fromUtf8(row.day));
        game.startTime = row.kickOff ? at(QString::fromUtf8(row.kickOff)) : OleDate();
        game.stadium = QString::fromUtf8(row.stadium);
        game.status = QString::fromUtf8(row.status);
        game.home = QString::fromUtf8(row.home);
        game.away = QString::fromUtf8(row.away);
    }
    schedule.saleStart = at(QStringLiteral("2025/02/22"));
    schedule.saleEnd = at(QStringLiteral("2025/03/01"));
    schedule.resultDate = at(QStringLiteral("2025/03/03"));
    return schedule;
}

// A called-off round of group A whose matches were never filled in.
ScheduleData cancelled1162A()
{
    ScheduleData schedule;
    schedule.roundNumber = 1162;
    schedule.group = QStringLiteral("A");
    schedule.saleStart = at(QStringLiteral("2020/03/28"));
    schedule.saleEnd = at(QStringLiteral("2020/04/04"));
    schedule.State = ScheduleData::StateCancelled;
    return schedule;
}

ScheduleData notHeld1490()
{
    ScheduleData schedule;
    schedule.roundNumber = 1490;
    schedule.State = ScheduleData::StateNotHeld;
    return schedule;
}

ScheduleData olderLayout500()
{
    ScheduleData schedule;
    schedule.roundNumber = 500;
    ScheduleGame &game = schedule.game[2];
    game.gameDate = at(QStringLiteral("2010/05/15"));
    game.startTime = at(QStringLiteral("19:30"));
    game.stadium = QStringLiteral("国立");
    game.status = QStringLiteral("VS");
    game.home = QStringLiteral("東京V");
    game.away = QStringLiteral("横浜FC");
    schedule.saleStart = at(QStringLiteral("2010/05/08"));
    schedule.saleEnd = at(QStringLiteral("2010/05/15"));
    schedule.resultDate = at(QStringLiteral("2010/05/17"));
    schedule.refundStart = at(QStringLiteral("2010/05/18"));
    schedule.refundEnd = at(QStringLiteral("2011/05/17"));
    return schedule;
}

QString fixture(const char *name)
{
    return TestFiles::fixturePath(QStringLiteral("rounddata/") + QLatin1String(name));
}

ScheduleData saveAndLoad(const ScheduleData &schedule, const QString &path)
{
    ScheduleFile xml;
    xml.setSchedule(schedule);
    if (!xml.xmlSave(path))
        return {};
    ScheduleFile reader;
    return reader.xmlLoad(path) ? reader.schedule() : ScheduleData();
}

} // namespace

class TestScheduleFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileName_data();
    void fileName();
    void loadsHandMadeFile_data();
    void loadsHandMadeFile();
    void savesHandMadeBytes_data();
    void savesHandMadeBytes();
    void writesNotHeldMarker();
    void stateOneIsLostOnSave();
    void cancelledStateReplacesResultDate();
    void ampersandRoundTrips();
    void valueWithAngleBracketIsReadBackFullWidth();
    void saveCreatesFoldersAndReplacesOldFile();
    void saveWhereAFileBlocksTheFolder();
    void saveOntoAFolder();
    void missingFileIsSilent();
    void deeplyNestedValuesAreIgnored();
};

void TestScheduleFile::fileName_data()
{
    QTest::addColumn<int>("roundNumber");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("name");
    QTest::newRow("padded to three digits") << 7 << QString() << QStringLiteral("big_schedule_007.xml");
    QTest::newRow("three digits") << 123 << QString() << QStringLiteral("big_schedule_123.xml");
    QTest::newRow("four digits with group") << 1234 << QStringLiteral("B")
                                            << QStringLiteral("big_schedule_1234_B.xml");
}

void TestScheduleFile::fileName()
{
    QFETCH(int, roundNumber);
    QFETCH(QString, group);
    QFETCH(QString, name);
    TestAppFolder app(TestAppFolder::SysData::Empty);
    QCOMPARE(ScheduleFile().getFileName(roundNumber, group),
             AppFolder::path() + QStringLiteral("\\SysData\\BIG_Schedule\\") + name);
}

void TestScheduleFile::loadsHandMadeFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<ScheduleData>("expected");
    QTest::newRow("round 1478") << fixture("big_schedule_1478.xml") << schedule1478();
    QTest::newRow("called off, group A, empty matches")
        << fixture("big_schedule_1162_A_cancelled_empty_matches.xml") << cancelled1162A();
    QTest::newRow("not-held marker") << fixture("big_schedule_1490_not_held.xml") << notHeld1490();
    // Indented, 結果速報発表日, payout dates, one match, a <結果> block beside <開催>.
    QTest::newRow("older layout") << fixture("schedule_older_layout.xml") << olderLayout500();
}

void TestScheduleFile::loadsHandMadeFile()
{
    QFETCH(QString, file);
    QFETCH(ScheduleData, expected);
    RecordingUi ui;
    ScheduleFile xml;
    QVERIFY(xml.xmlLoad(file));
    QCOMPARE(describe(xml.schedule()), describe(expected));
    QVERIFY(xml.schedule() == expected);
    QVERIFY(ui.boxes().isEmpty());
}

void TestScheduleFile::savesHandMadeBytes_data()
{
    QTest::addColumn<ScheduleData>("schedule");
    QTest::addColumn<QString>("file");
    QTest::newRow("round 1478") << schedule1478() << QStringLiteral("big_schedule_1478.xml");
    QTest::newRow("called off, group A, empty matches")
        << cancelled1162A() << QStringLiteral("big_schedule_1162_A_cancelled_empty_matches.xml");
}

void TestScheduleFile::savesHandMadeBytes()
{
    QFETCH(ScheduleData, schedule);
    QFETCH(QString, file);
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    ScheduleFile xml;
    xml.setSchedule(schedule);
    QVERIFY(xml.xmlSave(app.filePath(QStringLiteral("written.xml"))));
    RoundFileBytes::compare(app.readFile(QStringLiteral("written.xml")),
                            TestFiles::fixture(QStringLiteral("rounddata/") + file));
    QVERIFY(xml.schedule() == schedule);
    QVERIFY(ui.boxes().isEmpty());
}

void TestScheduleFile::writesNotHeldMarker()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    ScheduleFile xml;
    const QString path = xml.getFileName(1490, QStringLiteral("A"));
    QVERIFY(xml.xmlSaveNotHeld(1490, path));
    // The group lives in the file name only.
    RoundFileBytes::compare(app.readFile(QStringLiteral("SysData/BIG_Schedule/big_schedule_1490_A.xml")),
                            TestFiles::fixture(QStringLiteral("rounddata/big_schedule_1490_not_held.xml")));
    QVERIFY(xml.xmlLoad(path));
    QVERIFY(xml.schedule() == notHeld1490());
    QVERIFY(ui.boxes().isEmpty());
}

void TestScheduleFile::stateOneIsLostOnSave()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    ScheduleData schedule = schedule1478();
    schedule.State = ScheduleData::StateNotHeld;
    const ScheduleData loaded = saveAndLoad(schedule, app.filePath(QStringLiteral("state1.xml")));
    QVERIFY(!app.readFile(QStringLiteral("state1.xml")).contains(TestFiles::sjis(QStringLiteral("開催状態"))));
    QCOMPARE(loaded.State, ScheduleData::StateHeld);
    QCOMPARE(loaded.resultDate, schedule.resultDate);
}

void TestScheduleFile::cancelledStateReplacesResultDate()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    ScheduleData schedule = schedule1478();
    schedule.State = ScheduleData::StateCancelled;
    const ScheduleData loaded = saveAndLoad(schedule, app.filePath(QStringLiteral("cancelled.xml")));
    const QByteArray bytes = app.readFile(QStringLiteral("cancelled.xml"));
    QVERIFY(bytes.contains(TestFiles::sjis(QStringLiteral("\r\n<開催状態>中止</開催状態>\r\n</開催>\r\n"))));
    QVERIFY(!bytes.contains(TestFiles::sjis(QStringLiteral("結果発表日"))));
    QCOMPARE(loaded.State, ScheduleData::StateCancelled);
    QVERIFY(!loaded.resultDate.isSet());
}

void TestScheduleFile::ampersandRoundTrips()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    ScheduleData schedule = schedule1478();
    schedule.game[5].stadium = QStringLiteral("R&Bスタ");
    schedule.game[5].home = QStringLiteral("&amp;");
    const ScheduleData loaded = saveAndLoad(schedule, app.filePath(QStringLiteral("amp.xml")));
    const QByteArray bytes = app.readFile(QStringLiteral("amp.xml"));
    QVERIFY(bytes.contains(TestFiles::sjis(QStringLiteral("\r\n<競技場>R&Bスタ</競技場>\r\n"))));
    QVERIFY(bytes.contains(TestFiles::sjis(QStringLiteral("\r\n<ホーム>&amp;</ホーム>\r\n"))));
    QCOMPARE(describe(loaded), describe(schedule));
    QVERIFY(ui.boxes().isEmpty());
}

// The files are not escaped: a value must not hold "<" or ">".
void TestScheduleFile::valueWithAngleBracketIsReadBackFullWidth()
{
    // The reader cuts lines at "<" and ">": written as they are, the first
    // would lose the text before it and the second break the whole file.
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    ScheduleData schedule = schedule1478();
    schedule.game[1].away = QStringLiteral("鹿島>アントラーズ");
    const ScheduleData greater = saveAndLoad(schedule, app.filePath(QStringLiteral("greater.xml")));
    QCOMPARE(greater.game[1].away, QStringLiteral("鹿島＞アントラーズ"));

    schedule.game[1].away = QStringLiteral("鹿島<アントラーズ");
    ScheduleFile xml;
    xml.setSchedule(schedule);
    QVERIFY(xml.xmlSave(app.filePath(QStringLiteral("less.xml"))));
    ScheduleFile reader;
    reader.setSchedule(notHeld1490());
    QVERIFY(reader.xmlLoad(app.filePath(QStringLiteral("less.xml"))));
    QCOMPARE(reader.schedule().game[1].away, QStringLiteral("鹿島＜アントラーズ"));
    QCOMPARE(reader.schedule().game[2].away, schedule.game[2].away);
    QVERIFY(ui.boxes().isEmpty());
}

void TestScheduleFile::saveCreatesFoldersAndReplacesOldFile()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    ScheduleFile xml;
    const QString path = xml.getFileName(1478, QString());
    xml.setSchedule(cancelled1162A());
    QVERIFY(xml.xmlSave(path));
    xml.setSchedule(schedule1478());
    QVERIFY(xml.xmlSave(path));
    RoundFileBytes::compare(app.readFile(QStringLiteral("SysData/BIG_Schedule/big_schedule_1478.xml")),
                            TestFiles::fixture(QStringLiteral("rounddata/big_schedule_1478.xml")));
    QVERIFY(ui.boxes().isEmpty());
}

// A file stands where the round files' folder must be: the folder cannot be
// made, the save fails and the file in the way stays as it was.
void TestScheduleFile::saveWhereAFileBlocksTheFolder()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    const QByteArray blocker("not a folder");
    app.writeFile(QStringLiteral("SysData/BIG_Schedule"), blocker);
    ScheduleFile xml;
    xml.setSchedule(schedule1478());
    QVERIFY(!xml.xmlSave(xml.getFileName(1478, QString())));
    QCOMPARE(app.readFile(QStringLiteral("SysData/BIG_Schedule")), blocker);
    for (const RecordingUi::Box &box : ui.boxes())
        QVERIFY2(!box.title.contains(QStringLiteral("clsXmlSchedule")), qPrintable(box.title));
}

// A folder stands where the file must go: the save fails, the folder and
// what it holds stay.
void TestScheduleFile::saveOntoAFolder()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    app.writeFile(QStringLiteral("SysData/BIG_Schedule/big_schedule_1478.xml/inside.txt"), "kept");
    ScheduleFile xml;
    xml.setSchedule(schedule1478());
    QVERIFY(!xml.xmlSave(xml.getFileName(1478, QString())));
    QCOMPARE(app.readFile(QStringLiteral("SysData/BIG_Schedule/big_schedule_1478.xml/inside.txt")),
             QByteArray("kept"));
    QVERIFY(!ui.boxes().isEmpty());
}

void TestScheduleFile::missingFileIsSilent()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    ScheduleFile xml;
    xml.setSchedule(schedule1478());
    QVERIFY(!xml.xmlLoad(QString()));
    QVERIFY(!xml.xmlLoad(xml.getFileName(1479, QString())));
    QVERIFY(xml.schedule() == schedule1478());
    QVERIFY(ui.boxes().isEmpty());
}

void TestScheduleFile::deeplyNestedValuesAreIgnored()
{
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    const int depth = 20000;
    const QString text = QStringLiteral("<BIG><開催><開催回>1490</開催回>")
                         + QStringLiteral("<深>").repeated(depth) + QStringLiteral("値")
                         + QStringLiteral("</深>").repeated(depth)
                         + QStringLiteral("<開催状態>1</開催状態></開催></BIG>");
    app.writeFile(QStringLiteral("deep.xml"), TestFiles::sjis(text));
    ScheduleFile xml;
    QVERIFY(xml.xmlLoad(app.filePath(QStringLiteral("deep.xml"))));
    QVERIFY(xml.schedule() == notHeld1490());
    QVERIFY(ui.boxes().isEmpty());
}

QTEST_GUILESS_MAIN(TestScheduleFile)
#include "TestScheduleFile.moc"
