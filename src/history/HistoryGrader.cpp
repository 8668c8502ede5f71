#include "history/HistoryGrader.h"

#include "evaluation/ResultGrader.h"
#include "evaluation/CheckPageController.h"

namespace HistoryGrader {

GradeCounts Grade(std::span<const qint32> singles, const ResultData &result)
{
    GameStateTable state{};
    clsTResult::MarkOfficialOutcomes(state, result, RoundData::MatchCount);
    return ResultGrader::GradeCodes(singles, ResultGrader::MakeHitTable(state));
}

} // namespace HistoryGrader
