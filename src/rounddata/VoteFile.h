#pragma once

#include "rounddata/RoundData.h"
#include "rounddata/RoundXmlFile.h"

#include <QString>

// The vote-status file of one round and group (SysData\BIG_Vote): for each of
// the 14 BIG matches the toto votes and vote rates of home win, other and
// home loss, and the moment the status was taken. Totals and round dates are
// read from files that carry them but never written.
class VoteFile
{
public:
    QString getFileName(qint32 roundNumber, const QString &group) const;

    // Writes the held record; never changes it.
    bool xmlSave(const QString &fileName) const;
    // Replaces the held record with the file's only when the whole file reads.
    bool xmlLoad(const QString &fileName);

    // The held record in the file's layout.
    QString getXmlString() const;
    // Replaces the held record with the one read from the text. A malformed
    // text is reported and gives false; a value that cannot be converted (or
    // a match number outside 1..14) throws RuntimeError to the caller, as the
    // load reports it. The record is unchanged in both cases.
    bool setXmlString(const QString &xml);

    VoteData vote() const { return m_vote; }
    void setVote(const VoteData &vote) { m_vote = vote; }

private:
    RoundXmlFile m_file{QStringLiteral("clsXmlVote")};
    VoteData m_vote;
};
