#include "common/RecordingSheetSurface.h"
#include "singles/MarkSheet.h"
#include "support/DisplayScale.h"
#include "support/WinColor.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

// The sheet of ten singles: its geometry at the display scale, what it tells
// its surface to draw, and how presses map back to numbers and mark boxes.
class TestSingleSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void geometry_data();
    void geometry();
    void numberLabelsAndMarkBoxesStandInTheirColumns();
    void backgroundBandsAndLines();
    void initializeShowsNumbersAndUnmarkedBoxes();
    void setMarkShowsTheSinglesMarks();
    void setMarkTouchesOnlyChangedBoxes_data();
    void setMarkTouchesOnlyChangedBoxes();
    void setNoColours();
    void pressOnMarkBoxWithAnyButton_data();
    void pressOnMarkBoxWithAnyButton();
    void pressesBesideTheBoxesAreNothing();
    void numberClickNeedsPressAndReleaseOnTheLabel();
    void tagsRoundTrip();

private:
    std::unique_ptr<MarkSheet> sheetAt(double dpi);

    std::unique_ptr<RecordingSheetSurface> m_surface;
};

namespace {

void setDpi(double dpi)
{
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{dpi, dpi}; });
}

} // namespace

void TestSingleSheet::init()
{
    m_surface = std::make_unique<RecordingSheetSurface>();
}

void TestSingleSheet::cleanup()
{
    m_surface.reset();
    DisplayScale::setDpiSource({});
}

std::unique_ptr<MarkSheet> TestSingleSheet::sheetAt(double dpi)
{
    setDpi(dpi);
    auto sheet = std::make_unique<MarkSheet>();
    RecordingSheetSurface::givePictures(*sheet);
    sheet->initialize(m_surface.get());
    return sheet;
}

void TestSingleSheet::geometry_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("header");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("firstRowTop");
    QTest::addColumn<int>("height");
    QTest::newRow("96 dpi") << 96.0 << 532.0 << 21 << 26 << 24 << 23 + 14 * 26 + 14;
    // 21 × 1.25 = 26.25 and 26 × 1.25 = 32.5 are cut to whole pixels; the width keeps its exact 665.
    QTest::newRow("120 dpi") << 120.0 << 665.0 << 26 << 32 << 30 << 28 + 14 * 32 + 14;
    QTest::newRow("144 dpi") << 144.0 << 798.0 << 31 << 39 << 36 << 34 + 14 * 39 + 14;
}

void TestSingleSheet::geometry()
{
    QFETCH(double, dpi);
    QFETCH(double, width);
    QFETCH(int, header);
    QFETCH(int, row);
    QFETCH(int, firstRowTop);
    QFETCH(int, height);
    const auto sheet = sheetAt(dpi);
    QCOMPARE(sheet->width(), width);
    QCOMPARE(sheet->headerHeight(), header);
    QCOMPARE(sheet->rowHeight(), row);
    QCOMPARE(sheet->rowTop(0), firstRowTop);
    QCOMPARE(sheet->rowTop(13), firstRowTop + 13 * (row + 1));
    QCOMPARE(sheet->height(), height);
    QCOMPARE(m_surface->background().size, QSizeF(width, height));
    QCOMPARE(MarkSheet::scaledY(26), row);
}

void TestSingleSheet::numberLabelsAndMarkBoxesStandInTheirColumns()
{
    const auto sheet = sheetAt(96);
    for (int slot = 0; slot < 10; ++slot) {
        QCOMPARE(m_surface->number(slot).rect, QRectF(53 * slot + 2, 3, 50, 16));
        QCOMPARE(m_surface->number(slot).fontPoints, 12.0);
    }
    // Left to right "1", "0", "2", 16 apart from 6 in; centred in the row.
    QCOMPARE(sheet->markBoxRect(0, 1, 0), QRectF(6, 24 + 3, 12, 20));
    QCOMPARE(sheet->markBoxRect(0, 0, 0), QRectF(22, 27, 12, 20));
    QCOMPARE(sheet->markBoxRect(0, 2, 0), QRectF(38, 27, 12, 20));
    QCOMPARE(sheet->markBoxRect(9, 2, 13), QRectF(53 * 9 + 38, 24 + 13 * 27 + 3, 12, 20));
    QCOMPARE(m_surface->box(MarkSheet::markTag(9, 2, 13)).rect, sheet->markBoxRect(9, 2, 13));
    // The last box stays inside the sheet at any scale.
    for (const double dpi : {96.0, 120.0, 144.0}) {
        const auto scaled = sheetAt(dpi);
        const QRectF last = scaled->markBoxRect(9, 2, 13);
        QVERIFY(last.right() < scaled->width() - 2);
        QVERIFY(last.bottom() < scaled->height() - 2);
        QVERIFY(scaled->numberRect(0).bottom() <= scaled->headerHeight());
    }
}

void TestSingleSheet::backgroundBandsAndLines()
{
    const auto sheet = sheetAt(96);
    const SheetBackground &background = m_surface->background();
    QCOMPARE(background.backColor, WinColor::White);
    QCOMPARE(background.bands.size(), 10);
    QCOMPARE(background.bands[0].rect, QRectF(QPointF(0, 21), QPointF(53, 21 + 14 * 26 + 14)));
    QCOMPARE(background.bands[0].color, WinColor::rgb(253, 214, 201));
    QCOMPARE(background.bands[1].color, WinColor::White);
    QCOMPARE(background.bands[9].rect.right(), 530.0);

    QList<SheetBackground::Stroke> frame;
    QList<double> columnLines;
    QList<double> rowLines;
    for (const SheetBackground::Stroke &stroke : background.strokes) {
        QCOMPARE(stroke.color, WinColor::rgb(254, 0, 3));
        if (stroke.width == 3)
            frame.append(stroke);
        else if (stroke.width == 2)
            QCOMPARE(stroke.line, QLineF(0, 21, 532, 21));
        else if (stroke.line.dx() == 0)
            columnLines.append(stroke.line.x1());
        else
            rowLines.append(stroke.line.y1());
    }
    QCOMPARE(frame.size(), 4);
    QCOMPARE(frame[1].line, QLineF(531, 0, 531, 400));
    QCOMPARE(columnLines, (QList<double>{53, 106, 159, 212, 265, 318, 371, 424, 477}));
    // Below matches 3, 6, 9 and 12, between their rows.
    QCOMPARE(rowLines, (QList<double>{102, 183, 264, 345}));
    QVERIFY(sheet->markBoxRect(0, 0, 2).bottom() < 102 && 102 < sheet->rowTop(3));
}

void TestSingleSheet::initializeShowsNumbersAndUnmarkedBoxes()
{
    const auto sheet = sheetAt(96);
    QCOMPARE(m_surface->numberTexts(), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    QCOMPARE(m_surface->number(0).backColor, WinColor::White);
    QCOMPARE(m_surface->boxLog().size(), 420);
    for (int mark = 0; mark < 3; ++mark)
        QCOMPARE(m_surface->box(MarkSheet::markTag(4, mark, 7)).picture, RecordingSheetSurface::picture(mark, false));
    for (int slot = 0; slot < 10; ++slot)
        for (int match = 0; match < 14; ++match)
            QCOMPARE(sheet->displayedMark(slot, match), MarkSheet::NoMark);
    QCOMPARE(m_surface->backgroundPaints(), 1);
    sheet->setBackMode();
    QCOMPARE(m_surface->backgroundPaints(), 2);
}

void TestSingleSheet::setMarkShowsTheSinglesMarks()
{
    const auto sheet = sheetAt(96);
    sheet->setMark(3, 0);
    QCOMPARE(m_surface->markedMarks(3), QString(14, u'0'));
    QCOMPARE(sheet->displayedMark(3, 13), quint8(0));
    sheet->setMark(3, 19);
    QCOMPARE(m_surface->markedMarks(3), QStringLiteral("10200000000000"));
    sheet->setMark(3, SingleCode::MaxCode);
    QCOMPARE(m_surface->markedMarks(3), QString(14, u'2'));
    sheet->setMark(3, -1);
    QCOMPARE(m_surface->markedMarks(3), QString(14, u'-'));
    QCOMPARE(sheet->displayedMark(3, 0), MarkSheet::NoMark);
    // A code that is no single shows like an empty slot.
    sheet->setMark(3, 0);
    sheet->setMark(3, SingleCode::CodeCount);
    QCOMPARE(m_surface->markedMarks(3), QString(14, u'-'));
    QCOMPARE(m_surface->markedMarks(2), QString(14, u'-'));
}

void TestSingleSheet::setMarkTouchesOnlyChangedBoxes_data()
{
    QTest::addColumn<qint32>("from");
    QTest::addColumn<qint32>("to");
    QTest::addColumn<int>("drawings");
    QTest::newRow("same code") << 19 << 19 << 0;
    QTest::newRow("empty to empty") << -1 << -1 << 0;
    QTest::newRow("empty to a single") << -1 << 0 << 14;
    QTest::newRow("a single to empty") << 0 << -1 << 14;
    QTest::newRow("one match differs") << 0 << 2 << 2;
    QTest::newRow("every match differs") << 0 << SingleCode::MaxCode << 28;
}

void TestSingleSheet::setMarkTouchesOnlyChangedBoxes()
{
    QFETCH(qint32, from);
    QFETCH(qint32, to);
    QFETCH(int, drawings);
    const auto sheet = sheetAt(96);
    sheet->setMark(6, from);
    m_surface->clearBoxLog();
    sheet->setMark(6, to);
    QCOMPARE(m_surface->boxLog().size(), drawings);
    for (const int tag : m_surface->boxLog())
        QCOMPARE(MarkSheet::slotOfTag(tag), 6);
}

void TestSingleSheet::setNoColours()
{
    const auto sheet = sheetAt(96);
    sheet->setNo(2, 123, true);
    QCOMPARE(m_surface->number(2).text, QStringLiteral("123"));
    QCOMPARE(m_surface->number(2).foreColor, WinColor::White);
    QCOMPARE(m_surface->number(2).backColor, WinColor::Black);
    sheet->setNo(2, 123, false);
    QCOMPARE(m_surface->number(2).foreColor, WinColor::Black);
    QCOMPARE(m_surface->number(2).backColor, WinColor::White);
    sheet->setNo(2, -1, false);
    QCOMPARE(m_surface->number(2).text, QString());
}

void TestSingleSheet::pressOnMarkBoxWithAnyButton_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("button");
    QTest::newRow("left, 96 dpi") << 96.0 << 1;
    QTest::newRow("right, 96 dpi") << 96.0 << 2;
    QTest::newRow("middle, 120 dpi") << 120.0 << 4;
    QTest::newRow("right, 144 dpi") << 144.0 << 2;
}

void TestSingleSheet::pressOnMarkBoxWithAnyButton()
{
    QFETCH(double, dpi);
    QFETCH(int, button);
    const auto sheet = sheetAt(dpi);
    QSignalSpy downs(sheet.get(), &MarkSheet::mouseDown);
    const struct { int slot, mark, match; } boxes[] = {{0, 1, 0}, {4, 0, 6}, {9, 2, 13}, {7, 2, 3}};
    for (const auto &box : boxes) {
        const QRectF rect = sheet->markBoxRect(box.slot, box.mark, box.match);
        for (const QPointF at : {rect.center(), rect.topLeft() + QPointF(0.5, 0.5), rect.bottomRight() - QPointF(0.5, 0.5)}) {
            sheet->pressAt(button, at);
            QCOMPARE(downs.last(), (QVariantList{box.slot, box.mark, box.match, button}));
        }
    }
    QCOMPARE(downs.size(), 12);
}

void TestSingleSheet::pressesBesideTheBoxesAreNothing()
{
    const auto sheet = sheetAt(120);
    QSignalSpy downs(sheet.get(), &MarkSheet::mouseDown);
    QSignalSpy clicks(sheet.get(), &MarkSheet::NoClick);
    const QRectF box = sheet->markBoxRect(2, 0, 5);
    const QPointF beside[] = {
        box.topLeft() - QPointF(1, 0),                    // the gap left of the box
        QPointF(box.center().x(), box.top() - 1),         // above it, inside the row
        QPointF(box.center().x(), sheet->rowTop(0) - 1),  // between header and first row
        QPointF(sheet->width() + 5, 100),                 // right of the sheet
        QPointF(10, sheet->height() + 5),                 // below it
        QPointF(-3, 40),
    };
    for (const QPointF &at : beside) {
        sheet->pressAt(1, at);
        sheet->releaseAt(1, at);
    }
    QCOMPARE(downs.size(), 0);
    QCOMPARE(clicks.size(), 0);
}

void TestSingleSheet::numberClickNeedsPressAndReleaseOnTheLabel()
{
    const auto sheet = sheetAt(96);
    QSignalSpy clicks(sheet.get(), &MarkSheet::NoClick);
    const QPointF label = sheet->numberRect(8).center();
    sheet->pressAt(1, label);
    QCOMPARE(clicks.size(), 0);
    sheet->releaseAt(1, label);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.last(), QVariantList{8});
    // Released over another label, or another button: no click.
    sheet->pressAt(1, label);
    sheet->releaseAt(1, sheet->numberRect(7).center());
    sheet->pressAt(2, label);
    sheet->releaseAt(2, label);
    // A release without its press.
    sheet->releaseAt(1, label);
    QCOMPARE(clicks.size(), 1);
}

void TestSingleSheet::tagsRoundTrip()
{
    const auto sheet = sheetAt(96);
    for (const int slot : {0, 5, 9})
        for (int mark = 0; mark < 3; ++mark)
            for (const int match : {0, 9, 13}) {
                const int tag = MarkSheet::markTag(slot, mark, match);
                QCOMPARE(MarkSheet::slotOfTag(tag), slot);
                QCOMPARE(MarkSheet::markOfTag(tag), mark);
                QCOMPARE(MarkSheet::matchOfTag(tag), match);
                QCOMPARE(sheet->markBoxAt(sheet->markBoxRect(slot, mark, match).center()), tag);
            }
    QCOMPARE(MarkSheet::markTag(3, 2, 11), 3211);
    QCOMPARE(sheet->numberAt(sheet->numberRect(4).center()), 4);
    QCOMPARE(sheet->numberAt(QPointF(53 * 4 + 1, 10)), -1);
}

QTEST_GUILESS_MAIN(TestSingleSheet)
#include "TestSingleSheet.moc"
