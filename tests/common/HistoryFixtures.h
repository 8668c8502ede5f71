#pragma once

#include "rounddata/RoundData.h"

#include <QString>
#include <QStringList>

class TestAppFolder;

// Small singles files and result files for the 収支履歴's tests.
namespace HistoryFixtures {

// The prize of grade g in every result made here: 10^(9 - g) yen.
Money prizeOf(int grade);
// A complete result of the round whose match i has the outcome of digit i
// of outcomes ("3" a cancelled match).
ResultData result(qint32 round, const QString &outcomes);
ResultData cancelledRound(qint32 round);
// Writes the round's result file.
void writeResult(const ResultData &result);
// The marks of outcomes with the first misses matches missed.
QString missing(const QString &outcomes, int misses);
// A singles file below the application folder: one line per single of 14 marks.
void writeSingles(const TestAppFolder &app, const QString &relative, const QStringList &marks);

} // namespace HistoryFixtures
