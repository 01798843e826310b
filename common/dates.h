#pragma once
// DateTime operations: now, parts, arithmetic, text.
#include <string>

#include "common/value.h"

// Now, local time, whole seconds (from the platform's clock, so tests can fix it).
DateTime GetCurrentDateTime();
// The same day at 00:00:00 (after splitting to the nearest second).
DateTime GetDatePart(DateTime d);
int GetYear(DateTime d);
struct DateParts {
  int year, month, day, hour, minute, second;
};
// Splits d (clamped to the valid range) to the nearest second.
DateParts SplitDateTime(DateTime d);
// The DateTime of those parts (no validation).
DateTime MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// Part: 1 years, 2 quarters, 3 months, 4 weeks, 5 days, 6 hours, 7 minutes, 8 seconds.
DateTime AddToDateTime(DateTime d, int part, int amount);
double DateTimeDifference(DateTime d1, DateTime d2, int part);
// A text parsed as a date ("2014年1月5日", "2014-1-5", "2014/01/05 8:30:00"); the empty
// date when it does not parse.
DateTime ToDateTime(const std::string& text);
inline DateTime ToDateTime(DateTime d) { return d; }
DateTime ToDateTime(const Value& v);
// 1: "%d年%d月%d日" plus the time parts that are set; 2: the date only; 3: "%d时%d分%d秒".
std::string DateTimeToText(DateTime d, int format = 1);
