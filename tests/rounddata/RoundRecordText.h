#pragma once

#include "rounddata/RoundData.h"

#include <QStringList>

// The records as "field=value" lines, so that a failing comparison names the
// fields that differ. Dates appear in the round files' written form.
namespace RoundRecordText {

QStringList describe(const ScheduleData &schedule);
QStringList describe(const VoteData &vote);
QStringList describe(const ResultData &result);

// A date and time from "yyyy/mm/dd", "H:mm" or "yyyy/mm/dd H:mm".
OleDate at(const QString &text);

} // namespace RoundRecordText
