#include "common/dates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/text.h"
#include "tests/common/fake_platform.h"

namespace {

DateTime Day(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
  return MakeDateTime(y, m, d, h, mi, s);
}

TEST(DateTimeTest, KnownDays) {
  EXPECT_EQ(Day(1899, 12, 30).days, 0);
  EXPECT_EQ(Day(1900, 1, 1).days, 2);
  EXPECT_EQ(Day(2014, 1, 5).days, 41644);
  EXPECT_EQ(Day(100, 1, 1).days, kEmptyDate);
  EXPECT_EQ(Day(9999, 12, 31).days, kLastDate);
  EXPECT_DOUBLE_EQ(Day(2014, 1, 5, 12).days, 41644.5);
  EXPECT_EQ(Day(2014, 13, 1).days, Day(2015, 1, 1).days);
  EXPECT_EQ(Day(2014, 2, 29).days, Day(2014, 3, 1).days);
}

TEST(DateTimeTest, SplitsToTheNearestSecondInTheValidRange) {
  struct Case {
    double days;
    DateParts parts;
  } cases[] = {
      {41644.5, {2014, 1, 5, 12, 0, 0}},
      {41644 + 45025.4 / 86400, {2014, 1, 5, 12, 30, 25}},
      {41644 + 86399.6 / 86400, {2014, 1, 6, 0, 0, 0}},
      {-1, {1899, 12, 29, 0, 0, 0}},
      {-1e9, {100, 1, 1, 0, 0, 0}},
      {NAN, {100, 1, 1, 0, 0, 0}},
      {1e9, {9999, 12, 31, 0, 0, 0}},
      {Day(2000, 2, 29).days, {2000, 2, 29, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    DateParts p = SplitDateTime(DateTime{c.days});
    EXPECT_EQ(p.year, c.parts.year) << c.days;
    EXPECT_EQ(p.month, c.parts.month) << c.days;
    EXPECT_EQ(p.day, c.parts.day) << c.days;
    EXPECT_EQ(p.hour, c.parts.hour) << c.days;
    EXPECT_EQ(p.minute, c.parts.minute) << c.days;
    EXPECT_EQ(p.second, c.parts.second) << c.days;
  }
}

TEST(DateTimeTest, DatePartAndYear) {
  EXPECT_EQ(GetDatePart(Day(2014, 1, 5, 23, 59, 59)), Day(2014, 1, 5));
  EXPECT_EQ(GetDatePart(DateTime{41644 + 86399.6 / 86400}), Day(2014, 1, 6));
  EXPECT_EQ(GetYear(Day(2014, 12, 31, 12)), 2014);
  EXPECT_EQ(GetYear(DateTime{kEmptyDate}), 100);
}

TEST(DateTimeTest, Text) {
  struct Case {
    DateTime d;
    int format;
    std::string text;
  } cases[] = {
      {Day(2015, 10, 7, 12, 30, 25), 1, "2015年10月7日12时30分25秒"},
      {Day(2015, 10, 7, 12, 30, 0), 1, "2015年10月7日12时30分"},
      {Day(2015, 10, 7, 9, 0, 0), 1, "2015年10月7日9时"},
      {Day(2015, 10, 7), 1, "2015年10月7日"},
      {Day(2014, 1, 5, 12, 0, 0), 1, "2014年1月5日12时"},
      {Day(2014, 1, 5, 12, 0, 30), 1, "2014年1月5日12时0分30秒"},
      {Day(2014, 1, 5, 0, 0, 30), 1, "2014年1月5日0时0分30秒"},
      {Day(2014, 1, 5, 8, 5, 3), 2, "2014年1月5日"},
      {Day(2014, 1, 5, 8, 5, 3), 3, "8时5分3秒"},
      {Day(2014, 1, 5, 8, 5, 3), 9, "8时5分3秒"},
      {Day(2014, 1, 5, 8, 5, 3), 0, "2014年1月5日8时5分3秒"},
      {DateTime{kEmptyDate}, 1, "100年1月1日"},
  };
  for (const Case& c : cases) EXPECT_EQ(DateTimeToText(c.d, c.format), c.text) << c.text;
  EXPECT_EQ(ToText(Day(2014, 1, 5, 12)), "2014年1月5日12时");
  EXPECT_EQ(ToText(Value{Day(2014, 1, 5)}), "2014年1月5日");
}

TEST(DateParseTest, Texts) {
  struct Case {
    std::string text;
    DateTime d;
  } cases[] = {
      {"2014年1月5日", Day(2014, 1, 5)},
      {"2014-1-5", Day(2014, 1, 5)},
      {"2014/01/05 8:30:00", Day(2014, 1, 5, 8, 30)},
      {"2014.1.5", Day(2014, 1, 5)},
      {"2014:1:5", Day(2014, 1, 5)},
      {"２０１４年１月５日", Day(2014, 1, 5)},
      {"２０１４－０１－０５", Day(2014, 1, 5)},
      {"2014年1月5日12时30分25秒", Day(2014, 1, 5, 12, 30, 25)},
      {"2014年1月5日12时30分", Day(2014, 1, 5, 12, 30)},
      {"2014年1月5日12时", Day(2014, 1, 5, 12)},
      {"2014年1月5日 8:30", Day(2014, 1, 5, 8, 30)},
      {"2014-1-5 23:59:59", Day(2014, 1, 5, 23, 59, 59)},
      {"2000年2月29日", Day(2000, 2, 29)},
      {" 2014-1-5 ", Day(2014, 1, 5)},
  };
  for (const Case& c : cases) EXPECT_EQ(ToDateTime(c.text), c.d) << c.text;
}

TEST(DateParseTest, BadTextsGiveTheEmptyDate) {
  const char* texts[] = {
      "2014年2月30日",
      "2014年13月1日",
      "2014年0月1日",
      "2014-1-5 24:00:00",
      "2014-1-5 8:60",
      "2014-1-5 8:30:60",
      "1900年2月29日",
      "",
      "abc",
      "2014",
      "2014年1月",
      "2014年1月5日x",
      "2014年123月5日",
      "2014-1-5 8:30:00:00",
      "99-1-5",
      "10000-1-1",
      "2014--1-5",
  };
  for (const char* t : texts) EXPECT_EQ(ToDateTime(std::string(t)).days, kEmptyDate) << t;
  EXPECT_EQ(ToDateTime(Value{int32_t{5}}).days, kEmptyDate);
  EXPECT_EQ(ToDateTime(Value{Day(2014, 1, 5, 8)}), Day(2014, 1, 5, 8));
  EXPECT_EQ(ToDateTime(Value{std::string("2014-1-5")}), Day(2014, 1, 5));
}

TEST(DateParseTest, ReadsBackWhatTextWrites) {
  DateTime days[] = {Day(2015, 10, 7, 12, 30, 25), Day(2015, 10, 7, 12, 30), Day(2015, 10, 7, 9),
                     Day(2015, 10, 7), Day(2014, 1, 5, 0, 0, 30)};
  for (DateTime d : days) EXPECT_EQ(ToDateTime(ToText(d)), d) << ToText(d);
}

TEST(DateDifferenceTest, Parts) {
  DateTime a = Day(2014, 1, 5), b = Day(2014, 1, 1);
  EXPECT_EQ(DateTimeDifference(a, b, 5), 4);
  EXPECT_EQ(std::trunc(DateTimeDifference(GetDatePart(a), b, 5) + 1), 5);
  EXPECT_DOUBLE_EQ(DateTimeDifference(Day(2014, 1, 5, 12), b, 5), 4.5);
  EXPECT_EQ(DateTimeDifference(b, a, 5), -4);
  EXPECT_EQ(DateTimeDifference(Day(2015, 1, 1), Day(2014, 12, 31), 1), 1);
  EXPECT_EQ(DateTimeDifference(Day(2015, 2, 1), Day(2014, 12, 31), 2), 1);
  EXPECT_EQ(DateTimeDifference(Day(2015, 4, 1), Day(2014, 1, 1), 2), 5);
  EXPECT_EQ(DateTimeDifference(Day(2015, 2, 1), Day(2014, 12, 31), 3), 2);
  EXPECT_EQ(DateTimeDifference(Day(2014, 1, 15), b, 4), 2);
  EXPECT_EQ(DateTimeDifference(Day(2014, 1, 1, 10, 30), b, 6), 10);
  EXPECT_EQ(DateTimeDifference(Day(2014, 1, 1, 10, 30), b, 7), 630);
  EXPECT_EQ(DateTimeDifference(Day(2014, 1, 1, 0, 0, 7), b, 8), 7);
  EXPECT_EQ(DateTimeDifference(Day(2014, 1, 1, 0, 0, 7), b, 99), 7);
  EXPECT_EQ(DateTimeDifference(Day(2016, 1, 1), b, -3), 2);
}

TEST(DateAddTest, Parts) {
  DateTime d = Day(2014, 1, 31, 8, 30);
  EXPECT_EQ(AddToDateTime(d, 5, 3), Day(2014, 2, 3, 8, 30));
  EXPECT_EQ(AddToDateTime(d, 5, -31), Day(2013, 12, 31, 8, 30));
  EXPECT_EQ(AddToDateTime(d, 3, 1), Day(2014, 2, 28, 8, 30));
  EXPECT_EQ(AddToDateTime(d, 3, -2), Day(2013, 11, 30, 8, 30));
  EXPECT_EQ(AddToDateTime(d, 2, 1), Day(2014, 4, 30, 8, 30));
  EXPECT_EQ(AddToDateTime(Day(2012, 2, 29), 1, 1), Day(2013, 2, 28));
  EXPECT_EQ(AddToDateTime(d, 4, 1), Day(2014, 2, 7, 8, 30));
  EXPECT_DOUBLE_EQ(AddToDateTime(d, 6, 2).days, Day(2014, 1, 31, 10, 30).days);
  EXPECT_DOUBLE_EQ(AddToDateTime(d, 7, 30).days, Day(2014, 1, 31, 9, 0).days);
  EXPECT_DOUBLE_EQ(AddToDateTime(d, 8, 60).days, Day(2014, 1, 31, 8, 31).days);
}

TEST(CurrentDateTimeTest, ComesFromThePlatformClock) {
  FakePlatform platform;
  platform.now = Day(2015, 10, 7, 12, 30, 25);
  EXPECT_EQ(GetCurrentDateTime(), Day(2015, 10, 7, 12, 30, 25));
  EXPECT_EQ(ToText(GetDatePart(GetCurrentDateTime())), "2015年10月7日");
}

}  // namespace
