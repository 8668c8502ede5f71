#pragma once

#include "rounddata/RoundData.h"
#include "support/ErrorReporter.h"
#include "cellgrid/CellGrid.h"

class GridSurface;

// The match grid beside the single sheet: the round's 14 designated matches
// with date, number and teams, one row per match in the sheet's order.
class SheetMatchGrid
{
public:
    // height: the height of a match row in layout pixels (the sheet's rows are 26).
    void initialize(GridSurface *surface, int height);
    // The page's picture area takes the table as it stands.
    void attach(GridSurface *area) { m_grid.attachSurface(area); }
    // Dates ("mm/dd", empty when not set) and teams of the round's matches.
    void setScheduleData(const ScheduleData &schedule);

    const CellGrid &grid() const { return m_grid; }

private:
    ErrorReporter m_err{QStringLiteral("clsTSingleGame")};
    CellGrid m_grid;
};
