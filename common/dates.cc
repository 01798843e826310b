// DateTime values: days since 1899-12-30 00:00, the time of day as the fraction.
#include "common/dates.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "common/platform.h"

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kUnixEpochDay = 25569;  // 1970-01-01 counted from 1899-12-30

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days from 1970-01-01 of a proleptic Gregorian date (day may run past the month's end).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  int64_t era = FloorDiv(y, 400);
  int64_t yoe = y - era * 400;
  int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, DateParts* p) {
  z += 719468;
  int64_t era = FloorDiv(z, 146097);
  int64_t doe = z - era * 146097;
  int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  int64_t mp = (5 * doy + 2) / 153;
  p->day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  p->month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  p->year = static_cast<int>(yoe + era * 400 + (p->month <= 2));
}

double Clamped(double days) {
  if (std::isnan(days) || days < kEmptyDate) return kEmptyDate;
  return std::min(days, kLastDate);
}

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// d moved by months calendar months, the day kept or cut to the new month's last day.
DateTime AddMonths(DateTime d, int64_t months) {
  DateParts p = SplitDateTime(d);
  int64_t index = static_cast<int64_t>(p.year) * 12 + (p.month - 1) + months;
  int year = static_cast<int>(FloorDiv(index, 12));
  int month = static_cast<int>(index - FloorDiv(index, 12) * 12) + 1;
  int day = std::min(p.day, DaysInMonth(year, month));
  return MakeDateTime(year, month, day, p.hour, p.minute, p.second);
}

// Whole units from d2 to d1 for hours, minutes and seconds.
double WholeUnits(DateTime d1, DateTime d2, double per_day) {
  return std::trunc((d1.days - d2.days) * per_day + 5.787037037037037e-6);
}

}  // namespace

DateTime GetCurrentDateTime() { return ClockNow(); }

DateParts SplitDateTime(DateTime d) {
  auto seconds = static_cast<int64_t>(std::llround(Clamped(d.days) * kSecondsPerDay));
  int64_t day = FloorDiv(seconds, kSecondsPerDay);
  int64_t second_of_day = seconds - day * kSecondsPerDay;
  DateParts p{};
  CivilFromDays(day - kUnixEpochDay, &p);
  p.hour = static_cast<int>(second_of_day / 3600);
  p.minute = static_cast<int>(second_of_day / 60 % 60);
  p.second = static_cast<int>(second_of_day % 60);
  return p;
}

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  int64_t index = static_cast<int64_t>(year) * 12 + (month - 1);
  int64_t y = FloorDiv(index, 12), m = index - y * 12 + 1;
  double days = static_cast<double>(DaysFromCivil(y, m, day) + kUnixEpochDay);
  double seconds = static_cast<double>(int64_t{hour} * 3600 + int64_t{minute} * 60 + second);
  return DateTime{days + seconds / kSecondsPerDay};
}

// The day SplitDateTime finds, without the round trip through the calendar.
DateTime GetDatePart(DateTime d) {
  auto seconds = static_cast<int64_t>(std::llround(Clamped(d.days) * kSecondsPerDay));
  return DateTime{static_cast<double>(FloorDiv(seconds, kSecondsPerDay))};
}

int GetYear(DateTime d) { return SplitDateTime(d).year; }

DateTime AddToDateTime(DateTime d, int part, int amount) {
  switch (std::clamp(part, 1, 8)) {
    case 1:
      return AddMonths(d, int64_t{amount} * 12);
    case 2:
      return AddMonths(d, int64_t{amount} * 3);
    case 3:
      return AddMonths(d, amount);
    case 4:
      return DateTime{d.days + 7.0 * amount};
    case 5:
      return DateTime{d.days + amount};
    case 6:
      return DateTime{d.days + amount / 24.0};
    case 7:
      return DateTime{d.days + amount / 1440.0};
    default:
      return DateTime{d.days + amount / 86400.0};
  }
}

// Weeks are whole weeks of the plain difference, toward zero.
double DateTimeDifference(DateTime d1, DateTime d2, int part) {
  part = std::clamp(part, 1, 8);
  if (part >= 4) {
    switch (part) {
      case 4:
        return std::trunc((d1.days - d2.days) / 7);
      case 5:
        return d1.days - d2.days;
      case 6:
        return WholeUnits(d1, d2, 24);
      case 7:
        return WholeUnits(d1, d2, 1440);
      default:
        return WholeUnits(d1, d2, 86400);
    }
  }
  DateParts a = SplitDateTime(d1), b = SplitDateTime(d2);
  int years = a.year - b.year;
  if (part == 1) return years;
  if (part == 2) return (a.month - 1) / 3 + 4 * years - (b.month - 1) / 3;
  return 12 * years + a.month - b.month;
}

DateTime ToDateTime(const Value& v) {
  if (const auto* d = std::get_if<DateTime>(&v)) return *d;
  if (const auto* s = std::get_if<std::string>(&v)) return ToDateTime(*s);
  return DateTime{kEmptyDate};
}

std::string DateTimeToText(DateTime d, int format) {
  const DateParts p = SplitDateTime(d);
  // Made in place, then copied once (a short text then takes no memory of its own).
  char text[96];
  char* end = text;
  auto part = [&end, &text](int v, const char (&unit)[4]) {
    end = std::to_chars(end, text + sizeof text - 3, v).ptr;  // the unit always has room
    end = std::copy(unit, unit + 3, end);
  };
  format = std::clamp(format, 1, 3);
  if (format != 3) {
    part(p.year, "年");
    part(p.month, "月");
    part(p.day, "日");
    if (format == 2) return std::string(text, end);
  }
  // Format 1 shows the time of day down to its last part that is not zero; format 3 whole.
  const bool all = format == 3;
  if (all || p.hour != 0 || p.minute != 0 || p.second != 0) part(p.hour, "时");
  if (all || p.minute != 0 || p.second != 0) part(p.minute, "分");
  if (all || p.second != 0) part(p.second, "秒");
  return std::string(text, end);
}
