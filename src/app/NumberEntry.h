#pragma once

#include <QChar>
#include <QString>

// The rules of the number-entry dialog, where a single is typed as its 14
// marks: "0", "1" and "2" only, OK once all 14 are there.
namespace NumberEntry {

inline constexpr int length = 14;

// Only the three marks and Backspace can be typed.
bool acceptsKey(QChar character);
bool okEnabled(const QString &text);
// OK pressed: the text when it is a whole single, otherwise empty after the
// message of what is wrong (the dialog stays open).
QString accept(const QString &text);

} // namespace NumberEntry
