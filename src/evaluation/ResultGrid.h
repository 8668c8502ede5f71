#pragma once

#include "support/ErrorReporter.h"
#include "cellgrid/CellGrid.h"

#include <QVariant>

#include <array>

class GridSurface;

// The result grid: ten singles side by side, one column each, every mark
// coloured by whether it hits, and the single's grade code at the bottom.
class ResultGrid
{
public:
    // Per match the mark code, then the grade code.
    using Marks = std::array<quint8, 15>;
    // Per match the hit-table entry of the single's mark: 0 miss, 1 hits the
    // official result, 2 hits an assumption, 3 cancelled, 4 open.
    using Hits = std::array<quint8, 14>;

    void initialize(GridSurface *surface, int width, int height);
    // The page's picture area takes the table as it stands.
    void attach(GridSurface *area) { m_grid.attachSurface(area); }
    void setColorImage(const QVariant &image, quint32 color);
    void clearColorImages() { m_grid.clearColorImages(); }
    // Fills column code + 1; no refresh.
    void setValue(int code, const Marks &byteValue, const Hits &colorIndex, int roundNumber);
    // Empties column code + 1; no refresh.
    void setClear(int code);
    void clear();
    void refresh();

    const CellGrid &grid() const { return m_grid; }

private:
    ErrorReporter m_err{QStringLiteral("clsTResultGrid")};
    CellGrid m_grid;
};
