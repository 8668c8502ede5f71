#include "cellgrid/GridSurfaceHolder.h"

void GridSurfaceHolder::attach(GridSurface *area, CellGrid *grid)
{
    if (m_area == area)
        return;
    detach();
    m_area = area;
    if (!m_area)
        return;
    m_area->attachGrid(grid);
    if (m_fontPoints)
        m_area->setFontSize(*m_fontPoints);
    if (m_place)
        m_area->moveSurface(m_place->x(), m_place->y());
    if (m_size)
        m_area->resizeSurface(m_size->width(), m_size->height());
    if (m_visible)
        m_area->setSurfaceVisible(*m_visible);
}

void GridSurfaceHolder::detach()
{
    if (!m_area)
        return;
    m_place = QPoint(m_area->surfaceLeft(), m_area->surfaceTop());
    m_visible = m_area->isSurfaceVisible();
    m_area->attachGrid(nullptr);
    m_area = nullptr;
}

void GridSurfaceHolder::resizeSurface(int width, int height)
{
    m_size = QSize(width, height);
    if (m_area)
        m_area->resizeSurface(width, height);
}

bool GridSurfaceHolder::isSurfaceVisible() const
{
    return m_area ? m_area->isSurfaceVisible() : m_visible.value_or(true);
}

void GridSurfaceHolder::setSurfaceVisible(bool visible)
{
    m_visible = visible;
    if (m_area)
        m_area->setSurfaceVisible(visible);
}

int GridSurfaceHolder::surfaceLeft() const
{
    return m_area ? m_area->surfaceLeft() : m_place.value_or(QPoint()).x();
}

int GridSurfaceHolder::surfaceTop() const
{
    return m_area ? m_area->surfaceTop() : m_place.value_or(QPoint()).y();
}

void GridSurfaceHolder::moveSurface(int left, int top)
{
    m_place = QPoint(left, top);
    if (m_area)
        m_area->moveSurface(left, top);
}

void GridSurfaceHolder::setFontSize(double points)
{
    m_fontPoints = points;
    if (m_area)
        m_area->setFontSize(points);
}

void GridSurfaceHolder::drawCells(const QList<GridCellDrawing> &cells)
{
    if (m_area)
        m_area->drawCells(cells);
}

int GridSurfaceHolder::popupMenu(const QStringList &items)
{
    return m_area ? m_area->popupMenu(items) : -1;
}
