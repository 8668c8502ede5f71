#include "support/TextLineReader.h"

#include "support/FileError.h"

#include <algorithm>
#include <cstring>

namespace {

// The least buffer of a file smaller than a chunk.
constexpr qint64 smallFileRoom = qint64(1) << 16;

// Sixteen bytes at a time in the vector registers every target has.
using Bytes16 = char __attribute__((vector_size(16)));

// Line ends of the file so far: every LF, every CR, and every CR directly
// followed by an LF (counted once, as one line end).
class LineEndCount
{
public:
    void add(const char *bytes, qsizetype size)
    {
        if (size == 0)
            return;
        m_crlf += m_last == '\r' && bytes[0] == '\n';
        qsizetype i = addBlocks(bytes, size);
        for (; i < size; ++i) {
            m_lf += bytes[i] == '\n';
            m_cr += bytes[i] == '\r';
            m_crlf += i + 1 < size && bytes[i] == '\r' && bytes[i + 1] == '\n';
        }
        m_last = bytes[size - 1];
        m_empty = false;
    }

    qint64 lines() const
    {
        const bool unended = !m_empty && m_last != '\n' && m_last != '\r';
        return m_lf + m_cr - m_crlf + (unended ? 1 : 0);
    }

private:
    // Counts whole blocks of 16 bytes (and the pairs that start in them)
    // while a byte follows the block; returns where the blocks end. Each
    // byte lane counts to at most 255 before it is added up.
    qsizetype addBlocks(const char *bytes, qsizetype size)
    {
        qsizetype i = 0;
        while (i + 17 <= size) {
            Bytes16 lf{}, cr{}, crlf{};
            for (int run = 0; run < 255 && i + 17 <= size; ++run, i += 16) {
                Bytes16 here, next;
                std::memcpy(&here, bytes + i, 16);
                std::memcpy(&next, bytes + i + 1, 16);
                const Bytes16 isCr = here == '\r';
                const Bytes16 isLf = here == '\n';
                lf -= isLf;
                cr -= isCr;
                crlf -= isCr & (next == '\n');
            }
            m_lf += laneSum(lf);
            m_cr += laneSum(cr);
            m_crlf += laneSum(crlf);
        }
        return i;
    }

    static qint64 laneSum(Bytes16 counts)
    {
        qint64 sum = 0;
        for (int lane = 0; lane < 16; ++lane)
            sum += quint8(counts[lane]);
        return sum;
    }

    qint64 m_lf = 0;
    qint64 m_cr = 0;
    qint64 m_crlf = 0;
    char m_last = 0;
    bool m_empty = true;
};

} // namespace

TextLineReader::TextLineReader(const QString &nativePath, qsizetype chunkBytes)
    : m_file(nativePath)
{
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw fileErrorOf(m_file.error());
    // A small file needs no buffer of a whole chunk: one a little larger
    // than the file holds any line of it, with room to spare should the
    // file grow while it is read.
    const qint64 room = m_file.isSequential() ? chunkBytes : std::max(m_file.size() + 1, smallFileRoom);
    m_buffer.resize(std::size_t(std::min<qint64>(room, chunkBytes)));
}

qint64 TextLineReader::countLines()
{
    rewind();
    LineEndCount count;
    while (fill() > 0) {
        count.add(m_buffer.data(), m_end);
        m_begin = m_end;
    }
    rewind();
    return count.lines();
}

void TextLineReader::rewind()
{
    if (!m_file.seek(0))
        throw fileErrorOf(m_file.error());
    m_begin = m_end = 0;
    m_atEnd = false;
    m_skipLf = false;
}

qint64 TextLineReader::fill()
{
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, std::size_t(m_end - m_begin));
        m_end -= m_begin;
        m_begin = 0;
    }
    const qint64 got = m_file.read(m_buffer.data() + m_end, qint64(m_buffer.size()) - m_end);
    if (got < 0)
        throw fileErrorOf(m_file.error());
    m_atEnd = got == 0;
    m_end += got;
    return got;
}

const char *TextLineReader::findLineEnd(qsizetype from) const
{
    const char *begin = m_buffer.data() + from;
    const std::size_t size = std::size_t(m_end - from);
    const auto *lf = static_cast<const char *>(std::memchr(begin, '\n', size));
    const std::size_t beforeLf = lf ? std::size_t(lf - begin) : size;
    const auto *cr = static_cast<const char *>(std::memchr(begin, '\r', beforeLf));
    return cr ? cr : lf;
}

void TextLineReader::finishLine(qsizetype end)
{
    m_begin = end + 1;
    if (m_buffer[std::size_t(end)] != '\r')
        return;
    if (m_begin < m_end)
        m_begin += m_buffer[std::size_t(m_begin)] == '\n' ? 1 : 0;
    else
        m_skipLf = true;
}

void TextLineReader::settleSplitPair()
{
    if (m_skipLf && m_begin < m_end) {
        m_begin += m_buffer[std::size_t(m_begin)] == '\n' ? 1 : 0;
        m_skipLf = false;
    }
}

std::string_view TextLineReader::held(qsizetype want)
{
    // More than the buffer holds cannot be held; asking for it must not read
    // as the end of the file.
    want = std::min(want, qsizetype(m_buffer.size()));
    settleSplitPair();
    while ((m_end - m_begin < want || m_skipLf) && !m_atEnd) {
        fill();
        settleSplitPair();
    }
    return {m_buffer.data() + m_begin, std::size_t(m_end - m_begin)};
}

bool TextLineReader::nextLine(std::string_view &line, bool &overlong)
{
    overlong = false;
    qsizetype searched = m_begin;   // the bytes before this hold no line end
    for (;;) {
        if (m_skipLf && m_begin < m_end) {
            settleSplitPair();
            searched = m_begin;
        }
        if (const char *end = findLineEnd(searched)) {
            const qsizetype at = end - m_buffer.data();
            line = overlong ? std::string_view() : std::string_view(m_buffer.data() + m_begin, std::size_t(at - m_begin));
            finishLine(at);
            return true;
        }
        if (m_atEnd) {
            if (m_begin == m_end && !overlong)
                return false;
            line = overlong ? std::string_view() : std::string_view(m_buffer.data() + m_begin, std::size_t(m_end - m_begin));
            m_begin = m_end;
            return true;
        }
        if (m_begin == 0 && m_end == qsizetype(m_buffer.size())) {
            overlong = true;   // drop what is held of it and read on to its end
            m_begin = m_end;
        }
        searched = m_end - m_begin;
        fill();
    }
}
