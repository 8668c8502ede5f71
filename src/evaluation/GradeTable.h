#pragma once

#include "evaluation/EvaluationTables.h"
#include "support/ErrorReporter.h"
#include "cellgrid/CellGrid.h"

class GridSurface;

// The grade table of the result page: how many singles fall into each grade
// code (1等 … 15等) and their share; the winning grades of the round in blue.
class clsTResultGrade
{
public:
    void Initialize(GridSurface *objPictureBox, int lngWidth, int lngHeight);
    // The page's picture area takes the table as it stands.
    void Attach(GridSurface *area) { m_grid.AttachSurface(area); }
    void SetValue(const GradeCounts &lngValue, int lngKaisaikai);
    void Clear(int lngKaisaikai);

    const clsGrid &Grid() const { return m_grid; }

private:
    void redraw(int kaisaikai);

    ErrorReporter m_err{QStringLiteral("clsTResultGrade")};
    clsGrid m_grid;
    GradeCounts m_count{};
};
