#include "singles/ClipboardExport.h"

#include "support/AppInfo.h"
#include "support/Clipboard.h"
#include "support/Format.h"
#include "support/Ui.h"

#include <array>

namespace {

constexpr int matches = SingleCode::MatchCount;
// Singles between two spaces of a column line.
constexpr qsizetype columnGroup = 10;
const QString lineEnd = QStringLiteral("\r\n");

} // namespace

ClipboardExport::ClipboardExport(Clipboard &clipboard)
    : m_clipboard(clipboard)
{
}

void ClipboardExport::clipExport(qint16 league, std::span<const qint32> singles) const
{
    QString text;
    if (league == LayoutRows)
        text = getRowText(singles);
    else if (league == LayoutColumns)
        text = getColumnText(singles);
    if (text.isEmpty())
        return;
    m_clipboard.clear();
    m_clipboard.setText(text);
    Ui::instance().showMessage(Ui::Icon::Information, AppInfo::title(), QStringLiteral("クリップボードへコピーしました"));
}

bool ClipboardExport::withinLimit(std::span<const qint32> singles)
{
    if (qsizetype(singles.size()) <= MaxSingles)
        return true;
    Ui::instance().showMessage(Ui::Icon::Warning, AppInfo::title(), QStringLiteral("1万口以上は出力出来ません"));
    return false;
}

QString ClipboardExport::getRowText(std::span<const qint32> singles) const
{
    BusyPointer busy;
    if (!withinLimit(singles))
        return QString();
    const int width = int(QString::number(singles.size()).size());
    QString text;
    text.reserve(qsizetype(singles.size()) * (width + 1 + matches + 2));
    std::array<qint32, matches> marks{};
    for (std::size_t i = 0; i < singles.size(); ++i) {
        m_number.codeToInts(singles[i], marks);
        text += Format::zeroPadded(qint64(i) + 1, width) + u':';
        for (const qint32 mark : marks)
            text += QChar(u'0' + mark);
        text += lineEnd;
    }
    return text;
}

QString ClipboardExport::getColumnText(std::span<const qint32> singles) const
{
    BusyPointer busy;
    if (!withinLimit(singles))
        return QString();
    std::array<QString, matches> lines;
    for (int g = 0; g < matches; ++g)
        lines[std::size_t(g)] = Format::zeroPadded(g + 1, 2) + u' ';
    std::array<qint32, matches> marks{};
    for (std::size_t i = 0; i < singles.size(); ++i) {
        m_number.codeToInts(singles[i], marks);
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
