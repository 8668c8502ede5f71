#pragma once

#include "cellgrid/CellGrid.h"

#include <QList>
#include <QStringList>

// Reading a grid's cells back in tests, a row or a column at a time.
namespace GridReadback {

inline QStringList column(const CellGrid &grid, int col, int fromRow, int toRow)
{
    QStringList captions;
    for (int row = fromRow; row <= toRow; ++row)
        captions.append(grid.caption(col, row));
    return captions;
}

inline QStringList row(const CellGrid &grid, int row, int fromCol, int toCol)
{
    QStringList captions;
    for (int col = fromCol; col <= toCol; ++col)
        captions.append(grid.caption(col, row));
    return captions;
}

inline QList<quint32> foreColors(const CellGrid &grid, int col, int fromRow, int toRow)
{
    QList<quint32> colors;
    for (int row = fromRow; row <= toRow; ++row)
        colors.append(grid.foreColor(col, row));
    return colors;
}

inline QList<quint32> backColors(const CellGrid &grid, int col, int fromRow, int toRow)
{
    QList<quint32> colors;
    for (int row = fromRow; row <= toRow; ++row)
        colors.append(grid.backColor(col, row));
    return colors;
}

// A point inside the content area of a cell, as a click would hit it.
inline QPoint cellPoint(const CellGrid &grid, int col, int row)
{
    return {grid.colLeft(col) + grid.colWidth(col) / 2, grid.rowTop(row) + grid.rowHeight(row) / 2};
}

} // namespace GridReadback
