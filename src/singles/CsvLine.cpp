#include "singles/CsvLine.h"

#include "support/Convert.h"
#include "support/TextCodec.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace CsvLine {

namespace {

constexpr int matches = SingleCode::MatchCount;
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

// A written line in two overlapping loads of 16 bytes: the head (bytes 0 to
// 15) "d,d,d,d,d,d,d,d," and the tail (bytes 13 to 28) ",d,d,d,d,d,d,d\r\n",
// each d a digit 0 to 2. Each byte less its lowest value must not exceed its
// spread; what is left of a digit is then its mark, of anything else 0.
using Bytes16 = quint8 __attribute__((vector_size(16)));
using Words8 = quint16 __attribute__((vector_size(16)));

constexpr Bytes16 headLowest{'0', ',', '0', ',', '0', ',', '0', ',', '0', ',', '0', ',', '0', ',', '0', ','};
constexpr Bytes16 headSpread{2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0};
constexpr Bytes16 tailLowest{',', '0', ',', '0', ',', '0', ',', '0', ',', '0', ',', '0', ',', '0', '\r', '\n'};
constexpr Bytes16 tailSpread{0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 2, 0, 0};
constexpr int tailStart = 13;

// Taken as 16-bit words, the head's marks of matches 1 to 8 are the first
// bytes of the words, the tail's marks of matches 8 to 14 the second ones.
constexpr bool littleEndian = std::endian::native == std::endian::little;
constexpr quint16 firstByteShift = littleEndian ? 0 : 8;
constexpr quint16 secondByteShift = littleEndian ? 8 : 0;
constexpr Words8 headWeights{1, 3, 9, 27, 81, 243, 729, 2187};   // 3^0 .. 3^7
constexpr Words8 tailWeights{0, 1, 3, 9, 27, 81, 243, 0};        // times 3^8; match 8 is the head's
constexpr qint32 tailScale = 6561;                                // 3^8

qint32 weighted(Words8 marks, Words8 weights)
{
    const Words8 products = marks * weights;
    qint32 sum = 0;
    for (int lane = 0; lane < 8; ++lane)
        sum += products[lane];
    return sum;
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
    Bytes16 head, tail;
    std::memcpy(&head, bytes, sizeof head);
    std::memcpy(&tail, bytes + tailStart, sizeof tail);
    const Bytes16 headMarks = head - headLowest;   // below the lowest wraps round to large
    const Bytes16 tailMarks = tail - tailLowest;
    const Bytes16 outside = Bytes16((headMarks > headSpread) | (tailMarks > tailSpread));
    quint64 halves[2];
    std::memcpy(halves, &outside, sizeof halves);
    if ((halves[0] | halves[1]) != 0)
        return false;
    const Words8 headWords = (Words8(headMarks) >> firstByteShift) & 0xFF;
    const Words8 tailWords = (Words8(tailMarks) >> secondByteShift) & 0xFF;
    code = weighted(headWords, headWeights) + tailScale * weighted(tailWords, tailWeights);
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
