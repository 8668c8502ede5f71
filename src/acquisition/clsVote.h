#pragma once

#include "acquisition/RoundWorkflow.h"
#include "acquisition/clsHtmlVote.h"
#include "rounddata/RoundData.h"
#include "rounddata/clsXmlVote.h"

// The vote status of one round for the rest of the program: the round file
// first, then, when allowed and confirmed, the official vote-status page. A
// downloaded status is kept as the round file only when it is the final one,
// taken at the end of sales, so that a later download can still fetch it.
class clsVote : public RoundWorkflow
{
public:
    clsVote();

    // True when the held record is complete.
    bool GetVote(qint32 lngKaisaikai, const QString &strKumi, int lngDType, bool blnDQuestion);
    VoteData Vote() const;

    bool ProgressOpen() const { return m_html.ProgressOpen(); }
    void setProgressOpen(bool open) { m_html.setProgressOpen(open); }
    bool ProgressClose() const { return m_html.ProgressClose(); }
    void setProgressClose(bool close) { m_html.setProgressClose(close); }

    bool CheckVoteFile(qint32 lngKaisaikai, const QString &strKumi) const;

    static bool IsVoteValid(const VoteData &vote);

private:
    bool loadFile(qint32 lngKaisaikai, const QString &strKumi, VoteData &vote);
    bool download(qint32 lngKaisaikai, const QString &strKumi, VoteData &vote);
    void SaveVoteFile(const VoteData &vote);

    clsXmlVote m_xml;
    clsHtmlVote m_html;
    VoteData m_vote;
};
