#pragma once

#include <Qt>

// Mouse buttons and modifier keys as the program's views report them.
namespace MouseCodes {

// 1 left, 2 right, 4 middle; 0 for any other button.
inline int button(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

// 1 Shift, 2 Ctrl, 4 Alt, added together.
inline int shift(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace MouseCodes
