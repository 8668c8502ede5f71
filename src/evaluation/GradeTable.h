#pragma once

#include "evaluation/EvaluationTables.h"
#include "support/ErrorReporter.h"
#include "cellgrid/CellGrid.h"

class GridSurface;

// The grade table of the result page: how many singles fall into each grade
// code (1等 … 15等) and their share; the winning grades of the round in blue.
class GradeTable
{
public:
    void initialize(GridSurface *surface, int width, int height);
    // The page's picture area takes the table as it stands.
    void attach(GridSurface *area) { m_grid.attachSurface(area); }
    void setValue(const GradeCounts &value, int roundNumber);
    void clear(int roundNumber);

    const CellGrid &grid() const { return m_grid; }

private:
    void redraw(int roundNumber);

    ErrorReporter m_err{QStringLiteral("clsTResultGrade")};
    CellGrid m_grid;
    GradeCounts m_count{};
};
