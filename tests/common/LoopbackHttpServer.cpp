#include "common/LoopbackHttpServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <memory>

namespace {

const QByteArray endOfHead = QByteArrayLiteral("\r\n\r\n");

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return QByteArrayLiteral("OK");
    case 301: return QByteArrayLiteral("Moved Permanently");
    case 302: return QByteArrayLiteral("Found");
    case 404: return QByteArrayLiteral("Not Found");
    case 500: return QByteArrayLiteral("Internal Server Error");
    case 503: return QByteArrayLiteral("Service Unavailable");
    default: return QByteArrayLiteral("Status");
    }
}

QByteArray chunked(const QByteArray &body, qint64 chunkSize)
{
    QByteArray out;
    for (qint64 at = 0; at < body.size(); at += chunkSize) {
        const QByteArray piece = body.mid(at, chunkSize);
        out += QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
    }
    return out + "0\r\n\r\n";
}

LoopbackHttpServer::Response page(const QByteArray &body, int status = 200)
{
    LoopbackHttpServer::Response response;
    response.status = status;
    response.body = body;
    return response;
}

// The path and query of a target, also when a proxy client sent it absolute.
QString localTarget(const QString &target)
{
    if (target.startsWith(u'/'))
        return target;
    const QUrl url(target);
    return url.path(QUrl::FullyEncoded) + (url.hasQuery() ? u'?' + url.query(QUrl::FullyEncoded) : QString());
}

// Closes with a reset instead of the orderly goodbye.
void reset(QTcpSocket *socket)
{
#ifdef Q_OS_UNIX
    const linger now{1, 0};
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now);
#endif
    socket->abort();
}

#ifdef Q_OS_UNIX
// A port of 127.0.0.1 bound and never listened on, while this lives: a
// connection there is refused, and no server of a test running beside this
// one can take the port meanwhile. Not shared (no SO_REUSEADDR), so no other
// socket can bind it.
class RefusingPort
{
public:
    RefusingPort()
        : m_socket(::socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_socket >= 0 && ::bind(m_socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
            && ::getsockname(m_socket, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~RefusingPort()
    {
        if (m_socket >= 0)
            ::close(m_socket);
    }
    RefusingPort(const RefusingPort &) = delete;
    RefusingPort &operator=(const RefusingPort &) = delete;

    quint16 port() const { return m_port; }

private:
    int m_socket;
    quint16 m_port = 0;
};
#endif

} // namespace

LoopbackHttpServer::Response LoopbackHttpServer::trickle()
{
    Response response = page(QByteArray(1000000, 'x'));
    response.delivery = Response::Delivery::Trickle;
    return response;
}

// A body of size bytes of which only the first cutAfter come.
static LoopbackHttpServer::Response cutBody(qint64 size, qint64 cutAfter, LoopbackHttpServer::Response::Delivery delivery)
{
    LoopbackHttpServer::Response response = page(QByteArray(size, 'x'));
    response.delivery = delivery;
    response.cutAfter = cutAfter;
    return response;
}

LoopbackHttpServer::Response LoopbackHttpServer::cutShort()
{
    return cutBody(5000, 112, Response::Delivery::CutAndClose);
}

LoopbackHttpServer::Response LoopbackHttpServer::redirectTo(const QString &target)
{
    Response response = page(QByteArrayLiteral("moved"), 302);
    response.headers.append({"Location", target.toLatin1()});
    return response;
}

LoopbackHttpServer::Response LoopbackHttpServer::zeroBomb()
{
    // qCompress writes the length first, then the zlib stream that "deflate"
    // names: 256 KiB on the wire, made once.
    static const QByteArray bomb = qCompress(QByteArray(256 * 1024 * 1024, '\0'), 9).mid(4);
    Response response = page(bomb);
    response.headers.append({QByteArrayLiteral("Content-Encoding"), QByteArrayLiteral("deflate")});
    return response;
}

LoopbackHttpServer::Response LoopbackHttpServer::resetHalfWay()
{
    return cutBody(20000, 10000, Response::Delivery::CutAndReset);
}

LoopbackHttpServer::Response LoopbackHttpServer::status(int code)
{
    return page(QByteArrayLiteral("<html><body><h1>Server Error</h1></body></html>"), code);
}

LoopbackHttpServer::LoopbackHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::accept);
}

bool LoopbackHttpServer::listen()
{
    return m_server.isListening() || m_server.listen(QHostAddress::LocalHost);
}

QString LoopbackHttpServer::origin() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

void LoopbackHttpServer::setResponse(const QString &address, const QByteArray &body)
{
    setResponse(address, page(body));
}

void LoopbackHttpServer::setResponse(const QString &address, const Response &response)
{
    m_responses.insert(address, response);
}

void LoopbackHttpServer::setFallbackResponse(const QString &path, const QByteArray &body)
{
    setFallbackResponse(path, page(body));
}

void LoopbackHttpServer::setFallbackResponse(const QString &path, const Response &response)
{
    m_fallbacks.insert(path, response);
}

quint16 LoopbackHttpServer::unusedPort()
{
#ifdef Q_OS_UNIX
    static const RefusingPort refusing;
    return refusing.port();
#else
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
#endif
}

void LoopbackHttpServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, received] {
            if (received->contains(endOfHead))
                return;   // answered already; the client says no more
            *received += socket->readAll();
            const qsizetype end = received->indexOf(endOfHead);
            if (end >= 0)
                serve(socket, received->left(end));
        });
    }
}

void LoopbackHttpServer::serve(QTcpSocket *socket, const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    Request request;
    request.target = QString::fromLatin1(requestLine.value(1));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    m_targets.append(request.target);
    m_requests.append(request);

    const Response response = responseFor(localTarget(request.target));
    using Delivery = Response::Delivery;
    if (response.delivery == Delivery::NeverAnswer)
        return;

    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) + "\r\n";
    bool typed = false;
    for (const auto &[name, value] : response.headers) {
        out += name + ": " + value + "\r\n";
        typed = typed || name.compare("Content-Type", Qt::CaseInsensitive) == 0;
    }
    if (!typed)
        out += "Content-Type: text/html; charset=UTF-8\r\n";
    out += "Connection: close\r\n";
    if (response.delivery == Delivery::Chunked)
        out += "Transfer-Encoding: chunked\r\n\r\n" + chunked(response.body, response.chunkSize);
    else
        out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n\r\n";

    switch (response.delivery) {
    case Delivery::Whole: out += response.body; break;
    case Delivery::CutAndClose:
    case Delivery::CutAndReset:
    case Delivery::CutAndHang: out += response.body.left(response.cutAfter); break;
    case Delivery::Chunked:
    case Delivery::Trickle:
    case Delivery::NeverAnswer: break;
    }
    socket->write(out);
    switch (response.delivery) {
    case Delivery::CutAndHang: break;
    case Delivery::Trickle: trickleInto(socket, response.trickleMs); break;
    case Delivery::CutAndReset:
        socket->flush();
        reset(socket);
        break;
    default: socket->disconnectFromHost(); break;
    }
}

void LoopbackHttpServer::trickleInto(QTcpSocket *socket, int intervalMs)
{
    auto *timer = new QTimer(socket);
    connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
    timer->start(intervalMs);
}

LoopbackHttpServer::Response LoopbackHttpServer::responseFor(const QString &target) const
{
    if (const auto found = m_responses.constFind(target); found != m_responses.cend())
        return *found;
    const QString path = target.section(u'?', 0, 0);
    if (const auto found = m_fallbacks.constFind(path); found != m_fallbacks.cend())
        return *found;
    return page(QByteArrayLiteral("<html><body><h1>Not Found</h1></body></html>"), 404);
}
