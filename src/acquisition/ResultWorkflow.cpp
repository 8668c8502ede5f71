#include "acquisition/ResultWorkflow.h"

#include "lottery/LotteryRules.h"
#include "support/PathRules.h"

namespace {

constexpr int maxGoals = 30;

} // namespace

ResultWorkflow::ResultWorkflow()
    : RoundWorkflow(QStringLiteral("clsResult"), QStringLiteral("くじ結果"))
{
}

bool ResultWorkflow::getResult(qint32 roundNumber, const QString &group, int downloadType, bool askBeforeDownload)
{
    if (!checkInitialized(QStringLiteral("GetResult")))
        return false;
    return m_err.guard(QStringLiteral("GetResult"), false, [&] {
        fetch(roundNumber, downloadType, askBeforeDownload, m_result,
              [&](ResultData &result) { return loadRoundFile(m_xml, roundNumber, group, result, &ResultFile::result); },
              [&](ResultData &result) { return download(roundNumber, group, result); });
        return isResultValid(m_result);
    });
}

bool ResultWorkflow::download(qint32 roundNumber, const QString &group, ResultData &result)
{
    const bool parsed = m_html.getResult(roundNumber, group);
    m_unpublished = m_html.Unpublished();
    if (!parsed)
        return false;
    result = m_html.result();
    if (isResultValid(result))
        keepAsNewRoundFile(m_xml, result, &ResultFile::setResult, m_html);
    return true;
}

ResultData ResultWorkflow::result() const
{
    return checkInitialized(QStringLiteral("Result")) ? m_result : ResultData();
}

bool ResultWorkflow::checkResultFile(qint32 roundNumber, const QString &group) const
{
    return PathRules::fileExists(m_xml.getFileName(roundNumber, group));
}

bool ResultWorkflow::isResultValid(const ResultData &result)
{
    if (result.roundNumber < 1)
        return false;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ResultGame &game = result.game[match];
        if (game.home.isEmpty() || game.away.isEmpty() || game.homeScore > maxGoals
            || game.awayScore > maxGoals || game.Outcome > ResultGame::OutcomeCancelled)
            return false;
    }
    if (result.Cancelled)
        return true;
    for (int grade = 1; grade <= LotteryRules::getMaxGrade(result.roundNumber); ++grade) {
        if (result.prize[grade] < Money() || result.winners[grade] < Money() || result.carryOver[grade] < Money())
            return false;
    }
    return result.refundStart.isSet() && result.refundEnd.isSet() && !result.sales.isZero()
        && !result.units.isZero() && !result.sheets.isZero();
}
