#pragma once

#include <QChar>
#include <QString>

// The rules of the round box: digits only, 0 to 9999, empty while the user
// clears it.
namespace RoundNumberText {

inline constexpr qint32 Minimum = 0;
inline constexpr qint32 Maximum = 9999;

// The text the box keeps of what arrives, typed, pasted or committed by an
// input method: full-width digits become half-width ("１２" is 12), anything
// else that is not a digit is dropped.
QString digitsOf(const QString &text);
// Only the digits (half or full width) and Backspace can be typed.
bool acceptsKey(QChar character);
// What the box shows after a change: empty stays empty, anything else the
// number clamped to 0 to 9999 (full-width digits read as digits; a text that
// is not a number counts as 0).
QString normalized(const QString &text);
// The text after Up or Down (±1) or Page Up or Page Down (±9999).
QString stepped(const QString &text, int delta);
// The round the text stands for: -1 when empty.
qint32 roundOf(const QString &text);

} // namespace RoundNumberText
