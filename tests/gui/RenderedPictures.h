#pragma once

#include "cellgrid/CellGrid.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QStringList>

// What the rendering programs share: where their pictures go and the check
// that every caption of a table fits its cell in the font actually used.
namespace RenderedPictures {

// Cells whose caption is wider or higher than the cell, as "(col,row) "text"".
inline QStringList overflowingCells(const CellGrid &grid, const QFont &font)
{
    const QFontMetrics metrics(font);
    QStringList overflowing;
    for (int col = 1; col <= grid.cols(); ++col) {
        for (int row = 1; row <= grid.rows(); ++row) {
            const QString caption = grid.caption(col, row);
            if (grid.colWidth(col) == 0 || caption.trimmed().isEmpty())
                continue;
            // Left and right captions keep 2 pixels from the edge they lean on.
            const int margin = grid.Alignment(col, row) == CellGrid::AlignCenter ? 0 : 2;
            if (metrics.horizontalAdvance(caption.trimmed()) + margin > grid.colWidth(col)
                || metrics.height() > grid.rowHeight(row))
                overflowing.append(QStringLiteral("(%1,%2) \"%3\"").arg(col).arg(row).arg(caption));
        }
    }
    return overflowing;
}

// Saves <bin>/table-pictures/<name>_<dpi>dpi.png for anyone to look at.
inline bool save(const QImage &picture, const QString &name, int dpi)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/table-pictures");
    QDir().mkpath(folder);
    return picture.save(folder + QStringLiteral("/%1_%2dpi.png").arg(name).arg(dpi));
}

} // namespace RenderedPictures
