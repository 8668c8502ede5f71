#include "RenderedPictures.h"
#include "common/RecordingUi.h"
#include "common/TestFiles.h"
#include "gui/GridView.h"
#include "gui/SingleSheetView.h"
#include "rounddata/ScheduleFile.h"
#include "rounddata/VoteFile.h"
#include "singles/SinglesPageController.h"
#include "singles/SheetMatchGrid.h"
#include "support/DisplayScale.h"

#include <QFontInfo>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

// The singles page's views with round 1478's matches and vote data and 25
// singles, at 96 and 144 dots per inch: the sheet on page 1 and page 3 with
// some singles selected, the match grid, the count table and the estimate
// table, alone and laid out together. The pictures land in
// <build>/bin/table-pictures; the test checks that every text fits its place
// in the Japanese font.
class TestSinglesRendering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void singlesPage_data();
    void singlesPage();

private:
    struct Views
    {
        SingleSheetView sheet;
        GridView game;
        GridView count;
        GridView estimates;
    };

    static QList<qint32> twentyFiveSingles();
    static void checkNumbersFit(const SingleSheetView &sheet, const QString &page);
    static QImage laidOut(Views &views, const MarkSheet &sheet);
};

void TestSinglesRendering::cleanup()
{
    DisplayScale::setDpiSource({});
}

QList<qint32> TestSinglesRendering::twentyFiveSingles()
{
    QList<qint32> singles{2391484, 0, SingleCode::MaxCode, 19};
    QRandomGenerator random(1478);
    while (singles.size() < 25)
        singles.append(qint32(random.bounded(SingleCode::CodeCount)));
    return singles;
}

void TestSinglesRendering::checkNumbersFit(const SingleSheetView &sheet, const QString &page)
{
    for (int slot = 0; slot < MarkSheet::Slots; ++slot) {
        const QRect label = sheet.numberRect(slot);
        // Up to the last number of a list that holds every single twice.
        for (const QString &number : {QStringLiteral("25"), QStringLiteral("999999"), QStringLiteral("9565938")}) {
            const QFontMetrics metrics(sheet.numberFontFor(number, label.width()));
            QVERIFY2(metrics.horizontalAdvance(number) <= label.width(), qPrintable(page + u' ' + number));
            // The digits' ink, with the line centred in the label as it is drawn.
            const int baseline = label.top() + (label.height() - metrics.height()) / 2 + metrics.ascent();
            const QRect ink = metrics.tightBoundingRect(number).translated(0, baseline);
            QVERIFY2(ink.top() >= label.top() && ink.bottom() <= label.bottom(), qPrintable(page + u' ' + number));
        }
    }
}

QImage TestSinglesRendering::laidOut(Views &views, const MarkSheet &sheet)
{
    // The match grid's rows and the count table's rows run level with the
    // sheet's rows; the estimate table's single columns stand under the
    // sheet's columns.
    const int gap = int(std::lround(5 * DisplayScale::factorX()));
    const int rowOffset = sheet.rowTop(0) - (views.game.height() - 14 * (sheet.rowHeight() + 1) - 1);
    const int sheetLeft = views.game.width() + gap;
    const int firstSlotColumn = views.estimates.width() - 10 * (int(std::lround(52 * DisplayScale::factorX())) + 1) - 1;
    const QSize size(sheetLeft + views.sheet.width() + gap + views.count.width(),
                     std::max(views.sheet.height(), rowOffset + views.game.height()) + gap + views.estimates.height());
    QImage page(size, QImage::Format_RGB32);
    page.fill(QColor(240, 240, 240));
    QPainter painter(&page);
    painter.drawImage(0, rowOffset, views.game.canvas());
    painter.drawImage(sheetLeft, 0, views.sheet.grab().toImage());
    painter.drawImage(sheetLeft + views.sheet.width() + gap, rowOffset, views.count.canvas());
    painter.drawImage(sheetLeft - firstSlotColumn, views.sheet.height() + gap, views.estimates.canvas());
    return page;
}

void TestSinglesRendering::singlesPage_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("96 dpi") << 96;
    QTest::newRow("144 dpi") << 144;
}

void TestSinglesRendering::singlesPage()
{
    QFETCH(int, dpi);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{double(dpi), double(dpi)}; });
    RecordingUi ui;
    ScheduleFile schedule;
    QVERIFY(schedule.xmlLoad(TestFiles::fixturePath(QStringLiteral("rounddata/big_schedule_1478.xml"))));
    VoteFile vote;
    QVERIFY(vote.xmlLoad(TestFiles::fixturePath(QStringLiteral("rounddata/big_vote_1478.xml"))));

    Views views;
    SheetMatchGrid game;
    game.initialize(&views.game, 26);
    game.setScheduleData(schedule.schedule());
    SingleListStore list;
    SinglesPageController singles(list);
    views.sheet.giveMarkPictures(singles.sheet());
    singles.initialize(&views.sheet, &views.count, &views.estimates);
    list.replace(twentyFiveSingles());
    singles.setVoteData(vote.vote());
    singles.show();

    MarkSheet &sheet = singles.sheet();
    const auto select = [&sheet](int slot) {
        sheet.pressAt(1, sheet.numberRect(slot).center());
        sheet.releaseAt(1, sheet.numberRect(slot).center());
    };
    select(1);
    select(4);
    select(8);
    QVERIFY(singles.isSelected(4));
    QVERIFY(RenderedPictures::save(views.sheet.grab().toImage(), QStringLiteral("single_sheet_page1"), dpi));
    QVERIFY(RenderedPictures::save(views.estimates.canvas(), QStringLiteral("single_estimates_page1"), dpi));
    QVERIFY(RenderedPictures::save(laidOut(views, sheet), QStringLiteral("singles_page1"), dpi));
    checkNumbersFit(views.sheet, QStringLiteral("page 1"));

    singles.movePage(2);
    select(1);
    select(4);
    QCOMPARE(singles.pageText(), QStringLiteral("3／3"));
    QVERIFY(RenderedPictures::save(views.sheet.grab().toImage(), QStringLiteral("single_sheet_page3"), dpi));
    QVERIFY(RenderedPictures::save(views.game.canvas(), QStringLiteral("single_games"), dpi));
    QVERIFY(RenderedPictures::save(views.count.canvas(), QStringLiteral("single_counts"), dpi));
    QVERIFY(RenderedPictures::save(laidOut(views, sheet), QStringLiteral("singles_page3"), dpi));
    checkNumbersFit(views.sheet, QStringLiteral("page 3"));

    const QFontInfo font(views.sheet.numberFont());
    QVERIFY2(font.family() == QStringLiteral("ＭＳ ゴシック") || font.family() == QStringLiteral("IPAGothic"),
             qPrintable(font.family()));
    const struct { const char *name; const CellGrid &grid; const GridView &view; } tables[] = {
        {"match grid", game.grid(), views.game},
        {"estimates", singles.estimateTable().grid(), views.estimates},
        {"counts", singles.countTable().grid(), views.count},
    };
    for (const auto &table : tables) {
        const QStringList overflowing = RenderedPictures::overflowingCells(table.grid, table.view.cellFont());
        QVERIFY2(overflowing.isEmpty(), qPrintable(table.name + QStringLiteral(": ") + overflowing.join(u' ')));
    }
    QVERIFY2(ui.boxes().isEmpty(), ui.boxes().isEmpty() ? "" : qPrintable(ui.boxes()[0].text));
}

QTEST_MAIN(TestSinglesRendering)
#include "TestSinglesRendering.moc"
