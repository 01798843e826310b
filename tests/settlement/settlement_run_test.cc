// The settlement run: the period check, the title row, the rent subtotal, the two charges,
// the amount due in figures and capitals, the footer, the grid's final size and fonts, the
// messages of the failures and the working files it removes.
#include "common/message_box.h"
#include "tests/settlement/settlement_test_base.h"

namespace {

DateTime Day(int y, int m, int d) { return MakeDateTime(y, m, d); }

const std::string kSignature = std::string(20, ' ') + "承租方签收：" + std::string(25, ' ') +
                               "签收日期：" + std::string(29, ' ') + "租赁方：";
const std::string kFooter = "制表：王会计" + kSignature + "宏达租赁站";

// 100 m of pipe out on 2015-01-01 at the default rent of 0.5: 1550 over January.
const Docket kPipeOnNewYear = {Day(2015, 1, 1), true, 100};

class SettlementRunTest : public SettlementTest {
 protected:
  void SetUp() override {
    SettlementTest::SetUp();
    WriteSettings("王会计", "宏达租赁站");
  }
  void AddPipeContract() { AddContract("甲", Day(2015, 1, 1), {}, {kPipeOnNewYear}); }
};

// A contract settled by the deduction method, the charge boxes ticked or not, and the rows
// the run appends below the statement: columns 0, 1 and 8 of each, down to the grid's end.
struct ClosingCase {
  const char* what;
  Rates rates;
  std::vector<Docket> dockets;
  DateTime start, end;
  bool screws, wash;
  const char* clerk;
  int first_row;  // the rent subtotal's row
  std::vector<Cells> rows;
};

// Rent 1563.3 (pipe 1550; fasteners 50 x 0.01 x 27 days - 20 x 0.01 x 1 day), screws 3 + 2
// inside the period at 0.5, the 20 returned fasteners of the period washed at 0.3.
const std::vector<Docket> kWithCharges = {kPipeOnNewYear,
                                          {Day(2015, 1, 5), true, 0, 50, 0, 0, 3},
                                          {Day(2015, 1, 31), false, 0, -20, 0, 0, -2},
                                          {Day(2014, 12, 31), true, 0, 0, 0, 0, 7},
                                          {Day(2015, 2, 1), false, 0, -30, 0, 0, 9}};

const ClosingCase kClosingCases[] = {
    {"without charges: subtotal, amount due, capitals, footer",
     {},
     {kPipeOnNewYear},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     false,
     false,
     "王会计",
     5,
     {{"租 金 小 计：1550元", "", "1550"},
      {"本次应收合计：1550元", "", ""},
      {"合计金额大写", "壹仟伍佰伍拾元整", ""},
      {kFooter, "", ""}}},
    {"a checked charge of zero writes no row",
     {},
     {kPipeOnNewYear},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     true,
     true,
     "王会计",
     5,
     {{"租 金 小 计：1550元", "", "1550"},
      {"本次应收合计：1550元", "", ""},
      {"合计金额大写", "壹仟伍佰伍拾元整", ""},
      {kFooter, "", ""}}},
    {"missing screws count both ways inside the period, only returned fasteners are washed",
     {},
     kWithCharges,
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     true,
     true,
     "王会计",
     8,
     {{"租 金 小 计：1563.3元", "", "1563.3"},
      {"缺螺丝赔偿：2.5元 = 缺螺丝总数：5套  × 螺丝赔偿单价0.5元", "", "2.5"},
      {"扣件洗油费：6元 = 扣件入库总数：20套  × 扣件洗油单价0.3元", "", "6"},
      {"本次应收合计：1571.8元", "", ""},
      {"合计金额大写", "壹仟伍佰柒拾壹元捌角整", ""},
      {kFooter, "", ""}}},
    {"each charge follows its own box",
     {},
     kWithCharges,
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     false,
     true,
     "王会计",
     8,
     {{"租 金 小 计：1563.3元", "", "1563.3"},
      {"扣件洗油费：6元 = 扣件入库总数：20套  × 扣件洗油单价0.3元", "", "6"},
      {"本次应收合计：1569.3元", "", ""},
      {"合计金额大写", "壹仟伍佰陆拾玖元叁角整", ""},
      {kFooter, "", ""}}},
    {"a negative total keeps its sign in figures only",  // -10.25 m for 10 days at 0.5
     {},
     {{Day(2015, 1, 22), false, -10.25}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     false,
     false,
     "王会计",
     5,
     {{"租 金 小 计：-51.25元", "", "-51.25"},
      {"本次应收合计：-51.25元", "", ""},
      {"合计金额大写", "伍拾壹元贰角伍分", ""},
      {kFooter, "", ""}}},
    {"a rent of 1234.5 is written without trailing zeros",  // 823 m for one day at 1.5
     {1.5f},
     {{Day(2015, 1, 1), true, 823}},
     Day(2015, 1, 1),
     Day(2015, 1, 1),
     false,
     false,
     "王会计",
     5,
     {{"租 金 小 计：1234.5元", "", "1234.5"},
      {"本次应收合计：1234.5元", "", ""},
      {"合计金额大写", "壹仟贰佰叁拾肆元伍角整", ""},
      {kFooter, "", ""}}},
    {"an end on the start day is accepted",  // the balance of 100 m for one day
     {},
     {kPipeOnNewYear},
     Day(2015, 1, 31),
     Day(2015, 1, 31),
     false,
     false,
     "王会计",
     5,
     {{"租 金 小 计：50元", "", "50"},
      {"本次应收合计：50元", "", ""},
      {"合计金额大写", "伍拾元整", ""},
      {kFooter, "", ""}}},
    // One docket returning every material: four sections of two rows (rent -0.9), both
    // charges; the 16 rows the grid is first given grow to the 17 the footer needs.
    {"the grid grows for the closing rows of a single docket",
     {},
     {{Day(2015, 1, 31), false, -1, -10, -1, -1, -4}},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     true,
     true,
     "王会计",
     11,
     {{"租 金 小 计：-0.9元", "", "-0.9"},
      {"缺螺丝赔偿：2元 = 缺螺丝总数：4套  × 螺丝赔偿单价0.5元", "", "2"},
      {"扣件洗油费：3元 = 扣件入库总数：10套  × 扣件洗油单价0.3元", "", "3"},
      {"本次应收合计：4.1元", "", ""},
      {"合计金额大写", "肆元壹角整", ""},
      {kFooter, "", ""}}},
    {"an empty clerk name leaves the blanks right after the label",
     {},
     {kPipeOnNewYear},
     Day(2015, 1, 1),
     Day(2015, 1, 31),
     false,
     false,
     "",
     5,
     {{"租 金 小 计：1550元", "", "1550"},
      {"本次应收合计：1550元", "", ""},
      {"合计金额大写", "壹仟伍佰伍拾元整", ""},
      {"制表：" + kSignature + "宏达租赁站", "", ""}}},
};

void PrintTo(const ClosingCase& c, std::ostream* os) { *os << c.what; }

class ClosingRowsTest : public SettlementRunTest,
                        public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(ClosingRowsTest, RowsBelowTheStatement) {
  const ClosingCase& c = GetParam();
  WriteSettings(c.clerk, "宏达租赁站");
  AddContract("甲", Day(2015, 1, 1), c.rates, c.dockets);
  if (c.screws) script_.Tick(W::选择框1);
  if (c.wash) script_.Tick(W::选择框2);
  Settle(c.start, c.end);
  Check([&c] {
    std::vector<Cells> rows;
    for (int r = c.first_row; r < GetGridRowCount(W::高级表格1); ++r) {
      rows.push_back({Cell(r, 0), Cell(r, 1), Cell(r, 8)});
    }
    EXPECT_EQ(rows, c.rows);
  });
  Run();
  EXPECT_TRUE(WorkingFilesGone());
}

INSTANTIATE_TEST_SUITE_P(Cases, ClosingRowsTest, ::testing::ValuesIn(kClosingCases));

TEST_F(SettlementRunTest, TheTitleRowAndTheClosingRowsAreMerged) {
  AddPipeContract();
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] {
    EXPECT_EQ(Cell(0, 0), "承租单位：甲");
    EXPECT_EQ(Cell(0, 5), "结算日期：2015年1月1日至2015年1月31日");
    EXPECT_EQ(Merge(0, 0), "0,0-0,4");
    EXPECT_EQ(Merge(0, 5), "0,5-0,9");
    EXPECT_EQ(Merge(5, 0), "5,0-5,7");
    EXPECT_EQ(Merge(6, 0), "6,0-6,9");
    EXPECT_EQ(Merge(7, 1), "7,1-7,9");
    EXPECT_EQ(Merge(8, 0), "8,0-8,9");
    EXPECT_EQ(GetGridRowCount(W::高级表格1), 9);
    EXPECT_EQ(GetGridFixedRows(W::高级表格1), 3);
  });
  Run();
}

TEST_F(SettlementRunTest, ChargeRowsAreMergedUpToTheirFigure) {
  AddContract("甲", Day(2015, 1, 1), {}, kWithCharges);
  script_.Tick(W::选择框1).Tick(W::选择框2);
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] {
    EXPECT_EQ(Merge(9, 0), "9,0-9,7");
    EXPECT_EQ(Merge(10, 0), "10,0-10,7");
  });
  Run();
}

TEST_F(SettlementRunTest, TheSignatureTextIs104Bytes) { EXPECT_EQ(GetTextLength(kSignature), 104); }

TEST_F(SettlementRunTest, TheBodyIsCentredTheFontSetAndTheClosingRowsLeftAlone) {
  AddPipeContract();
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] {
    auto align = [](int r, int c) {
      const std::optional<GridCell> cell = Model().Cell(r, c);
      return cell == std::nullopt ? -1 : cell->format & kTextAlignMask;
    };
    EXPECT_EQ(align(3, 0), 1);
    EXPECT_EQ(align(4, 9), 1);
    EXPECT_EQ(align(5, 0), 0);
    for (int r = 0; r < 9; ++r) {
      const std::optional<GridCell> cell = Model().Cell(r, 0);
      ASSERT_NE(cell, std::nullopt) << r;
      EXPECT_EQ(cell->font.height, 23) << r;
      EXPECT_EQ(cell->font.face, "微软雅黑") << r;
    }
  });
  Run();
}

TEST_F(SettlementRunTest, AnEndBeforeTheStartIsRefusedAndTheGridKept) {
  AddPipeContract();
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Settle(Day(2015, 2, 1), Day(2015, 1, 31));
  Expect("结算终止日期必须在结算开始日期之后", kMbIconStop);
  Check([] {
    EXPECT_EQ(Cell(0, 5), "结算日期：2015年1月1日至2015年1月31日");
    EXPECT_EQ(GetGridRowCount(W::高级表格1), 9);
  });
  Run();
}

// The period check compares the times of day too: an end at 09:30 on a start day that
// begins at 12:30:25 ends before the start.
TEST_F(SettlementRunTest, AnEndEarlierOnTheStartDayIsRefused) {
  AddContract("甲", MakeDateTime(2015, 1, 31, 12, 30, 25), {}, {{Day(2015, 1, 1), true, 10}});
  Settle(Day(2015, 1, 31), Day(2015, 1, 31));
  Expect("结算终止日期必须在结算开始日期之后", kMbIconStop);
  Check([this] {
    EXPECT_EQ(Cell(3, 0), "");
    EXPECT_TRUE(WorkingFilesGone());
  });
  Run();
}

// Contracts whose dockets give no records: the run says so, removes what it wrote and leaves
// the opening heading in the grid.
struct NoDocketsCase {
  const char* what;
  enum { kNoContract, kEmptyDocketTable, kEmptyDocketField } contract;
  int icon;
};

const NoDocketsCase kNoDocketsCases[] = {
    {"a contract without dockets", NoDocketsCase::kEmptyDocketTable, kMbIconInformation},
    // An empty 数据 is no docket table: the run ends without an icon.
    {"an empty docket field", NoDocketsCase::kEmptyDocketField, 0},
    {"no contracts at all", NoDocketsCase::kNoContract, 0},
};

void PrintTo(const NoDocketsCase& c, std::ostream* os) { *os << c.what; }

class NoDocketsTest : public SettlementRunTest,
                      public ::testing::WithParamInterface<NoDocketsCase> {};

TEST_P(NoDocketsTest, IsReportedAndTheWorkingFilesRemoved) {
  const NoDocketsCase& c = GetParam();
  if (c.contract == NoDocketsCase::kEmptyDocketTable) AddContract("甲", Day(2015, 1, 1), {}, {});
  if (c.contract == NoDocketsCase::kEmptyDocketField) {
    AddContractBytes("甲", Day(2015, 1, 1), {}, {});
  }
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Expect("没有出租回收数据", c.icon);
  Check([this] {
    EXPECT_TRUE(WorkingFilesGone());
    EXPECT_EQ(Cell(1, 0), "品  名");
    EXPECT_EQ(GetGridRowCount(W::高级表格1), 100);
  });
  Run();
}

INSTANTIATE_TEST_SUITE_P(Cases, NoDocketsTest, ::testing::ValuesIn(kNoDocketsCases));

// A docket dated on the start day is a movement; one the day before is brought forward.
TEST_F(SettlementRunTest, TheStartDaySplitsTheBalanceFromTheMovements) {
  AddContract("甲", Day(2015, 1, 1), {},
              {{Day(2014, 12, 31), true, 10}, {Day(2015, 1, 1), true, 20}});
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] {
    EXPECT_EQ(Cell(3, 2), "之前合计");
    EXPECT_EQ(Cell(3, 3), "10");
    EXPECT_EQ(Cell(4, 2), "2015年1月1日");
    EXPECT_EQ(Cell(4, 3), "20");
  });
  Run();
}

// A second contract's dockets reach the statement through the combo choice.
TEST_F(SettlementRunTest, TheChosenContractIsSettled) {
  AddPipeContract();
  AddContract("乙", Day(2015, 1, 10), {}, {{Day(2015, 1, 10), true, 40}});
  script_.Choose(W::组合框1, 1);
  Settle(Day(2015, 1, 10), Day(2015, 1, 19));
  Check([] {
    EXPECT_EQ(Cell(0, 0), "承租单位：乙");
    EXPECT_EQ(Cell(3, 8), "200");
  });
  Run();
}

}  // namespace
