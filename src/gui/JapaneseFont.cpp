#include "gui/JapaneseFont.h"

#include "support/DisplayScale.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace JapaneseFont {

QFont make(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")});
    font.setStyleHint(QFont::TypeWriter);
    const double pixels = points * 96.0 / 72.0 * DisplayScale::factorY();
    font.setPixelSize(std::max(1, int(std::lround(pixels))));
    return font;
}

} // namespace JapaneseFont
