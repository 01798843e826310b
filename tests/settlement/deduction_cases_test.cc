// The deduction statement's edge cases, as a table: which dockets give rows, the days each
// row is charged, and what the subtotal row adds up.
#include "tests/settlement/settlement_test_base.h"

namespace {

DateTime Day(int y, int m, int d) { return MakeDateTime(y, m, d); }

struct Case {
  const char* what;
  std::vector<Docket> dockets;
  DateTime start, end;
  std::vector<Cells> rows;  // from row 3 on, up to the rent subtotal row
  const char* rent_subtotal;
  Rates rates = {};
};

const Case kCases[] = {
    {"a docket on the end day is charged one day; one after it is left out",
     {{Day(2015, 1, 31), true, 10}, {Day(2015, 2, 1), true, 99}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"钢 管", "米", "2015年1月31日", "10", "", "", "0.5", "1", "5", "10"},
      {"钢 管 小 计：", "", "", "10", "", "0", "", "", "5", "10"}},
     "租 金 小 计：5元"},
    {"a docket on the start day is charged every day of the period",
     {{Day(2015, 1, 1), true, 10}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"钢 管", "米", "2015年1月1日", "10", "", "", "0.5", "31", "155", "10"},
      {"钢 管 小 计：", "", "", "10", "", "0", "", "", "155", "10"}},
     "租 金 小 计：155元"},
    {"a material a docket does not move gives no row in its section",
     {{Day(2015, 1, 31), true, 0, 100}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"扣 件", "套", "2015年1月31日", "100", "", "", "0.01", "1", "1", "100"},
      {"扣 件 小 计：", "", "", "100", "", "0", "", "", "1", "100"}},
     "租 金 小 计：1元"},
    {"a negative balance writes no row but enters the out total",
     {{Day(2014, 12, 1), false, -20}, {Day(2015, 1, 31), true, 30}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"钢 管", "米", "2015年1月31日", "30", "", "", "0.5", "1", "15", "30"},
      {"钢 管 小 计：", "", "", "10", "", "0", "", "", "15", "30"}},
     "租 金 小 计：15元"},
    {"a negative balance without movements writes nothing",
     {{Day(2014, 12, 1), false, -20}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {},
     "租 金 小 计：0元"},
    {"a start with a time of day counts the balance one day short",
     {{Day(2015, 2, 1), true, 10}},
     MakeDateTime(2015, 3, 1, 12, 30, 25),
     Day(2015, 3, 31),
     {{"钢 管", "米", "之前合计", "10", "", "", "0.5", "30", "150", "10"},
      {"钢 管 小 计：", "", "", "10", "", "0", "", "", "150", "10"}},
     "租 金 小 计：150元"},
    {"the subtotal rounds the sum of the unrounded amounts",
     {{Day(2015, 1, 31), true, 0.25}, {Day(2015, 1, 31), true, 0.25}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"钢 管", "米", "2015年1月31日", "0.25", "", "", "0.5", "1", "0.13", "0.25"},
      {"钢 管", "米", "2015年1月31日", "0.25", "", "", "0.5", "1", "0.13", "0.5"},
      {"钢 管 小 计：", "", "", "0.5", "", "0", "", "", "0.25", "0.5"}},
     "租 金 小 计：0.25元"},
    {"a return of a material without rent is charged 0, never -0",
     {{Day(2014, 12, 1), true, 10}, {Day(2015, 1, 31), false, -10}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"钢 管", "米", "之前合计", "10", "", "", "0", "31", "0", "10"},
      {"钢 管", "米", "", "", "2015年1月31日", "-10", "0", "1", "0", "0"},
      {"钢 管 小 计：", "", "", "10", "", "-10", "", "", "0", "0"}},
     "租 金 小 计：0元",
     {0.0f}},
};

class DeductionCaseTest : public SettlementTest, public ::testing::WithParamInterface<Case> {};

TEST_P(DeductionCaseTest, RowsAsTheMethodCharges) {
  const Case& c = GetParam();
  AddContract("甲", c.start, c.rates, c.dockets);
  Settle(c.start, c.end);
  Check([&c] {
    int row = 3;
    for (const Cells& expected : c.rows) EXPECT_EQ(Row(row++), expected) << "row " << row - 1;
    EXPECT_EQ(Cell(row, 0), c.rent_subtotal);
  });
  Run();
}

INSTANTIATE_TEST_SUITE_P(Cases, DeductionCaseTest, ::testing::ValuesIn(kCases));

// With start and end on one day, a start after midnight gives a difference of less than
// one day below zero; the whole part of that plus one is 0, so the balance is charged nothing.
TEST_F(SettlementTest, ABalanceFromALateStartOnTheEndDayIsChargedNoDay) {
  script_.SetNow(MakeDateTime(2024, 5, 6, 23, 0, 0));
  const DateTime start = MakeDateTime(2015, 3, 1, 12, 30, 25);
  AddContract("甲", start, {}, {{Day(2015, 2, 1), true, 10}});
  Settle(start, Day(2015, 3, 1));
  Check([] {
    EXPECT_EQ(Row(3), (Cells{"钢 管", "米", "之前合计", "10", "", "", "0.5", "0", "0", "10"}));
  });
  Run();
}

// When the sorted copy cannot be made the run says so twice and goes on with the dockets
// in stored order; nothing is left behind but what it could not make.
TEST_F(SettlementTest, AFailedSortIsReportedAndTheRunGoesOn) {
  std::filesystem::create_directory(RunPath("出租单临时数据.rdb"));
  AddContract("甲", Day(2015, 1, 1), {},
              {{Day(2015, 1, 31), true, 10}, {Day(2015, 1, 1), true, 20}});
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Expect("结算窗口按钮1排序数据库失败");
  Expect("结算窗口按钮1打开数据库失败");
  Check([] {
    EXPECT_EQ(Cell(3, 2), "2015年1月31日");
    EXPECT_EQ(Cell(4, 2), "2015年1月1日");
    EXPECT_EQ(Cell(5, 8), "315");
  });
  Run();
  EXPECT_FALSE(FileExists(RunPath("出租数据.rdb")));
}

}  // namespace
