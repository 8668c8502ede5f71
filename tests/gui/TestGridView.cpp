#include "support/DisplayScale.h"
#include "support/WinColor.h"
#include "gui/GridView.h"
#include "gui/JapaneseFont.h"
#include "gui/QtColor.h"
#include "cellgrid/CellGrid.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTest>

// The painted grid: what lands in its picture and how the mouse reaches the
// grid's MouseClick.
class TestGridView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void fontIsTheJapaneseGothic_data();
    void fontIsTheJapaneseGothic();
    void windowColoursAndSystemColours();
    void paintsFillsAndGridLines();
    void keyColourCellShowsPictureOnWhite();
    void captionStaysInsideItsCell();
    void unchangedCellsAreNotPaintedAgain();
    void clicksReachTheGrid();
    void doubleClickIsTwoClicks();
    void popupMenuReturnsTheChosenItem_data();
    void popupMenuReturnsTheChosenItem();
    void releaseElsewhereIsNoClick_data();
    void releaseElsewhereIsNoClick();

private:
    static QColor pixel(const GridView &view, int x, int y);
    static bool hasInk(const GridView &view, QRect area, QColor background);
};

void TestGridView::init()
{
    DisplayScale::setDpiSource([] { return DisplayScale::Dpi{96, 96}; });
}

void TestGridView::cleanup()
{
    DisplayScale::setDpiSource({});
}

namespace {

// A grid painted by a real view, sized as asked.
struct Painted
{
    GridView view;
    CellGrid grid;

    Painted(int cols, int rows, int width, int height)
    {
        grid.initialize(&view);
        grid.setGridColRow(cols, rows, width, height);
    }
};

} // namespace

QColor TestGridView::pixel(const GridView &view, int x, int y)
{
    return view.canvas().pixelColor(x, y);
}

bool TestGridView::hasInk(const GridView &view, QRect area, QColor background)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pixel(view, x, y) != background)
                return true;
    return false;
}

void TestGridView::fontIsTheJapaneseGothic_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("pixels");
    QTest::newRow("9 points at 96 dpi") << 96.0 << 9.0 << 12;
    QTest::newRow("11 points at 96 dpi") << 96.0 << 11.0 << 15;
    QTest::newRow("9 points at 144 dpi") << 144.0 << 9.0 << 18;
}

void TestGridView::fontIsTheJapaneseGothic()
{
    QFETCH(double, dpi);
    QFETCH(double, points);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{dpi, dpi}; });
    const QFont font = JapaneseFont::make(points);
    const QFontInfo info(font);
    QVERIFY2(info.family() == QStringLiteral("ＭＳ ゴシック") || info.family() == QStringLiteral("IPAGothic"),
             qPrintable(info.family()));
    QTEST(info.pixelSize(), "pixels");
    // The font has the Japanese glyphs the tables show.
    const QFontMetrics metrics(font);
    for (const QChar c : QStringLiteral("等推定金額口数比率当せん合計中止◎○－１"))
        QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
}

void TestGridView::windowColoursAndSystemColours()
{
    QCOMPARE(QtColor::fromWin(WinColor::LightYellow), QColor(255, 255, 224));
    QCOMPARE(QtColor::fromWin(WinColor::Blue), QColor(0, 0, 255));
    QCOMPARE(QtColor::fromWin(WinColor::rgb(1, 2, 3)), QColor(1, 2, 3));
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    QCOMPARE(QtColor::fromWin(WinColor::ButtonFace, palette), QColor(10, 20, 30));
}

void TestGridView::paintsFillsAndGridLines()
{
    Painted table(3, 2, 40, 20);
    auto &[view, grid] = table;
    grid.backColorRow(1, WinColor::ButtonFace);
    grid.setBackColor(2, 2, WinColor::LightYellow);
    grid.refresh();

    QCOMPARE(view.size(), QSize(124, 43));
    QCOMPARE(view.canvas().deviceIndependentSize().toSize(), QSize(124, 43));
    const QColor line(192, 192, 192);
    for (const QPoint at : {QPoint(0, 0), QPoint(41, 10), QPoint(82, 10), QPoint(123, 10), QPoint(10, 21),
                            QPoint(10, 42), QPoint(123, 42)})
        QCOMPARE(pixel(view, at.x(), at.y()), line);
    QCOMPARE(pixel(view, 1, 1), view.palette().color(QPalette::Button));
    QCOMPARE(pixel(view, 40, 20), view.palette().color(QPalette::Button));
    QCOMPARE(pixel(view, 42, 22), QColor(255, 255, 224));
    QCOMPARE(pixel(view, 81, 41), QColor(255, 255, 224));
    QCOMPARE(pixel(view, 83, 22), QColor(Qt::white));
}

void TestGridView::keyColourCellShowsPictureOnWhite()
{
    Painted table(2, 1, 40, 20);
    auto &[view, grid] = table;
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(QColor(200, 0, 0));
    grid.setColorImage(picture, WinColor::Blue);
    grid.setBackColor(1, 1, WinColor::Blue);
    grid.setBackColor(2, 1, WinColor::Green);
    grid.refresh();

    // Content area of cell 1 is (1, 1) to (40, 20); the picture sits at (15, 5) inside it.
    QCOMPARE(pixel(view, 2, 2), QColor(Qt::white));
    QCOMPARE(pixel(view, 1 + 15, 1 + 5), QColor(200, 0, 0));
    QCOMPARE(pixel(view, 1 + 24, 1 + 14), QColor(200, 0, 0));
    QCOMPARE(pixel(view, 1 + 25, 1 + 15), QColor(Qt::white));
    QCOMPARE(pixel(view, 1 + 14, 1 + 5), QColor(Qt::white));
    // No picture for green: the colour itself.
    QCOMPARE(pixel(view, 45, 5), QColor(0, 255, 0));
}

void TestGridView::captionStaysInsideItsCell()
{
    Painted table(3, 1, 40, 20);
    auto &[view, grid] = table;
    grid.setCaption(1, 1, QStringLiteral("12"));
    grid.setAlignment(1, 1, CellGrid::AlignRight);
    grid.setCaption(2, 1, QStringLiteral("12"));
    grid.setAlignment(2, 1, CellGrid::AlignLeft);
    grid.setCaption(3, 1, QStringLiteral("１等推定金額１等推定金額"));
    grid.setAlignment(3, 1, CellGrid::AlignRight);
    grid.setForeColor(3, 1, WinColor::Blue);
    grid.refresh();

    const QColor white(Qt::white);
    // Right-aligned: ink in the right half only; left-aligned: the left half only.
    QVERIFY(hasInk(view, QRect(21, 1, 20, 20), white));
    QVERIFY(!hasInk(view, QRect(1, 1, 20, 20), white));
    QVERIFY(hasInk(view, QRect(42, 1, 20, 20), white));
    QVERIFY(!hasInk(view, QRect(62, 1, 20, 20), white));
    // A caption wider than its cell is cut at the cell's content area: the grid
    // line on its left is intact.
    for (int y = 0; y <= 21; ++y)
        QCOMPARE(pixel(view, 82, y), QColor(192, 192, 192));
    QVERIFY(hasInk(view, QRect(83, 1, 40, 20), white));
}

void TestGridView::unchangedCellsAreNotPaintedAgain()
{
    GridView view;
    QPalette palette = view.palette();
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    view.setPalette(palette);
    CellGrid grid;
    grid.initialize(&view);
    grid.setGridColRow(2, 1, 40, 20);
    grid.backColorRow(1, WinColor::ButtonFace);
    grid.refresh();
    // A new button face shows only in the cell that is painted again.
    palette.setColor(QPalette::Button, QColor(40, 50, 60));
    view.setPalette(palette);
    grid.setCaption(2, 1, QStringLiteral("x"));
    grid.refresh();
    QCOMPARE(pixel(view, 5, 5), QColor(10, 20, 30));
    QCOMPARE(pixel(view, 43, 3), QColor(40, 50, 60));
}

void TestGridView::clicksReachTheGrid()
{
    Painted table(3, 2, 40, 20);
    auto &[view, grid] = table;
    grid.refresh();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy clicks(&grid, &CellGrid::MouseClick);

    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(41, 5));     // grid line: cell 1
    QTest::mouseClick(&view, Qt::RightButton, Qt::ShiftModifier, QPoint(42, 22));
    QTest::mouseClick(&view, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, QPoint(123, 42));
    QCOMPARE(clicks.size(), 3);
    QCOMPARE(clicks[0], (QList<QVariant>{1, 0, 1, 1}));
    QCOMPARE(clicks[1], (QList<QVariant>{2, 1, 2, 2}));
    QCOMPARE(clicks[2], (QList<QVariant>{1, 6, 3, 2}));
}

void TestGridView::doubleClickIsTwoClicks()
{
    Painted table(3, 2, 40, 20);
    auto &[view, grid] = table;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy clicks(&grid, &CellGrid::MouseClick);
    // What the window system delivers for a double click.
    const QPointF at(60, 30);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, at, view.mapToGlobal(at), Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks[1], (QList<QVariant>{1, 0, 2, 2}));
}

void TestGridView::popupMenuReturnsTheChosenItem_data()
{
    QTest::addColumn<int>("choose");   // -1: the menu is closed without a choice
    QTest::newRow("first item") << 0;
    QTest::newRow("second item") << 1;
    QTest::newRow("closed") << -1;
}

void TestGridView::popupMenuReturnsTheChosenItem()
{
    QFETCH(int, choose);
    GridView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QStringList shown;
    QTimer::singleShot(0, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (const QAction *action : menu->actions())
            shown.append(action->text());
        if (choose >= 0) {
            menu->setActiveAction(menu->actions().at(choose));
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            QTest::keyClick(menu, Qt::Key_Escape);
        }
    });
    QCOMPARE(view.popupMenu({QStringLiteral("中止"), QStringLiteral("other")}), choose);
    QCOMPARE(shown, (QStringList{QStringLiteral("中止"), QStringLiteral("other")}));
}

void TestGridView::releaseElsewhereIsNoClick_data()
{
    QTest::addColumn<QPoint>("release");
    QTest::newRow("another cell") << QPoint(60, 10);
    QTest::newRow("off the area") << QPoint(200, 10);
    QTest::newRow("left of the area") << QPoint(-3, 10);
}

void TestGridView::releaseElsewhereIsNoClick()
{
    Painted table(3, 2, 40, 20);
    auto &[view, grid] = table;
    grid.refresh();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy clicks(&grid, &CellGrid::MouseClick);
    QFETCH(QPoint, release);
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, release);
    QCOMPARE(clicks.size(), 0);
}

QTEST_MAIN(TestGridView)
#include "TestGridView.moc"
