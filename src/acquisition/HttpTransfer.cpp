#include "acquisition/HttpTransfer.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace {

HttpTransfer *runningTransfer = nullptr;
bool programEnding = false;

const QByteArray agent = QByteArrayLiteral("Quorvel WinInet");
const QByteArray language = QByteArrayLiteral("ja-JP");

// The system's proxy configuration, except for this machine itself: a
// proxy elsewhere cannot reach our own loopback address.
class SystemProxyFactory final : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override
    {
        const QString host = query.peerHostName();
        if (host == QLatin1String("localhost") || QHostAddress(host).isLoopback())
            return {QNetworkProxy::NoProxy};
        return systemProxyForQuery(query);
    }
};

// Errors that stand for an HTTP status: the answer came, and its body is the
// result like any other.
bool isStatusError(QNetworkReply::NetworkError error)
{
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

} // namespace

HttpTransfer::HttpTransfer()
{
    m_manager.setProxyFactory(new SystemProxyFactory);
}

HttpTransfer::~HttpTransfer()
{
    if (runningTransfer == this)
        runningTransfer = nullptr;
    if (m_reply)
        m_reply->abort();
}

bool HttpTransfer::isRunning()
{
    return runningTransfer != nullptr;
}

void HttpTransfer::stopRunning()
{
    if (runningTransfer)
        runningTransfer->stop();
}

void HttpTransfer::stopForExit()
{
    programEnding = true;
    stopRunning();
}

bool HttpTransfer::exiting()
{
    return programEnding;
}

void HttpTransfer::stop()
{
    fail(Failure::Stopped);
}

void HttpTransfer::fail(Failure failure)
{
    if (m_failure == Failure::None)
        m_failure = failure;
    if (m_reply)
        m_reply->abort();
    if (m_loop)
        m_loop->quit();
}

bool HttpTransfer::setProxy(const QString &proxy)
{
    if (proxy.isEmpty())
        return true;   // the system's configuration, set up at construction
    const QUrl url(proxy.contains(QLatin1String("://")) ? proxy : QStringLiteral("http://") + proxy);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    m_manager.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, url.host(), quint16(url.port(80))));
    return true;
}

void HttpTransfer::setTimeouts(qint32 connectTimeout, qint32 receiveTimeout)
{
    m_connectTimeout = connectTimeout;
    m_receiveTimeout = receiveTimeout;
}

bool HttpTransfer::open(const QString &address)
{
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        m_failure = Failure::Other;
        return false;
    }
    if (programEnding) {
        m_failure = Failure::Stopped;
        return false;
    }
    m_url = url;
    m_clock.start();
    runningTransfer = this;

    QNetworkRequest request(url);
    request.setRawHeader(QByteArrayLiteral("Accept-Language"), language);
    request.setHeader(QNetworkRequest::UserAgentHeader, agent);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    m_reply.reset(m_manager.get(request));
    QObject::connect(m_reply.get(), &QNetworkReply::redirected, [this](const QUrl &target) { onRedirected(target); });
    QObject::connect(m_reply.get(), &QNetworkReply::requestSent, [this] { m_requestSent = true; });
    QObject::connect(m_reply.get(), &QNetworkReply::metaDataChanged, [this] { m_answered = true; });
    QObject::connect(m_reply.get(), &QNetworkReply::readyRead, [this] { m_answered = true; });

    while (!answered() && !m_reply->isFinished()) {
        if (!waitForProgress())
            return false;
    }
    // An answer that broke off after its head still came; reading it fails.
    return (answered() && m_failure == Failure::None) || !failed();
}

// Only the site the address names may send the program on: an official page
// that points elsewhere is refused, and so is one that points round and round.
void HttpTransfer::onRedirected(const QUrl &target)
{
    if (++m_redirects > MaxRedirects) {
        fail(Failure::TooManyRedirects);
        return;
    }
    const QUrl resolved = m_url.resolved(target);
    const bool sameSite = resolved.scheme().compare(m_url.scheme(), Qt::CaseInsensitive) == 0
                       && resolved.host().compare(m_url.host(), Qt::CaseInsensitive) == 0
                       && resolved.port(80) == m_url.port(80);
    if (sameSite) {
        Q_EMIT m_reply->redirectAllowed();
        return;
    }
    m_refusedRedirect = resolved;
    fail(Failure::RedirectElsewhere);
}

bool HttpTransfer::answered() const
{
    return m_answered || m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
}

std::optional<QByteArray> HttpTransfer::read(qint64 maxBytes)
{
    if (!m_reply)
        return std::nullopt;
    while (m_reply->bytesAvailable() < maxBytes && !m_reply->isFinished()) {
        if (!waitForProgress())
            return std::nullopt;
    }
    if (failed())
        return std::nullopt;
    return m_reply->read(maxBytes);
}

bool HttpTransfer::waitForProgress()
{
    if (m_failure != Failure::None)
        return false;
    QEventLoop loop;
    const auto progress = [&loop] { loop.quit(); };
    QObject::connect(m_reply.get(), &QNetworkReply::requestSent, &loop, progress);
    QObject::connect(m_reply.get(), &QNetworkReply::metaDataChanged, &loop, progress);
    QObject::connect(m_reply.get(), &QNetworkReply::readyRead, &loop, progress);
    QObject::connect(m_reply.get(), &QNetworkReply::finished, &loop, progress);

    const bool pastDeadline = m_deadline > 0 && m_clock.elapsed() >= m_deadline;
    const qint32 idle = m_requestSent ? m_receiveTimeout : m_connectTimeout;
    const qint32 limit = waitLimit(idle);
    const bool deadlineFirst = m_deadline > 0 && (idle <= 0 || limit < idle);
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop,
                     [this, deadlineFirst] { fail(deadlineFirst ? Failure::Deadline : Failure::TimedOut); });
    if (limit > 0)
        timer.start(limit);
    m_loop = &loop;
    if (pastDeadline)
        fail(Failure::Deadline);
    else
        loop.exec(m_userCanStop ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    m_loop = nullptr;
    return m_failure == Failure::None;
}

// The idle time-out of this wait, cut to what is left before the deadline.
qint32 HttpTransfer::waitLimit(qint32 idle) const
{
    if (m_deadline <= 0)
        return idle;
    const qint32 left = qint32(std::max<qint64>(1, m_deadline - m_clock.elapsed()));
    return idle > 0 ? std::min(idle, left) : left;
}

bool HttpTransfer::failed() const
{
    if (m_failure != Failure::None)
        return true;
    const QNetworkReply::NetworkError error = m_reply->error();
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // An error status brings its page; an error beside a good status (a body
    // that would not decompress, a decompression bomb) brings nothing.
    if (error != QNetworkReply::NoError)
        return !isStatusError(error) || status < 400;
    // A reply that ended on no final answer (the connection dropped before
    // one, or a redirect still pending) brought no page.
    return m_reply->isFinished() && (status < 200 || (status >= 300 && status < 400));
}

HttpTransfer::Failure HttpTransfer::failure() const
{
    if (m_failure != Failure::None || !m_reply || !failed())
        return m_failure;
    if (m_reply->error() == QNetworkReply::TooManyRedirectsError)
        return Failure::TooManyRedirects;
    return m_redirects > 0 && m_reply->error() == QNetworkReply::NoError ? Failure::NoPageAfterRedirect : Failure::Other;
}

int HttpTransfer::status() const
{
    return m_reply ? m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
}
