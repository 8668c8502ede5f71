#include "common/GridReadback.h"
#include "common/RecordingSurface.h"
#include "common/RecordingUi.h"
#include "singles/SheetMatchGrid.h"
#include "support/DisplayScale.h"
#include "support/WinColor.h"

#include <QTest>

using namespace GridReadback;

// The match grid beside the single sheet: layout and the round's matches.
class TestSheetMatchGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void layout_data();
    void layout();
    void headerNumbersAndBands();
    void showsDatesAndTeams();
    void scheduleBeforeInitializeIsReported();
};

void TestSheetMatchGrid::cleanup()
{
    DisplayScale::setDpiSource({});
}

void TestSheetMatchGrid::layout_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("wide");
    QTest::addColumn<int>("narrow");
    QTest::addColumn<int>("header");
    QTest::addColumn<int>("row");
    QTest::newRow("96 dpi") << 96.0 << 50 << 20 << 20 << 26;
    // 50 × 1.25 = 62.5 rounds to 62 and 26 × 1.25 = 32.5 to 32 (half to even).
    QTest::newRow("120 dpi") << 120.0 << 62 << 25 << 25 << 32;
    QTest::newRow("144 dpi") << 144.0 << 75 << 30 << 30 << 39;
}

void TestSheetMatchGrid::layout()
{
    QFETCH(double, dpi);
    QFETCH(int, wide);
    QFETCH(int, narrow);
    QFETCH(int, header);
    QFETCH(int, row);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{dpi, dpi}; });
    RecordingSurface surface;
    SheetMatchGrid game;
    game.initialize(&surface, 26);
    const CellGrid &grid = game.grid();
    QCOMPARE(grid.cols(), 4);
    QCOMPARE(grid.rows(), 15);
    QCOMPARE(grid.colWidth(1), wide);
    QCOMPARE(grid.colWidth(2), narrow);
    QCOMPARE(grid.colWidth(4), wide);
    QCOMPARE(grid.rowHeight(1), header);
    QCOMPARE(grid.rowHeight(15), row);
    // The picture area takes the grid's size.
    QCOMPARE(surface.size(), QSize(3 * (wide + 1) + narrow + 1 + 1, header + 1 + 14 * (row + 1) + 1));
}

void TestSheetMatchGrid::headerNumbersAndBands()
{
    RecordingSurface surface;
    SheetMatchGrid game;
    game.initialize(&surface, 26);
    const CellGrid &grid = game.grid();
    QCOMPARE(row(grid, 1, 1, 4), (QStringList{"開催日", "No", "ホーム", "アウェイ"}));
    QCOMPARE(column(grid, 2, 2, 15),
             (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"}));
    QCOMPARE(grid.backColor(3, 1), WinColor::ButtonFace);
    QCOMPARE(backColors(grid, 1, 2, 5), (QList<quint32>{WinColor::White, WinColor::LightYellow, WinColor::White,
                                                        WinColor::LightYellow}));
    QCOMPARE(grid.backColor(4, 15), WinColor::LightYellow);
    QCOMPARE(WinColor::LightYellow, WinColor::rgb(255, 255, 224));
    // Drawn at once.
    QVERIFY(surface.drawnCell(4, 15));
}

void TestSheetMatchGrid::showsDatesAndTeams()
{
    RecordingSurface surface;
    SheetMatchGrid game;
    game.initialize(&surface, 26);
    ScheduleData schedule;
    schedule.roundNumber = 1478;
    schedule.game[1] = {QStringLiteral("浦和"), QStringLiteral("鹿島"),
                        OleDate::fromDate(QDate(2024, 3, 9)), OleDate::fromTime(QTime(14, 0)), {}, {}};
    schedule.game[14] = {QStringLiteral("横浜FM"), QStringLiteral("川崎F"),
                         OleDate::fromDateTime(QDate(2024, 12, 1), QTime(19, 30)), {}, {}, {}};
    surface.clearRefreshes();
    game.setScheduleData(schedule);
    const CellGrid &grid = game.grid();
    QCOMPARE(row(grid, 2, 1, 4), (QStringList{"03/09", "1", "浦和", "鹿島"}));
    QCOMPARE(row(grid, 15, 1, 4), (QStringList{"12/01", "14", "横浜FM", "川崎F"}));
    // A match without a date leaves its cells empty.
    QCOMPARE(row(grid, 3, 1, 4), (QStringList{"", "2", "", ""}));
    QCOMPARE(surface.refreshes().size(), 1);
    QCOMPARE(surface.drawnCell(3, 15)->caption, QStringLiteral("横浜FM"));

    game.setScheduleData(ScheduleData{});
    QCOMPARE(row(grid, 2, 1, 4), (QStringList{"", "1", "", ""}));
}

void TestSheetMatchGrid::scheduleBeforeInitializeIsReported()
{
    RecordingUi ui;
    SheetMatchGrid game;
    game.setScheduleData(ScheduleData{});
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Warning);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsTSingleGame / Schedure"));
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("Initialize Err"));
}

QTEST_GUILESS_MAIN(TestSheetMatchGrid)
#include "TestSheetMatchGrid.moc"
