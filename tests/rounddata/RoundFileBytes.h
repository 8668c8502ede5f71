#pragma once

#include <QByteArray>

// Compares a written round file with the hand-made one: line by line first,
// so that a failure shows the lines that differ, then byte for byte.
namespace RoundFileBytes {

void compare(const QByteArray &written, const QByteArray &expected);

} // namespace RoundFileBytes
