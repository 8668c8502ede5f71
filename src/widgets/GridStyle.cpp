#include "widgets/GridStyle.h"

#include "support/DisplayScale.h"
#include "support/Convert.h"
#include "support/WinColor.h"
#include "widgets/clsGrid.h"

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

void fitArea(clsGrid &grid, GridSurface *area)
{
    if (area)
        area->resizeSurface(grid.Width(), grid.Height());
}

} // namespace GridStyle
