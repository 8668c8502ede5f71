#include "acquisition/PageValues.h"

#include "support/Convert.h"
#include "support/DateText.h"
#include "support/RuntimeError.h"

#include <QRegularExpression>

namespace {

constexpr char16_t fullWidthFirst = 0xFF01;   // ！
constexpr char16_t fullWidthLast = 0xFF5E;    // ～
constexpr char16_t fullWidthOffset = 0xFEE0;  // ！ - !
constexpr char16_t ideographicSpace = 0x3000;

const QChar periodMark(0xFF5E);   // ～ between the two dates of a period

// A time written "20時40分" (or "20時") at the end of a narrowed stamp, as
// "20:40".
QString withColonTime(const QString &text)
{
    static const QRegularExpression hoursMinutes(QStringLiteral("([0-9]{1,2})時(?:([0-9]{1,2})分)?$"));
    const QRegularExpressionMatch match = hoursMinutes.match(text);
    if (!match.hasMatch())
        return text;
    const QString minutes = match.hasCaptured(2) ? match.captured(2) : QStringLiteral("0");
    return text.left(match.capturedStart(0)) + match.captured(1) + u':' + minutes.rightJustified(2, u'0');
}

// Digits with at most one ".", at least one digit.
bool isDecimal(const QString &text)
{
    return text.count(u'.') <= 1 && text.size() > text.count(u'.');
}

} // namespace

bool PageValues::parseRoundNumber(const QString &line, qint32 &roundNumber) const
{
    const qsizetype end = line.indexOf(u'回');
    if (!line.startsWith(u'第') || end < 0)
        return false;
    roundNumber = Convert::toLong(narrow(line.mid(1, end - 1)));
    return true;
}

bool PageValues::readRoundNumber(const QString &line, qint32 &roundNumber, const QString &expected) const
{
    return line.contains(expected) && parseRoundNumber(line, roundNumber);
}

bool PageValues::getValue2(const QString &line, Money &amount1, Money &amount2) const
{
    QString text = narrow(line.trimmed());
    text.remove(u',');
    const qsizetype open = text.indexOf(u'(');
    if (!text.contains(u')') || open < 0)
        return false;
    QString rate = text.mid(open);
    rate.remove(u'(').remove(u')').remove(u'%');
    amount1 = readCurrency(text.left(open));
    amount2 = readCurrency(rate);
    return true;
}

Money PageValues::stringToCurrency(const QString &line) const
{
    return m_err.guard(QStringLiteral("StringToCurrency"), Money(), [&] { return readCurrency(line); });
}

Money PageValues::readCurrency(const QString &line)
{
    QString digits;
    for (const QChar ch : line) {
        if ((ch >= u'0' && ch <= u'9') || ch == u'.')
            digits.append(ch);
    }
    if (!isDecimal(digits))
        return Money();
    const std::optional<Money> value = Money::parse(digits);
    if (!value)
        throw RuntimeError::fromNumber(RuntimeError::Overflow);
    return *value;
}

OleDate PageValues::stringToDate(const QString &line) const
{
    return m_err.guard(QStringLiteral("StringToDate"), OleDate(), [&] {
        return DateText::parse(narrow(line)).value_or(OleDate());
    });
}

OleDate PageValues::stringToDateEx(QString &line) const
{
    return m_err.guard(QStringLiteral("StringToDateEx"), OleDate(), [&] {
        line = narrow(line);
        const qsizetype open = line.indexOf(u'(', 1);
        const qsizetype close = line.indexOf(u')', 1);
        if (open < 0 || close < open)
            return stringToDate(line);
        QString text = line.left(open) + line.mid(close + 1);
        if (const qsizetype colon = text.indexOf(u':'); colon >= 0)
            text.truncate(colon + 3);
        return stringToDate(text);
    });
}

OleDate PageValues::stringToDateEx2(const QString &line) const
{
    return m_err.guard(QStringLiteral("StringToDateEx2"), OleDate(), [&] {
        const qsizetype day = line.indexOf(u'日');
        if (day < 0)
            return OleDate();
        return stringToDate(line.left(day + 1) + u' ' + getLatestTime(line));
    });
}

QString PageValues::getLatestTime(const QString &line) const
{
    const QString text = narrow(line);
    const auto isTime = [](const QString &candidate) {
        const std::optional<OleDate> time = DateText::parse(candidate);
        return time && time->isTimeOnly() && !candidate.contains(u' ');
    };
    QString latest;
    int latestScore = -1;
    for (qsizetype colon = text.indexOf(u':'); colon >= 0; colon = text.indexOf(u':', colon + 1)) {
        QString candidate = colon >= 2 ? text.mid(colon - 2, 5) : QString();
        if (!isTime(candidate))
            candidate = colon >= 1 ? text.mid(colon - 1, 4) : QString();
        if (!isTime(candidate))
            continue;
        const int score = QString(candidate).remove(u':').toInt();
        if (score > latestScore) {
            latest = candidate;
            latestScore = score;
        }
    }
    return latest;
}

void PageValues::dateString2(const QString &line, OleDate &date1, OleDate &date2) const
{
    m_err.guard(QStringLiteral("DateString2"), 0, [&] {
        QString text = line;
        text.remove(QStringLiteral("まで"));
        const qsizetype mark = text.indexOf(periodMark);
        if (mark < 0)
            return 0;
        QString first = text.left(mark);
        QString second = text.mid(mark + 1).trimmed();
        date1 = stringToDateEx(first);
        date2 = stringToDateEx(second);
        return 0;
    });
}

bool PageValues::getStringToDateNow(const QString &line, OleDate &date1, bool &isFinal) const
{
    return m_err.guard(QStringLiteral("GetStringToDateNow"), false, [&] {
        // The site writes its brackets and digits in either width.
        const QString text = narrow(line);
        if (!text.startsWith(u'('))
            return false;
        isFinal = true;
        qsizetype marker = text.indexOf(QStringLiteral("販売終了時点)"));
        if (marker < 0) {
            isFinal = false;
            marker = text.indexOf(QStringLiteral("時点)"));
        }
        if (marker < 0)
            return false;
        QString date = withColonTime(text.mid(1, marker - 1));
        date1 = stringToDateEx(date);
        return true;
    });
}

QString PageValues::narrow(const QString &line)
{
    QString text = line;
    for (QChar &ch : text) {
        const char16_t code = ch.unicode();
        if (code >= fullWidthFirst && code <= fullWidthLast)
            ch = QChar(char16_t(code - fullWidthOffset));
        else if (code == ideographicSpace)
            ch = u' ';
    }
    return text;
}
