#include "singles/SingleListStore.h"

#include "lottery/SingleCode.h"
#include "singles/FrameCounter.h"

#include <array>

SingleListStore::SingleListStore(QObject *parent)
    : QObject(parent)
{
}

void SingleListStore::replace(const QList<qint32> &codes)
{
    m_codes = codes;
    FrameCounter::getSingleFrame(count(), m_codes, m_frame);
    changed();
    Q_EMIT changeCount(count());
    Q_EMIT changeFrame(m_frame);
}

void SingleListStore::clear()
{
    replace({});
}

bool SingleListStore::setAt(qint32 index, qint32 code)
{
    if (m_locked || index < 0 || index >= count() || !SingleCode::isValidCode(code))
        return false;
    addToFrame(m_codes.at(index), -1);
    m_codes[index] = code;
    addToFrame(code, +1);
    changed();
    Q_EMIT ChangeValue(index, code);
    Q_EMIT changeFrame(m_frame);
    return true;
}

bool SingleListStore::append(qint32 code)
{
    if (m_locked || !SingleCode::isValidCode(code))
        return false;
    m_codes.append(code);
    addToFrame(code, +1);
    changed();
    Q_EMIT changeCount(count());
    Q_EMIT changeFrame(m_frame);
    return true;
}

bool SingleListStore::removeSelected(const std::vector<bool> &selected)
{
    if (m_locked || selected.size() != std::size_t(count()))
        return false;
    QList<qint32> kept;
    kept.reserve(count());
    for (qint32 index = 0; index < count(); ++index) {
        if (selected[std::size_t(index)])
            addToFrame(m_codes.at(index), -1);
        else
            kept.append(m_codes.at(index));
    }
    m_codes = kept;
    changed();
    Q_EMIT changeCount(count());
    Q_EMIT changeFrame(m_frame);
    return true;
}

void SingleListStore::addToFrame(qint32 code, int delta)
{
    if (!SingleCode::isValidCode(code))
        return;
    std::array<qint32, SingleCode::MatchCount> marks{};
    SingleCode().codeToInts(code, marks);
    for (int match = 0; match < SingleCode::MatchCount; ++match)
        m_frame[std::size_t(marks[std::size_t(match)])][std::size_t(match)] += delta;
}

void SingleListStore::changed()
{
    ++m_generation;
}
