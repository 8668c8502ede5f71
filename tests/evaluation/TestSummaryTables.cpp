#include "support/DisplayScale.h"
#include "common/GridReadback.h"
#include "common/RecordingSurface.h"
#include "common/RecordingUi.h"
#include "evaluation/MarkCountTable.h"
#include "evaluation/OutcomeSelector.h"
#include "evaluation/GradeTable.h"
#include "support/WinColor.h"

#include <QSignalSpy>
#include <QTest>

using namespace GridReadback;

// The grade table, the game-state selector and the count table of the result
// page, driven through their operations and read back from their grids.
class TestSummaryTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void gradeTableLayout_data();
    void gradeTableLayout();
    void gradeTableWithoutSinglesShowsZeros();
    void gradeTableCountsAndShares();
    void gradeTableWinningRowsByRound_data();
    void gradeTableWinningRowsByRound();

    void selectorLayout();
    void selectorClicks();
    void selectorClickWithoutResultAssumes();
    void selectorCancelFromThePopup();
    void selectorReportsOnlyRealChanges();
    void selectorIgnoresHeaderAndMiddleButton();

    void countTableLayoutAndBands();
    void countTableTexts_data();
    void countTableTexts();
    void countTableColumnsAndColours();
    void countTableClickCyclesPercent();
    void countTableClicksCycleToHidden();
    void countTableVisibilityIsTheArea();

private:
    static void useDpi(double dpi);
    static void leftClick(RecordingSurface &surface, const CellGrid &grid, int col, int row);
    static ResultData resultWithOutcomes(int roundNumber, std::initializer_list<quint8> outcomes);
};

void TestSummaryTables::useDpi(double dpi)
{
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{dpi, dpi}; });
}

void TestSummaryTables::init()
{
    useDpi(96);
}

void TestSummaryTables::cleanup()
{
    DisplayScale::setDpiSource({});
}

void TestSummaryTables::leftClick(RecordingSurface &surface, const CellGrid &grid, int col, int row)
{
    const QPoint at = cellPoint(grid, col, row);
    surface.click(1, 0, at.x(), at.y());
}

ResultData TestSummaryTables::resultWithOutcomes(int roundNumber, std::initializer_list<quint8> outcomes)
{
    ResultData result;
    result.roundNumber = roundNumber;
    int match = 1;
    for (const quint8 outcome : outcomes)
        result.game[std::size_t(match++)].Outcome = outcome;
    return result;
}

// ---- grade table ----

void TestSummaryTables::gradeTableLayout_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<int>("headerHeight");
    QTest::addColumn<QSize>("size");
    // Rows of the default height 21 (scaled): 15 data rows below the header.
    QTest::newRow("96 dpi") << 96.0 << QList<int>{40, 70, 40} << 20 << QSize(154, 21 + 15 * 22 + 1);
    QTest::newRow("144 dpi") << 144.0 << QList<int>{60, 105, 60} << 30 << QSize(229, 31 + 15 * 33 + 1);
}

void TestSummaryTables::gradeTableLayout()
{
    QFETCH(double, dpi);
    useDpi(dpi);
    RecordingSurface surface;
    GradeTable table;
    table.initialize(&surface, 40, 21);
    const CellGrid &grid = table.grid();
    QCOMPARE(grid.cols(), 3);
    QCOMPARE(grid.rows(), 16);
    QTEST((QList<int>{grid.colWidth(1), grid.colWidth(2), grid.colWidth(3)}), "widths");
    QTEST(grid.rowHeight(1), "headerHeight");
    QTEST(surface.size(), "size");
    QCOMPARE(surface.fontSize(), 11.0);
    QCOMPARE(row(grid, 1, 1, 3), (QStringList{"", "口数", "比率"}));
    QCOMPARE(column(grid, 1, 2, 16),
             (QStringList{"1等", "2等", "3等", "4等", "5等", "6等", "7等", "8等", "9等", "10等", "11等", "12等",
                          "13等", "14等", "15等"}));
    QCOMPARE(grid.backColor(2, 1), WinColor::ButtonFace);
    for (int r = 2; r <= 16; ++r) {
        QCOMPARE(grid.backColor(1, r), r % 2 == 1 ? WinColor::LightYellow : WinColor::White);
        QCOMPARE(grid.Alignment(1, r), qint16(CellGrid::AlignCenter));
        QCOMPARE(grid.Alignment(2, r), qint16(CellGrid::AlignRight));
        QCOMPARE(grid.Alignment(3, r), qint16(CellGrid::AlignRight));
    }
}

void TestSummaryTables::gradeTableWithoutSinglesShowsZeros()
{
    RecordingSurface surface;
    GradeTable table;
    table.initialize(&surface, 40, 21);
    table.clear(609);
    QCOMPARE(column(table.grid(), 2, 2, 16), QStringList(15, QStringLiteral("0")));
    QCOMPARE(column(table.grid(), 3, 2, 16), QStringList(15, QStringLiteral("0%")));
    QVERIFY(!table.grid().isChanged(3, 16));   // drawn
}

void TestSummaryTables::gradeTableCountsAndShares()
{
    RecordingSurface surface;
    GradeTable table;
    table.initialize(&surface, 40, 21);

    // One single with 12 hits: grade code 3, counter index 2.
    GradeCounts counts{};
    counts[2] = 1;
    table.setValue(counts, 609);
    QStringList expectedCounts(15, QStringLiteral("0"));
    expectedCounts[2] = QStringLiteral("1");
    QStringList expectedShares(15, QStringLiteral("0%"));
    expectedShares[2] = QStringLiteral("100%");
    QCOMPARE(column(table.grid(), 2, 2, 16), expectedCounts);
    QCOMPARE(column(table.grid(), 3, 2, 16), expectedShares);

    // 1 of 3 is 33%, 2 of 3 is 67%; counts are grouped by thousands.
    counts = {};
    counts[0] = 1234567;
    counts[1] = 2469134;
    counts[14] = 3703701;   // 7,407,402 in all
    table.setValue(counts, 609);
    QCOMPARE(table.grid().caption(2, 2), QStringLiteral("1,234,567"));
    QCOMPARE(table.grid().caption(3, 2), QStringLiteral("17%"));
    QCOMPARE(table.grid().caption(3, 3), QStringLiteral("33%"));
    QCOMPARE(table.grid().caption(3, 16), QStringLiteral("50%"));
    counts = {};
    counts[5] = 1;
    counts[6] = 2;
    table.setValue(counts, 609);
    QCOMPARE(table.grid().caption(3, 7), QStringLiteral("33%"));
    QCOMPARE(table.grid().caption(3, 8), QStringLiteral("67%"));
}

void TestSummaryTables::gradeTableWinningRowsByRound_data()
{
    QTest::addColumn<int>("roundNumber");
    QTest::addColumn<int>("blueRows");
    QTest::newRow("round 434") << 434 << 4;
    QTest::newRow("round 435") << 435 << 5;
    QTest::newRow("round 608") << 608 << 5;
    QTest::newRow("round 609") << 609 << 6;
    QTest::newRow("no round") << 0 << 4;
}

void TestSummaryTables::gradeTableWinningRowsByRound()
{
    QFETCH(int, roundNumber);
    QFETCH(int, blueRows);
    RecordingSurface surface;
    GradeTable table;
    table.initialize(&surface, 40, 21);
    table.clear(609);   // every possible grade blue first: the others must turn black again
    table.clear(roundNumber);
    for (int grade = 1; grade <= 15; ++grade)
        for (int col = 1; col <= 3; ++col)
            QCOMPARE(table.grid().foreColor(col, grade + 1), grade <= blueRows ? WinColor::Blue : WinColor::Black);
}

// ---- game-state selector ----

void TestSummaryTables::selectorLayout()
{
    RecordingSurface surface;
    OutcomeSelector table;
    table.initialize(&surface, 30, 21);
    const CellGrid &grid = table.grid();
    QCOMPARE(grid.cols(), 3);
    QCOMPARE(grid.rows(), 15);
    QCOMPARE(row(grid, 1, 1, 3), (QStringList{"1", "0", "2"}));
    QCOMPARE(grid.backColor(3, 1), WinColor::ButtonFace);
    QCOMPARE(backColors(grid, 2, 2, 5),
             (QList<quint32>{WinColor::White, WinColor::LightYellow, WinColor::White, WinColor::LightYellow}));
    QCOMPARE(surface.size(), QSize(3 * 31 + 1, 21 + 14 * 22 + 1));
    QCOMPARE(table.getValue(), GameStateTable{});
}

void TestSummaryTables::selectorClicks()
{
    RecordingSurface surface;
    OutcomeSelector table;
    table.initialize(&surface, 30, 21);
    table.setResult(resultWithOutcomes(609, {1, 0, 2}));
    QSignalSpy changes(&table, &OutcomeSelector::Change);
    const CellGrid &grid = table.grid();

    leftClick(surface, grid, 1, 2);   // match 1, outcome "1": the official result
    QCOMPARE(row(grid, 2, 1, 3), (QStringList{"◎", "", ""}));
    QCOMPARE(table.getValue()[0], (std::array<qint32, 3>{0, 1, 0}));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes[0][0].toBool(), true);

    leftClick(surface, grid, 3, 2);   // match 1, outcome "2": an assumption, replacing the mark
    QCOMPARE(row(grid, 2, 1, 3), (QStringList{"", "", "○"}));
    QCOMPARE(table.getValue()[0], (std::array<qint32, 3>{0, 0, 2}));

    leftClick(surface, grid, 3, 2);   // the same cell again empties the match
    QCOMPARE(row(grid, 2, 1, 3), (QStringList{"", "", ""}));
    QCOMPARE(table.getValue()[0], (std::array<qint32, 3>{0, 0, 0}));
    QCOMPARE(changes.size(), 3);

    leftClick(surface, grid, 2, 3);   // match 2, outcome "0": official
    leftClick(surface, grid, 3, 4);   // match 3, outcome "2": official
    QCOMPARE(row(grid, 3, 1, 3), (QStringList{"", "◎", ""}));
    QCOMPARE(row(grid, 4, 1, 3), (QStringList{"", "", "◎"}));
    const MatchFlags visible = table.getVisible();
    QVERIFY(visible[1][0]);
    QVERIFY(!visible[1][1]);
    QVERIFY(visible[2][2]);
    QVERIFY(!visible[0][2]);
}

void TestSummaryTables::selectorClickWithoutResultAssumes()
{
    RecordingSurface surface;
    OutcomeSelector table;
    table.initialize(&surface, 30, 21);
    // A record without a round number: outcome 1 of match 1 is no official result.
    table.setResult(resultWithOutcomes(0, {1}));
    leftClick(surface, table.grid(), 1, 2);
    QCOMPARE(table.grid().caption(1, 2), QStringLiteral("○"));
    // Outcome 0 of a match with no outcome recorded (0) is official once the round is known.
    table.setResult(resultWithOutcomes(609, {}));
    leftClick(surface, table.grid(), 2, 15);
    QCOMPARE(table.grid().caption(2, 15), QStringLiteral("◎"));
}

void TestSummaryTables::selectorCancelFromThePopup()
{
    RecordingSurface surface;
    OutcomeSelector table;
    table.initialize(&surface, 30, 21);
    QSignalSpy changes(&table, &OutcomeSelector::Change);
    const CellGrid &grid = table.grid();

    surface.scriptMenuChoices({-1, 0});
    const QPoint at = cellPoint(grid, 2, 6);   // match 5
    surface.click(2, 0, at.x(), at.y());
    QCOMPARE(surface.menus().size(), 1);
    QCOMPARE(surface.menus()[0].items, QStringList{QStringLiteral("中止")});
    QCOMPARE(changes.size(), 0);   // nothing chosen

    surface.click(2, 0, at.x(), at.y());
    QCOMPARE(row(grid, 6, 1, 3), (QStringList{"－", "－", "－"}));
    QCOMPARE(table.getValue()[4], (std::array<qint32, 3>{3, 3, 3}));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes[0][0].toBool(), true);

    // A left click on a cancelled match empties it.
    leftClick(surface, grid, 1, 6);
    QCOMPARE(table.getValue()[4], (std::array<qint32, 3>{0, 0, 0}));
}

void TestSummaryTables::selectorReportsOnlyRealChanges()
{
    RecordingSurface surface;
    OutcomeSelector table;
    table.initialize(&surface, 30, 21);
    QSignalSpy changes(&table, &OutcomeSelector::Change);

    table.setValue(GameStateTable{});   // the last reported table starts all zero
    QCOMPARE(changes.size(), 0);

    GameStateTable value{};
    value[13] = {0, 0, 1};
    value[0] = {3, 3, 3};
    table.setValue(value);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes[0][0].toBool(), false);
    QCOMPARE(row(table.grid(), 15, 1, 3), (QStringList{"", "", "◎"}));
    QCOMPARE(row(table.grid(), 2, 1, 3), (QStringList{"－", "－", "－"}));

    surface.clearRefreshes();
    table.setValue(value);
    QCOMPARE(changes.size(), 1);
    QVERIFY(surface.lastRefresh().isEmpty());   // nothing changed on screen either

    // Choosing "中止" again on an already cancelled match changes nothing.
    surface.scriptMenuChoices({0});
    const QPoint at = cellPoint(table.grid(), 1, 2);
    surface.click(2, 0, at.x(), at.y());
    QCOMPARE(changes.size(), 1);

    table.clear();
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes[1][0].toBool(), false);
    QCOMPARE(table.getValue(), GameStateTable{});
}

void TestSummaryTables::selectorIgnoresHeaderAndMiddleButton()
{
    RecordingSurface surface;
    OutcomeSelector table;
    table.initialize(&surface, 30, 21);
    QSignalSpy changes(&table, &OutcomeSelector::Change);

    // A menu choice before any match was clicked, or after a header click, cancels nothing.
    table.setPopup(0);
    leftClick(surface, table.grid(), 1, 1);
    table.setPopup(0);
    QCOMPARE(table.getValue(), GameStateTable{});
    QCOMPARE(changes.size(), 0);

    const QPoint at = cellPoint(table.grid(), 1, 2);
    surface.click(4, 0, at.x(), at.y());
    QCOMPARE(table.getValue(), GameStateTable{});
    QCOMPARE(changes.size(), 0);
    QVERIFY(surface.menus().isEmpty());
}

// ---- count table ----

void TestSummaryTables::countTableLayoutAndBands()
{
    RecordingSurface surface;
    MarkCountTable table;
    table.initialize(&surface, 67, 21);
    table.refresh();
    const CellGrid &grid = table.grid();
    QCOMPARE(row(grid, 1, 1, 3), (QStringList{"1", "0", "2"}));
    QCOMPARE(grid.backColor(1, 1), WinColor::ButtonFace);
    QCOMPARE(grid.rowHeight(1), 20);
    QCOMPARE(surface.size(), QSize(3 * 68 + 1, 21 + 14 * 22 + 1));
    for (int r = 2; r <= 15; ++r)
        QCOMPARE(grid.backColor(3, r), r % 2 == 0 ? WinColor::White : WinColor::LightYellow);
    // Nothing counted and no flags: every cell blank.
    QCOMPARE(column(grid, 2, 2, 15), QStringList(14, QStringLiteral("       ")));
}

void TestSummaryTables::countTableTexts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("total");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("counted");
    QTest::addColumn<QString>("percent");
    QTest::newRow("1234 of 10000") << 1234 << 10000 << false << "   1234" << "    12%";
    QTest::newRow("all of them") << 10000 << 10000 << false << "  10000" << "   100%";
    QTest::newRow("one of eight rounds up") << 1 << 8 << false << "      1" << "    13%";
    QTest::newRow("seven digits") << 4782969 << 4782969 << false << "4782969" << "   100%";
    QTest::newRow("eight digits keep the last seven") << 12345678 << 12345678 << false << "2345678" << "   100%";
    QTest::newRow("zero, not visible") << 0 << 10 << false << "       " << "       ";
    QTest::newRow("zero, visible") << 0 << 10 << true << "      0" << "     0%";
    QTest::newRow("zero of nothing, visible") << 0 << 0 << true << "      0" << "     0%";
}

void TestSummaryTables::countTableTexts()
{
    QFETCH(int, count);
    QFETCH(int, total);
    QFETCH(bool, visible);
    RecordingSurface surface;
    MarkCountTable table;
    table.initialize(&surface, 67, 21);
    MarkCounts counts{};
    counts[1][6] = count;          // mark "1" of match 7
    counts[0][6] = total - count;  // the rest on mark "0"
    MatchFlags flags{};
    flags[6][1] = visible;
    table.setVisible(flags);
    table.setValue(counts);
    QTEST(table.grid().caption(1, 8), "counted");
    table.setPercent(true);
    QTEST(table.grid().caption(1, 8), "percent");
}

void TestSummaryTables::countTableColumnsAndColours()
{
    RecordingSurface surface;
    MarkCountTable table;
    table.initialize(&surface, 67, 21);
    MarkCounts counts{};
    counts[0][0] = 10;   // mark "0"
    counts[1][0] = 20;   // mark "1"
    counts[2][0] = 30;   // mark "2"
    MatchFlags color{};
    color[0][2] = true;
    table.setColor(color);
    table.setValue(counts);
    QCOMPARE(row(table.grid(), 2, 1, 3), (QStringList{"     20", "     10", "     30"}));
    QCOMPARE(table.grid().foreColor(3, 2), WinColor::Blue);
    QCOMPARE(table.grid().foreColor(1, 2), WinColor::Black);
    // Colours change with the next redraw only.
    table.setColor(MatchFlags{});
    QCOMPARE(table.grid().foreColor(3, 2), WinColor::Blue);
    table.refresh();
    QCOMPARE(table.grid().foreColor(3, 2), WinColor::Black);
    table.clear();
    QCOMPARE(row(table.grid(), 2, 1, 3), QStringList(3, QStringLiteral("       ")));
}

void TestSummaryTables::countTableClickCyclesPercent()
{
    RecordingSurface surface;
    MarkCountTable table;
    table.initialize(&surface, 67, 21);
    QSignalSpy clicks(&table, &MarkCountTable::Click);
    MarkCounts counts{};
    counts[1][0] = 1;
    counts[2][0] = 3;
    table.setValue(counts);

    QPoint at = cellPoint(table.grid(), 1, 1);   // header: nothing
    surface.click(1, 0, at.x(), at.y());
    QCOMPARE(clicks.size(), 0);
    QVERIFY(!table.percent());

    at = cellPoint(table.grid(), 3, 9);
    surface.click(2, 1, at.x(), at.y());
    QVERIFY(table.percent());
    QCOMPARE(table.grid().caption(1, 2), QStringLiteral("    25%"));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks[0], (QList<QVariant>{2, 1, 3, 9}));
    surface.click(1, 0, at.x(), at.y());
    QVERIFY(!table.percent());
    QCOMPARE(table.grid().caption(1, 2), QStringLiteral("      1"));
}

void TestSummaryTables::countTableClicksCycleToHidden()
{
    RecordingSurface surface;
    MarkCountTable table;
    table.initialize(&surface, 67, 21);
    // The result page hides the table when a click has just switched percentages off.
    connect(&table, &MarkCountTable::Click, &table, [&table] {
        if (!table.percent())
            table.setVisible(false);
    });
    const QPoint at = cellPoint(table.grid(), 2, 2);
    surface.click(1, 0, at.x(), at.y());
    QVERIFY(table.percent());
    QVERIFY(table.visible());
    surface.click(1, 0, at.x(), at.y());
    QVERIFY(!table.percent());
    QVERIFY(!table.visible());
}

void TestSummaryTables::countTableVisibilityIsTheArea()
{
    RecordingSurface surface;
    MarkCountTable table;
    QVERIFY(!table.visible());   // no area yet
    table.initialize(&surface, 67, 21);
    QVERIFY(table.visible());
    table.setVisible(false);
    QVERIFY(!surface.isSurfaceVisible());
    QVERIFY(!table.visible());
    table.setVisible(true);
    QVERIFY(surface.isSurfaceVisible());
}

QTEST_GUILESS_MAIN(TestSummaryTables)
#include "TestSummaryTables.moc"
