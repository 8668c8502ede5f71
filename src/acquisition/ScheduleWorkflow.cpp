#include "acquisition/ScheduleWorkflow.h"

#include "support/PathRules.h"

ScheduleWorkflow::ScheduleWorkflow()
    : RoundWorkflow(QStringLiteral("clsSchedule"), QStringLiteral("開催情報"))
{
}

bool ScheduleWorkflow::getSchedule(qint32 roundNumber, const QString &group, int downloadType, bool askBeforeDownload)
{
    if (!checkInitialized(QStringLiteral("GetSchedule")))
        return false;
    return m_err.guard(QStringLiteral("GetSchedule"), false, [&] {
        m_noGame = false;
        fetch(roundNumber, downloadType, askBeforeDownload, m_schedule,
              [&](ScheduleData &schedule) { return loadFile(roundNumber, group, schedule); },
              [&](ScheduleData &schedule) { return download(roundNumber, group, schedule); });
        return isScheduleValid(m_schedule);
    });
}

bool ScheduleWorkflow::loadFile(qint32 roundNumber, const QString &group, ScheduleData &schedule)
{
    if (!loadRoundFile(m_xml, roundNumber, group, schedule, &ScheduleFile::schedule))
        return false;
    m_noGame = schedule.State == ScheduleData::StateNotHeld;
    return true;
}

bool ScheduleWorkflow::download(qint32 roundNumber, const QString &group, ScheduleData &schedule)
{
    const bool parsed = m_html.getSchedule(roundNumber, group);
    m_unpublished = m_html.Unpublished();
    if (!parsed)
        return false;
    schedule = m_html.schedule();
    if (isScheduleValid(schedule))
        keepAsNewRoundFile(m_xml, schedule, &ScheduleFile::setSchedule, m_html);
    return true;
}

ScheduleData ScheduleWorkflow::schedule() const
{
    return checkInitialized(QStringLiteral("Schedule")) ? m_schedule : ScheduleData();
}

bool ScheduleWorkflow::noGame() const
{
    return checkInitialized(QStringLiteral("NoGame")) && m_noGame;
}

bool ScheduleWorkflow::checkScheduleFile(qint32 roundNumber, const QString &group) const
{
    return PathRules::fileExists(m_xml.getFileName(roundNumber, group));
}

bool ScheduleWorkflow::isScheduleValid(const ScheduleData &schedule)
{
    if (schedule.roundNumber < 1)
        return false;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ScheduleGame &game = schedule.game[match];
        if (game.home.isEmpty() || game.away.isEmpty() || game.stadium.isEmpty() || !game.gameDate.isSet())
            return false;
    }
    return schedule.State != ScheduleData::StateHeld
        || (schedule.saleStart.isSet() && schedule.saleEnd.isSet() && schedule.resultDate.isSet());
}
