#include "acquisition/BigSettings.h"
#include "acquisition/LoggedDownload.h"
#include "common/RecordingUi.h"
#include "common/TestAppFolder.h"
#include "common/TestFiles.h"

#include <QFile>
#include <QTest>

namespace {

const QString settingsFile = QStringLiteral("SysData/bigSettings.ini");
const QString corruptMessage = QStringLiteral("bigSettings.iniファイルが破損しています。");
const QString customResultUrl = QStringLiteral("http://127.0.0.1:8080/result?holdCntId=");

QByteArray defaultFile()
{
    return TestFiles::fixture(QStringLiteral("settings/bigSettings_default.ini"));
}

} // namespace

class TestBigSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void missingFileIsWrittenInItsLayout();
    void oldVersionIsReplacedByDefaults_data();
    void oldVersionIsReplacedByDefaults();
    void currentVersionIsReadAndKept();
    void versionNotANumber();
    void downloadLimitsAddedByHand_data();
    void downloadLimitsAddedByHand();
    void unusualBytesAreRead_data();
    void unusualBytesAreRead();
    void unreadableFile();
    void unwritableFileIsReportedAndStartGoesOn();

private:
    std::unique_ptr<TestAppFolder> m_app;
    std::unique_ptr<RecordingUi> m_ui;
};

void TestBigSettings::init()
{
    m_app = std::make_unique<TestAppFolder>(TestAppFolder::SysData::Shipped);
    m_ui = std::make_unique<RecordingUi>();
    bigSettings() = BigSettings();
}

void TestBigSettings::cleanup()
{
    m_ui.reset();
    m_app.reset();
}

void TestBigSettings::missingFileIsWrittenInItsLayout()
{
    loadBigSettings();
    QCOMPARE(m_app->readFile(settingsFile), defaultFile());
    QCOMPARE(bigSettings().version, 1);
    QCOMPARE(bigSettings().bigOfficialBigUrl, QStringLiteral("&commodityId=09"));
    QVERIFY(m_ui->boxes().isEmpty());
}

void TestBigSettings::oldVersionIsReplacedByDefaults_data()
{
    QTest::addColumn<QString>("versionLine");
    QTest::newRow("version 0") << "Version = 0";
    QTest::newRow("no version") << "";
    QTest::newRow("negative") << "Version = -3";
}

void TestBigSettings::oldVersionIsReplacedByDefaults()
{
    QFETCH(QString, versionLine);
    m_app->writeFile(settingsFile, TestFiles::sjis(TestFiles::crlfLines(
                                       {";old", versionLine, QStringLiteral("bigOfficialResultUrl = ") + customResultUrl})));
    loadBigSettings();
    QCOMPARE(m_app->readFile(settingsFile), defaultFile());
    QVERIFY(bigSettings().bigOfficialResultUrl.startsWith(QStringLiteral("https://store.toto-dream.com/")));
    QVERIFY(m_ui->boxes().isEmpty());
}

void TestBigSettings::currentVersionIsReadAndKept()
{
    const QByteArray file = TestFiles::sjis(TestFiles::crlfLines(
        {"Version = 1", QStringLiteral("bigOfficialResultUrl = ") + customResultUrl, "bigOfficialBigUrl =", "extra line"}));
    m_app->writeFile(settingsFile, file);
    loadBigSettings();
    QCOMPARE(bigSettings().bigOfficialResultUrl, customResultUrl);
    QCOMPARE(bigSettings().bigOfficialBigUrl, QStringLiteral("&commodityId=09"));   // empty value: default
    QCOMPARE(bigSettings().totoOfficialTotoUrl, QStringLiteral("&commodityId=01"));
    QCOMPARE(m_app->readFile(settingsFile), file);
    QVERIFY(m_ui->boxes().isEmpty());
}

void TestBigSettings::versionNotANumber()
{
    const QByteArray file = TestFiles::sjis(TestFiles::crlfLines(
        {"Version = abc", QStringLiteral("bigOfficialResultUrl = ") + customResultUrl}));
    m_app->writeFile(settingsFile, file);
    loadBigSettings();
    QCOMPARE(m_ui->boxes().size(), 1);
    QCOMPARE(m_ui->boxes()[0].icon, Ui::Icon::Error);
    QCOMPARE(m_ui->boxes()[0].title, QStringLiteral("QUDO"));
    QCOMPARE(m_ui->boxes()[0].text, corruptMessage);
    QCOMPARE(bigSettings().version, 1);
    QCOMPARE(bigSettings().bigOfficialResultUrl, customResultUrl);
    QCOMPARE(m_app->readFile(settingsFile), file);
}

void TestBigSettings::downloadLimitsAddedByHand_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("transfer");
    QTest::addColumn<int>("receive");
    QTest::addColumn<int>("boxes");
    QTest::newRow("none: the defaults") << QByteArray() << 60000 << 30000 << 0;
    QTest::newRow("two of them") << QByteArray("TransferTimeout = 90000\r\nReceiveTimeout = 20000\r\n") << 90000 << 20000 << 0;
    QTest::newRow("not a number") << QByteArray("TransferTimeout = soon\r\n") << 60000 << 30000 << 1;
}

void TestBigSettings::downloadLimitsAddedByHand()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, transfer);
    QFETCH(int, receive);
    QFETCH(int, boxes);
    const QByteArray file = defaultFile() + lines;
    m_app->writeFile(settingsFile, file);
    loadBigSettings();
    QCOMPARE(bigSettings().transferTimeout, transfer);
    QCOMPARE(bigSettings().receiveTimeout, receive);
    QCOMPARE(bigSettings().connectTimeout, 15000);
    QCOMPARE(m_ui->boxes().size(), boxes);
    if (boxes > 0)
        QCOMPARE(m_ui->boxes()[0].text, corruptMessage);
    // The file is the user's: never rewritten for them.
    QCOMPARE(m_app->readFile(settingsFile), file);
    const LoggedDownload inet;
    QCOMPARE(inet.transferTimeout(), transfer);
    QCOMPARE(inet.receiveTimeout(), receive);
    setBigSettingsDefaults();
}

void TestBigSettings::unusualBytesAreRead_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("rewritten");
    QTest::addColumn<QString>("resultUrl");
    const QByteArray custom = "bigOfficialResultUrl = " + customResultUrl.toLatin1() + "\r\n";
    // Bare LF: the whole file is one comment line, so no version: rewritten.
    QTest::newRow("bare line feeds") << QByteArray(";head\nVersion = 1\nbigOfficialResultUrl = x\n") << true << QString();
    // Everything from the first NUL on is ignored.
    QTest::newRow("nul byte") << QByteArray("Version = 1\r\n" + custom + QByteArray("\0Version = 0\r\n", 14)) << false
                              << customResultUrl;
    QTest::newRow("not shift_jis") << QByteArray("\xff\xfe\x80;\r\nVersion = 1\r\n" + custom) << false << customResultUrl;
}

void TestBigSettings::unusualBytesAreRead()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, rewritten);
    QFETCH(QString, resultUrl);
    m_app->writeFile(settingsFile, file);
    loadBigSettings();
    QCOMPARE(m_app->readFile(settingsFile), rewritten ? defaultFile() : file);
    if (!resultUrl.isEmpty())
        QCOMPARE(bigSettings().bigOfficialResultUrl, resultUrl);
    QVERIFY(m_ui->boxes().isEmpty());
}

void TestBigSettings::unreadableFile()
{
    const QString path = m_app->filePath(settingsFile);
    if (TestFiles::ignoresFilePermissions()) {
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), path));   // exists, cannot be read
    } else {
        m_app->writeFile(settingsFile, defaultFile());
        QFile::setPermissions(path, QFile::WriteOwner);
    }
    loadBigSettings();

    // The read failure, "Initialize Err" for every lookup, and the corruption message.
    const auto &boxes = m_ui->boxes();
    QVERIFY(boxes.size() >= 3);
    QCOMPARE(boxes.first().title, QStringLiteral("QUDO / clsFileStream / LoadFromFile"));
    QCOMPARE(std::count_if(boxes.begin(), boxes.end(), [](const RecordingUi::Box &box) { return box.text == corruptMessage; }), 1);
    QCOMPARE(std::count_if(boxes.begin(), boxes.end(), [](const RecordingUi::Box &box) { return box.text == u"Initialize Err"; }), 9);
    QCOMPARE(bigSettings().version, 1);
    QVERIFY(bigSettings().bigOfficialScheduleUrl.isEmpty());
    QVERIFY(bigSettings().totoOfficialTotoUrl.isEmpty());
    QVERIFY(QFileInfo(path).isSymLink() || QFileInfo(path).size() == defaultFile().size());
}

void TestBigSettings::unwritableFileIsReportedAndStartGoesOn()
{
    // A folder where the file should be: the file can be neither read nor written.
    QVERIFY(QDir(m_app->filePath(QStringLiteral("SysData"))).mkdir(QStringLiteral("bigSettings.ini")));
    loadBigSettings();
    QCOMPARE(m_ui->boxes().size(), 1);
    QCOMPARE(m_ui->boxes()[0].title, QStringLiteral("QUDO / clsFileStream / SaveToFile"));
    QCOMPARE(bigSettings().version, 1);
    QCOMPARE(bigSettings().bigOfficialBigUrl, QStringLiteral("&commodityId=09"));
}

QTEST_GUILESS_MAIN(TestBigSettings)
#include "TestBigSettings.moc"
