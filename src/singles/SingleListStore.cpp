#include "singles/SingleListStore.h"

#include "lottery/SingleCode.h"
#include "singles/FrameCounter.h"

#include <array>

SingleListStore::SingleListStore(QObject *parent)
    : QObject(parent)
{
}

void SingleListStore::Replace(const QList<qint32> &codes)
{
    m_codes = codes;
    clsTSingleFrame::GetSingleFrame(Count(), m_codes, m_frame);
    changed();
    Q_EMIT ChangeCount(Count());
    Q_EMIT ChangeFrame(m_frame);
}

void SingleListStore::Clear()
{
    Replace({});
}

bool SingleListStore::SetAt(qint32 index, qint32 code)
{
    if (m_locked || index < 0 || index >= Count() || !clsTNumber::isValidCode(code))
        return false;
    addToFrame(m_codes.at(index), -1);
    m_codes[index] = code;
    addToFrame(code, +1);
    changed();
    Q_EMIT ChangeValue(index, code);
    Q_EMIT ChangeFrame(m_frame);
    return true;
}

bool SingleListStore::Append(qint32 code)
{
    if (m_locked || !clsTNumber::isValidCode(code))
        return false;
    m_codes.append(code);
    addToFrame(code, +1);
    changed();
    Q_EMIT ChangeCount(Count());
    Q_EMIT ChangeFrame(m_frame);
    return true;
}

bool SingleListStore::RemoveSelected(const std::vector<bool> &selected)
{
    if (m_locked || selected.size() != std::size_t(Count()))
        return false;
    QList<qint32> kept;
    kept.reserve(Count());
    for (qint32 index = 0; index < Count(); ++index) {
        if (selected[std::size_t(index)])
            addToFrame(m_codes.at(index), -1);
        else
            kept.append(m_codes.at(index));
    }
    m_codes = kept;
    changed();
    Q_EMIT ChangeCount(Count());
    Q_EMIT ChangeFrame(m_frame);
    return true;
}

void SingleListStore::addToFrame(qint32 code, int delta)
{
    if (!clsTNumber::isValidCode(code))
        return;
    std::array<qint32, clsTNumber::MatchCount> marks{};
    clsTNumber().NoToLong(code, marks);
    for (int match = 0; match < clsTNumber::MatchCount; ++match)
        m_frame[std::size_t(marks[std::size_t(match)])][std::size_t(match)] += delta;
}

void SingleListStore::changed()
{
    ++m_generation;
}
