#include "acquisition/PageLines.h"

#include "acquisition/PageValues.h"
#include "support/DateText.h"
#include "support/RuntimeError.h"

int PageLines::numberOf(const QString &line, int last)
{
    bool ok = false;
    const int number = line.toInt(&ok);
    return ok && number >= 1 && number <= last && line == QString::number(number) ? number : 0;
}

bool PageLines::find(int &position, const QString &text) const
{
    for (int index = std::max(position, 0); index < count(); ++index) {
        if (m_lines.at(index) == text) {
            position = index;
            return true;
        }
    }
    return false;
}

namespace PageValue {

namespace {

OleDate dayOf(const PageValues &toto, int year, const QString &text)
{
    // Only a month and day: a bare number would read as a month of the year.
    if (!text.contains(u'/'))
        return OleDate();
    const OleDate day = toto.stringToDate(QString::number(year) + u'/' + text);
    return day.isTimeOnly() ? OleDate() : day;
}

} // namespace

bool isMatchDay(const PageValues &toto, int year, const QString &text)
{
    return dayOf(toto, year, text).isSet();
}

OleDate matchDay(const PageValues &toto, int year, const QString &text)
{
    const OleDate day = dayOf(toto, year, text);
    if (!day.isSet())
        throw RuntimeError::fromNumber(RuntimeError::TypeMismatch);
    return day;
}

OleDate kickOff(const QString &text)
{
    // Midnight is a time too, though its value is the one of "no date": the
    // parser tells a time that is not there from 0:00.
    const std::optional<OleDate> time = DateText::parse(PageValues::narrow(text));
    if (!time || !time->isTimeOnly())
        throw RuntimeError::fromNumber(RuntimeError::TypeMismatch);
    return *time;
}

} // namespace PageValue
