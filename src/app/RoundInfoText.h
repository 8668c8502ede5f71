#pragma once

#include "rounddata/RoundData.h"
#include "support/OleDate.h"

#include <QString>

// The texts of the home page's round information panel and of the status bar.
// Each takes the moment to show them for, so that they can be tested at their
// boundaries; the window passes the current local time.
namespace RoundInfoText {

// The current local date and time to the second.
OleDate now();

// " 第 12 回 ", the number replaced by a space for 0 and below, and
// " [ A組 ] " after it when there is a group.
QString roundCaption(qint32 roundNumber, const QString &group);

// "販売終了", "販売開始まで あと …" or "販売締切まで あと …".
QString salesStatus(const ScheduleData &schedule, OleDate now);
// "2日 3時間5分", "0時間45分": the whole days only when there are some.
QString countdown(OleDate from, OleDate to);
// "2021年03月06日(土) 13:50:00", the time left out (a space kept) at midnight.
QString longDate(OleDate value);

// The status bar's vote part: "　使用投票率：" with the time of the vote
// status in use, "(最終)" for the one taken at the end of sales, or
// "ユーザー定義" when it has no time; empty without a vote record.
QString voteSource(const VoteData &vote);
QString statusBarText(const QString &roundCaption, const VoteData &vote);

// The official site's BIG sales schedule page, on the host of the schedule
// page address.
QString salesScheduleUrl();

} // namespace RoundInfoText
