#include "MainWindowFixture.h"
#include "common/HistoryFixtures.h"
#include "common/OfficialSite.h"
#include "common/ScriptedDialogs.h"
#include "common/TestFiles.h"
#include "gui/GridView.h"
#include "gui/HistoryWindow.h"
#include "gui/MainWindow.h"
#include "history/HistoryCsv.h"
#include "history/HistoryResults.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace HistoryFixtures;

// The 収支履歴 window through its actions: opened from the ツール menu, a
// refresh, a double-clicked row, the folder and save dialogs and the bulk
// download, on the real main window.
namespace {

const QString outcomes = QStringLiteral("10210210210210");

HistoryWindow *historyOf(MainWindow &window)
{
    return window.findChild<HistoryWindow *>(QString(), Qt::FindDirectChildrenOnly);
}

// The centre of the grid row (from 2) of the table's view.
QPoint rowCentre(const HistoryWindow &history, int gridRow)
{
    const CellGrid &grid = const_cast<HistoryWindow &>(history).commands().table().grid();
    return {grid.colLeft(3) + 5, grid.rowTop(gridRow) + grid.rowHeight(gridRow) / 2};
}

struct HistoryDesk
{
    HistoryDesk()
    {
        writeResult(result(1476, outcomes));
        writeSingles(fixture.app, QStringLiteral("UserData/QUDO/A-1476.csv"), {outcomes, missing(outcomes, 14)});
        writeSingles(fixture.app, QStringLiteral("UserData/QUDO/A-1477.csv"), {outcomes});
        window = fixture.openWindow();
    }

    MainWindowFixture fixture{{QStringLiteral("result")}};
    std::unique_ptr<MainWindow> window;
};

} // namespace

class TestHistoryWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensOnceFromTheLastToolItem();
    void refreshListsNewFiles();
    void doubleClickOpensTheFileWithEveryResult();
    void saveWritesTheTable();
    void chosenFolderIsKept();
    void bulkDownloadFillsTheTable();
    void mainWindowStaysWhileTheTableIsRead();
};

void TestHistoryWindow::opensOnceFromTheLastToolItem()
{
    HistoryDesk desk;
    QAction *item = desk.window->action(QStringLiteral("mnuTool_History"));
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("収支履歴(&R)..."));
    QCOMPARE(desk.window->findChild<QMenu *>(QStringLiteral("mnuTool"))->actions().last(), item);
    item->trigger();
    HistoryWindow *history = historyOf(*desk.window);
    QVERIFY(history && history->isVisible());
    QCOMPARE(history->windowTitle(), QStringLiteral("収支履歴"));
    QCOMPARE(history->commands().rows().size(), 2);
    const CellGrid &grid = history->commands().table().grid();
    QCOMPARE(grid.caption(3, 2), QStringLiteral("A-1476.csv"));
    QCOMPARE(grid.caption(grid.cols(), 3), QStringLiteral("結果なし"));
    QCOMPARE(grid.caption(1, grid.rows()), QStringLiteral("合計"));
    QVERIFY(history->findChild<QLabel *>(QStringLiteral("lblNote"))->text().contains(QStringLiteral("BIGのシングル")));
    QCOMPARE(history->findChild<QLabel *>(QStringLiteral("lblFolder"))->text(), QStringLiteral("対象フォルダ：UserData/QUDO"));
    history->close();
    item->trigger();
    QCOMPARE(desk.window->findChildren<HistoryWindow *>().size(), 1);
    QVERIFY(history->isVisible());
    QVERIFY(desk.fixture.ui.boxes().isEmpty());
}

void TestHistoryWindow::refreshListsNewFiles()
{
    HistoryDesk desk;
    desk.window->action(QStringLiteral("mnuTool_History"))->trigger();
    HistoryWindow *history = historyOf(*desk.window);
    writeSingles(desk.fixture.app, QStringLiteral("UserData/QUDO/A-1478B.csv"), {outcomes});
    history->findChild<QAction *>(QStringLiteral("actRefresh"))->trigger();
    QCOMPARE(history->commands().rows().size(), 3);
    QCOMPARE(history->commands().rows().last().group, QStringLiteral("B"));
}

void TestHistoryWindow::doubleClickOpensTheFileWithEveryResult()
{
    HistoryDesk desk;
    desk.window->action(QStringLiteral("mnuTool_History"))->trigger();
    HistoryWindow *history = historyOf(*desk.window);
    QVERIFY(QTest::qWaitForWindowExposed(history));
    QTest::mouseDClick(history->tableView(), Qt::LeftButton, {}, rowCentre(*history, 2));
    MainDocument &document = desk.window->document();
    QCOMPARE(document.currentFile(), desk.fixture.app.filePath(QStringLiteral("UserData/QUDO/A-1476.csv")));
    QCOMPARE(document.roundNumber(), 1476);
    QCOMPARE(document.singles().size(), 2);
    QCOMPARE(document.currentPage(), int(MainDocument::PageCheck));
    QVERIFY(document.resultEvaluation().fullResult());
    QCOMPARE(document.resultEvaluation().counts()[0], 1);
    // The headings and the total line open nothing.
    QTest::mouseDClick(history->tableView(), Qt::LeftButton, {}, rowCentre(*history, 4));
    QCOMPARE(document.roundNumber(), 1476);
}

void TestHistoryWindow::saveWritesTheTable()
{
    HistoryDesk desk;
    ScriptedDialogs dialogs;
    HistoryWindow history(desk.window->document(), &dialogs, desk.window.get());
    history.commands().refresh();
    QPushButton *save = history.findChild<QPushButton *>(QStringLiteral("cmdSave"));
    QCOMPARE(save->text(), QStringLiteral("CSVに保存..."));
    save->click();   // cancelled
    QCOMPARE(dialogs.asked, QStringList{QStringLiteral("CSVに保存|CSVファイル(*.csv)|収支履歴.csv")});
    dialogs.answer = desk.fixture.app.filePath(QStringLiteral("収支"));
    save->click();
    QCOMPARE(desk.fixture.app.readFile(QStringLiteral("収支.csv")),
             TestFiles::sjis(HistoryCsv::Text(history.commands().rows())));
    QVERIFY(TestFiles::sjis(HistoryCsv::Text(history.commands().rows())).contains("\r\n"));
}

void TestHistoryWindow::chosenFolderIsKept()
{
    HistoryDesk desk;
    writeSingles(desk.fixture.app, QStringLiteral("Season/A-1476B.csv"), {outcomes});
    ScriptedDialogs dialogs;
    HistoryWindow history(desk.window->document(), &dialogs, desk.window.get());
    dialogs.answer = desk.fixture.app.filePath(QStringLiteral("Season"));
    history.findChild<QPushButton *>(QStringLiteral("cmdFolder"))->click();
    QCOMPARE(history.commands().folders(), QStringList{dialogs.answer});
    QCOMPARE(history.commands().rows().size(), 1);
    QCOMPARE(history.findChild<QLabel *>(QStringLiteral("lblFolder"))->text(), QStringLiteral("対象フォルダ：Season"));
    history.findChild<QAction *>(QStringLiteral("actRefresh"))->trigger();
    QCOMPARE(history.commands().rows().size(), 1);
}

void TestHistoryWindow::bulkDownloadFillsTheTable()
{
    HistoryDesk desk;
    OfficialSite site;
    site.pointSettingsHere();
    writeSingles(desk.fixture.app, QStringLiteral("UserData/QUDO/A-1490.csv"), {outcomes});
    desk.fixture.app.remove(QStringLiteral("SysData/BIG_Result/big_result_1476.xml"));
    desk.window->action(QStringLiteral("mnuTool_History"))->trigger();
    HistoryWindow *history = historyOf(*desk.window);
    QCOMPARE(history->commands().roundsWithoutResult(), (QList<qint32>{1476, 1477, 1490}));
    history->commands().download().setInterval(0);
    history->findChild<QPushButton *>(QStringLiteral("cmdDownload"))->click();
    QCOMPARE(desk.fixture.ui.boxes().size(), 1);
    QCOMPARE(desk.fixture.ui.boxes()[0].icon, Ui::Icon::Information);
    QVERIFY(desk.fixture.ui.boxes()[0].text.contains(QStringLiteral("ダウンロードした開催回：1")));
    QVERIFY(desk.fixture.ui.boxes()[0].text.contains(QStringLiteral("発表されていない開催回：1")));
    QVERIFY(desk.fixture.ui.boxes()[0].text.contains(QStringLiteral("失敗した開催回：1")));
    QCOMPARE(site.requestsFor(OfficialSite::resultAddress(1490)), 1);
    // The table is read again: 1476 now has its result from the site.
    QCOMPARE(history->commands().roundsWithoutResult(), (QList<qint32>{1477, 1490}));
    QCOMPARE(history->commands().rows()[0].state, HistoryRow::State::Graded);
    QVERIFY(history->findChild<QPushButton *>(QStringLiteral("cmdDownload"))->isEnabled());
}

void TestHistoryWindow::mainWindowStaysWhileTheTableIsRead()
{
    HistoryDesk desk;
    desk.window->action(QStringLiteral("mnuTool_History"))->trigger();
    HistoryWindow *history = historyOf(*desk.window);
    int refusedCloses = 0;
    desk.fixture.ui.onProcessEvents = [&] {
        if (!desk.window->close())
            ++refusedCloses;
    };
    history->findChild<QAction *>(QStringLiteral("actRefresh"))->trigger();
    desk.fixture.ui.onProcessEvents = nullptr;
    QVERIFY(refusedCloses > 0);
    QVERIFY(desk.window->isVisible());
    QVERIFY(!desk.window->document().busy());
    // Work of the main window's own keeps the table as it is.
    writeSingles(desk.fixture.app, QStringLiteral("UserData/QUDO/A-1478B.csv"), {outcomes});
    {
        MainDocument::BusyScope busy(desk.window->document());
        history->findChild<QAction *>(QStringLiteral("actRefresh"))->trigger();
    }
    QCOMPARE(history->commands().rows().size(), 2);
}

QTEST_MAIN(TestHistoryWindow)
#include "TestHistoryWindow.moc"
