#include "common/RecordingSurface.h"

#include "cellgrid/CellGrid.h"

RecordingSurface::~RecordingSurface()
{
    if (m_grid)
        m_grid->detachSurface();
}

void RecordingSurface::resizeSurface(int width, int height)
{
    m_size = QSize(width, height);
    ++m_resizes;
}

void RecordingSurface::moveSurface(int left, int top)
{
    m_left = left;
    m_top = top;
}

void RecordingSurface::drawCells(const QList<GridCellDrawing> &cells)
{
    m_refreshes.append(cells);
    for (const GridCellDrawing &cell : cells)
        m_latest.insert({cell.col, cell.row}, cell);
}

QList<GridCellDrawing> RecordingSurface::lastRefresh() const
{
    return m_refreshes.isEmpty() ? QList<GridCellDrawing>{} : m_refreshes.last();
}

const GridCellDrawing *RecordingSurface::drawnCell(int col, int row) const
{
    const auto found = m_latest.constFind({col, row});
    return found == m_latest.cend() ? nullptr : &found.value();
}

int RecordingSurface::popupMenu(const QStringList &items)
{
    m_menus.append({items});
    return m_menuChoices.isEmpty() ? -1 : m_menuChoices.dequeue();
}

void RecordingSurface::scriptMenuChoices(std::initializer_list<int> choices)
{
    for (const int choice : choices)
        m_menuChoices.enqueue(choice);
}

void RecordingSurface::click(int button, int shift, int x, int y)
{
    if (!m_grid)
        return;
    m_grid->mouseDown(button, shift, x, y);
    m_grid->mouseUp(button, shift, x, y);
}
