#include "cellgrid/GridSurface.h"

namespace {

int centred(int outer, int inner)
{
    return (outer - inner) / 2;
}

} // namespace

QPoint GridCellDrawing::captionOrigin(QSize text) const
{
    const int top = centred(contentHeight, text.height());
    switch (alignment) {
    case 0: return {2, top};
    case 1: return {contentWidth - text.width() - 2, top};
    default: return {centred(contentWidth, text.width()), top};
    }
}

QPoint GridCellDrawing::pictureOrigin(QSize picture) const
{
    return {centred(contentWidth, picture.width()), centred(contentHeight, picture.height())};
}
