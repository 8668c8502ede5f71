#include "support/DisplayScale.h"
#include "common/GridReadback.h"
#include "common/RecordingSurface.h"
#include "evaluation/ResultGrid.h"
#include "evaluation/ConfirmedPrizeTable.h"
#include "support/WinColor.h"

#include <QTest>

using namespace GridReadback;

// The confirmed prize table and the result grid, driven through their
// operations and read back from their grids.
class TestPrizeTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void amountText_data();
    void amountText();
    void prizeTableLayout();
    void prizeTableFigures();
    void prizeTableUserColumnsByRound_data();
    void prizeTableUserColumnsByRound();
    void zeroPrizeOfOneGrade();
    void allZeroTableShowsOnlyHeadings();

    void resultGridLayout();
    void resultGridMarksAndHits_data();
    void resultGridMarksAndHits();
    void resultGridGradeCodeByRound_data();
    void resultGridGradeCodeByRound();
    void resultGridPartPage();
    void resultGridPicturesAndRefresh();

private:
    static ResultData result1478();
};

void TestPrizeTables::init()
{
    DisplayScale::setDpiSource([] { return DisplayScale::Dpi{96, 96}; });
}

void TestPrizeTables::cleanup()
{
    DisplayScale::setDpiSource({});
}

// Prizes, winners and carry-over of a six-grade round.
ResultData TestPrizeTables::result1478()
{
    ResultData result;
    result.roundNumber = 1478;
    const qint64 prize[] = {600000000, 12345678, 123456, 7890, 1234, 0};
    const qint64 winners[] = {2, 15, 1234, 23456, 345678, 0};
    const qint64 carryOver[] = {1234567890, 0, 0, 0, 0, 0};
    for (int grade = 1; grade <= 6; ++grade) {
        result.prize[std::size_t(grade)] = Money::fromWhole(prize[grade - 1]);
        result.winners[std::size_t(grade)] = Money::fromWhole(winners[grade - 1]);
        result.carryOver[std::size_t(grade)] = Money::fromWhole(carryOver[grade - 1]);
    }
    return result;
}

// ---- confirmed prize table ----

void TestPrizeTables::amountText_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << "0" << "0 ";
    QTest::newRow("negative") << "-5" << "0 ";
    QTest::newRow("one") << "1" << "1 ";
    QTest::newRow("grouped") << "1234567" << "1,234,567 ";
    QTest::newRow("billions") << "99999999999" << "99,999,999,999 ";
    QTest::newRow("half rounds up") << "2.5" << "3 ";
}

void TestPrizeTables::amountText()
{
    QFETCH(QString, amount);
    QTEST(ConfirmedPrizeTable::amountText(*Money::parse(amount)), "text");
}

void TestPrizeTables::prizeTableLayout()
{
    RecordingSurface surface;
    ConfirmedPrizeTable table;
    table.initialize(&surface, 40, 21);
    const CellGrid &grid = table.grid();
    QCOMPARE(grid.cols(), 6);
    QCOMPARE(grid.rows(), 8);
    QCOMPARE((QList<int>{grid.colWidth(1), grid.colWidth(2), grid.colWidth(3), grid.colWidth(4), grid.colWidth(5),
                         grid.colWidth(6)}),
             (QList<int>{40, 110, 100, 120, 100, 100}));
    QCOMPARE(grid.rowHeight(1), 20);
    QCOMPARE(surface.size(), QSize(41 + 111 + 101 + 121 + 101 + 101 + 1, 21 + 7 * 22 + 1));
    QCOMPARE(surface.fontSize(), 10.0);
    QCOMPARE(row(grid, 1, 1, 6), (QStringList{"", "当せん金", "当せん口数", "繰越金", "当せん口数", "当せん金額"}));
    QCOMPARE(column(grid, 1, 2, 8), (QStringList{"1等", "2等", "3等", "4等", "5等", "6等", "合計"}));
    QCOMPARE(grid.backColor(4, 1), WinColor::ButtonFace);
    QCOMPARE(backColors(grid, 2, 2, 8),
             (QList<quint32>{WinColor::White, WinColor::LightYellow, WinColor::White, WinColor::LightYellow,
                             WinColor::White, WinColor::LightYellow, WinColor::White}));
    for (int r = 1; r <= 8; ++r) {
        QCOMPARE(grid.foreColor(5, r), WinColor::Blue);
        QCOMPARE(grid.foreColor(6, r), WinColor::Blue);
        QCOMPARE(grid.foreColor(4, r), WinColor::Black);
        QCOMPARE(grid.Alignment(1, r), qint16(CellGrid::AlignCenter));
        for (int c = 2; c <= 6; ++c)
            QCOMPARE(grid.Alignment(c, r), qint16(r == 1 ? CellGrid::AlignCenter : CellGrid::AlignRight));
    }
}

void TestPrizeTables::prizeTableFigures()
{
    RecordingSurface surface;
    ConfirmedPrizeTable table;
    table.initialize(&surface, 40, 21);
    table.setResult(result1478());
    GradeCounts counts{};
    counts[0] = 1;
    counts[2] = 3;
    counts[5] = 40;
    counts[9] = 7;   // grade code 10 wins nothing and is not shown
    table.setValue(counts);
    const CellGrid &grid = table.grid();
    QCOMPARE(column(grid, 2, 2, 8), (QStringList{"600,000,000 ", "12,345,678 ", "123,456 ", "7,890 ", "1,234 ", "0 ",
                                                  // the whole payout: prize times winners, summed
                                                  "2,149,164,366 "}));
    QCOMPARE(column(grid, 3, 2, 8),
             (QStringList{"2 ", "15 ", "1,234 ", "23,456 ", "345,678 ", "0 ", "370,385 "}));
    QCOMPARE(column(grid, 4, 2, 8),
             (QStringList{"1,234,567,890 ", "0 ", "0 ", "0 ", "0 ", "0 ", "1,234,567,890 "}));
    QCOMPARE(column(grid, 5, 2, 8), (QStringList{"1 ", "0 ", "3 ", "0 ", "0 ", "40 ", "44 "}));
    QCOMPARE(column(grid, 6, 2, 8), (QStringList{"600,000,000 ", "0 ", "370,368 ", "0 ", "0 ", "0 ", "600,370,368 "}));
}

void TestPrizeTables::prizeTableUserColumnsByRound_data()
{
    QTest::addColumn<int>("roundNumber");
    QTest::addColumn<int>("blueGrades");
    QTest::newRow("round 421") << 421 << 4;
    QTest::newRow("round 500") << 500 << 5;
    QTest::newRow("round 1478") << 1478 << 6;
}

void TestPrizeTables::prizeTableUserColumnsByRound()
{
    QFETCH(int, roundNumber);
    QFETCH(int, blueGrades);
    RecordingSurface surface;
    ConfirmedPrizeTable table;
    table.initialize(&surface, 40, 21);
    ResultData result = result1478();
    table.setResult(result);   // six blue grades first
    result.roundNumber = roundNumber;
    table.setResult(result);
    for (int grade = 1; grade <= 6; ++grade) {
        const quint32 expected = grade <= blueGrades ? WinColor::Blue : WinColor::Black;
        QCOMPARE(table.grid().foreColor(5, grade + 1), expected);
        QCOMPARE(table.grid().foreColor(6, grade + 1), expected);
    }
    QCOMPARE(table.grid().foreColor(5, 8), WinColor::Blue);
}

void TestPrizeTables::zeroPrizeOfOneGrade()
{
    RecordingSurface surface;
    ConfirmedPrizeTable table;
    table.initialize(&surface, 40, 21);
    ResultData result = result1478();
    result.roundNumber = 421;
    result.prize[2] = Money();   // no 2等 winner
    table.setResult(result);
    GradeCounts counts{};
    counts[1] = 2;
    table.setValue(counts);
    QCOMPARE(table.grid().caption(2, 3), QStringLiteral("0 "));
    QCOMPARE(table.grid().caption(6, 3), QStringLiteral("0 "));
    QCOMPARE(table.grid().caption(5, 3), QStringLiteral("2 "));
    QCOMPARE(table.grid().caption(3, 3), QStringLiteral("15 "));
}

void TestPrizeTables::allZeroTableShowsOnlyHeadings()
{
    RecordingSurface surface;
    ConfirmedPrizeTable table;
    table.initialize(&surface, 40, 21);
    table.setResult(result1478());
    table.clear();
    const CellGrid &grid = table.grid();
    for (int c = 2; c <= 6; ++c)
        QCOMPARE(column(grid, c, 2, 8), QStringList(7, QString()));
    QCOMPARE(column(grid, 1, 2, 8), (QStringList{"1等", "2等", "3等", "4等", "5等", "6等", "合計"}));
    QCOMPARE(row(grid, 1, 2, 3), (QStringList{"当せん金", "当せん口数"}));
    // Counters alone make it show again, zeros included.
    GradeCounts counts{};
    counts[14] = 5;   // only losing singles: still all zero
    table.setValue(counts);
    QCOMPARE(grid.caption(5, 8), QString());
    counts[3] = 1;
    table.setValue(counts);
    QCOMPARE(column(grid, 5, 2, 8), (QStringList{"0 ", "0 ", "0 ", "1 ", "0 ", "0 ", "1 "}));
    QCOMPARE(grid.caption(2, 2), QStringLiteral("0 "));
}

// ---- result grid ----

void TestPrizeTables::resultGridLayout()
{
    RecordingSurface surface;
    ResultGrid table;
    table.initialize(&surface, 25, 21);
    const CellGrid &grid = table.grid();
    QCOMPARE(grid.cols(), 10);
    QCOMPARE(grid.rows(), 16);
    QCOMPARE(row(grid, 1, 1, 10), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    QCOMPARE(grid.backColor(10, 1), WinColor::ButtonFace);
    QCOMPARE(grid.rowHeight(1), 20);
    QCOMPARE(surface.size(), QSize(10 * 26 + 1, 21 + 15 * 22 + 1));
    QCOMPARE(surface.fontSize(), 11.0);
    QCOMPARE(surface.refreshes().size(), 1);
}

void TestPrizeTables::resultGridMarksAndHits_data()
{
    QTest::addColumn<int>("hit");
    QTest::addColumn<quint32>("color");
    QTest::newRow("miss") << 0 << WinColor::Red;
    QTest::newRow("official hit") << 1 << WinColor::Blue;
    QTest::newRow("assumed hit") << 2 << WinColor::Blue;
    QTest::newRow("cancelled") << 3 << WinColor::Yellow;
    QTest::newRow("open") << 4 << WinColor::White;
}

void TestPrizeTables::resultGridMarksAndHits()
{
    QFETCH(int, hit);
    RecordingSurface surface;
    ResultGrid table;
    table.initialize(&surface, 25, 21);
    ResultGrid::Marks marks{};
    ResultGrid::Hits hits{};
    for (int match = 0; match < 14; ++match) {
        marks[std::size_t(match)] = quint8(match % 3);
        hits[std::size_t(match)] = match == 6 ? quint8(hit) : 1;
    }
    marks[14] = 2;
    table.setValue(4, marks, hits, 609);
    const CellGrid &grid = table.grid();
    QCOMPARE(column(grid, 5, 2, 16),
             (QStringList{"0", "1", "2", "0", "1", "2", "0", "1", "2", "0", "1", "2", "0", "1", "2"}));
    QTEST(grid.backColor(5, 8), "color");
    QCOMPARE(grid.backColor(5, 7), WinColor::Blue);
    QCOMPARE(grid.backColor(4, 8), WinColor::White);   // other columns untouched
}

void TestPrizeTables::resultGridGradeCodeByRound_data()
{
    QTest::addColumn<int>("gradeCode");
    QTest::addColumn<int>("roundNumber");
    QTest::addColumn<quint32>("color");
    QTest::newRow("14 hits, round 609") << 1 << 609 << WinColor::Green;
    QTest::newRow("grade code 6, round 609") << 6 << 609 << WinColor::Green;
    QTest::newRow("grade code 7, round 609") << 7 << 609 << WinColor::White;
    QTest::newRow("grade code 5, round 435") << 5 << 435 << WinColor::Green;
    QTest::newRow("grade code 5, round 434") << 5 << 434 << WinColor::White;
    QTest::newRow("grade code 15") << 15 << 1478 << WinColor::White;
}

void TestPrizeTables::resultGridGradeCodeByRound()
{
    QFETCH(int, gradeCode);
    QFETCH(int, roundNumber);
    RecordingSurface surface;
    ResultGrid table;
    table.initialize(&surface, 25, 21);
    ResultGrid::Marks marks{};
    marks[14] = quint8(gradeCode);
    table.setValue(0, marks, ResultGrid::Hits{}, roundNumber);
    QCOMPARE(table.grid().caption(1, 16), QString::number(gradeCode));
    QTEST(table.grid().backColor(1, 16), "color");
}

void TestPrizeTables::resultGridPartPage()
{
    RecordingSurface surface;
    ResultGrid table;
    table.initialize(&surface, 25, 21);
    ResultGrid::Marks marks{};
    marks.fill(1);
    ResultGrid::Hits hits{};
    hits.fill(0);
    for (int no = 0; no < 10; ++no)
        table.setValue(no, marks, hits, 609);   // a full page first
    for (int no = 0; no < 3; ++no)
        table.setValue(no, marks, hits, 609);
    for (int no = 3; no < 10; ++no)
        table.setClear(no);
    table.refresh();
    const CellGrid &grid = table.grid();
    for (int col = 1; col <= 10; ++col) {
        const bool filled = col <= 3;
        QCOMPARE(column(grid, col, 2, 16), QStringList(15, filled ? QStringLiteral("1") : QString()));
        QCOMPARE(grid.backColor(col, 9), filled ? WinColor::Red : WinColor::White);
        QCOMPARE(grid.backColor(col, 16), filled ? WinColor::Green : WinColor::White);
        QCOMPARE(grid.caption(col, 1), QString::number(col));
    }
    table.clear();
    QCOMPARE(column(grid, 1, 2, 16), QStringList(15, QString()));
    QCOMPARE(grid.backColor(1, 2), WinColor::White);
}

void TestPrizeTables::resultGridPicturesAndRefresh()
{
    RecordingSurface surface;
    ResultGrid table;
    table.initialize(&surface, 25, 21);
    table.setColorImage(QStringLiteral("hit"), WinColor::Blue);
    table.setColorImage(QStringLiteral("winning grade"), WinColor::Green);
    ResultGrid::Marks marks{};
    marks[14] = 1;
    ResultGrid::Hits hits{};
    hits.fill(1);
    const int refreshes = surface.refreshes().size();
    table.setValue(0, marks, hits, 609);
    QCOMPARE(surface.refreshes().size(), refreshes);   // filling a column draws nothing yet
    table.refresh();
    QCOMPARE(surface.lastRefresh().size(), 15);
    QCOMPARE(surface.drawnCell(1, 2)->picture, QVariant(QStringLiteral("hit")));
    QCOMPARE(surface.drawnCell(1, 16)->picture, QVariant(QStringLiteral("winning grade")));
    QCOMPARE(surface.drawnCell(1, 16)->contentColor, WinColor::White);
}

QTEST_GUILESS_MAIN(TestPrizeTables)
#include "TestPrizeTables.moc"
