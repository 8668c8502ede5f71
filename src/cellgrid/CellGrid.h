#pragma once

#include "support/ErrorReporter.h"
#include "cellgrid/GridSurface.h"
#include "cellgrid/GridSurfaceHolder.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <vector>

// The owner-drawn table on which every table of the program is drawn: a
// rectangle of cells, each with a caption, a text colour, a background colour
// and an alignment. The owner sets cells and calls Refresh, which draws only
// the cells that changed since the last one. Clicks come back as MouseClick
// with the column and row under the mouse. Columns and rows count from 1.
//
// This is the model; the window layer's GridSurface does the painting.
class CellGrid : public QObject
{
    Q_OBJECT

public:
    enum Alignment : qint16 { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };

    explicit CellGrid(QObject *parent = nullptr);
    ~CellGrid() override;

    // Without a picture area the grid works all the same and draws nothing
    // until one is attached.
    void initialize(GridSurface *surface);
    bool isInitialized() const { return m_initialized; }
    // The page's picture area: it takes the grid's place, size and cells.
    void attachSurface(GridSurface *area);
    // The surface is going away; the grid keeps its cells and draws nothing more.
    void detachSurface() { m_holder.detach(); }
    // What the owner moves, sizes or asks for a pop-up menu: the attached area
    // or, before there is one, what stands in for it.
    GridSurface *surface() { return &m_holder; }
    const GridSurface *surface() const { return &m_holder; }

    // Discards every cell; widths and heights are layout pixels at 96 dpi,
    // scaled to the display.
    void setGridColRow(int column, int row, int defaultColumn, int defaultRow);
    int cols() const { return m_cols; }
    int rows() const { return m_rows; }

    // Widths and heights set here are display pixels, not scaled. A width below
    // 1 hides the column.
    int colWidth(int Index) const;
    void setColWidth(int Index, int value);
    int rowHeight(int Index) const;
    void setRowHeight(int Index, int value);

    quint32 foreColor(int column, int row) const;
    void setForeColor(int column, int row, quint32 value);
    quint32 backColor(int column, int row) const;
    void setBackColor(int column, int row, quint32 value);
    QString caption(int column, int row) const;
    void setCaption(int column, int row, const QString &value);
    qint16 Alignment(int column, int row) const;
    void setAlignment(int column, int row, qint16 value);

    void foreColorAll(quint32 value);
    void foreColorRow(int row, quint32 value);
    void backColorRow(int row, quint32 value);

    void setFontSize(double value);
    void setVisible(bool on);
    int left() const;
    void setLeft(int value);
    int top() const;
    void setTop(int value);
    // The surface size; a pending layout change is applied first.
    int width();
    int height();

    // A cell whose back colour is color shows this picture, centred on white.
    void setColorImage(const QVariant &image, quint32 color);
    void clearColorImages();

    void refresh();

    // Layout, in pixels of the surface.
    int colLeft(int Index) const;
    int rowTop(int Index) const;
    int layoutWidth() const;
    int layoutHeight() const;
    // The cell under (x, y): {column, row}; beyond the last column or row, 1.
    QPoint hitTest(int x, int y) const;
    bool isChanged(int column, int row) const;

    // Mouse notifications of the surface: a press and a release over the same
    // cell make one MouseClick.
    void mouseDown(int Button, int Shift, int x, int y);
    void mouseUp(int Button, int Shift, int x, int y);
    void mouseCancel();

Q_SIGNALS:
    // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt.
    void MouseClick(int Button, int Shift, int column, int row);

private:
    struct Cell
    {
        QString caption;
        quint32 foreColor = 0;
        quint32 backColor = 0xFFFFFF;
        qint16 alignment = AlignCenter;
        bool changed = true;
    };
    struct ColorImage
    {
        QVariant picture;
        quint32 key = 0;
    };

    Cell &cell(int col, int row);
    const Cell &cell(int col, int row) const;
    static void checkIndex(int index, int count);
    void markColumnsFrom(int col);
    void markRowsFrom(int row);
    void recomputePositions();
    void applyLayout();
    bool requireSurface(const QString &procedure) const;
    GridCellDrawing drawing(int col, int row) const;
    QVariant pictureFor(quint32 backColor) const;

    template<typename Value>
    void store(Value Cell::*field, int col, int row, const Value &value);

    ErrorReporter m_err{QStringLiteral("clsGrid")};
    GridSurfaceHolder m_holder;
    bool m_initialized = false;
    int m_cols = 0;
    int m_rows = 0;
    std::vector<int> m_colWidth;
    std::vector<int> m_rowHeight;
    std::vector<int> m_colLeft;
    std::vector<int> m_rowTop;
    std::vector<Cell> m_cells;   // column by column
    QList<ColorImage> m_colorImages;
    bool m_colorImagesOn = false;
    bool m_layoutChanged = false;
    QPoint m_pressedCell;        // (0, 0): no press pending
    int m_pressedButton = 0;
};
