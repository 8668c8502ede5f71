#include "ResultPage.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"
#include "evaluation/ResultAssumptionFile.h"
#include "support/DisplayScale.h"

#include <QDir>
#include <QTest>

namespace {

// The file's text: one "v0,v1,v2" line per match.
QString fileText(const QList<QList<int>> &lines)
{
    QStringList texts;
    for (const QList<int> &values : lines)
        texts.append(QStringLiteral("%1,%2,%3").arg(values[0]).arg(values[1]).arg(values[2]));
    return TestFiles::crlfLines(texts);
}

QList<QList<int>> noneKnown()
{
    return QList<QList<int>>(14, {0, 0, 0});
}

GameStateTable tableOf(const QList<QList<int>> &lines)
{
    GameStateTable table{};
    for (int match = 0; match < lines.size(); ++match)
        for (int outcome = 0; outcome < 3; ++outcome)
            table[std::size_t(match)][std::size_t(outcome)] = lines[match][outcome];
    return table;
}

} // namespace

// The user's assumptions of a round without a result: kept in SysData\Temp
// after every change of the user's, read when the round is shown again,
// deleted once the round has its result.
class TestResultAssumptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void fileNames_data();
    void fileNames();
    void userChangeIsSaved();
    void nothingSavedWithoutUserChange_data();
    void nothingSavedWithoutUserChange();
    void savedAssumptionsComeBack();
    void resultDeletesTheFile();
    void malformedFile_data();
    void malformedFile();

private:
    TestAppFolder *m_app = nullptr;
};

void TestResultAssumptions::init()
{
    DisplayScale::setDpiSource([] { return DisplayScale::Dpi{96, 96}; });
    m_app = new TestAppFolder(TestAppFolder::SysData::Empty);
}

void TestResultAssumptions::cleanup()
{
    delete m_app;
    m_app = nullptr;
    DisplayScale::setDpiSource({});
}

void TestResultAssumptions::fileNames_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("path");
    QTest::newRow("round 5") << 5 << "" << "SysData\\Temp\\BIG_Result_005.dat";
    QTest::newRow("round 512, group A") << 512 << "A" << "SysData\\Temp\\BIG_Result_512_A.dat";
    QTest::newRow("round 1479") << 1479 << "" << "SysData\\Temp\\BIG_Result_1479.dat";
}

void TestResultAssumptions::fileNames()
{
    QFETCH(int, round);
    QFETCH(QString, group);
    QTEST(ResultAssumptionFile(round, group).path(), "path");
}

void TestResultAssumptions::userChangeIsSaved()
{
    ResultPage page;
    page.result.setResultData(512, QStringLiteral("A"), ResultData(), false);
    QVERIFY(!m_app->exists(QStringLiteral("SysData/Temp/BIG_Result_512_A.dat")));
    page.clickSelector(1, 1);   // assumes a home win in match 1
    QList<QList<int>> expected = noneKnown();
    expected[0] = {0, 2, 0};
    QCOMPARE(m_app->readFile(QStringLiteral("SysData/Temp/BIG_Result_512_A.dat")), TestFiles::sjis(fileText(expected)));
    page.multi.scriptMenuChoices({0});
    page.clickSelector(14, 2, 2);   // 中止 for match 14
    expected[13] = {3, 3, 3};
    QCOMPARE(m_app->readFile(QStringLiteral("SysData/Temp/BIG_Result_512_A.dat")), TestFiles::sjis(fileText(expected)));
}

void TestResultAssumptions::nothingSavedWithoutUserChange_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<bool>("withResult");
    QTest::addColumn<bool>("userClick");
    QTest::newRow("round 0, user click") << 0 << false << true;
    QTest::newRow("result loaded, reveals") << 1478 << true << false;
    QTest::newRow("result loaded, user click") << 1478 << true << true;
    QTest::newRow("no result, shown and revealed") << 1479 << false << false;
}

void TestResultAssumptions::nothingSavedWithoutUserChange()
{
    QFETCH(int, round);
    QFETCH(bool, withResult);
    QFETCH(bool, userClick);
    ResultPage page;
    page.result.setResultData(round, {}, withResult ? resultOf(round, Outcomes1478) : ResultData(), false);
    page.setSingles({0, 1});
    page.result.setNextData();
    page.result.setAllData();
    if (userClick)
        page.clickSelector(2, 2);
    QVERIFY(!QDir(m_app->filePath(QStringLiteral("SysData/Temp"))).exists()
            || QDir(m_app->filePath(QStringLiteral("SysData/Temp"))).isEmpty());
}

void TestResultAssumptions::savedAssumptionsComeBack()
{
    QList<QList<int>> lines = noneKnown();
    lines[2] = {2, 0, 0};
    lines[6] = {3, 3, 3};
    const QByteArray bytes = TestFiles::sjis(fileText(lines));
    m_app->writeFile(QStringLiteral("SysData/Temp/BIG_Result_1479.dat"), bytes);
    ResultPage page;
    page.result.setResultData(1479, {}, ResultData(), false);
    QCOMPARE(page.result.multiResult().getValue(), tableOf(lines));
    QCOMPARE(page.result.multiResult().grid().caption(2, 4), QStringLiteral("○"));
    // Match 3 assumed "0": a single with "1" there misses it.
    page.setSingles({singleOf(QStringLiteral("00000000000000")), singleOf(QStringLiteral("00100000000000"))});
    QCOMPARE(page.result.gradeCode(0), quint8(1));
    QCOMPARE(page.result.gradeCode(1), quint8(2));
    // Showing the round again changes nothing and writes nothing.
    page.result.setResultData(1479, {}, ResultData(), false);
    QCOMPARE(m_app->readFile(QStringLiteral("SysData/Temp/BIG_Result_1479.dat")), bytes);
}

void TestResultAssumptions::resultDeletesTheFile()
{
    QList<QList<int>> lines = noneKnown();
    lines[0] = {0, 0, 2};
    m_app->writeFile(QStringLiteral("SysData/Temp/BIG_Result_1478.dat"), TestFiles::sjis(fileText(lines)));
    ResultPage page;
    page.result.setResultData(1478, {}, resultOf(1478, Outcomes1478), false);
    QVERIFY(!m_app->exists(QStringLiteral("SysData/Temp/BIG_Result_1478.dat")));
    // The official result replaces the assumptions: nothing is shown until revealed.
    QCOMPARE(page.result.multiResult().getValue(), GameStateTable{});
}

void TestResultAssumptions::malformedFile_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<QList<QList<int>>>("read");

    QList<QList<int>> full = noneKnown();
    full[0] = {0, 2, 0};
    full[1] = {2, 0, 0};
    QList<QList<int>> firstTwo = noneKnown();
    firstTwo[0] = {0, 2, 0};
    firstTwo[1] = {2, 0, 0};

    const QString lines = fileText(full);
    QTest::newRow("empty file") << QString() << 9 << noneKnown();
    QTest::newRow("thirteen lines") << lines.left(lines.lastIndexOf(QStringLiteral("0,0,0"))) << 9 << full;
    QList<QList<int>> partOfThird = firstTwo;
    QString shortField = lines;
    shortField.replace(14, 5, QStringLiteral("1,0"));   // the third line
    partOfThird[2] = {1, 0, 0};
    QTest::newRow("two values on line 3") << shortField << 9 << partOfThird;
    QString letter = lines;
    letter.replace(7, 5, QStringLiteral("2,x,0"));   // the second line
    QList<QList<int>> partOfSecond = noneKnown();
    partOfSecond[0] = {0, 2, 0};
    partOfSecond[1] = {2, 0, 0};
    QTest::newRow("letter on line 2") << letter << 13 << partOfSecond;
    // The program writes the game states 0 to 3 only; 256 would grade as a miss.
    for (const char *value : {"4", "256", "-1"}) {
        QString beyond = lines;
        beyond.replace(7, 5, QStringLiteral("2,%1,0").arg(QLatin1String(value)));
        QTest::addRow("state %s on line 2", value) << beyond << 6 << partOfSecond;
    }
}

void TestResultAssumptions::malformedFile()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(QList<QList<int>>, read);
    RecordingUi ui;
    m_app->writeFile(QStringLiteral("SysData/Temp/BIG_Result_1479.dat"), TestFiles::sjis(text));
    ResultPage page;
    page.result.setResultData(1479, {}, ResultData(), false);
    QCOMPARE(ui.boxes().size(), 1);
    QCOMPARE(ui.boxes()[0].icon, Ui::Icon::Error);
    QCOMPARE(ui.boxes()[0].title, QStringLiteral("QUDO / clsTResult / LoadResultTemp"));
    QVERIFY2(ui.boxes()[0].text.endsWith(QStringLiteral(" ( %1 )").arg(number)), qPrintable(ui.boxes()[0].text));
    // The values read before the fault are used, and the file stays as it was.
    QCOMPARE(page.result.multiResult().getValue(), tableOf(read));
    QCOMPARE(m_app->readFile(QStringLiteral("SysData/Temp/BIG_Result_1479.dat")), TestFiles::sjis(text));
}

QTEST_GUILESS_MAIN(TestResultAssumptions)
#include "TestResultAssumptions.moc"
