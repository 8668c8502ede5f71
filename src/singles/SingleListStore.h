#pragma once

#include "evaluation/EvaluationTables.h"

#include <QList>
#include <QObject>

#include <vector>

// The user's list of singles with its single frame: the one copy that the
// pages, the files and the commands read. Whole-list replacements come from
// the commands; single edits come from the singles page and are refused
// while the list is locked (a long operation runs) or when they name no
// single of the list. Every change is told at once.
class SingleListStore : public QObject
{
    Q_OBJECT

public:
    explicit SingleListStore(QObject *parent = nullptr);

    qint32 count() const { return qint32(m_codes.size()); }
    // Shared, not copied: a copy taken now stays as it is whatever the list becomes.
    const QList<qint32> &codes() const { return m_codes; }
    const MarkCounts &frame() const { return m_frame; }
    // Handed with the frame to the count tables; never set.
    const MatchFlags &visible() const { return m_visible; }
    // Changes with every change of the list, so that work on the whole list
    // is done once per change.
    quint64 generation() const { return m_generation; }

    // The list and its recounted frame.
    void replace(const QList<qint32> &codes);
    void clear();

    bool locked() const { return m_locked; }
    void setLocked(bool locked) { m_locked = locked; }
    // False, and nothing changed, while locked, outside the list or for a
    // code that is no single.
    bool setAt(qint32 index, qint32 code);
    bool append(qint32 code);
    // Removes the singles whose flag is set (one flag per single); false
    // while locked or when the flags do not match the list.
    bool removeSelected(const std::vector<bool> &selected);

Q_SIGNALS:
    void ChangeValue(qint32 index, qint32 code);
    void changeCount(qint32 count);
    void changeFrame(const MarkCounts &frame);

private:
    void addToFrame(qint32 code, int delta);
    void changed();

    QList<qint32> m_codes;
    MarkCounts m_frame{};
    MatchFlags m_visible{};
    quint64 m_generation = 0;
    bool m_locked = false;
};
