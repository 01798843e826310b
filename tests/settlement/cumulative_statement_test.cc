// The cumulative statement, cell by cell: each row charges the quantity on rent after its
// movement up to the day before the next row, read back from the grid as it shows it.
#include "settlement/cumulative_statement.h"

#include "tests/settlement/settlement_test_base.h"

namespace {

DateTime Day(int y, int m, int d) { return MakeDateTime(y, m, d); }

class CumulativeTest : public SettlementTest {
 protected:
  // A pipe-only contract at 0.5 a metre and day, settled cumulatively over January 2015.
  void SettlePipe(const std::vector<Docket>& dockets, DateTime start = Day(2015, 1, 1),
                  DateTime end = Day(2015, 1, 31)) {
    AddContract("丙", start, {}, dockets);
    Settle(start, end, true);
  }
};

TEST_F(CumulativeTest, TheWorkedExampleChargesEachDayOnce) {
  SettlePipe({{Day(2015, 1, 20), false, -30},
              {Day(2014, 12, 15), true, 100},
              {Day(2015, 1, 10), true, 50}});
  Check([] {
    EXPECT_EQ(Row(1), (Cells{"品  名", "单 位", "出入状态", "租退数量", "累计在租", "起租日期",
                             "结止日期", "天数", "单位租金", "金额（元）"}));
    EXPECT_EQ(Row(2), (Cells{"钢 管", "米", "出库", "之前合计", "100", "2015年1月1日",
                             "2015年1月9日", "9", "0.5", "450"}));
    EXPECT_EQ(Row(3), (Cells{"钢 管", "米", "出库", "50", "150", "2015年1月10日", "2015年1月19日",
                             "10", "0.5", "750"}));
    EXPECT_EQ(Row(4), (Cells{"钢 管", "米", "入库", "-30", "120", "2015年1月20日", "2015年1月31日",
                             "12", "0.5", "720"}));
    EXPECT_EQ(Row(5), (Cells{"钢 管 小 计", "", "", "", "120", "", "", "", "", "1920"}));
    EXPECT_EQ(Merge(5, 0), "5,0-5,3");
    for (int c = 0; c < 10; ++c) EXPECT_TRUE(Bold(5, c)) << c;
    EXPECT_EQ(Cell(6, 0), "租 金 小 计：1920元");
    EXPECT_EQ(GetGridFixedRows(W::高级表格1), 2);
  });
  Run();
}

// Which of the two comes first is the sorted copy's order; the earlier row gets no days.
TEST_F(CumulativeTest, TwoDocketsOfOneDateLeaveTheFirstWithoutDays) {
  SettlePipe({{Day(2015, 1, 10), true, 20}, {Day(2015, 1, 10), true, 30}});
  Check([] {
    const std::string first = Cell(2, 3);
    ASSERT_TRUE(first == "20" || first == "30") << first;
    const std::string second = first == "20" ? "30" : "20";
    EXPECT_EQ(Row(2), (Cells{"钢 管", "米", "出库", first, first, "2015年1月10日", "2015年1月9日",
                             "0", "0.5", "0"}));
    EXPECT_EQ(Row(3), (Cells{"钢 管", "米", "出库", second, "50", "2015年1月10日", "2015年1月31日",
                             "22", "0.5", "550"}));
    EXPECT_EQ(Cell(4, 9), "550");
  });
  Run();
}

TEST_F(CumulativeTest, ADocketOnTheStartDayEndsTheBalanceBroughtForwardUncharged) {
  SettlePipe(
      {{Day(2014, 12, 1), true, 10}, {Day(2015, 1, 1), true, 5}, {Day(2015, 1, 31), false, -15}});
  Check([] {
    EXPECT_EQ(Row(2), (Cells{"钢 管", "米", "出库", "之前合计", "10", "2015年1月1日",
                             "2014年12月31日", "0", "0.5", "0"}));
    EXPECT_EQ(Row(3), (Cells{"钢 管", "米", "出库", "5", "15", "2015年1月1日", "2015年1月30日",
                             "30", "0.5", "225"}));
    EXPECT_EQ(Row(4), (Cells{"钢 管", "米", "入库", "-15", "0", "2015年1月31日", "2015年1月31日",
                             "1", "0.5", "0"}));
    EXPECT_EQ(Row(5), (Cells{"钢 管 小 计", "", "", "", "0", "", "", "", "", "225"}));
  });
  Run();
}

TEST_F(CumulativeTest, OnlyABalanceGivesOneRowOverThePeriod) {
  SettlePipe({{Day(2014, 11, 3), true, 10.125}});
  Check([] {
    EXPECT_EQ(Row(2), (Cells{"钢 管", "米", "出库", "之前合计", "10.125", "2015年1月1日",
                             "2015年1月31日", "31", "0.5", "156.94"}));
    EXPECT_EQ(Row(3), (Cells{"钢 管 小 计", "", "", "", "10.13", "", "", "", "", "156.94"}));
    EXPECT_EQ(Cell(4, 0), "租 金 小 计：156.94元");
  });
  Run();
}

// The quantity on rent is charged as column 4 shows it: 10.125 shows and counts as 10.13.
TEST_F(CumulativeTest, AMovementIsChargedOnItsRoundedBalance) {
  SettlePipe({{Day(2015, 1, 22), true, 10.125}});
  Check([] {
    EXPECT_EQ(Row(2), (Cells{"钢 管", "米", "出库", "10.125", "10.13", "2015年1月22日",
                             "2015年1月31日", "10", "0.5", "50.65"}));
  });
  Run();
}

TEST_F(CumulativeTest, ANegativeBalanceBroughtForwardIsLeftOut) {
  SettlePipe({{Day(2014, 12, 1), false, -20}, {Day(2015, 1, 22), true, 10}});
  Check([] {
    EXPECT_EQ(Row(2), (Cells{"钢 管", "米", "出库", "10", "10", "2015年1月22日", "2015年1月31日",
                             "10", "0.5", "50"}));
    EXPECT_EQ(Row(3), (Cells{"钢 管 小 计", "", "", "", "10", "", "", "", "", "50"}));
  });
  Run();
}

TEST_F(CumulativeTest, AReturnBelowZeroChargesNegativeRent) {
  SettlePipe({{Day(2015, 1, 22), false, -10}});
  Check([] {
    EXPECT_EQ(Row(2), (Cells{"钢 管", "米", "入库", "-10", "-10", "2015年1月22日", "2015年1月31日",
                             "10", "0.5", "-50"}));
    EXPECT_EQ(Cell(4, 0), "租 金 小 计：-50元");
  });
  Run();
}

// A start date with a time of day shows it and counts the first day short.
TEST_F(CumulativeTest, AStartWithATimeOfDayCountsOneDayFewer) {
  const DateTime start = MakeDateTime(2015, 3, 1, 12, 30, 25);
  SettlePipe({{Day(2015, 2, 1), true, 10}, {Day(2015, 3, 10), true, 10}}, start, Day(2015, 3, 31));
  Check([] {
    EXPECT_EQ(Row(2), (Cells{"钢 管", "米", "出库", "之前合计", "10", "2015年3月1日12时30分25秒",
                             "2015年3月9日", "8", "0.5", "40"}));
    EXPECT_EQ(Row(3), (Cells{"钢 管", "米", "出库", "10", "20", "2015年3月10日", "2015年3月31日",
                             "22", "0.5", "220"}));
    EXPECT_EQ(Cell(0, 5), "结算日期：2015年3月1日至2015年3月31日");
  });
  Run();
}

// Each material has its own section; a material nothing moves writes no row.
TEST_F(CumulativeTest, TheSectionsFollowEachOtherInMaterialOrder) {
  Rates rates;
  rates.fastener = 0.02f;
  rates.beam = 1.5f;
  AddContract("丁", Day(2015, 1, 1), rates,
              {{Day(2015, 1, 31), true, 0, 100, 0, 4}, {Day(2015, 2, 1), true, 7}});
  Settle(Day(2015, 1, 1), Day(2015, 1, 31), true);
  Check([] {
    EXPECT_EQ(Row(2), (Cells{"扣 件", "套", "出库", "100", "100", "2015年1月31日", "2015年1月31日",
                             "1", "0.02", "2"}));
    EXPECT_EQ(Row(3), (Cells{"扣 件 小 计", "", "", "", "100", "", "", "", "", "2"}));
    EXPECT_EQ(Row(4), (Cells{"工字钢", "米", "出库", "4", "4", "2015年1月31日", "2015年1月31日",
                             "1", "1.5", "6"}));
    EXPECT_EQ(Row(5), (Cells{"工字钢 小 计", "", "", "", "4", "", "", "", "", "6"}));
    EXPECT_EQ(Cell(6, 0), "租 金 小 计：8元");
  });
  Run();
}

}  // namespace
