#pragma once

#include <QFont>

// The program's one font: "ＭＳ ゴシック" where it is installed, IPAGothic
// (Debian's stand-in with the same metrics) otherwise.
namespace JapaneseFont {

// The font at a size in points, in pixels of the display scale: 9 points are
// 12 pixels at 96 dots per inch and 18 at 144.
QFont make(double points);

} // namespace JapaneseFont
