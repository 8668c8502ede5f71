#include "acquisition/LoggedDownload.h"
#include "common/LoopbackHttpServer.h"
#include "common/RecordingUi.h"
#include "common/TestFiles.h"

#include <QTest>

using Response = LoopbackHttpServer::Response;
using Delivery = Response::Delivery;

namespace {

const QString startLine = QStringLiteral(" [コネクション開始]");
const QString endLine = QStringLiteral(" [コネクション終了]");

QByteArray bytes(qsizetype size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        data[i] = char('a' + i % 26);
    return data;
}

Response response(const QByteArray &body, Delivery delivery = Delivery::Whole, int status = 200)
{
    Response r;
    r.body = body;
    r.delivery = delivery;
    r.status = status;
    return r;
}

// The log of one transfer that received something: message, start, address,
// the receive line with its dots, end.
QStringList fullLog(const QString &message, const QString &url, int dots)
{
    return {u' ' + message, startLine, u' ' + url, QStringLiteral(" 受信中 ") + QString(dots, u'.'), endLine};
}

} // namespace

class TestLoggedDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void defaults();
    void emptyUrlReturnsAtOnce();
    void bodies_data();
    void bodies();
    void errorStatusBodyIsTheResult();
    void followsRedirect();
    void sendsTheRequestHeader();
    void failedTransfersGiveNothing_data();
    void failedTransfersGiveNothing();
    void bodyAboveTheCapFails();
    void decodesShiftJisAndUtf8();
    void unknownCodeIsReported();
    void nothingLoggedWithoutProgressOpen();
    void logStaysOpenWithoutProgressClose();
    void namedProxyCarriesTheRequest();
    void unusableProxyGivesNothing();
    void systemProxyIsNotUsedForLoopback();

private:
    QString serve(const QString &address, const Response &r);

    std::unique_ptr<RecordingUi> m_ui;
    std::unique_ptr<LoopbackHttpServer> m_server;
};

void TestLoggedDownload::init()
{
    m_ui = std::make_unique<RecordingUi>();
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->listen());
}

void TestLoggedDownload::cleanup()
{
    m_server.reset();
    m_ui.reset();
}

QString TestLoggedDownload::serve(const QString &address, const Response &r)
{
    m_server->setResponse(address, r);
    return m_server->url(address);
}

void TestLoggedDownload::defaults()
{
    LoggedDownload inet;
    QCOMPARE(inet.connectTimeout(), 15000);
    QCOMPARE(inet.receiveTimeout(), 30000);
    QVERIFY(inet.progressOpen());
    QVERIFY(inet.progressClose());
    QVERIFY(inet.progressDialogMessage().isEmpty());
    // The loopback interface is always up.
    QVERIFY(inet.connection());
}

void TestLoggedDownload::emptyUrlReturnsAtOnce()
{
    LoggedDownload inet;
    QByteArray data("old");
    QCOMPARE(inet.getHttpData(QString(), data, QString()), 0);
    QVERIFY(data.isEmpty());
    QCOMPARE(m_ui->connectionLogShows(), 0);
    QVERIFY(m_ui->closedConnectionLogs().isEmpty());
    QCOMPARE(m_ui->busyChanges(), 2);
    QVERIFY(!m_ui->busy());
    QVERIFY(m_server->requests().isEmpty());
}

void TestLoggedDownload::bodies_data()
{
    QTest::addColumn<Response>("served");
    QTest::addColumn<int>("dots");

    QTest::newRow("0 bytes: one read") << response({}) << 1;
    QTest::newRow("1 byte") << response("x") << 2;
    QTest::newRow("1024 bytes: a full read and the empty one") << response(bytes(1024)) << 2;
    QTest::newRow("70000 bytes: 68 full reads, a short one, the empty one") << response(bytes(70000)) << 70;
    QTest::newRow("70000 bytes chunked") << response(bytes(70000), Delivery::Chunked) << 70;
    QTest::newRow("chunks of 7 bytes") << [] {
        Response r = response(bytes(3000), Delivery::Chunked);
        r.chunkSize = 7;
        return r;
    }() << 4;
}

void TestLoggedDownload::bodies()
{
    QFETCH(Response, served);
    QFETCH(int, dots);
    const QString url = serve(QStringLiteral("/page?round=1478"), served);

    LoggedDownload inet;
    inet.setProgressDialogMessage(QStringLiteral("第1478回 開催情報取得中 (オフィシャル)"));
    QByteArray data("old");
    QCOMPARE(inet.getHttpData(url, data, QString()), served.body.size());
    QCOMPARE(data, served.body);

    QCOMPARE(m_ui->closedConnectionLogs().size(), 1);
    QCOMPARE(m_ui->closedConnectionLogs().first(), fullLog(inet.progressDialogMessage(), url, dots));
    QVERIFY(!m_ui->connectionLogShown());
    QVERIFY(m_ui->boxes().isEmpty());
    QVERIFY(!m_ui->busy());
}

void TestLoggedDownload::errorStatusBodyIsTheResult()
{
    const QByteArray page = QByteArrayLiteral("<html><body>お探しのページは見つかりません</body></html>");
    const QString missing = serve(QStringLiteral("/missing"), response(page, Delivery::Whole, 404));
    const QString broken = serve(QStringLiteral("/broken"), response(page, Delivery::Whole, 500));
    LoggedDownload inet;
    QByteArray data;
    QCOMPARE(inet.getHttpData(missing, data, QString()), page.size());
    QCOMPARE(data, page);
    QCOMPARE(inet.getHttpData(broken, data, QString()), page.size());
    QCOMPARE(data, page);
    QVERIFY(m_ui->boxes().isEmpty());
}

void TestLoggedDownload::followsRedirect()
{
    Response moved = response("moved", Delivery::Whole, 302);
    moved.headers.append({"Location", m_server->url(QStringLiteral("/new")).toLatin1()});
    const QString url = serve(QStringLiteral("/old"), moved);
    serve(QStringLiteral("/new"), response("the page"));
    LoggedDownload inet;
    QByteArray data;
    QCOMPARE(inet.getHttpData(url, data, QString()), 8);
    QCOMPARE(data, QByteArray("the page"));
    QCOMPARE(m_server->requests(), QStringList({QStringLiteral("/old"), QStringLiteral("/new")}));
}

void TestLoggedDownload::sendsTheRequestHeader()
{
    const QString url = serve(QStringLiteral("/a?holdCntId=1478&commodityId=09"), response("x"));
    LoggedDownload inet;
    QByteArray data;
    inet.getHttpData(url, data, QString());
    QCOMPARE(m_server->requests(), QStringList(QStringLiteral("/a?holdCntId=1478&commodityId=09")));
    const auto &headers = m_server->requestDetails().first().headers;
    QCOMPARE(headers.value("accept-language"), QByteArray("ja-JP"));
    QCOMPARE(headers.value("user-agent"), QByteArray("Quorvel WinInet"));
    // Never an answer from a cache on the way.
    QCOMPARE(headers.value("cache-control"), QByteArray("no-cache"));
}

void TestLoggedDownload::failedTransfersGiveNothing_data()
{
    QTest::addColumn<QString>("address");   // empty: a port where nothing listens
    QTest::addColumn<Response>("served");
    QTest::addColumn<bool>("opened");        // the answer began: a receive line is logged

    QTest::newRow("connection refused") << QString() << Response() << false;
    QTest::newRow("accepts and never answers") << QStringLiteral("/silent") << response({}, Delivery::NeverAnswer)
                                               << false;
    QTest::newRow("stalls in the body") << QStringLiteral("/stall") << [] {
        Response r = response(bytes(5000), Delivery::CutAndHang);
        r.cutAfter = 3000;
        return r;
    }() << true;
    QTest::newRow("closes in the body") << QStringLiteral("/cut") << [] {
        Response r = response(bytes(5000), Delivery::CutAndClose);
        r.cutAfter = 3000;
        return r;
    }() << true;
    QTest::newRow("no such scheme") << QStringLiteral("gopher://127.0.0.1/") << Response() << false;
    QTest::newRow("no address at all") << QStringLiteral("not an address") << Response() << false;
}

void TestLoggedDownload::failedTransfersGiveNothing()
{
    QFETCH(QString, address);
    QFETCH(Response, served);
    QFETCH(bool, opened);
    QString url;
    if (address.isEmpty())
        url = QStringLiteral("http://127.0.0.1:%1/page").arg(LoopbackHttpServer::unusedPort());
    else if (address.startsWith(u'/'))
        url = serve(address, served);
    else
        url = address;

    LoggedDownload inet;
    // Long enough that no stall of a busy machine ends a transfer before the
    // answer's head has come; the rows that stall wait this out.
    inet.setConnectTimeout(5000);
    inet.setReceiveTimeout(5000);
    QByteArray data("old");
    QCOMPARE(inet.getHttpData(url, data, QString()), 0);
    QVERIFY(data.isEmpty());
    QVERIFY(m_ui->boxes().isEmpty());

    QCOMPARE(m_ui->closedConnectionLogs().size(), 1);
    const QStringList log = m_ui->closedConnectionLogs().first();
    QCOMPARE(log.mid(0, 2), QStringList({startLine, u' ' + url}));
    if (opened) {
        QCOMPARE(log.size(), 4);
        QVERIFY(log[2].startsWith(QStringLiteral(" 受信中 .")));
        QCOMPARE(log[3], endLine);
    } else {
        QCOMPARE(log.size(), 2);
    }
}

void TestLoggedDownload::bodyAboveTheCapFails()
{
    const QByteArray full = bytes(LoggedDownload::MaxBodyBytes);
    const QString atCap = serve(QStringLiteral("/cap"), response(full));
    const QString aboveCap = serve(QStringLiteral("/above"), response(full + 'x'));
    LoggedDownload inet;
    inet.setProgressOpen(false);
    QByteArray data;
    QCOMPARE(inet.getHttpData(atCap, data, QString()), LoggedDownload::MaxBodyBytes);
    QCOMPARE(data.size(), LoggedDownload::MaxBodyBytes);
    QCOMPARE(inet.getHttpData(aboveCap, data, QString()), 0);
    QVERIFY(data.isEmpty());
    QVERIFY(m_ui->boxes().isEmpty());
}

void TestLoggedDownload::decodesShiftJisAndUtf8()
{
    const QString text = QStringLiteral("第1478回 ＢＩＧ 開催情報\r\n鹿島アントラーズ");
    const QString sjisUrl = serve(QStringLiteral("/sjis"), response(TestFiles::sjis(text)));
    const QString utf8Url = serve(QStringLiteral("/utf8"), response(text.toUtf8()));
    const QString emptyUrl = serve(QStringLiteral("/empty"), response({}));
    LoggedDownload inet;
    QCOMPARE(inet.getHttpDataString(sjisUrl, QString(), LoggedDownload::CodeAnsi), text);
    QCOMPARE(inet.getHttpDataString(utf8Url, QString(), LoggedDownload::CodeUtf8), text);
    QCOMPARE(inet.getHttpDataStringUtf8(utf8Url, QString()), text);
    QCOMPARE(inet.getHttpDataString(emptyUrl, QString(), LoggedDownload::CodeUtf8), QString());
    QVERIFY(m_ui->boxes().isEmpty());
}

void TestLoggedDownload::unknownCodeIsReported()
{
    const QString url = serve(QStringLiteral("/page"), response("abc"));
    LoggedDownload inet;
    QCOMPARE(inet.getHttpDataString(url, QString(), 1), QString());
    QCOMPARE(m_ui->boxes().size(), 1);
    const RecordingUi::Box box = m_ui->boxes().first();
    QCOMPARE(box.icon, Ui::Icon::Warning);
    QCOMPARE(box.title, QStringLiteral("QUDO / clsWinInet / GetHttpDataString"));
    QCOMPARE(box.text, QStringLiteral("コード番号が異常です（1）"));
}

void TestLoggedDownload::nothingLoggedWithoutProgressOpen()
{
    const QString url = serve(QStringLiteral("/page"), response("abc"));
    LoggedDownload inet;
    inet.setProgressOpen(false);
    inet.setProgressDialogMessage(QStringLiteral("message"));
    QByteArray data;
    QCOMPARE(inet.getHttpData(url, data, QString()), 3);
    QCOMPARE(m_ui->connectionLogShows(), 0);
    QCOMPARE(m_ui->connectionLogCloses(), 0);
    QVERIFY(m_ui->connectionLog().isEmpty());
    QVERIFY(m_ui->closedConnectionLogs().isEmpty());
}

void TestLoggedDownload::logStaysOpenWithoutProgressClose()
{
    const QString first = serve(QStringLiteral("/first"), response("abc"));
    const QString second = serve(QStringLiteral("/second"), response({}));
    LoggedDownload inet;
    inet.setProgressClose(false);
    QByteArray data;
    inet.setProgressDialogMessage(QStringLiteral("one"));
    inet.getHttpData(first, data, QString());
    QVERIFY(m_ui->connectionLogShown());
    inet.setProgressDialogMessage(QStringLiteral("two"));
    inet.getHttpData(second, data, QString());
    QVERIFY(m_ui->connectionLogShown());
    QVERIFY(m_ui->closedConnectionLogs().isEmpty());
    QCOMPARE(m_ui->connectionLog(), fullLog(QStringLiteral("one"), first, 2) + fullLog(QStringLiteral("two"), second, 1));

    // Back to True: the window closes at once.
    inet.setProgressClose(true);
    QVERIFY(!m_ui->connectionLogShown());
    QCOMPARE(m_ui->closedConnectionLogs().size(), 1);
    QCOMPARE(m_ui->closedConnectionLogs().first().size(), 10);
}

void TestLoggedDownload::namedProxyCarriesTheRequest()
{
    // The loopback server plays the proxy: it sees the whole address.
    m_server->setResponse(QStringLiteral("/page?x=1"), response("through the proxy"));
    LoggedDownload inet;
    QByteArray data;
    const QString proxy = QStringLiteral("127.0.0.1:%1").arg(m_server->port());
    QCOMPARE(inet.getHttpData(QStringLiteral("http://toto.example.invalid/page?x=1"), data, proxy), 17);
    QCOMPARE(data, QByteArray("through the proxy"));
    QCOMPARE(m_server->requests(), QStringList(QStringLiteral("http://toto.example.invalid/page?x=1")));
}

void TestLoggedDownload::unusableProxyGivesNothing()
{
    const QString url = serve(QStringLiteral("/page"), response("abc"));
    LoggedDownload inet;
    inet.setProgressDialogMessage(QStringLiteral("message"));
    QByteArray data;
    QCOMPARE(inet.getHttpData(url, data, QStringLiteral(":")), 0);
    // No connection was begun.
    QCOMPARE(m_ui->closedConnectionLogs().first(), QStringList(QStringLiteral(" message")));
    QVERIFY(m_server->requests().isEmpty());
}

void TestLoggedDownload::systemProxyIsNotUsedForLoopback()
{
    const QString url = serve(QStringLiteral("/page"), response("abc"));
    const QString deadProxy = QStringLiteral("http://127.0.0.1:%1").arg(LoopbackHttpServer::unusedPort());
    const QByteArray saved = qgetenv("http_proxy");
    qputenv("http_proxy", deadProxy.toLatin1());
    LoggedDownload inet;
    QByteArray data;
    const qint32 received = inet.getHttpData(url, data, QString());
    if (saved.isNull())
        qunsetenv("http_proxy");
    else
        qputenv("http_proxy", saved);
    QCOMPARE(received, 3);
}

QTEST_GUILESS_MAIN(TestLoggedDownload)
#include "TestLoggedDownload.moc"
