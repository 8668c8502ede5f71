#include "history/HistoryResults.h"

#include "acquisition/ResultWorkflow.h"
#include "support/HeldMessages.h"

const ResultData &HistoryResults::of(qint32 roundNumber)
{
    auto found = m_results.constFind(roundNumber);
    if (found == m_results.constEnd())
        found = m_results.insert(roundNumber, read(roundNumber));
    return *found;
}

bool HistoryResults::hasReadableFile(qint32 roundNumber)
{
    return read(roundNumber).roundNumber > 0;
}

ResultData HistoryResults::read(qint32 roundNumber)
{
    // The singles files carry no group the round selection would use: the
    // check page shows the round's result without one, and so does this.
    ResultFile xml;
    const HeldMessages quiet;
    if (!xml.xmlLoad(xml.getFileName(roundNumber, QString())))
        return {};
    const ResultData result = xml.result();
    if (result.roundNumber != roundNumber || !ResultWorkflow::isResultValid(result))
        return {};
    return result;
}
