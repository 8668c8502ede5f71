#pragma once

#include "acquisition/RoundWorkflow.h"
#include "acquisition/VotePageReader.h"
#include "rounddata/RoundData.h"
#include "rounddata/VoteFile.h"

// The vote status of one round for the rest of the program: the round file
// first, then, when allowed and confirmed, the official vote-status page. A
// downloaded status is kept as the round file only when it is the final one,
// taken at the end of sales, so that a later download can still fetch it.
class clsVote : public RoundWorkflow
{
public:
    clsVote();

    // True when the held record is complete. A download places the toto
    // matches on schedule, the round's schedule record the caller holds.
    bool GetVote(qint32 lngKaisaikai, const QString &strKumi, int lngDType, bool blnDQuestion,
                 const ScheduleData &schedule);
    VoteData Vote() const;

    bool CheckVoteFile(qint32 lngKaisaikai, const QString &strKumi) const;

    static bool IsVoteValid(const VoteData &vote);

private:
    bool download(qint32 lngKaisaikai, const QString &strKumi, const ScheduleData &schedule, VoteData &vote);

    clsXmlVote m_xml;
    clsHtmlVote m_html;
    VoteData m_vote;
};
