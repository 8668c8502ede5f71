#include "app/MainCommands.h"
#include "app/MainDocument.h"
#include "app/ProtectedFolder.h"
#include "common/FakeClipboard.h"
#include "common/RecordingBarSurface.h"
#include "common/RecordingSheetSurface.h"
#include "common/RecordingSurface.h"
#include "common/RecordingUi.h"
#include "common/ScriptedDialogs.h"
#include "common/TestAppFolder.h"
#include "lottery/clsTNumber.h"

#include <QTest>

#include <memory>

// The menu commands on the main window's document, with scripted dialogs, a
// recording Ui and a fake clipboard.
namespace {

// A document whose page controllers draw on recording surfaces.
struct Desk
{
    Desk()
    {
        document.Load();
        document.SingleGame().Initialize(&games, 26);
        document.SinglesView().Initialize(&sheet, &counts, &estimates);
        document.ResultEvaluation().Initialize(&result, &grades, &multi, &resultCounts, &kakutei, nullptr, {});
        document.MatchList().Initialize(&matches, &votes, &bars, false);
    }

    TestAppFolder app{TestAppFolder::SysData::Shipped};
    RecordingUi ui;
    RecordingSurface games, counts, estimates, result, grades, multi, resultCounts, kakutei, matches, votes;
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
    void duplicateRemovalMessages_data();
    void duplicateRemovalMessages();
    void sortItemsWithoutVoteData();
    void clipboardImportReplacesTheList();
    void newForgetsListAndFile();
    void protectedFolders_data();
    void protectedFolders();
};

void TestMainCommands::openAddsTheExtension()
{
    Desk desk;
    desk.app.writeFile(QStringLiteral("UserData/QUDO/A-512.txt.csv"), fileText(2).toLatin1());
    desk.dialogs.answer = desk.app.filePath(QStringLiteral("UserData/QUDO/A-512.txt"));
    desk.commands.Open();
    QCOMPARE(desk.dialogs.asked, QStringList{"ファイルを開く|CSVファイル(*.csv)|A-001.csv"});
    QCOMPARE(desk.document.Singles().size(), 2);
    QVERIFY(desk.document.CurrentFile().endsWith(QStringLiteral("A-512.txt.csv")));
    QCOMPARE(desk.document.Title(), QStringLiteral(" Quorvel  QUDO - [A-512.txt.csv]"));
}

void TestMainCommands::openSwitchesToTheFilesRound()
{
    Desk desk;
    desk.document.RoundSelection().SetKaisaikai(100);
    desk.app.writeFile(QStringLiteral("UserData/QUDO/A-512.csv"), fileText(12).toLatin1());
    desk.dialogs.answer = desk.app.filePath(QStringLiteral("UserData/QUDO/A-512.csv"));
    desk.commands.Open();
    QCOMPARE(desk.document.Kaisaikai(), 512);
    QCOMPARE(desk.document.RoundSelection().RoundText(), QStringLiteral("512"));
    QCOMPARE(desk.document.CurrentPage(), int(MainDocument::SinglesPage));
    QCOMPARE(desk.document.Singles().size(), 12);
    QCOMPARE(desk.document.SingleFrame()[1][0], 12);
    QVERIFY(desk.ui.boxes().isEmpty());
}

void TestMainCommands::failedOpenLeavesNoFileToOverwrite()
{
    Desk desk;
    desk.dialogs.answer = desk.app.filePath(QStringLiteral("UserData/QUDO/A-512.txt"));
    desk.commands.Open();
    QCOMPARE(desk.ui.boxes().size(), 1);   // the file A-512.txt.csv does not exist
    QVERIFY(desk.document.Singles().isEmpty());
    QVERIFY(desk.document.CurrentFile().isEmpty());
    QCOMPARE(desk.document.Kaisaikai(), 512);
}

void TestMainCommands::saveWithoutFileAsksForAName()
{
    Desk desk;
    desk.document.ReplaceSingles({0, 19, clsTNumber::MaxCode});
    desk.dialogs.answer = desk.app.filePath(QStringLiteral("UserData/QUDO/mine"));
    desk.commands.Save();
    QCOMPARE(desk.dialogs.asked, QStringList{"名前を付けて保存|CSVファイル(*.csv)|A-001.csv"});
    QCOMPARE(desk.app.readFile(QStringLiteral("UserData/QUDO/mine.csv")),
             QByteArray("0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n1,0,2,0,0,0,0,0,0,0,0,0,0,0\r\n"
                        "2,2,2,2,2,2,2,2,2,2,2,2,2,2\r\n"));
    QVERIFY(desk.document.CurrentFile().endsWith(QStringLiteral("mine.csv")));

    // Now there is a file: no more questions.
    desk.document.ReplaceSingles({19});
    desk.commands.Save();
    QCOMPARE(desk.dialogs.asked.size(), 1);
    QCOMPARE(desk.app.readFile(QStringLiteral("UserData/QUDO/mine.csv")), QByteArray("1,0,2,0,0,0,0,0,0,0,0,0,0,0\r\n"));
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
    desk.document.ReplaceSingles(singles);
    desk.commands.RemoveDuplicates();
    QCOMPARE(desk.document.Singles(), kept);
    QCOMPARE(desk.document.CurrentPage(), int(MainDocument::CheckPage));
    QCOMPARE(desk.ui.boxes().size(), 1);
    QVERIFY2(desk.ui.boxes()[0].text.contains(message), qPrintable(desk.ui.boxes()[0].text));
}

void TestMainCommands::sortItemsWithoutVoteData()
{
    Desk desk;
    MainCommands::SortItems items = desk.commands.EnabledSortItems();
    QVERIFY(!items.estimatesAndPopularity);
    QVERIFY(!items.hits);
    QVERIFY(!items.singlesEditing);
    desk.document.SelectPage(MainDocument::CheckPage);
    QVERIFY(desk.commands.EnabledSortItems().hits);

    // Marks sort without vote data; the list keeps its frame.
    desk.document.ReplaceSingles({2, 0, 1});
    desk.commands.Sort(MainCommands::ByMark, 1, true);
    QCOMPARE(desk.document.Singles().size(), 3);
    QCOMPARE(desk.document.SingleFrame()[1][0], 1);
}

void TestMainCommands::clipboardImportReplacesTheList()
{
    Desk desk;
    desk.document.ReplaceSingles({5, 6, 7, 8});
    desk.clipboard.copy(QStringLiteral("10201020102010\r\n22222222222222\r\n"));
    desk.commands.ImportFromClipboard();
    QCOMPARE(desk.document.Singles().size(), 2);
    QCOMPARE(desk.document.CurrentPage(), int(MainDocument::CheckPage));
    QCOMPARE(desk.ui.boxes().last().text, QStringLiteral("2口取り込みしました"));

    // Nothing to import changes nothing.
    desk.clipboard.copy(QStringLiteral("no singles here"));
    desk.commands.ImportFromClipboard();
    QCOMPARE(desk.document.Singles().size(), 2);

    // Out again, one single a line, and back in: the same list.
    desk.commands.CopyToClipboard(3);
    QCOMPARE(desk.clipboard.held(), QStringLiteral("1:10201020102010\r\n2:22222222222222\r\n"));
    const QList<qint32> exported = desk.document.Singles();
    desk.document.ReplaceSingles({});
    desk.commands.ImportFromClipboard();
    QCOMPARE(desk.document.Singles(), exported);
}

void TestMainCommands::newForgetsListAndFile()
{
    Desk desk;
    desk.document.ReplaceSingles({5, 6});
    desk.document.setCurrentFile(QStringLiteral("C:\\round123.csv"));
    desk.document.SelectPage(MainDocument::SinglesPage);
    desk.commands.New();
    QVERIFY(desk.document.Singles().isEmpty());
    QCOMPARE(desk.document.SingleFrame()[0][0], 0);
    QCOMPARE(desk.document.CurrentPage(), int(MainDocument::HomePage));
    QCOMPARE(desk.document.Title(), QStringLiteral(" Quorvel  QUDO"));
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

QTEST_GUILESS_MAIN(TestMainCommands)
#include "TestMainCommands.moc"
