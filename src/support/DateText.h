#pragma once

#include "support/OleDate.h"

#include <QStringView>
#include <optional>

// Reading dates and times that people and web pages write.
namespace DateText {

// A date, a date and time, or a time of day:
//   2021年3月6日   2021年3月6日19:00   2021年3月6日 19:00
//   2021/3/6      2021/3/6 19:00      2021-03-06 19:00:30
//   19:00         9:05:30
// Years have four digits; months, days and hours one or two; minutes and
// seconds two. Spaces around the text and between date and time are
// ignored. Empty when the text has another form or names no real day or
// time (2021年13月40日, 24:00).
std::optional<OleDate> parse(QStringView text);

} // namespace DateText
