#include "gui/GridView.h"
#include "gui/SingleSheetView.h"
#include "singles/SinglesPageController.h"
#include "support/DisplayScale.h"

#include <QApplication>
#include <QTest>

#include <memory>

// The painted sheet under a real mouse: clicks on its mark boxes and number
// labels reach the controller, and the picture shows what the list holds.
class TestSingleSheetView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void clicksOnMarksEditTheList();
    void doubleClickOnAnEmptySlotAddsOneSingle();
    void numberClickSelectsAndPaintsWhiteOnBlack();
    void paintsBandsLinesAndBoxes_data();
    void paintsBandsLinesAndBoxes();

private:
    void click(QRectF rect, Qt::MouseButton button = Qt::LeftButton);
    QColor pixel(QPointF at) const;
    bool boxLooksMarked(int slot, int mark, int match) const;
    void build(double dpi);

    std::unique_ptr<SingleSheetView> m_view;
    std::unique_ptr<GridView> m_countView;
    std::unique_ptr<GridView> m_listView;
    std::unique_ptr<SingleListStore> m_list;
    std::unique_ptr<SinglesPageController> m_singles;
};

void TestSingleSheetView::build(double dpi)
{
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{dpi, dpi}; });
    m_view = std::make_unique<SingleSheetView>();
    m_countView = std::make_unique<GridView>();
    m_listView = std::make_unique<GridView>();
    m_list = std::make_unique<SingleListStore>();
    m_singles = std::make_unique<SinglesPageController>(*m_list);
    m_view->giveMarkPictures(m_singles->sheet());
    m_singles->initialize(m_view.get(), m_countView.get(), m_listView.get());
    m_singles->show();
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void TestSingleSheetView::init()
{
    build(96);
}

void TestSingleSheetView::cleanup()
{
    m_singles.reset();
    m_list.reset();
    m_view.reset();
    m_countView.reset();
    m_listView.reset();
    DisplayScale::setDpiSource({});
}

void TestSingleSheetView::click(QRectF rect, Qt::MouseButton button)
{
    QTest::mouseClick(m_view.get(), button, {}, rect.center().toPoint());
}

QColor TestSingleSheetView::pixel(QPointF at) const
{
    return m_view->grab().toImage().pixelColor(at.toPoint());
}

// Marked boxes are filled dark; unmarked ones are white inside their red frame.
bool TestSingleSheetView::boxLooksMarked(int slot, int mark, int match) const
{
    const QRectF box = m_singles->sheet().markBoxRect(slot, mark, match);
    return pixel(QPointF(box.center().x(), box.top() + 3 * box.height() / 20)).lightness() < 100;
}

void TestSingleSheetView::clicksOnMarksEditTheList()
{
    MarkSheet &sheet = m_singles->sheet();
    // The empty sheet: a click on any mark adds a single with every mark "0".
    click(sheet.markBoxRect(4, 2, 6));
    QCOMPARE(m_singles->singles(), QList<qint32>{0});
    click(sheet.markBoxRect(0, 2, 0));
    QCOMPARE(m_singles->singles(), QList<qint32>{2});
    click(sheet.markBoxRect(0, 1, 13), Qt::RightButton);
    const qint32 code = 2 + SingleCode::Power[13];
    QCOMPARE(m_singles->singles(), QList<qint32>{code});
    QCOMPARE(m_list->codes(), QList<qint32>{code});
    QCOMPARE(m_list->frame()[2][0], 1);
    QCOMPARE(m_list->frame()[1][13], 1);
    QCOMPARE(m_list->frame()[0][13], 0);
    QVERIFY(boxLooksMarked(0, 2, 0));
    QVERIFY(!boxLooksMarked(0, 0, 0));
    QVERIFY(boxLooksMarked(0, 1, 13));
    QVERIFY(boxLooksMarked(0, 0, 5));
    QVERIFY(!boxLooksMarked(1, 0, 5));

    // A second single from the next empty slot, then a mark on it.
    click(sheet.markBoxRect(1, 1, 1));
    click(sheet.markBoxRect(1, 1, 1));
    QCOMPARE(m_singles->singles(), (QList<qint32>{code, 3}));
    QCOMPARE(m_singles->estimateTable().grid().caption(3, 4), QStringLiteral("1-13-0"));
}

void TestSingleSheetView::doubleClickOnAnEmptySlotAddsOneSingle()
{
    // Through the window, as the platform reports it: press, release, then the
    // second press turned into a double click.
    QTest::mouseDClick(m_view->windowHandle(), Qt::LeftButton, {},
                       m_singles->sheet().markBoxRect(0, 1, 0).center().toPoint());
    QCOMPARE(m_singles->count(), 1);
}

void TestSingleSheetView::numberClickSelectsAndPaintsWhiteOnBlack()
{
    m_list->replace({0, 1, 2});
    m_singles->show();
    const QRectF label = m_singles->sheet().numberRect(1);
    const QPointF corner = label.topLeft() + QPointF(2, 2);
    QCOMPARE(pixel(corner), QColor(Qt::white));
    click(label);
    QVERIFY(m_singles->isSelected(1));
    QCOMPARE(pixel(corner), QColor(Qt::black));
    // The number itself is drawn in white on the black.
    const QImage shown = m_view->grab().toImage();
    bool white = false;
    const QRect inside = label.toRect().adjusted(1, 1, -1, -1);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            white = white || shown.pixelColor(x, y).lightness() > 200;
    QVERIFY(white);
    click(label);
    QVERIFY(!m_singles->isSelected(1));
    QCOMPARE(pixel(corner), QColor(Qt::white));
}

void TestSingleSheetView::paintsBandsLinesAndBoxes_data()
{
    QTest::addColumn<double>("dpi");
    QTest::newRow("96 dpi") << 96.0;
    QTest::newRow("120 dpi") << 120.0;
}

void TestSingleSheetView::paintsBandsLinesAndBoxes()
{
    QFETCH(double, dpi);
    build(dpi);
    const MarkSheet &sheet = m_singles->sheet();
    QCOMPARE(m_view->size(), QSize(int(std::ceil(sheet.width())), sheet.height()));
    const double scale = dpi / 96;
    const QColor salmon(253, 214, 201);
    const QColor red(254, 0, 3);
    // Inside the first column's band, clear of its boxes; the second column is white.
    const double bandY = sheet.rowTop(0) + 1;
    QCOMPARE(pixel(QPointF(3 * scale, bandY)), salmon);
    QCOMPARE(pixel(QPointF(56 * scale, bandY)), QColor(Qt::white));
    // The frame, the header line and a column line are red.
    QCOMPARE(pixel(QPointF(0, 200)), red);
    QCOMPARE(pixel(QPointF(200, sheet.headerHeight())), red);
    QCOMPARE(pixel(QPointF(std::round(53 * 3 * scale), 200)), red);
    // Unmarked boxes show their red frame.
    const QRectF box = sheet.markBoxRect(2, 0, 4);
    QCOMPARE(pixel(QPointF(box.center().x(), box.top())).red(), 254);
}

QTEST_MAIN(TestSingleSheetView)
#include "TestSingleSheetView.moc"
