#include "cellgrid/GridStyle.h"

#include "support/DisplayScale.h"
#include "support/Convert.h"
#include "support/WinColor.h"
#include "cellgrid/CellGrid.h"

#include <QString>

namespace GridStyle {

int pixelsX(double layoutPixels)
{
    return Convert::roundToLong(DisplayScale::scaleX(layoutPixels));
}

int pixelsY(double layoutPixels)
{
    return Convert::roundToLong(DisplayScale::scaleY(layoutPixels));
}

void headerRow(CellGrid &grid)
{
    grid.backColorRow(1, WinColor::ButtonFace);
    grid.setRowHeight(1, pixelsY(20));
}

void bandRows(CellGrid &grid, int firstRow)
{
    for (int row = firstRow; row <= grid.rows(); row += 2)
        grid.backColorRow(row, WinColor::LightYellow);
}

void fitArea(CellGrid &grid)
{
    grid.surface()->resizeSurface(grid.width(), grid.height());
}

void markColumns(CellGrid &grid, int columnWidth, int rowHeight)
{
    constexpr int Matches = 14;
    constexpr int MarkOfColumn[3] = {1, 0, 2};
    grid.setGridColRow(3, Matches + 1, columnWidth, rowHeight);
    headerRow(grid);
    grid.setFontSize(11);
    for (int col = 1; col <= 3; ++col)
        grid.setCaption(col, 1, QString::number(MarkOfColumn[col - 1]));
}

} // namespace GridStyle
