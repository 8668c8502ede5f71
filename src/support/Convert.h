#pragma once

#include <QString>
#include <QtGlobal>

// Conversions of text to numbers as the program's files and settings need
// them. Each throws RuntimeError (type mismatch, overflow) on text it cannot
// convert, so that the calling operation reports it at its boundary.
namespace Convert {

// A decimal number (sign, digits, optional "," grouping and fraction; spaces
// around it) rounded half to even to a 32-bit integer.
qint32 toLong(const QString &text);
// The same, limited to 0..255.
quint8 toByte(const QString &text);
// A number (0 is False, any other True) or the words True and False in any
// letter case.
bool toBoolean(const QString &text);
// Rounds half to even; overflow outside the 32-bit range.
qint32 roundToLong(double value);

} // namespace Convert
