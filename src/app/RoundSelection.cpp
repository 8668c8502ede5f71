#include "app/RoundSelection.h"

#include "app/RoundNumberText.h"
#include "support/AppInfo.h"
#include "support/Ui.h"

clsTMain::clsTMain(QObject *parent)
    : QObject(parent)
    , m_scheduleWorkflow(std::make_unique<clsSchedule>())
{
}

clsTMain::~clsTMain() = default;

void clsTMain::Initialize()
{
    setText(QStringLiteral("0"));
    m_groupIndex = 0;
    m_scheduleWorkflow->Initialize();
    m_voteWorkflow.Initialize();
    m_resultWorkflow.Initialize();
    m_initialized = true;
}

void clsTMain::setText(const QString &text)
{
    m_roundText = text;
    Q_EMIT RoundTextChange(text);
}

void clsTMain::SetRoundText(const QString &text)
{
    const QString shown = RoundNumberText::normalized(text);
    setText(shown);
    if (m_initialized)
        LoadRoundData();
}

void clsTMain::StepRound(int delta)
{
    SetRoundText(RoundNumberText::stepped(m_roundText, delta));
}

void clsTMain::SetKaisaikai(qint32 lngKaisaikai)
{
    SetRoundText(QString::number(lngKaisaikai));
}

QStringList clsTMain::Groups()
{
    return {QStringLiteral("Ａ組"), QStringLiteral("Ｂ組")};
}

void clsTMain::GroupClick(int index)
{
    m_groupIndex = index;
    if (m_initialized)
        LoadRoundData();
}

void clsTMain::LoadRoundData()
{
    m_kaisaikai = RoundNumberText::roundOf(m_roundText);
    const bool scheduleRead = m_scheduleWorkflow->GetSchedule(m_kaisaikai, m_kumi, RoundWorkflow::FromFile, false);
    m_schedule = scheduleRead ? m_scheduleWorkflow->Schedule() : ScheduleData();
    m_noGame = m_scheduleWorkflow->NoGame();
    const bool voteRead = m_voteWorkflow.GetVote(m_kaisaikai, m_kumi, RoundWorkflow::FromFile, false, m_schedule);
    m_vote = voteRead ? m_voteWorkflow.Vote() : VoteData();
    const bool resultRead = m_resultWorkflow.GetResult(m_kaisaikai, m_kumi, RoundWorkflow::FromFile, false);
    m_result = resultRead ? m_resultWorkflow.Result() : ResultData();
    Q_EMIT KaisaikaiChange(m_kaisaikai, m_kumi);
}

// A download's record is what its round file now holds: the round takes it
// without reading the files again.
void clsTMain::GetSchedule(bool blnAskFirst)
{
    if (m_noGame)
        return;
    const int both = RoundWorkflow::FromFile | RoundWorkflow::FromSite;
    if (!m_scheduleWorkflow->GetSchedule(m_kaisaikai, m_kumi, both, blnAskFirst)) {
        m_scheduleWorkflow->FalseDialog(m_kaisaikai);
        return;
    }
    m_schedule = m_scheduleWorkflow->Schedule();
    m_noGame = m_scheduleWorkflow->NoGame();
    Q_EMIT KaisaikaiChange(m_kaisaikai, m_kumi);
}

void clsTMain::GetVote(bool blnAskFirst)
{
    if (m_noGame)
        return;
    if (!CheckScheduleFile()) {
        Ui::instance().showMessage(Ui::Icon::Information, AppInfo::title(),
                                   QStringLiteral("開催情報を先にダウンロードして下さい。"));
        return;
    }
    const int both = RoundWorkflow::FromFile | RoundWorkflow::FromSite;
    if (!m_voteWorkflow.GetVote(m_kaisaikai, m_kumi, both, blnAskFirst, m_schedule)) {
        m_voteWorkflow.FalseDialog(m_kaisaikai);
        return;
    }
    m_vote = m_voteWorkflow.Vote();
    Q_EMIT KaisaikaiChange(m_kaisaikai, m_kumi);
}

void clsTMain::GetResult(bool blnAskFirst)
{
    if (m_noGame)
        return;
    const int both = RoundWorkflow::FromFile | RoundWorkflow::FromSite;
    if (!m_resultWorkflow.GetResult(m_kaisaikai, m_kumi, both, blnAskFirst)) {
        m_resultWorkflow.FalseDialog(m_kaisaikai);
        return;
    }
    m_result = m_resultWorkflow.Result();
    Q_EMIT KaisaikaiChange(m_kaisaikai, m_kumi);
}

bool clsTMain::CheckScheduleFile() const
{
    return m_scheduleWorkflow->CheckScheduleFile(m_kaisaikai, m_kumi);
}

bool clsTMain::CheckVoteFile() const
{
    return m_voteWorkflow.CheckVoteFile(m_kaisaikai, m_kumi);
}

bool clsTMain::CheckResultFile() const
{
    return m_resultWorkflow.CheckResultFile(m_kaisaikai, m_kumi);
}

void clsTMain::ScheduleInitialize()
{
    m_scheduleWorkflow = std::make_unique<clsSchedule>();
    m_scheduleWorkflow->Initialize();
}
