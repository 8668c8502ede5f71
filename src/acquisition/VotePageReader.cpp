#include "acquisition/VotePageReader.h"

#include "acquisition/PageLines.h"
#include "acquisition/ScheduleWorkflow.h"
#include "acquisition/BigSettings.h"
#include "support/Format.h"

#include <algorithm>

namespace {

// The marks of the three share columns after the home team: 1, 0, 2.
constexpr std::array<int, RoundData::MarkCount> shareColumns{1, 0, 2};

const QString notAvailable = QStringLiteral("ご指定の投票状況は表示できません。");

bool isFigureLabel(const QString &line)
{
    return line == QStringLiteral("売上金額") || line == QStringLiteral("投票口数")
        || line == QStringLiteral("投票枚数");
}

bool isDateLabel(const QString &line)
{
    return line == QStringLiteral("結果発表日") || line == QStringLiteral("払戻開始日")
        || line == QStringLiteral("払戻期限");
}

} // namespace

clsHtmlVote::clsHtmlVote()
    : OfficialPage(QStringLiteral("clsHtmlVote"))
    , m_urlHead(bigSettings().totoOfficialVoteUrl)
    , m_urlTail(bigSettings().totoOfficialTotoUrl)
{
}

QString clsHtmlVote::Url(qint32 lngKaisaikai) const
{
    return m_urlHead + Format::zeroPadded(lngKaisaikai, 4) + m_urlTail;
}

bool clsHtmlVote::GetVote(qint32 lngKaisaikai, const QString &strKumi, const ScheduleData &schedule, bool &blnFinal)
{
    m_vote = VoteData();
    m_unpublished = false;
    blnFinal = false;
    return m_err.guard(QStringLiteral("GetVote"), false, [&] {
        // The 13 toto matches are placed by the teams of the BIG matches.
        if (schedule.Kaisaikai != lngKaisaikai || !clsSchedule::IsScheduleValid(schedule))
            return false;

        // The team files as they are now: the user may have added a name.
        m_teams = clsTotoData();
        const QStringList lines
            = fetchLines(lngKaisaikai, QStringLiteral("投票状況情報"), Url(lngKaisaikai));
        TotoPage page;
        if (lines.isEmpty())
            return false;
        const Outcome outcome = read(PageLines(lines), page);
        m_unpublished = outcome == Outcome::Unpublished;
        if (outcome != Outcome::Read)
            return false;
        blnFinal = page.Final;
        m_vote = CarryOver(page, schedule, strKumi);
        return true;
    });
}

clsHtmlVote::Outcome clsHtmlVote::ReadLines(const QStringList &lines, TotoPage &page)
{
    page = TotoPage();
    m_unpublished = false;
    const Outcome outcome
        = m_err.guard(QStringLiteral("GetVote"), Outcome::Failed, [&] { return read(PageLines(lines), page); });
    m_unpublished = outcome == Outcome::Unpublished;
    return outcome;
}

clsHtmlVote::Outcome clsHtmlVote::read(const PageLines &lines, TotoPage &page)
{
    bool headingFound = false;
    bool stampFound = false;
    int year = 0;
    OleDate day;
    OleDate time;
    for (int i = 0; i < lines.count(); ++i) {
        const QString line = lines.at(i);
        if (!headingFound) {
            if (line == notAvailable)
                break;
            if (!m_toto.Kaisaikai(line, page.Kaisaikai))
                continue;
            headingFound = true;
        }
        if (!stampFound) {
            // A stamp without a day is no stamp: the page stays unpublished.
            if (!m_toto.GetStringToDateNow(line, page.VoteTime, page.Final) || page.VoteTime.isTimeOnly()) {
                page.VoteTime = OleDate();
                continue;
            }
            stampFound = true;
            year = page.VoteTime.date().year();
        }
        if (isFigureLabel(line)) {
            i += 3;
        } else if (line == QStringLiteral("販売期間")) {
            OleDate saleStart;
            m_toto.DateString2(lines.at(++i), saleStart, page.SaleEnd);
        } else if (isDateLabel(line)) {
            ++i;
        } else if (!readMatch(lines, i, year, day, time, page)) {
            return Outcome::Failed;
        }
    }
    if (!stampFound)
        return Outcome::Unpublished;
    // toto always lists 13 matches, called-off ones included: a page with
    // fewer rows was cut short and must not become a final status of zeros.
    const bool allRead = std::all_of(page.Read.begin() + 1, page.Read.end(), [](bool read) { return read; });
    return allRead ? Outcome::Read : Outcome::Failed;
}

// The match-row rule at line i: an optional day and kick-off, then a match
// number ("中止" in front of it for a called-off match), the home team, the
// three vote shares in the order home win, other, home loss, and the away
// team. i ends on the last line taken. False when a share cannot be read.
bool clsHtmlVote::readMatch(const PageLines &lines, int &i, int year, OleDate &day, OleDate &time, TotoPage &page)
{
    if (PageValue::isMatchDay(m_toto, year, lines.at(i))) {
        day = PageValue::matchDay(m_toto, year, lines.at(i));
        time = PageValue::kickOff(lines.at(i + 1));
        i += 2;
    }
    QString line = lines.at(i);
    if (line.contains(QStringLiteral("中止")))
        line.remove(0, 2);
    const int match = PageLines::numberOf(line, TotoMatchCount);
    if (match == 0)
        return true;

    TotoGame &game = page.Game[match];
    game.GameDate = day;
    game.StartTime = time;
    game.Home = lines.at(i + 1);
    for (int column = 0; column < RoundData::MarkCount; ++column) {
        VoteShare &vote = game.Votes[shareColumns[column]];
        if (!m_toto.GetValue2(lines.at(i + 2 + column), vote.Count, vote.Rate))
            return false;
    }
    game.Away = lines.at(i + 5);
    page.Read[match] = true;
    i += 5;
    return true;
}

VoteData clsHtmlVote::CarryOver(const TotoPage &page, const ScheduleData &schedule, const QString &strKumi) const
{
    VoteData vote;
    vote.Kaisaikai = page.Kaisaikai;
    vote.Kumi = strKumi;
    // A final status is dated at the end of sales, not when it was printed.
    vote.VoteTime = page.Final ? page.SaleEnd : page.VoteTime;
    QStringList scheduleClubs;
    for (int match = 1; match <= RoundData::MatchCount; ++match)
        scheduleClubs << club(schedule.Game[match].Home) << club(schedule.Game[match].Away);
    std::array<std::pair<QString, QString>, TotoMatchCount + 1> totoClubs;
    for (int toto = 1; toto <= TotoMatchCount; ++toto)
        totoClubs[toto] = {club(page.Game[toto].Home), club(page.Game[toto].Away)};
    std::array<bool, TotoMatchCount + 1> placed{};
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ScheduleGame &big = schedule.Game[match];
        VoteGame &game = vote.Game[match];
        game.Home = big.Home;
        game.Away = big.Away;
        game.GameDate = big.GameDate;
        game.StartTime = big.StartTime;
        const std::pair<QString, QString> clubs{scheduleClubs.at(2 * match - 2), scheduleClubs.at(2 * match - 1)};
        for (int toto = 1; toto <= TotoMatchCount; ++toto) {
            if (totoClubs[toto] == clubs) {
                game.Votes = page.Game[toto].Votes;
                placed[toto] = true;
                break;
            }
        }
    }
    for (int toto = 1; toto <= TotoMatchCount; ++toto) {
        if (!placed[toto] && !page.Game[toto].Home.isEmpty())
            logUnplaced(toto, page.Game[toto], scheduleClubs);
    }
    return vote;
}

QString clsHtmlVote::club(const QString &name) const
{
    const QString shortName = m_teams.FindShortTeamName(name);
    return clsTotoData::FoldTeamName(shortName.isEmpty() ? name : shortName);
}

void clsHtmlVote::logUnplaced(int toto, const TotoGame &game, const QStringList &scheduleClubs) const
{
    QStringList missing;
    for (const QString &name : {game.Home, game.Away}) {
        if (!scheduleClubs.contains(club(name)))
            missing << name;
    }
    QString line = QStringLiteral("toto ") + QString::number(toto) + QStringLiteral("：") + game.Home
                   + QStringLiteral(" - ") + game.Away + QStringLiteral(" はBIGの指定試合にありません");
    if (!missing.isEmpty())
        line += QStringLiteral("（見つからないチーム名：") + missing.join(u'、') + u'）';
    addLogLine(line);
}
