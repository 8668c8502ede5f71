#include "acquisition/clsSchedule.h"

#include "support/clsFileSystemObject.h"

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
    if (!m_xml.XmlLoad(m_xml.GetFileName(lngKaisaikai, strKumi)))
        return false;
    schedule = m_xml.Schedule();
    m_noGame = schedule.State == 1;
    return true;
}

bool clsSchedule::download(qint32 lngKaisaikai, const QString &strKumi, ScheduleData &schedule)
{
    const bool parsed = m_html.GetSchedule(lngKaisaikai, strKumi, owner());
    m_unpublished = m_html.Unpublished();
    if (!parsed)
        return false;
    schedule = m_html.Schedule();
    SaveScheduleFile(schedule);
    return true;
}

void clsSchedule::SaveScheduleFile(const ScheduleData &schedule)
{
    if (!IsScheduleValid(schedule))
        return;
    const QString fileName = m_xml.GetFileName(schedule.Kaisaikai, schedule.Kumi);
    if (clsFileSystemObject::FileExists(fileName))
        return;
    m_xml.setSchedule(schedule);
    m_xml.XmlSave(fileName);
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
    for (int match = 1; match <= 14; ++match) {
        const ScheduleGame &game = schedule.Game[match];
        if (game.Home.isEmpty() || game.Away.isEmpty() || game.Stadium.isEmpty() || !game.GameDate.isSet())
            return false;
    }
    return schedule.State != 0
        || (schedule.SaleStart.isSet() && schedule.SaleEnd.isSet() && schedule.ResultDate.isSet());
}
