#pragma once

#include "evaluation/EvaluationTables.h"
#include "rounddata/RoundData.h"
#include "support/ErrorReporter.h"
#include "cellgrid/CellGrid.h"

class GridSurface;

// The confirmed prize table: per grade the official prize, winning units and
// carry-over, beside the user's singles in that grade and what they win,
// with totals. A table of nothing but zeros shows only its headings.
class ConfirmedPrizeTable
{
public:
    void initialize(GridSurface *surface, int width, int height);
    // The page's picture area takes the table as it stands.
    void attach(GridSurface *area) { m_grid.attachSurface(area); }
    void setResult(const ResultData &result);
    void setValue(const GradeCounts &value);
    void clear();

    // "#,##0" and a space; "0 " for zero and below.
    static QString amountText(Money amount);

    const CellGrid &grid() const { return m_grid; }

private:
    void redraw();

    ErrorReporter m_err{QStringLiteral("clsTResultKakutei")};
    CellGrid m_grid;
    ResultData m_result;
    GradeCounts m_count{};
};
