#pragma once

#include "cellgrid/GridSurface.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>

class CellGrid;
class QPainter;

// The picture area a CellGrid draws on. It keeps its drawing in an image of
// its own, so a refresh paints the changed cells there first and the screen
// only ever shows whole tables. Presses and releases go to the grid, which
// turns them into clicks on cells.
class GridView : public QWidget, public GridSurface
{
    Q_OBJECT

public:
    explicit GridView(QWidget *parent = nullptr);
    ~GridView() override;

    void attachGrid(CellGrid *grid) override;
    void resizeSurface(int width, int height) override;
    bool isSurfaceVisible() const override;
    void setSurfaceVisible(bool visible) override;
    int surfaceLeft() const override;
    int surfaceTop() const override;
    void moveSurface(int left, int top) override;
    void setFontSize(double points) override;
    void drawCells(const QList<GridCellDrawing> &cells) override;
    int popupMenu(const QStringList &items) override;

    // What the area shows, at the display's pixel density.
    const QImage &canvas() const { return m_canvas; }
    const QFont &cellFont() const { return m_font; }

Q_SIGNALS:
    // A double click of the left button on a cell of the grid.
    void cellDoubleClicked(int col, int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage blankCanvas(int width, int height) const;
    void drawCell(QPainter &painter, const GridCellDrawing &cell) const;

    QPointer<CellGrid> m_grid;
    QImage m_canvas;
    QFont m_font;
};
