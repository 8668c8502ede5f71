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

qint32 PageFetcher::getHttp(const QString &url, const QString &proxy, quint8 encoding)
{
    clear();
    if (!m_inet.connection())
        return 0;
    m_url = url;
    return parseHtml(m_inet.getHttpDataString(url, proxy, encoding));
}

qint32 PageFetcher::parseHtml(const QString &html)
{
    return m_data.getHtmlData(html);
}

qint32 PageFetcher::getTextData(QStringList &lines) const
{
    lines.clear();
    bool lineBreakPending = false;
    for (const HtmlItemList::Piece &piece : m_data.pieces()) {
        if (!(piece.kind & HtmlItemList::BodyBit))
            continue;
        if (piece.kind & HtmlItemList::TagBit)
            lineBreakPending = piece.kind & HtmlItemList::LineBreakBit;
        else if (!lineBreakPending)
            lines.append(withoutBlanks(m_data.textOf(piece)));
        else if (!lines.isEmpty())
            lines.last() += withoutBlanks(m_data.textOf(piece));
    }
    return qint32(lines.size());
}

HtmlItem PageFetcher::item(qint32 index) const
{
    HtmlItem item = m_data.item(index - 1);
    item.name = withoutBlanks(item.name);
    return item;
}

void PageFetcher::clear()
{
    m_data.getHtmlData(QString());
}
