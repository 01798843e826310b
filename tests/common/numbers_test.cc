#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "common/text.h"

namespace {

TEST(RoundNumberTest, HalvesGoAwayFromZero) {
  struct Case {
    double v;
    int places;
    double rounded;
  } cases[] = {
      {2.675, 2, 2.68},   {-2.5, 0, -3},
      {2.5, 0, 3},        {2.4999, 0, 2},
      {1234, -2, 1200},   {1250, -2, 1300},
      {-1250, -2, -1300}, {1.005, 2, 1.01},
      {0.125, 2, 0.13},   {-0.125, 2, -0.13},
      {12.34, 1, 12.3},   {12.35, 1, 12.4},
      {0, 2, 0},          {1e15 + 0.5, 0, 1e15 + 1},
      {80, 2, 80},        {0.004, 2, 0},
      {0.005, 2, 0.01},   {149, -2, 100},
      {150, -2, 200},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(RoundNumber(c.v, c.places), c.rounded) << c.v << " " << c.places;
  }
  EXPECT_EQ(RoundNumber(7.5), 8);
}

// The scale of each number of places is the power of ten pow gives: rounding through it
// gives the same number, bit for bit, for every number of places.
TEST(RoundNumberTest, ScalesAreThePowersOfTen) {
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> amounts(-1e7, 1e7);
  for (int places = -25; places <= 25; ++places) {
    const double scale = std::pow(10.0, std::abs(places));
    for (int i = 0; i < 2000; ++i) {
      const double v = amounts(random);
      const double m = places >= 0 ? std::fabs(v) * scale : std::fabs(v) / scale;
      double whole = 0;
      const double up = std::modf(m + 1e-12, &whole) >= 0.5 ? whole + 1 : whole;
      const double expected = std::copysign(places >= 0 ? up / scale : up * scale, v);
      ASSERT_EQ(RoundNumber(v, places), expected) << v << " " << places;
    }
  }
}

TEST(RoundNumberTest, SpecialValuesPassThrough) {
  EXPECT_TRUE(std::signbit(RoundNumber(-0.0, 2)));
  EXPECT_TRUE(std::isnan(RoundNumber(std::nan(""), 2)));
  EXPECT_EQ(RoundNumber(-INFINITY, 2), -INFINITY);
  EXPECT_TRUE(std::signbit(RoundNumber(-0.001, 2)));
}

TEST(MoneyTextTest, Amounts) {
  struct Case {
    double amount;
    std::string text;
  } cases[] = {
      {10.5, "壹拾元零伍角整"},
      {100000, "壹拾万元整"},
      {1.05, "壹元零伍分"},
      {0.5, "伍角整"},
      {100001, "壹拾万零壹元整"},
      {2345.67, "贰仟叁佰肆拾伍元陆角柒分"},
      {100000000, "壹亿元整"},
      {0, "零"},
      {0.004, "零"},
      {0.005, "壹分"},
      {10, "壹拾元整"},
      {1e13, "溢出"},
      {9999999999999.99, "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
      {1234.5, "壹仟贰佰叁拾肆元伍角整"},
      {1000.5, "壹仟元零伍角整"},
      {0.01, "壹分"},
      {1.1, "壹元壹角整"},
      {2.675, "贰元陆角捌分"},
      {10000, "壹万元整"},
      {1010000, "壹佰零壹万元整"},
      {120000000, "壹亿贰仟万元整"},
      {100010000, "壹亿零壹万元整"},
      {1000000000000, "壹万亿元整"},
      {-10.5, "壹拾元零伍角整"},
  };
  for (const Case& c : cases) EXPECT_EQ(NumberToMoneyText(c.amount), c.text) << c.amount;
}

TEST(MoneyTextTest, PlainDigitsAndBadAmounts) {
  EXPECT_EQ(NumberToMoneyText(2345.67, true), "二千三百四十五元六角七分");
  EXPECT_EQ(NumberToMoneyText(100000000, true), "一亿元整");
  EXPECT_EQ(NumberToMoneyText(std::nan("")), "溢出");
  EXPECT_EQ(NumberToMoneyText(INFINITY), "溢出");
  EXPECT_EQ(NumberToMoneyText(std::numeric_limits<double>::max()), "溢出");
}

}  // namespace
