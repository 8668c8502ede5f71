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
        bytes += file.bytes;
    return bytes / CsvLine::LineBytes;
}

HistoryRow unreadable(HistoryRow row, const QString &reason)
{
    row.state = HistoryRow::State::Unreadable;
    row.reason = reason;
    row.singles = 0;
    row.purchase = row.prize = row.balance = Money();
    row.winners.fill(0);
    return row;
}

void grade(HistoryRow &row, const std::vector<qint32> &singles, const ResultData &result)
{
    if (result.roundNumber <= 0) {
        row.state = HistoryRow::State::NoResult;
        return;
    }
    if (result.Cancelled) {
        row.state = HistoryRow::State::Refunded;
        row.prize = row.purchase;
        return;
    }
    row.state = HistoryRow::State::Graded;
    const GradeCounts counts = HistoryGrader::grade(singles, result);
    for (int g = 1; g <= row.grades; ++g) {
        row.winners[std::size_t(g - 1)] = counts[std::size_t(g - 1)];
        row.prize += result.prize[std::size_t(g)] * Money::fromWhole(counts[std::size_t(g - 1)]);
    }
    row.balance = row.prize - row.purchase;
}

HistoryRow rowOf(const HistoryFile &file, HistoryResults &results)
{
    HistoryRow row;
    row.roundNumber = file.roundNumber;
    row.group = file.group;
    row.fileName = file.fileName;
    row.path = file.path;
    row.grades = LotteryRules::getMaxGrade(file.roundNumber);
    try {
        const std::vector<qint32> singles
            = SinglesCsvFile().readSingles(file.path, [](qint64) { Ui::instance().processEvents(); });
        row.singles = qint64(singles.size());
        row.purchase = price(row.singles);
        grade(row, singles, results.of(file.roundNumber));
    } catch (const RuntimeError &error) {
        row = unreadable(std::move(row), reasonOf(error));
    } catch (const std::bad_alloc &) {
        row = unreadable(std::move(row), RuntimeError::fromNumber(RuntimeError::OutOfMemory).description());
    }
    return row;
}

} // namespace

QList<HistoryRow> build(const QList<HistoryFile> &files)
{
    BusyPointer busy;
    std::optional<ProgressScope> progress;
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
    order(rows);
    return rows;
}

void order(QList<HistoryRow> &rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const HistoryRow &a, const HistoryRow &b) {
        if (a.roundNumber != b.roundNumber)
            return a.roundNumber < b.roundNumber;
        return a.fileName.compare(b.fileName, Qt::CaseInsensitive) < 0;
    });
    Money running;
    for (HistoryRow &row : rows) {
        if (!row.inTotals())
            continue;
        running += row.balance;
        row.running = running;
    }
}

HistoryTotals totals(const QList<HistoryRow> &rows)
{
    HistoryTotals totals;
    for (const HistoryRow &row : rows) {
        if (!row.inTotals())
            continue;
        totals.singles += row.singles;
        totals.purchase += row.purchase;
        for (std::size_t g = 0; g < totals.winners.size(); ++g)
            totals.winners[g] += row.winners[g];
        totals.prize += row.prize;
        totals.balance += row.balance;
    }
    return totals;
}

int gradeColumns(const QList<HistoryRow> &rows)
{
    if (rows.isEmpty())
        return RoundData::GradeCount;
    return std::max_element(rows.begin(), rows.end(), [](const HistoryRow &a, const HistoryRow &b) {
               return a.grades < b.grades;
           })->grades;
}

QStringList headings(int gradeColumns)
{
    QStringList headings{QStringLiteral("開催回"), QStringLiteral("組"), QStringLiteral("ファイル"),
                         QStringLiteral("口数"), QStringLiteral("購入金額")};
    for (int g = 1; g <= gradeColumns; ++g)
        headings.append(QString::number(g) + u'等');
    headings << QStringLiteral("当せん金額") << QStringLiteral("収支") << QStringLiteral("累計収支")
             << QStringLiteral("備考");
    return headings;
}

QString note(const HistoryRow &row)
{
    switch (row.state) {
    case HistoryRow::State::Refunded: return QStringLiteral("払戻");
    case HistoryRow::State::NoResult: return QStringLiteral("結果なし");
    case HistoryRow::State::Unreadable: return row.reason;
    case HistoryRow::State::Graded: break;
    }
    return QString();
}

QString plainNumber(qint64 value)
{
    return QString::number(value);
}

QString groupedNumber(qint64 value)
{
    return Format::grouped(value) + u' ';
}

QStringList fields(const HistoryRow &row, int gradeColumns, NumberText number)
{
    const bool read = row.state != HistoryRow::State::Unreadable;
    QStringList fields{QString::number(row.roundNumber), row.group, row.fileName,
                       read ? number(row.singles) : QString(), read ? number(row.purchase.roundedWholeUnits()) : QString()};
    for (int g = 1; g <= gradeColumns; ++g)
        fields.append(row.state == HistoryRow::State::Graded && g <= row.grades
                          ? number(row.winners[std::size_t(g - 1)])
                          : QString());
    for (const Money amount : {row.prize, row.balance, row.running})
        fields.append(row.inTotals() ? number(amount.roundedWholeUnits()) : QString());
    fields.append(note(row));
    return fields;
}

QStringList totalFields(const HistoryTotals &totals, int gradeColumns, NumberText number)
{
    QStringList fields{QStringLiteral("合計"), QString(), QString(), number(totals.singles),
                       number(totals.purchase.roundedWholeUnits())};
    for (int g = 1; g <= gradeColumns; ++g)
        fields.append(number(totals.winners[std::size_t(g - 1)]));
    fields << number(totals.prize.roundedWholeUnits()) << number(totals.balance.roundedWholeUnits()) << QString()
           << QString();
    return fields;
}

Money price(qint64 singles)
{
    return Money::fromWhole(singles * LotteryRules::SinglePrice);
}

} // namespace HistoryReport
