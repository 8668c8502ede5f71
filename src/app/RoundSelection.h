#pragma once

#include "acquisition/ResultWorkflow.h"
#include "acquisition/ScheduleWorkflow.h"
#include "acquisition/VoteWorkflow.h"
#include "rounddata/RoundData.h"

#include <QObject>
#include <QStringList>

#include <memory>

// The round and group selection behind the home page's round box and group
// box: holds the current round's three records, reloads them from the round
// files on every change and runs the three official downloads. The window
// shows roundText() in the round box and forwards what the user types.
class RoundSelection : public QObject
{
    Q_OBJECT

public:
    explicit RoundSelection(QObject *parent = nullptr);
    ~RoundSelection() override;

    // Round box "0", first group, the download workflows ready; changes
    // before this are ignored.
    void initialize();

    QString roundText() const { return m_roundText; }
    // The round box's text was edited: it is normalised and the round reloaded.
    void setRoundText(const QString &text);
    // Up, Down, Page Up, Page Down and the spin arrows.
    void stepRound(int delta);
    // Writes the number into the round box, which reloads.
    void setRoundNumber(qint32 roundNumber);

    static QStringList groups();
    qint32 groupIndex() const { return m_groupIndex; }
    // A click in the group box reloads the round; the group itself never
    // changes the files read.
    void groupClick(int index);

    qint32 roundNumber() const { return m_roundNumber; }
    QString group() const { return m_group; }
    const ScheduleData &schedule() const { return m_schedule; }
    const VoteData &vote() const { return m_vote; }
    void setVote(const VoteData &vote) { m_vote = vote; }
    const ResultData &result() const { return m_result; }
    // The round's schedule file marks it as not held.
    bool noGame() const { return m_noGame; }

    void getSchedule(bool askFirst);
    void getVote(bool askFirst);
    void getResult(bool askFirst);

    bool checkScheduleFile() const;
    bool checkVoteFile() const;
    bool checkResultFile() const;

    // A new schedule workflow, whose page reader sees the current team-name files.
    void scheduleInitialize();

Q_SIGNALS:
    void roundNumberChange(qint32 roundNumber, const QString &group);
    // The round box must show this text.
    void roundTextChange(const QString &text);

private:
    void setText(const QString &text);
    // Reads the round's three files.
    void loadRoundData();

    std::unique_ptr<ScheduleWorkflow> m_scheduleWorkflow;
    VoteWorkflow m_voteWorkflow;
    ResultWorkflow m_resultWorkflow;
    bool m_initialized = false;
    QString m_roundText;
    qint32 m_groupIndex = 0;
    qint32 m_roundNumber = 0;
    QString m_group;
    ScheduleData m_schedule;
    VoteData m_vote;
    ResultData m_result;
    bool m_noGame = false;
};
