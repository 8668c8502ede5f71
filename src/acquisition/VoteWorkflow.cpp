#include "acquisition/VoteWorkflow.h"

#include "support/PathRules.h"

clsVote::clsVote()
    : RoundWorkflow(QStringLiteral("clsVote"), QStringLiteral("投票状況"))
{
}

bool clsVote::GetVote(qint32 lngKaisaikai, const QString &strKumi, int lngDType, bool blnDQuestion,
                      const ScheduleData &schedule)
{
    if (!checkInitialized(QStringLiteral("GetVote")))
        return false;
    return m_err.guard(QStringLiteral("GetVote"), false, [&] {
        fetch(lngKaisaikai, lngDType, blnDQuestion, m_vote,
              [&](VoteData &vote) { return loadRoundFile(m_xml, lngKaisaikai, strKumi, vote, &clsXmlVote::Vote); },
              [&](VoteData &vote) { return download(lngKaisaikai, strKumi, schedule, vote); });
        return IsVoteValid(m_vote);
    });
}

bool clsVote::download(qint32 lngKaisaikai, const QString &strKumi, const ScheduleData &schedule, VoteData &vote)
{
    bool final = false;
    const bool parsed = m_html.GetVote(lngKaisaikai, strKumi, schedule, final);
    m_unpublished = m_html.Unpublished();
    if (!parsed)
        return false;
    vote = m_html.Vote();
    // Only the final status is kept: an earlier one is shown, never stored.
    if (final && IsVoteValid(vote))
        keepAsNewRoundFile(m_xml, vote, &clsXmlVote::setVote, m_html);
    return true;
}

VoteData clsVote::Vote() const
{
    return checkInitialized(QStringLiteral("Vote")) ? m_vote : VoteData();
}

bool clsVote::CheckVoteFile(qint32 lngKaisaikai, const QString &strKumi) const
{
    return clsFileSystemObject::FileExists(m_xml.GetFileName(lngKaisaikai, strKumi));
}

bool clsVote::IsVoteValid(const VoteData &vote)
{
    if (!(vote.VoteTime.value() > 0.0) || vote.Kaisaikai < 1)
        return false;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const VoteGame &game = vote.Game[match];
        if (!game.GameDate.isSet() || game.Home.isEmpty() || game.Away.isEmpty())
            return false;
    }
    return true;
}
