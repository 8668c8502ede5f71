#include "singles/ClipboardImport.h"

#include "support/Clipboard.h"
#include "support/Ui.h"

#include <array>

namespace {

const QString lineEnd = QStringLiteral("\r\n");

} // namespace

ClipboardImport::ClipboardImport(Clipboard &clipboard)
    : m_clipboard(clipboard)
{
}

void ClipboardImport::clipImport(qint16 index, qint32 &singleCount, std::vector<qint32> &singles) const
{
    if (index != FormatLines)
        return;
    BusyPointer busy;
    singles = singlesOfText(m_clipboard.text());
    singleCount = qint32(singles.size());
}

std::vector<qint32> ClipboardImport::singlesOfText(const QString &text) const
{
    std::vector<qint32> singles;
    std::array<qint32, SingleCode::MatchCount> marks{};
    qsizetype begin = 0;
    while (begin <= text.size()) {
        qsizetype end = text.indexOf(lineEnd, begin);
        if (end < 0)
            end = text.size();
        const QString line = cleanedLine(QStringView(text).mid(begin, end - begin));
        if (line.size() == SingleCode::MatchCount && isMarkLine(line)) {
            for (int i = 0; i < SingleCode::MatchCount; ++i)
                marks[std::size_t(i)] = line[i].unicode() - u'0';
            qint32 code = 0;
            m_number.intsToCode(marks, code);
            singles.push_back(code);
        }
        begin = end + lineEnd.size();
    }
    return singles;
}

QString ClipboardImport::cleanedLine(QStringView line)
{
    QString cleaned = line.toString();
    if (cleaned.contains(u' '))
        cleaned.remove(u' ');
    if (const qsizetype colon = cleaned.indexOf(u':'); colon >= 0)
        cleaned.remove(0, colon + 1);
    return cleaned;
}

bool ClipboardImport::isMarkLine(QStringView line)
{
    for (const QChar mark : line)
        if (mark != u'0' && mark != u'1' && mark != u'2')
            return false;
    return true;
}
