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

clsTGame::clsTGame(QObject *parent)
    : QObject(parent)
{
    connect(&m_voteGrid, &clsGrid::MouseClick, this, &clsTGame::VoteClick);
    connect(&m_bars, &clsTGraphEx::Click, this, &clsTGame::VoteClick);
}

void clsTGame::Initialize(GridSurface *objPictureBox, GridSurface *voteArea, BarSurface *voteBars, bool blnType)
{
    m_err.guard(QStringLiteral("Initialize"), 0, [&] {
        initializeMatchGrid(objPictureBox, blnType);
        initializeVoteGrid(voteArea);
        m_bars.Initialize(voteBars);
        m_initialized = true;
        return 0;
    });
}

void clsTGame::initializeMatchGrid(GridSurface *area, bool showLeague)
{
    m_grid.Initialize(area);
    m_grid.SetGridColRow(6, Matches + 1, 50, 21);
    GridStyle::headerRow(m_grid);
    m_grid.SetColWidth(LeagueColumn, showLeague ? GridStyle::pixelsX(20) : 0);
    m_grid.SetColWidth(NumberColumn, GridStyle::pixelsX(20));
    m_grid.SetColWidth(VoteColumn, GridStyle::pixelsX(203));
    const QString headings[] = {QStringLiteral("開催日"), QStringLiteral("Jx"),     QStringLiteral("No"),
                                QStringLiteral("ホーム"), QStringLiteral("アウェイ"), QStringLiteral("投 票 率")};
    for (int col = DateColumn; col <= VoteColumn; ++col)
        m_grid.SetCaption(col, 1, headings[col - 1]);
    colorMatchRows();
    GridStyle::fitArea(m_grid);
    m_grid.Refresh();
}

void clsTGame::initializeVoteGrid(GridSurface *area)
{
    const QRect place = VoteAreaRect();
    m_voteGrid.Initialize(area);
    m_voteGrid.Surface()->moveSurface(place.left(), place.top());
    m_voteGrid.SetGridColRow(3, 2 * Matches, Convert::roundToLong(200.0 / 3.0), 14);
    // Per match a row of rates and under it the place of the bar: together
    // as high as a row of the match grid.
    const int rateRow = scaledDown(14);
    const int barRow = scaledDown(21) - scaledDown(15);
    for (int match = 1; match <= Matches; ++match) {
        m_voteGrid.SetRowHeight(2 * match - 1, rateRow);
        m_voteGrid.SetRowHeight(2 * match, barRow);
    }
    colorVoteRows();
    m_voteGrid.Refresh();
    // The area covers the vote column and no more; the grid's last line
    // beyond it is cut off.
    m_voteGrid.Surface()->resizeSurface(place.width(), place.height());
}

void clsTGame::Attach(GridSurface *objPictureBox, GridSurface *voteArea, BarSurface *voteBars)
{
    m_grid.AttachSurface(objPictureBox);
    m_voteGrid.AttachSurface(voteArea);
    m_bars.AttachSurface(voteBars);
}

QRect clsTGame::VoteAreaRect() const
{
    if (m_grid.Cols() < VoteColumn)
        return {};
    const double one = DisplayScale::scaleX(1);
    int left = 0;
    for (int col = DateColumn; col < VoteColumn; ++col)
        if (m_grid.ColWidth(col) > 0)
            left = Convert::roundToLong(left + m_grid.ColWidth(col) + one);
    const int top = Convert::roundToLong(DisplayScale::scaleY(1) + m_grid.RowHeight(1));
    const int width = Convert::roundToLong(one + m_grid.ColWidth(VoteColumn));
    const int height = Convert::roundToLong(m_grid.LayoutHeight() - m_grid.RowHeight(1) - DisplayScale::scaleY(1));
    return {left, top, width, height};
}

void clsTGame::colorMatchRows()
{
    for (int match = 1; match <= Matches; ++match)
        m_grid.BackColorRow(matchRow(match), matchColor(match));
}

void clsTGame::colorVoteRows()
{
    for (int match = 1; match <= Matches; ++match) {
        m_voteGrid.BackColorRow(2 * match - 1, matchColor(match));
        m_voteGrid.BackColorRow(2 * match, matchColor(match));
    }
}

void clsTGame::Schedure(const ScheduleData &schedule)
{
    if (!m_initialized) {
        m_err.reportInitializeError(QStringLiteral("Schedure"));
        return;
    }
    m_err.guard(QStringLiteral("Schedure"), 0, [&] {
        for (int match = 1; match <= Matches; ++match) {
            const ScheduleGame &game = schedule.Game[std::size_t(match)];
            const int row = matchRow(match);
            m_grid.SetCaption(DateColumn, row, game.GameDate.isSet() ? Format::monthDay(game.GameDate) : QString());
            m_grid.SetCaption(LeagueColumn, row, m_totoData.GetShortToJ1J2String(game.Home, game.GameDate.date().year()));
            m_grid.SetCaption(NumberColumn, row, QString::number(match));
            m_grid.SetCaption(HomeColumn, row, game.Home);
            m_grid.SetCaption(AwayColumn, row, game.Away);
        }
        colorMatchRows();
        m_grid.Refresh();
        return 0;
    });
}

void clsTGame::Vote(const VoteData &vote)
{
    if (!m_initialized) {
        m_err.reportInitializeError(QStringLiteral("Vote"));
        return;
    }
    m_err.guard(QStringLiteral("Vote"), 0, [&] {
        for (int match = 1; match <= Matches; ++match) {
            const auto &votes = vote.Game[std::size_t(match)].Votes;
            for (int col = 1; col <= 3; ++col)
                m_voteGrid.SetCaption(col, 2 * match - 1,
                                      Format::fixed(votes[std::size_t(OutcomeOfColumn[col - 1])].Rate.toDouble(), 2));
            m_bars.SetVisible(match - 1, true);
            m_bars.SetValue(match - 1, Convert::roundToLong(votes[1].Count.toDouble()),
                            Convert::roundToLong(votes[0].Count.toDouble()),
                            Convert::roundToLong(votes[2].Count.toDouble()));
        }
        colorVoteRows();
        m_voteGrid.Refresh();
        m_bars.Refresh();
        m_grid.SetCaption(VoteColumn, 1, VoteHeading(vote));
        m_grid.Refresh();
        return 0;
    });
}

QString clsTGame::VoteHeading(const VoteData &vote)
{
    if (vote.VoteTime.isSet())
        return QStringLiteral("投票 ") + Format::dateHourMinute(vote.VoteTime) + u' '
            + (vote.VoteTime == vote.SaleEnd ? QStringLiteral("[最終]") : QString());
    return QStringLiteral("投 票 率") + (vote.Kaisaikai > 0 ? QStringLiteral(" (ユーザー定義)") : QString());
}
