#pragma once

#include <QColor>
#include <QPalette>

// Window-system colour values (&HBBGGRR, or a system colour when the top bit
// is set) as Qt colours; system colours come from the palette.
namespace QtColor {

QColor fromWin(quint32 color, const QPalette &palette);
// With the application's palette.
QColor fromWin(quint32 color);

} // namespace QtColor
