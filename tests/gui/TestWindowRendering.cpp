#include "MainWindowFixture.h"
#include "gui/ClientPanel.h"
#include "gui/AboutDialog.h"
#include "gui/MainWindow.h"
#include "gui/NumberEntryDialog.h"
#include "gui/ProgressWindow.h"
#include "gui/ConnectionWindow.h"
#include "common/HistoryFixtures.h"
#include "gui/GridView.h"
#include "gui/HistoryChartView.h"
#include "gui/PageParts.h"
#include "gui/HistoryWindow.h"
#include "history/HistoryChart.h"
#include "support/DisplayScale.h"
#include "RenderedPictures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

// The main window on each of its pages with round 1478 loaded (schedule,
// vote and result), at 96 and 144 dots per inch. The pictures land in
// <build>/bin/window-pictures for anyone to look at; the test checks that
// every caption fits its control in the font actually used.
class TestWindowRendering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void mainWindowPages_data();
    void mainWindowPages();
    void smallWindows_data();
    void smallWindows();
    void historyWindow_data();
    void historyWindow();
    void historyChartOfThreeHundredRounds_data();
    void historyChartOfThreeHundredRounds();

private:
    static QStringList clippedCaptions(const QWidget &page);
};

void TestWindowRendering::cleanup()
{
    DisplayScale::setDpiSource({});
}

QStringList TestWindowRendering::clippedCaptions(const QWidget &page)
{
    QStringList clipped;
    for (const QLabel *label : page.findChildren<QLabel *>()) {
        if (!label->isVisibleTo(&page) || label->text().isEmpty() || label->textFormat() == Qt::RichText
            || label->text().startsWith(u'<'))
            continue;
        if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width())
            clipped.append(label->text());
    }
    for (const QAbstractButton *button : page.findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(&page) || button->text().isEmpty())
            continue;
        if (button->sizeHint().width() > button->width() || button->sizeHint().height() > button->height())
            clipped.append(button->text());
    }
    for (const QGroupBox *box : page.findChildren<QGroupBox *>()) {
        if (box->isVisibleTo(&page) && box->fontMetrics().horizontalAdvance(box->title()) > box->width())
            clipped.append(box->title());
    }
    return clipped;
}

void TestWindowRendering::mainWindowPages_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("96 dpi") << 96;
    QTest::newRow("144 dpi") << 144;
}

void TestWindowRendering::mainWindowPages()
{
    QFETCH(int, dpi);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{double(dpi), double(dpi)}; });
    MainWindowFixture fixture({QStringLiteral("schedule"), QStringLiteral("vote"), QStringLiteral("result")});
    const auto window = fixture.openWindow();
    // The offscreen screen is smaller than the window a user gets; show it whole.
    window->resize(ClientPanel::layoutSize() + QSize(0, window->menuBar()->sizeHint().height()));
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/window-pictures");
    QDir().mkpath(folder);
    QList<qint32> singles;
    for (qint32 code = 0; singles.size() < 25; code += 191339)
        singles.append(code);
    window->document().replaceSingles(singles);
    for (int page = 0; page < 3; ++page) {
        window->selectPage(page);
        if (page == 2) {
            for (int reveal = 0; reveal < 3; ++reveal)
                window->document().RevealNext();
        }
        QApplication::processEvents();
        QVERIFY(window->grab().save(folder + QStringLiteral("/main_page%1_%2dpi.png").arg(page).arg(dpi)));
        QCOMPARE(clippedCaptions(*window).join(u'|'), QString());
        QVERIFY(!window->clientPanel()->findChild<QWidget *>(QStringLiteral("picPage_%1").arg(page))->visibleRegion().isEmpty());
    }
    window->document().RevealAll();
    QApplication::processEvents();
    QVERIFY(window->grab().save(folder + QStringLiteral("/main_page2_all_%1dpi.png").arg(dpi)));
    QVERIFY(fixture.ui.boxes().isEmpty());
}

void TestWindowRendering::smallWindows_data()
{
    mainWindowPages_data();
}

void TestWindowRendering::smallWindows()
{
    QFETCH(int, dpi);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{double(dpi), double(dpi)}; });
    AboutDialog about(nullptr, QStringLiteral("1.00"));
    NumberEntryDialog numbers;
    ConnectionWindow log;
    for (const QString &line : {QStringLiteral(" 第1478回 投票状況情報取得中 (オフィシャル)"), QStringLiteral(" [コネクション開始]"),
                                QStringLiteral(" http://127.0.0.1:8080/dcs/subos/screen/pi09/spin003/PGSPIN00301InitVoteRate.form?holdCntId=1478&commodityId=01"),
                                QStringLiteral(" 受信中 ........")})
        log.addLine(line);
    log.setStopEnabled(true);
    ProgressWindow wait;
    wait.setMessage(QStringLiteral("シングルを読み込んでいます"));
    wait.setMax(100);
    wait.setValue(40);
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/window-pictures");
    QDir().mkpath(folder);
    const std::pair<QWidget *, QString> windows[] = {{&about, QStringLiteral("about")},
                                                     {&numbers, QStringLiteral("numbers")},
                                                     {&wait, QStringLiteral("wait")},
                                                     {&log, QStringLiteral("connection")}};
    for (const auto &[window, name] : windows) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->grab().save(folder + QStringLiteral("/%1_%2dpi.png").arg(name).arg(dpi)));
        QCOMPARE(clippedCaptions(*window).join(u'|'), QString());
    }
}

namespace {

// A season of singles files: rounds 1440 to 1469 with results and assorted
// hits, a cancelled round, one without a result and a file that does not read.
void writeSeason(const TestAppFolder &app)
{
    using namespace HistoryFixtures;
    const QString outcomes = QStringLiteral("10210210210210");
    for (int round = 1440; round < 1470; ++round) {
        writeResult(result(round, outcomes));
        QStringList singles;
        for (int i = 0; i < 10 + round % 7; ++i)
            singles.append(missing(outcomes, i == 0 && round % 9 == 3 ? 3 : 5 + (round * 7 + i * 5) % 9));
        writeSingles(app, QStringLiteral("UserData/QUDO/A-%1.csv").arg(round), singles);
    }
    writeResult(cancelledRound(1470));
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1470.csv"), {outcomes, outcomes});
    writeSingles(app, QStringLiteral("UserData/QUDO/A-1471.csv"), {outcomes});
    app.writeFile(QStringLiteral("UserData/QUDO/A-1469B.csv"), "1,0,2,1,0,2,1,0,2,1,0,2,1,x\r\n");
}

} // namespace

void TestWindowRendering::historyWindow_data()
{
    mainWindowPages_data();
}

void TestWindowRendering::historyWindow()
{
    QFETCH(int, dpi);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{double(dpi), double(dpi)}; });
    MainWindowFixture fixture({});
    writeSeason(fixture.app);
    const auto window = fixture.openWindow();
    window->action(QStringLiteral("mnuTool_History"))->trigger();
    auto *history = window->findChild<HistoryWindow *>();
    QVERIFY(history);
    history->resize(PageParts::scaledX(1120), PageParts::scaledY(760));
    QVERIFY(QTest::qWaitForWindowExposed(history));
    QApplication::processEvents();
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/window-pictures");
    QDir().mkpath(folder);
    QVERIFY(history->grab().save(folder + QStringLiteral("/history_%1dpi.png").arg(dpi)));
    QCOMPARE(clippedCaptions(*history).join(u'|'), QString());
    const CellGrid &grid = history->commands().table().grid();
    QCOMPARE(RenderedPictures::overflowingCells(grid, history->tableView()->cellFont()).join(u' '), QString());
    QCOMPARE(grid.rows(), 1 + 33 + 1);
    // Scrolled to the end, the headings stay over the rows.
    auto *scroller = history->findChild<QScrollArea *>(QStringLiteral("scrHistory"));
    scroller->verticalScrollBar()->setValue(scroller->verticalScrollBar()->maximum());
    scroller->horizontalScrollBar()->setValue(scroller->horizontalScrollBar()->maximum());
    QApplication::processEvents();
    QVERIFY(history->grab().save(folder + QStringLiteral("/history_scrolled_%1dpi.png").arg(dpi)));
    const QLabel *headings = history->findChild<QLabel *>(QStringLiteral("picHeadings"));
    QVERIFY(headings->isVisible());
    QCOMPARE(headings->mapTo(scroller, QPoint(0, 0)), scroller->viewport()->mapTo(scroller, QPoint(0, 0)));
    QVERIFY(fixture.ui.boxes().isEmpty());
}

void TestWindowRendering::historyChartOfThreeHundredRounds_data()
{
    mainWindowPages_data();
}

void TestWindowRendering::historyChartOfThreeHundredRounds()
{
    QFETCH(int, dpi);
    DisplayScale::setDpiSource([dpi] { return DisplayScale::Dpi{double(dpi), double(dpi)}; });
    HistoryChartView view;
    HistoryChart chart;
    view.resize(PageParts::scaledX(1100), PageParts::scaledY(240));
    view.attachChart(&chart);
    chart.initialize(&view);
    QList<HistoryRow> rows;
    for (int i = 0; i < 300; ++i) {
        HistoryRow row;
        row.roundNumber = 1180 + i;
        row.state = HistoryRow::State::Graded;
        row.balance = Money::fromWhole(i % 11 == 0 ? 25000 : i % 3 == 0 ? 0 : -3000);
        rows.append(row);
    }
    chart.setRows(rows);
    QCOMPARE(view.picture().size(), view.size());
    QVERIFY(RenderedPictures::save(view.picture(), QStringLiteral("history_chart300"), dpi));
}

QTEST_MAIN(TestWindowRendering)
#include "TestWindowRendering.moc"
