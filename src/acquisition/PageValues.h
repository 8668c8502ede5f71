#pragma once

#include "support/ErrorReporter.h"
#include "support/Money.h"
#include "support/OleDate.h"

#include <QString>

// The small conversions that turn the texts of the official pages (text
// lines without spaces) into round numbers, amounts and dates. Bad text gives
// 0 or False; only true run-time failures are reported.
class clsHtmlToto
{
public:
    // 第1234回… gives 1234. False, round unchanged, without "第" first or
    // without "回"; a run-time failure when what stands between is no number.
    bool Kaisaikai(const QString &strText, qint32 &lngKaisaikai) const;
    // Kaisaikai of a text that contains strCheck; otherwise False.
    bool GetKaisaikai(const QString &strText, qint32 &lngKaisaikai, const QString &strCheck) const;
    // A count with its rate in brackets, 1,234,567(12.34%). False, values
    // unchanged, without the brackets. A number too large for money is a
    // run-time failure that reaches the caller: one bad value stops the page.
    bool GetValue2(const QString &strText, Money &curValue1, Money &curValue2) const;
    // The digits and "." of the text as a number (1,234,567円, 12.34%); 0
    // when they are none.
    Money StringToCurrency(const QString &strText) const;
    // The same for the page readers: a number too large for money is a
    // run-time failure (overflow) that reaches the caller, so that a page
    // stops at its first bad value with one message.
    static Money ReadCurrency(const QString &strText);
    // A date, a date and time, or a time; 0 when the text is none.
    OleDate StringToDate(const QString &strText) const;
    // A date with a weekday in brackets and text after the time,
    // 2021年3月6日(土)19:00～. strText is narrowed in place.
    OleDate StringToDateEx(QString &strText) const;
    // The day of the text at its latest time, 2021年3月6日(土)10:00～13:50.
    OleDate StringToDateEx2(const QString &strText) const;
    // The two dates of a period around "～"; both unchanged without "～".
    void DateString2(const QString &strText, OleDate &dtmDate1, OleDate &dtmDate2) const;
    // The time stamp of a vote status, (2021年3月13日13:50販売終了時点) (final)
    // or (2021年3月10日10:00時点); brackets in either width, a weekday in
    // brackets after the day, the time also as 20時40分, or no time at all
    // ((2026年05月23日販売終了時点)).
    bool GetStringToDateNow(const QString &strText, OleDate &dtmDate1, bool &blnFinal) const;

    // Full-width letters, digits, signs and spaces as their ASCII forms.
    static QString Narrow(const QString &strText);

private:
    // The latest H:mm in the text, "" when there is none.
    QString GetLatestTime(const QString &strText) const;

    ErrorReporter m_err{QStringLiteral("clsHtmlToto")};
};
