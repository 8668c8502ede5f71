#include "app/AppState.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "support/AppInfo.h"

#include <QTest>

// QUDO.ini: what the main window remembers between runs.
class TestAppState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsEachEntry_data();
    void readsEachEntry();
    void writesTheSixLineLayout();
    void emptyRoundBoxIsKeptAsMinusOne();
};

namespace {

const QString iniPath = QStringLiteral("SysData/QUDO.ini");
const QString corrupt = QStringLiteral("QUDO.iniファイルが破損しています。");

} // namespace

void TestAppState::readsEachEntry_data()
{
    QTest::addColumn<QString>("file");   // empty: no file at all
    QTest::addColumn<int>("round");
    QTest::addColumn<bool>("ask");
    QTest::addColumn<bool>("all");
    QTest::addColumn<int>("corruptMessages");
    QTest::newRow("no file") << QString() << 1 << true << false << 0;
    QTest::newRow("only ResultAll") << "ResultAll = 1\r\n" << 1 << true << true << 0;
    QTest::newRow("all three") << "Kaisaikai = 1478\r\nDownloadMessage = 0\r\nResultAll = 1\r\n" << 1478 << false << true << 0;
    QTest::newRow("words and numbers") << "DownloadMessage = False\r\nResultAll = -3\r\n" << 1 << false << true << 0;
    QTest::newRow("round abc") << "Kaisaikai = abc\r\nResultAll = 1\r\n" << 1 << true << true << 1;
    QTest::newRow("two bad values") << "Kaisaikai = abc\r\nResultAll = yes\r\n" << 1 << true << false << 2;
    QTest::newRow("round beyond 32 bits") << "Kaisaikai = 99999999999\r\n" << 1 << true << false << 1;
}

void TestAppState::readsEachEntry()
{
    QFETCH(QString, file);
    QFETCH(int, round);
    QFETCH(bool, ask);
    QFETCH(bool, all);
    QFETCH(int, corruptMessages);
    TestAppFolder app;
    RecordingUi ui;
    if (!file.isEmpty())
        app.writeFile(iniPath, TestFiles::sjis(QStringLiteral(";Quorvel QUDO Ini File (QUDO.ini)\r\n") + file));

    const AppState state = loadAppState();
    QCOMPARE(state.roundNumber, round);
    QCOMPARE(state.downloadMessage, ask);
    QCOMPARE(state.resultAll, all);
    QCOMPARE(ui.boxes().size(), corruptMessages);
    for (const RecordingUi::Box &box : ui.boxes()) {
        QCOMPARE(box.icon, Ui::Icon::Error);
        QCOMPARE(box.title, QStringLiteral("QUDO"));
        QCOMPARE(box.text, corrupt);
    }
}

void TestAppState::writesTheSixLineLayout()
{
    TestAppFolder app;
    RecordingUi ui;
    QVERIFY(saveAppState(AppState{1478, false, true}));
    const QByteArray expected = TestFiles::sjis(QStringLiteral(";Quorvel QUDO Ini File (QUDO.ini)\r\n;")
                                                + AppInfo::legalNotice()
                                                + QStringLiteral("\r\n\r\nKaisaikai = 1478\r\nDownloadMessage = 0\r\nResultAll = 1\r\n"));
    QCOMPARE(app.readFile(iniPath), expected);

    // What was written reads back as it was.
    const AppState read = loadAppState();
    QCOMPARE(read.roundNumber, 1478);
    QCOMPARE(read.downloadMessage, false);
    QCOMPARE(read.resultAll, true);
    QVERIFY(ui.boxes().isEmpty());
}

void TestAppState::emptyRoundBoxIsKeptAsMinusOne()
{
    TestAppFolder app;
    RecordingUi ui;
    QVERIFY(saveAppState(AppState{-1, true, false}));
    QCOMPARE(loadAppState().roundNumber, -1);
}

QTEST_GUILESS_MAIN(TestAppState)
#include "TestAppState.moc"
