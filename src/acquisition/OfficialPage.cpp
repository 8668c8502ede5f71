#include "acquisition/OfficialPage.h"

namespace {

constexpr quint8 utf8Code = 8;

} // namespace

QStringList OfficialPage::fetchLines(qint32 roundNumber, const QString &what, const QString &url)
{
    m_html.setProgressDialogMessage(u'第' + QString::number(roundNumber) + QStringLiteral("回 ") + what
                                    + QStringLiteral("取得中 (オフィシャル)"));
    QStringList lines;
    if (m_html.getHttp(url, QString(), utf8Code) == 0)
        return lines;
    // A server in trouble answers with a page of its own, not the round's.
    const int status = m_html.winInet().statusCode();
    if (status >= 500) {
        m_html.addLogLine(QStringLiteral("サーバーの異常のため読み込みません (HTTP ") + QString::number(status) + u')');
        return lines;
    }
    m_html.getTextData(lines);
    return lines;
}
