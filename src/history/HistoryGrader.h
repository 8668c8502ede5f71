#pragma once

#include "evaluation/EvaluationTables.h"
#include "rounddata/RoundData.h"

#include <span>

// Grades a list of singles against the official result of its round with
// every outcome revealed, through the check page's own grading: a cancelled
// match hits every mark. The user's assumptions play no part.
namespace HistoryGrader {

GradeCounts grade(std::span<const qint32> singles, const ResultData &result);

} // namespace HistoryGrader
