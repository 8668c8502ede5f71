#pragma once

#include "rounddata/RoundData.h"
#include "rounddata/ResultFile.h"

#include <QHash>

// The results of the rounds of the 収支履歴, each read once from its round
// file without a box: a file that is missing, does not read, is not complete
// or holds another round gives an empty record (roundNumber 0).
class HistoryResults
{
public:
    const ResultData &of(qint32 roundNumber);

    // Whether the round has a result file that reads, read again now.
    static bool hasReadableFile(qint32 roundNumber);

private:
    static ResultData read(qint32 roundNumber);

    QHash<qint32, ResultData> m_results;
};
