#include "acquisition/ResultWorkflow.h"

#include "lottery/LotteryRules.h"
#include "support/PathRules.h"

namespace {

constexpr int maxGoals = 30;

} // namespace

clsResult::clsResult()
    : RoundWorkflow(QStringLiteral("clsResult"), QStringLiteral("くじ結果"))
{
}

bool clsResult::GetResult(qint32 lngKaisaikai, const QString &strKumi, int lngDType, bool blnDQuestion)
{
    if (!checkInitialized(QStringLiteral("GetResult")))
        return false;
    return m_err.guard(QStringLiteral("GetResult"), false, [&] {
        fetch(lngKaisaikai, lngDType, blnDQuestion, m_result,
              [&](ResultData &result) { return loadRoundFile(m_xml, lngKaisaikai, strKumi, result, &clsXmlResult::Result); },
              [&](ResultData &result) { return download(lngKaisaikai, strKumi, result); });
        return IsResultValid(m_result);
    });
}

bool clsResult::download(qint32 lngKaisaikai, const QString &strKumi, ResultData &result)
{
    const bool parsed = m_html.GetResult(lngKaisaikai, strKumi);
    m_unpublished = m_html.Unpublished();
    if (!parsed)
        return false;
    result = m_html.Result();
    if (IsResultValid(result))
        keepAsNewRoundFile(m_xml, result, &clsXmlResult::setResult, m_html);
    return true;
}

ResultData clsResult::Result() const
{
    return checkInitialized(QStringLiteral("Result")) ? m_result : ResultData();
}

bool clsResult::CheckResultFile(qint32 lngKaisaikai, const QString &strKumi) const
{
    return clsFileSystemObject::FileExists(m_xml.GetFileName(lngKaisaikai, strKumi));
}

bool clsResult::IsResultValid(const ResultData &result)
{
    if (result.Kaisaikai < 1)
        return false;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const ResultGame &game = result.Game[match];
        if (game.Home.isEmpty() || game.Away.isEmpty() || game.HomeScore > maxGoals
            || game.AwayScore > maxGoals || game.Outcome > ResultGame::OutcomeCancelled)
            return false;
    }
    if (result.Cancelled)
        return true;
    for (int grade = 1; grade <= clsToto::GetMaxGrade(result.Kaisaikai); ++grade) {
        if (result.Prize[grade] < Money() || result.Winners[grade] < Money() || result.CarryOver[grade] < Money())
            return false;
    }
    return result.RefundStart.isSet() && result.RefundEnd.isSet() && !result.Sales.isZero()
        && !result.Units.isZero() && !result.Sheets.isZero();
}
