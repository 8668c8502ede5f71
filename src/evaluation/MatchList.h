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
class clsTGame : public QObject
{
    Q_OBJECT

public:
    explicit clsTGame(QObject *parent = nullptr);

    // objPictureBox holds the match grid. voteArea is laid over the vote
    // column: it is moved and sized here, in pixels of objPictureBox, and
    // holds the vote grid; voteBars paints the bars over it. blnType shows
    // the league column.
    void Initialize(GridSurface *objPictureBox, GridSurface *voteArea, BarSurface *voteBars, bool blnType);
    // The page's picture areas take the list as it stands.
    void Attach(GridSurface *objPictureBox, GridSurface *voteArea, BarSurface *voteBars);
    // Date, league, number and teams of the 14 matches.
    void Schedure(const ScheduleData &schedule);
    // Rates, bars and the heading of the vote column.
    void Vote(const VoteData &vote);

    // "投票 yyyy/mm/dd hh:nn " and "[最終]" for the status at the end of sales;
    // "投 票 率", and " (ユーザー定義)" for a round's rates without a time stamp.
    static QString VoteHeading(const VoteData &vote);
    // Where the vote area lies over the match grid.
    QRect VoteAreaRect() const;

    const clsGrid &Grid() const { return m_grid; }
    const clsGrid &VoteGrid() const { return m_voteGrid; }
    const clsTGraphEx &Bars() const { return m_bars; }

Q_SIGNALS:
    void VoteClick();

private:
    void initializeMatchGrid(GridSurface *area, bool showLeague);
    void initializeVoteGrid(GridSurface *area);
    void colorMatchRows();
    void colorVoteRows();

    ErrorReporter m_err{QStringLiteral("clsTGame")};
    clsGrid m_grid;
    clsGrid m_voteGrid;
    clsTGraphEx m_bars;
    clsTotoData m_totoData;
    bool m_initialized = false;
};
