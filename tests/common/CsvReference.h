#pragma once

// What loading a singles file must give, worked out the plain way: the file
// split into lines, every line read field by field on its own. Header only,
// so that the fuzz targets use it as well as the tests.

#include "lottery/SingleCode.h"
#include "singles/CsvLine.h"
#include "support/RuntimeError.h"

#include <QByteArray>

#include <optional>
#include <string_view>
#include <vector>

namespace CsvReference {

// The line of 14 mark digits (match 1 first) as the program writes it.
inline QByteArray writtenLine(const char *digits)
{
    QByteArray line;
    for (int i = 0; i < SingleCode::MatchCount; ++i)
        line += QByteArray(1, digits[i]) + (i + 1 < SingleCode::MatchCount ? "," : "\r\n");
    return line;
}

// The lines of a file: ended by CR LF, LF or a lone CR, the last one perhaps
// without an end.
inline std::vector<std::string_view> linesOf(const QByteArray &bytes)
{
    std::vector<std::string_view> lines;
    const std::string_view text(bytes.constData(), std::size_t(bytes.size()));
    std::size_t begin = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(begin, i - begin));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        begin = i + 1;
    }
    if (begin < text.size())
        lines.push_back(text.substr(begin));
    return lines;
}

// The single of a line read field by field; nullopt when the line is no
// single. Throws the RuntimeError of a field that cannot be read.
inline std::optional<qint32> singleOf(std::string_view line)
{
    CsvLine::Marks marks{};
    if (!CsvLine::read(line, marks))
        return std::nullopt;
    qint32 code = 0;
    SingleCode().bytesToCode(marks, code);
    return code;
}

// The single of every line that is one, each line on its own; nothing when
// some line has a field that cannot be read.
inline std::optional<std::vector<qint32>> expectedSingles(const std::vector<std::string_view> &lines)
{
    std::vector<qint32> singles;
    try {
        for (const std::string_view line : lines)
            if (const std::optional<qint32> single = singleOf(line))
                singles.push_back(*single);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
    return singles;
}

} // namespace CsvReference
