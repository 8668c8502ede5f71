#pragma once

#include "acquisition/OfficialPage.h"
#include "lottery/TeamNames.h"
#include "rounddata/RoundData.h"

#include <QString>

class PageLines;

// Reads the official designated-match page of one BIG round: the round, the
// 14 matches with short team names, the sales and payout dates and whether
// the round was called off.
class clsHtmlSchedule : public OfficialPage
{
public:
    // Copies the page address from the settings.
    clsHtmlSchedule();

    // Downloads and reads the page; on success the held record is replaced.
    bool GetSchedule(qint32 lngKaisaikai, const QString &strKumi);
    // Reads a page already reduced to its text lines, as GetSchedule does
    // after the fetch; on success the held record is replaced.
    bool ReadLines(const QStringList &lines, qint32 lngKaisaikai, const QString &strKumi);
    // The last record read (empty after a failed read).
    const ScheduleData &Schedule() const { return m_schedule; }
    QString Url(qint32 lngKaisaikai) const;

private:
    bool read(const PageLines &lines, qint32 lngKaisaikai, const QString &strKumi);
    bool readMatch(const PageLines &lines, int row, int year, const ScheduleData &schedule,
                   qint32 lngKaisaikai, ScheduleGame &game);
    QString shortTeamName(const QString &officialName, qint32 lngKaisaikai);

    clsTotoData m_teams;
    QString m_urlHead;
    QString m_urlTail;
    ScheduleData m_schedule;
};
