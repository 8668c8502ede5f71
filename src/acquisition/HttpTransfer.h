#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QString>

#include <memory>
#include <optional>

class QNetworkReply;

// One blocking HTTP GET in the manner of the platform's internet API: open
// the address, then read the body piece by piece. Every wait runs a local
// event loop (user input held back); a wait that sees no progress within the
// connect time-out (before the request is sent) or the receive time-out
// (after) fails the transfer. The request asks for Japanese pages, names the
// program's agent and never comes from a cache.
class HttpTransfer
{
public:
    HttpTransfer();
    ~HttpTransfer();
    HttpTransfer(const HttpTransfer &) = delete;
    HttpTransfer &operator=(const HttpTransfer &) = delete;

    // Empty: the system's proxy configuration. Otherwise "host:port" (or a
    // URL naming host and port) of the proxy to use. False when the text
    // names no proxy.
    bool setProxy(const QString &strProxy);
    // Milliseconds; 0 or less waits without limit.
    void setTimeouts(qint32 connectTimeout, qint32 receiveTimeout);

    // Sends the request and waits for the head of the answer, whatever its
    // status. False when no answer came: a bad address, no server, a
    // time-out.
    bool open(const QString &strUrl);
    // Up to maxBytes of the body, less only at its end; empty at the end.
    // Empty optional when the transfer failed (time-out, connection lost).
    std::optional<QByteArray> read(qint64 maxBytes);

private:
    bool answered() const;
    bool waitForProgress();
    bool failed() const;

    QNetworkAccessManager m_manager;
    std::unique_ptr<QNetworkReply> m_reply;
    qint32 m_connectTimeout = 0;
    qint32 m_receiveTimeout = 0;
    bool m_requestSent = false;
    bool m_answered = false;
    bool m_timedOut = false;
};
