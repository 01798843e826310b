// The deduction statement, cell by cell: brought-forward balances, rentals and returns
// charged to the end of the period, the subtotal rows and the dockets the period leaves out.
#include "settlement/deduction_statement.h"

#include "tests/settlement/settlement_test_base.h"

namespace {

DateTime Day(int y, int m, int d) { return MakeDateTime(y, m, d); }

class DeductionTest : public SettlementTest {};

// 100 m out on the first day of a 30-day period, all back on its last day, rent 0.5.
TEST_F(DeductionTest, ARentalAndItsReturnChargeTheDaysBetween) {
  AddContract("甲工地", Day(2015, 1, 1), {},
              {{Day(2015, 4, 30), false, -100}, {Day(2015, 4, 1), true, 100}});
  Settle(Day(2015, 4, 1), Day(2015, 4, 30));
  Check([] {
    EXPECT_EQ(Row(1), (Cells{"品  名", "单 位", "出     库", "", "入     库", "", "单位租金",
                             "天数", "金额（元）", "累计在租量"}));
    EXPECT_EQ(Row(2), (Cells{"", "", "日 期", "数 量", "日 期", "数 量", "", "", "", ""}));
    EXPECT_EQ(Row(3),
              (Cells{"钢 管", "米", "2015年4月1日", "100", "", "", "0.5", "30", "1500", "100"}));
    EXPECT_EQ(Row(4),
              (Cells{"钢 管", "米", "", "", "2015年4月30日", "-100", "0.5", "1", "-50", "0"}));
    EXPECT_EQ(Row(5), (Cells{"钢 管 小 计：", "", "", "100", "", "-100", "", "", "1450", "0"}));
    EXPECT_EQ(Merge(5, 0), "5,0-5,2");
    for (int c = 0; c < 10; ++c) EXPECT_TRUE(Bold(5, c)) << c;
    EXPECT_FALSE(Bold(4, 0));
    EXPECT_EQ(Cell(6, 0), "租 金 小 计：1450元");
  });
  Run();
}

// Every material with a balance brought forward and a movement of the period; the sections
// follow each other without a blank row.
TEST_F(DeductionTest, EachMaterialHasItsSectionInOrder) {
  Rates rates;
  rates.pipe = 0.5f;
  rates.fastener = 0.01f;
  rates.jack = 0.1f;
  rates.beam = 0.2f;
  AddContract("乙", Day(2015, 1, 1), rates,
              {{Day(2014, 12, 20), true, 100, 200, 30, 12.5},
               {Day(2015, 1, 10), true, 50, 0, 0, 0},
               {Day(2015, 1, 21), false, 0, -40, -10, -2.5}});
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] {
    EXPECT_EQ(Row(3),
              (Cells{"钢 管", "米", "之前合计", "100", "", "", "0.5", "31", "1550", "100"}));
    EXPECT_EQ(Row(4),
              (Cells{"钢 管", "米", "2015年1月10日", "50", "", "", "0.5", "22", "550", "150"}));
    EXPECT_EQ(Row(5), (Cells{"钢 管 小 计：", "", "", "150", "", "0", "", "", "2100", "150"}));
    EXPECT_EQ(Row(6), (Cells{"扣 件", "套", "之前合计", "200", "", "", "0.01", "31", "62", "200"}));
    EXPECT_EQ(Row(7),
              (Cells{"扣 件", "套", "", "", "2015年1月21日", "-40", "0.01", "11", "-4.4", "160"}));
    EXPECT_EQ(Row(8), (Cells{"扣 件 小 计：", "", "", "200", "", "-40", "", "", "57.6", "160"}));
    EXPECT_EQ(Row(9), (Cells{"顶 托", "套", "之前合计", "30", "", "", "0.1", "31", "93", "30"}));
    EXPECT_EQ(Row(10),
              (Cells{"顶 托", "套", "", "", "2015年1月21日", "-10", "0.1", "11", "-11", "20"}));
    EXPECT_EQ(Row(11), (Cells{"顶 托 小 计：", "", "", "30", "", "-10", "", "", "82", "20"}));
    EXPECT_EQ(Row(12),
              (Cells{"工字钢", "米", "之前合计", "12.5", "", "", "0.2", "31", "77.5", "12.5"}));
    EXPECT_EQ(Row(13), (Cells{"工 字 钢", "米", "", "", "2015年1月21日", "-2.5", "0.2", "11",
                              "-5.5", "10"}));
    EXPECT_EQ(Row(14), (Cells{"工 字 钢 小 计：", "", "", "12.5", "", "-2.5", "", "", "72", "10"}));
    EXPECT_EQ(Cell(15, 0), "租 金 小 计：2311.6元");
    EXPECT_EQ(Cell(15, 8), "2311.6");
  });
  Run();
}

}  // namespace
