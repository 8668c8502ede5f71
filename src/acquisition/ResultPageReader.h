#pragma once

#include "acquisition/OfficialPage.h"
#include "rounddata/RoundData.h"

#include <QString>

class PageLines;

// Reads the BIG block of the official result page of one round (the page also
// holds the other products of the BIG family): prizes, winners and carry-over
// per grade, sales figures, dates, and score and outcome of the 14 matches.
class ResultPageReader : public OfficialPage
{
public:
    // Copies the page address from the settings.
    ResultPageReader();

    // Downloads and reads the page; on success the held record is replaced.
    bool getResult(qint32 roundNumber, const QString &group);
    // Reads a page already reduced to its text lines, as getResult does after
    // the fetch; on success the held record is replaced.
    bool readLines(const QStringList &lines, const QString &group);
    const ResultData &result() const { return m_result; }
    QString url(qint32 roundNumber) const;

private:
    bool read(const PageLines &lines, const QString &group);
    bool readPrizes(const PageLines &lines, int &i, ResultData &result);
    static void readMatch(const PageLines &lines, int row, ResultGame &game);

    QString m_urlHead;
    ResultData m_result;
};
