#pragma once

#include "lottery/SingleCode.h"

#include <array>
#include <string_view>

// One line of a singles CSV file: the 14 mark codes of matches 1 to 14 as
// digits separated by ",", ended by CR LF.
namespace CsvLine {

using Marks = std::array<quint8, SingleCode::MatchCount>;

// The bytes of one written line, its CR LF included.
inline constexpr qsizetype LineBytes = 2 * SingleCode::MatchCount + 1;

// Room a written line needs at out: a little more than the line itself.
inline constexpr qsizetype WriteRoom = 32;

// Writes the line of a code (0 to 4,782,968) at out; returns its end.
char *write(char *out, qint32 code);

// The code of a line exactly as the program writes it, CR LF included, at
// the start of at least LineBytes bytes; false for anything else (which
// read() then takes field by field).
bool readWritten(const char *bytes, qint32 &code);

// Reads the marks of a line without its line end. False when the line is no
// single: it does not split into exactly 14 fields at ",", or a field is a
// number other than 0, 1 or 2. Throws the RuntimeError of a field that is
// not a number or does not fit a byte.
bool read(std::string_view line, Marks &marks);

} // namespace CsvLine
