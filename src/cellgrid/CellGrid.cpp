#include "cellgrid/CellGrid.h"

#include "support/RuntimeError.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"

#include <algorithm>

CellGrid::CellGrid(QObject *parent)
    : QObject(parent)
{
}

CellGrid::~CellGrid()
{
    m_holder.detach();
}

void CellGrid::initialize(GridSurface *surface)
{
    m_holder.attach(surface, this);
    m_initialized = true;
    m_holder.setSurfaceVisible(true);
    setGridColRow(1, 1, 30, 20);
}

void CellGrid::attachSurface(GridSurface *area)
{
    m_holder.attach(area, this);
    for (Cell &each : m_cells)
        each.changed = true;
    refresh();
}

void CellGrid::setGridColRow(int column, int row, int defaultColumn, int defaultRow)
{
    if (column < 0 || row < 0)
        throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
    const int width = GridStyle::pixelsX(defaultColumn);
    const int height = GridStyle::pixelsY(defaultRow);
    m_cols = column;
    m_rows = row;
    m_colWidth.assign(std::size_t(column), width);
    m_rowHeight.assign(std::size_t(row), height);
    m_cells.assign(std::size_t(column) * std::size_t(row), Cell{});
    m_pressedCell = {};
    recomputePositions();
}

void CellGrid::checkIndex(int index, int count)
{
    if (index < 1 || index > count)
        throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
}

CellGrid::Cell &CellGrid::cell(int col, int row)
{
    checkIndex(col, m_cols);
    checkIndex(row, m_rows);
    return m_cells[std::size_t(col - 1) * std::size_t(m_rows) + std::size_t(row - 1)];
}

const CellGrid::Cell &CellGrid::cell(int col, int row) const
{
    return const_cast<CellGrid *>(this)->cell(col, row);
}

int CellGrid::colWidth(int Index) const
{
    checkIndex(Index, m_cols);
    return m_colWidth[std::size_t(Index - 1)];
}

void CellGrid::setColWidth(int Index, int value)
{
    checkIndex(Index, m_cols);
    m_colWidth[std::size_t(Index - 1)] = value < 1 ? 0 : value;
    markColumnsFrom(Index);
    recomputePositions();
}

int CellGrid::rowHeight(int Index) const
{
    checkIndex(Index, m_rows);
    return m_rowHeight[std::size_t(Index - 1)];
}

void CellGrid::setRowHeight(int Index, int value)
{
    checkIndex(Index, m_rows);
    // A negative height would fold the rows below over this one.
    m_rowHeight[std::size_t(Index - 1)] = std::max(value, 0);
    markRowsFrom(Index);
    recomputePositions();
}

void CellGrid::markColumnsFrom(int col)
{
    for (int c = col; c <= m_cols; ++c)
        for (int r = 1; r <= m_rows; ++r)
            cell(c, r).changed = true;
}

void CellGrid::markRowsFrom(int row)
{
    for (int c = 1; c <= m_cols; ++c)
        for (int r = row; r <= m_rows; ++r)
            cell(c, r).changed = true;
}

void CellGrid::recomputePositions()
{
    m_colLeft.assign(std::size_t(m_cols), 0);
    for (int c = 1; c < m_cols; ++c) {
        const int width = m_colWidth[std::size_t(c - 1)];
        m_colLeft[std::size_t(c)] = m_colLeft[std::size_t(c - 1)] + (width > 0 ? width + 1 : 0);
    }
    m_rowTop.assign(std::size_t(m_rows), 0);
    for (int r = 1; r < m_rows; ++r)
        m_rowTop[std::size_t(r)] = m_rowTop[std::size_t(r - 1)] + m_rowHeight[std::size_t(r - 1)] + 1;
    m_layoutChanged = true;
}

int CellGrid::colLeft(int Index) const
{
    checkIndex(Index, m_cols);
    return m_colLeft[std::size_t(Index - 1)];
}

int CellGrid::rowTop(int Index) const
{
    checkIndex(Index, m_rows);
    return m_rowTop[std::size_t(Index - 1)];
}

int CellGrid::layoutWidth() const
{
    int width = 1;
    for (const int w : m_colWidth)
        width += w > 0 ? w + 1 : 0;
    return width;
}

int CellGrid::layoutHeight() const
{
    int height = 1;
    for (const int h : m_rowHeight)
        height += h + 1;
    return height;
}

template<typename Value>
void CellGrid::store(Value Cell::*field, int col, int row, const Value &value)
{
    Cell &target = cell(col, row);
    if (target.*field == value)
        return;
    target.*field = value;
    target.changed = true;
}

quint32 CellGrid::foreColor(int column, int row) const
{
    return cell(column, row).foreColor;
}

void CellGrid::setForeColor(int column, int row, quint32 value)
{
    store(&Cell::foreColor, column, row, value);
}

quint32 CellGrid::backColor(int column, int row) const
{
    return cell(column, row).backColor;
}

void CellGrid::setBackColor(int column, int row, quint32 value)
{
    store(&Cell::backColor, column, row, value);
}

QString CellGrid::caption(int column, int row) const
{
    return cell(column, row).caption;
}

void CellGrid::setCaption(int column, int row, const QString &value)
{
    store(&Cell::caption, column, row, value);
}

qint16 CellGrid::Alignment(int column, int row) const
{
    return cell(column, row).alignment;
}

void CellGrid::setAlignment(int column, int row, qint16 value)
{
    store(&Cell::alignment, column, row, value);
}

void CellGrid::foreColorAll(quint32 value)
{
    for (int c = 1; c <= m_cols; ++c)
        for (int r = 1; r <= m_rows; ++r)
            setForeColor(c, r, value);
}

void CellGrid::foreColorRow(int row, quint32 value)
{
    checkIndex(row, m_rows);
    for (int c = 1; c <= m_cols; ++c)
        setForeColor(c, row, value);
}

void CellGrid::backColorRow(int row, quint32 value)
{
    checkIndex(row, m_rows);
    for (int c = 1; c <= m_cols; ++c)
        setBackColor(c, row, value);
}

bool CellGrid::requireSurface(const QString &procedure) const
{
    if (m_initialized)
        return true;
    m_err.reportInitializeError(procedure);
    return false;
}

void CellGrid::setFontSize(double value)
{
    if (requireSurface(QStringLiteral("FontSize")))
        m_holder.setFontSize(value);
}

void CellGrid::setVisible(bool on)
{
    if (requireSurface(QStringLiteral("Visible")))
        m_holder.setSurfaceVisible(on);
}

int CellGrid::left() const
{
    return requireSurface(QStringLiteral("Left")) ? m_holder.surfaceLeft() : 0;
}

void CellGrid::setLeft(int value)
{
    if (requireSurface(QStringLiteral("Left")))
        m_holder.moveSurface(value, m_holder.surfaceTop());
}

int CellGrid::top() const
{
    return requireSurface(QStringLiteral("Top")) ? m_holder.surfaceTop() : 0;
}

void CellGrid::setTop(int value)
{
    if (requireSurface(QStringLiteral("Top")))
        m_holder.moveSurface(m_holder.surfaceLeft(), value);
}

int CellGrid::width()
{
    if (!requireSurface(QStringLiteral("Width")))
        return 0;
    applyLayout();
    return layoutWidth();
}

int CellGrid::height()
{
    if (!requireSurface(QStringLiteral("Height")))
        return 0;
    applyLayout();
    return layoutHeight();
}

void CellGrid::applyLayout()
{
    if (!m_layoutChanged || !m_initialized)
        return;
    m_holder.resizeSurface(layoutWidth(), layoutHeight());
    m_layoutChanged = false;
}

void CellGrid::setColorImage(const QVariant &image, quint32 color)
{
    m_colorImages.append({image, color});
    m_colorImagesOn = true;
}

void CellGrid::clearColorImages()
{
    m_colorImages.clear();
    m_colorImagesOn = false;
}

QVariant CellGrid::pictureFor(quint32 backColor) const
{
    if (!m_colorImagesOn)
        return {};
    for (const ColorImage &image : m_colorImages)
        if (image.key == backColor)
            return image.picture;
    return {};
}

GridCellDrawing CellGrid::drawing(int col, int row) const
{
    const Cell &source = cell(col, row);
    GridCellDrawing cellDrawing;
    cellDrawing.col = col;
    cellDrawing.row = row;
    cellDrawing.left = colLeft(col);
    cellDrawing.top = rowTop(row);
    cellDrawing.right = cellDrawing.left + colWidth(col);
    cellDrawing.bottom = cellDrawing.top + rowHeight(row);
    cellDrawing.contentWidth = std::max(colWidth(col), 1);
    cellDrawing.contentHeight = std::max(rowHeight(row), 1);
    cellDrawing.backColor = source.backColor;
    cellDrawing.picture = pictureFor(source.backColor);
    cellDrawing.contentColor = cellDrawing.picture.isValid() ? WinColor::White : source.backColor;
    cellDrawing.foreColor = source.foreColor;
    cellDrawing.caption = source.caption;
    cellDrawing.alignment = source.alignment;
    return cellDrawing;
}

void CellGrid::refresh()
{
    if (!m_initialized)
        return;
    applyLayout();
    QList<GridCellDrawing> changed;
    for (int c = 1; c <= m_cols; ++c) {
        for (int r = 1; r <= m_rows; ++r) {
            Cell &target = cell(c, r);
            if (!target.changed)
                continue;
            target.changed = false;
            if (colWidth(c) > 0)
                changed.append(drawing(c, r));
        }
    }
    m_holder.drawCells(changed);
}

bool CellGrid::isChanged(int column, int row) const
{
    return cell(column, row).changed;
}

QPoint CellGrid::hitTest(int x, int y) const
{
    int col = 1;
    for (int c = 1; c <= m_cols; ++c) {
        const int width = m_colWidth[std::size_t(c - 1)];
        if (m_colLeft[std::size_t(c - 1)] + width + (width > 0 ? 1 : 0) >= x) {
            col = c;
            break;
        }
    }
    int row = 1;
    for (int r = 1; r <= m_rows; ++r) {
        if (m_rowTop[std::size_t(r - 1)] + m_rowHeight[std::size_t(r - 1)] + 1 >= y) {
            row = r;
            break;
        }
    }
    return {col, row};
}

void CellGrid::mouseDown(int Button, int Shift, int x, int y)
{
    Q_UNUSED(Shift);
    if (m_cols < 1 || m_rows < 1)
        return;
    m_pressedCell = hitTest(x, y);
    m_pressedButton = Button;
}

void CellGrid::mouseUp(int Button, int Shift, int x, int y)
{
    const QPoint pressed = m_pressedCell;
    const int pressedButton = m_pressedButton;
    mouseCancel();
    if (pressed.isNull() || Button != pressedButton || m_cols < 1 || m_rows < 1)
        return;
    const QPoint released = hitTest(x, y);
    if (released == pressed)
        Q_EMIT MouseClick(Button, Shift, released.x(), released.y());
}

void CellGrid::mouseCancel()
{
    m_pressedCell = {};
    m_pressedButton = 0;
}
