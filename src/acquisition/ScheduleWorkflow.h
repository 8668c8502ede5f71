#pragma once

#include "acquisition/RoundWorkflow.h"
#include "acquisition/SchedulePageReader.h"
#include "rounddata/RoundData.h"
#include "rounddata/ScheduleFile.h"

// The schedule of one round for the rest of the program: the round file
// first, then, when allowed and confirmed, the official designated-match page,
// whose complete record becomes the round file when there is none yet.
class clsSchedule : public RoundWorkflow
{
public:
    clsSchedule();

    // True when the held record is complete.
    bool GetSchedule(qint32 lngKaisaikai, const QString &strKumi, int lngDType, bool blnDQuestion);
    ScheduleData Schedule() const;
    // True when the last get operation loaded a not-held marker file.
    bool NoGame() const;

    bool CheckScheduleFile(qint32 lngKaisaikai, const QString &strKumi) const;

    static bool IsScheduleValid(const ScheduleData &schedule);

private:
    bool loadFile(qint32 lngKaisaikai, const QString &strKumi, ScheduleData &schedule);
    bool download(qint32 lngKaisaikai, const QString &strKumi, ScheduleData &schedule);

    clsXmlSchedule m_xml;
    clsHtmlSchedule m_html;
    ScheduleData m_schedule;
    bool m_noGame = false;
};
