#pragma once

#include "support/ErrorReporter.h"
#include "cellgrid/CellGrid.h"

#include <QVariant>

#include <array>

class GridSurface;

// The result grid: ten singles side by side, one column each, every mark
// coloured by whether it hits, and the single's grade code at the bottom.
class clsTResultGrid
{
public:
    // Per match the mark code, then the grade code.
    using Marks = std::array<quint8, 15>;
    // Per match the hit-table entry of the single's mark: 0 miss, 1 hits the
    // official result, 2 hits an assumption, 3 cancelled, 4 open.
    using Hits = std::array<quint8, 14>;

    void Initialize(GridSurface *objPictureBox, int lngWidth, int lngHeight);
    // The page's picture area takes the table as it stands.
    void Attach(GridSurface *area) { m_grid.AttachSurface(area); }
    void SetColorImage(const QVariant &objImage, quint32 lngColor);
    void ClearColorImages() { m_grid.ClearColorImages(); }
    // Fills column lngNo + 1; no refresh.
    void SetValue(int lngNo, const Marks &bytValue, const Hits &bytColor, int lngKaisaikai);
    // Empties column lngNo + 1; no refresh.
    void SetClear(int lngNo);
    void Clear();
    void Refresh();

    const clsGrid &Grid() const { return m_grid; }

private:
    ErrorReporter m_err{QStringLiteral("clsTResultGrid")};
    clsGrid m_grid;
};
