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

VotePageReader::VotePageReader()
    : OfficialPage(QStringLiteral("clsHtmlVote"))
    , m_urlHead(bigSettings().totoOfficialVoteUrl)
    , m_urlTail(bigSettings().totoOfficialTotoUrl)
{
}

QString VotePageReader::url(qint32 roundNumber) const
{
    return m_urlHead + Format::zeroPadded(roundNumber, 4) + m_urlTail;
}

bool VotePageReader::getVote(qint32 roundNumber, const QString &group, const ScheduleData &schedule, bool &isFinal)
{
    m_vote = VoteData();
    m_unpublished = false;
    isFinal = false;
    return m_err.guard(QStringLiteral("GetVote"), false, [&] {
        // The 13 toto matches are placed by the teams of the BIG matches.
        if (schedule.roundNumber != roundNumber || !ScheduleWorkflow::isScheduleValid(schedule))
            return false;

        // The team files as they are now: the user may have added a name.
        m_teams = TeamNames();
        const QStringList lines
            = fetchLines(roundNumber, QStringLiteral("投票状況情報"), url(roundNumber));
        TotoPage page;
        if (lines.isEmpty())
            return false;
        const Outcome outcome = read(PageLines(lines), page);
        m_unpublished = outcome == Outcome::Unpublished;
        if (outcome != Outcome::Read)
            return false;
        isFinal = page.final;
        m_vote = carryOver(page, schedule, group);
        return true;
    });
}

VotePageReader::Outcome VotePageReader::readLines(const QStringList &lines, TotoPage &page)
{
    page = TotoPage();
    m_unpublished = false;
    const Outcome outcome
        = m_err.guard(QStringLiteral("GetVote"), Outcome::Failed, [&] { return read(PageLines(lines), page); });
    m_unpublished = outcome == Outcome::Unpublished;
    return outcome;
}

VotePageReader::Outcome VotePageReader::read(const PageLines &lines, TotoPage &page)
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
            if (!m_toto.parseRoundNumber(line, page.roundNumber))
                continue;
            headingFound = true;
        }
        if (!stampFound) {
            // A stamp without a day is no stamp: the page stays unpublished.
            if (!m_toto.getStringToDateNow(line, page.voteTime, page.final) || page.voteTime.isTimeOnly()) {
                page.voteTime = OleDate();
                continue;
            }
            stampFound = true;
            year = page.voteTime.date().year();
        }
        if (isFigureLabel(line)) {
            i += 3;
        } else if (line == QStringLiteral("販売期間")) {
            OleDate saleStart;
            m_toto.dateString2(lines.at(++i), saleStart, page.saleEnd);
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
bool VotePageReader::readMatch(const PageLines &lines, int &i, int year, OleDate &day, OleDate &time, TotoPage &page)
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

    TotoGame &game = page.game[match];
    game.gameDate = day;
    game.startTime = time;
    game.home = lines.at(i + 1);
    for (int column = 0; column < RoundData::MarkCount; ++column) {
        VoteShare &vote = game.votes[shareColumns[column]];
        if (!m_toto.getValue2(lines.at(i + 2 + column), vote.count, vote.rate))
            return false;
    }
    game.away = lines.at(i + 5);
    page.Read[match] = true;
    i += 5;
    return true;
}

VoteData VotePageReader::carryOver(const TotoPage &page, const ScheduleData &schedule, const QString &group) const
{
    VoteData vote;
    vote.roundNumber = page.roundNumber;
    vote.group = group;
    // A final status is dated at the end of sales, not when it was printed.
    vote.voteTime = page.final ? page.saleEnd : page.voteTime;
    QStringList scheduleClubs;
    for (int match = 1; match <= RoundData::MatchCount; ++match)
        scheduleClubs << club(schedule.game[match].home) << club(schedule.game[match].away);
    std::array<std::pair<QString, QString>, TotoMatchCount + 1> totoClubs;
    for (int toto = 1; toto <= TotoMatchCount; ++toto)
        totoClubs[toto] = {club(page.game[toto].home), club(page.game[toto].away)};
    std::array<bool, TotoMatchCount + 1> placed{};
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ScheduleGame &big = schedule.game[match];
        VoteGame &game = vote.game[match];
        game.home = big.home;
        game.away = big.away;
        game.gameDate = big.gameDate;
        game.startTime = big.startTime;
        const std::pair<QString, QString> clubs{scheduleClubs.at(2 * match - 2), scheduleClubs.at(2 * match - 1)};
        for (int toto = 1; toto <= TotoMatchCount; ++toto) {
            if (totoClubs[toto] == clubs) {
                game.votes = page.game[toto].votes;
                placed[toto] = true;
                break;
            }
        }
    }
    for (int toto = 1; toto <= TotoMatchCount; ++toto) {
        if (!placed[toto] && !page.game[toto].home.isEmpty())
            logUnplaced(toto, page.game[toto], scheduleClubs);
    }
    return vote;
}

QString VotePageReader::club(const QString &name) const
{
    const QString shortName = m_teams.findShortTeamName(name);
    return TeamNames::foldTeamName(shortName.isEmpty() ? name : shortName);
}

void VotePageReader::logUnplaced(int toto, const TotoGame &game, const QStringList &scheduleClubs) const
{
    QStringList missing;
    for (const QString &name : {game.home, game.away}) {
        if (!scheduleClubs.contains(club(name)))
            missing << name;
    }
    QString line = QStringLiteral("toto ") + QString::number(toto) + QStringLiteral("：") + game.home
                   + QStringLiteral(" - ") + game.away + QStringLiteral(" はBIGの指定試合にありません");
    if (!missing.isEmpty())
        line += QStringLiteral("（見つからないチーム名：") + missing.join(u'、') + u'）';
    addLogLine(line);
}
