#pragma once

#include "evaluation/EvaluationTables.h"
#include "rounddata/RoundData.h"

#include <QList>
#include <QObject>
#include <QStringList>

class clsTSingle;

// The main window's side of the singles controller, for tests: it holds the
// authoritative list and single frame, answers every event while it is being
// raised, as the main window does, and logs events and page moves in order.
class SinglesOwner : public QObject
{
    Q_OBJECT

public:
    explicit SinglesOwner(clsTSingle &controller);

    // A whole-list replacement: the list and its recounted frame.
    void setList(const QList<qint32> &singles);
    // What the main window does when it shows the singles page.
    void show(const VoteData &vote = {});

    qint32 count = 0;
    QList<qint32> singles;
    MarkCounts frame{};
    MatchFlags visible{};
    // "ChangeValue 3 19", "ChangeFrame", "ChangeCount 11", "page 2／2".
    QStringList log;

private:
    clsTSingle &m_controller;
};
