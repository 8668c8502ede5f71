#include "MainWindowFixture.h"
#include "gui/SingleSheetView.h"
#include "gui/MainWindow.h"
#include "evaluation/CheckPageController.h"
#include "lottery/SingleCode.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// The singles and check pages in the real main window, offscreen.
class TestMainWindowPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void marksClickedOnTheSheetReachTheList();
    void checkPageRevealsMatchByMatch();
    void checkPageWithoutResultCannotReveal();
    void clipboardCommandsThroughTheMenu();
    void editMenuRulesWithoutVoteData();
    void gradeSortButtonWorksAfterTheSortPopUp();
    void sheetClicksDuringALoadAreRefused();
    void fileMenuOpensAndSavesThroughTheDialogs();
};

namespace {

// The code of a single whose marks are all mark except at one match.
qint32 singleWith(int mark, int otherMatch = -1, int otherMark = 0)
{
    std::array<qint32, 14> marks{};
    marks.fill(mark);
    if (otherMatch >= 0)
        marks[std::size_t(otherMatch)] = otherMark;
    qint32 code = 0;
    SingleCode().intsToCode(marks, code);
    return code;
}

} // namespace

void TestMainWindowPages::marksClickedOnTheSheetReachTheList()
{
    MainWindowFixture fixture({QStringLiteral("schedule"), QStringLiteral("vote")});
    const auto window = fixture.openWindow();
    window->action(QStringLiteral("mnuView_Menu_1"))->trigger();
    auto *sheet = window->findChild<SingleSheetView *>(QStringLiteral("picSingle"));
    QVERIFY(sheet && sheet->isVisible());
    const MarkSheet &model = window->document().singlesView().sheet();

    // A mark on an empty slot adds a single; a second mark changes it.
    QTest::mouseClick(sheet, Qt::LeftButton, {}, model.markBoxRect(0, 1, 0).center().toPoint());
    QCOMPARE(window->document().singles().size(), 1);
    QTest::mouseClick(sheet, Qt::RightButton, {}, model.markBoxRect(0, 2, 13).center().toPoint());
    QCOMPARE(window->document().singles(), QList<qint32>{singleWith(0, 13, 2)});
    QCOMPARE(window->document().singleFrame()[2][13], 1);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblSingleCount"))->text(), QStringLiteral("1"));

    // The menu adds another; the page shows both.
    window->action(QStringLiteral("mnuEdit_SingleAdd"))->trigger();
    QCOMPARE(window->document().singles().size(), 2);
    QCOMPARE(window->document().singleFrame()[0][0], 2);
    QVERIFY(fixture.ui.boxes().isEmpty());
}

void TestMainWindowPages::checkPageRevealsMatchByMatch()
{
    MainWindowFixture fixture({QStringLiteral("schedule"), QStringLiteral("vote"), QStringLiteral("result")});
    const auto window = fixture.openWindow();
    MainDocument &document = window->document();
    const ResultData &result = document.result();
    QCOMPARE(result.roundNumber, 1478);
    // The outcomes themselves, and the outcomes with the last match wrong.
    std::array<qint32, 14> outcomes{};
    for (int match = 0; match < 14; ++match)
        outcomes[std::size_t(match)] = result.game[std::size_t(match + 1)].Outcome % 3;
    qint32 right = 0;
    SingleCode().intsToCode(outcomes, right);
    outcomes[13] = (outcomes[13] + 1) % 3;
    qint32 lastWrong = 0;
    SingleCode().intsToCode(outcomes, lastWrong);
    document.replaceSingles({right, lastWrong, right});

    window->action(QStringLiteral("mnuView_Menu_2"))->trigger();
    auto *next = window->findChild<QPushButton *>(QStringLiteral("cmdNextResult"));
    auto *all = window->findChild<QPushButton *>(QStringLiteral("cmdAllResult"));
    QVERIFY(next->isEnabled() && all->isEnabled());
    const CheckPageController &evaluation = document.resultEvaluation();
    QCOMPARE(evaluation.counts()[0], 3);   // nothing revealed: every single still grade 1

    for (int step = 1; step <= 13; ++step) {
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(evaluation.revealed(), step);
        QCOMPARE(evaluation.counts()[0], 3);
    }
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(evaluation.revealed(), 14);
    QCOMPARE(evaluation.counts()[0], 2);
    QCOMPARE(evaluation.counts()[1], 1);
    QVERIFY(!next->isEnabled());
    QVERIFY(!all->isEnabled());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblResultCount"))->text(), QStringLiteral("3"));
    QVERIFY(fixture.ui.boxes().isEmpty());
}

void TestMainWindowPages::checkPageWithoutResultCannotReveal()
{
    MainWindowFixture fixture({QStringLiteral("schedule")});
    const auto window = fixture.openWindow();
    window->action(QStringLiteral("mnuView_Menu_2"))->trigger();
    QVERIFY(!window->findChild<QPushButton *>(QStringLiteral("cmdNextResult"))->isEnabled());
    QVERIFY(!window->findChild<QPushButton *>(QStringLiteral("cmdAllResult"))->isEnabled());
}

void TestMainWindowPages::clipboardCommandsThroughTheMenu()
{
    MainWindowFixture fixture({QStringLiteral("schedule")});
    const auto window = fixture.openWindow();
    QGuiApplication::clipboard()->setText(QStringLiteral("1: 10201020102010\r\n2: 11111111111111\r\n"));
    window->action(QStringLiteral("mnuTool_ClipImport_Class_0"))->trigger();
    QCOMPARE(window->document().singles().size(), 2);
    QCOMPARE(window->document().currentPage(), int(MainDocument::PageCheck));
    QCOMPARE(fixture.ui.boxes().last().text, QStringLiteral("2口取り込みしました"));

    window->action(QStringLiteral("mnuTool_Clipboard_Class_3"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1:10201020102010\r\n2:11111111111111\r\n"));
    QCOMPARE(fixture.ui.boxes().last().text, QStringLiteral("クリップボードへコピーしました"));
}

void TestMainWindowPages::editMenuRulesWithoutVoteData()
{
    MainWindowFixture fixture({QStringLiteral("schedule")});
    const auto window = fixture.openWindow();
    QMenu *edit = window->findChild<QMenu *>(QStringLiteral("mnuEdit"));
    Q_EMIT edit->aboutToShow();
    QVERIFY(!window->action(QStringLiteral("mnuEdit_Sort_Money_0"))->isEnabled());
    QVERIFY(!window->action(QStringLiteral("mnuEdit_Sort_Ninki_2"))->isEnabled());
    QVERIFY(window->action(QStringLiteral("mnuEdit_Sort_Mark_0"))->isEnabled());
    QVERIFY(!window->action(QStringLiteral("mnuEdit_Sort_Result"))->isEnabled());
    QVERIFY(!window->action(QStringLiteral("mnuEdit_SingleAdd"))->isEnabled());

    window->action(QStringLiteral("mnuView_Menu_1"))->trigger();
    Q_EMIT edit->aboutToShow();
    QVERIFY(window->action(QStringLiteral("mnuEdit_SingleAdd"))->isEnabled());
}

namespace {

// Closes the pop-up menu that 並び替え opens, once it is up.
void closePopUpSoon()
{
    QTimer::singleShot(0, [] {
        if (QWidget *popUp = QApplication::activePopupWidget())
            popUp->close();
    });
}

QByteArray csvOf(int lines)
{
    QByteArray text;
    for (int line = 0; line < lines; ++line)
        text += QByteArray("1,0,2,1,0,2,1,0,2,1,0,2,1,") + QByteArray::number(line % 3) + "\r\n";
    return text;
}

} // namespace

void TestMainWindowPages::gradeSortButtonWorksAfterTheSortPopUp()
{
    MainWindowFixture fixture({QStringLiteral("schedule"), QStringLiteral("vote"), QStringLiteral("result")});
    const auto window = fixture.openWindow();
    QList<qint32> singles;
    for (int mark = 0; mark < 3; ++mark)
        for (int match = 0; match < 14; ++match)
            singles << singleWith(mark, match, (mark + 1) % 3);
    window->document().replaceSingles(singles);

    window->action(QStringLiteral("mnuView_Menu_1"))->trigger();
    closePopUpSoon();
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdSort")), Qt::LeftButton);
    window->action(QStringLiteral("mnuView_Menu_2"))->trigger();
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdGradeSort")), Qt::LeftButton);

    const CheckPageController &result = window->document().resultEvaluation();
    QVERIFY(window->document().singles() != singles);
    QCOMPARE(window->document().singles().size(), singles.size());
    for (qint32 index = 1; index < qint32(singles.size()); ++index)
        QVERIFY(result.gradeCode(index - 1) <= result.gradeCode(index));
}

void TestMainWindowPages::sheetClicksDuringALoadAreRefused()
{
    MainWindowFixture fixture({QStringLiteral("schedule")});
    fixture.app.writeFile(QStringLiteral("UserData/QUDO/A-1478.csv"), csvOf(5000));
    fixture.dialogs.answer = fixture.app.filePath(QStringLiteral("UserData/QUDO/A-1478.csv"));
    const auto window = fixture.openWindow();
    window->document().replaceSingles({0, 0, 0});
    window->action(QStringLiteral("mnuView_Menu_1"))->trigger();
    auto *sheet = window->findChild<SingleSheetView *>(QStringLiteral("picSingle"));
    const MarkSheet &model = window->document().singlesView().sheet();

    int clicks = 0;
    fixture.ui.onProcessEvents = [&] {
        ++clicks;
        QTest::mouseClick(sheet, Qt::LeftButton, {}, model.markBoxRect(1, 2, 0).center().toPoint());
        QTest::mouseClick(sheet, Qt::LeftButton, {}, model.markBoxRect(9, 1, 0).center().toPoint());
        window->findChild<QPushButton *>(QStringLiteral("cmdSingleAdd"))->click();
    };
    window->action(QStringLiteral("mnuFile_Open"))->trigger();
    fixture.ui.onProcessEvents = {};

    QVERIFY(clicks > 0);
    QCOMPARE(window->document().singles().size(), 5000);
    QCOMPARE(window->document().singleFrame()[1][0], 5000);
    QCOMPARE(window->document().singleFrame()[0][13], 1667);   // lines 1, 4, 7, ... end in "0"
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblSingleCount"))->text(), QStringLiteral("5,000"));
}

void TestMainWindowPages::fileMenuOpensAndSavesThroughTheDialogs()
{
    MainWindowFixture fixture({QStringLiteral("schedule")});
    fixture.app.writeFile(QStringLiteral("UserData/QUDO/A-1478.csv"), csvOf(3));
    fixture.dialogs.answer = fixture.app.filePath(QStringLiteral("UserData/QUDO/A-1478.csv"));
    const auto window = fixture.openWindow();
    window->action(QStringLiteral("mnuFile_Open"))->trigger();
    QCOMPARE(fixture.dialogs.asked, QStringList{"ファイルを開く|CSVファイル(*.csv)|A-1478.csv"});
    QCOMPARE(window->document().singles().size(), 3);
    QCOMPARE(window->windowTitle(), QStringLiteral(" Quorvel  QUDO - [A-1478.csv]"));

    fixture.dialogs.answer = fixture.app.filePath(QStringLiteral("UserData/QUDO/copy.csv"));
    window->action(QStringLiteral("mnuFile_SaveAs"))->trigger();
    QVERIFY(fixture.dialogs.asked.last().startsWith(QStringLiteral("名前を付けて保存|CSVファイル(*.csv)|")));
    QVERIFY(fixture.dialogs.asked.last().endsWith(QStringLiteral("A-1478.csv")));
    QCOMPARE(fixture.app.readFile(QStringLiteral("UserData/QUDO/copy.csv")), csvOf(3));
    QCOMPARE(window->windowTitle(), QStringLiteral(" Quorvel  QUDO - [copy.csv]"));
}

QTEST_MAIN(TestMainWindowPages)
#include "TestMainWindowPages.moc"
