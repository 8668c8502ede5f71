#pragma once

#include "lottery/SingleCode.h"
#include "support/ErrorReporter.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <span>
#include <vector>

class TextLineReader;

// The user's singles files: one single per line as its 14 mark codes
// separated by "," and ended by CR LF, in list order; an empty list is an
// empty file. Saving and loading show the progress window and let pending
// window events run every 1,001 lines. The default file name carries the
// round, and a file name gives its round back.
class SinglesCsvFile
{
public:
    // Lines between two progress updates.
    static constexpr qint64 ProgressStep = 1001;

    // Writes the list to the file, which is replaced only once every line
    // is written. False after the failure was reported; the old file is
    // then untouched.
    bool csvSave(const QString &fileName, std::span<const qint32> singles);
    // Reads the file into a new list: every line of exactly 14 fields whose
    // fields are marks 0, 1 or 2, in file order; any other line is skipped.
    // False after the failure was reported (the file cannot be read, or a
    // field of a 14-field line is not a number or does not fit a byte);
    // singleCount and singles are then as they were.
    bool csvLoad(const QString &fileName, qint32 &singleCount, std::vector<qint32> &singles);

    // Runs every ProgressStep lines read, with the number of lines read so far.
    using LineStep = std::function<void(qint64 linesRead)>;
    // Reads the singles of a file as csvLoad does, without a window or a
    // box, in one pass: a failure throws the RuntimeError it stands for.
    std::vector<qint32> readSingles(const QString &fileName, const LineStep &step = {}) const;

    // "A-" + round ("000") + group + ".csv": A-512.csv, A-512B.csv, A-007.csv.
    static QString getCsvFileName(qint32 roundNumber, const QString &group);
    // The round in a file name (A-512.csv, a-0512b.CSV, X77.csv, 512.csv), 0 if none.
    static qint32 readRoundNumber(const QString &fileName);
    // The group of a name made as getCsvFileName makes it ("A" of A-512A.csv,
    // "B" of a-0512b.CSV); empty for any other name.
    static QString groupOfFileName(const QString &fileName);
    // The number that starts at position start (counted from 1) and ends
    // before the first non-digit after it; 0 when the digits run to the end
    // of the text or the text there is no number.
    static qint32 getNumberAt(const QString &text, qsizetype start);

private:
    static void csvSaveLines(const QString &fullPath, std::span<const qint32> singles);
    std::vector<qint32> csvLoadLines(const QString &fullPath) const;
    // Appends the singles of up to `most` lines exactly as the program
    // writes them, taken in place; returns how many.
    static qint64 readWrittenLines(TextLineReader &reader, std::vector<qint32> &singles, qint64 most);
    // With counted, the lines are counted first and counted(lines) runs
    // when there are any; without, the file is read once.
    std::vector<qint32> readSingles(const QString &fullPath, const LineStep &counted, const LineStep &step) const;
    // Reads the next line field by field and appends its single, if it is
    // one; false at the end.
    bool readLine(TextLineReader &reader, std::vector<qint32> &singles) const;
    static qint32 roundNumberDigits(const QString &fileName);

    SingleCode m_number;
    ErrorReporter m_err{QStringLiteral("clsTFileCSV")};
};
