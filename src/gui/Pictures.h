#pragma once

#include "singles/MarkSheet.h"

#include <QImage>
#include <QSize>

// The program's own small pictures, drawn in code at the display scale so
// that they stay sharp at any dots per inch. Sizes are layout pixels (96 dpi)
// before scaling; pixelRatio is the screen's device pixel ratio.
namespace Pictures {

// The four state pictures of the result grid, shown behind the mark of a
// cell whose colour is their key: hit (blue), cancelled (yellow), miss (red),
// winning grade code (green), in the order the result controller registers them.
enum class ResultState { Hit = 0, Cancelled = 1, Miss = 2, WinningGrade = 3 };
constexpr QSize ResultStateSize{23, 19};
QImage resultState(ResultState state, qreal pixelRatio = 1.0);
// By the index of the main window's picture array: 0 hit, 1 cancelled, 2 miss, 3 winning grade.
QImage resultState(int index, qreal pixelRatio = 1.0);

// A mark box of the single sheet: the digit of its mark code ("1", "0", "2")
// in a red frame, or filled in when marked.
constexpr QSize MarkBoxSize = MarkSheet::MarkBoxSize;
QImage markBox(int markCode, bool marked, qreal pixelRatio = 1.0);

} // namespace Pictures
