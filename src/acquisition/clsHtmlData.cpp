#include "acquisition/clsHtmlData.h"

#include <algorithm>

namespace {

const QString commentOpen = QStringLiteral("<!--");
const QString commentClose = QStringLiteral("-->");

// In this order: "&amp;lt;" stays "&lt;" on the page as it should.
const std::pair<QString, QString> entities[] = {
    {QStringLiteral("&lt;"), QStringLiteral("<")},     {QStringLiteral("&gt;"), QStringLiteral(">")},
    {QStringLiteral("&quot;"), QStringLiteral("\"")},  {QStringLiteral("&amp;"), QStringLiteral("&")},
    {QStringLiteral("&#169;"), QStringLiteral("(c)")}, {QStringLiteral("&#174;"), QStringLiteral("(r)")},
};

bool isBodyTag(const HtmlItem &item)
{
    return item.Tag && !item.Comment && item.Name.compare(QLatin1String("body"), Qt::CaseInsensitive) == 0;
}

} // namespace

qint32 clsHtmlData::GetHtmlData(const QString &strHtml)
{
    m_items.clear();
    m_inComment = false;
    m_inBody = false;

    const QStringView html(strHtml);
    qsizetype start = -1;   // of the piece in progress
    bool inTag = false;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar ch = html[i];
        if (inTag) {
            if (ch == u'>') {
                addPiece(html.sliced(start, i + 1 - start), true);
                inTag = false;
                start = -1;
            }
        } else if (ch == u'<') {
            if (start >= 0)
                addPiece(html.sliced(start, i - start), false);
            start = i;
            inTag = true;
        } else if (start < 0) {
            start = i;
        }
    }
    // Text after the last tag, and a tag never closed, are no pieces.
    return qint32(m_items.size());
}

QString clsHtmlData::CleanText(QStringView strText)
{
    QString text(strText.size(), Qt::Uninitialized);
    QChar *out = text.data();
    QChar *const begin = out;
    for (const QChar ch : strText) {
        const QChar c = ch.unicode() < 32 ? QChar(u' ') : ch;
        if (c == u' ' && out != begin && out[-1] == u' ')
            continue;
        *out++ = c;
    }
    text.truncate(out - begin);
    if (text.contains(u'&')) {
        for (const auto &[entity, character] : entities)
            text.replace(entity, character);
    }
    // Only spaces count here, as on the pages (an ideographic space stays).
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return first == 0 && last == text.size() ? text : text.sliced(first, last - first);
}

void clsHtmlData::addPiece(QStringView piece, bool cutAsTag)
{
    // Most runs between tags are line breaks and indentation: they clean
    // to nothing.
    if (std::all_of(piece.begin(), piece.end(), [](QChar ch) { return ch.unicode() <= u' '; }))
        return;
    HtmlItem item;
    item.Text = CleanText(piece);
    if (item.Text.isEmpty())
        return;

    if (m_inComment) {
        // The rest of a comment that an inner ">" cut: nothing of it shows.
        item.Comment = true;
        m_inComment = !item.Text.contains(commentClose);
    } else if (cutAsTag) {
        makeTag(item);
    } else {
        item.Name = item.Text;
    }

    const bool bodyTag = isBodyTag(item);
    if (bodyTag && item.EndTag)
        m_inBody = false;
    item.Body = m_inBody && !(item.Comment && !item.Tag);
    if (bodyTag && !item.EndTag)
        m_inBody = true;
    m_items.append(std::move(item));
}

void clsHtmlData::makeTag(HtmlItem &item)
{
    item.Tag = true;
    const QString &text = item.Text;
    if (text.startsWith(commentOpen)) {
        item.Comment = true;
        // "<!-->" closes at once too: its "--" is shared.
        if (text.endsWith(commentClose))
            item.Name = text.size() >= 7 ? text.sliced(4, text.size() - 7).trimmed() : QString();
        else
            m_inComment = true;
        return;
    }
    item.Attributes = text.sliced(1, text.size() - 2).split(u' ');
    item.AttributeCount = qint32(item.Attributes.size()) - 1;
    item.Name = item.Attributes.first();
    if (item.Name.startsWith(u'/')) {
        item.EndTag = true;
        item.Name.remove(0, 1);
    }
}
