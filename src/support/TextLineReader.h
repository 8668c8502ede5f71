#pragma once

#include <QFile>
#include <QString>

#include <string_view>
#include <vector>

// Reads a file of text lines a piece at a time, so that a file of any size
// passes through one buffer of a fixed size. A line ends at CR LF, at LF or
// at a lone CR, as the platform's line input reads them; the last line need
// not end. Lines come as bytes without their line end. Every failure throws
// the RuntimeError it stands for.
class TextLineReader
{
public:
    static constexpr qsizetype DefaultChunkBytes = qsizetype(1) << 20;

    // Opens the file at a native path.
    explicit TextLineReader(const QString &nativePath, qsizetype chunkBytes = DefaultChunkBytes);

    // The number of lines of the whole file; reading starts again from the
    // beginning afterwards.
    qint64 countLines();
    // The next line, valid until the next call; false after the last line.
    // A line longer than a chunk cannot be held: it comes back empty, with
    // overlong set.
    bool nextLine(std::string_view &line, bool &overlong);

    // The bytes held from the current position on, at least want of them
    // (at most a buffer's worth) unless the file ends first: for callers that
    // take lines of a known length in place. skip() passes over bytes of it.
    std::string_view held(qsizetype want);
    void skip(qsizetype bytes) { m_begin += bytes; }

private:
    void rewind();
    // Passes over the LF of a CR LF pair split between two reads.
    void settleSplitPair();
    // Moves what is unread to the front and reads on behind it.
    qint64 fill();
    const char *findLineEnd(qsizetype from) const;
    // Ends the line at end (a CR or LF at that position).
    void finishLine(qsizetype end);

    QFile m_file;
    std::vector<char> m_buffer;
    qsizetype m_begin = 0;     // first unread byte
    qsizetype m_end = 0;       // end of the bytes held
    bool m_atEnd = false;      // the file has nothing more
    bool m_skipLf = false;     // the last line ended at a CR that was the last byte held
};
