#include "acquisition/clsWinInet.h"

#include "acquisition/HttpTransfer.h"
#include "support/TextCodec.h"
#include "support/Ui.h"
#include "support/basEncode.h"

#include <QNetworkInterface>

#include <algorithm>

namespace {

constexpr qint64 pieceSize = 1024;

} // namespace

clsWinInet::clsWinInet() = default;

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
    if (m_progressOpen)
        Ui::instance().showConnectionLog();
    if (!m_progressDialogMessage.isEmpty())
        AddLog(m_progressDialogMessage, true);

    bytRecvData = transfer(strUrl, strProxy);

    if (m_progressOpen && m_progressClose)
        Ui::instance().closeConnectionLog();
    return qint32(bytRecvData.size());
}

QByteArray clsWinInet::transfer(const QString &strUrl, const QString &strProxy)
{
    HttpTransfer http;
    if (!http.setProxy(strProxy))
        return {};
    http.setTimeouts(m_connectTimeout, m_receiveTimeout);
    AddLog(QStringLiteral("[コネクション開始]"), true);
    AddLog(strUrl, true);
    if (!http.open(strUrl))
        return {};
    const QByteArray body = receive(http);
    AddLog(QStringLiteral("[コネクション終了]"), true);
    return body;
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
    if (!m_progressOpen)
        return;
    if (blnNewLine)
        Ui::instance().addConnectionLogLine(u' ' + strText);
    else
        Ui::instance().appendConnectionLogText(strText);
}
