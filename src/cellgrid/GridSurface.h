#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>

class CellGrid;

// One cell as a refresh hands it to the window layer.
//
// The rectangle (left, top)-(right, bottom) is filled with backColor and
// outlined up to (right + 1, bottom + 1) in the grid-line grey; the content
// area starts at (left + 1, top + 1). The content area's own background is
// contentColor: white when a key-colour picture stands behind the caption.
struct GridCellDrawing
{
    int col = 0;
    int row = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int contentWidth = 1;
    int contentHeight = 1;
    quint32 backColor = 0;
    quint32 contentColor = 0;
    quint32 foreColor = 0;
    QString caption;
    int alignment = 2;
    QVariant picture;   // null when the cell shows no picture

    QPoint contentOrigin() const { return {left + 1, top + 1}; }
    // Where the caption's box starts inside the content area, given the text
    // size measured in the grid's font.
    QPoint captionOrigin(QSize text) const;
    // Where a picture of the given size starts inside the content area: centred.
    QPoint pictureOrigin(QSize picture) const;
};

// The picture area a grid draws on and whose clicks it reports. The window
// layer implements it (GridView); tests put a recording one in its place.
// Coordinates are pixels of the area.
class GridSurface
{
public:
    virtual ~GridSurface() = default;

    // The grid that draws here and receives the mouse; nullptr detaches it.
    virtual void attachGrid(CellGrid *grid) = 0;

    virtual void resizeSurface(int width, int height) = 0;
    virtual bool isSurfaceVisible() const = 0;
    virtual void setSurfaceVisible(bool visible) = 0;
    virtual int surfaceLeft() const = 0;
    virtual int surfaceTop() const = 0;
    virtual void moveSurface(int left, int top) = 0;
    virtual void setFontSize(double points) = 0;

    // Draws the cells of one refresh together: the screen shows the table as it
    // was before or as it is after, never half drawn.
    virtual void drawCells(const QList<GridCellDrawing> &cells) = 0;

    // A pop-up menu at the mouse pointer; the index of the chosen item, or -1.
    virtual int popupMenu(const QStringList &items) = 0;
};
