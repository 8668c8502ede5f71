#include "acquisition/HtmlItemList.h"

#include <algorithm>
#include <limits>

namespace {

const QString commentOpen = QStringLiteral("<!--");
const QString commentClose = QStringLiteral("-->");

// In this order: "&amp;lt;" stays "&lt;" on the page as it should.
const std::pair<QString, QString> entities[] = {
    {QStringLiteral("&lt;"), QStringLiteral("<")},     {QStringLiteral("&gt;"), QStringLiteral(">")},
    {QStringLiteral("&quot;"), QStringLiteral("\"")},  {QStringLiteral("&amp;"), QStringLiteral("&")},
    {QStringLiteral("&#169;"), QStringLiteral("(c)")}, {QStringLiteral("&#174;"), QStringLiteral("(r)")},
};

bool isBlankOrControl(QChar ch)
{
    return ch.unicode() <= u' ';
}

// Calls take(start, length, cutAsTag) for every piece of the page: a tag
// from its "<" to its ">", or a run of text between tags. Text after the
// last tag, and a tag never closed, are no pieces.
template<typename Take>
void forEachPiece(QStringView html, Take &&take)
{
    qsizetype start = -1;   // of the piece in progress
    bool inTag = false;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar ch = html[i];
        if (inTag) {
            if (ch == u'>') {
                take(start, i + 1 - start, true);
                inTag = false;
                start = -1;
            }
        } else if (ch == u'<') {
            if (start >= 0)
                take(start, i - start, false);
            start = i;
            inTag = true;
        } else if (start < 0) {
            start = i;
        }
    }
}

// The name of a cleaned tag: its first word without the "/" of an end tag.
QStringView tagName(QStringView text, bool &endTag)
{
    QStringView inner = text.sliced(1, text.size() - 2);
    const qsizetype space = inner.indexOf(u' ');
    QStringView name = space < 0 ? inner : inner.first(space);
    endTag = name.startsWith(u'/');
    return endTag ? name.sliced(1) : name;
}

// Whether the name, without the blanks the text lines drop, is BR in any
// letter case.
bool isLineBreakName(QStringView name)
{
    int letters = 0;
    for (const QChar ch : name) {
        if (ch == u' ' || ch == QChar(0x3000) || ch == u'\t')
            continue;
        const char16_t lower = ch.toLower().unicode();
        if (letters >= 2 || lower != (letters == 0 ? u'b' : u'r'))
            return false;
        ++letters;
    }
    return letters == 2;
}

} // namespace

qint32 HtmlItemList::getHtmlData(const QString &html)
{
    m_pieces.clear();
    m_inComment = false;
    m_inBody = false;
    // Items address the page with 32-bit positions; the HTTP client never
    // gives a page near that size.
    m_html = html.size() <= std::numeric_limits<qint32>::max() ? html : QString();

    // Counted first, so that the list is made once at its size.
    qsizetype candidates = 0;
    forEachPiece(m_html, [&](qsizetype start, qsizetype length, bool) {
        const QStringView piece = QStringView(m_html).sliced(start, length);
        candidates += !std::all_of(piece.begin(), piece.end(), isBlankOrControl);
    });
    m_pieces.reserve(candidates);
    forEachPiece(m_html, [this](qsizetype start, qsizetype length, bool cutAsTag) {
        addPiece(start, length, cutAsTag);
    });
    return count();
}

QString HtmlItemList::cleanText(QStringView raw)
{
    QString text(raw.size(), Qt::Uninitialized);
    QChar *out = text.data();
    QChar *const begin = out;
    for (const QChar ch : raw) {
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

QString HtmlItemList::textOf(const Piece &piece) const
{
    return cleanText(QStringView(m_html).sliced(piece.start, piece.length));
}

HtmlItem HtmlItemList::item(qint32 index) const
{
    if (index < 0 || index >= count())
        return HtmlItem();
    const Piece &piece = m_pieces.at(index);
    return makeItem(textOf(piece), piece.kind);
}

void HtmlItemList::addPiece(qsizetype start, qsizetype length, bool cutAsTag)
{
    // Most runs between tags are line breaks and indentation: they clean
    // to nothing, and are passed over without making any text.
    const QStringView piece = QStringView(m_html).sliced(start, length);
    if (std::all_of(piece.begin(), piece.end(), isBlankOrControl))
        return;
    const QString text = cleanText(piece);

    quint8 kind = 0;
    bool bodyTag = false;
    if (m_inComment) {
        // The rest of a comment that an inner ">" cut: nothing of it shows.
        kind = CommentBit;
        m_inComment = !text.contains(commentClose);
    } else if (cutAsTag && text.startsWith(commentOpen)) {
        // "<!-->" closes at once too: its "--" is shared. A closed comment
        // is named by its body, which the text lines compare like a tag's.
        m_inComment = !text.endsWith(commentClose);
        const bool named = !m_inComment && text.size() >= 7;
        const bool lineBreak = named && isLineBreakName(QStringView(text).sliced(4, text.size() - 7).trimmed());
        kind = TagBit | CommentBit | (lineBreak ? LineBreakBit : 0);
    } else if (cutAsTag) {
        bool endTag = false;
        const QStringView name = tagName(text, endTag);
        kind = TagBit | (endTag ? EndTagBit : 0) | (isLineBreakName(name) ? LineBreakBit : 0);
        bodyTag = name.compare(QLatin1String("body"), Qt::CaseInsensitive) == 0;
    }

    if (bodyTag && (kind & EndTagBit))
        m_inBody = false;
    if (m_inBody && kind != CommentBit)
        kind |= BodyBit;
    if (bodyTag && !(kind & EndTagBit))
        m_inBody = true;
    m_pieces.append(Piece{qint32(start), qint32(length), kind});
}

HtmlItem HtmlItemList::makeItem(const QString &text, quint8 kind)
{
    HtmlItem item;
    item.Text = text;
    item.tag = kind & TagBit;
    item.comment = kind & CommentBit;
    item.body = kind & BodyBit;
    if (item.tag)
        makeTag(item);
    else if (!item.comment)
        item.name = text;
    return item;
}

void HtmlItemList::makeTag(HtmlItem &item)
{
    const QString &text = item.Text;
    if (item.comment) {
        if (text.endsWith(commentClose))
            item.name = text.size() >= 7 ? text.sliced(4, text.size() - 7).trimmed() : QString();
        return;
    }
    item.attributes = text.sliced(1, text.size() - 2).split(u' ');
    item.attributeCount = qint32(item.attributes.size()) - 1;
    item.name = item.attributes.first();
    if (item.name.startsWith(u'/')) {
        item.endTag = true;
        item.name.remove(0, 1);
    }
}
