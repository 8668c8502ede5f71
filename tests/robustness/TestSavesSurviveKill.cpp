#include "TracedSave.h"

#include "acquisition/BigSettings.h"
#include "acquisition/TeamNameUpdate.h"
#include "app/AppState.h"
#include "app/TeamNameEditor.h"
#include "common/OfficialSite.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "evaluation/ResultAssumptionFile.h"
#include "lottery/SingleCode.h"
#include "rounddata/ResultFile.h"
#include "singles/SinglesCsvFile.h"
#include "support/AtomicFileWriter.h"
#include "support/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

#include <sys/syscall.h>

#include <functional>
#include <memory>
#include <vector>

// Every kind of file the program writes, saved in a child process that is
// killed with SIGKILL on entering one system call after another: after
// every kill the old file is byte for byte what it was or the new one is
// complete, and nothing else lies beside it but the new file under its
// hidden name, which the next save takes the place of.
class TestSavesSurviveKill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedSave_data();
    void killedSave();
};

namespace {

// One save: the file (below the application folder) and what it held before.
struct SaveCase
{
    QString file;
    QByteArray old;
    std::function<bool()> save;
};

// A large list of singles: a few megabytes of CSV, written in several chunks.
constexpr int largeListSingles = 200000;
// Kill points spread over the whole save, and every one of its last calls.
constexpr int spreadKills = 100;
constexpr int finalKills = 30;
constexpr int writeMargin = 20;

std::vector<qint32> largeList()
{
    QRandomGenerator random(16);
    std::vector<qint32> singles(largeListSingles);
    for (qint32 &code : singles)
        code = qint32(random.bounded(SingleCode::CodeCount));
    return singles;
}

ResultData changedResult()
{
    ResultFile xml;
    xml.xmlLoad(TestFiles::fixturePath(QStringLiteral("official/expected/big_result_1478.xml")));
    ResultData result = xml.result();
    result.prize[1] = Money::fromWhole(123456789);
    result.game[14].home = QStringLiteral("変更");
    return result;
}

SaveCase singlesFile()
{
    const QString file = QStringLiteral("UserData/QUDO/A-1478.csv");
    const auto singles = std::make_shared<std::vector<qint32>>(largeList());
    return {file, "1,0,2,0,0,0,0,0,0,0,0,0,0,0\r\n2,2,2,2,2,2,2,2,2,2,2,2,2,2\r\n", [singles] {
                return SinglesCsvFile().csvSave(QStringLiteral("UserData\\QUDO\\A-1478.csv"), *singles);
            }};
}

SaveCase stateFile()
{
    return {QStringLiteral("SysData/QUDO.ini"), TextCodec::encodeSjis(appStateText(AppState())), [] {
                return saveAppState(AppState{1500, false, true});
            }};
}

SaveCase settingsFile()
{
    setBigSettingsDefaults();
    const QByteArray old = TextCodec::encodeSjis(bigSettingsText(bigSettings()));
    return {QStringLiteral("SysData/bigSettings.ini"), old, [] {
                bigSettings().bigOfficialScheduleUrl = QStringLiteral("http://127.0.0.1:8080/schedule?holdCntId=");
                return saveBigSettings();
            }};
}

SaveCase roundFile()
{
    return {QStringLiteral("SysData/BIG_Result/big_result_1478.xml"),
            TestFiles::fixture(QStringLiteral("official/expected/big_result_1478.xml")), [] {
                ResultFile xml;
                xml.setResult(changedResult());
                return xml.xmlSave(xml.getFileName(1478, QString()));
            }};
}

SaveCase userTeamNames()
{
    return {QStringLiteral("SysData/TeamName3.dat"), TestFiles::fixture(QStringLiteral("teamnames/TeamName3.dat")), [] {
                return TeamNameEditor().add(QStringLiteral("ﾃｽﾄ"), QStringLiteral("テスト用クラブＦＣ"));
            }};
}

// The update downloads the newer file from a stand-in server of its own.
SaveCase updatedTeamNames(const TestAppFolder &app)
{
    return {QStringLiteral("SysData/TeamName2.dat"), app.readFile(QStringLiteral("SysData/TeamName2.dat")), [] {
                const OfficialSite site;
                site.pointUpdateHere();
                return TeamNameUpdate().downloadTeamName2(false);
            }};
}

SaveCase assumptionFile()
{
    GameStateTable before{};
    before[0] = {0, 2, 0};
    GameStateTable after = before;
    after[13] = {2, 0, 0};
    return {QStringLiteral("SysData/Temp/BIG_Result_1478.dat"), TextCodec::encodeSjis(ResultAssumptionFile::render(before)),
            [after] { return ResultAssumptionFile(1478, QString()).write(after); }};
}

SaveCase saveCase(const QString &kind, const TestAppFolder &app)
{
    if (kind == QStringLiteral("singles CSV"))
        return singlesFile();
    if (kind == QStringLiteral("QUDO.ini"))
        return stateFile();
    if (kind == QStringLiteral("bigSettings.ini"))
        return settingsFile();
    if (kind == QStringLiteral("round file"))
        return roundFile();
    if (kind == QStringLiteral("TeamName3.dat"))
        return userTeamNames();
    if (kind == QStringLiteral("TeamName2.dat update"))
        return updatedTeamNames(app);
    return assumptionFile();
}

QStringList entriesBeside(const TestAppFolder &app, const QString &file)
{
    return QDir(QFileInfo(app.filePath(file)).path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The system calls to kill the save at: spread over all it makes, every
// one from a little before the new file is opened to a little after it
// replaced the old one (a run may make a few calls more or fewer before it
// than another), and its last ones.
QList<int> killPoints(const TracedSave::Run &whole)
{
    QList<int> points;
    for (int i = 0; i < spreadKills; ++i)
        points << int(qint64(i) * whole.calls / spreadKills);
    if (whole.newFileOpen >= 0 && whole.lastRename >= 0) {
        for (int call = whole.newFileOpen - writeMargin; call <= whole.lastRename + writeMargin; ++call)
            points << call;
    }
    for (int call = whole.calls - finalKills; call < whole.calls; ++call)
        points << call;
    points.removeIf([&](int call) { return call < 0 || call >= whole.calls; });
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

} // namespace

void TestSavesSurviveKill::killedSave_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"singles CSV", "QUDO.ini", "bigSettings.ini", "round file", "TeamName3.dat",
                             "TeamName2.dat update", "assumption file"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestSavesSurviveKill::killedSave()
{
    QFETCH(QString, kind);
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    RecordingUi ui;
    const SaveCase save = saveCase(kind, app);
    app.writeFile(save.file, save.old);
    const QStringList entries = entriesBeside(app, save.file);

    // The whole save once: the new file, and the calls it takes.
    bool traceable = false;
    const TracedSave::Run whole = TracedSave::run(save.save, -1, &traceable);
    QVERIFY2(traceable, "the test cannot trace its child process here");
    QVERIFY(whole.finished);
    const QByteArray saved = app.readFile(save.file);
    QVERIFY(saved != save.old && !saved.isEmpty());
    QCOMPARE(entriesBeside(app, save.file), entries);

    const QString hidden = QFileInfo(AtomicFileWriter::temporaryPath(app.filePath(save.file))).fileName();
    int oldKept = 0, newComplete = 0, copiesLeft = 0;
    QVERIFY(whole.newFileOpen >= 0 && whole.lastRename > whole.newFileOpen);
    for (const int call : killPoints(whole)) {
        app.writeFile(save.file, save.old);
        const TracedSave::Run run = TracedSave::run(save.save, call);
        // A run may make a call or two fewer than the first (memory comes
        // and goes): one that ended before the kill point saved whole.
        QVERIFY2(run.killed || run.finished, qPrintable(QStringLiteral("call %1 of %2").arg(call).arg(whole.calls)));
        const QByteArray now = app.readFile(save.file);
        QVERIFY2(now == save.old || now == saved, qPrintable(QStringLiteral("killed at call %1").arg(call)));
        ++(now == saved ? newComplete : oldKept);
        QStringList left = entriesBeside(app, save.file);
        // Killed before the rename over the old file, the old one is
        // untouched and the new one may lie under its hidden name. Written
        // without a name, it is complete and only the rename's one call of
        // the save leaves it; named from the start (the portable path), any
        // call from its making on may leave it, with what was written so far.
        if (left.removeOne(hidden)) {
            ++copiesLeft;
            QCOMPARE(now, save.old);
            const QByteArray copy = app.readFile(QFileInfo(save.file).path() + u'/' + hidden);
            if (whole.newFileUnnamed) {
                QCOMPARE(run.killedCall, long(SYS_rename));
                QCOMPARE(copy, saved);
            } else {
                QVERIFY(saved.startsWith(copy));
            }
            // The next save takes its place.
            QVERIFY(TracedSave::run(save.save, -1).finished);
            QCOMPARE(app.readFile(save.file), saved);
            QCOMPARE(entriesBeside(app, save.file), entries);
        }
        QVERIFY2(left == entries, qPrintable(QStringLiteral("killed at call %1: ").arg(call) + left.join(u' ')));
    }
    qInfo("%s: %d system calls; killed %d times: old file kept %d times, new one complete %d times, "
          "the new one left under its hidden name %d times",
          qPrintable(kind), whole.calls, oldKept + newComplete, oldKept, newComplete, copiesLeft);
    QVERIFY(oldKept > 0 && newComplete > 0);
}

QTEST_GUILESS_MAIN(TestSavesSurviveKill)
#include "TestSavesSurviveKill.moc"
