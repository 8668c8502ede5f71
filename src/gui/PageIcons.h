#pragma once

#include <QIcon>
#include <QImage>

// The pictures of the main window's icon strip and the program's own icon,
// drawn in code so that they stay sharp at any scale.
namespace PageIcons {

// Layout size (96 dpi) of a page picture.
inline constexpr int Size = 40;

// The picture of page 0 (home), 1 (singles) or 2 (check); highlighted for
// the current page.
QImage page(int index, bool highlighted, qreal pixelRatio = 1.0);
// The program's icon: a BIG ticket with its marks, at the usual sizes.
QIcon application();
QImage applicationImage(int side);

} // namespace PageIcons
