#pragma once

#include "cellgrid/GridSurface.h"

#include <optional>

// Stands between a grid and the picture area it draws on, so that a grid can
// be set up and filled before its page exists. It keeps what the grid asked
// of the area (place, size, visibility, font) and hands it on to the area
// attached later; while no area is attached, drawings go nowhere.
class GridSurfaceHolder final : public GridSurface
{
public:
    // Gives the area everything asked of it so far; the grid draws its cells again.
    void attach(GridSurface *area, CellGrid *grid);
    // The area is going away: its place and visibility are kept.
    void detach();
    GridSurface *area() const { return m_area; }

    void attachGrid(CellGrid *) override {}
    void resizeSurface(int width, int height) override;
    bool isSurfaceVisible() const override;
    void setSurfaceVisible(bool visible) override;
    int surfaceLeft() const override;
    int surfaceTop() const override;
    void moveSurface(int left, int top) override;
    void setFontSize(double points) override;
    void drawCells(const QList<GridCellDrawing> &cells) override;
    int popupMenu(const QStringList &items) override;

private:
    GridSurface *m_area = nullptr;
    // Only what was asked is handed on: an area keeps its own place until
    // the grid moves it.
    std::optional<QPoint> m_place;
    std::optional<QSize> m_size;
    std::optional<bool> m_visible;
    std::optional<double> m_fontPoints;
};
