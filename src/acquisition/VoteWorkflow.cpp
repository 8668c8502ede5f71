#include "acquisition/VoteWorkflow.h"

#include "support/PathRules.h"

VoteWorkflow::VoteWorkflow()
    : RoundWorkflow(QStringLiteral("clsVote"), QStringLiteral("投票状況"))
{
}

bool VoteWorkflow::getVote(qint32 roundNumber, const QString &group, int downloadType, bool askBeforeDownload,
                      const ScheduleData &schedule)
{
    if (!checkInitialized(QStringLiteral("GetVote")))
        return false;
    return m_err.guard(QStringLiteral("GetVote"), false, [&] {
        fetch(roundNumber, downloadType, askBeforeDownload, m_vote,
              [&](VoteData &vote) { return loadRoundFile(m_xml, roundNumber, group, vote, &VoteFile::vote); },
              [&](VoteData &vote) { return download(roundNumber, group, schedule, vote); });
        return isVoteValid(m_vote);
    });
}

bool VoteWorkflow::download(qint32 roundNumber, const QString &group, const ScheduleData &schedule, VoteData &vote)
{
    bool final = false;
    const bool parsed = m_html.getVote(roundNumber, group, schedule, final);
    m_unpublished = m_html.Unpublished();
    if (!parsed)
        return false;
    vote = m_html.vote();
    // Only the final status is kept: an earlier one is shown, never stored.
    if (final && isVoteValid(vote))
        keepAsNewRoundFile(m_xml, vote, &VoteFile::setVote, m_html);
    return true;
}

VoteData VoteWorkflow::vote() const
{
    return checkInitialized(QStringLiteral("Vote")) ? m_vote : VoteData();
}

bool VoteWorkflow::checkVoteFile(qint32 roundNumber, const QString &group) const
{
    return PathRules::fileExists(m_xml.getFileName(roundNumber, group));
}

bool VoteWorkflow::isVoteValid(const VoteData &vote)
{
    if (!(vote.voteTime.value() > 0.0) || vote.roundNumber < 1)
        return false;
    for (int match = 1; match <= RoundData::MatchCount; ++match) {
        const VoteGame &game = vote.game[match];
        if (!game.gameDate.isSet() || game.home.isEmpty() || game.away.isEmpty())
            return false;
    }
    return true;
}
