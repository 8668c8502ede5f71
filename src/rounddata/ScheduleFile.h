#pragma once

#include "rounddata/RoundData.h"
#include "rounddata/RoundXmlFile.h"

#include <QString>

// The schedule file of one round and group (SysData\BIG_Schedule): the 14
// designated matches, the sales and result dates and the round state. It
// also reads, and can write, the not-held marker: a minimal schedule file
// recording that the round will not take place (State 1).
class ScheduleFile
{
public:
    QString getFileName(qint32 roundNumber, const QString &group) const;

    // Writes the held record; never changes it.
    bool xmlSave(const QString &fileName) const;
    // Replaces the held record with the file's only when the whole file reads.
    bool xmlLoad(const QString &fileName);
    // Writes the not-held marker of the round.
    bool xmlSaveNotHeld(qint32 roundNumber, const QString &fileName) const;

    ScheduleData schedule() const { return m_schedule; }
    void setSchedule(const ScheduleData &schedule) { m_schedule = schedule; }

private:
    QString render() const;

    RoundXmlFile m_file{QStringLiteral("clsXmlSchedule")};
    ScheduleData m_schedule;
};
