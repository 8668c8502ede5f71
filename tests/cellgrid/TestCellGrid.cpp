#include "support/DisplayScale.h"
#include "common/RecordingSurface.h"
#include "common/RecordingUi.h"
#include "support/RuntimeError.h"
#include "support/WinColor.h"
#include "cellgrid/CellGrid.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

// The cell grid's model: sizes, cells, change tracking, hit test and clicks,
// read back through a recording surface.
class TestCellGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void initializeMakesOneDefaultCell();
    void sizeFollowsTheDisplayScale_data();
    void sizeFollowsTheDisplayScale();
    void newCellsHaveDefaultsAndAreAllDrawn();
    void hiddenColumnTakesNoSpaceAndIsNeverDrawn();
    void widthChangeRedrawsFromThatColumnOn();
    void heightChangeRedrawsFromThatRowOn();
    void settingTheSameValueRedrawsNothing_data();
    void settingTheSameValueRedrawsNothing();
    void rowAndAllSettersFollowTheChangeRule();
    void cellRectanglesAndContentArea();
    void keyColourShowsItsPictureOnWhite();
    void captionAndPicturePlacement_data();
    void captionAndPicturePlacement();
    void surfaceResizedOnlyAfterLayoutChanges();
    void indexOutsideTheGridFailsAndStoresNothing_data();
    void indexOutsideTheGridFailsAndStoresNothing();
    void surfacePropertiesBeforeInitializeReport_data();
    void surfacePropertiesBeforeInitializeReport();
    void surfacePropertiesAfterInitialize();
    void hitTest_data();
    void hitTest();
    void pressAndReleaseOnOneCellClick_data();
    void pressAndReleaseOnOneCellClick();
    void destroyedSurfaceIsForgotten();
    void areaAttachedLaterTakesTheGridAsItStands();

private:
    static void useDpi(double x, double y);
};

namespace {

// A grid on a recording surface, sized as asked.
struct Table
{
    RecordingSurface surface;
    CellGrid grid;

    Table(int cols, int rows, int width, int height)
    {
        grid.initialize(&surface);
        grid.setGridColRow(cols, rows, width, height);
    }
};

} // namespace

void TestCellGrid::useDpi(double x, double y)
{
    DisplayScale::setDpiSource([x, y] { return DisplayScale::Dpi{x, y}; });
}

void TestCellGrid::init()
{
    useDpi(96, 96);
}

void TestCellGrid::cleanup()
{
    DisplayScale::setDpiSource({});
}

void TestCellGrid::initializeMakesOneDefaultCell()
{
    RecordingSurface surface;
    CellGrid grid;
    QVERIFY(!grid.isInitialized());
    grid.initialize(&surface);
    QVERIFY(grid.isInitialized());
    QCOMPARE(surface.grid(), &grid);
    QVERIFY(surface.isSurfaceVisible());
    QCOMPARE(grid.cols(), 1);
    QCOMPARE(grid.rows(), 1);
    QCOMPARE(grid.colWidth(1), 30);
    QCOMPARE(grid.rowHeight(1), 20);
    QCOMPARE(grid.width(), 32);
    QCOMPARE(grid.height(), 22);
    QCOMPARE(surface.size(), QSize(32, 22));
}

void TestCellGrid::sizeFollowsTheDisplayScale_data()
{
    QTest::addColumn<double>("dpiX");
    QTest::addColumn<double>("dpiY");
    QTest::addColumn<int>("colWidth");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<QSize>("size");
    // 3 columns of 40 and 2 rows of 20 layout pixels.
    QTest::newRow("96 dpi") << 96.0 << 96.0 << 40 << 20 << QSize(124, 43);
    QTest::newRow("144 dpi") << 144.0 << 144.0 << 60 << 30 << QSize(184, 63);
    QTest::newRow("120 dpi") << 120.0 << 120.0 << 50 << 25 << QSize(154, 53);
    // Scaled lengths round half to even: 40 x 1.3125 = 52.5 gives 52, 20 x 1.625 = 32.5 gives 32.
    QTest::newRow("126 x 156 dpi") << 126.0 << 156.0 << 52 << 32 << QSize(160, 67);
}

void TestCellGrid::sizeFollowsTheDisplayScale()
{
    QFETCH(double, dpiX);
    QFETCH(double, dpiY);
    useDpi(dpiX, dpiY);
    Table table(3, 2, 40, 20);
    auto &[surface, grid] = table;
    QTEST(grid.colWidth(3), "colWidth");
    QTEST(grid.rowHeight(2), "rowHeight");
    QFETCH(QSize, size);
    QCOMPARE(QSize(grid.width(), grid.height()), size);
    QCOMPARE(surface.size(), size);
}

void TestCellGrid::newCellsHaveDefaultsAndAreAllDrawn()
{
    RecordingSurface surface;
    CellGrid grid;
    grid.initialize(&surface);
    grid.setCaption(1, 1, QStringLiteral("old"));
    grid.setGridColRow(2, 3, 40, 20);
    for (int c = 1; c <= 2; ++c) {
        for (int r = 1; r <= 3; ++r) {
            QCOMPARE(grid.caption(c, r), QString());
            QCOMPARE(grid.foreColor(c, r), WinColor::Black);
            QCOMPARE(grid.backColor(c, r), WinColor::White);
            QCOMPARE(grid.Alignment(c, r), qint16(CellGrid::AlignCenter));
            QVERIFY(grid.isChanged(c, r));
        }
    }
    grid.refresh();
    // Column by column, row by row inside each column.
    QList<QPair<int, int>> order;
    for (const GridCellDrawing &cell : surface.lastRefresh())
        order.append({cell.col, cell.row});
    QCOMPARE(order, (QList<QPair<int, int>>{{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}}));
    QVERIFY(!grid.isChanged(2, 3));
    grid.refresh();
    QVERIFY(surface.lastRefresh().isEmpty());
}

void TestCellGrid::hiddenColumnTakesNoSpaceAndIsNeverDrawn()
{
    Table table(3, 2, 40, 20);
    auto &[surface, grid] = table;
    grid.setColWidth(2, -5);
    QCOMPARE(grid.colWidth(2), 0);
    QCOMPARE(grid.colLeft(2), 41);
    QCOMPARE(grid.colLeft(3), 41);
    QCOMPARE(grid.width(), 83);
    grid.setCaption(2, 1, QStringLiteral("hidden"));
    grid.refresh();
    for (const GridCellDrawing &cell : surface.lastRefresh())
        QVERIFY2(cell.col != 2, "a hidden column was drawn");
    QCOMPARE(surface.lastRefresh().size(), 4);
    QVERIFY(!grid.isChanged(2, 1));   // the flag is cleared all the same

    // Shown again, its cells are drawn at the next refresh.
    grid.setColWidth(2, 10);
    QCOMPARE(grid.colLeft(3), 52);
    grid.refresh();
    QVERIFY(surface.drawnCell(2, 1));
    QCOMPARE(surface.drawnCell(2, 1)->caption, QStringLiteral("hidden"));
}

void TestCellGrid::widthChangeRedrawsFromThatColumnOn()
{
    Table table(4, 2, 40, 20);
    auto &[surface, grid] = table;
    grid.refresh();
    grid.setColWidth(3, 55);   // not scaled, even when it differs from the old width or not
    QCOMPARE(grid.colWidth(3), 55);
    for (int r = 1; r <= 2; ++r) {
        QVERIFY(!grid.isChanged(1, r));
        QVERIFY(!grid.isChanged(2, r));
        QVERIFY(grid.isChanged(3, r));
        QVERIFY(grid.isChanged(4, r));
    }
    QCOMPARE(grid.colLeft(4), 41 + 41 + 56);
    grid.refresh();
    QCOMPARE(surface.lastRefresh().size(), 4);
    QCOMPARE(surface.lastRefresh().first().col, 3);
}

void TestCellGrid::heightChangeRedrawsFromThatRowOn()
{
    useDpi(144, 144);
    Table table(2, 3, 40, 20);
    auto &[surface, grid] = table;
    grid.refresh();
    grid.setRowHeight(2, 20);   // display pixels: not scaled
    QCOMPARE(grid.rowHeight(2), 20);
    QCOMPARE(grid.rowTop(3), 31 + 21);
    QCOMPARE(grid.height(), 31 + 21 + 31 + 1);
    QVERIFY(!grid.isChanged(1, 1));
    QVERIFY(!grid.isChanged(2, 1));
    QVERIFY(grid.isChanged(1, 2));
    QVERIFY(grid.isChanged(2, 3));
}

void TestCellGrid::settingTheSameValueRedrawsNothing_data()
{
    using Setter = std::function<void(CellGrid &)>;
    QTest::addColumn<Setter>("setter");
    QTest::newRow("caption") << Setter([](CellGrid &g) { g.setCaption(2, 2, QStringLiteral("口数")); });
    QTest::newRow("fore colour") << Setter([](CellGrid &g) { g.setForeColor(2, 2, WinColor::Blue); });
    QTest::newRow("back colour") << Setter([](CellGrid &g) { g.setBackColor(2, 2, WinColor::LightYellow); });
    QTest::newRow("alignment") << Setter([](CellGrid &g) { g.setAlignment(2, 2, CellGrid::AlignRight); });
}

void TestCellGrid::settingTheSameValueRedrawsNothing()
{
    QFETCH(std::function<void(CellGrid &)>, setter);
    Table table(3, 3, 40, 20);
    auto &[surface, grid] = table;
    grid.refresh();

    setter(grid);
    grid.refresh();
    QCOMPARE(surface.lastRefresh().size(), 1);
    QCOMPARE(surface.lastRefresh()[0].col, 2);
    QCOMPARE(surface.lastRefresh()[0].row, 2);

    setter(grid);
    QVERIFY(!grid.isChanged(2, 2));
    grid.refresh();
    QVERIFY(surface.lastRefresh().isEmpty());
}

void TestCellGrid::rowAndAllSettersFollowTheChangeRule()
{
    Table table(3, 3, 40, 20);
    auto &[surface, grid] = table;
    grid.setForeColor(1, 1, WinColor::Blue);
    grid.refresh();

    grid.foreColorAll(WinColor::Blue);
    QVERIFY(!grid.isChanged(1, 1));
    QVERIFY(grid.isChanged(3, 3));
    QCOMPARE(grid.foreColor(2, 3), WinColor::Blue);
    grid.refresh();

    grid.backColorRow(2, WinColor::LightYellow);
    grid.foreColorRow(3, WinColor::Blue);   // already blue
    grid.refresh();
    QCOMPARE(surface.lastRefresh().size(), 3);
    for (const GridCellDrawing &cell : surface.lastRefresh()) {
        QCOMPARE(cell.row, 2);
        QCOMPARE(cell.backColor, WinColor::LightYellow);
    }
}

void TestCellGrid::cellRectanglesAndContentArea()
{
    Table table(3, 2, 40, 20);
    auto &[surface, grid] = table;
    grid.setRowHeight(2, 0);
    grid.setCaption(2, 1, QStringLiteral("1等"));
    grid.setForeColor(2, 1, WinColor::Blue);
    grid.setBackColor(2, 1, WinColor::ButtonFace);
    grid.setAlignment(2, 1, CellGrid::AlignLeft);
    grid.refresh();

    const GridCellDrawing *cell = surface.drawnCell(2, 1);
    QVERIFY(cell);
    QCOMPARE(cell->left, 41);
    QCOMPARE(cell->top, 0);
    QCOMPARE(cell->right, 81);
    QCOMPARE(cell->bottom, 20);
    QCOMPARE(cell->contentOrigin(), QPoint(42, 1));
    QCOMPARE(cell->contentWidth, 40);
    QCOMPARE(cell->contentHeight, 20);
    QCOMPARE(cell->caption, QStringLiteral("1等"));
    QCOMPARE(cell->foreColor, WinColor::Blue);
    QCOMPARE(cell->backColor, WinColor::ButtonFace);
    QCOMPARE(cell->contentColor, WinColor::ButtonFace);   // system colours pass through unchanged
    QCOMPARE(cell->alignment, 0);
    QVERIFY(!cell->picture.isValid());

    // A row of height 0 still has a content area of one pixel.
    const GridCellDrawing *flat = surface.drawnCell(3, 2);
    QVERIFY(flat);
    QCOMPARE(flat->top, 21);
    QCOMPARE(flat->bottom, 21);
    QCOMPARE(flat->contentHeight, 1);
}

void TestCellGrid::keyColourShowsItsPictureOnWhite()
{
    Table table(4, 1, 25, 21);
    auto &[surface, grid] = table;
    grid.setBackColor(1, 1, WinColor::Blue);
    grid.setBackColor(2, 1, WinColor::Red);
    grid.setBackColor(3, 1, WinColor::LightYellow);

    grid.refresh();   // no pictures registered: colours as they are
    QCOMPARE(surface.drawnCell(1, 1)->contentColor, WinColor::Blue);
    QVERIFY(!surface.drawnCell(1, 1)->picture.isValid());

    grid.setColorImage(QStringLiteral("hit"), WinColor::Blue);
    grid.setColorImage(QStringLiteral("miss"), WinColor::Red);
    grid.setColorImage(QStringLiteral("second miss picture"), WinColor::Red);
    grid.setCaption(1, 1, QStringLiteral("1"));
    grid.setCaption(2, 1, QStringLiteral("0"));
    grid.setCaption(3, 1, QStringLiteral("2"));
    grid.refresh();
    QCOMPARE(surface.drawnCell(1, 1)->picture, QVariant(QStringLiteral("hit")));
    QCOMPARE(surface.drawnCell(1, 1)->contentColor, WinColor::White);
    QCOMPARE(surface.drawnCell(1, 1)->backColor, WinColor::Blue);
    QCOMPARE(surface.drawnCell(2, 1)->picture, QVariant(QStringLiteral("miss")));   // the first registered wins
    QVERIFY(!surface.drawnCell(3, 1)->picture.isValid());
    QCOMPARE(surface.drawnCell(3, 1)->contentColor, WinColor::LightYellow);
}

void TestCellGrid::captionAndPicturePlacement_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QSize>("text");
    QTest::addColumn<QPoint>("caption");
    // Content area 40 x 20.
    QTest::newRow("left") << 0 << QSize(12, 12) << QPoint(2, 4);
    QTest::newRow("right") << 1 << QSize(12, 12) << QPoint(26, 4);
    QTest::newRow("centre") << 2 << QSize(12, 12) << QPoint(14, 4);
    QTest::newRow("right, wider than the cell") << 1 << QSize(50, 12) << QPoint(-12, 4);
    QTest::newRow("centre, wider than the cell") << 2 << QSize(50, 12) << QPoint(-5, 4);
    QTest::newRow("taller than the cell") << 0 << QSize(10, 24) << QPoint(2, -2);
}

void TestCellGrid::captionAndPicturePlacement()
{
    QFETCH(int, alignment);
    QFETCH(QSize, text);
    GridCellDrawing cell;
    cell.contentWidth = 40;
    cell.contentHeight = 20;
    cell.alignment = alignment;
    QTEST(cell.captionOrigin(text), "caption");
    QCOMPARE(cell.pictureOrigin(QSize(22, 16)), QPoint(9, 2));
    QCOMPARE(cell.pictureOrigin(QSize(44, 20)), QPoint(-2, 0));
}

void TestCellGrid::surfaceResizedOnlyAfterLayoutChanges()
{
    Table table(3, 2, 40, 20);
    auto &[surface, grid] = table;
    grid.refresh();
    const int resizes = surface.resizes();
    QCOMPARE(surface.size(), QSize(124, 43));
    grid.setCaption(1, 1, QStringLiteral("x"));
    grid.refresh();
    QCOMPARE(grid.width(), 124);
    QCOMPARE(surface.resizes(), resizes);
    grid.setColWidth(1, 10);
    QCOMPARE(surface.size(), QSize(124, 43));   // not before the next refresh or size query
    grid.refresh();
    QCOMPARE(surface.size(), QSize(94, 43));
    QCOMPARE(surface.resizes(), resizes + 1);
}

void TestCellGrid::indexOutsideTheGridFailsAndStoresNothing_data()
{
    using Operation = std::function<void(CellGrid &)>;
    QTest::addColumn<Operation>("operation");
    QTest::newRow("caption column 0") << Operation([](CellGrid &g) { g.setCaption(0, 1, QStringLiteral("x")); });
    QTest::newRow("caption column 4") << Operation([](CellGrid &g) { g.setCaption(4, 1, QStringLiteral("x")); });
    QTest::newRow("back colour row 3") << Operation([](CellGrid &g) { g.setBackColor(1, 3, WinColor::Red); });
    QTest::newRow("read fore colour") << Operation([](CellGrid &g) { g.foreColor(1, 0); });
    QTest::newRow("column width 4") << Operation([](CellGrid &g) { g.setColWidth(4, 10); });
    QTest::newRow("row height 0") << Operation([](CellGrid &g) { g.setRowHeight(0, 10); });
    QTest::newRow("back colour row") << Operation([](CellGrid &g) { g.backColorRow(3, WinColor::Red); });
}

void TestCellGrid::indexOutsideTheGridFailsAndStoresNothing()
{
    QFETCH(std::function<void(CellGrid &)>, operation);
    Table table(3, 2, 40, 20);
    auto &[surface, grid] = table;
    grid.refresh();
    try {
        operation(grid);
        QFAIL("no index error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), int(RuntimeError::SubscriptOutOfRange));
    }
    QCOMPARE(QSize(grid.width(), grid.height()), QSize(124, 43));
    grid.refresh();
    QVERIFY(surface.lastRefresh().isEmpty());
}

void TestCellGrid::surfacePropertiesBeforeInitializeReport_data()
{
    using Operation = std::function<int(CellGrid &)>;
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("procedure");
    QTest::newRow("Visible") << Operation([](CellGrid &g) { g.setVisible(true); return 0; }) << "Visible";
    QTest::newRow("Left") << Operation([](CellGrid &g) { return g.left(); }) << "Left";
    QTest::newRow("Left let") << Operation([](CellGrid &g) { g.setLeft(5); return 0; }) << "Left";
    QTest::newRow("Top") << Operation([](CellGrid &g) { return g.top(); }) << "Top";
    QTest::newRow("Width") << Operation([](CellGrid &g) { return g.width(); }) << "Width";
    QTest::newRow("Height") << Operation([](CellGrid &g) { return g.height(); }) << "Height";
    QTest::newRow("FontSize") << Operation([](CellGrid &g) { g.setFontSize(11); return 0; }) << "FontSize";
}

void TestCellGrid::surfacePropertiesBeforeInitializeReport()
{
    QFETCH(std::function<int(CellGrid &)>, operation);
    RecordingUi ui;
    CellGrid grid;
    QCOMPARE(operation(grid), 0);
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Warning);
    QFETCH(QString, procedure);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsGrid / ") + procedure);
    QCOMPARE(ui.boxes()[0].text, QStringLiteral("Initialize Err"));
}

void TestCellGrid::surfacePropertiesAfterInitialize()
{
    RecordingUi ui;
    RecordingSurface surface;
    CellGrid grid;
    grid.initialize(&surface);
    grid.setLeft(12);
    grid.setTop(34);
    QCOMPARE(grid.left(), 12);
    QCOMPARE(grid.top(), 34);
    grid.setFontSize(11);
    QCOMPARE(surface.fontSize(), 11.0);
    grid.setVisible(false);
    QVERIFY(!surface.isSurfaceVisible());
    QVERIFY(ui.boxes().isEmpty());
}

void TestCellGrid::hitTest_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QPoint>("cell");
    // Columns 40, hidden, 40, 40 wide (lefts 0, 41, 41, 82); rows 20 high (tops 0, 21).
    QTest::newRow("top left pixel") << 0 << 0 << QPoint(1, 1);
    QTest::newRow("last pixel column of column 1") << 40 << 5 << QPoint(1, 1);
    QTest::newRow("grid line right of column 1") << 41 << 5 << QPoint(1, 1);
    QTest::newRow("first content pixel of column 3") << 42 << 5 << QPoint(3, 1);
    QTest::newRow("grid line right of column 3") << 82 << 5 << QPoint(3, 1);
    QTest::newRow("last pixel of the grid") << 123 << 42 << QPoint(4, 2);
    QTest::newRow("grid line below row 1") << 5 << 21 << QPoint(1, 1);
    QTest::newRow("first content pixel of row 2") << 5 << 22 << QPoint(1, 2);
    QTest::newRow("beyond the last column") << 200 << 30 << QPoint(1, 2);
    QTest::newRow("beyond the last row") << 50 << 200 << QPoint(3, 1);
}

void TestCellGrid::hitTest()
{
    Table table(4, 2, 40, 20);
    auto &[surface, grid] = table;
    grid.setColWidth(2, 0);
    QFETCH(int, x);
    QFETCH(int, y);
    QTEST(grid.hitTest(x, y), "cell");
}

void TestCellGrid::pressAndReleaseOnOneCellClick_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("releaseButton");
    QTest::addColumn<bool>("clicked");
    QTest::newRow("same pixel") << QPoint(50, 25) << QPoint(50, 25) << 2 << true;
    QTest::newRow("same cell, other pixel") << QPoint(42, 22) << QPoint(82, 42) << 2 << true;
    QTest::newRow("other cell") << QPoint(50, 25) << QPoint(90, 25) << 2 << false;
    QTest::newRow("other button") << QPoint(50, 25) << QPoint(50, 25) << 1 << false;
}

void TestCellGrid::pressAndReleaseOnOneCellClick()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(int, releaseButton);
    Table table(3, 2, 40, 20);
    auto &[surface, grid] = table;
    QSignalSpy clicks(&grid, &CellGrid::MouseClick);

    grid.mouseDown(2, 1, press.x(), press.y());
    grid.mouseUp(releaseButton, 1, release.x(), release.y());
    QFETCH(bool, clicked);
    QCOMPARE(clicks.size(), clicked ? 1 : 0);
    if (clicked)
        QCOMPARE(clicks[0], (QList<QVariant>{2, 1, 2, 2}));

    // A release without a press of its own is no click.
    grid.mouseUp(2, 0, press.x(), press.y());
    QCOMPARE(clicks.size(), clicked ? 1 : 0);
}

void TestCellGrid::destroyedSurfaceIsForgotten()
{
    CellGrid grid;
    {
        RecordingSurface surface;
        grid.initialize(&surface);
        grid.setGridColRow(2, 2, 40, 20);
        grid.setLeft(7);
        grid.detachSurface();   // as the view does when it goes
    }
    grid.setCaption(1, 1, QStringLiteral("kept"));
    grid.refresh();   // nothing to draw on, and no crash
    QCOMPARE(grid.caption(1, 1), QStringLiteral("kept"));
    QCOMPARE(grid.left(), 7);
}

// A grid set up before its page exists: the area attached later takes its
// place, size, font and every cell.
void TestCellGrid::areaAttachedLaterTakesTheGridAsItStands()
{
    CellGrid grid;
    grid.initialize(nullptr);
    grid.setGridColRow(2, 3, 40, 20);
    grid.setFontSize(11);
    grid.setCaption(2, 3, QStringLiteral("late"));
    grid.setTop(12);
    grid.setVisible(false);
    grid.refresh();

    RecordingSurface surface;
    grid.attachSurface(&surface);
    QCOMPARE(surface.surfaceTop(), 12);
    QVERIFY(!surface.isSurfaceVisible());
    QCOMPARE(surface.size(), QSize(grid.layoutWidth(), grid.layoutHeight()));
    QVERIFY(surface.drawnCell(2, 3));
    QCOMPARE(surface.drawnCell(2, 3)->caption, QStringLiteral("late"));
    QVERIFY(surface.drawnCell(1, 1));
}

QTEST_GUILESS_MAIN(TestCellGrid)
#include "TestCellGrid.moc"
