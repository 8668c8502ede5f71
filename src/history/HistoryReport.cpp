#include "history/HistoryReport.h"

#include "history/HistoryGrader.h"
#include "history/HistoryResults.h"
#include "lottery/LotteryRules.h"
#include "singles/CsvLine.h"
#include "singles/SinglesCsvFile.h"
#include "support/Format.h"
#include "support/RuntimeError.h"
#include "support/Ui.h"
#include "support/ProgressScope.h"

#include <algorithm>
#include <new>
#include <optional>

namespace HistoryReport {

namespace {

// One short reason for a file that does not read; the program's words for
// the run-time error, except that a file that cannot be opened is not one
// that cannot be written.
QString reasonOf(const RuntimeError &error)
{
    if (error.number() == RuntimeError::PermissionDenied || error.number() == RuntimeError::PathFileAccess)
        return QStringLiteral("ファイルを開けません。");
    return error.description();
}

// The singles the files hold, as far as their sizes tell.
qint64 likelySingles(const QList<HistoryFile> &files)
{
    qint64 bytes = 0;
    for (const HistoryFile &file : files)
        bytes += file.Bytes;
    return bytes / CsvLine::LineBytes;
}

HistoryRow unreadable(HistoryRow row, const QString &reason)
{
    row.state = HistoryRow::State::Unreadable;
    row.Reason = reason;
    row.Singles = 0;
    row.Purchase = row.Prize = row.Balance = Money();
    row.Winners.fill(0);
    return row;
}

void grade(HistoryRow &row, const std::vector<qint32> &singles, const ResultData &result)
{
    if (result.Kaisaikai <= 0) {
        row.state = HistoryRow::State::NoResult;
        return;
    }
    if (result.Cancelled) {
        row.state = HistoryRow::State::Refunded;
        row.Prize = row.Purchase;
        return;
    }
    row.state = HistoryRow::State::Graded;
    const GradeCounts counts = HistoryGrader::Grade(singles, result);
    for (int g = 1; g <= row.Grades; ++g) {
        row.Winners[std::size_t(g - 1)] = counts[std::size_t(g - 1)];
        row.Prize += result.Prize[std::size_t(g)] * Money::fromWhole(counts[std::size_t(g - 1)]);
    }
    row.Balance = row.Prize - row.Purchase;
}

HistoryRow rowOf(const HistoryFile &file, HistoryResults &results)
{
    HistoryRow row;
    row.Kaisaikai = file.Kaisaikai;
    row.Kumi = file.Kumi;
    row.FileName = file.FileName;
    row.Path = file.Path;
    row.Grades = clsToto::GetMaxGrade(file.Kaisaikai);
    try {
        const std::vector<qint32> singles
            = clsTFileCSV().ReadSingles(file.Path, [](qint64) { Ui::instance().processEvents(); });
        row.Singles = qint64(singles.size());
        row.Purchase = Price(row.Singles);
        grade(row, singles, results.Of(file.Kaisaikai));
    } catch (const RuntimeError &error) {
        row = unreadable(std::move(row), reasonOf(error));
    } catch (const std::bad_alloc &) {
        row = unreadable(std::move(row), RuntimeError::fromNumber(RuntimeError::OutOfMemory).description());
    }
    return row;
}

} // namespace

QList<HistoryRow> Build(const QList<HistoryFile> &files)
{
    BusyPointer busy;
    std::optional<clsWaitDialog> progress;
    if (likelySingles(files) > ProgressThreshold)
        progress.emplace(QStringLiteral("収支履歴の集計中"), qint32(files.size()));
    HistoryResults results;
    QList<HistoryRow> rows;
    for (const HistoryFile &file : files) {
        rows.append(rowOf(file, results));
        if (progress)
            progress->setValue(qint32(rows.size()));
        Ui::instance().processEvents();
    }
    Order(rows);
    return rows;
}

void Order(QList<HistoryRow> &rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const HistoryRow &a, const HistoryRow &b) {
        if (a.Kaisaikai != b.Kaisaikai)
            return a.Kaisaikai < b.Kaisaikai;
        return a.FileName.compare(b.FileName, Qt::CaseInsensitive) < 0;
    });
    Money running;
    for (HistoryRow &row : rows) {
        if (!row.inTotals())
            continue;
        running += row.Balance;
        row.Running = running;
    }
}

HistoryTotals Totals(const QList<HistoryRow> &rows)
{
    HistoryTotals totals;
    for (const HistoryRow &row : rows) {
        if (!row.inTotals())
            continue;
        totals.Singles += row.Singles;
        totals.Purchase += row.Purchase;
        for (std::size_t g = 0; g < totals.Winners.size(); ++g)
            totals.Winners[g] += row.Winners[g];
        totals.Prize += row.Prize;
        totals.Balance += row.Balance;
    }
    return totals;
}

int GradeColumns(const QList<HistoryRow> &rows)
{
    if (rows.isEmpty())
        return RoundData::GradeCount;
    return std::max_element(rows.begin(), rows.end(), [](const HistoryRow &a, const HistoryRow &b) {
               return a.Grades < b.Grades;
           })->Grades;
}

QStringList Headings(int gradeColumns)
{
    QStringList headings{QStringLiteral("開催回"), QStringLiteral("組"), QStringLiteral("ファイル"),
                         QStringLiteral("口数"), QStringLiteral("購入金額")};
    for (int g = 1; g <= gradeColumns; ++g)
        headings.append(QString::number(g) + u'等');
    headings << QStringLiteral("当せん金額") << QStringLiteral("収支") << QStringLiteral("累計収支")
             << QStringLiteral("備考");
    return headings;
}

QString Note(const HistoryRow &row)
{
    switch (row.state) {
    case HistoryRow::State::Refunded: return QStringLiteral("払戻");
    case HistoryRow::State::NoResult: return QStringLiteral("結果なし");
    case HistoryRow::State::Unreadable: return row.Reason;
    case HistoryRow::State::Graded: break;
    }
    return QString();
}

QString PlainNumber(qint64 value)
{
    return QString::number(value);
}

QString GroupedNumber(qint64 value)
{
    return Format::grouped(value) + u' ';
}

QStringList Fields(const HistoryRow &row, int gradeColumns, NumberText number)
{
    const bool read = row.state != HistoryRow::State::Unreadable;
    QStringList fields{QString::number(row.Kaisaikai), row.Kumi, row.FileName,
                       read ? number(row.Singles) : QString(), read ? number(row.Purchase.roundedWholeUnits()) : QString()};
    for (int g = 1; g <= gradeColumns; ++g)
        fields.append(row.state == HistoryRow::State::Graded && g <= row.Grades
                          ? number(row.Winners[std::size_t(g - 1)])
                          : QString());
    for (const Money amount : {row.Prize, row.Balance, row.Running})
        fields.append(row.inTotals() ? number(amount.roundedWholeUnits()) : QString());
    fields.append(Note(row));
    return fields;
}

QStringList TotalFields(const HistoryTotals &totals, int gradeColumns, NumberText number)
{
    QStringList fields{QStringLiteral("合計"), QString(), QString(), number(totals.Singles),
                       number(totals.Purchase.roundedWholeUnits())};
    for (int g = 1; g <= gradeColumns; ++g)
        fields.append(number(totals.Winners[std::size_t(g - 1)]));
    fields << number(totals.Prize.roundedWholeUnits()) << number(totals.Balance.roundedWholeUnits()) << QString()
           << QString();
    return fields;
}

Money Price(qint64 singles)
{
    return Money::fromWhole(singles * clsToto::SinglePrice);
}

} // namespace HistoryReport
