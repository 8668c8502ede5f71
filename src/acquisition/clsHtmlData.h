#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// One piece of a page: a tag, a comment or a run of text, cleaned.
struct HtmlItem
{
    QString Text;            // as cut from the page and cleaned; a tag keeps its brackets
    bool Tag = false;        // a tag or the start of a comment
    bool EndTag = false;     // a tag whose name began with "/"
    bool Comment = false;    // a comment, or a piece inside a comment cut at an inner ">"
    bool Body = false;       // inside the page body
    QString Name;            // tag name without "/", comment body, or the text itself
    QStringList Attributes;  // a tag's inner text split at single spaces; [0] is the name
    qint32 AttributeCount = -1;  // upper index of Attributes
};

Q_DECLARE_TYPEINFO(HtmlItem, Q_RELOCATABLE_TYPE);

// Cuts a page into its tags, comments and text runs in one pass, cleans each
// piece and marks the pieces that lie inside the page body.
class clsHtmlData
{
public:
    // The number of items cut from strHtml; they are then in Items().
    qint32 GetHtmlData(const QString &strHtml);

    const QList<HtmlItem> &Items() const { return m_items; }
    QList<HtmlItem> takeItems() { return std::exchange(m_items, {}); }

    // Control characters become spaces, runs of spaces one space, the few
    // entities the pages use their characters; no spaces at the ends.
    static QString CleanText(QStringView strText);

private:
    void addPiece(QStringView piece, bool cutAsTag);
    void makeTag(HtmlItem &item);

    QList<HtmlItem> m_items;
    bool m_inComment = false;
    bool m_inBody = false;
};
