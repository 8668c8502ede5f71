#pragma once

#include "cellgrid/GridSurface.h"

#include <QList>
#include <QMap>
#include <QQueue>
#include <QSize>

// A grid surface for tests: keeps every refresh's cells, the size, position,
// visibility and font size, and answers pop-up menus from a script.
class RecordingSurface : public GridSurface
{
public:
    struct Menu
    {
        QStringList items;
    };

    ~RecordingSurface() override;

    void attachGrid(CellGrid *grid) override { m_grid = grid; }
    void resizeSurface(int width, int height) override;
    bool isSurfaceVisible() const override { return m_visible; }
    void setSurfaceVisible(bool visible) override { m_visible = visible; }
    int surfaceLeft() const override { return m_left; }
    int surfaceTop() const override { return m_top; }
    void moveSurface(int left, int top) override;
    void setFontSize(double points) override { m_fontSize = points; }
    void drawCells(const QList<GridCellDrawing> &cells) override;
    int popupMenu(const QStringList &items) override;

    CellGrid *grid() const { return m_grid; }
    QSize size() const { return m_size; }
    int resizes() const { return m_resizes; }
    double fontSize() const { return m_fontSize; }
    // Every refresh, oldest first; each holds the cells it drew.
    const QList<QList<GridCellDrawing>> &refreshes() const { return m_refreshes; }
    QList<GridCellDrawing> lastRefresh() const;
    void clearRefreshes() { m_refreshes.clear(); }
    // The latest drawing of a cell; nullptr when it was never drawn.
    const GridCellDrawing *drawnCell(int col, int row) const;

    // Choices for the next pop-up menus (-1: none chosen); unscripted menus choose nothing.
    void scriptMenuChoices(std::initializer_list<int> choices);
    const QList<Menu> &menus() const { return m_menus; }

    // Simulated mouse: press and release at a point of the surface.
    void click(int button, int shift, int x, int y);

private:
    CellGrid *m_grid = nullptr;
    QSize m_size;
    int m_resizes = 0;
    bool m_visible = false;
    int m_left = 0;
    int m_top = 0;
    double m_fontSize = 9;
    QList<QList<GridCellDrawing>> m_refreshes;
    QMap<std::pair<int, int>, GridCellDrawing> m_latest;   // newest drawing of each cell, by (column, row)
    QQueue<int> m_menuChoices;
    QList<Menu> m_menus;
};
