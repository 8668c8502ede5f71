#include "acquisition/HttpTransfer.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {

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
    if (m_reply)
        m_reply->abort();
}

bool HttpTransfer::setProxy(const QString &strProxy)
{
    if (strProxy.isEmpty())
        return true;   // the system's configuration, set up at construction
    const QUrl url(strProxy.contains(QLatin1String("://")) ? strProxy : QStringLiteral("http://") + strProxy);
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

bool HttpTransfer::open(const QString &strUrl)
{
    const QUrl url(strUrl);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return false;

    QNetworkRequest request(url);
    request.setRawHeader(QByteArrayLiteral("Accept-Language"), language);
    request.setHeader(QNetworkRequest::UserAgentHeader, agent);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    m_reply.reset(m_manager.get(request));
    QObject::connect(m_reply.get(), &QNetworkReply::requestSent, [this] { m_requestSent = true; });
    QObject::connect(m_reply.get(), &QNetworkReply::metaDataChanged, [this] { m_answered = true; });
    QObject::connect(m_reply.get(), &QNetworkReply::readyRead, [this] { m_answered = true; });

    while (!answered() && !m_reply->isFinished()) {
        if (!waitForProgress())
            return false;
    }
    // An answer that broke off after its head still came; reading it fails.
    return answered() || !failed();
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
    QEventLoop loop;
    const auto progress = [&loop] { loop.quit(); };
    QObject::connect(m_reply.get(), &QNetworkReply::requestSent, &loop, progress);
    QObject::connect(m_reply.get(), &QNetworkReply::metaDataChanged, &loop, progress);
    QObject::connect(m_reply.get(), &QNetworkReply::readyRead, &loop, progress);
    QObject::connect(m_reply.get(), &QNetworkReply::finished, &loop, progress);

    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        m_timedOut = true;
        loop.quit();
    });
    const qint32 limit = m_requestSent ? m_receiveTimeout : m_connectTimeout;
    if (limit > 0)
        timer.start(limit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (m_timedOut)
        m_reply->abort();
    return !m_timedOut;
}

bool HttpTransfer::failed() const
{
    if (m_timedOut)
        return true;
    const QNetworkReply::NetworkError error = m_reply->error();
    return error != QNetworkReply::NoError && !isStatusError(error);
}
