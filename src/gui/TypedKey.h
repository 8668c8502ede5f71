#pragma once

#include <QKeyEvent>

// Whether a key press types a character into a text box (editing keys such
// as Backspace and shortcuts such as Ctrl+V do not), and which.
inline bool typesCharacter(const QKeyEvent &key)
{
    return !key.text().isEmpty() && key.text().front().isPrint()
           && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}
