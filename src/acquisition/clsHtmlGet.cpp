#include "acquisition/clsHtmlGet.h"

#include <algorithm>

namespace {

bool isBlank(QChar ch)
{
    return ch == u' ' || ch == QChar(0x3000) || ch == u'\t';
}

} // namespace

qint32 clsHtmlGet::GetHttp(const QString &strUrl, const QString &strProxy, quint8 bytCode)
{
    clear();
    if (!m_inet.Connection())
        return 0;
    m_url = strUrl;
    return ParseHtml(m_inet.GetHttpDataString(strUrl, strProxy, bytCode));
}

qint32 clsHtmlGet::ParseHtml(const QString &strHtml)
{
    clear();
    m_html = strHtml;
    m_data.GetHtmlData(m_html);
    m_items = m_data.takeItems();
    // The readers match names without any kind of space.
    for (HtmlItem &item : m_items) {
        if (std::any_of(item.Name.cbegin(), item.Name.cend(), isBlank))
            item.Name.removeIf(isBlank);
    }
    return Count();
}

qint32 clsHtmlGet::GetTextData(QStringList &strList) const
{
    strList.clear();
    bool lineBreakPending = false;
    for (const HtmlItem &item : m_items) {
        if (!item.Body)
            continue;
        if (item.Tag)
            lineBreakPending = item.Name.compare(QLatin1String("BR"), Qt::CaseInsensitive) == 0;
        else if (!lineBreakPending)
            strList.append(item.Name);
        else if (!strList.isEmpty())
            strList.last() += item.Name;
    }
    return qint32(strList.size());
}

HtmlItem clsHtmlGet::Item(qint32 index) const
{
    return index >= 1 && index <= Count() ? m_items.at(index - 1) : HtmlItem();
}

void clsHtmlGet::clear()
{
    m_html.clear();
    m_items.clear();
}
