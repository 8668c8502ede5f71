#include "acquisition/LoggedDownload.h"

#include "acquisition/BigSettings.h"
#include "acquisition/HttpTransfer.h"
#include "support/TextCodec.h"
#include "support/Ui.h"
#include "support/Utf8Text.h"

#include <QNetworkInterface>

#include <algorithm>

namespace {

constexpr qint64 pieceSize = 1024;

LoggedDownload::LogSession *logSession = nullptr;

// Lets the user reach the connection log's stop button while a transfer runs.
class StoppableTransfer
{
public:
    explicit StoppableTransfer(bool shown) : m_shown(shown)
    {
        if (m_shown)
            Ui::instance().beginTransfer();
    }
    ~StoppableTransfer()
    {
        if (m_shown)
            Ui::instance().endTransfer();
    }
    StoppableTransfer(const StoppableTransfer &) = delete;
    StoppableTransfer &operator=(const StoppableTransfer &) = delete;

private:
    bool m_shown;
};

} // namespace

LoggedDownload::LogSession::LogSession(bool open)
    : m_outermost(logSession == nullptr)
    , m_open(open)
{
    if (m_outermost)
        logSession = this;
}

LoggedDownload::LogSession::~LogSession()
{
    if (!m_outermost)
        return;
    logSession = nullptr;
    if (m_shown)
        Ui::instance().closeConnectionLog();
}

bool LoggedDownload::showsLog() const
{
    return logSession ? logSession->m_open : m_progressOpen;
}

bool LoggedDownload::closesLog() const
{
    return !logSession && m_progressClose;
}

LoggedDownload::LoggedDownload()
    : m_connectTimeout(bigSettings().connectTimeout)
    , m_receiveTimeout(bigSettings().receiveTimeout)
    , m_transferTimeout(bigSettings().transferTimeout)
{
}

bool LoggedDownload::connection() const
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    // A platform that lists no interfaces cannot tell: let the transfer try.
    return interfaces.isEmpty() || std::any_of(interfaces.cbegin(), interfaces.cend(), [](const QNetworkInterface &i) {
               return i.flags().testFlags(QNetworkInterface::IsUp | QNetworkInterface::IsRunning);
           });
}

void LoggedDownload::setProgressClose(bool close)
{
    m_progressClose = close;
    if (close)
        Ui::instance().closeConnectionLog();
}

qint32 LoggedDownload::getHttpData(const QString &url, QByteArray &received, const QString &proxy)
{
    BusyPointer busy;
    received.clear();
    if (url.isEmpty())
        return 0;
    if (showsLog()) {
        Ui::instance().showConnectionLog();
        if (logSession)
            logSession->m_shown = true;
    }
    if (!m_progressDialogMessage.isEmpty())
        addLog(m_progressDialogMessage, true);

    received = transfer(url, proxy);

    if (showsLog() && closesLog())
        Ui::instance().closeConnectionLog();
    return qint32(received.size());
}

QByteArray LoggedDownload::transfer(const QString &url, const QString &proxy)
{
    HttpTransfer http;
    m_status = 0;
    if (!http.setProxy(proxy))
        return {};
    http.setTimeouts(m_connectTimeout, m_receiveTimeout);
    http.setDeadline(m_transferTimeout);
    http.setUserCanStop(showsLog());
    const StoppableTransfer stoppable(showsLog());
    addLog(QStringLiteral("[コネクション開始]"), true);
    addLog(url, true);
    if (!http.open(url)) {
        logFailure(http);
        return {};
    }
    const QByteArray body = receive(http);
    m_status = http.status();
    logFailure(http);
    addLog(QStringLiteral("[コネクション終了]"), true);
    return body;
}

// Why a transfer ended early, when it is not the server's usual silence.
void LoggedDownload::logFailure(const HttpTransfer &http) const
{
    using Failure = HttpTransfer::Failure;
    switch (http.failure()) {
    case Failure::Deadline:
        addLog(QStringLiteral("受信が") + QString::number(m_transferTimeout / 1000)
                   + QStringLiteral("秒以内に終わらないため中止しました"), true);
        break;
    case Failure::Stopped:
        addLog(QStringLiteral("中止しました"), true);
        break;
    case Failure::RedirectElsewhere:
        addLog(QStringLiteral("別のサイトへの転送を断りました：") + http.refusedRedirect().toString(), true);
        break;
    case Failure::TooManyRedirects:
        addLog(QStringLiteral("転送が多すぎるため中止しました"), true);
        break;
    case Failure::NoPageAfterRedirect:
        addLog(QStringLiteral("転送の先にページがないため中止しました"), true);
        break;
    case Failure::None:
    case Failure::Other:
    case Failure::TimedOut:
        break;
    }
}

QByteArray LoggedDownload::receive(HttpTransfer &http)
{
    QByteArray body;
    addLog(QStringLiteral("受信中 "), true);
    for (;;) {
        const std::optional<QByteArray> piece = http.read(pieceSize);
        addLog(QStringLiteral("."), false);
        // A body cut short (time-out, lost connection) is no page, and a
        // body beyond any page's size is not read on.
        if (!piece || body.size() + piece->size() > MaxBodyBytes)
            return {};
        if (piece->isEmpty())
            return body;
        body += *piece;
    }
}

QString LoggedDownload::getHttpDataString(const QString &url, const QString &proxy,
                                      quint8 encoding)
{
    const QString procedure = QStringLiteral("GetHttpDataString");
    return m_err.guard(procedure, QString(), [&] {
        QByteArray bytes;
        if (getHttpData(url, bytes, proxy) == 0)
            return QString();
        switch (encoding) {
        case CodeAnsi: return TextCodec::decodeSjis(bytes);
        case CodeUtf8: return utf8ToText(bytes);
        }
        m_err.report(procedure, QStringLiteral("コード番号が異常です（") + QString::number(encoding) + u'）');
        return QString();
    });
}

QString LoggedDownload::getHttpDataStringUtf8(const QString &url, const QString &proxy)
{
    return m_err.guard(QStringLiteral("GetHttpDataStringUTF8"), QString(), [&] {
        QByteArray bytes;
        getHttpData(url, bytes, proxy);
        return utf8ToText(bytes);
    });
}

void LoggedDownload::addLog(const QString &text, bool newLine) const
{
    if (!showsLog())
        return;
    if (newLine)
        Ui::instance().addConnectionLogLine(u' ' + text);
    else
        Ui::instance().appendConnectionLogText(text);
}
