#pragma once

#include "acquisition/OfficialPage.h"
#include "lottery/TeamNames.h"
#include "rounddata/RoundData.h"

#include <QString>

class PageLines;

// Reads the official designated-match page of one BIG round: the round, the
// 14 matches with short team names, the sales and payout dates and whether
// the round was called off.
class SchedulePageReader : public OfficialPage
{
public:
    // Copies the page address from the settings.
    SchedulePageReader();

    // Downloads and reads the page; on success the held record is replaced.
    bool getSchedule(qint32 roundNumber, const QString &group);
    // Reads a page already reduced to its text lines, as getSchedule does
    // after the fetch; on success the held record is replaced.
    bool readLines(const QStringList &lines, qint32 roundNumber, const QString &group);
    // The last record read (empty after a failed read).
    const ScheduleData &schedule() const { return m_schedule; }
    QString url(qint32 roundNumber) const;

private:
    bool read(const PageLines &lines, qint32 roundNumber, const QString &group);
    bool readMatch(const PageLines &lines, int row, int year, const ScheduleData &schedule,
                   qint32 roundNumber, ScheduleGame &game);
    QString shortTeamName(const QString &officialName, qint32 roundNumber);

    TeamNames m_teams;
    QString m_urlHead;
    QString m_urlTail;
    ScheduleData m_schedule;
};
