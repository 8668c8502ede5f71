#pragma once

#include "history/HistoryFiles.h"
#include "history/HistoryRow.h"

#include <QList>
#include <QStringList>

// The 収支履歴 of a list of singles files: one row per file, in round order,
// then by file name, each graded against its round's result, with the
// running balance of the rows that have a result, and their totals.
namespace HistoryReport {

// Lists of more singles than this in all show the progress window.
inline constexpr qint64 ProgressThreshold = 10000;

// Reads and grades every file. Pending window events run every 1,001 lines.
QList<HistoryRow> build(const QList<HistoryFile> &files);

// Sorts the rows and sets their running balance.
void order(QList<HistoryRow> &rows);
HistoryTotals totals(const QList<HistoryRow> &rows);
// The most grades any row's round has; 6 without rows.
int gradeColumns(const QList<HistoryRow> &rows);
// The column headings of the table and its CSV file.
QStringList headings(int gradeColumns);
// What the last column says of a row: "払戻", "結果なし" or why the file
// did not read; empty for a graded row.
QString note(const HistoryRow &row);
// How a number is written in a cell: plain for the CSV file, grouped for the table.
using NumberText = QString (*)(qint64 value);
QString plainNumber(qint64 value);
// "#,##0 " as the confirmed prize table writes its amounts.
QString groupedNumber(qint64 value);
// The cells of a row and of the total line under the headings.
QStringList fields(const HistoryRow &row, int gradeColumns, NumberText number);
QStringList totalFields(const HistoryTotals &totals, int gradeColumns, NumberText number);
// The purchase of a number of singles.
Money price(qint64 singles);

} // namespace HistoryReport
