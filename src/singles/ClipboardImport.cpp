#include "singles/ClipboardImport.h"

#include "support/Clipboard.h"
#include "support/Ui.h"

#include <array>

namespace {

const QString lineEnd = QStringLiteral("\r\n");

} // namespace

clsTClipImport::clsTClipImport(Clipboard &clipboard)
    : m_clipboard(clipboard)
{
}

void clsTClipImport::ClipImport(qint16 intIndex, qint32 &lngSCount, std::vector<qint32> &lngSingle) const
{
    if (intIndex != FormatLines)
        return;
    BusyPointer busy;
    lngSingle = singlesOfText(m_clipboard.text());
    lngSCount = qint32(lngSingle.size());
}

std::vector<qint32> clsTClipImport::singlesOfText(const QString &text) const
{
    std::vector<qint32> singles;
    std::array<qint32, clsTNumber::MatchCount> marks{};
    qsizetype begin = 0;
    while (begin <= text.size()) {
        qsizetype end = text.indexOf(lineEnd, begin);
        if (end < 0)
            end = text.size();
        const QString line = cleanedLine(QStringView(text).mid(begin, end - begin));
        if (line.size() == clsTNumber::MatchCount && IsMarkLine(line)) {
            for (int i = 0; i < clsTNumber::MatchCount; ++i)
                marks[std::size_t(i)] = line[i].unicode() - u'0';
            qint32 code = 0;
            m_number.LongToNo(marks, code);
            singles.push_back(code);
        }
        begin = end + lineEnd.size();
    }
    return singles;
}

QString clsTClipImport::cleanedLine(QStringView line)
{
    QString cleaned = line.toString();
    if (cleaned.contains(u' '))
        cleaned.remove(u' ');
    if (const qsizetype colon = cleaned.indexOf(u':'); colon >= 0)
        cleaned.remove(0, colon + 1);
    return cleaned;
}

bool clsTClipImport::IsMarkLine(QStringView line)
{
    for (const QChar mark : line)
        if (mark != u'0' && mark != u'1' && mark != u'2')
            return false;
    return true;
}
