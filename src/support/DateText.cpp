#include "support/DateText.h"

#include "support/TrimSpaces.h"

#include <QRegularExpression>

namespace DateText {

namespace {

const QRegularExpression &pattern()
{
    // Groups: 1 year, 2/3 month and day with 年月日, 4/5 with "/", 6/7 with
    // "-", then 8 hour, 9 minute, 10 second. Matched against the text without
    // its outer spaces, anchored at both ends, with the one run of spaces
    // between date and time possessive: a long run costs one pass, never a
    // search over where it might end.
    static const QRegularExpression re(QRegularExpression::anchoredPattern(QStringLiteral(
        "(?:([0-9]{4})(?:年([0-9]{1,2})月([0-9]{1,2})日|/([0-9]{1,2})/([0-9]{1,2})|-([0-9]{1,2})-([0-9]{1,2})))?"
        " *+(?:([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}))?)?")));
    return re;
}

int number(const QRegularExpressionMatch &match, int group)
{
    return match.capturedView(group).toInt();
}

// The first of the alternative groups that took part in the match.
int numberOfFirst(const QRegularExpressionMatch &match, std::initializer_list<int> groups)
{
    for (int group : groups) {
        if (match.hasCaptured(group))
            return number(match, group);
    }
    return 0;
}

} // namespace

std::optional<OleDate> parse(QStringView text)
{
    const QString core = trimSpaces(text);
    const QRegularExpressionMatch match = pattern().match(core);
    if (!match.hasMatch())
        return std::nullopt;
    const bool hasDate = match.hasCaptured(1);
    const bool hasTime = match.hasCaptured(8);
    if (!hasDate && !hasTime)
        return std::nullopt;

    QDate date;
    if (hasDate) {
        date = QDate(number(match, 1), numberOfFirst(match, {2, 4, 6}), numberOfFirst(match, {3, 5, 7}));
        if (!date.isValid())
            return std::nullopt;
    }
    QTime time;
    if (hasTime) {
        time = QTime(number(match, 8), number(match, 9), match.hasCaptured(10) ? number(match, 10) : 0);
        if (!time.isValid())
            return std::nullopt;
    }
    if (!hasDate)
        return OleDate::fromTime(time);
    return hasTime ? OleDate::fromDateTime(date, time) : OleDate::fromDate(date);
}

} // namespace DateText
