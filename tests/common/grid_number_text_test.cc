// Numbers written into grid cells show as printf's "%.13g" (doubles) and "%.6g" (floats) do,
// byte for byte, although the cells make their text without printf; only a zero never shows
// a sign ("0", not "-0").
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "common/grid/grid_model.h"

namespace {

std::string Printf(const char* format, double v) {
  if (v == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, format, v);
  return buf;
}

std::string CellTextOf(const Value& v) {
  GridModel g(2, 2, GridFont{});
  EXPECT_TRUE(g.SetCellData(1, 1, 1, v));
  return g.CellText(1, 1);
}

TEST(GridNumberText, DoublesAndFloatsShowAsPrintfWritesThem) {
  const double inf = std::numeric_limits<double>::infinity();
  const double doubles[] = {0.0,
                            -0.0,
                            0.1 + 0.2,
                            1234.5,
                            30.0,
                            12.50,
                            -5.5,
                            1e15,
                            1e16,
                            123456789012345.0,
                            1e-5,
                            0.0001,
                            1.0 / 3,
                            2.675 * 100,
                            -1e-300,
                            5e-324,
                            1.7976931348623157e308,
                            inf,
                            -inf,
                            9999999999999.5,
                            0.00012345678901234};
  for (double d : doubles) EXPECT_EQ(CellTextOf(d), Printf("%.13g", d)) << d;
  const float floats[] = {0.1f,       0.012f, 0.008f, 1.2345678f,   100000.0f,
                          1234567.0f, 1e-7f,  -0.0f,  3.4028235e38f};
  for (float f : floats) {
    EXPECT_EQ(CellTextOf(f), Printf("%.6g", static_cast<double>(f))) << f;
  }
  EXPECT_EQ(CellTextOf(std::nan("")).find("nan") != std::string::npos, true);
}

TEST(GridNumberText, RandomBitPatternsShowAsPrintfWritesThem) {
  std::mt19937_64 random(12);
  for (int i = 0; i < 20000; ++i) {
    const uint64_t bits = random();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isnan(d)) continue;
    ASSERT_EQ(CellTextOf(d), Printf("%.13g", d)) << bits;
    float f;
    const uint32_t low = static_cast<uint32_t>(bits);
    std::memcpy(&f, &low, sizeof f);
    if (std::isnan(f)) continue;
    ASSERT_EQ(CellTextOf(f), Printf("%.6g", static_cast<double>(f))) << low;
  }
  // Amounts as statements write them: two decimal places, up to ten million.
  std::uniform_real_distribution<double> yuan(0, 1e7);
  for (int i = 0; i < 20000; ++i) {
    const double amount = std::round(yuan(random) * 100) / 100;
    ASSERT_EQ(CellTextOf(amount), Printf("%.13g", amount)) << amount;
  }
}

// Whole hundredths are written without printf: at the ends of their range, negative, a step
// of the last bit either side of them, and whole numbers, they still show as printf does.
TEST(GridNumberText, HundredthsAndTheirNeighboursShowAsPrintfWritesThem) {
  std::mt19937_64 random(7);
  std::vector<double> values = {0.01, 0.05, 0.1, 0.5, 0.99, 1.0, 1.01, 10.1, 100.001, 0.015, 0.005};
  // Near the end of the range of whole hundredths, and past it.
  for (double v : {99999999999.99, 1e11, 1e11 - 0.01, 1e11 + 0.01, 12345678901.23, 2147483647.0,
                   5e10 + 0.07, 1e13, 1e12 + 0.5}) {
    values.push_back(v);
  }
  std::uniform_int_distribution<long long> cents(-10'000'000'000'000LL, 10'000'000'000'000LL);
  std::uniform_int_distribution<int> small(-100000, 100000);
  for (int i = 0; i < 20000; ++i) {
    values.push_back(static_cast<double>(cents(random)) / 100);
    values.push_back(static_cast<double>(small(random)) / 100);
  }
  for (const double v : values) {
    for (const double d : {v, -v, std::nextafter(v, 0.0), std::nextafter(v, 1e300),
                           std::nextafter(-v, 0.0), std::nextafter(-v, -1e300)}) {
      ASSERT_EQ(CellTextOf(d), Printf("%.13g", d)) << d;
    }
  }
}

}  // namespace
