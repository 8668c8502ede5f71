#include "singles/SinglesCsvFile.h"

#include "singles/CsvLine.h"
#include "support/AtomicFileWriter.h"
#include "support/Convert.h"
#include "support/Format.h"
#include "support/RuntimeError.h"
#include "support/TextLineReader.h"
#include "support/Ui.h"
#include "support/ProgressScope.h"
#include "support/PathRules.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

// Lines written at once: at most a chunk, at least a small one.
constexpr qsizetype writeChunkBytes = qsizetype(1) << 20;
constexpr qsizetype minChunkBytes = qsizetype(1) << 16;

qint32 clampedToLong(qint64 value)
{
    return qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

// Every ProgressStep lines: the bar at value, and pending events run.
void stepProgress(ProgressScope &progress, qint64 lines, qint64 value)
{
    if (lines % SinglesCsvFile::ProgressStep != 0)
        return;
    progress.setValue(clampedToLong(value));
    Ui::instance().processEvents();
}

// A list holds no more singles than the file has room for: every accepted
// line takes 27 bytes and a line end, the last one perhaps without.
qint64 mostSingles(qint64 lines, const QString &nativePath)
{
    const qint64 room = (QFileInfo(nativePath).size() + 1) / (CsvLine::LineBytes - 1);
    return std::min(lines, room);
}

} // namespace

bool SinglesCsvFile::csvSave(const QString &fileName, std::span<const qint32> singles)
{
    BusyPointer busy;
    const QString full = PathRules::getFullPath(fileName);
    return m_err.guard(QStringLiteral("CsvSave_Sub"), false, [&] {
        if (!PathRules::folderCheck(PathRules::getParentFolderName(full)))
            throw RuntimeError::fromNumber(RuntimeError::PathNotFound);
        csvSaveLines(full, singles);
        return true;
    });
}

void SinglesCsvFile::csvSaveLines(const QString &fullPath, std::span<const qint32> singles)
{
    ProgressScope progress(QStringLiteral("CSVファイルに保存中"), clampedToLong(qint64(singles.size()) - 1));
    AtomicFileWriter file(PathRules::toNativePath(fullPath));
    // A short list needs no chunk of a megabyte.
    const qsizetype chunkBytes
        = std::min(writeChunkBytes, std::max(minChunkBytes, qsizetype(singles.size()) * CsvLine::LineBytes + CsvLine::WriteRoom));
    std::vector<char> chunk(static_cast<std::size_t>(chunkBytes));
    char *const begin = chunk.data();
    char *out = begin;
    for (std::size_t i = 0; i < singles.size(); ++i) {
        // A code outside the list's range has no line: the file is not written.
        if (singles[i] < 0 || singles[i] > SingleCode::MaxCode)
            throw RuntimeError::fromNumber(RuntimeError::InvalidCall);
        out = CsvLine::write(out, singles[i]);
        if (out - begin > chunkBytes - CsvLine::WriteRoom) {
            file.write(begin, out - begin);
            out = begin;
        }
        stepProgress(progress, qint64(i) + 1, qint64(i));
    }
    file.write(begin, out - begin);
    progress.setValue(progress.max());
    file.commit();
}

bool SinglesCsvFile::csvLoad(const QString &fileName, qint32 &singleCount, std::vector<qint32> &singles)
{
    BusyPointer busy;
    const QString full = PathRules::getFullPath(fileName);
    return m_err.guard(QStringLiteral("CsvLoad_Sub"), false, [&] {
        std::vector<qint32> loaded = csvLoadLines(full);
        singleCount = qint32(loaded.size());
        singles.swap(loaded);
        return true;
    });
}

std::vector<qint32> SinglesCsvFile::csvLoadLines(const QString &fullPath) const
{
    ProgressScope progress(QStringLiteral("CSVデータ数の取得中"), 1);
    bool counted = false;
    std::vector<qint32> singles = readSingles(
        fullPath,
        [&](qint64 lines) {
            counted = true;
            progress.setMax(clampedToLong(lines));
            progress.setMessage(QStringLiteral("CSVファイルの読込中"));
        },
        [&](qint64 read) { stepProgress(progress, read, read); });
    if (counted)
        progress.setValue(progress.max());
    return singles;
}

std::vector<qint32> SinglesCsvFile::readSingles(const QString &fileName, const LineStep &step) const
{
    return readSingles(PathRules::getFullPath(fileName), {}, step);
}

std::vector<qint32> SinglesCsvFile::readSingles(const QString &fullPath, const LineStep &counted,
                                             const LineStep &step) const
{
    const QString native = PathRules::toNativePath(fullPath);
    if (!QFileInfo(native).isFile())
        throw RuntimeError::fromNumber(RuntimeError::FileNotFound);
    TextLineReader reader(native);
    std::vector<qint32> singles;
    // The lines are counted first only for a progress bar that shows them;
    // otherwise the file's size bounds the list.
    if (counted) {
        const qint64 lines = reader.countLines();
        if (lines == 0)
            return singles;
        counted(lines);
        singles.reserve(std::size_t(mostSingles(lines, native)));
    } else {
        singles.reserve(std::size_t(mostSingles(std::numeric_limits<qint64>::max(), native)));
    }
    qint64 read = 0;
    for (;;) {
        // Lines as the program writes them are taken a run at a time, a run
        // ending at the next progress step; any other line on its own.
        qint64 taken = readWrittenLines(reader, singles, ProgressStep - read % ProgressStep);
        if (taken == 0) {
            if (!readLine(reader, singles))
                break;
            taken = 1;
        }
        read += taken;
        if (step && read % ProgressStep == 0)
            step(read);
    }
    return singles;
}

qint64 SinglesCsvFile::readWrittenLines(TextLineReader &reader, std::vector<qint32> &singles, qint64 most)
{
    const std::string_view held = reader.held(CsvLine::LineBytes * most);
    const qint64 whole = std::min<qint64>(most, qint64(held.size()) / CsvLine::LineBytes);
    qint64 taken = 0;
    qint32 code = 0;
    while (taken < whole && CsvLine::readWritten(held.data() + taken * CsvLine::LineBytes, code)) {
        singles.push_back(code);
        ++taken;
    }
    reader.skip(CsvLine::LineBytes * taken);
    return taken;
}

bool SinglesCsvFile::readLine(TextLineReader &reader, std::vector<qint32> &singles) const
{
    qint32 code = 0;
    std::string_view line;
    bool overlong = false;
    if (!reader.nextLine(line, overlong))
        return false;
    CsvLine::Marks marks{};
    if (!overlong && CsvLine::read(line, marks)) {
        m_number.bytesToCode(marks, code);
        singles.push_back(code);
    }
    return true;
}

QString SinglesCsvFile::getCsvFileName(qint32 roundNumber, const QString &group)
{
    return QStringLiteral("A-") + Format::zeroPadded(roundNumber, 3) + group + QStringLiteral(".csv");
}

qint32 SinglesCsvFile::readRoundNumber(const QString &fileName)
{
    return roundNumberDigits(fileName);
}

qint32 SinglesCsvFile::roundNumberDigits(const QString &fileName)
{
    const QString name = PathRules::getFileName(fileName);
    qint32 round = 0;
    if (name.startsWith(QStringLiteral("A-"), Qt::CaseInsensitive))
        round = getNumberAt(name, 3);
    if (round == 0) {
        const bool marked = name.startsWith(u'X', Qt::CaseInsensitive);
        round = getNumberAt(name, marked ? 2 : 1);
    }
    return round;
}

QString SinglesCsvFile::groupOfFileName(const QString &fileName)
{
    static const QRegularExpression conventionName(QStringLiteral("^A-[0-9]{3,}([AB])\\.csv$"),
                                                   QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = conventionName.match(PathRules::getFileName(fileName));
    return match.hasMatch() ? match.captured(1).toUpper() : QString();
}

qint32 SinglesCsvFile::getNumberAt(const QString &text, qsizetype start)
{
    if (start < 1)
        return 0;
    qsizetype end = start + 1;   // positions count from 1
    while (end <= text.size() && text[end - 1] >= u'0' && text[end - 1] <= u'9')
        ++end;
    if (end > text.size())
        return 0;
    try {
        return Convert::toLong(text.mid(start - 1, end - start));
    } catch (const RuntimeError &) {
        return 0;
    }
}
