#include "singles/CsvLine.h"

#include "support/Convert.h"
#include "support/TextCodec.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace CsvLine {

namespace {

constexpr int matches = clsTNumber::MatchCount;
constexpr std::size_t plainLineBytes = std::size_t(LineBytes) - 2;   // without CR LF

// The line as the program writes it: one digit 0, 1 or 2 per field.
bool readPlain(std::string_view line, Marks &marks)
{
    if (line.size() != plainLineBytes)
        return false;
    for (int i = 0; i < matches; ++i) {
        const char digit = line[std::size_t(2 * i)];
        if (digit < '0' || digit > '2' || (i + 1 < matches && line[std::size_t(2 * i + 1)] != ','))
            return false;
        marks[std::size_t(i)] = quint8(digit - '0');
    }
    return true;
}

// Four fields "d,d,d,d," of a written line as 16-bit lanes: the digit in
// the low byte, the comma in the high byte of each lane.
constexpr quint64 commaBytes = 0xFF00FF00FF00FF00ULL;
constexpr quint64 commas = 0x2C002C002C002C00ULL;
constexpr quint64 digitBytes = 0x00FF00FF00FF00FFULL;
constexpr quint64 zeros = 0x0030003000300030ULL;
constexpr quint64 laneOnes = 0x0001000100010001ULL;
// Multiplying by this gathers lane i times 3^i into the top lane.
constexpr quint64 powersToTop = 27ULL | 9ULL << 16 | 3ULL << 32 | 1ULL << 48;

// The code of the four marks, or -1 when they are not "d," with d 0 to 2.
inline qint32 fourMarks(const char *bytes)
{
    quint64 word;
    std::memcpy(&word, bytes, 8);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap64(word);
    const quint64 marks = (word & digitBytes) ^ zeros;
    const bool valid = (word & commaBytes) == commas && (marks & (digitBytes & ~(laneOnes * 3))) == 0
                       && ((marks + laneOnes) & (laneOnes * 4)) == 0;
    return valid ? qint32((marks * powersToTop) >> 48) : -1;
}

// The text of the seven marks of a half code (matches 1 to 7 or 8 to 14):
// "d,d,d,d,d,d,d," for the first half, "d,d,d,d,d,d,d\r\n" for the second,
// so that a line is the two texts one after the other.
constexpr int halfMatches = 7;
constexpr quint32 halfCount = 2187;   // 3^7

template<bool second>
constexpr auto halfLines = [] {
    std::array<std::array<char, 16>, halfCount> lines{};
    for (quint32 code = 0; code < halfCount; ++code) {
        quint32 rest = code;
        char *out = lines[code].data();
        for (int i = 0; i < halfMatches; ++i, rest /= 3) {
            *out++ = char('0' + rest % 3);
            *out++ = second && i + 1 == halfMatches ? '\r' : ',';
        }
        if (second)
            *out = '\n';
    }
    return lines;
}();

inline int markOf(char digit)
{
    return digit >= '0' && digit <= '2' ? digit - '0' : -1;
}

// Any other line: each field converted as a number, as the program converts
// a byte ("01", " 2", "1.0" are marks too).
bool readFields(std::string_view line, Marks &marks)
{
    if (std::count(line.begin(), line.end(), ',') != matches - 1)
        return false;
    std::size_t begin = 0;
    for (int i = 0; i < matches; ++i) {
        const std::size_t comma = std::min(line.find(',', begin), line.size());
        const QByteArray field(line.data() + begin, qsizetype(comma - begin));
        marks[std::size_t(i)] = Convert::toByte(TextCodec::decodeSjis(field));
        begin = comma + 1;
    }
    return std::all_of(marks.begin(), marks.end(), [](quint8 mark) { return mark <= 2; });
}

} // namespace

bool readWritten(const char *bytes, qint32 &code)
{
    const qint32 low = fourMarks(bytes), middle = fourMarks(bytes + 8), high = fourMarks(bytes + 16);
    const int mark13 = markOf(bytes[24]), mark14 = markOf(bytes[26]);
    if ((low | middle | high | mark13 | mark14) < 0 || bytes[25] != ',' || bytes[27] != '\r' || bytes[28] != '\n')
        return false;
    code = low + 81 * middle + 6561 * high + 531441 * (mark13 + 3 * mark14);
    return true;
}

char *write(char *out, qint32 code)
{
    const quint32 high = quint32(code) / halfCount;
    const quint32 low = quint32(code) - high * halfCount;
    std::memcpy(out, halfLines<false>[low].data(), 16);
    std::memcpy(out + 2 * halfMatches, halfLines<true>[high].data(), 16);
    return out + LineBytes;
}

bool read(std::string_view line, Marks &marks)
{
    return readPlain(line, marks) || readFields(line, marks);
}

} // namespace CsvLine
