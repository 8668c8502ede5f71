#pragma once

#include "lottery/TeamNames.h"
#include "rounddata/RoundData.h"
#include "support/ErrorReporter.h"
#include "cellgrid/CellGrid.h"
#include "evaluation/VoteBars.h"

#include <QObject>
#include <QRect>

class BarSurface;
class GridSurface;

// The match list of the check page: date, league, number, home and away team
// of the 14 matches, and over the last column the vote area, which shows the
// toto vote rates of "1", "0" and "2" as numbers and as a three-segment bar
// per match. A click on the vote area raises VoteClick.
class MatchList : public QObject
{
    Q_OBJECT

public:
    explicit MatchList(QObject *parent = nullptr);

    // surface holds the match grid. voteArea is laid over the vote
    // column: it is moved and sized here, in pixels of surface, and
    // holds the vote grid; voteBars paints the bars over it. byColumn shows
    // the league column.
    void initialize(GridSurface *surface, GridSurface *voteArea, BarSurface *voteBars, bool byColumn);
    // The page's picture areas take the list as it stands.
    void attach(GridSurface *surface, GridSurface *voteArea, BarSurface *voteBars);
    // Date, league, number and teams of the 14 matches.
    void showSchedule(const ScheduleData &schedule);
    // Rates, bars and the heading of the vote column.
    void vote(const VoteData &vote);

    // "投票 yyyy/mm/dd hh:nn " and "[最終]" for the status at the end of sales;
    // "投 票 率", and " (ユーザー定義)" for a round's rates without a time stamp.
    static QString voteHeading(const VoteData &vote);
    // Where the vote area lies over the match grid.
    QRect voteAreaRect() const;

    const CellGrid &grid() const { return m_grid; }
    const CellGrid &voteGrid() const { return m_voteGrid; }
    const VoteBars &bars() const { return m_bars; }

Q_SIGNALS:
    void VoteClick();

private:
    void initializeMatchGrid(GridSurface *area, bool showLeague);
    void initializeVoteGrid(GridSurface *area);
    void colorMatchRows();
    void colorVoteRows();

    ErrorReporter m_err{QStringLiteral("clsTGame")};
    CellGrid m_grid;
    CellGrid m_voteGrid;
    VoteBars m_bars;
    TeamNames m_totoData;
    bool m_initialized = false;
};
