#include "acquisition/TeamNameUpdate.h"
#include "common/OfficialSite.h"
#include "common/TestFiles.h"
#include "lottery/TeamNames.h"

#include <QDir>
#include <QTest>

namespace {

const QString versionAddress = QStringLiteral("/download/2021/version.dat");
const QString fileAddress = QStringLiteral("/download/2021/TeamName2.dat");
const QString teamName2 = QStringLiteral("SysData/TeamName2.dat");

QString question()
{
    return boxLine(Ui::Icon::Question, QStringLiteral("  Quorvel"),
                   QStringLiteral("Quorvelより 海外チーム名 をダウンロードします。よろしいですか？"));
}

QString warning(const QString &text)
{
    return boxLine(Ui::Icon::Warning, QStringLiteral(" Quorvel"), text);
}

QString downloadWarning(const QString &cause)
{
    return warning(QStringLiteral("インターネットよりダウンロードに失敗しました。\r\n") + cause);
}

QString info(const QString &text)
{
    return boxLine(Ui::Icon::Information, QStringLiteral(" Quorvel"), text);
}

const QString latest = QStringLiteral("海外チーム名の情報は最新です。");
const QString updated = QStringLiteral("海外チーム名を最新版に更新しました。");

QByteArray manifest(const QString &entries)
{
    return TestFiles::sjis(QStringLiteral(";versions\r\n[Version]\r\n") + entries + QStringLiteral("\r\n[VersionEnd]\r\n"));
}

QByteArray teamFile(const QString &version, const QString &revision)
{
    return TestFiles::sjis(QStringLiteral(";Test (TeamName2.dat)\r\nVersion = ") + version + QStringLiteral("\r\nRevision = ")
                           + revision + QStringLiteral("\r\nｵｰﾊﾞｰ = Overseas FC\r\n[End]\r\n"));
}

const QByteArray notFoundPage =
    "<html><head><title>404 Not Found</title></head><body><h1>Not Found</h1>"
    "<p>The requested URL was not found on this server.</p></body></html>";

} // namespace

class TestTeamNameUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void buildSettingIsReservedHost();
    void newerFileReplacesInstalledOne();
    void declinedQuestionAsksNothing();
    void versions_data();
    void versions();
    void badDownload_data();
    void badDownload();
    void noServerThenServer();
    void failedSaveKeepsFile();
    void versionNumber_data();
    void versionNumber();
    void itemBeforeAndAfterLoad();
};

void TestTeamNameUpdate::cleanup()
{
    TeamNameUpdate::setServerHost(QString());
}

void TestTeamNameUpdate::buildSettingIsReservedHost()
{
    const QUrl base(TeamNameUpdate::baseAddress());
    QCOMPARE(base.scheme(), QStringLiteral("http"));
    QCOMPARE(base.path(), QStringLiteral("/download/2021/"));
    QVERIFY(base.host().endsWith(QLatin1String(".invalid")));
    TeamNameUpdate::setServerHost(QStringLiteral("127.0.0.1:8080"));
    QCOMPARE(TeamNameUpdate::baseAddress(), QStringLiteral("http://127.0.0.1:8080/download/2021/"));
}

void TestTeamNameUpdate::newerFileReplacesInstalledOne()
{
    DownloadTestBed bed;
    bed.site.pointUpdateHere();
    QCOMPARE(TeamNames().getTeamName2Version(), QStringLiteral("1.0"));
    bed.ui.scriptAnswers({Ui::Answer::Yes});
    TeamNameUpdate download;
    QVERIFY(download.downloadTeamName2(true));
    QCOMPARE(boxLines(bed.ui), (QStringList{question(), info(updated)}));
    QCOMPARE(bed.app.readFile(teamName2), OfficialSite::updateFile(QStringLiteral("TeamName2.dat")));
    QCOMPARE(TeamNames().getTeamName2Version(), QStringLiteral("1.1"));
    QCOMPARE(bed.site.requestsFor(versionAddress), 1);
    QCOMPARE(bed.site.requestsFor(fileAddress), 1);
    QCOMPARE(bed.ui.closedConnectionLogs().size(), 2);
    QCOMPARE(bed.ui.closedConnectionLogs()[0].value(0), QStringLiteral(" ファイルバージョン取得中 (Quorvel)"));
    QCOMPARE(bed.ui.closedConnectionLogs()[1].value(0), QStringLiteral(" 海外チーム名取得中 (Quorvel)"));

    // The manifest is kept: the next call only compares.
    bed.ui.clear();
    QVERIFY(download.downloadTeamName2(false));
    QCOMPARE(boxLines(bed.ui), QStringList{info(latest)});
    QCOMPARE(bed.site.requests(), 2);
}

void TestTeamNameUpdate::declinedQuestionAsksNothing()
{
    DownloadTestBed bed;
    bed.site.pointUpdateHere();
    bed.ui.scriptAnswers({Ui::Answer::No});
    QVERIFY(!TeamNameUpdate().downloadTeamName2(true));
    QCOMPARE(boxLines(bed.ui), QStringList{question()});
    QCOMPARE(bed.site.requests(), 0);
}

void TestTeamNameUpdate::versions_data()
{
    QTest::addColumn<QByteArray>("manifest");
    QTest::addColumn<QByteArray>("installed");
    QTest::addColumn<QByteArray>("served");   // TeamName2.dat on the server
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("replaced");
    const QByteArray v15 = teamFile("1", "5");
    QTest::newRow("same version") << manifest("TeamName2.dat = 1.5") << v15 << teamFile("1", "6") << true << info(latest) << false;
    QTest::newRow("1.10 is newer than 1.9")
        << manifest("TeamName2.dat = 1.10") << teamFile("1", "9") << teamFile("1", "10") << true << info(updated) << true;
    QTest::newRow("server older") << manifest("TeamName2.dat = 1.5") << teamFile("2", "0") << v15 << false
                                  << warning("海外チーム名のバージョンが異常です。") << false;
    QTest::newRow("key in lower case") << manifest("teamname2.dat = 1.5") << v15 << v15 << true << info(latest) << false;
    QTest::newRow("first entry wins") << manifest("TeamName2.dat = 1.5\r\nTeamName2.dat = 9.0") << v15 << v15 << true
                                      << info(latest) << false;
    QTest::newRow("empty value is no entry") << manifest("TeamName2.dat =\r\nTeamName2.dat = 1.5") << v15 << v15 << true
                                             << info(latest) << false;
    QTest::newRow("entries after the end mark, comments, sections")
        << TestFiles::sjis(QStringLiteral("// list\r\n[VersionEnd]\r\n ; TeamName2.dat = 9.9\r\n[Files]\r\n  TeamName2.dat  =  1.5  \r\n"))
        << v15 << v15 << true << info(latest) << false;
    const QString noServerVersion = QStringLiteral("海外チーム名のバージョン取得に失敗しました。");
    QTest::newRow("no entry") << manifest("TeamName.dat = 1.5") << v15 << v15 << false << warning(noServerVersion) << false;
    QTest::newRow("version without dot") << manifest("TeamName2.dat = 15") << v15 << v15 << false << warning(noServerVersion)
                                         << false;
    QTest::newRow("version with empty side") << manifest("TeamName2.dat = .5") << v15 << v15 << false
                                             << warning(noServerVersion) << false;
    QTest::newRow("installed file without version")
        << manifest("TeamName2.dat = 1.5") << TestFiles::sjis(QStringLiteral("ｵｰﾊﾞｰ = Overseas FC\r\n[End]\r\n")) << v15 << false
        << warning(QStringLiteral("海外チーム名のバージョンが不明です。")) << false;
}

void TestTeamNameUpdate::versions()
{
    QFETCH(QByteArray, manifest);
    QFETCH(QByteArray, installed);
    QFETCH(QByteArray, served);
    QFETCH(bool, result);
    QFETCH(QString, box);
    QFETCH(bool, replaced);
    DownloadTestBed bed;
    bed.site.pointUpdateHere();
    bed.app.writeFile(teamName2, installed);
    bed.site.serve(versionAddress, manifest);
    bed.site.serve(fileAddress, served);
    QCOMPARE(TeamNameUpdate().downloadTeamName2(false), result);
    QCOMPARE(boxLines(bed.ui), QStringList{box});
    QCOMPARE(bed.app.readFile(teamName2), replaced ? served : installed);
    QCOMPARE(bed.site.requestsFor(fileAddress), replaced ? 1 : 0);
}

// Either file broken on the server: the message, and the installed file
// as it was, with nothing left beside it.
void TestTeamNameUpdate::badDownload_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<LoopbackHttpServer::Response>("response");
    QTest::addColumn<QString>("cause");
    using Delivery = LoopbackHttpServer::Response::Delivery;
    const QString siteGone = QStringLiteral("原因：サイトが見つかりません");
    const QString noAddress = QStringLiteral("原因：アドレスが見つかりません");
    const QString brokenFile = QStringLiteral("原因：TeamName2.dat が異常です");
    const auto row = [](const char *name, const QString &address, const QByteArray &body, const QString &cause,
                        int status = 200, Delivery delivery = Delivery::Whole) {
        LoopbackHttpServer::Response response;
        response.status = status;
        response.body = body;
        response.delivery = delivery;
        response.cutAfter = body.size() / 2;
        QTest::newRow(name) << address << response << cause;
    };
    const QByteArray manifestFile = OfficialSite::updateFile(QStringLiteral("version.dat"));
    const QByteArray good = OfficialSite::updateFile(QStringLiteral("TeamName2.dat"));
    row("manifest without [VersionEnd]", versionAddress, TestFiles::sjis(QStringLiteral("[Version]\r\nTeamName2.dat = 1.1\r\n")),
        QStringLiteral("原因：ダウンロード内容(version.dat)が異常です"));
    row("manifest not found", versionAddress, notFoundPage, noAddress, 404);
    row("manifest cut short", versionAddress, manifestFile, siteGone, 200, Delivery::CutAndClose);
    row("manifest empty", versionAddress, QByteArray(), siteGone);
    row("file without [End] (cut short unannounced)", fileAddress, good.left(good.size() - 8), brokenFile);
    row("file cut short", fileAddress, good, siteGone, 200, Delivery::CutAndClose);
    row("file not found", fileAddress, notFoundPage, noAddress, 404);
    row("other page with [End]", fileAddress, "<html><body>maintenance [End]</body></html>", brokenFile);
    row("file no newer than installed", fileAddress, teamFile("1", "0"), brokenFile);
    row("file empty", fileAddress, QByteArray(), siteGone);
    // The program reads a text file up to its first NUL: a file with one
    // before its version would be installed without a version, and no
    // later update could ever compare against it.
    QByteArray nulBeforeVersion = teamFile("1", "1");
    nulBeforeVersion.insert(nulBeforeVersion.indexOf("Version"), '\0');
    row("file with NUL before its version", fileAddress, nulBeforeVersion, brokenFile);
    QByteArray nulBeforeEnd = teamFile("1", "1");
    nulBeforeEnd.insert(nulBeforeEnd.indexOf("[End]"), '\0');
    row("file with NUL before [End]", fileAddress, nulBeforeEnd, brokenFile);
}

void TestTeamNameUpdate::badDownload()
{
    QFETCH(QString, address);
    QFETCH(LoopbackHttpServer::Response, response);
    QFETCH(QString, cause);
    DownloadTestBed bed;
    bed.site.pointUpdateHere();
    bed.site.serve(address, response);
    const QByteArray installed = bed.app.readFile(teamName2);
    const QStringList files = QDir(bed.app.filePath(QStringLiteral("SysData"))).entryList(QDir::Files | QDir::Hidden);
    TeamNameUpdate download;
    QVERIFY(!download.downloadTeamName2(false));
    QCOMPARE(boxLines(bed.ui), QStringList{downloadWarning(cause)});
    QCOMPARE(bed.app.readFile(teamName2), installed);
    QCOMPARE(QDir(bed.app.filePath(QStringLiteral("SysData"))).entryList(QDir::Files | QDir::Hidden), files);
    if (address == versionAddress) {
        QCOMPARE(download.getItem(QStringLiteral("TeamName2.dat"), QStringLiteral("none")), QStringLiteral("none"));
        QCOMPARE(bed.site.requestsFor(fileAddress), 0);
    }
}

void TestTeamNameUpdate::noServerThenServer()
{
    DownloadTestBed bed;
    const QByteArray installed = bed.app.readFile(teamName2);
    OfficialSite::pointUpdateAtDeadServer();
    TeamNameUpdate download;
    QVERIFY(!download.downloadTeamName2(false));
    QCOMPARE(boxLines(bed.ui), QStringList{downloadWarning(QStringLiteral("原因：サイトが見つかりません"))});
    QCOMPARE(bed.app.readFile(teamName2), installed);

    // A failed manifest is not kept: the next call asks again.
    bed.ui.clear();
    bed.site.pointUpdateHere();
    QVERIFY(download.downloadTeamName2(false));
    QCOMPARE(boxLines(bed.ui), QStringList{info(updated)});
}

void TestTeamNameUpdate::failedSaveKeepsFile()
{
    DownloadTestBed bed;
    bed.site.pointUpdateHere();
    const QByteArray installed = bed.app.readFile(teamName2);
    bool result = true;
    QVERIFY(TestFiles::runWithFileSizeLimit(1024, [&] { result = TeamNameUpdate().downloadTeamName2(false); }));
    QVERIFY(!result);
    QCOMPARE(bed.ui.boxes().size(), 1);
    QCOMPARE(bed.ui.boxes()[0].title, QStringLiteral("QUDO / clsFileStream / SaveToFile"));
    QCOMPARE(bed.app.readFile(teamName2), installed);
}

void TestTeamNameUpdate::versionNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("number");
    QTest::newRow("1.5") << "1.5" << 1005;
    QTest::newRow("2.10") << "2.10" << 2010;
    QTest::newRow("3.12") << "3.12" << 3012;
    QTest::newRow("0.1") << "0.1" << 1;
    QTest::newRow("spaces around") << " 1 . 5 " << 1005;
    QTest::newRow("no dot") << "15" << 0;
    QTest::newRow("empty major") << ".5" << 0;
    QTest::newRow("empty minor") << "1." << 0;
    QTest::newRow("dot alone") << "." << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("two dots") << "1.2.3" << 0;
    QTest::newRow("letters") << "a.b" << 0;
    QTest::newRow("negative") << "-1.5" << 0;
    QTest::newRow("too many digits") << "99999999999.0" << 0;
}

void TestTeamNameUpdate::versionNumber()
{
    QFETCH(QString, text);
    QFETCH(qint32, number);
    QCOMPARE(TeamNameUpdate::getVersionNumber(text), number);
}

void TestTeamNameUpdate::itemBeforeAndAfterLoad()
{
    DownloadTestBed bed;
    bed.site.pointUpdateHere();
    bed.site.serve(versionAddress, manifest("TeamName2.dat = 1.0\r\nOther.dat = 2.0"));
    TeamNameUpdate download;
    QCOMPARE(download.getItem(QStringLiteral("TeamName2.dat"), QStringLiteral("none")), QStringLiteral("none"));
    QVERIFY(download.downloadTeamName2(false));
    QCOMPARE(download.getItem(QStringLiteral("OTHER.DAT"), QStringLiteral("none")), QStringLiteral("2.0"));
    QCOMPARE(download.getItem(QString(), QStringLiteral("none")), QStringLiteral("none"));
    QCOMPARE(download.getItem(QStringLiteral("Missing.dat"), QString()), QString());
    QCOMPARE(boxLines(bed.ui), QStringList{info(latest)});
}

QTEST_GUILESS_MAIN(TestTeamNameUpdate)
#include "TestTeamNameUpdate.moc"
