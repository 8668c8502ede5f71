#pragma once

#include "support/OleDate.h"

#include <QString>
#include <QStringList>

class PageValues;

// The text lines of an official page as the page readers walk them: numbered
// from 0 here, and empty past the last line, so that a page cut short reads as
// missing values instead of running off its end.
class PageLines
{
public:
    explicit PageLines(QStringList lines) : m_lines(std::move(lines)) {}

    int count() const { return int(m_lines.size()); }
    QString at(int index) const { return index >= 0 && index < count() ? m_lines.at(index) : QString(); }

    // The number when the line is exactly one of "1" … last, otherwise 0.
    int matchNumber(int index, int last) const { return numberOf(at(index), last); }
    static int numberOf(const QString &line, int last);

    // Moves position to the first line from position on that equals text
    // (`FindLine`); false, and position unchanged, when there is none.
    bool find(int &position, const QString &text) const;

private:
    QStringList m_lines;
};

// The values of a match row that the pages write without a year.
namespace PageValue {

// Whether the text is a month and day such as 3/9 of the given year.
bool isMatchDay(const PageValues &toto, int year, const QString &text);
// The date of year, "/", text (2024/3/9); a run-time failure (type mismatch)
// when that is not a date.
OleDate matchDay(const PageValues &toto, int year, const QString &text);
// A kick-off such as 19:00 (full width too); 0:00 is the time zero. A
// run-time failure (type mismatch) when the text is not a time of day.
OleDate kickOff(const QString &text);

} // namespace PageValue
