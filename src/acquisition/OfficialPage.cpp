#include "acquisition/OfficialPage.h"

namespace {

constexpr quint8 utf8Code = 8;

} // namespace

QStringList OfficialPage::fetchLines(qint32 lngKaisaikai, const QString &what, const QString &url)
{
    m_html.setProgressDialogMessage(u'第' + QString::number(lngKaisaikai) + QStringLiteral("回 ") + what
                                    + QStringLiteral("取得中 (オフィシャル)"));
    QStringList lines;
    if (m_html.GetHttp(url, QString(), utf8Code) > 0)
        m_html.GetTextData(lines);
    return lines;
}

OfficialPage::LogHold::LogHold(OfficialPage &page)
    : m_page(page)
    , m_closeAtEnd(page.ProgressOpen() && page.ProgressClose())
{
    if (m_closeAtEnd)
        m_page.setProgressClose(false);
}

OfficialPage::LogHold::~LogHold()
{
    if (m_closeAtEnd)
        m_page.setProgressClose(true);
}
