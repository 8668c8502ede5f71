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

void headerRow(clsGrid &grid)
{
    grid.BackColorRow(1, WinColor::ButtonFace);
    grid.SetRowHeight(1, pixelsY(20));
}

void bandRows(clsGrid &grid, int firstRow)
{
    for (int row = firstRow; row <= grid.Rows(); row += 2)
        grid.BackColorRow(row, WinColor::LightYellow);
}

void fitArea(clsGrid &grid)
{
    grid.Surface()->resizeSurface(grid.Width(), grid.Height());
}

void markColumns(clsGrid &grid, int columnWidth, int rowHeight)
{
    constexpr int Matches = 14;
    constexpr int MarkOfColumn[3] = {1, 0, 2};
    grid.SetGridColRow(3, Matches + 1, columnWidth, rowHeight);
    headerRow(grid);
    grid.SetFontSize(11);
    for (int col = 1; col <= 3; ++col)
        grid.SetCaption(col, 1, QString::number(MarkOfColumn[col - 1]));
}

} // namespace GridStyle
