#include "history/HistoryResults.h"

#include "acquisition/ResultWorkflow.h"
#include "support/HeldMessages.h"

const ResultData &HistoryResults::Of(qint32 lngKaisaikai)
{
    auto found = m_results.constFind(lngKaisaikai);
    if (found == m_results.constEnd())
        found = m_results.insert(lngKaisaikai, read(lngKaisaikai));
    return *found;
}

bool HistoryResults::HasReadableFile(qint32 lngKaisaikai)
{
    return read(lngKaisaikai).Kaisaikai > 0;
}

ResultData HistoryResults::read(qint32 lngKaisaikai)
{
    // The singles files carry no group the round selection would use: the
    // check page shows the round's result without one, and so does this.
    clsXmlResult xml;
    const HeldMessages quiet;
    if (!xml.XmlLoad(xml.GetFileName(lngKaisaikai, QString())))
        return {};
    const ResultData result = xml.Result();
    if (result.Kaisaikai != lngKaisaikai || !clsResult::IsResultValid(result))
        return {};
    return result;
}
