#include "common/HistoryFixtures.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "history/HistoryCsv.h"
#include "history/HistoryFiles.h"
#include "history/HistoryReport.h"
#include "lottery/LotteryRules.h"
#include "support/PathRules.h"

#include <QTest>

using namespace HistoryFixtures;

// The 収支履歴 without a window: which files it lists, how it grades them
// against their rounds' results, and the table it saves.
namespace {

const QString outcomes = QStringLiteral("10210210210210");

QList<HistoryRow> historyOf(const TestAppFolder &app, const QStringList &folders = {QStringLiteral("UserData/QUDO")})
{
    QStringList native;
    for (const QString &folder : folders)
        native.append(app.filePath(folder));
    return HistoryReport::build(HistoryFiles::find(native));
}

} // namespace

class TestHistoryReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsTheRoundFilesOfAFolder_data();
    void listsTheRoundFilesOfAFolder();
    void aFileInTwoFoldersIsListedOnce();
    void defaultFoldersAreTheUserFolderAndTheCurrentFilesFolder();
    void gradesEveryGradeTheRoundHas_data();
    void gradesEveryGradeTheRoundHas();
    void aCancelledMatchHitsEveryMark();
    void aCancelledRoundIsRefunded();
    void aRoundWithoutResultStaysOutOfTheTotals();
    void anUnreadableFileSaysWhyWithoutABox_data();
    void anUnreadableFileSaysWhyWithoutABox();
    void priceIsALotteryRule();
    void rowsRunInRoundOrderWithTheirRunningBalance();
    void csvFileByteForByte();
    void manyFilesShowOneProgressWindow();

private:
    RecordingUi m_ui;
};

void TestHistoryReport::listsTheRoundFilesOfAFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("round");   // 0: not listed
    QTest::addColumn<QString>("group");
    QTest::newRow("convention") << "A-1478.csv" << 1478 << "";
    QTest::newRow("group B") << "A-1478B.csv" << 1478 << "B";
    QTest::newRow("group a in small letters") << "a-0512a.CSV" << 512 << "A";
    QTest::newRow("X mark") << "X77.csv" << 77 << "";
    QTest::newRow("number alone") << "512.csv" << 512 << "";
    QTest::newRow("other name with a round") << "A-1479 copy.csv" << 1479 << "";
    QTest::newRow("no round") << "A-.csv" << 0 << "";
    QTest::newRow("round 0") << "A-000.csv" << 0 << "";
    QTest::newRow("words") << "readme.csv" << 0 << "";
    QTest::newRow("not csv") << "A-1478.txt" << 0 << "";
}

void TestHistoryReport::listsTheRoundFilesOfAFolder()
{
    QFETCH(QString, name);
    QFETCH(int, round);
    QFETCH(QString, group);
    TestAppFolder app;
    writeSingles(app, QStringLiteral("UserData/QUDO/") + name, {outcomes});
    writeSingles(app, QStringLiteral("UserData/QUDO/old/A-1400.csv"), {outcomes});
    const QList<HistoryFile> files = HistoryFiles::find({app.filePath(QStringLiteral("UserData/QUDO"))});
    QCOMPARE(files.size(), round > 0 ? 1 : 0);
    if (round > 0) {
        QCOMPARE(files[0].fileName, name);
        QCOMPARE(files[0].roundNumber, round);
        QCOMPARE(files[0].group, group);
        QCOMPARE(files[0].path, app.filePath(QStringLiteral("UserData/QUDO/") + name));
    }
}

void TestHistoryReport::aFileInTwoFoldersIsListedOnce()
{
    TestAppFolder app;
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1478.csv"), {outcomes});
    writeSingles(app, QStringLiteral("Other/A-1478.csv"), {outcomes});
    const QList<HistoryFile> files = HistoryFiles::find({app.filePath(QStringLiteral("UserData/QUDO")),
                                                         app.filePath(QStringLiteral("UserData/QUDO/")),
                                                         app.filePath(QStringLiteral("Other"))});
    QCOMPARE(files.size(), 2);
    QVERIFY(files[0].path != files[1].path);
}

void TestHistoryReport::defaultFoldersAreTheUserFolderAndTheCurrentFilesFolder()
{
    TestAppFolder app;
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1.csv"), {outcomes});
    writeSingles(app, QStringLiteral("Bets/A-1.csv"), {outcomes});
    QCOMPARE(HistoryFiles::defaultFolders(QStringLiteral("UserData\\QUDO"), QString()),
             QStringList{app.filePath(QStringLiteral("UserData/QUDO"))});
    // A current file in the user folder adds no second folder.
    QCOMPARE(HistoryFiles::defaultFolders(QStringLiteral("UserData\\QUDO"), QStringLiteral("UserData\\QUDO\\A-1.csv")),
             QStringList{app.filePath(QStringLiteral("UserData/QUDO"))});
    QCOMPARE(HistoryFiles::defaultFolders(QStringLiteral("UserData\\QUDO"), app.filePath(QStringLiteral("Bets/A-1.csv"))),
             (QStringList{app.filePath(QStringLiteral("UserData/QUDO")), app.filePath(QStringLiteral("Bets"))}));
}

void TestHistoryReport::gradesEveryGradeTheRoundHas_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("grades");
    QTest::newRow("434: four grades") << 434 << 4;
    QTest::newRow("435: five grades") << 435 << 5;
    QTest::newRow("608: five grades") << 608 << 5;
    QTest::newRow("609: six grades") << 609 << 6;
}

void TestHistoryReport::gradesEveryGradeTheRoundHas()
{
    QFETCH(int, round);
    QFETCH(int, grades);
    TestAppFolder app;
    writeResult(result(round, outcomes));
    // Grade g twice over (0..6 misses), and one single of every grade beyond.
    QStringList marks;
    for (int misses = 0; misses <= 7; ++misses)
        marks << missing(outcomes, misses) << missing(outcomes, misses);
    writeSingles(app, QStringLiteral("UserData/QUDO/A-%1.csv").arg(round), marks);

    const QList<HistoryRow> rows = historyOf(app);
    QCOMPARE(rows.size(), 1);
    const HistoryRow &row = rows[0];
    QCOMPARE(row.state, HistoryRow::State::Graded);
    QCOMPARE(row.grades, grades);
    QCOMPARE(row.singles, 16);
    QCOMPARE(row.purchase, Money::fromWhole(16 * 300));
    Money prize;
    for (int g = 1; g <= 6; ++g) {
        QCOMPARE(row.winners[std::size_t(g - 1)], g <= grades ? 2 : 0);
        if (g <= grades)
            prize += prizeOf(g) * Money::fromWhole(2);
    }
    QCOMPARE(row.prize, prize);
    QCOMPARE(row.balance, prize - Money::fromWhole(16 * 300));
    const QStringList cells = HistoryReport::fields(row, 6, HistoryReport::plainNumber);
    for (int g = 1; g <= 6; ++g)
        QCOMPARE(cells[4 + g], g <= grades ? QStringLiteral("2") : QString());
    QVERIFY(m_ui.boxes().isEmpty());
}

void TestHistoryReport::aCancelledMatchHitsEveryMark()
{
    TestAppFolder app;
    writeResult(result(1478, QStringLiteral("30210210210210")));
    // Three singles that differ only in match 1: each has 14 hits.
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1478.csv"),
                 {QStringLiteral("00210210210210"), QStringLiteral("10210210210210"), QStringLiteral("20210210210210")});
    const QList<HistoryRow> rows = historyOf(app);
    QCOMPARE(rows[0].winners[0], 3);
    QCOMPARE(rows[0].prize, prizeOf(1) * Money::fromWhole(3));
}

void TestHistoryReport::aCancelledRoundIsRefunded()
{
    TestAppFolder app;
    writeResult(cancelledRound(1162));
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1162.csv"), {outcomes, outcomes, outcomes});
    const QList<HistoryRow> rows = historyOf(app);
    QCOMPARE(rows[0].state, HistoryRow::State::Refunded);
    QCOMPARE(rows[0].prize, Money::fromWhole(900));
    QCOMPARE(rows[0].balance, Money());
    QCOMPARE(HistoryReport::note(rows[0]), QStringLiteral("払戻"));
    QCOMPARE(HistoryReport::totals(rows).purchase, Money::fromWhole(900));
    QCOMPARE(HistoryReport::totals(rows).prize, Money::fromWhole(900));
}

void TestHistoryReport::aRoundWithoutResultStaysOutOfTheTotals()
{
    TestAppFolder app;
    writeResult(result(1478, outcomes));
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1478.csv"), {missing(outcomes, 14)});
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1479.csv"), {outcomes, outcomes});
    // A result file that does not read is no result, and no box.
    app.writeFile(QStringLiteral("SysData/BIG_Result/big_result_1480.xml"), "<BIG><結果>");
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1480.csv"), {outcomes});
    const QList<HistoryRow> rows = historyOf(app);
    QCOMPARE(rows.size(), 3);
    for (const int i : {1, 2}) {
        QCOMPARE(rows[i].state, HistoryRow::State::NoResult);
        QCOMPARE(HistoryReport::note(rows[i]), QStringLiteral("結果なし"));
        const QStringList cells = HistoryReport::fields(rows[i], 6, HistoryReport::plainNumber);
        QCOMPARE(cells.mid(5, 9), QStringList(9, QString()));
    }
    const HistoryTotals totals = HistoryReport::totals(rows);
    QCOMPARE(totals.singles, 1);
    QCOMPARE(totals.balance, Money::fromWhole(-300));
    QVERIFY2(m_ui.boxes().isEmpty(), qPrintable(m_ui.boxes().value(0).text));
}

void TestHistoryReport::anUnreadableFileSaysWhyWithoutABox_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a field that is no number") << QByteArray("1,0,2,1,0,2,1,0,2,1,0,2,1,x\r\n") << "型が一致しません。";
    QTest::newRow("a field beyond a byte") << QByteArray("1,0,2,1,0,2,1,0,2,1,0,2,1,999\r\n") << "オーバーフローしました。";
}

void TestHistoryReport::anUnreadableFileSaysWhyWithoutABox()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    TestAppFolder app;
    writeResult(result(1478, outcomes));
    app.writeFile(QStringLiteral("UserData/QUDO/A-1478.csv"), content);
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1478B.csv"), {outcomes});
    const QList<HistoryRow> rows = historyOf(app);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].state, HistoryRow::State::Unreadable);
    QCOMPARE(HistoryReport::note(rows[0]), reason);
    QCOMPARE(rows[1].state, HistoryRow::State::Graded);
    QCOMPARE(HistoryReport::totals(rows).singles, 1);
    QVERIFY(m_ui.boxes().isEmpty());
}

void TestHistoryReport::priceIsALotteryRule()
{
    QCOMPARE(LotteryRules::SinglePrice, 300);
    QCOMPARE(HistoryReport::price(3), Money::fromWhole(900));
    QCOMPARE(HistoryReport::price(0), Money());
}

void TestHistoryReport::rowsRunInRoundOrderWithTheirRunningBalance()
{
    TestAppFolder app;
    writeResult(result(1478, outcomes));
    writeResult(result(1476, outcomes));
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1478B.csv"), {missing(outcomes, 14)});
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1478.csv"), {missing(outcomes, 5)});   // 6等
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1476.csv"), {missing(outcomes, 14), missing(outcomes, 14)});
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1477.csv"), {outcomes});
    const QList<HistoryRow> rows = historyOf(app);
    QStringList names;
    for (const HistoryRow &row : rows)
        names.append(row.fileName);
    QCOMPARE(names, (QStringList{"A-1476.csv", "A-1477.csv", "A-1478.csv", "A-1478B.csv"}));
    QCOMPARE(rows[0].running, Money::fromWhole(-600));
    QCOMPARE(rows[2].running, Money::fromWhole(-600 + 1000 - 300));
    QCOMPARE(rows[3].running, Money::fromWhole(-600 + 1000 - 300 - 300));
    QCOMPARE(rows[3].group, QStringLiteral("B"));
    QCOMPARE(HistoryReport::totals(rows).balance, rows[3].running);
}

void TestHistoryReport::csvFileByteForByte()
{
    TestAppFolder app;
    writeResult(result(434, outcomes));
    writeResult(cancelledRound(400));
    writeSingles(app, QStringLiteral("UserData/QUDO/A-434.csv"), {outcomes, missing(outcomes, 3)});
    writeSingles(app, QStringLiteral("UserData/QUDO/A-400.csv"), {outcomes});
    writeSingles(app, QStringLiteral("UserData/QUDO/A-401,new.csv"), {outcomes});
    const QString path = app.filePath(QStringLiteral("Out/収支履歴.csv"));
    QVERIFY(HistoryCsv::save(path, historyOf(app)));
    const QString expected = TestFiles::crlfLines({
        "開催回,組,ファイル,口数,購入金額,1等,2等,3等,4等,当せん金額,収支,累計収支,備考",
        "400,,A-400.csv,1,300,,,,,300,0,0,払戻",
        "401,,\"A-401,new.csv\",1,300,,,,,,,,結果なし",
        "434,,A-434.csv,2,600,1,0,0,1,100100000,100099400,100099400,",
        "合計,,,3,900,1,0,0,1,100100300,100099400,,",
    });
    QCOMPARE(app.readFile(QStringLiteral("Out/収支履歴.csv")), TestFiles::sjis(expected));
}

void TestHistoryReport::manyFilesShowOneProgressWindow()
{
    TestAppFolder app;
    writeResult(result(1478, outcomes));
    const QStringList many(6000, outcomes);
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1478.csv"), many);
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1478B.csv"), many);
    const QList<HistoryRow> rows = historyOf(app);
    QCOMPARE(rows[0].winners[0] + rows[1].winners[0], 12000);
    QCOMPARE(m_ui.progressShows(), 1);
    QCOMPARE(m_ui.progressMessages().value(0), QStringLiteral("収支履歴の集計中"));
    QVERIFY(m_ui.processEventsCalls() >= 10);
    QVERIFY(!m_ui.progressShown());
}

QTEST_GUILESS_MAIN(TestHistoryReport)
#include "TestHistoryReport.moc"
