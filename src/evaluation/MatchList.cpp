#include "evaluation/MatchList.h"

#include "support/Convert.h"
#include "support/DisplayScale.h"
#include "support/Format.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"
#include "cellgrid/GridSurface.h"

#include <cmath>

namespace {

constexpr int Matches = RoundData::MatchCount;
enum Column { DateColumn = 1, LeagueColumn, NumberColumn, HomeColumn, AwayColumn, VoteColumn };
// The vote grid's columns 1, 2, 3 show the outcomes "1", "0", "2".
constexpr int OutcomeOfColumn[3] = {1, 0, 2};

int matchRow(int match)
{
    return match + 1;
}

quint32 matchColor(int match)
{
    return match % 2 == 1 ? WinColor::White : WinColor::LightYellow;
}

int scaledDown(double layoutPixels)
{
    return int(std::floor(DisplayScale::scaleY(layoutPixels)));
}

} // namespace

MatchList::MatchList(QObject *parent)
    : QObject(parent)
{
    connect(&m_voteGrid, &CellGrid::MouseClick, this, &MatchList::VoteClick);
    connect(&m_bars, &VoteBars::Click, this, &MatchList::VoteClick);
}

void MatchList::initialize(GridSurface *surface, GridSurface *voteArea, BarSurface *voteBars, bool byColumn)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        initializeMatchGrid(surface, byColumn);
        initializeVoteGrid(voteArea);
        m_bars.initialize(voteBars);
        m_initialized = true;
        return 0;
    });
}

void MatchList::initializeMatchGrid(GridSurface *area, bool showLeague)
{
    m_grid.initialize(area);
    m_grid.setGridColRow(6, Matches + 1, 50, 21);
    GridStyle::headerRow(m_grid);
    m_grid.setColWidth(LeagueColumn, showLeague ? GridStyle::pixelsX(20) : 0);
    m_grid.setColWidth(NumberColumn, GridStyle::pixelsX(20));
    m_grid.setColWidth(VoteColumn, GridStyle::pixelsX(203));
    const QString headings[] = {QStringLiteral("開催日"), QStringLiteral("Jx"),     QStringLiteral("No"),
                                QStringLiteral("ホーム"), QStringLiteral("アウェイ"), QStringLiteral("投 票 率")};
    for (int col = DateColumn; col <= VoteColumn; ++col)
        m_grid.setCaption(col, 1, headings[col - 1]);
    colorMatchRows();
    GridStyle::fitArea(m_grid);
    m_grid.refresh();
}

void MatchList::initializeVoteGrid(GridSurface *area)
{
    const QRect place = voteAreaRect();
    m_voteGrid.initialize(area);
    m_voteGrid.surface()->moveSurface(place.left(), place.top());
    m_voteGrid.setGridColRow(3, 2 * Matches, Convert::roundToLong(200.0 / 3.0), 14);
    // Per match a row of rates and under it the place of the bar: together
    // as high as a row of the match grid.
    const int rateRow = scaledDown(14);
    const int barRow = scaledDown(21) - scaledDown(15);
    for (int match = 1; match <= Matches; ++match) {
        m_voteGrid.setRowHeight(2 * match - 1, rateRow);
        m_voteGrid.setRowHeight(2 * match, barRow);
    }
    colorVoteRows();
    m_voteGrid.refresh();
    // The area covers the vote column and no more; the grid's last line
    // beyond it is cut off.
    m_voteGrid.surface()->resizeSurface(place.width(), place.height());
}

void MatchList::attach(GridSurface *surface, GridSurface *voteArea, BarSurface *voteBars)
{
    m_grid.attachSurface(surface);
    m_voteGrid.attachSurface(voteArea);
    m_bars.attachSurface(voteBars);
}

QRect MatchList::voteAreaRect() const
{
    if (m_grid.cols() < VoteColumn)
        return {};
    const double one = DisplayScale::scaleX(1);
    int left = 0;
    for (int col = DateColumn; col < VoteColumn; ++col)
        if (m_grid.colWidth(col) > 0)
            left = Convert::roundToLong(left + m_grid.colWidth(col) + one);
    const int top = Convert::roundToLong(DisplayScale::scaleY(1) + m_grid.rowHeight(1));
    const int width = Convert::roundToLong(one + m_grid.colWidth(VoteColumn));
    const int height = Convert::roundToLong(m_grid.layoutHeight() - m_grid.rowHeight(1) - DisplayScale::scaleY(1));
    return {left, top, width, height};
}

void MatchList::colorMatchRows()
{
    for (int match = 1; match <= Matches; ++match)
        m_grid.backColorRow(matchRow(match), matchColor(match));
}

void MatchList::colorVoteRows()
{
    for (int match = 1; match <= Matches; ++match) {
        m_voteGrid.backColorRow(2 * match - 1, matchColor(match));
        m_voteGrid.backColorRow(2 * match, matchColor(match));
    }
}

void MatchList::showSchedule(const ScheduleData &schedule)
{
    if (!m_initialized) {
        m_err.reportInitializeError(QStringLiteral("Schedure"));
        return;
    }
    m_err.guard(QStringLiteral("Schedure"), 0, [&] {
        for (int match = 1; match <= Matches; ++match) {
            const ScheduleGame &game = schedule.game[std::size_t(match)];
            const int row = matchRow(match);
            m_grid.setCaption(DateColumn, row, game.gameDate.isSet() ? Format::monthDay(game.gameDate) : QString());
            m_grid.setCaption(LeagueColumn, row, m_totoData.getShortToJ1J2String(game.home, game.gameDate.date().year()));
            m_grid.setCaption(NumberColumn, row, QString::number(match));
            m_grid.setCaption(HomeColumn, row, game.home);
            m_grid.setCaption(AwayColumn, row, game.away);
        }
        colorMatchRows();
        m_grid.refresh();
        return 0;
    });
}

void MatchList::vote(const VoteData &vote)
{
    if (!m_initialized) {
        m_err.reportInitializeError(QStringLiteral("Vote"));
        return;
    }
    m_err.guard(QStringLiteral("Vote"), 0, [&] {
        for (int match = 1; match <= Matches; ++match) {
            const auto &votes = vote.game[std::size_t(match)].votes;
            for (int col = 1; col <= 3; ++col)
                m_voteGrid.setCaption(col, 2 * match - 1,
                                      Format::fixed(votes[std::size_t(OutcomeOfColumn[col - 1])].rate.toDouble(), 2));
            m_bars.setVisible(match - 1, true);
            m_bars.setValue(match - 1, Convert::roundToLong(votes[1].count.toDouble()),
                            Convert::roundToLong(votes[0].count.toDouble()),
                            Convert::roundToLong(votes[2].count.toDouble()));
        }
        colorVoteRows();
        m_voteGrid.refresh();
        m_bars.refresh();
        m_grid.setCaption(VoteColumn, 1, voteHeading(vote));
        m_grid.refresh();
        return 0;
    });
}

QString MatchList::voteHeading(const VoteData &vote)
{
    if (vote.voteTime.isSet())
        return QStringLiteral("投票 ") + Format::dateHourMinute(vote.voteTime) + u' '
            + (vote.voteTime == vote.saleEnd ? QStringLiteral("[最終]") : QString());
    return QStringLiteral("投 票 率") + (vote.roundNumber > 0 ? QStringLiteral(" (ユーザー定義)") : QString());
}
