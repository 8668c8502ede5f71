#include "history/HistoryGrader.h"

#include "evaluation/clsTResult.h"

GradeCounts HistoryGrader::Grade(std::span<const qint32> singles, const ResultData &result)
{
    GameStateTable state{};
    clsTResult::MarkOfficialOutcomes(state, result, RoundData::MatchCount);
    const qint32 count = qint32(singles.size());
    m_grader.resize(count);
    m_grader.decode(singles, 0, count);
    const GradeCounts counts = m_grader.grade(ResultGrader::MakeHitTable(state));
    m_grader.clear();
    return counts;
}
