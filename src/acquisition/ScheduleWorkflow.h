#pragma once

#include "acquisition/RoundWorkflow.h"
#include "acquisition/SchedulePageReader.h"
#include "rounddata/RoundData.h"
#include "rounddata/ScheduleFile.h"

// The schedule of one round for the rest of the program: the round file
// first, then, when allowed and confirmed, the official designated-match page,
// whose complete record becomes the round file when there is none yet.
class ScheduleWorkflow : public RoundWorkflow
{
public:
    ScheduleWorkflow();

    // True when the held record is complete.
    bool getSchedule(qint32 roundNumber, const QString &group, int downloadType, bool askBeforeDownload);
    ScheduleData schedule() const;
    // True when the last get operation loaded a not-held marker file.
    bool noGame() const;

    bool checkScheduleFile(qint32 roundNumber, const QString &group) const;

    static bool isScheduleValid(const ScheduleData &schedule);

private:
    bool loadFile(qint32 roundNumber, const QString &group, ScheduleData &schedule);
    bool download(qint32 roundNumber, const QString &group, ScheduleData &schedule);

    ScheduleFile m_xml;
    SchedulePageReader m_html;
    ScheduleData m_schedule;
    bool m_noGame = false;
};
