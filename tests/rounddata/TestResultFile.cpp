#include "RoundFileBytes.h"
#include "RoundRecordText.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "rounddata/ResultFile.h"
#include "support/AppFolder.h"
#include "support/TextCodec.h"

#include <QTest>

Q_DECLARE_METATYPE(ResultData)

using RoundRecordText::at;
using RoundRecordText::describe;

namespace {

struct ResultRow
{
    int outcome;
    const char *home;
    const char *away;
    int homeScore;
    int awayScore;
};

void fillGames(ResultData &result, const ResultRow (&rows)[RoundData::MatchCount])
{
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ResultRow &row = rows[match - 1];
        ResultGame &game = result.game[std::size_t(match)];
        game.Outcome = quint8(row.outcome);
        game.home = QString::fromUtf8(row.home);
        game.away = QString::fromUtf8(row.away);
        game.homeScore = quint8(row.homeScore);
        game.awayScore = quint8(row.awayScore);
    }
}

// The round of big_result_1478.xml, typed again from the fixture's values.
ResultData result1478()
{
    static const ResultRow rows[RoundData::MatchCount] = {
        {1, "浦和", "鹿島", 2, 1},   {0, "横浜FM", "川崎F", 1, 1}, {2, "G大阪", "C大阪", 0, 2},
        {1, "名古屋", "広島", 3, 0}, {2, "FC東京", "柏", 1, 2},    {0, "神戸", "京都", 2, 2},
        {1, "福岡", "鳥栖", 1, 0},   {0, "新潟", "湘南", 0, 0},    {2, "札幌", "磐田", 1, 3},
        {1, "水戸", "山形", 2, 0},   {0, "愛媛", "鹿児島", 1, 1},  {1, "長崎", "熊本", 4, 1},
        {2, "千葉", "仙台", 0, 1},   {3, "甲府", "清水", 0, 0},
    };
    ResultData result;
    result.roundNumber = 1478;
    fillGames(result, rows);
    const qint64 prizes[] = {0, 1234567, 56789, 4321, 789, 300};
    const qint64 winners[] = {0, 12, 345, 6789, 54321, 412345};
    for (int grade = 1; grade <= RoundData::GradeCount; ++grade) {
        result.prize[std::size_t(grade)] = Money::fromWhole(prizes[grade - 1]);
        result.winners[std::size_t(grade)] = Money::fromWhole(winners[grade - 1]);
    }
    result.carryOver[1] = Money::fromWhole(1500000000);
    result.saleStart = at(QStringLiteral("2025/02/22"));
    result.saleEnd = at(QStringLiteral("2025/03/01"));
    result.resultDate = at(QStringLiteral("2025/03/03"));
    result.refundStart = at(QStringLiteral("2025/03/04"));
    result.refundEnd = at(QStringLiteral("2026/03/03"));
    result.sales = Money::fromWhole(2345678900);
    result.units = Money::fromWhole(7818929);
    result.sheets = Money::fromWhole(1234567);
    return result;
}

// A called-off round: every match 3 and 0-0, refund dates instead of prizes.
ResultData cancelled1162()
{
    static const ResultRow rows[RoundData::MatchCount] = {
        {3, "札幌", "浦和", 0, 0},  {3, "仙台", "名古屋", 0, 0}, {3, "鹿島", "広島", 0, 0},
        {3, "柏", "湘南", 0, 0},    {3, "FC東京", "清水", 0, 0}, {3, "川崎F", "鳥栖", 0, 0},
        {3, "横浜FM", "G大阪", 0, 0}, {3, "C大阪", "大分", 0, 0}, {3, "神戸", "横浜FC", 0, 0},
        {3, "水戸", "琉球", 0, 0},  {3, "甲府", "京都", 0, 0},   {3, "新潟", "町田", 0, 0},
        {3, "千葉", "磐田", 0, 0},  {3, "愛媛", "鹿児島", 0, 0},
    };
    ResultData result;
    result.roundNumber = 1162;
    fillGames(result, rows);
    result.Cancelled = true;
    result.resultDate = at(QStringLiteral("2020/03/30"));
    result.refundStart = at(QStringLiteral("2020/04/01"));
    result.refundEnd = at(QStringLiteral("2021/03/31"));
    return result;
}

// 結果速報発表日, a match's day and stadium, a 六等 leaf in a five-grade round,
// a fractional sales figure and a round state that is not 中止.
ResultData olderLayout500()
{
    ResultData result;
    result.roundNumber = 500;
    ResultGame &game = result.game[1];
    game.gameDate = at(QStringLiteral("2010/05/15"));
    game.stadium = QStringLiteral("国立");
    game.Outcome = 0;
    game.home = QStringLiteral("東京V");
    game.away = QStringLiteral("横浜FC");
    game.homeScore = 1;
    game.awayScore = 1;
    result.prize[1] = Money::fromWhole(567890123);
    result.prize[5] = Money::fromWhole(1000);
    result.prize[6] = Money::fromWhole(50);
    result.resultDate = at(QStringLiteral("2010/05/17"));
    result.sales = Money::fromRaw(12345678005000);
    return result;
}

QString fixture(const char *name)
{
    return TestFiles::fixturePath(QStringLiteral("rounddata/") + QLatin1String(name));
}

QString savedText(const ResultData &result)
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    ResultFile xml;
    xml.setResult(result);
    if (!xml.xmlSave(app.filePath(QStringLiteral("saved.xml"))))
        return QString();
    return TextCodec::decodeSjis(app.readFile(QStringLiteral("saved.xml")));
}

ResultData saveAndLoad(const ResultData &result)
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    ResultFile xml;
    xml.setResult(result);
    const QString path = app.filePath(QStringLiteral("saved.xml"));
    if (!xml.xmlSave(path))
        return {};
    ResultFile reader;
    return reader.xmlLoad(path) ? reader.result() : ResultData();
}

} // namespace

class TestResultFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gradeName_data();
    void gradeName();
    void fileName();
    void loadsHandMadeFile_data();
    void loadsHandMadeFile();
    void savesHandMadeBytes_data();
    void savesHandMadeBytes();
    void gradesFollowTheRound_data();
    void gradesFollowTheRound();
    void cancelledRoundKeepsOnlyRefundDates();
    void dayAndStadiumAreNotWritten();
};

void TestResultFile::gradeName_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << QString();
    QTest::newRow("1") << 1 << QStringLiteral("一等");
    QTest::newRow("2") << 2 << QStringLiteral("二等");
    QTest::newRow("3") << 3 << QStringLiteral("三等");
    QTest::newRow("4") << 4 << QStringLiteral("四等");
    QTest::newRow("5") << 5 << QStringLiteral("五等");
    QTest::newRow("6") << 6 << QStringLiteral("六等");
    QTest::newRow("7") << 7 << QString();
    QTest::newRow("-1") << -1 << QString();
}

void TestResultFile::gradeName()
{
    QFETCH(int, grade);
    QFETCH(QString, name);
    QCOMPARE(ResultFile::getGradeName(grade), name);
}

void TestResultFile::fileName()
{
    TestAppFolder app(TestAppFolder::SysData::Empty);
    const ResultFile xml;
    QCOMPARE(xml.getFileName(5, QString()), AppFolder::path() + QStringLiteral("\\SysData\\BIG_Result\\big_result_005.xml"));
    QCOMPARE(xml.getFileName(123, QStringLiteral("A")),
             AppFolder::path() + QStringLiteral("\\SysData\\BIG_Result\\big_result_123_A.xml"));
}

void TestResultFile::loadsHandMadeFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<ResultData>("expected");
    QTest::newRow("round 1478") << fixture("big_result_1478.xml") << result1478();
    QTest::newRow("called-off round") << fixture("big_result_1162_cancelled.xml") << cancelled1162();
    QTest::newRow("older layout") << fixture("result_older_layout.xml") << olderLayout500();
}

void TestResultFile::loadsHandMadeFile()
{
    QFETCH(QString, file);
    QFETCH(ResultData, expected);
    RecordingUi ui;
    ResultFile xml;
    QVERIFY(xml.xmlLoad(file));
    QCOMPARE(describe(xml.result()), describe(expected));
    QVERIFY(xml.result() == expected);
    QVERIFY(ui.boxes().isEmpty());
}

void TestResultFile::savesHandMadeBytes_data()
{
    QTest::addColumn<ResultData>("result");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("saved");
    QTest::newRow("round 1478") << result1478() << QStringLiteral("big_result_1478.xml")
                                << QStringLiteral("big_result_1478.xml");
    QTest::newRow("called-off round") << cancelled1162() << QStringLiteral("big_result_1162_cancelled.xml")
                                      << QStringLiteral("big_result_1162.xml");
}

void TestResultFile::savesHandMadeBytes()
{
    QFETCH(ResultData, result);
    QFETCH(QString, file);
    QFETCH(QString, saved);
    RecordingUi ui;
    TestAppFolder app(TestAppFolder::SysData::Empty);
    ResultFile xml;
    xml.setResult(result);
    QVERIFY(xml.xmlSave(xml.getFileName(result.roundNumber, QString())));
    RoundFileBytes::compare(app.readFile(QStringLiteral("SysData/BIG_Result/") + saved),
                            TestFiles::fixture(QStringLiteral("rounddata/") + file));
    QVERIFY(ui.boxes().isEmpty());
}

void TestResultFile::gradesFollowTheRound_data()
{
    QTest::addColumn<int>("roundNumber");
    QTest::addColumn<int>("maxGrade");
    QTest::newRow("round 434") << 434 << 4;
    QTest::newRow("round 435") << 435 << 5;
    QTest::newRow("round 608") << 608 << 5;
    QTest::newRow("round 609") << 609 << 6;
}

void TestResultFile::gradesFollowTheRound()
{
    QFETCH(int, roundNumber);
    QFETCH(int, maxGrade);
    RecordingUi ui;
    ResultData result = result1478();
    result.roundNumber = roundNumber;
    const QString text = savedText(result);
    const ResultData loaded = saveAndLoad(result);
    for (int grade = 1; grade <= RoundData::GradeCount; ++grade) {
        const QString leaf = u'<' + ResultFile::getGradeName(grade) + u'>';
        const bool written = grade <= maxGrade;
        QCOMPARE(text.count(leaf), written ? 3 : 0);
        QCOMPARE(loaded.prize[std::size_t(grade)], written ? result.prize[std::size_t(grade)] : Money());
        QCOMPARE(loaded.winners[std::size_t(grade)], written ? result.winners[std::size_t(grade)] : Money());
    }
    QVERIFY(ui.boxes().isEmpty());
}

// A called-off round writes no prizes, sales figures or sales dates; its
// refund dates are read back into the fields they were written from.
void TestResultFile::cancelledRoundKeepsOnlyRefundDates()
{
    RecordingUi ui;
    ResultData result = result1478();
    result.Cancelled = true;
    const QString text = savedText(result);
    for (const char *absent : {"当せん金", "当せん口数", "次回への繰越金", "販売開始日", "販売終了日", "売上金額",
                               "投票口数", "投票枚数", "結果発表日", "払戻開始日"})
        QVERIFY2(!text.contains(QString::fromUtf8(absent)), absent);
    QVERIFY(text.endsWith(QStringLiteral("</指定試合>\r\n<開催状態>中止</開催状態>\r\n"
                                         "<返還確定日>2025/03/03</返還確定日>\r\n"
                                         "<返還開始日>2025/03/04</返還開始日>\r\n"
                                         "<返還期限>2026/03/03</返還期限>\r\n</結果>\r\n</BIG>\r\n")));

    ResultData kept;
    kept.roundNumber = result.roundNumber;
    kept.game = result.game;
    kept.Cancelled = true;
    kept.resultDate = result.resultDate;
    kept.refundStart = result.refundStart;
    kept.refundEnd = result.refundEnd;
    QCOMPARE(describe(saveAndLoad(result)), describe(kept));
    QVERIFY(ui.boxes().isEmpty());
}

void TestResultFile::dayAndStadiumAreNotWritten()
{
    RecordingUi ui;
    const ResultData older = olderLayout500();
    const ResultData loaded = saveAndLoad(older);
    QVERIFY(!loaded.game[1].gameDate.isSet());
    QVERIFY(loaded.game[1].stadium.isEmpty());
    QCOMPARE(loaded.game[1].home, older.game[1].home);
    QCOMPARE(loaded.sales, older.sales);
    QVERIFY(ui.boxes().isEmpty());
}

QTEST_GUILESS_MAIN(TestResultFile)
#include "TestResultFile.moc"
