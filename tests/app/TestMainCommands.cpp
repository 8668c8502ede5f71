#include "app/MainCommands.h"
#include "app/MainDocument.h"
#include "app/ProtectedFolder.h"
#include "common/FakeClipboard.h"
#include "common/OfficialSite.h"
#include "common/RecordingBarSurface.h"
#include "common/RecordingSheetSurface.h"
#include "common/RecordingSurface.h"
#include "common/RecordingUi.h"
#include "common/ScriptedDialogs.h"
#include "common/TestAppFolder.h"
#include "lottery/SingleCode.h"
#include "singles/SinglesCsvFile.h"

#include <QTest>

#include <memory>

// The menu commands on the main window's document, with scripted dialogs, a
// recording Ui and a fake clipboard.
namespace {

// A document whose page controllers draw on recording surfaces, attached
// as the pages attach their views.
struct Desk
{
    Desk()
    {
        document.load();
        document.singleGame().attach(&games);
        document.singlesView().attach(&sheet, &counts, &estimates);
        document.resultEvaluation().attach(&result, &grades, &multi, &resultCounts, &confirmed, {});
        document.matchList().attach(&matches, &votes, &bars);
    }

    TestAppFolder app{TestAppFolder::SysData::Shipped};
    RecordingUi ui;
    RecordingSurface games, counts, estimates, result, grades, multi, resultCounts, confirmed, matches, votes;
    RecordingSheetSurface sheet;
    RecordingBarSurface bars;
    MainDocument document;
    ScriptedDialogs dialogs;
    FakeClipboard clipboard;
    MainCommands commands{document, dialogs, clipboard};
};

QString fileText(int lines)
{
    QString text;
    for (int line = 0; line < lines; ++line)
        text += QStringLiteral("1,0,2,1,0,2,1,0,2,1,0,2,1,%1\r\n").arg(line % 3);
    return text;
}

} // namespace

class TestMainCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openAddsTheExtension();
    void openSwitchesToTheFilesRound();
    void failedOpenLeavesNoFileToOverwrite();
    void saveWithoutFileAsksForAName();
    void saveAsAsksBeforeReplacingTheFileWithTheExtension_data();
    void saveAsAsksBeforeReplacingTheFileWithTheExtension();
    void duplicateRemovalMessages_data();
    void duplicateRemovalMessages();
    void sortItemsWithoutVoteData();
    void clipboardImportReplacesTheList();
    void newForgetsListAndFile();
    void protectedFolders_data();
    void protectedFolders();
    void commandsDuringALongOperationAreRefused_data();
    void commandsDuringALongOperationAreRefused();
    void busyFlagLastsUntilTheOutermostOperationEnds();
    void oneChangeGradesOnce();
    void openTellsTheWindowOnceItEnds();
};

void TestMainCommands::openAddsTheExtension()
{
    Desk desk;
    desk.app.writeFile(QStringLiteral("UserData/QUDO/A-512.txt.csv"), fileText(2).toLatin1());
    desk.dialogs.answer = desk.app.filePath(QStringLiteral("UserData/QUDO/A-512.txt"));
    desk.commands.open();
    QCOMPARE(desk.dialogs.asked, QStringList{"ファイルを開く|CSVファイル(*.csv)|A-001.csv"});
    QCOMPARE(desk.document.singles().size(), 2);
    QVERIFY(desk.document.currentFile().endsWith(QStringLiteral("A-512.txt.csv")));
    QCOMPARE(desk.document.title(), QStringLiteral(" Quorvel  QUDO - [A-512.txt.csv]"));
}

void TestMainCommands::openSwitchesToTheFilesRound()
{
    Desk desk;
    desk.document.roundSelection().setRoundNumber(100);
    desk.app.writeFile(QStringLiteral("UserData/QUDO/A-512.csv"), fileText(12).toLatin1());
    desk.dialogs.answer = desk.app.filePath(QStringLiteral("UserData/QUDO/A-512.csv"));
    desk.commands.open();
    QCOMPARE(desk.document.roundNumber(), 512);
    QCOMPARE(desk.document.roundSelection().roundText(), QStringLiteral("512"));
    QCOMPARE(desk.document.currentPage(), int(MainDocument::PageSingles));
    QCOMPARE(desk.document.singles().size(), 12);
    QCOMPARE(desk.document.singleFrame()[1][0], 12);
    QVERIFY(desk.ui.boxes().isEmpty());
}

void TestMainCommands::failedOpenLeavesNoFileToOverwrite()
{
    Desk desk;
    desk.dialogs.answer = desk.app.filePath(QStringLiteral("UserData/QUDO/A-512.txt"));
    desk.commands.open();
    QCOMPARE(desk.ui.boxes().size(), 1);   // the file A-512.txt.csv does not exist
    QVERIFY(desk.document.singles().isEmpty());
    QVERIFY(desk.document.currentFile().isEmpty());
    QCOMPARE(desk.document.roundNumber(), 512);
}

void TestMainCommands::saveWithoutFileAsksForAName()
{
    Desk desk;
    desk.document.replaceSingles({0, 19, SingleCode::MaxCode});
    desk.dialogs.answer = desk.app.filePath(QStringLiteral("UserData/QUDO/mine"));
    desk.commands.save();
    QCOMPARE(desk.dialogs.asked, QStringList{"名前を付けて保存|CSVファイル(*.csv)|A-001.csv"});
    QCOMPARE(desk.app.readFile(QStringLiteral("UserData/QUDO/mine.csv")),
             QByteArray("0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n1,0,2,0,0,0,0,0,0,0,0,0,0,0\r\n"
                        "2,2,2,2,2,2,2,2,2,2,2,2,2,2\r\n"));
    QVERIFY(desk.document.currentFile().endsWith(QStringLiteral("mine.csv")));

    // Now there is a file: no more questions.
    desk.document.replaceSingles({19});
    desk.commands.save();
    QCOMPARE(desk.dialogs.asked.size(), 1);
    QCOMPARE(desk.app.readFile(QStringLiteral("UserData/QUDO/mine.csv")), QByteArray("1,0,2,0,0,0,0,0,0,0,0,0,0,0\r\n"));
}

void TestMainCommands::saveAsAsksBeforeReplacingTheFileWithTheExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Ui::Answer>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("without .csv, kept") << "mine" << Ui::Answer::No << 1 << false;
    QTest::newRow("without .csv, replaced") << "mine" << Ui::Answer::Yes << 1 << true;
    // The dialog asked about this very name already.
    QTest::newRow("with .csv") << "mine.csv" << Ui::Answer::No << 0 << true;
}

void TestMainCommands::saveAsAsksBeforeReplacingTheFileWithTheExtension()
{
    QFETCH(QString, typed);
    QFETCH(Ui::Answer, answer);
    Desk desk;
    desk.app.writeFile(QStringLiteral("UserData/QUDO/mine.csv"), "old\r\n");
    desk.document.replaceSingles({19});
    desk.dialogs.answer = desk.app.filePath(QStringLiteral("UserData/QUDO/") + typed);
    desk.ui.scriptAnswers({answer});
    desk.commands.saveAs();

    QTEST(int(desk.ui.boxes().size()), "questions");
    if (!desk.ui.boxes().isEmpty()) {
        QCOMPARE(desk.ui.boxes()[0].title, QStringLiteral("名前を付けて保存"));
        QCOMPARE(desk.ui.boxes()[0].text, QStringLiteral("mine.csv は既に存在します。\r\n上書きしますか？"));
        QCOMPARE(desk.ui.boxes()[0].preselected, Ui::Answer::No);
    }
    QFETCH(bool, replaced);
    QCOMPARE(desk.app.readFile(QStringLiteral("UserData/QUDO/mine.csv")),
             replaced ? QByteArray("1,0,2,0,0,0,0,0,0,0,0,0,0,0\r\n") : QByteArray("old\r\n"));
    QCOMPARE(desk.document.currentFile().endsWith(QStringLiteral("mine.csv")), replaced);
}

void TestMainCommands::duplicateRemovalMessages_data()
{
    QTest::addColumn<QList<qint32>>("singles");
    QTest::addColumn<QList<qint32>>("kept");
    QTest::addColumn<QString>("message");
    QTest::newRow("duplicates") << QList<qint32>{5, 7, 5, 5, 9} << QList<qint32>{5, 7, 9} << "シングル総数：5 → 3";
    QTest::newRow("none") << QList<qint32>{5, 7} << QList<qint32>{5, 7} << "重複したシングルは存在しません";
}

void TestMainCommands::duplicateRemovalMessages()
{
    QFETCH(QList<qint32>, singles);
    QFETCH(QList<qint32>, kept);
    QFETCH(QString, message);
    Desk desk;
    desk.document.replaceSingles(singles);
    desk.commands.removeDuplicates();
    QCOMPARE(desk.document.singles(), kept);
    QCOMPARE(desk.document.currentPage(), int(MainDocument::PageCheck));
    QCOMPARE(desk.ui.boxes().size(), 1);
    QVERIFY2(desk.ui.boxes()[0].text.contains(message), qPrintable(desk.ui.boxes()[0].text));
}

void TestMainCommands::sortItemsWithoutVoteData()
{
    Desk desk;
    MainCommands::SortItems items = desk.commands.enabledSortItems();
    QVERIFY(!items.estimatesAndPopularity);
    QVERIFY(!items.hits);
    QVERIFY(!items.singlesEditing);
    desk.document.selectPage(MainDocument::PageCheck);
    QVERIFY(desk.commands.enabledSortItems().hits);

    // Marks sort without vote data; the list keeps its frame.
    desk.document.replaceSingles({2, 0, 1});
    desk.commands.sort(MainCommands::ByMark, 1, true);
    QCOMPARE(desk.document.singles().size(), 3);
    QCOMPARE(desk.document.singleFrame()[1][0], 1);
}

void TestMainCommands::clipboardImportReplacesTheList()
{
    Desk desk;
    desk.document.replaceSingles({5, 6, 7, 8});
    desk.clipboard.copy(QStringLiteral("10201020102010\r\n22222222222222\r\n"));
    desk.commands.importFromClipboard();
    QCOMPARE(desk.document.singles().size(), 2);
    QCOMPARE(desk.document.currentPage(), int(MainDocument::PageCheck));
    QCOMPARE(desk.ui.boxes().last().text, QStringLiteral("2口取り込みしました"));

    // Nothing to import changes nothing.
    desk.clipboard.copy(QStringLiteral("no singles here"));
    desk.commands.importFromClipboard();
    QCOMPARE(desk.document.singles().size(), 2);

    // Out again, one single a line, and back in: the same list.
    desk.commands.copyToClipboard(3);
    QCOMPARE(desk.clipboard.held(), QStringLiteral("1:10201020102010\r\n2:22222222222222\r\n"));
    const QList<qint32> exported = desk.document.singles();
    desk.document.replaceSingles({});
    desk.commands.importFromClipboard();
    QCOMPARE(desk.document.singles(), exported);
}

void TestMainCommands::newForgetsListAndFile()
{
    Desk desk;
    desk.document.replaceSingles({5, 6});
    desk.document.setCurrentFile(QStringLiteral("C:\\round123.csv"));
    desk.document.selectPage(MainDocument::PageSingles);
    desk.commands.newFile();
    QVERIFY(desk.document.singles().isEmpty());
    QCOMPARE(desk.document.singleFrame()[0][0], 0);
    QCOMPARE(desk.document.currentPage(), int(MainDocument::PageHome));
    QCOMPARE(desk.document.title(), QStringLiteral(" Quorvel  QUDO"));
}

void TestMainCommands::protectedFolders_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("isProtected");
    QTest::newRow("Program Files") << "C:\\Program Files\\Quorvel\\QUDO" << true;
    QTest::newRow("x86, other case") << "c:\\program files (x86)\\QUDO" << true;
    QTest::newRow("ProgramData") << "C:\\ProgramData\\QUDO" << true;
    QTest::newRow("Windows") << "C:\\WINDOWS\\QUDO" << true;
}

void TestMainCommands::protectedFolders()
{
    QFETCH(QString, folder);
    QFETCH(bool, isProtected);
    QCOMPARE(ProtectedFolder::isProtected(folder), isProtected);
    // A folder of the user's own is not.
    TestAppFolder app;
    QVERIFY(!ProtectedFolder::isProtected(app.path()));
}

namespace {

// Every kind of single, spread over the space, more than the progress window's threshold.
QList<qint32> manySingles()
{
    QList<qint32> singles;
    for (qint32 i = 0; i < 20000; ++i)
        singles.append(qint32((qint64(i) * 7919) % (SingleCode::MaxCode + 1)));
    return singles;
}

void fire(Desk &desk, const QString &command)
{
    if (command == QLatin1String("sort"))
        desk.commands.sort(MainCommands::ByMark, 0, false);
    else if (command == QLatin1String("hits sort"))
        desk.commands.sortByHits(false);
    else if (command == QLatin1String("clipboard import"))
        desk.commands.importFromClipboard();
    else if (command == QLatin1String("add"))
        desk.document.singlesView().add();
    else if (command == QLatin1String("new"))
        desk.commands.newFile();
    else if (command == QLatin1String("duplicates"))
        desk.commands.removeDuplicates();
    else if (command == QLatin1String("open"))
        desk.commands.open();
    else if (command == QLatin1String("save"))
        desk.commands.save();
    else if (command == QLatin1String("mark edit"))
        desk.document.singlesStore().setAt(0, 2);
    else
        QFAIL(qPrintable(command));
}

} // namespace

void TestMainCommands::commandsDuringALongOperationAreRefused_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("command");
    for (const char *operation : {"save", "open", "grading", "hits sort"})
        for (const char *command : {"sort", "hits sort", "clipboard import", "add", "new", "duplicates", "open", "save",
                                    "mark edit"})
            QTest::addRow("%s, then %s", operation, command) << QString::fromLatin1(operation) << QString::fromLatin1(command);
}

// The progress window lets the menus and the sheet work while a long
// operation runs; whatever the user fires then must not touch the list the
// operation works on.
void TestMainCommands::commandsDuringALongOperationAreRefused()
{
    QFETCH(QString, operation);
    QFETCH(QString, command);
    Desk desk;
    const QList<qint32> list = manySingles();
    desk.document.replaceSingles(list);
    desk.document.setCurrentFile(desk.app.filePath(QStringLiteral("UserData/QUDO/saved.csv")));
    desk.app.writeFile(QStringLiteral("UserData/QUDO/A-512.csv"), fileText(5000).toLatin1());
    desk.dialogs.answer = desk.app.filePath(QStringLiteral("UserData/QUDO/A-512.csv"));
    desk.clipboard.copy(QStringLiteral("22222222222222\r\n"));
    if (operation == QLatin1String("hits sort"))
        desk.document.selectPage(MainDocument::PageCheck);
    const int boxesBefore = int(desk.ui.boxes().size());
    const QStringList askedBefore = desk.dialogs.asked;

    int fired = 0;
    desk.ui.onProcessEvents = [&] {
        if (fired++ == 0)
            fire(desk, command);
    };
    if (operation == QLatin1String("save"))
        desk.commands.save();
    else if (operation == QLatin1String("open"))
        desk.commands.openPath(desk.dialogs.answer);
    else if (operation == QLatin1String("grading"))
        desk.document.selectPage(MainDocument::PageCheck);
    else
        desk.commands.sortByHits(true);
    desk.ui.onProcessEvents = {};

    QVERIFY(fired > 0);
    QVERIFY(!desk.document.busy());
    QVERIFY(!desk.document.singlesStore().locked());
    QCOMPARE(desk.ui.boxes().size(), boxesBefore);
    QCOMPARE(desk.dialogs.asked, askedBefore);
    if (operation == QLatin1String("open")) {
        QCOMPARE(desk.document.singles().size(), 5000);
        return;
    }
    QCOMPARE(desk.document.singles().size(), list.size());
    QCOMPARE(desk.document.resultEvaluation().singleCount(), operation == QLatin1String("save") ? 0 : 20000);
    if (operation != QLatin1String("save"))
        return;
    QCOMPARE(desk.document.singles(), list);
    qint32 count = 0;
    std::vector<qint32> saved;
    QVERIFY(SinglesCsvFile().csvLoad(desk.document.currentFile(), count, saved));
    QCOMPARE(QList<qint32>(saved.begin(), saved.end()), list);
}

void TestMainCommands::busyFlagLastsUntilTheOutermostOperationEnds()
{
    Desk desk;
    desk.document.replaceSingles({1, 2});
    {
        MainDocument::BusyScope outer(desk.document);
        {
            MainDocument::BusyScope inner(desk.document);
        }
        QVERIFY(desk.document.busy());
        QVERIFY(desk.document.singlesStore().locked());
        QVERIFY(!desk.document.selectPage(MainDocument::PageSingles));
        desk.commands.newFile();
        QCOMPARE(desk.document.singles().size(), 2);
    }
    QVERIFY(!desk.document.busy());
    QVERIFY(desk.document.selectPage(MainDocument::PageSingles));
}

void TestMainCommands::oneChangeGradesOnce()
{
    Desk desk;
    desk.app.writeFile(QStringLiteral("SysData/BIG_Result/big_result_1478.xml"),
                       OfficialSite::expectedFile(QStringLiteral("big_result_1478.xml")));
    desk.document.setResultAll(true);
    desk.document.replaceSingles(manySingles());
    const CheckPageController &result = desk.document.resultEvaluation();

    desk.document.roundSelection().setRoundNumber(1478);
    quint64 before = result.gradingCount();
    QVERIFY(desk.document.selectPage(MainDocument::PageCheck));
    QCOMPARE(result.gradingCount(), before + 1);
    QVERIFY(result.fullResult());

    desk.document.roundSelection().setRoundNumber(1477);
    before = result.gradingCount();
    QVERIFY(desk.document.selectPage(MainDocument::PageCheck));
    QCOMPARE(result.gradingCount(), before + 1);

    // One click in the outcome selector.
    const CellGrid &selector = result.multiResult().grid();
    before = result.gradingCount();
    desk.multi.click(1, 0, selector.colLeft(1) + 2, selector.rowTop(2) + 2);
    QCOMPARE(result.gradingCount(), before + 1);
}

// Opening a file tells the window nothing halfway: every change it hears of
// comes after the command has done all of its work.
void TestMainCommands::openTellsTheWindowOnceItEnds()
{
    Desk desk;
    desk.document.replaceSingles({1, 2, 3});
    desk.app.writeFile(QStringLiteral("UserData/QUDO/A-512.csv"), fileText(1500).toLatin1());
    QStringList heard;
    const auto hear = [&](const char *signal) {
        heard << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(QLatin1String(signal))
                     .arg(desk.document.singles().size())
                     .arg(desk.document.currentPage())
                     .arg(desk.document.roundSelection().roundText())
                     .arg(desk.document.currentFile().isEmpty() ? QStringLiteral("-") : QStringLiteral("file"));
    };
    connect(&desk.document, &MainDocument::roundTextChange, this, [&] { hear("text"); });
    connect(&desk.document, &MainDocument::roundChange, this, [&] { hear("round"); });
    connect(&desk.document, &MainDocument::pageChange, this, [&] { hear("page"); });
    connect(&desk.document, &MainDocument::titleChange, this, [&] { hear("title"); });
    connect(&desk.document, &MainDocument::downloadStatesChange, this, [&] { hear("downloads"); });
    desk.commands.openPath(desk.app.filePath(QStringLiteral("UserData/QUDO/A-512.csv")));
    QCOMPARE(heard, (QStringList{"text 1500 1 512 file", "round 1500 1 512 file", "downloads 1500 1 512 file",
                                 "page 1500 1 512 file", "title 1500 1 512 file"}));
}

QTEST_GUILESS_MAIN(TestMainCommands)
#include "TestMainCommands.moc"
