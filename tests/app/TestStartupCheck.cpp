#include "support/DisplayScale.h"
#include "app/StartupCheck.h"
#include "common/TestAppFolder.h"

#include <QTest>

class TestStartupCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstFailingCheck_data();
    void firstFailingCheck();
    void sysDataThatIsAFile();
    void scaleFactorsAreComputedOnce();
};

void TestStartupCheck::firstFailingCheck_data()
{
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QString>("message");
    QTest::newRow("complete") << QStringList{} << QString();
    QTest::newRow("no SysData") << QStringList{"SysData"} << "システムデータフォルダ(SysData)が見つかりません";
    QTest::newRow("TeamName") << QStringList{"SysData/TeamName.dat", "SysData/J1J2.dat"}
                              << "データファイル(TeamName.dat)が見つかりません";
    QTest::newRow("TeamName1 before J1J2") << QStringList{"SysData/TeamName1.dat", "SysData/J1J2.dat"}
                                           << "データファイル(TeamName1.dat)が見つかりません";
    QTest::newRow("TeamName2") << QStringList{"SysData/TeamName2.dat"} << "データファイル(TeamName2.dat)が見つかりません";
    QTest::newRow("J1J2") << QStringList{"SysData/J1J2.dat"} << "データファイル(J1J2.dat)が見つかりません";
    QTest::newRow("optional files are not needed")
        << QStringList{"SysData/TeamName3.dat", "SysData/bigSettings.ini", "SysData/QUDO.ini"} << QString();
}

void TestStartupCheck::firstFailingCheck()
{
    QFETCH(QStringList, removed);
    QFETCH(QString, message);
    TestAppFolder app(TestAppFolder::SysData::Shipped);
    for (const QString &path : removed)
        app.remove(path);
    QCOMPARE(StartupCheck::firstFailure(), message);
}

void TestStartupCheck::sysDataThatIsAFile()
{
    TestAppFolder app(TestAppFolder::SysData::None);
    app.writeFile(QStringLiteral("SysData"), "a file");
    // A file counts as the folder, so the first reference file is the one missing.
    QCOMPARE(StartupCheck::firstFailure(), QStringLiteral("データファイル(TeamName.dat)が見つかりません"));
}

void TestStartupCheck::scaleFactorsAreComputedOnce()
{
    int asked = 0;
    DisplayScale::setDpiSource([&asked] {
        ++asked;
        return DisplayScale::Dpi{144.0, 120.0};
    });
    QCOMPARE(DisplayScale::scaleX(40), 60.0);
    QCOMPARE(DisplayScale::scaleY(20), 25.0);
    QCOMPARE(DisplayScale::scaleX(10), 15.0);
    QCOMPARE(asked, 2);   // once across, once down
    DisplayScale::setDpiSource({});
    QCOMPARE(DisplayScale::factorX(), 1.0);
}

QTEST_GUILESS_MAIN(TestStartupCheck)
#include "TestStartupCheck.moc"
