#include "singles/ClipboardExport.h"

#include "support/AppInfo.h"
#include "support/Clipboard.h"
#include "support/Format.h"
#include "support/Ui.h"

#include <array>

namespace {

constexpr int matches = clsTNumber::MatchCount;
// Singles between two spaces of a column line.
constexpr qsizetype columnGroup = 10;
const QString lineEnd = QStringLiteral("\r\n");

} // namespace

clsTClipboard::clsTClipboard(Clipboard &clipboard)
    : m_clipboard(clipboard)
{
}

void clsTClipboard::ClipExport(qint16 intClass, std::span<const qint32> lngSingle) const
{
    QString text;
    if (intClass == LayoutRows)
        text = GetRowText(lngSingle);
    else if (intClass == LayoutColumns)
        text = GetColumnText(lngSingle);
    if (text.isEmpty())
        return;
    m_clipboard.clear();
    m_clipboard.setText(text);
    Ui::instance().showMessage(Ui::Icon::Information, AppInfo::title(), QStringLiteral("クリップボードへコピーしました"));
}

bool clsTClipboard::withinLimit(std::span<const qint32> lngSingle)
{
    if (qsizetype(lngSingle.size()) <= MaxSingles)
        return true;
    Ui::instance().showMessage(Ui::Icon::Warning, AppInfo::title(), QStringLiteral("1万口以上は出力出来ません"));
    return false;
}

QString clsTClipboard::GetRowText(std::span<const qint32> lngSingle) const
{
    BusyPointer busy;
    if (!withinLimit(lngSingle))
        return QString();
    const int width = int(QString::number(lngSingle.size()).size());
    QString text;
    text.reserve(qsizetype(lngSingle.size()) * (width + 1 + matches + 2));
    std::array<qint32, matches> marks{};
    for (std::size_t i = 0; i < lngSingle.size(); ++i) {
        m_number.NoToLong(lngSingle[i], marks);
        text += Format::zeroPadded(qint64(i) + 1, width) + u':';
        for (const qint32 mark : marks)
            text += QChar(u'0' + mark);
        text += lineEnd;
    }
    return text;
}

QString clsTClipboard::GetColumnText(std::span<const qint32> lngSingle) const
{
    BusyPointer busy;
    if (!withinLimit(lngSingle))
        return QString();
    std::array<QString, matches> lines;
    for (int g = 0; g < matches; ++g)
        lines[std::size_t(g)] = Format::zeroPadded(g + 1, 2) + u' ';
    std::array<qint32, matches> marks{};
    for (std::size_t i = 0; i < lngSingle.size(); ++i) {
        m_number.NoToLong(lngSingle[i], marks);
        const bool groupEnds = (qsizetype(i) + 1) % columnGroup == 0;
        for (int g = 0; g < matches; ++g) {
            lines[std::size_t(g)] += QChar(u'0' + marks[std::size_t(g)]);
            if (groupEnds)
                lines[std::size_t(g)] += u' ';
        }
    }
    QString text;
    for (const QString &line : lines)
        text += line + lineEnd;
    return text;
}
