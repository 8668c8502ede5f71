#include "MainWindowFixture.h"
#include "acquisition/HttpTransfer.h"
#include "app/AppState.h"
#include "common/OfficialSite.h"
#include "gui/ClientPanel.h"
#include "gui/HomePage.h"
#include "gui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// The real main window offscreen, built from a test application folder.
class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensTheSavedRound();
    void roundWithoutFilesEnablesTheDownloads();
    void pageSwitchesFromMenuAndIcons();
    void pagesAreMadeWhenFirstShown();
    void busyRefusesPageSwitchAndClose();
    void closingWritesTheStateFile();
    void roundBoxTakesDigitsOnly();
    void downloadWithoutRoundAsksForOne();
    void everyMenuItemIsThere();
    void smallWindowScrollsTheClientPanel();
    void unreadableRoundFileCanBeDownloadedAgain();
    // Ends every later download of this process: stays the last test.
    void closingDuringADownloadStopsItAndAsksNothing();

private:
    template<typename T>
    static T *child(const QWidget &window, const QString &name)
    {
        T *found = window.findChild<T *>(name);
        if (!found)
            qWarning() << "no" << name;
        return found;
    }
};

void TestMainWindow::opensTheSavedRound()
{
    MainWindowFixture fixture({QStringLiteral("schedule"), QStringLiteral("vote"), QStringLiteral("result")});
    const auto window = fixture.openWindow();
    QCOMPARE(child<QLineEdit>(*window, QStringLiteral("txtScheduleNo"))->text(), QStringLiteral("1478"));
    QCOMPARE(window->document().roundNumber(), 1478);
    QCOMPARE(window->document().schedule().roundNumber, 1478);
    QCOMPARE(window->windowTitle(), QStringLiteral(" Quorvel  QUDO"));
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 1.00"));
    QVERIFY(child<QLabel>(*window, QStringLiteral("lblStatus"))->text().startsWith(QStringLiteral(" 第 1478 回 　使用投票率：")));
    QVERIFY(child<QCheckBox>(*window, QStringLiteral("chkDownload"))->isChecked());
    QVERIFY(child<QWidget>(*window, QStringLiteral("picKaisai"))->isVisible());
    for (int index = 0; index < 3; ++index)
        QVERIFY(!child<QPushButton>(*window, QStringLiteral("cmdOfficialDownload_%1").arg(index))->isEnabled());
    QCOMPARE(child<QStackedWidget>(*window, QStringLiteral("picPages"))->currentIndex(), 0);
    QVERIFY(window->action(QStringLiteral("mnuView_Menu_0"))->isChecked());
    QVERIFY(fixture.ui.boxes().isEmpty());
}

void TestMainWindow::roundWithoutFilesEnablesTheDownloads()
{
    MainWindowFixture fixture({QStringLiteral("schedule")});
    const auto window = fixture.openWindow();
    QVERIFY(!child<QPushButton>(*window, QStringLiteral("cmdOfficialDownload_0"))->isEnabled());
    QVERIFY(child<QPushButton>(*window, QStringLiteral("cmdOfficialDownload_1"))->isEnabled());
    QVERIFY(child<QPushButton>(*window, QStringLiteral("cmdOfficialDownload_2"))->isEnabled());

    // A round without a schedule hides the information panel.
    QLineEdit *round = child<QLineEdit>(*window, QStringLiteral("txtScheduleNo"));
    round->selectAll();
    QTest::keyClicks(round, QStringLiteral("12"));
    QCOMPARE(window->document().roundNumber(), 12);
    QVERIFY(!child<QWidget>(*window, QStringLiteral("picKaisai"))->isVisible());
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblStatus"))->text(), QStringLiteral(" 第 12 回 "));
    for (int index = 0; index < 3; ++index)
        QVERIFY(child<QPushButton>(*window, QStringLiteral("cmdOfficialDownload_%1").arg(index))->isEnabled());
}

void TestMainWindow::pageSwitchesFromMenuAndIcons()
{
    MainWindowFixture fixture({});
    const auto window = fixture.openWindow();
    auto *pages = child<QStackedWidget>(*window, QStringLiteral("picPages"));
    const auto shown = [pages] { return pages->currentWidget()->objectName(); };
    // The check page first: pages are made in the order they are first shown.
    window->action(QStringLiteral("mnuView_Menu_2"))->trigger();
    QCOMPARE(shown(), QStringLiteral("picPage_2"));
    QVERIFY(window->action(QStringLiteral("mnuView_Menu_2"))->isChecked());
    QVERIFY(!window->action(QStringLiteral("mnuView_Menu_0"))->isChecked());

    QTest::mouseClick(child<QToolButton>(*window, QStringLiteral("imgPage_1")), Qt::LeftButton);
    QCOMPARE(shown(), QStringLiteral("picPage_1"));
    QCOMPARE(window->document().currentPage(), 1);
    QVERIFY(window->action(QStringLiteral("mnuView_Menu_1"))->isChecked());

    QTest::mouseClick(child<QToolButton>(*window, QStringLiteral("imgPage_0")), Qt::LeftButton);
    QCOMPARE(shown(), QStringLiteral("picPage_0"));
    QCOMPARE(pages->count(), 3);
}

// The singles and check pages are made when first shown. Their controllers
// work before that; a page made late shows what they hold.
void TestMainWindow::pagesAreMadeWhenFirstShown()
{
    MainWindowFixture fixture({QStringLiteral("schedule"), QStringLiteral("vote"), QStringLiteral("result")});
    const auto window = fixture.openWindow();
    window->document().replaceSingles(QList<qint32>(25, 19));
    window->action(QStringLiteral("mnuView_SinglePercent"))->trigger();
    QVERIFY2(fixture.ui.boxes().isEmpty(), qPrintable(fixture.ui.boxes().value(0).text));
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("picPage_1")));
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("picPage_2")));

    window->action(QStringLiteral("mnuView_Menu_1"))->trigger();
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("picPage_1")));
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblSingleCount"))->text(), QStringLiteral("25"));
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblSinglePage"))->text(), QStringLiteral("1／3"));
    QVERIFY(window->document().singlesView().singlePercent());
    window->action(QStringLiteral("mnuView_Menu_2"))->trigger();
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("picPage_2")));
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblResultCount"))->text(), QStringLiteral("25"));

    window->action(QStringLiteral("mnuFile_New"))->trigger();
    QVERIFY(window->document().singles().isEmpty());
    QCOMPARE(child<QLabel>(*window, QStringLiteral("lblSingleCount"))->text(), QStringLiteral("0"));
    QCOMPARE(window->document().currentPage(), 0);
    QCOMPARE(child<QStackedWidget>(*window, QStringLiteral("picPages"))->currentWidget()->objectName(),
             QStringLiteral("picPage_0"));
}

void TestMainWindow::busyRefusesPageSwitchAndClose()
{
    MainWindowFixture fixture({});
    const auto window = fixture.openWindow();
    const QByteArray stateBefore = fixture.app.readFile(QStringLiteral("SysData/QUDO.ini"));
    {
        MainDocument::BusyScope busy(window->document());
        window->action(QStringLiteral("mnuView_Menu_2"))->trigger();
        QCOMPARE(child<QStackedWidget>(*window, QStringLiteral("picPages"))->currentIndex(), 0);
        QVERIFY(window->action(QStringLiteral("mnuView_Menu_0"))->isChecked());
        window->action(QStringLiteral("mnuFile_End"))->trigger();
        QVERIFY(window->isVisible());
        QCOMPARE(fixture.app.readFile(QStringLiteral("SysData/QUDO.ini")), stateBefore);
    }
    QVERIFY(fixture.ui.boxes().isEmpty());
    window->action(QStringLiteral("mnuFile_End"))->trigger();
    QVERIFY(!window->isVisible());
}

void TestMainWindow::closingWritesTheStateFile()
{
    MainWindowFixture fixture({});
    fixture.app.remove(QStringLiteral("SysData/QUDO.ini"));
    const auto window = fixture.openWindow();
    QCOMPARE(child<QLineEdit>(*window, QStringLiteral("txtScheduleNo"))->text(), QStringLiteral("1"));
    QLineEdit *round = child<QLineEdit>(*window, QStringLiteral("txtScheduleNo"));
    round->selectAll();
    QTest::keyClicks(round, QStringLiteral("1476"));
    child<QCheckBox>(*window, QStringLiteral("chkDownload"))->click();
    QVERIFY(window->close());

    const AppState saved = loadAppState();
    QCOMPARE(saved.roundNumber, 1476);
    QCOMPARE(saved.downloadMessage, false);
    QCOMPARE(saved.resultAll, false);
}

void TestMainWindow::roundBoxTakesDigitsOnly()
{
    MainWindowFixture fixture({});
    const auto window = fixture.openWindow();
    QLineEdit *round = child<QLineEdit>(*window, QStringLiteral("txtScheduleNo"));
    round->selectAll();
    QTest::keyClicks(round, QStringLiteral("1a2 345"));
    QCOMPARE(round->text(), QStringLiteral("9999"));
    QCOMPARE(window->document().roundNumber(), 9999);
    QCOMPARE(round->cursorPosition(), 4);
    QTest::keyClick(round, Qt::Key_PageDown);
    QCOMPARE(round->text(), QStringLiteral("0"));
    QTest::keyClick(round, Qt::Key_Up);
    QTest::keyClick(round, Qt::Key_Up);
    QCOMPARE(round->text(), QStringLiteral("2"));
    QTest::mouseClick(child<QToolButton>(*window, QStringLiteral("updScheduleNo_Down")), Qt::LeftButton);
    QCOMPARE(window->document().roundNumber(), 1);
    QTest::keyClick(round, Qt::Key_Backspace);
    QCOMPARE(round->text(), QString());
    QCOMPARE(window->document().roundNumber(), -1);
}

void TestMainWindow::downloadWithoutRoundAsksForOne()
{
    MainWindowFixture fixture({}, 0);
    const auto window = fixture.openWindow();
    QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("cmdOfficialDownload_1")), Qt::LeftButton);
    QCOMPARE(fixture.ui.boxes().size(), 1);
    QCOMPARE(fixture.ui.boxes()[0].icon, Ui::Icon::Information);
    QCOMPARE(fixture.ui.boxes()[0].text, QStringLiteral("開催回を設定して下さい"));
}

void TestMainWindow::everyMenuItemIsThere()
{
    MainWindowFixture fixture({});
    const auto window = fixture.openWindow();
    const QStringList items{"mnuFile_New", "mnuFile_Open", "mnuFile_Save", "mnuFile_SaveAs", "mnuFile_End",
                            "mnuEdit_Sort", "mnuEdit_Sort_Money_0", "mnuEdit_Sort_Money_2", "mnuEdit_Sort_Mark_0",
                            "mnuEdit_Sort_Ninki_2", "mnuEdit_Sort_Result", "mnuEdit_Sort_Order", "mnuEdit_JSingleDel",
                            "mnuEdit_Select_0", "mnuEdit_Select_1", "mnuEdit_SingleAdd", "mnuEdit_SingleAdd2",
                            "mnuEdit_SingleDel", "mnuView_Menu_0", "mnuView_Menu_2", "mnuView_SinglePercent",
                            "mnuTool_Clipboard_Class_3", "mnuTool_Clipboard_Class_4", "mnuTool_ClipImport_Class_0",
                            "mnuHelp_Help", "mnuHelp_Version"};
    for (const QString &name : items)
        QVERIFY2(window->action(name), qPrintable(name));
    QCOMPARE(window->action(QStringLiteral("mnuFile_Open"))->text(), QStringLiteral("開く(&O)..."));
    QVERIFY(window->action(QStringLiteral("mnuEdit_Sort_Order"))->isChecked());
    QVERIFY(!window->action(QStringLiteral("mnuEdit_Sort_Mark_3"))->isVisible());
    QVERIFY(!window->action(QStringLiteral("mnuEdit_Sort_Ninki_3"))->isVisible());
    QCOMPARE(window->action(QStringLiteral("mnuEdit_Sort_Ninki_3"))->text(), QStringLiteral("４番人気"));
    QVERIFY(!window->action(QStringLiteral("mnuView_SinglePercent"))->isChecked());
    QVERIFY(window->action(QStringLiteral("mnuFile_End"))->isEnabled());
}

void TestMainWindow::smallWindowScrollsTheClientPanel()
{
    MainWindowFixture fixture({});
    const auto window = fixture.openWindow();
    window->resize(600, 400);
    QApplication::processEvents();
    QCOMPARE(window->clientPanel()->size(), ClientPanel::layoutSize());
    auto *scroller = child<QScrollArea>(*window, QStringLiteral("scrMain"));
    QVERIFY(scroller->horizontalScrollBar()->isVisible());
    QVERIFY(scroller->verticalScrollBar()->isVisible());

    window->resize(ClientPanel::layoutSize() + QSize(300, 200));
    QApplication::processEvents();
    QVERIFY(window->clientPanel()->width() > ClientPanel::layoutSize().width());
    QVERIFY(!scroller->horizontalScrollBar()->isVisible());
}

void TestMainWindow::unreadableRoundFileCanBeDownloadedAgain()
{
    MainWindowFixture fixture({QStringLiteral("schedule"), QStringLiteral("vote")});
    fixture.app.writeFile(QStringLiteral("SysData/BIG_Vote/big_vote_1478.xml"), "<BIG><投票状況></BIG>");
    const auto window = fixture.openWindow();
    QVERIFY(!fixture.ui.boxes().isEmpty());   // the broken file was reported
    QVERIFY(!child<QPushButton>(*window, QStringLiteral("cmdOfficialDownload_0"))->isEnabled());
    QVERIFY(child<QPushButton>(*window, QStringLiteral("cmdOfficialDownload_1"))->isEnabled());
}

void TestMainWindow::closingDuringADownloadStopsItAndAsksNothing()
{
    MainWindowFixture fixture({QStringLiteral("schedule")});
    OfficialSite site;
    site.pointSettingsHere();
    site.serve(OfficialSite::voteAddress(1478), LoopbackHttpServer::trickle());
    const auto window = fixture.openWindow();
    fixture.app.remove(QStringLiteral("SysData/QUDO.ini"));
    fixture.ui.scriptAnswers({Ui::Answer::Yes});
    bool runningWhenClosed = false;
    QTimer::singleShot(500, window.get(), [&] {
        runningWhenClosed = HttpTransfer::isRunning();
        window->close();
    });

    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("cmdOfficialDownload_1")), Qt::LeftButton);
    QVERIFY(runningWhenClosed);
    QVERIFY(clock.elapsed() < 30000);
    QVERIFY(!window->isVisible());
    QCOMPARE(fixture.ui.boxes().size(), 1);   // the download question, nothing after it
    QCOMPARE(loadAppState().roundNumber, 1478);
    QVERIFY(!fixture.app.exists(QStringLiteral("SysData/BIG_Vote/big_vote_1478.xml")));
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
