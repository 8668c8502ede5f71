#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 for tests. It answers request targets
// (path and query, exactly as the client sends them) with canned responses,
// and can send a body chunked, cut short or not at all. It runs in the
// test's thread: the blocking client's local event loop serves it too. An
// unknown target gets a 404 page.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Response
    {
        enum class Delivery {
            Whole,         // with Content-Length
            Chunked,       // Transfer-Encoding: chunked, in pieces of chunkSize
            NeverAnswer,   // reads the request, then stays silent
            CutAndClose,   // announces the whole body, sends cutAfter bytes, closes
            CutAndHang,    // announces the whole body, sends cutAfter bytes, stays silent
            CutAndReset,   // announces the whole body, sends cutAfter bytes, resets the connection
            Trickle,       // announces the whole body, sends one byte every trickleMs, never ends
        };

        int status = 200;
        QList<QPair<QByteArray, QByteArray>> headers;   // Content-Type text/html when none is given
        QByteArray body;
        Delivery delivery = Delivery::Whole;
        qint64 cutAfter = 0;
        qint64 chunkSize = 1000;
        int trickleMs = 100;
    };

    // The misbehaviours of overloaded sites, on one address of this server.
    static Response trickle();                          // a page that never ends
    static Response cutShort();                         // promises 5,000 bytes, sends 112, closes
    static Response redirectTo(const QString &target);  // 302 to target
    static Response zeroBomb();                         // 256 MiB of zeros, deflated to 130 KiB
    static Response resetHalfWay();
    static Response status(int code);

    struct Request
    {
        QString target;                        // as sent: "/path?query", or absolute through a proxy
        QHash<QByteArray, QByteArray> headers; // names in lower case
    };

    explicit LoopbackHttpServer(QObject *parent = nullptr);

    // Listens on 127.0.0.1 at a free port.
    bool listen();
    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }
    // "http://127.0.0.1:<port>" and that followed by address.
    QString origin() const;
    QString url(const QString &address) const { return origin() + address; }

    // The answer to one target ("/path?query").
    void setResponse(const QString &address, const QByteArray &body);
    void setResponse(const QString &address, const Response &response);
    // The answer to every other query on path.
    void setFallbackResponse(const QString &path, const QByteArray &body);
    void setFallbackResponse(const QString &path, const Response &response);

    // The targets asked for so far, in order, and the requests in full.
    const QStringList &requests() const { return m_targets; }
    const QList<Request> &requestDetails() const { return m_requests; }

    // A port on 127.0.0.1 where nothing listens. On Unix it is the same port
    // every time, held for the life of the test program so that no other
    // test's server can take it; elsewhere it was free a moment ago.
    static quint16 unusedPort();

private:
    void accept();
    void serve(QTcpSocket *socket, const QByteArray &head);
    void trickleInto(QTcpSocket *socket, int intervalMs);
    Response responseFor(const QString &target) const;

    QTcpServer m_server;
    QHash<QString, Response> m_responses;
    QHash<QString, Response> m_fallbacks;
    QStringList m_targets;
    QList<Request> m_requests;
};
