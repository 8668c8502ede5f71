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
// shows RoundText() in the round box and forwards what the user types.
class clsTMain : public QObject
{
    Q_OBJECT

public:
    explicit clsTMain(QObject *parent = nullptr);
    ~clsTMain() override;

    // Round box "0", first group, the download workflows ready; changes
    // before this are ignored.
    void Initialize();

    QString RoundText() const { return m_roundText; }
    // The round box's text was edited: it is normalised and the round reloaded.
    void SetRoundText(const QString &text);
    // Up, Down, Page Up, Page Down and the spin arrows.
    void StepRound(int delta);
    // Writes the number into the round box, which reloads.
    void SetKaisaikai(qint32 lngKaisaikai);

    static QStringList Groups();
    qint32 GroupIndex() const { return m_groupIndex; }
    // A click in the group box reloads the round; the group itself never
    // changes the files read.
    void GroupClick(int index);

    qint32 Kaisaikai() const { return m_kaisaikai; }
    QString Kumi() const { return m_kumi; }
    const ScheduleData &Schedule() const { return m_schedule; }
    const VoteData &Vote() const { return m_vote; }
    void setVote(const VoteData &vote) { m_vote = vote; }
    const ResultData &Result() const { return m_result; }
    // The round's schedule file marks it as not held.
    bool NoGame() const { return m_noGame; }

    void GetSchedule(bool blnAskFirst);
    void GetVote(bool blnAskFirst);
    void GetResult(bool blnAskFirst);

    bool CheckScheduleFile() const;
    bool CheckVoteFile() const;
    bool CheckResultFile() const;

    // A new schedule workflow, whose page reader sees the current team-name files.
    void ScheduleInitialize();

Q_SIGNALS:
    void KaisaikaiChange(qint32 lngKaisaikai, const QString &strKumi);
    // The round box must show this text.
    void RoundTextChange(const QString &text);

private:
    void setText(const QString &text);
    // Reads the round's three files.
    void LoadRoundData();

    std::unique_ptr<clsSchedule> m_scheduleWorkflow;
    clsVote m_voteWorkflow;
    clsResult m_resultWorkflow;
    bool m_initialized = false;
    QString m_roundText;
    qint32 m_groupIndex = 0;
    qint32 m_kaisaikai = 0;
    QString m_kumi;
    ScheduleData m_schedule;
    VoteData m_vote;
    ResultData m_result;
    bool m_noGame = false;
};
