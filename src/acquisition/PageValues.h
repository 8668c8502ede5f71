#pragma once

#include "support/ErrorReporter.h"
#include "support/Money.h"
#include "support/OleDate.h"

#include <QString>

// The small conversions that turn the texts of the official pages (text
// lines without spaces) into round numbers, amounts and dates. Bad text gives
// 0 or False; only true run-time failures are reported.
class PageValues
{
public:
    // 第1234回… gives 1234. False, round unchanged, without "第" first or
    // without "回"; a run-time failure when what stands between is no number.
    bool parseRoundNumber(const QString &line, qint32 &roundNumber) const;
    // roundNumber of a text that contains expected; otherwise False.
    bool readRoundNumber(const QString &line, qint32 &roundNumber, const QString &expected) const;
    // A count with its rate in brackets, 1,234,567(12.34%). False, values
    // unchanged, without the brackets. A number too large for money is a
    // run-time failure that reaches the caller: one bad value stops the page.
    bool getValue2(const QString &line, Money &amount1, Money &amount2) const;
    // The digits and "." of the text as a number (1,234,567円, 12.34%); 0
    // when they are none.
    Money stringToCurrency(const QString &line) const;
    // The same for the page readers: a number too large for money is a
    // run-time failure (overflow) that reaches the caller, so that a page
    // stops at its first bad value with one message.
    static Money readCurrency(const QString &line);
    // A date, a date and time, or a time; 0 when the text is none.
    OleDate stringToDate(const QString &line) const;
    // A date with a weekday in brackets and text after the time,
    // 2021年3月6日(土)19:00～. text is narrowed in place.
    OleDate stringToDateEx(QString &line) const;
    // The day of the text at its latest time, 2021年3月6日(土)10:00～13:50.
    OleDate stringToDateEx2(const QString &line) const;
    // The two dates of a period around "～"; both unchanged without "～".
    void dateString2(const QString &line, OleDate &date1, OleDate &date2) const;
    // The time stamp of a vote status, (2021年3月13日13:50販売終了時点) (final)
    // or (2021年3月10日10:00時点); brackets in either width, a weekday in
    // brackets after the day, the time also as 20時40分, or no time at all
    // ((2026年05月23日販売終了時点)).
    bool getStringToDateNow(const QString &line, OleDate &date1, bool &isFinal) const;

    // Full-width letters, digits, signs and spaces as their ASCII forms.
    static QString narrow(const QString &line);

private:
    // The latest H:mm in the text, "" when there is none.
    QString getLatestTime(const QString &line) const;

    ErrorReporter m_err{QStringLiteral("clsHtmlToto")};
};
