#include "acquisition/clsVote.h"

#include "support/clsFileSystemObject.h"

clsVote::clsVote()
    : RoundWorkflow(QStringLiteral("clsVote"), QStringLiteral("投票状況"))
{
}

bool clsVote::GetVote(qint32 lngKaisaikai, const QString &strKumi, int lngDType, bool blnDQuestion)
{
    if (!checkInitialized(QStringLiteral("GetVote")))
        return false;
    return m_err.guard(QStringLiteral("GetVote"), false, [&] {
        fetch(lngKaisaikai, lngDType, blnDQuestion, m_vote,
              [&](VoteData &vote) { return loadFile(lngKaisaikai, strKumi, vote); },
              [&](VoteData &vote) { return download(lngKaisaikai, strKumi, vote); });
        return IsVoteValid(m_vote);
    });
}

bool clsVote::loadFile(qint32 lngKaisaikai, const QString &strKumi, VoteData &vote)
{
    return loadRoundFile(m_xml, lngKaisaikai, strKumi, vote, &clsXmlVote::Vote);
}

bool clsVote::download(qint32 lngKaisaikai, const QString &strKumi, VoteData &vote)
{
    bool final = false;
    // A round file replaced after the transfer is told in its log.
    const OfficialPage::LogHold hold(m_html);
    const bool parsed = m_html.GetVote(lngKaisaikai, strKumi, final);
    m_unpublished = m_html.Unpublished();
    if (!parsed)
        return false;
    vote = m_html.Vote();
    if (final)
        SaveVoteFile(vote);
    return true;
}

void clsVote::SaveVoteFile(const VoteData &vote)
{
    if (IsVoteValid(vote))
        keepAsNewRoundFile(m_xml, vote, &clsXmlVote::setVote, m_html);
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
