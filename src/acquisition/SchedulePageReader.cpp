#include "acquisition/SchedulePageReader.h"

#include "acquisition/PageLines.h"
#include "acquisition/BigSettings.h"
#include "support/Format.h"

#include <QDate>

namespace {

const QString notAvailable = QStringLiteral("ご指定のくじ情報は表示できません。");

QString headingKey(const QString &strKumi)
{
    return strKumi.isEmpty() ? QStringLiteral("BIGくじ指定試合")
                             : QStringLiteral("BIG-") + strKumi + QStringLiteral("組くじ情報");
}

} // namespace

clsHtmlSchedule::clsHtmlSchedule()
    : OfficialPage(QStringLiteral("clsHtmlSchedule"))
    , m_urlHead(bigSettings().bigOfficialScheduleUrl)
    , m_urlTail(bigSettings().bigOfficialBigUrl)
{
}

QString clsHtmlSchedule::Url(qint32 lngKaisaikai) const
{
    return m_urlHead + Format::zeroPadded(lngKaisaikai, 4) + m_urlTail;
}

bool clsHtmlSchedule::GetSchedule(qint32 lngKaisaikai, const QString &strKumi)
{
    m_schedule = ScheduleData();
    m_unpublished = false;
    const QStringList lines = m_err.guard(QStringLiteral("GetSchedule"), QStringList(), [&] {
        return fetchLines(lngKaisaikai, QStringLiteral("開催情報"), Url(lngKaisaikai));
    });
    return !lines.isEmpty() && ReadLines(lines, lngKaisaikai, strKumi);
}

bool clsHtmlSchedule::ReadLines(const QStringList &lines, qint32 lngKaisaikai, const QString &strKumi)
{
    m_schedule = ScheduleData();
    m_unpublished = false;
    return m_err.guard(QStringLiteral("GetSchedule"), false,
                       [&] { return read(PageLines(lines), lngKaisaikai, strKumi); });
}

bool clsHtmlSchedule::read(const PageLines &lines, qint32 lngKaisaikai, const QString &strKumi)
{
    const QString key = headingKey(strKumi);
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
            if (!m_toto.GetKaisaikai(line, round, key))
                continue;
            headingFound = true;
            schedule.Kaisaikai = round;
            if (!strKumi.isEmpty())
                schedule.Kumi = strKumi;
        }
        if (line == QStringLiteral("くじは中止となりました。")) {
            schedule.State = ScheduleData::StateCancelled;
        } else if (line == QStringLiteral("販売開始日")) {
            schedule.SaleStart = m_toto.StringToDateEx2(lines.at(++i));
            // A date that could not be read has no year to give.
            if (schedule.SaleStart.isSet())
                year = schedule.SaleStart.date().year();
        } else if (line == QStringLiteral("販売終了日")) {
            schedule.SaleEnd = m_toto.StringToDateEx2(lines.at(++i));
        } else if (line == QStringLiteral("結果発表日")) {
            schedule.ResultDate = dateOf(lines.at(++i));
        } else if (line == QStringLiteral("払戻開始日")) {
            schedule.RefundStart = dateOf(lines.at(++i));
        } else if (line == QStringLiteral("払戻期限")) {
            schedule.RefundEnd = dateOf(lines.at(++i));
            break;
        } else if (const int match = lines.matchNumber(i, RoundData::MatchCount)) {
            // A second table after a complete first one is not this round's.
            if (match14Read || !readMatch(lines, i, year, schedule, lngKaisaikai, schedule.Game[match]))
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

bool clsHtmlSchedule::readMatch(const PageLines &lines, int row, int year, const ScheduleData &schedule,
                                qint32 lngKaisaikai, ScheduleGame &game)
{
    game.GameDate = PageValue::matchDay(m_toto, year, lines.at(row + 1));
    // The page gives month and day only: a match day before the first day of
    // sales lies in the next year (a round sold in December for January).
    if (schedule.SaleStart.isSet() && game.GameDate.date() < schedule.SaleStart.date())
        game.GameDate = OleDate::fromDate(game.GameDate.date().addYears(1));
    game.StartTime = PageValue::kickOff(lines.at(row + 2));
    game.Stadium = lines.at(row + 3);
    game.Home = shortTeamName(lines.at(row + 4), lngKaisaikai);
    if (game.Home.isEmpty())
        return false;
    const QString status = lines.at(row + 5);
    if (status != QStringLiteral("VS") && status != QStringLiteral("中止"))
        return false;
    game.Status = status;
    game.Away = shortTeamName(lines.at(row + 6), lngKaisaikai);
    return !game.Away.isEmpty();
}

QString clsHtmlSchedule::shortTeamName(const QString &officialName, qint32 lngKaisaikai)
{
    // A row cut short has no name to look up: asking would warn about a club
    // called "" and remember it as the missing team name.
    return officialName.isEmpty() ? QString() : m_teams.GetShortTeamName(officialName, lngKaisaikai);
}
