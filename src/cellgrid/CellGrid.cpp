#include "cellgrid/CellGrid.h"

#include "support/RuntimeError.h"
#include "support/WinColor.h"
#include "cellgrid/GridStyle.h"

#include <algorithm>

clsGrid::clsGrid(QObject *parent)
    : QObject(parent)
{
}

clsGrid::~clsGrid()
{
    m_holder.detach();
}

void clsGrid::Initialize(GridSurface *objPictureBox)
{
    m_holder.attach(objPictureBox, this);
    m_initialized = true;
    m_holder.setSurfaceVisible(true);
    SetGridColRow(1, 1, 30, 20);
}

void clsGrid::AttachSurface(GridSurface *area)
{
    m_holder.attach(area, this);
    for (Cell &each : m_cells)
        each.changed = true;
    Refresh();
}

void clsGrid::SetGridColRow(int lngCol, int lngRow, int lngDefCol, int lngDefRow)
{
    if (lngCol < 0 || lngRow < 0)
        throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
    const int width = GridStyle::pixelsX(lngDefCol);
    const int height = GridStyle::pixelsY(lngDefRow);
    m_cols = lngCol;
    m_rows = lngRow;
    m_colWidth.assign(std::size_t(lngCol), width);
    m_rowHeight.assign(std::size_t(lngRow), height);
    m_cells.assign(std::size_t(lngCol) * std::size_t(lngRow), Cell{});
    m_pressedCell = {};
    recomputePositions();
}

void clsGrid::checkIndex(int index, int count)
{
    if (index < 1 || index > count)
        throw RuntimeError::fromNumber(RuntimeError::SubscriptOutOfRange);
}

clsGrid::Cell &clsGrid::cell(int col, int row)
{
    checkIndex(col, m_cols);
    checkIndex(row, m_rows);
    return m_cells[std::size_t(col - 1) * std::size_t(m_rows) + std::size_t(row - 1)];
}

const clsGrid::Cell &clsGrid::cell(int col, int row) const
{
    return const_cast<clsGrid *>(this)->cell(col, row);
}

int clsGrid::ColWidth(int Index) const
{
    checkIndex(Index, m_cols);
    return m_colWidth[std::size_t(Index - 1)];
}

void clsGrid::SetColWidth(int Index, int lngValue)
{
    checkIndex(Index, m_cols);
    m_colWidth[std::size_t(Index - 1)] = lngValue < 1 ? 0 : lngValue;
    markColumnsFrom(Index);
    recomputePositions();
}

int clsGrid::RowHeight(int Index) const
{
    checkIndex(Index, m_rows);
    return m_rowHeight[std::size_t(Index - 1)];
}

void clsGrid::SetRowHeight(int Index, int lngValue)
{
    checkIndex(Index, m_rows);
    // A negative height would fold the rows below over this one.
    m_rowHeight[std::size_t(Index - 1)] = std::max(lngValue, 0);
    markRowsFrom(Index);
    recomputePositions();
}

void clsGrid::markColumnsFrom(int col)
{
    for (int c = col; c <= m_cols; ++c)
        for (int r = 1; r <= m_rows; ++r)
            cell(c, r).changed = true;
}

void clsGrid::markRowsFrom(int row)
{
    for (int c = 1; c <= m_cols; ++c)
        for (int r = row; r <= m_rows; ++r)
            cell(c, r).changed = true;
}

void clsGrid::recomputePositions()
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

int clsGrid::ColLeft(int Index) const
{
    checkIndex(Index, m_cols);
    return m_colLeft[std::size_t(Index - 1)];
}

int clsGrid::RowTop(int Index) const
{
    checkIndex(Index, m_rows);
    return m_rowTop[std::size_t(Index - 1)];
}

int clsGrid::LayoutWidth() const
{
    int width = 1;
    for (const int w : m_colWidth)
        width += w > 0 ? w + 1 : 0;
    return width;
}

int clsGrid::LayoutHeight() const
{
    int height = 1;
    for (const int h : m_rowHeight)
        height += h + 1;
    return height;
}

template<typename Value>
void clsGrid::store(Value Cell::*field, int col, int row, const Value &value)
{
    Cell &target = cell(col, row);
    if (target.*field == value)
        return;
    target.*field = value;
    target.changed = true;
}

quint32 clsGrid::ForeColor(int lngCol, int lngRow) const
{
    return cell(lngCol, lngRow).foreColor;
}

void clsGrid::SetForeColor(int lngCol, int lngRow, quint32 lngValue)
{
    store(&Cell::foreColor, lngCol, lngRow, lngValue);
}

quint32 clsGrid::BackColor(int lngCol, int lngRow) const
{
    return cell(lngCol, lngRow).backColor;
}

void clsGrid::SetBackColor(int lngCol, int lngRow, quint32 lngValue)
{
    store(&Cell::backColor, lngCol, lngRow, lngValue);
}

QString clsGrid::Caption(int lngCol, int lngRow) const
{
    return cell(lngCol, lngRow).caption;
}

void clsGrid::SetCaption(int lngCol, int lngRow, const QString &strValue)
{
    store(&Cell::caption, lngCol, lngRow, strValue);
}

qint16 clsGrid::Alignment(int lngCol, int lngRow) const
{
    return cell(lngCol, lngRow).alignment;
}

void clsGrid::SetAlignment(int lngCol, int lngRow, qint16 intValue)
{
    store(&Cell::alignment, lngCol, lngRow, intValue);
}

void clsGrid::ForeColorAll(quint32 lngValue)
{
    for (int c = 1; c <= m_cols; ++c)
        for (int r = 1; r <= m_rows; ++r)
            SetForeColor(c, r, lngValue);
}

void clsGrid::ForeColorRow(int lngRow, quint32 lngValue)
{
    checkIndex(lngRow, m_rows);
    for (int c = 1; c <= m_cols; ++c)
        SetForeColor(c, lngRow, lngValue);
}

void clsGrid::BackColorRow(int lngRow, quint32 lngValue)
{
    checkIndex(lngRow, m_rows);
    for (int c = 1; c <= m_cols; ++c)
        SetBackColor(c, lngRow, lngValue);
}

bool clsGrid::requireSurface(const QString &procedure) const
{
    if (m_initialized)
        return true;
    m_err.reportInitializeError(procedure);
    return false;
}

void clsGrid::SetFontSize(double sngValue)
{
    if (requireSurface(QStringLiteral("FontSize")))
        m_holder.setFontSize(sngValue);
}

void clsGrid::SetVisible(bool blnValue)
{
    if (requireSurface(QStringLiteral("Visible")))
        m_holder.setSurfaceVisible(blnValue);
}

int clsGrid::Left() const
{
    return requireSurface(QStringLiteral("Left")) ? m_holder.surfaceLeft() : 0;
}

void clsGrid::SetLeft(int lngValue)
{
    if (requireSurface(QStringLiteral("Left")))
        m_holder.moveSurface(lngValue, m_holder.surfaceTop());
}

int clsGrid::Top() const
{
    return requireSurface(QStringLiteral("Top")) ? m_holder.surfaceTop() : 0;
}

void clsGrid::SetTop(int lngValue)
{
    if (requireSurface(QStringLiteral("Top")))
        m_holder.moveSurface(m_holder.surfaceLeft(), lngValue);
}

int clsGrid::Width()
{
    if (!requireSurface(QStringLiteral("Width")))
        return 0;
    applyLayout();
    return LayoutWidth();
}

int clsGrid::Height()
{
    if (!requireSurface(QStringLiteral("Height")))
        return 0;
    applyLayout();
    return LayoutHeight();
}

void clsGrid::applyLayout()
{
    if (!m_layoutChanged || !m_initialized)
        return;
    m_holder.resizeSurface(LayoutWidth(), LayoutHeight());
    m_layoutChanged = false;
}

void clsGrid::SetColorImage(const QVariant &objImage, quint32 lngColor)
{
    m_colorImages.append({objImage, lngColor});
    m_colorImagesOn = true;
}

void clsGrid::ClearColorImages()
{
    m_colorImages.clear();
    m_colorImagesOn = false;
}

QVariant clsGrid::pictureFor(quint32 backColor) const
{
    if (!m_colorImagesOn)
        return {};
    for (const ColorImage &image : m_colorImages)
        if (image.key == backColor)
            return image.picture;
    return {};
}

GridCellDrawing clsGrid::drawing(int col, int row) const
{
    const Cell &source = cell(col, row);
    GridCellDrawing cellDrawing;
    cellDrawing.col = col;
    cellDrawing.row = row;
    cellDrawing.left = ColLeft(col);
    cellDrawing.top = RowTop(row);
    cellDrawing.right = cellDrawing.left + ColWidth(col);
    cellDrawing.bottom = cellDrawing.top + RowHeight(row);
    cellDrawing.contentWidth = std::max(ColWidth(col), 1);
    cellDrawing.contentHeight = std::max(RowHeight(row), 1);
    cellDrawing.backColor = source.backColor;
    cellDrawing.picture = pictureFor(source.backColor);
    cellDrawing.contentColor = cellDrawing.picture.isValid() ? WinColor::White : source.backColor;
    cellDrawing.foreColor = source.foreColor;
    cellDrawing.caption = source.caption;
    cellDrawing.alignment = source.alignment;
    return cellDrawing;
}

void clsGrid::Refresh()
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
            if (ColWidth(c) > 0)
                changed.append(drawing(c, r));
        }
    }
    m_holder.drawCells(changed);
}

bool clsGrid::IsChanged(int lngCol, int lngRow) const
{
    return cell(lngCol, lngRow).changed;
}

QPoint clsGrid::HitTest(int x, int y) const
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

void clsGrid::MouseDown(int Button, int Shift, int x, int y)
{
    Q_UNUSED(Shift);
    if (m_cols < 1 || m_rows < 1)
        return;
    m_pressedCell = HitTest(x, y);
    m_pressedButton = Button;
}

void clsGrid::MouseUp(int Button, int Shift, int x, int y)
{
    const QPoint pressed = m_pressedCell;
    const int pressedButton = m_pressedButton;
    MouseCancel();
    if (pressed.isNull() || Button != pressedButton || m_cols < 1 || m_rows < 1)
        return;
    const QPoint released = HitTest(x, y);
    if (released == pressed)
        Q_EMIT MouseClick(Button, Shift, released.x(), released.y());
}

void clsGrid::MouseCancel()
{
    m_pressedCell = {};
    m_pressedButton = 0;
}
