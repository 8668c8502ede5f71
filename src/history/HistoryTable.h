#pragma once

#include "history/HistoryRow.h"
#include "cellgrid/CellGrid.h"

#include <QList>

class GridSurface;

// The table of the 収支履歴 on a cell grid, in the look of the check page's
// confirmed prize table: the headings on the button face, light yellow bands,
// the user's counts in blue, gains in blue and losses in red, and the total
// line at the bottom. Grade columns go as far as the listed rounds have grades.
class HistoryTable
{
public:
    void initialize(GridSurface *surface);
    void setRows(const QList<HistoryRow> &rows);

    // The row shown on grid row row (from 2), or -1 on the headings and the total line.
    int rowAt(int row) const;
    const CellGrid &grid() const { return m_grid; }
    CellGrid &grid() { return m_grid; }

private:
    void layOut(int gradeColumns, int rows);
    void colourAmount(int col, int row, const QString &text);

    CellGrid m_grid;
    int m_rowCount = 0;
};
