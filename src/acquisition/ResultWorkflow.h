#pragma once

#include "acquisition/RoundWorkflow.h"
#include "acquisition/ResultPageReader.h"
#include "rounddata/RoundData.h"
#include "rounddata/ResultFile.h"

// The lottery result of one round for the rest of the program: the round file
// first, then, when allowed and confirmed, the official result page, whose
// complete record becomes the round file when there is none yet.
class clsResult : public RoundWorkflow
{
public:
    clsResult();

    // True when the held record is complete.
    bool GetResult(qint32 lngKaisaikai, const QString &strKumi, int lngDType, bool blnDQuestion);
    ResultData Result() const;

    bool CheckResultFile(qint32 lngKaisaikai, const QString &strKumi) const;

    static bool IsResultValid(const ResultData &result);

private:
    bool download(qint32 lngKaisaikai, const QString &strKumi, ResultData &result);

    clsXmlResult m_xml;
    clsHtmlResult m_html;
    ResultData m_result;
};
