#include "gui/GridView.h"

#include "support/WinColor.h"
#include "gui/JapaneseFont.h"
#include "gui/MouseCodes.h"
#include "gui/QtColor.h"
#include "cellgrid/CellGrid.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace {

QSize pictureSize(const QVariant &picture)
{
    if (picture.typeId() == QMetaType::QImage)
        return qvariant_cast<QImage>(picture).deviceIndependentSize().toSize();
    if (picture.typeId() == QMetaType::QPixmap)
        return qvariant_cast<QPixmap>(picture).deviceIndependentSize().toSize();
    return {};
}

void drawPicture(QPainter &painter, QPoint at, const QVariant &picture)
{
    if (picture.typeId() == QMetaType::QImage)
        painter.drawImage(at, qvariant_cast<QImage>(picture));
    else if (picture.typeId() == QMetaType::QPixmap)
        painter.drawPixmap(at, qvariant_cast<QPixmap>(picture));
}

} // namespace

GridView::GridView(QWidget *parent)
    : QWidget(parent)
    , m_font(JapaneseFont::make(9))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    m_canvas = blankCanvas(1, 1);
}

GridView::~GridView()
{
    if (m_grid)
        m_grid->detachSurface();
}

void GridView::attachGrid(CellGrid *grid)
{
    m_grid = grid;
}

QImage GridView::blankCanvas(int width, int height) const
{
    const qreal ratio = devicePixelRatioF();
    QImage canvas(QSize(std::max(width, 1), std::max(height, 1)) * ratio, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::white);
    return canvas;
}

void GridView::resizeSurface(int width, int height)
{
    // The cells before the changed column or row keep their place, so their
    // drawing is kept; everything else is drawn again by the next refresh.
    QImage resized = blankCanvas(width, height);
    QPainter painter(&resized);
    painter.drawImage(0, 0, m_canvas);
    painter.end();
    m_canvas = resized;
    setFixedSize(std::max(width, 0), std::max(height, 0));
    update();
}

bool GridView::isSurfaceVisible() const
{
    return !isHidden();
}

void GridView::setSurfaceVisible(bool visible)
{
    setVisible(visible);
}

int GridView::surfaceLeft() const
{
    return x();
}

int GridView::surfaceTop() const
{
    return y();
}

void GridView::moveSurface(int left, int top)
{
    move(left, top);
}

void GridView::setFontSize(double points)
{
    m_font = JapaneseFont::make(points);
}

void GridView::drawCells(const QList<GridCellDrawing> &cells)
{
    QPainter painter(&m_canvas);
    painter.setFont(m_font);
    for (const GridCellDrawing &cell : cells)
        drawCell(painter, cell);
    painter.end();
    update();
}

void GridView::drawCell(QPainter &painter, const GridCellDrawing &cell) const
{
    const QPalette &colors = palette();
    painter.setClipping(false);
    painter.fillRect(QRect(QPoint(cell.left, cell.top), QPoint(cell.right, cell.bottom)),
                     QtColor::fromWin(cell.backColor, colors));

    // The outline runs round (left, top)-(right + 1, bottom + 1): the lines
    // between cells are shared with the neighbours.
    const QColor line = QtColor::fromWin(WinColor::GridLine, colors);
    const int outerWidth = cell.right + 2 - cell.left;
    const int outerHeight = cell.bottom + 2 - cell.top;
    painter.fillRect(QRect(cell.left, cell.top, outerWidth, 1), line);
    painter.fillRect(QRect(cell.left, cell.bottom + 1, outerWidth, 1), line);
    painter.fillRect(QRect(cell.left, cell.top, 1, outerHeight), line);
    painter.fillRect(QRect(cell.right + 1, cell.top, 1, outerHeight), line);

    const QRect content(cell.contentOrigin(), QSize(cell.contentWidth, cell.contentHeight));
    painter.setClipRect(content);
    painter.fillRect(content, QtColor::fromWin(cell.contentColor, colors));
    if (cell.picture.isValid())
        drawPicture(painter, content.topLeft() + cell.pictureOrigin(pictureSize(cell.picture)), cell.picture);
    if (!cell.caption.isEmpty()) {
        const QFontMetrics metrics(m_font, &m_canvas);
        const QSize text(metrics.horizontalAdvance(cell.caption), metrics.height());
        const QPoint origin = content.topLeft() + cell.captionOrigin(text);
        painter.setPen(QtColor::fromWin(cell.foreColor, colors));
        painter.drawText(origin + QPoint(0, metrics.ascent()), cell.caption);
    }
}

int GridView::popupMenu(const QStringList &items)
{
    QMenu menu(this);
    for (const QString &item : items)
        menu.addAction(item);
    const QAction *chosen = menu.exec(QCursor::pos());
    return chosen ? int(menu.actions().indexOf(chosen)) : -1;
}

void GridView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_canvas);
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (m_grid)
        m_grid->mouseDown(MouseCodes::button(event->button()), MouseCodes::shift(event->modifiers()), at.x(), at.y());
}

void GridView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_grid)
        return;
    const QPoint at = event->position().toPoint();
    // A release after dragging off the area is no click on it.
    if (!rect().contains(at)) {
        m_grid->mouseCancel();
        return;
    }
    m_grid->mouseUp(MouseCodes::button(event->button()), MouseCodes::shift(event->modifiers()), at.x(), at.y());
}

void GridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The press of a double click is a press like any other for the grid.
    mousePressEvent(event);
    if (!m_grid || event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    if (!rect().contains(at))
        return;
    const QPoint cell = m_grid->hitTest(at.x(), at.y());
    Q_EMIT cellDoubleClicked(cell.x(), cell.y());
}
