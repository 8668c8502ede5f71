#include "history/HistoryGrader.h"

#include "evaluation/ResultGrader.h"
#include "evaluation/CheckPageController.h"

namespace HistoryGrader {

GradeCounts grade(std::span<const qint32> singles, const ResultData &result)
{
    GameStateTable state{};
    CheckPageController::markOfficialOutcomes(state, result, RoundData::MatchCount);
    return ResultGrader::gradeCodes(singles, ResultGrader::makeHitTable(state));
}

} // namespace HistoryGrader
