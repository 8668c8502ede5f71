#pragma once

#include "evaluation/EvaluationTables.h"
#include "rounddata/RoundData.h"
#include "support/ErrorReporter.h"
#include "cellgrid/CellGrid.h"

class GridSurface;

// The confirmed prize table: per grade the official prize, winning units and
// carry-over, beside the user's singles in that grade and what they win,
// with totals. A table of nothing but zeros shows only its headings.
class clsTResultKakutei
{
public:
    void Initialize(GridSurface *objPictureBox, int lngWidth, int lngHeight);
    // The page's picture area takes the table as it stands.
    void Attach(GridSurface *area) { m_grid.AttachSurface(area); }
    void SetResult(const ResultData &result);
    void SetValue(const GradeCounts &lngValue);
    void Clear();

    // "#,##0" and a space; "0 " for zero and below.
    static QString AmountText(Money amount);

    const clsGrid &Grid() const { return m_grid; }

private:
    void redraw();

    ErrorReporter m_err{QStringLiteral("clsTResultKakutei")};
    clsGrid m_grid;
    ResultData m_result;
    GradeCounts m_count{};
};
