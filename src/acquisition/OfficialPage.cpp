#include "acquisition/OfficialPage.h"

namespace {

constexpr quint8 utf8Code = 8;

} // namespace

QStringList OfficialPage::fetchLines(qint32 lngKaisaikai, const QString &what, const QString &url)
{
    m_html.setProgressDialogMessage(u'第' + QString::number(lngKaisaikai) + QStringLiteral("回 ") + what
                                    + QStringLiteral("取得中 (オフィシャル)"));
    QStringList lines;
    if (m_html.GetHttp(url, QString(), utf8Code) == 0)
        return lines;
    // A server in trouble answers with a page of its own, not the round's.
    const int status = m_html.WinInet().StatusCode();
    if (status >= 500) {
        m_html.AddLogLine(QStringLiteral("サーバーの異常のため読み込みません (HTTP ") + QString::number(status) + u')');
        return lines;
    }
    m_html.GetTextData(lines);
    return lines;
}
