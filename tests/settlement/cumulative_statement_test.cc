// The cumulative statement, cell by cell: each row charges the quantity on rent after its
// movement up to the day before the next row, read back from the grid as it shows it.
#include "settlement/cumulative_statement.h"

#include "tests/settlement/settlement_test_base.h"

namespace {

DateTime Day(int y, int m, int d) { return MakeDateTime(y, m, d); }

const char* const kJanuary = "结算日期：2015年1月1日至2015年1月31日";

// A contract settled cumulatively (pipe at 0.5 a metre and day unless the rates say
// otherwise), the statement rows from row 2 on and the rent subtotal row below them.
struct Case {
  const char* what;
  Rates rates;
  std::vector<Docket> dockets;
  DateTime start, end;
  std::vector<Cells> rows;  // the last one is the last section's subtotal row
  const char* rent_subtotal;
  const char* title;  // cell (0, 5)
};

const Case kCases[] = {
    {"the worked example charges each day once",
     {},
     {{Day(2015, 1, 20), false, -30}, {Day(2014, 12, 15), true, 100}, {Day(2015, 1, 10), true, 50}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"钢 管", "米", "出库", "之前合计", "100", "2015年1月1日", "2015年1月9日", "9", "0.5", "450"},
      {"钢 管", "米", "出库", "50", "150", "2015年1月10日", "2015年1月19日", "10", "0.5", "750"},
      {"钢 管", "米", "入库", "-30", "120", "2015年1月20日", "2015年1月31日", "12", "0.5", "720"},
      {"钢 管 小 计", "", "", "", "120", "", "", "", "", "1920"}},
     "租 金 小 计：1920元",
     kJanuary},
    {"a docket on the start day ends the balance brought forward uncharged",
     {},
     {{Day(2014, 12, 1), true, 10}, {Day(2015, 1, 1), true, 5}, {Day(2015, 1, 31), false, -15}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"钢 管", "米", "出库", "之前合计", "10", "2015年1月1日", "2014年12月31日", "0", "0.5", "0"},
      {"钢 管", "米", "出库", "5", "15", "2015年1月1日", "2015年1月30日", "30", "0.5", "225"},
      {"钢 管", "米", "入库", "-15", "0", "2015年1月31日", "2015年1月31日", "1", "0.5", "0"},
      {"钢 管 小 计", "", "", "", "0", "", "", "", "", "225"}},
     "租 金 小 计：225元",
     kJanuary},
    {"only a balance gives one row over the period, charged with all its digits",
     {},
     {{Day(2014, 11, 3), true, 10.125}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"钢 管", "米", "出库", "之前合计", "10.125", "2015年1月1日", "2015年1月31日", "31", "0.5",
       "156.94"},
      {"钢 管 小 计", "", "", "", "10.13", "", "", "", "", "156.94"}},
     "租 金 小 计：156.94元",
     kJanuary},
    // The quantity on rent is charged as column 4 shows it: 10.125 shows and counts as 10.13.
    {"a movement is charged on its rounded balance",
     {},
     {{Day(2015, 1, 22), true, 10.125}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"钢 管", "米", "出库", "10.125", "10.13", "2015年1月22日", "2015年1月31日", "10", "0.5",
       "50.65"},
      {"钢 管 小 计", "", "", "", "10.13", "", "", "", "", "50.65"}},
     "租 金 小 计：50.65元",
     kJanuary},
    {"a negative balance brought forward is left out",
     {},
     {{Day(2014, 12, 1), false, -20}, {Day(2015, 1, 22), true, 10}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"钢 管", "米", "出库", "10", "10", "2015年1月22日", "2015年1月31日", "10", "0.5", "50"},
      {"钢 管 小 计", "", "", "", "10", "", "", "", "", "50"}},
     "租 金 小 计：50元",
     kJanuary},
    {"a return below zero charges negative rent",
     {},
     {{Day(2015, 1, 22), false, -10}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"钢 管", "米", "入库", "-10", "-10", "2015年1月22日", "2015年1月31日", "10", "0.5", "-50"},
      {"钢 管 小 计", "", "", "", "-10", "", "", "", "", "-50"}},
     "租 金 小 计：-50元",
     kJanuary},
    // The title shows the days only.
    {"a start with a time of day shows it and counts the first row one day fewer",
     {},
     {{Day(2015, 2, 1), true, 10}, {Day(2015, 3, 10), true, 10}},
     MakeDateTime(2015, 3, 1, 12, 30, 25),
     Day(2015, 3, 31),
     {{"钢 管", "米", "出库", "之前合计", "10", "2015年3月1日12时30分25秒", "2015年3月9日", "8",
       "0.5", "40"},
      {"钢 管", "米", "出库", "10", "20", "2015年3月10日", "2015年3月31日", "22", "0.5", "220"},
      {"钢 管 小 计", "", "", "", "20", "", "", "", "", "260"}},
     "租 金 小 计：260元",
     "结算日期：2015年3月1日至2015年3月31日"},
    // Each material has its own section; a material nothing moves writes no row.
    {"the sections follow each other in material order",
     {0.5f, 0.02f, 0.1f, 1.5f},
     {{Day(2015, 1, 31), true, 0, 100, 0, 4}, {Day(2015, 2, 1), true, 7}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     {{"扣 件", "套", "出库", "100", "100", "2015年1月31日", "2015年1月31日", "1", "0.02", "2"},
      {"扣 件 小 计", "", "", "", "100", "", "", "", "", "2"},
      {"工字钢", "米", "出库", "4", "4", "2015年1月31日", "2015年1月31日", "1", "1.5", "6"},
      {"工字钢 小 计", "", "", "", "4", "", "", "", "", "6"}},
     "租 金 小 计：8元",
     kJanuary},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

class CumulativeTest : public SettlementTest {
 protected:
  // The contract 丙 with these dockets, settled cumulatively from its start to end.
  void SettleCumulatively(const std::vector<Docket>& dockets, DateTime start, DateTime end,
                          const Rates& rates = {}) {
    AddContract("丙", start, rates, dockets);
    Settle(start, end, true);
  }
};

class CumulativeCaseTest : public CumulativeTest, public ::testing::WithParamInterface<Case> {};

TEST_P(CumulativeCaseTest, RowsAsTheMethodCharges) {
  const Case& c = GetParam();
  SettleCumulatively(c.dockets, c.start, c.end, c.rates);
  Check([&c] {
    int row = 2;
    for (const Cells& expected : c.rows) EXPECT_EQ(Row(row++), expected) << "row " << row - 1;
    // Each section's subtotal row is bold, its label over columns 0-3.
    const int subtotal = row - 1;
    EXPECT_EQ(Merge(subtotal, 0),
              std::to_string(subtotal) + ",0-" + std::to_string(subtotal) + ",3");
    for (int col = 0; col < 10; ++col) EXPECT_TRUE(Bold(subtotal, col)) << col;
    EXPECT_FALSE(Bold(subtotal - 1, 0));
    EXPECT_EQ(Cell(row, 0), c.rent_subtotal);
    EXPECT_EQ(Cell(0, 5), c.title);
  });
  Run();
}

INSTANTIATE_TEST_SUITE_P(Cases, CumulativeCaseTest, ::testing::ValuesIn(kCases));

TEST_F(CumulativeTest, OneHeaderRowAboveTheSections) {
  SettleCumulatively({{Day(2015, 1, 10), true, 50}}, Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] {
    EXPECT_EQ(Row(1), (Cells{"品  名", "单 位", "出入状态", "租退数量", "累计在租", "起租日期",
                             "结止日期", "天数", "单位租金", "金额（元）"}));
    EXPECT_EQ(GetGridFixedRows(W::高级表格1), 2);
  });
  Run();
}

// Which of the two comes first is the sorted copy's order; the earlier row gets no days.
TEST_F(CumulativeTest, TwoDocketsOfOneDateLeaveTheFirstWithoutDays) {
  SettleCumulatively({{Day(2015, 1, 10), true, 20}, {Day(2015, 1, 10), true, 30}}, Day(2015, 1, 1),
                     Day(2015, 1, 31));
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

}  // namespace
