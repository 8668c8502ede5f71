#pragma once

#include "acquisition/RoundWorkflow.h"
#include "acquisition/ResultPageReader.h"
#include "rounddata/RoundData.h"
#include "rounddata/ResultFile.h"

// The lottery result of one round for the rest of the program: the round file
// first, then, when allowed and confirmed, the official result page, whose
// complete record becomes the round file when there is none yet.
class ResultWorkflow : public RoundWorkflow
{
public:
    ResultWorkflow();

    // True when the held record is complete.
    bool getResult(qint32 roundNumber, const QString &group, int downloadType, bool askBeforeDownload);
    ResultData result() const;

    bool checkResultFile(qint32 roundNumber, const QString &group) const;

    static bool isResultValid(const ResultData &result);

private:
    bool download(qint32 roundNumber, const QString &group, ResultData &result);

    ResultFile m_xml;
    ResultPageReader m_html;
    ResultData m_result;
};
