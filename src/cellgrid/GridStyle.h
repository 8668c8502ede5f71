#pragma once

class CellGrid;
class GridSurface;

// The look the program's tables share: lengths in layout pixels scaled to the
// display, a header row on the button face, light yellow bands, and a
// picture area the size of its grid.
namespace GridStyle {

// Layout pixels (96 dpi) as display pixels, rounded half to even.
int pixelsX(double layoutPixels);
int pixelsY(double layoutPixels);

// Row 1 on the button face, 20 layout pixels high.
void headerRow(CellGrid &grid);
// Light yellow on every second row from firstRow to the last.
void bandRows(CellGrid &grid, int firstRow);
// The picture area takes the grid's width and height.
void fitArea(CellGrid &grid);
// The three columns of the marks "1", "0", "2" under a header row, one row
// per match, in the 11-point font.
void markColumns(CellGrid &grid, int columnWidth, int rowHeight);

} // namespace GridStyle
