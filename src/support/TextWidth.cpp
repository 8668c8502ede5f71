#include "support/TextWidth.h"

#include <QHash>

namespace TextWidth {

namespace {

constexpr char16_t fullWidthFirst = 0xFF01;   // ！
constexpr char16_t fullWidthLast = 0xFF5E;    // ～
constexpr char16_t fullWidthOffset = 0xFEE0;  // ！ - !
constexpr char16_t ideographicSpace = 0x3000;

// The wide form of every half-width kana and sign, inverted: Unicode gives
// each half-width character its wide form as compatibility decomposition
// (ｶ → カ, ﾞ → the combining voiced mark).
const QHash<char16_t, char16_t> &kanaToHalfWidth()
{
    static const QHash<char16_t, char16_t> table = [] {
        QHash<char16_t, char16_t> map;
        for (char16_t half = 0xFF61; half <= 0xFF9F; ++half) {
            const QString wide = QString(QChar(half)).normalized(QString::NormalizationForm_KC);
            if (wide.size() == 1)
                map.insert(wide[0].unicode(), half);
        }
        map.insert(0x309B, 0xFF9E);   // ゛ spacing voiced mark
        map.insert(0x309C, 0xFF9F);   // ゜ spacing semi-voiced mark
        return map;
    }();
    return table;
}

// Appends the half-width form of one kana; false when it has none.
bool appendHalfWidthKana(QChar wide, QString &out)
{
    const auto &table = kanaToHalfWidth();
    if (const auto it = table.constFind(wide.unicode()); it != table.cend()) {
        out.append(QChar(*it));
        return true;
    }
    // A voiced kana (ガ, パ, ヴ) is its base kana and a combining mark.
    const QString parts = QString(wide).normalized(QString::NormalizationForm_D);
    if (parts.size() != 2 || !table.contains(parts[0].unicode()) || !table.contains(parts[1].unicode()))
        return false;
    out.append(QChar(table.value(parts[0].unicode())));
    out.append(QChar(table.value(parts[1].unicode())));
    return true;
}

} // namespace

QString toHalfWidth(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code >= fullWidthFirst && code <= fullWidthLast)
            out.append(QChar(char16_t(code - fullWidthOffset)));
        else if (code == ideographicSpace)
            out.append(u' ');
        else if (!appendHalfWidthKana(ch, out))
            out.append(ch);
    }
    return out;
}

QString toFullWidth(const QString &text)
{
    constexpr char16_t halfKanaFirst = 0xFF61;   // ｡
    constexpr char16_t halfKanaLast = 0xFF9F;    // ﾟ
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const char16_t code = text[i].unicode();
        if (code >= halfKanaFirst && code <= halfKanaLast) {
            // A run of half-width kana at once, so that a voiced mark joins its kana.
            qsizetype end = i;
            while (end < text.size() && text[end].unicode() >= halfKanaFirst && text[end].unicode() <= halfKanaLast)
                ++end;
            out.append(text.mid(i, end - i).normalized(QString::NormalizationForm_KC));
            i = end;
            continue;
        }
        if (code == u' ')
            out.append(QChar(ideographicSpace));
        else if (code >= fullWidthFirst - fullWidthOffset && code <= fullWidthLast - fullWidthOffset)
            out.append(QChar(char16_t(code + fullWidthOffset)));
        else
            out.append(text[i]);
        ++i;
    }
    return out;
}

} // namespace TextWidth
