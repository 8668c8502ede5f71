#pragma once

#include "support/DisplayScale.h"

#include <QPushButton>
#include <QToolButton>

#include <cmath>

// Small pieces the main window's pages share: layout pixels at the display
// scale and named controls.
namespace PageParts {

inline int scaledX(double pixels)
{
    return int(std::lround(DisplayScale::scaleX(pixels)));
}

inline int scaledY(double pixels)
{
    return int(std::lround(DisplayScale::scaleY(pixels)));
}

inline QPushButton *button(const QString &text, const QString &name, QWidget *parent)
{
    auto *result = new QPushButton(text, parent);
    result->setObjectName(name);
    return result;
}

// A page arrow of a list: left for the previous page, right for the next.
inline QToolButton *arrow(Qt::ArrowType type, const QString &name, QWidget *parent)
{
    auto *result = new QToolButton(parent);
    result->setObjectName(name);
    result->setArrowType(type);
    result->setAutoRaise(true);
    return result;
}

} // namespace PageParts
