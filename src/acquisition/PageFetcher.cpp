#include "acquisition/PageFetcher.h"

namespace {

bool isBlank(QChar ch)
{
    return ch == u' ' || ch == QChar(0x3000) || ch == u'\t';
}

// The readers match names without any kind of space.
QString withoutBlanks(QString name)
{
    name.removeIf(isBlank);
    return name;
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
    return m_data.GetHtmlData(strHtml);
}

qint32 clsHtmlGet::GetTextData(QStringList &strList) const
{
    strList.clear();
    bool lineBreakPending = false;
    for (const clsHtmlData::Piece &piece : m_data.Pieces()) {
        if (!(piece.Kind & clsHtmlData::BodyBit))
            continue;
        if (piece.Kind & clsHtmlData::TagBit)
            lineBreakPending = piece.Kind & clsHtmlData::LineBreakBit;
        else if (!lineBreakPending)
            strList.append(withoutBlanks(m_data.TextOf(piece)));
        else if (!strList.isEmpty())
            strList.last() += withoutBlanks(m_data.TextOf(piece));
    }
    return qint32(strList.size());
}

HtmlItem clsHtmlGet::Item(qint32 index) const
{
    HtmlItem item = m_data.Item(index - 1);
    item.Name = withoutBlanks(item.Name);
    return item;
}

void clsHtmlGet::clear()
{
    m_data.GetHtmlData(QString());
}
