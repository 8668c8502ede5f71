#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One piece of a page: a tag, a comment or a run of text, cleaned.
struct HtmlItem
{
    QString Text;            // as cut from the page and cleaned; a tag keeps its brackets
    bool tag = false;        // a tag or the start of a comment
    bool endTag = false;     // a tag whose name began with "/"
    bool comment = false;    // a comment, or a piece inside a comment cut at an inner ">"
    bool body = false;       // inside the page body
    QString name;            // tag name without "/", comment body, or the text itself
    QStringList attributes;  // a tag's inner text split at single spaces; [0] is the name
    qint32 attributeCount = -1;  // upper index of Attributes
};

Q_DECLARE_TYPEINFO(HtmlItem, Q_RELOCATABLE_TYPE);

// Cuts a page into its tags, comments and text runs in one pass, cleans each
// piece and marks the pieces that lie inside the page body.
//
// A page of nothing but tiny tags has an item every three characters: the
// items are therefore kept as where they lie in the page and what they are
// (a few bytes each), and an HtmlItem with its texts is made only when asked
// for. The cutting then takes a few times the page's size, not tens of times.
class HtmlItemList
{
public:
    // What an item is, as bits of Kind.
    enum KindBit : quint8 {
        TagBit = 1,
        EndTagBit = 2,
        CommentBit = 4,
        BodyBit = 8,
        LineBreakBit = 16,   // a tag named BR (any letter case, blanks removed)
    };

    // One item of the page: its piece of the page text and its kind.
    struct Piece
    {
        qint32 start = 0;
        qint32 length = 0;
        quint8 kind = 0;
    };

    // The number of items cut from html.
    qint32 getHtmlData(const QString &html);

    qint32 count() const { return qint32(m_pieces.size()); }
    const QList<Piece> &pieces() const { return m_pieces; }
    // Item index (0 .. count() - 1) with its texts.
    HtmlItem item(qint32 index) const;
    // The cleaned text of a piece.
    QString textOf(const Piece &piece) const;

    // Control characters become spaces, runs of spaces one space, the few
    // entities the pages use their characters; no spaces at the ends.
    static QString cleanText(QStringView raw);

private:
    void addPiece(qsizetype start, qsizetype length, bool cutAsTag);
    // The item of a cleaned piece; kind gives what cutting found it to be.
    static HtmlItem makeItem(const QString &text, quint8 kind);
    static void makeTag(HtmlItem &item);

    QString m_html;
    QList<Piece> m_pieces;
    bool m_inComment = false;
    bool m_inBody = false;
};
