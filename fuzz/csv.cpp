#include "common/CsvReference.h"
#include "common/FuzzHarness.h"
#include "common/RecordingUi.h"
#include "lottery/SingleCode.h"
#include "singles/SinglesCsvFile.h"
#include "support/TextLineReader.h"

#include <optional>
#include <string_view>
#include <vector>

namespace {

const QString inputName = QStringLiteral("UserData/input.csv");
const QString savedName = QStringLiteral("UserData/saved.csv");

// The file as the program writes the list: 14 digits with "," between, CR LF.
QByteArray writtenFile(const std::vector<qint32> &singles)
{
    QByteArray bytes;
    SingleCode number;
    std::array<quint8, SingleCode::MatchCount> marks{};
    for (const qint32 code : singles) {
        number.codeToBytes(code, marks);
        for (int match = 0; match < SingleCode::MatchCount; ++match) {
            bytes += char('0' + marks[std::size_t(match)]);
            bytes += match + 1 < SingleCode::MatchCount ? "," : "\r\n";
        }
    }
    return bytes;
}

// The line reader with a small buffer gives the same lines; a line as long
// as the buffer comes back empty and marked overlong.
void checkLineReader(const std::vector<std::string_view> &expected, qsizetype chunkBytes)
{
    TextLineReader reader(Fuzz::app().filePath(inputName), chunkBytes);
    FUZZ_CHECK(reader.countLines() == qint64(expected.size()));
    std::string_view line;
    bool overlong = false;
    for (const std::string_view want : expected) {
        FUZZ_CHECK(reader.nextLine(line, overlong));
        FUZZ_CHECK(overlong == (qsizetype(want.size()) >= chunkBytes));
        FUZZ_CHECK(overlong ? line.empty() : line == want);
    }
    FUZZ_CHECK(!reader.nextLine(line, overlong));
}

} // namespace

// The singles CSV reader on any bytes: its list is the one the file's lines
// give; a failed load leaves the caller's list alone; the list saves and
// loads again as itself.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RecordingUi ui;
    const QByteArray input = Fuzz::bytes(data, size);
    Fuzz::app().writeFile(inputName, input);
    const std::vector<std::string_view> lines = CsvReference::linesOf(input);
    checkLineReader(lines, qsizetype(8 + size % 57));

    const std::optional<std::vector<qint32>> expected = CsvReference::expectedSingles(lines);
    SinglesCsvFile csv;
    const std::vector<qint32> held{1, 2, 3};
    std::vector<qint32> singles = held;
    qint32 count = 7;
    if (!csv.csvLoad(Fuzz::app().filePath(inputName), count, singles)) {
        FUZZ_CHECK(!expected && count == 7 && singles == held && !ui.boxes().isEmpty());
        return 0;
    }
    FUZZ_CHECK(expected && singles == *expected && count == qint32(singles.size()));

    FUZZ_CHECK(csv.csvSave(Fuzz::app().filePath(savedName), singles));
    FUZZ_CHECK(Fuzz::app().readFile(savedName) == writtenFile(singles));
    std::vector<qint32> again;
    FUZZ_CHECK(csv.csvLoad(Fuzz::app().filePath(savedName), count, again) && again == singles);
    return 0;
}
