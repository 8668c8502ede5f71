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

bool clsHtmlToto::Kaisaikai(const QString &strText, qint32 &lngKaisaikai) const
{
    const qsizetype end = strText.indexOf(u'回');
    if (!strText.startsWith(u'第') || end < 0)
        return false;
    lngKaisaikai = Convert::toLong(Narrow(strText.mid(1, end - 1)));
    return true;
}

bool clsHtmlToto::GetKaisaikai(const QString &strText, qint32 &lngKaisaikai, const QString &strCheck) const
{
    return strText.contains(strCheck) && Kaisaikai(strText, lngKaisaikai);
}

bool clsHtmlToto::GetValue2(const QString &strText, Money &curValue1, Money &curValue2) const
{
    QString text = Narrow(strText.trimmed());
    text.remove(u',');
    const qsizetype open = text.indexOf(u'(');
    if (!text.contains(u')') || open < 0)
        return false;
    QString rate = text.mid(open);
    rate.remove(u'(').remove(u')').remove(u'%');
    curValue1 = ReadCurrency(text.left(open));
    curValue2 = ReadCurrency(rate);
    return true;
}

Money clsHtmlToto::StringToCurrency(const QString &strText) const
{
    return m_err.guard(QStringLiteral("StringToCurrency"), Money(), [&] { return ReadCurrency(strText); });
}

Money clsHtmlToto::ReadCurrency(const QString &strText)
{
    QString digits;
    for (const QChar ch : strText) {
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

OleDate clsHtmlToto::StringToDate(const QString &strText) const
{
    return m_err.guard(QStringLiteral("StringToDate"), OleDate(), [&] {
        return DateText::parse(Narrow(strText)).value_or(OleDate());
    });
}

OleDate clsHtmlToto::StringToDateEx(QString &strText) const
{
    return m_err.guard(QStringLiteral("StringToDateEx"), OleDate(), [&] {
        strText = Narrow(strText);
        const qsizetype open = strText.indexOf(u'(', 1);
        const qsizetype close = strText.indexOf(u')', 1);
        if (open < 0 || close < open)
            return StringToDate(strText);
        QString text = strText.left(open) + strText.mid(close + 1);
        if (const qsizetype colon = text.indexOf(u':'); colon >= 0)
            text.truncate(colon + 3);
        return StringToDate(text);
    });
}

OleDate clsHtmlToto::StringToDateEx2(const QString &strText) const
{
    return m_err.guard(QStringLiteral("StringToDateEx2"), OleDate(), [&] {
        const qsizetype day = strText.indexOf(u'日');
        if (day < 0)
            return OleDate();
        return StringToDate(strText.left(day + 1) + u' ' + GetLatestTime(strText));
    });
}

QString clsHtmlToto::GetLatestTime(const QString &strText) const
{
    const QString text = Narrow(strText);
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

void clsHtmlToto::DateString2(const QString &strText, OleDate &dtmDate1, OleDate &dtmDate2) const
{
    m_err.guard(QStringLiteral("DateString2"), 0, [&] {
        QString text = strText;
        text.remove(QStringLiteral("まで"));
        const qsizetype mark = text.indexOf(periodMark);
        if (mark < 0)
            return 0;
        QString first = text.left(mark);
        QString second = text.mid(mark + 1).trimmed();
        dtmDate1 = StringToDateEx(first);
        dtmDate2 = StringToDateEx(second);
        return 0;
    });
}

bool clsHtmlToto::GetStringToDateNow(const QString &strText, OleDate &dtmDate1, bool &blnFinal) const
{
    return m_err.guard(QStringLiteral("GetStringToDateNow"), false, [&] {
        // The site writes its brackets and digits in either width.
        const QString text = Narrow(strText);
        if (!text.startsWith(u'('))
            return false;
        blnFinal = true;
        qsizetype marker = text.indexOf(QStringLiteral("販売終了時点)"));
        if (marker < 0) {
            blnFinal = false;
            marker = text.indexOf(QStringLiteral("時点)"));
        }
        if (marker < 0)
            return false;
        QString date = withColonTime(text.mid(1, marker - 1));
        dtmDate1 = StringToDateEx(date);
        return true;
    });
}

QString clsHtmlToto::Narrow(const QString &strText)
{
    QString text = strText;
    for (QChar &ch : text) {
        const char16_t code = ch.unicode();
        if (code >= fullWidthFirst && code <= fullWidthLast)
            ch = QChar(char16_t(code - fullWidthOffset));
        else if (code == ideographicSpace)
            ch = u' ';
    }
    return text;
}
