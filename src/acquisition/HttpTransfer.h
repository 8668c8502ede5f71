#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

class QEventLoop;
class QNetworkReply;

// One blocking HTTP GET in the manner of the platform's internet API: open
// the address, then read the body piece by piece. Every wait runs a local
// event loop; a wait that sees no progress within the connect time-out
// (before the request is sent) or the receive time-out (after) fails the
// transfer, and so does a transfer still running at its deadline. The
// request asks for Japanese pages, names the program's agent, never comes
// from a cache and follows a few redirects within the address's own site.
class HttpTransfer
{
public:
    // Why a transfer failed, for the connection log.
    enum class Failure {
        None,
        Other,              // no server, bad address, lost connection
        TimedOut,           // a wait saw no progress within its time-out
        Deadline,           // the whole transfer took longer than its deadline
        Stopped,            // the user stopped it, or the program is ending
        RedirectElsewhere,  // a redirect to another site
        TooManyRedirects,
        NoPageAfterRedirect, // a redirect that led to no answer
    };

    // Redirects followed within one transfer.
    static constexpr int MaxRedirects = 5;

    HttpTransfer();
    ~HttpTransfer();
    HttpTransfer(const HttpTransfer &) = delete;
    HttpTransfer &operator=(const HttpTransfer &) = delete;

    // Empty: the system's proxy configuration. Otherwise "host:port" (or a
    // URL naming host and port) of the proxy to use. False when the text
    // names no proxy.
    bool setProxy(const QString &proxy);
    // Milliseconds; 0 or less waits without limit.
    void setTimeouts(qint32 connectTimeout, qint32 receiveTimeout);
    // Milliseconds from open to the end of the body; 0 or less: no deadline.
    void setDeadline(qint32 deadline) { m_deadline = deadline; }
    // With true the waits let user input through, so that the user can stop
    // the transfer (the window holds back what else must wait).
    void setUserCanStop(bool canStop) { m_userCanStop = canStop; }

    // Sends the request and waits for the head of the answer, whatever its
    // status. False when no answer came: a bad address, no server, a
    // time-out, a refused redirect.
    bool open(const QString &address);
    // Up to maxBytes of the body, less only at its end; empty at the end.
    // Empty optional when the transfer failed (time-out, connection lost).
    std::optional<QByteArray> read(qint64 maxBytes);

    Failure failure() const;
    // The HTTP status of the answer; 0 before one came.
    int status() const;
    // The address of a refused redirect.
    QUrl refusedRedirect() const { return m_refusedRedirect; }

    // True while a transfer is open.
    static bool isRunning();
    // Ends the open transfer at once; it fails as Stopped.
    static void stopRunning();
    // The program is ending: stops the open transfer, and every later one
    // fails at once.
    static void stopForExit();
    static bool exiting();

private:
    bool answered() const;
    bool waitForProgress();
    qint32 waitLimit(qint32 idle) const;
    bool failed() const;
    void onRedirected(const QUrl &target);
    void stop();
    void fail(Failure failure);

    QNetworkAccessManager m_manager;
    std::unique_ptr<QNetworkReply> m_reply;
    QUrl m_url;
    QUrl m_refusedRedirect;
    QElapsedTimer m_clock;
    QEventLoop *m_loop = nullptr;
    qint32 m_connectTimeout = 0;
    qint32 m_receiveTimeout = 0;
    qint32 m_deadline = 0;
    bool m_userCanStop = false;
    int m_redirects = 0;
    bool m_requestSent = false;
    bool m_answered = false;
    Failure m_failure = Failure::None;
};
