#pragma once

#include "history/HistoryRow.h"

#include <QList>
#include <QString>

// The 収支履歴 as a CSV file for a spreadsheet: the headings, one line per
// row and the total line, figures without grouping, windows-31j with CR LF.
namespace HistoryCsv {

QString Text(const QList<HistoryRow> &rows);
// Replaces the file at once; false after the failure was reported.
bool save(const QString &path, const QList<HistoryRow> &rows);

} // namespace HistoryCsv
