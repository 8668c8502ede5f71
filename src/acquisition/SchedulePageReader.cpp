#include "acquisition/SchedulePageReader.h"

#include "acquisition/PageLines.h"
#include "acquisition/BigSettings.h"
#include "support/Format.h"

#include <QDate>

namespace {

const QString notAvailable = QStringLiteral("ご指定のくじ情報は表示できません。");

QString headingKey(const QString &group)
{
    return group.isEmpty() ? QStringLiteral("BIGくじ指定試合")
                             : QStringLiteral("BIG-") + group + QStringLiteral("組くじ情報");
}

} // namespace

SchedulePageReader::SchedulePageReader()
    : OfficialPage(QStringLiteral("clsHtmlSchedule"))
    , m_urlHead(bigSettings().bigOfficialScheduleUrl)
    , m_urlTail(bigSettings().bigOfficialBigUrl)
{
}

QString SchedulePageReader::url(qint32 roundNumber) const
{
    return m_urlHead + Format::zeroPadded(roundNumber, 4) + m_urlTail;
}

bool SchedulePageReader::getSchedule(qint32 roundNumber, const QString &group)
{
    m_schedule = ScheduleData();
    m_unpublished = false;
    const QStringList lines = m_err.guard(QStringLiteral("GetSchedule"), QStringList(), [&] {
        return fetchLines(roundNumber, QStringLiteral("開催情報"), url(roundNumber));
    });
    return !lines.isEmpty() && readLines(lines, roundNumber, group);
}

bool SchedulePageReader::readLines(const QStringList &lines, qint32 roundNumber, const QString &group)
{
    m_schedule = ScheduleData();
    m_unpublished = false;
    return m_err.guard(QStringLiteral("GetSchedule"), false,
                       [&] { return read(PageLines(lines), roundNumber, group); });
}

bool SchedulePageReader::read(const PageLines &lines, qint32 roundNumber, const QString &group)
{
    const QString key = headingKey(group);
    ScheduleData schedule;
    int year = QDate::currentDate().year();
    bool headingFound = false;
    bool match14Read = false;
    for (int i = 0; i < lines.count(); ++i) {
        const QString line = lines.at(i);
        if (!headingFound) {
            if (line == notAvailable)
                break;
            qint32 round = 0;
            if (!m_toto.readRoundNumber(line, round, key))
                continue;
            headingFound = true;
            schedule.roundNumber = round;
            if (!group.isEmpty())
                schedule.group = group;
        }
        if (line == QStringLiteral("くじは中止となりました。")) {
            schedule.State = ScheduleData::StateCancelled;
        } else if (line == QStringLiteral("販売開始日")) {
            schedule.saleStart = m_toto.stringToDateEx2(lines.at(++i));
            // A date that could not be read has no year to give.
            if (schedule.saleStart.isSet())
                year = schedule.saleStart.date().year();
        } else if (line == QStringLiteral("販売終了日")) {
            schedule.saleEnd = m_toto.stringToDateEx2(lines.at(++i));
        } else if (line == QStringLiteral("結果発表日")) {
            schedule.resultDate = dateOf(lines.at(++i));
        } else if (line == QStringLiteral("払戻開始日")) {
            schedule.refundStart = dateOf(lines.at(++i));
        } else if (line == QStringLiteral("払戻期限")) {
            schedule.refundEnd = dateOf(lines.at(++i));
            break;
        } else if (const int match = lines.matchNumber(i, RoundData::MatchCount)) {
            // A second table after a complete first one is not this round's.
            if (match14Read || !readMatch(lines, i, year, schedule, roundNumber, schedule.game[match]))
                return false;
            match14Read = match14Read || match == RoundData::MatchCount;
            i += 6;
        }
    }
    if (!headingFound) {
        m_unpublished = true;
        return false;
    }
    m_schedule = schedule;
    return true;
}

bool SchedulePageReader::readMatch(const PageLines &lines, int row, int year, const ScheduleData &schedule,
                                qint32 roundNumber, ScheduleGame &game)
{
    game.gameDate = PageValue::matchDay(m_toto, year, lines.at(row + 1));
    // The page gives month and day only: a match day before the first day of
    // sales lies in the next year (a round sold in December for January).
    if (schedule.saleStart.isSet() && game.gameDate.date() < schedule.saleStart.date())
        game.gameDate = OleDate::fromDate(game.gameDate.date().addYears(1));
    game.startTime = PageValue::kickOff(lines.at(row + 2));
    game.stadium = lines.at(row + 3);
    game.home = shortTeamName(lines.at(row + 4), roundNumber);
    if (game.home.isEmpty())
        return false;
    const QString status = lines.at(row + 5);
    if (status != QStringLiteral("VS") && status != QStringLiteral("中止"))
        return false;
    game.status = status;
    game.away = shortTeamName(lines.at(row + 6), roundNumber);
    return !game.away.isEmpty();
}

QString SchedulePageReader::shortTeamName(const QString &officialName, qint32 roundNumber)
{
    // A row cut short has no name to look up: asking would warn about a club
    // called "" and remember it as the missing team name.
    return officialName.isEmpty() ? QString() : m_teams.getShortTeamName(officialName, roundNumber);
}
