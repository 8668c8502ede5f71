#pragma once

#include "acquisition/RoundWorkflow.h"
#include "acquisition/VotePageReader.h"
#include "rounddata/RoundData.h"
#include "rounddata/VoteFile.h"

// The vote status of one round for the rest of the program: the round file
// first, then, when allowed and confirmed, the official vote-status page. A
// downloaded status is kept as the round file only when it is the final one,
// taken at the end of sales, so that a later download can still fetch it.
class VoteWorkflow : public RoundWorkflow
{
public:
    VoteWorkflow();

    // True when the held record is complete. A download places the toto
    // matches on schedule, the round's schedule record the caller holds.
    bool getVote(qint32 roundNumber, const QString &group, int downloadType, bool askBeforeDownload,
                 const ScheduleData &schedule);
    VoteData vote() const;

    bool checkVoteFile(qint32 roundNumber, const QString &group) const;

    static bool isVoteValid(const VoteData &vote);

private:
    bool download(qint32 roundNumber, const QString &group, const ScheduleData &schedule, VoteData &vote);

    VoteFile m_xml;
    VotePageReader m_html;
    VoteData m_vote;
};
