#pragma once

#include "rounddata/RoundData.h"
#include "support/ErrorReporter.h"
#include "cellgrid/CellGrid.h"

class GridSurface;

// The match grid beside the single sheet: the round's 14 designated matches
// with date, number and teams, one row per match in the sheet's order.
class clsTSingleGame
{
public:
    // lngHeight: the height of a match row in layout pixels (the sheet's rows are 26).
    void Initialize(GridSurface *objPictureBox, int lngHeight);
    // The page's picture area takes the table as it stands.
    void Attach(GridSurface *area) { m_grid.AttachSurface(area); }
    // Dates ("mm/dd", empty when not set) and teams of the round's matches.
    void SetScheduleData(const ScheduleData &schedule);

    const clsGrid &Grid() const { return m_grid; }

private:
    ErrorReporter m_err{QStringLiteral("clsTSingleGame")};
    clsGrid m_grid;
};
