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

clsWinInet::LogSession *logSession = nullptr;

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

clsWinInet::LogSession::LogSession(bool open)
    : m_outermost(logSession == nullptr)
    , m_open(open)
{
    if (m_outermost)
        logSession = this;
}

clsWinInet::LogSession::~LogSession()
{
    if (!m_outermost)
        return;
    logSession = nullptr;
    if (m_shown)
        Ui::instance().closeConnectionLog();
}

bool clsWinInet::showsLog() const
{
    return logSession ? logSession->m_open : m_progressOpen;
}

bool clsWinInet::closesLog() const
{
    return !logSession && m_progressClose;
}

clsWinInet::clsWinInet()
    : m_connectTimeout(bigSettings().ConnectTimeout)
    , m_receiveTimeout(bigSettings().ReceiveTimeout)
    , m_transferTimeout(bigSettings().TransferTimeout)
{
}

bool clsWinInet::Connection() const
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    // A platform that lists no interfaces cannot tell: let the transfer try.
    return interfaces.isEmpty() || std::any_of(interfaces.cbegin(), interfaces.cend(), [](const QNetworkInterface &i) {
               return i.flags().testFlags(QNetworkInterface::IsUp | QNetworkInterface::IsRunning);
           });
}

void clsWinInet::setProgressClose(bool close)
{
    m_progressClose = close;
    if (close)
        Ui::instance().closeConnectionLog();
}

qint32 clsWinInet::GetHttpData(const QString &strUrl, QByteArray &bytRecvData, const QString &strProxy)
{
    BusyPointer busy;
    bytRecvData.clear();
    if (strUrl.isEmpty())
        return 0;
    if (showsLog()) {
        Ui::instance().showConnectionLog();
        if (logSession)
            logSession->m_shown = true;
    }
    if (!m_progressDialogMessage.isEmpty())
        AddLog(m_progressDialogMessage, true);

    bytRecvData = transfer(strUrl, strProxy);

    if (showsLog() && closesLog())
        Ui::instance().closeConnectionLog();
    return qint32(bytRecvData.size());
}

QByteArray clsWinInet::transfer(const QString &strUrl, const QString &strProxy)
{
    HttpTransfer http;
    m_status = 0;
    if (!http.setProxy(strProxy))
        return {};
    http.setTimeouts(m_connectTimeout, m_receiveTimeout);
    http.setDeadline(m_transferTimeout);
    http.setUserCanStop(showsLog());
    const StoppableTransfer stoppable(showsLog());
    AddLog(QStringLiteral("[コネクション開始]"), true);
    AddLog(strUrl, true);
    if (!http.open(strUrl)) {
        logFailure(http);
        return {};
    }
    const QByteArray body = receive(http);
    m_status = http.status();
    logFailure(http);
    AddLog(QStringLiteral("[コネクション終了]"), true);
    return body;
}

// Why a transfer ended early, when it is not the server's usual silence.
void clsWinInet::logFailure(const HttpTransfer &http) const
{
    using Failure = HttpTransfer::Failure;
    switch (http.failure()) {
    case Failure::Deadline:
        AddLog(QStringLiteral("受信が") + QString::number(m_transferTimeout / 1000)
                   + QStringLiteral("秒以内に終わらないため中止しました"), true);
        break;
    case Failure::Stopped:
        AddLog(QStringLiteral("中止しました"), true);
        break;
    case Failure::RedirectElsewhere:
        AddLog(QStringLiteral("別のサイトへの転送を断りました：") + http.refusedRedirect().toString(), true);
        break;
    case Failure::TooManyRedirects:
        AddLog(QStringLiteral("転送が多すぎるため中止しました"), true);
        break;
    case Failure::NoPageAfterRedirect:
        AddLog(QStringLiteral("転送の先にページがないため中止しました"), true);
        break;
    case Failure::None:
    case Failure::Other:
    case Failure::TimedOut:
        break;
    }
}

QByteArray clsWinInet::receive(HttpTransfer &http)
{
    QByteArray body;
    AddLog(QStringLiteral("受信中 "), true);
    for (;;) {
        const std::optional<QByteArray> piece = http.read(pieceSize);
        AddLog(QStringLiteral("."), false);
        // A body cut short (time-out, lost connection) is no page, and a
        // body beyond any page's size is not read on.
        if (!piece || body.size() + piece->size() > MaxBodyBytes)
            return {};
        if (piece->isEmpty())
            return body;
        body += *piece;
    }
}

QString clsWinInet::GetHttpDataString(const QString &strUrl, const QString &strProxy,
                                      quint8 bytCode)
{
    const QString procedure = QStringLiteral("GetHttpDataString");
    return m_err.guard(procedure, QString(), [&] {
        QByteArray bytes;
        if (GetHttpData(strUrl, bytes, strProxy) == 0)
            return QString();
        switch (bytCode) {
        case CodeAnsi: return TextCodec::decodeSjis(bytes);
        case CodeUtf8: return Utf8ToText(bytes);
        }
        m_err.report(procedure, QStringLiteral("コード番号が異常です（") + QString::number(bytCode) + u'）');
        return QString();
    });
}

QString clsWinInet::GetHttpDataStringUTF8(const QString &strUrl, const QString &strProxy)
{
    return m_err.guard(QStringLiteral("GetHttpDataStringUTF8"), QString(), [&] {
        QByteArray bytes;
        GetHttpData(strUrl, bytes, strProxy);
        return Utf8ToText(bytes);
    });
}

void clsWinInet::AddLog(const QString &strText, bool blnNewLine) const
{
    if (!showsLog())
        return;
    if (blnNewLine)
        Ui::instance().addConnectionLogLine(u' ' + strText);
    else
        Ui::instance().appendConnectionLogText(strText);
}
