#include "ResultPage.h"
#include "common/GridReadback.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "support/DisplayScale.h"
#include "support/WinColor.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace GridReadback;


// The check page's controller: grading, revealing, pages and the tables it
// drives, on recording surfaces.
class TestCheckPageController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void beforeInitialize_data();
    void beforeInitialize();
    void countTablePlacedBesideTheResultView_data();
    void countTablePlacedBesideTheResultView();
    void nothingKnownGivesGradeOne();
    void cancelledMatchHitsEveryMark_data();
    void cancelledMatchHitsEveryMark();
    void revealOneAtATime_data();
    void revealOneAtATime();
    void showAllRevealsEverything();
    void confirmedTableOnlyWhenAllDecided();
    void winningGradeByRound_data();
    void winningGradeByRound();
    void singleFrameAndCountTable();
    void clearEmptiesThePage();

private:
    TestAppFolder *m_app = nullptr;
};

void TestCheckPageController::init()
{
    DisplayScale::setDpiSource([] { return DisplayScale::Dpi{96, 96}; });
    m_app = new TestAppFolder(TestAppFolder::SysData::Empty);
}

void TestCheckPageController::cleanup()
{
    delete m_app;
    m_app = nullptr;
    DisplayScale::setDpiSource({});
}

void TestCheckPageController::beforeInitialize_data()
{
    QTest::addColumn<QString>("procedure");
    QTest::newRow("SetResultData") << "SetResultData";
    QTest::newRow("SetSingle") << "SetSingle";
    QTest::newRow("SetNextData") << "SetNextData";
    QTest::newRow("Clear") << "Clear";
}

void TestCheckPageController::beforeInitialize()
{
    QFETCH(QString, procedure);
    RecordingUi ui;
    CheckPageController result;
    const std::vector<qint32> codes{0, 1, 2};
    const QHash<QString, std::function<void()>> calls{
        {"SetResultData", [&] { result.setResultData(1478, {}, resultOf(1478, Outcomes1478), true); }},
        {"SetSingle", [&] { result.setSingle(3, codes); }},
        {"SetNextData", [&] { result.setNextData(); }},
        {"Clear", [&] { result.clear(); }},
    };
    calls[procedure]();
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Warning);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsTResult / ") + procedure);
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("Initialize Err"));
    QCOMPARE(result.revealed(), 0);
    QCOMPARE(result.singleCount(), 0);
}

void TestCheckPageController::countTablePlacedBesideTheResultView_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("left");
    // 51 + 21 + 51 + 51 + 8, each scaled and cut to whole pixels.
    QTest::newRow("96 dpi") << 96.0 << 182;
    QTest::newRow("144 dpi") << 144.0 << 76 + 31 + 76 + 76 + 12;
    QTest::newRow("120 dpi") << 120.0 << 63 + 26 + 63 + 63 + 10;
}

void TestCheckPageController::countTablePlacedBesideTheResultView()
{
    QFETCH(double, dpi);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{dpi, dpi}; });
    RecordingSurface grid, grade, multi, count, confirmed;
    grid.moveSurface(3, 37);
    CheckPageController result;
    result.initialize(&grid, &grade, &multi, &count, &confirmed, nullptr, ResultPage::pictures());
    QTEST(count.surfaceLeft(), "left");
    QCOMPARE(count.surfaceTop(), 37);
    // The pictures are registered by their key colours.
    result.setResultData(1478, {}, resultOf(1478, Outcomes1478), true);
    result.setSingle(1, std::vector<qint32>{singleOf(QStringLiteral("00210221012010"))});
    QCOMPARE(grid.drawnCell(1, 2)->picture, QVariant(QStringLiteral("miss")));
    QCOMPARE(grid.drawnCell(1, 3)->picture, QVariant(QStringLiteral("hit")));
    QCOMPARE(grid.drawnCell(1, 16)->picture, QVariant(QStringLiteral("winning")));
}

void TestCheckPageController::nothingKnownGivesGradeOne()
{
    ResultPage page;
    page.result.setResultData(1479, {}, ResultData(), false);
    page.setSingles({0, singleOf(QStringLiteral("11111111111111")), SingleCode::MaxCode});
    QCOMPARE(page.result.counts(), countsOf({{1, 3}}));
    const CellGrid &grid = page.result.resultGrid().grid();
    for (int col = 1; col <= 3; ++col) {
        QCOMPARE(backColors(grid, col, 2, 15), QList<quint32>(14, WinColor::White));
        QCOMPARE(grid.caption(col, 16), QStringLiteral("1"));
        QCOMPARE(grid.backColor(col, 16), WinColor::Green);
    }
    QCOMPARE(column(page.result.gradeTable().grid(), 2, 2, 4), (QStringList{"3", "0", "0"}));
    QVERIFY(!page.result.fullResult());
}

void TestCheckPageController::cancelledMatchHitsEveryMark_data()
{
    QTest::addColumn<bool>("official");
    QTest::newRow("official outcome 3") << true;
    QTest::newRow("中止 chosen by the user") << false;
}

void TestCheckPageController::cancelledMatchHitsEveryMark()
{
    QFETCH(bool, official);
    ResultPage page;
    QString outcomes = Outcomes1478;
    if (official) {
        outcomes[4] = u'3';
        page.result.setResultData(1478, {}, resultOf(1478, outcomes), true);
    } else {
        page.result.setResultData(1479, {}, ResultData(), false);
        page.multi.scriptMenuChoices({0});
        page.clickSelector(5, 0, 2);
    }
    // Three singles that differ only in match 5.
    page.setSingles(varyingIn(Outcomes1478, {5}));
    QCOMPARE(page.result.counts(), countsOf({{1, 3}}));
    const CellGrid &grid = page.result.resultGrid().grid();
    QCOMPARE(row(grid, 6, 1, 3), (QStringList{"0", "1", "2"}));
    for (int col = 1; col <= 3; ++col)
        QCOMPARE(grid.backColor(col, 6), WinColor::Yellow);
    QCOMPARE(row(page.result.multiResult().grid(), 6, 1, 3), (QStringList{"－", "－", "－"}));
}

void TestCheckPageController::revealOneAtATime_data()
{
    QTest::addColumn<int>("steps");
    for (const int steps : {0, 1, 2, 4, 13, 14, 15, 20})
        QTest::addRow("%d reveals", steps) << steps;
}

void TestCheckPageController::revealOneAtATime()
{
    QFETCH(int, steps);
    ResultPage page;
    page.result.setResultData(1478, {}, resultOf(1478, Outcomes1478), false);
    // Every combination of marks in matches 1 to 4, the rest as the result.
    page.setSingles(varyingIn(Outcomes1478, {1, 2, 3, 4}));
    for (int step = 0; step < steps; ++step)
        page.result.setNextData();

    const int revealed = std::min(steps, 14);
    QCOMPARE(page.result.revealed(), revealed);
    QCOMPARE(page.result.fullResult(), revealed == 14);
    // Only the revealed matches are decided; with r of the four varied
    // matches revealed, C(r, m)·2^m·3^(4−r) singles miss m of them.
    const GameStateTable state = page.result.multiResult().getValue();
    for (int match = 0; match < 14; ++match) {
        GameStateTable::value_type expected{};
        if (match < revealed)
            expected[std::size_t(Outcomes1478[match].digitValue())] = OutcomeSelector::Official;
        QCOMPARE(state[std::size_t(match)], expected);
    }
    const int varied = std::min(revealed, 4);
    GradeCounts counts{};
    int open = 1;
    for (int i = varied; i < 4; ++i)
        open *= 3;
    for (int misses = 0; misses <= varied; ++misses)
        counts[std::size_t(misses)] = qint32(binomial(varied, misses) << misses) * open;
    QCOMPARE(page.result.counts(), counts);
    if (revealed == 1)
        for (qint32 single = 0; single < page.result.singleCount(); ++single)
            QVERIFY(page.result.gradeCode(single) == 1 || page.result.gradeCode(single) == 2);
}

void TestCheckPageController::showAllRevealsEverything()
{
    ResultPage page;
    page.result.setResultData(1478, {}, resultOf(1478, Outcomes1478), true);
    page.setSingles(varyingIn(Outcomes1478, {14}));
    QCOMPARE(page.result.revealed(), 14);
    QVERIFY(page.result.fullResult());
    page.result.setAllData();
    page.result.setNextData();
    QCOMPARE(page.result.revealed(), 14);
    QCOMPARE(page.result.counts(), countsOf({{1, 1}, {2, 2}}));
    // A new round starts hidden again.
    page.result.setResultData(1478, {}, resultOf(1478, Outcomes1478), false);
    QCOMPARE(page.result.revealed(), 0);
    QCOMPARE(page.result.counts(), countsOf({{1, 3}}));
}

void TestCheckPageController::confirmedTableOnlyWhenAllDecided()
{
    ResultPage page;
    ResultData result = resultOf(1478, Outcomes1478);
    result.prize[1] = Money::fromWhole(100000000);
    result.winners[1] = Money::fromWhole(2);
    result.prize[2] = Money::fromWhole(1234567);
    result.winners[2] = Money::fromWhole(10);
    page.result.setResultData(1478, {}, result, false);
    page.setSingles(varyingIn(Outcomes1478, {14}));
    const CellGrid &table = page.result.confirmedPrizeTable().grid();
    for (int step = 0; step < 13; ++step)
        page.result.setNextData();
    QCOMPARE(column(table, 5, 2, 8), QStringList(7, QString()));
    page.result.setNextData();
    QCOMPARE(column(table, 5, 2, 4), (QStringList{"1 ", "2 ", "0 "}));
    QCOMPARE(table.caption(6, 3), QStringLiteral("2,469,134 "));
    // The user takes back the result of match 3: 13 matches decided.
    page.clickSelector(3, Outcomes1478[2].digitValue());
    QCOMPARE(column(table, 5, 2, 8), QStringList(7, QString()));
}

void TestCheckPageController::winningGradeByRound_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<bool>("wins");
    QTest::newRow("round 434") << 434 << false;
    QTest::newRow("round 435") << 435 << true;
}

void TestCheckPageController::winningGradeByRound()
{
    QFETCH(int, round);
    QFETCH(bool, wins);
    ResultPage page;
    page.result.setResultData(round, {}, resultOf(round, Outcomes1478), true);
    // Four misses: grade code 5.
    page.setSingles({singleOf(QStringLiteral("21120221012010"))});
    QCOMPARE(page.result.gradeCode(0), quint8(5));
    QCOMPARE(page.result.resultGrid().grid().backColor(1, 16), wins ? WinColor::Green : WinColor::White);
    QCOMPARE(page.result.gradeTable().grid().foreColor(2, 6), wins ? WinColor::Blue : WinColor::Black);
    QCOMPARE(page.result.gradeTable().grid().foreColor(2, 5), WinColor::Blue);
}

void TestCheckPageController::singleFrameAndCountTable()
{
    ResultPage page;
    page.result.setResultData(1478, {}, resultOf(1478, Outcomes1478), false);
    page.setSingles({0});
    MarkCounts frame{};
    frame[1][0] = 7;   // seven singles carry "1" in match 1
    MatchFlags visible{};
    visible[1][0] = true;   // the 0 of mark "0" in match 2 is shown
    page.result.setSingleFrame(frame, visible);
    const CellGrid &count = page.result.countTable().grid();
    QCOMPARE(row(count, 2, 1, 3), (QStringList{"      7", "       ", "       "}));
    QCOMPARE(row(count, 3, 1, 3), (QStringList{"       ", "      0", "       "}));
    // Revealing match 1 colours its official outcome blue.
    page.result.setNextData();
    QCOMPARE(count.foreColor(1, 2), WinColor::Blue);   // outcome "1" of match 1
    QCOMPARE(count.foreColor(2, 2), WinColor::Black);
    // Clicks cycle counts, percentages, hidden; the vote area shows it again.
    QVERIFY(page.result.countVisible());
    const QPoint at = cellPoint(count, 1, 2);
    page.count.click(1, 0, at.x(), at.y());
    QVERIFY(page.result.percent());
    QVERIFY(page.result.countVisible());
    page.count.click(1, 0, at.x(), at.y());
    QVERIFY(!page.result.percent());
    QVERIFY(!page.result.countVisible());
    page.result.setCountVisible(true);
    QVERIFY(page.count.isSurfaceVisible());
    page.result.setPercent(true);
    QCOMPARE(count.caption(1, 2), QStringLiteral("   100%"));
}

void TestCheckPageController::clearEmptiesThePage()
{
    ResultPage page;
    page.result.setResultData(1478, {}, resultOf(1478, Outcomes1478), true);
    page.setSingles(varyingIn(Outcomes1478, {1, 2}));
    page.result.clear();
    QCOMPARE(page.result.singleCount(), 0);
    QCOMPARE(page.result.pageText(), QStringLiteral("1／1"));
    QCOMPARE(page.result.multiResult().getValue(), GameStateTable{});
    QCOMPARE(column(page.result.gradeTable().grid(), 2, 2, 16), QStringList(15, QStringLiteral("0")));
    // The winning rows of the round stay blue.
    QCOMPARE(page.result.gradeTable().grid().foreColor(2, 7), WinColor::Blue);
    QCOMPARE(column(page.result.confirmedPrizeTable().grid(), 5, 2, 8), QStringList(7, QString()));
    QCOMPARE(row(page.result.resultGrid().grid(), 16, 1, 10), QStringList(10, QString()));
}

QTEST_GUILESS_MAIN(TestCheckPageController)
#include "TestCheckPageController.moc"
