#include "app/RoundSelection.h"

#include "app/RoundNumberText.h"
#include "support/AppInfo.h"
#include "support/Ui.h"

RoundSelection::RoundSelection(QObject *parent)
    : QObject(parent)
    , m_scheduleWorkflow(std::make_unique<ScheduleWorkflow>())
{
}

RoundSelection::~RoundSelection() = default;

void RoundSelection::initialize()
{
    setText(QStringLiteral("0"));
    m_groupIndex = 0;
    m_scheduleWorkflow->initialize();
    m_voteWorkflow.initialize();
    m_resultWorkflow.initialize();
    m_initialized = true;
}

void RoundSelection::setText(const QString &text)
{
    m_roundText = text;
    Q_EMIT roundTextChange(text);
}

void RoundSelection::setRoundText(const QString &text)
{
    const QString shown = RoundNumberText::normalized(text);
    setText(shown);
    if (m_initialized)
        loadRoundData();
}

void RoundSelection::stepRound(int delta)
{
    setRoundText(RoundNumberText::stepped(m_roundText, delta));
}

void RoundSelection::setRoundNumber(qint32 roundNumber)
{
    setRoundText(QString::number(roundNumber));
}

QStringList RoundSelection::groups()
{
    return {QStringLiteral("Ａ組"), QStringLiteral("Ｂ組")};
}

void RoundSelection::groupClick(int index)
{
    m_groupIndex = index;
    if (m_initialized)
        loadRoundData();
}

void RoundSelection::loadRoundData()
{
    m_roundNumber = RoundNumberText::roundOf(m_roundText);
    const bool scheduleRead = m_scheduleWorkflow->getSchedule(m_roundNumber, m_group, RoundWorkflow::FromFile, false);
    m_schedule = scheduleRead ? m_scheduleWorkflow->schedule() : ScheduleData();
    m_noGame = m_scheduleWorkflow->noGame();
    const bool voteRead = m_voteWorkflow.getVote(m_roundNumber, m_group, RoundWorkflow::FromFile, false, m_schedule);
    m_vote = voteRead ? m_voteWorkflow.vote() : VoteData();
    const bool resultRead = m_resultWorkflow.getResult(m_roundNumber, m_group, RoundWorkflow::FromFile, false);
    m_result = resultRead ? m_resultWorkflow.result() : ResultData();
    Q_EMIT roundNumberChange(m_roundNumber, m_group);
}

// A download's record is what its round file now holds: the round takes it
// without reading the files again.
void RoundSelection::getSchedule(bool askFirst)
{
    if (m_noGame)
        return;
    const int both = RoundWorkflow::FromFile | RoundWorkflow::FromSite;
    if (!m_scheduleWorkflow->getSchedule(m_roundNumber, m_group, both, askFirst)) {
        m_scheduleWorkflow->falseDialog(m_roundNumber);
        return;
    }
    m_schedule = m_scheduleWorkflow->schedule();
    m_noGame = m_scheduleWorkflow->noGame();
    Q_EMIT roundNumberChange(m_roundNumber, m_group);
}

void RoundSelection::getVote(bool askFirst)
{
    if (m_noGame)
        return;
    if (!checkScheduleFile()) {
        Ui::instance().showMessage(Ui::Icon::Information, AppInfo::title(),
                                   QStringLiteral("開催情報を先にダウンロードして下さい。"));
        return;
    }
    const int both = RoundWorkflow::FromFile | RoundWorkflow::FromSite;
    if (!m_voteWorkflow.getVote(m_roundNumber, m_group, both, askFirst, m_schedule)) {
        m_voteWorkflow.falseDialog(m_roundNumber);
        return;
    }
    m_vote = m_voteWorkflow.vote();
    Q_EMIT roundNumberChange(m_roundNumber, m_group);
}

void RoundSelection::getResult(bool askFirst)
{
    if (m_noGame)
        return;
    const int both = RoundWorkflow::FromFile | RoundWorkflow::FromSite;
    if (!m_resultWorkflow.getResult(m_roundNumber, m_group, both, askFirst)) {
        m_resultWorkflow.falseDialog(m_roundNumber);
        return;
    }
    m_result = m_resultWorkflow.result();
    Q_EMIT roundNumberChange(m_roundNumber, m_group);
}

bool RoundSelection::checkScheduleFile() const
{
    return m_scheduleWorkflow->checkScheduleFile(m_roundNumber, m_group);
}

bool RoundSelection::checkVoteFile() const
{
    return m_voteWorkflow.checkVoteFile(m_roundNumber, m_group);
}

bool RoundSelection::checkResultFile() const
{
    return m_resultWorkflow.checkResultFile(m_roundNumber, m_group);
}

void RoundSelection::scheduleInitialize()
{
    m_scheduleWorkflow = std::make_unique<ScheduleWorkflow>();
    m_scheduleWorkflow->initialize();
}
