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
class clsGrid : public QObject
{
    Q_OBJECT

public:
    enum Alignment : qint16 { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };

    explicit clsGrid(QObject *parent = nullptr);
    ~clsGrid() override;

    // Without a picture area the grid works all the same and draws nothing
    // until one is attached.
    void Initialize(GridSurface *objPictureBox);
    bool IsInitialized() const { return m_initialized; }
    // The page's picture area: it takes the grid's place, size and cells.
    void AttachSurface(GridSurface *area);
    // The surface is going away; the grid keeps its cells and draws nothing more.
    void DetachSurface() { m_holder.detach(); }
    // What the owner moves, sizes or asks for a pop-up menu: the attached area
    // or, before there is one, what stands in for it.
    GridSurface *Surface() { return &m_holder; }
    const GridSurface *Surface() const { return &m_holder; }

    // Discards every cell; widths and heights are layout pixels at 96 dpi,
    // scaled to the display.
    void SetGridColRow(int lngCol, int lngRow, int lngDefCol, int lngDefRow);
    int Cols() const { return m_cols; }
    int Rows() const { return m_rows; }

    // Widths and heights set here are display pixels, not scaled. A width below
    // 1 hides the column.
    int ColWidth(int Index) const;
    void SetColWidth(int Index, int lngValue);
    int RowHeight(int Index) const;
    void SetRowHeight(int Index, int lngValue);

    quint32 ForeColor(int lngCol, int lngRow) const;
    void SetForeColor(int lngCol, int lngRow, quint32 lngValue);
    quint32 BackColor(int lngCol, int lngRow) const;
    void SetBackColor(int lngCol, int lngRow, quint32 lngValue);
    QString Caption(int lngCol, int lngRow) const;
    void SetCaption(int lngCol, int lngRow, const QString &strValue);
    qint16 Alignment(int lngCol, int lngRow) const;
    void SetAlignment(int lngCol, int lngRow, qint16 intValue);

    void ForeColorAll(quint32 lngValue);
    void ForeColorRow(int lngRow, quint32 lngValue);
    void BackColorRow(int lngRow, quint32 lngValue);

    void SetFontSize(double sngValue);
    void SetVisible(bool blnValue);
    int Left() const;
    void SetLeft(int lngValue);
    int Top() const;
    void SetTop(int lngValue);
    // The surface size; a pending layout change is applied first.
    int Width();
    int Height();

    // A cell whose back colour is lngColor shows this picture, centred on white.
    void SetColorImage(const QVariant &objImage, quint32 lngColor);
    void ClearColorImages();

    void Refresh();

    // Layout, in pixels of the surface.
    int ColLeft(int Index) const;
    int RowTop(int Index) const;
    int LayoutWidth() const;
    int LayoutHeight() const;
    // The cell under (x, y): {column, row}; beyond the last column or row, 1.
    QPoint HitTest(int x, int y) const;
    bool IsChanged(int lngCol, int lngRow) const;

    // Mouse notifications of the surface: a press and a release over the same
    // cell make one MouseClick.
    void MouseDown(int Button, int Shift, int x, int y);
    void MouseUp(int Button, int Shift, int x, int y);
    void MouseCancel();

Q_SIGNALS:
    // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt.
    void MouseClick(int Button, int Shift, int lngCol, int lngRow);

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
