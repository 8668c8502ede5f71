#include "acquisition/ScheduleWorkflow.h"

#include "support/PathRules.h"

clsSchedule::clsSchedule()
    : RoundWorkflow(QStringLiteral("clsSchedule"), QStringLiteral("開催情報"))
{
}

bool clsSchedule::GetSchedule(qint32 lngKaisaikai, const QString &strKumi, int lngDType, bool blnDQuestion)
{
    if (!checkInitialized(QStringLiteral("GetSchedule")))
        return false;
    return m_err.guard(QStringLiteral("GetSchedule"), false, [&] {
        m_noGame = false;
        fetch(lngKaisaikai, lngDType, blnDQuestion, m_schedule,
              [&](ScheduleData &schedule) { return loadFile(lngKaisaikai, strKumi, schedule); },
              [&](ScheduleData &schedule) { return download(lngKaisaikai, strKumi, schedule); });
        return IsScheduleValid(m_schedule);
    });
}

bool clsSchedule::loadFile(qint32 lngKaisaikai, const QString &strKumi, ScheduleData &schedule)
{
    if (!loadRoundFile(m_xml, lngKaisaikai, strKumi, schedule, &clsXmlSchedule::Schedule))
        return false;
    m_noGame = schedule.State == ScheduleData::StateNotHeld;
    return true;
}

bool clsSchedule::download(qint32 lngKaisaikai, const QString &strKumi, ScheduleData &schedule)
{
    const bool parsed = m_html.GetSchedule(lngKaisaikai, strKumi);
    m_unpublished = m_html.Unpublished();
    if (!parsed)
        return false;
    schedule = m_html.Schedule();
    if (IsScheduleValid(schedule))
        keepAsNewRoundFile(m_xml, schedule, &clsXmlSchedule::setSchedule, m_html);
    return true;
}

ScheduleData clsSchedule::Schedule() const
{
    return checkInitialized(QStringLiteral("Schedule")) ? m_schedule : ScheduleData();
}

bool clsSchedule::NoGame() const
{
    return checkInitialized(QStringLiteral("NoGame")) && m_noGame;
}

bool clsSchedule::CheckScheduleFile(qint32 lngKaisaikai, const QString &strKumi) const
{
    return clsFileSystemObject::FileExists(m_xml.GetFileName(lngKaisaikai, strKumi));
}

bool clsSchedule::IsScheduleValid(const ScheduleData &schedule)
{
    if (schedule.Kaisaikai < 1)
        return false;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ScheduleGame &game = schedule.Game[match];
        if (game.Home.isEmpty() || game.Away.isEmpty() || game.Stadium.isEmpty() || !game.GameDate.isSet())
            return false;
    }
    return schedule.State != ScheduleData::StateHeld
        || (schedule.SaleStart.isSet() && schedule.SaleEnd.isSet() && schedule.ResultDate.isSet());
}
