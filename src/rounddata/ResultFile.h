#pragma once

#include "rounddata/RoundData.h"
#include "rounddata/RoundXmlFile.h"

#include <QString>

// The result file of one round and group (SysData\BIG_Result): outcome and
// score of every match; prize, winners and carry-over of each grade the
// round has; sales figures and payout dates. A cancelled round keeps its
// refund dates instead of prizes and sales.
class ResultFile
{
public:
    // "一等" … "六等" for grades 1 to 6, empty for any other number.
    static QString getGradeName(int grade);

    QString getFileName(qint32 roundNumber, const QString &group) const;

    // Writes the held record; never changes it.
    bool xmlSave(const QString &fileName) const;
    // Replaces the held record with the file's only when the whole file reads.
    bool xmlLoad(const QString &fileName);

    ResultData result() const { return m_result; }
    void setResult(const ResultData &result) { m_result = result; }

private:
    QString render() const;

    RoundXmlFile m_file{QStringLiteral("clsXmlResult")};
    ResultData m_result;
};
