// The settlement run: the period check, the title row, the rent subtotal, the two charges,
// the amount due in figures and capitals, the footer, the grid's final size and fonts, the
// messages of the failures and the working files it removes.
#include "common/message_box.h"
#include "tests/settlement/settlement_test_base.h"

namespace {

DateTime Day(int y, int m, int d) { return MakeDateTime(y, m, d); }

const std::string kSignature = std::string(20, ' ') + "承租方签收：" + std::string(25, ' ') +
                               "签收日期：" + std::string(29, ' ') + "租赁方：";

class SettlementRunTest : public SettlementTest {
 protected:
  void SetUp() override {
    SettlementTest::SetUp();
    WriteSettings("王会计", "宏达租赁站");
  }
  // One contract 甲 with 100 m of pipe out from 2015-01-01 (rent 0.5): 1550 over January.
  void AddPipeContract(std::vector<Docket> more = {}) {
    more.insert(more.begin(), {Day(2015, 1, 1), true, 100});
    AddContract("甲", Day(2015, 1, 1), {}, more);
  }
  // The rows below the statement, from the rent subtotal on.
  static std::vector<std::string> ClosingRows(int first) {
    std::vector<std::string> rows;
    for (int r = first; r < GetGridRowCount(W::高级表格1); ++r) rows.push_back(Cell(r, 0));
    return rows;
  }
};

TEST_F(SettlementRunTest, WithoutChargesTheStatementEndsWithTotalsAndFooter) {
  AddPipeContract();
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] {
    EXPECT_EQ(Cell(0, 0), "承租单位：甲");
    EXPECT_EQ(Cell(0, 5), "结算日期：2015年1月1日至2015年1月31日");
    EXPECT_EQ(Merge(0, 0), "0,0-0,4");
    EXPECT_EQ(Merge(0, 5), "0,5-0,9");
    const std::string footer = "制表：王会计" + kSignature + "宏达租赁站";
    EXPECT_EQ(ClosingRows(5),
              (Cells{"租 金 小 计：1550元", "本次应收合计：1550元", "合计金额大写", footer}));
    EXPECT_EQ(Cell(5, 8), "1550");
    EXPECT_EQ(Merge(5, 0), "5,0-5,7");
    EXPECT_EQ(Merge(6, 0), "6,0-6,9");
    EXPECT_EQ(Merge(7, 1), "7,1-7,9");
    EXPECT_EQ(Cell(7, 1), NumberToMoneyText(1550));
    EXPECT_EQ(Merge(8, 0), "8,0-8,9");
    EXPECT_EQ(GetGridRowCount(W::高级表格1), 9);
    EXPECT_EQ(GetGridFixedRows(W::高级表格1), 3);
  });
  Run();
  EXPECT_TRUE(WorkingFilesGone());
}

TEST_F(SettlementRunTest, TheSignatureTextIs104Bytes) { EXPECT_EQ(GetTextLength(kSignature), 104); }

TEST_F(SettlementRunTest, AnEmptyClerkNameLeavesTheBlanksRightAfterTheLabel) {
  WriteSettings("", "宏达租赁站");
  AddPipeContract();
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] { EXPECT_EQ(Cell(8, 0), "制表：" + kSignature + "宏达租赁站"); });
  Run();
}

TEST_F(SettlementRunTest, TheBodyIsCentredTheFontSetAndTheClosingRowsLeftAlone) {
  AddPipeContract();
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] {
    auto align = [](int r, int c) {
      const GridCell* cell = Model().Cell(r, c);
      return cell == nullptr ? -1 : cell->format & kTextAlignMask;
    };
    EXPECT_EQ(align(3, 0), 1);
    EXPECT_EQ(align(4, 9), 1);
    EXPECT_EQ(align(5, 0), 0);
    for (int r = 0; r < 9; ++r) {
      const GridCell* cell = Model().Cell(r, 0);
      ASSERT_NE(cell, nullptr) << r;
      EXPECT_EQ(cell->font.height, 23) << r;
      EXPECT_EQ(cell->font.face, "微软雅黑") << r;
    }
  });
  Run();
}

// Missing screws count in both directions inside the period; only returned fasteners are
// washed, taken positive.
TEST_F(SettlementRunTest, TheChargesFollowTheirBoxes) {
  AddPipeContract({{Day(2015, 1, 5), true, 0, 50, 0, 0, 3},
                   {Day(2015, 1, 31), false, 0, -20, 0, 0, -2},
                   {Day(2014, 12, 31), true, 0, 0, 0, 0, 7},
                   {Day(2015, 2, 1), false, 0, -30, 0, 0, 9}});
  script_.Tick(W::选择框1).Tick(W::选择框2);
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] {
    const int r = 7;  // the fastener subtotal row
    EXPECT_EQ(Cell(r + 2, 0), "缺螺丝赔偿：2.5元 = 缺螺丝总数：5套  × 螺丝赔偿单价0.5元");
    EXPECT_EQ(Cell(r + 2, 8), "2.5");
    EXPECT_EQ(Merge(r + 2, 0), std::to_string(r + 2) + ",0-" + std::to_string(r + 2) + ",7");
    EXPECT_EQ(Cell(r + 3, 0), "扣件洗油费：6元 = 扣件入库总数：20套  × 扣件洗油单价0.3元");
    EXPECT_EQ(Cell(r + 3, 8), "6");
    const std::string rent = Cell(r + 1, 8);
    const double total = ToNumber(rent) + 2.5 + 6;
    EXPECT_EQ(Cell(r + 4, 0), "本次应收合计：" + ToText(RoundNumber(total, 2)) + "元");
  });
  Run();
}

TEST_F(SettlementRunTest, ACheckedChargeOfZeroWritesNoRow) {
  AddPipeContract();
  script_.Tick(W::选择框1).Tick(W::选择框2);
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] {
    EXPECT_EQ(ClosingRows(5)[0], "租 金 小 计：1550元");
    EXPECT_EQ(ClosingRows(5)[1], "本次应收合计：1550元");
  });
  Run();
}

TEST_F(SettlementRunTest, ANegativeTotalKeepsItsSignInFiguresOnly) {
  AddContract("甲", Day(2015, 1, 1), {}, {{Day(2015, 1, 22), false, -10.25}});
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] {
    // -10.25 m for 10 days at 0.5: -51.25
    EXPECT_EQ(Cell(5, 0), "租 金 小 计：-51.25元");
    EXPECT_EQ(Cell(5, 8), "-51.25");
    EXPECT_EQ(Cell(6, 0), "本次应收合计：-51.25元");
    EXPECT_EQ(Cell(7, 1), NumberToMoneyText(51.25));
  });
  Run();
}

TEST_F(SettlementRunTest, ARentOf1234Point5IsWrittenWithoutTrailingZeros) {
  Rates rates;
  rates.pipe = 1.5f;
  AddContract("甲", Day(2015, 1, 1), rates, {{Day(2015, 1, 1), true, 823}});
  Settle(Day(2015, 1, 1), Day(2015, 1, 1));
  Check([] {
    EXPECT_EQ(Cell(5, 0), "租 金 小 计：1234.5元");
    EXPECT_EQ(Cell(5, 8), "1234.5");
    EXPECT_EQ(Cell(6, 0), "本次应收合计：1234.5元");
    EXPECT_EQ(Cell(7, 1), NumberToMoneyText(1234.5));
  });
  Run();
}

// One docket moving everything, with both charges: the statement and its closing rows need
// more rows than the grid is first given, and the footer is still written.
TEST_F(SettlementRunTest, TheGridGrowsForTheClosingRowsOfASingleDocket) {
  AddContract("甲", Day(2015, 1, 1), {}, {{Day(2015, 1, 31), false, -1, -10, -1, -1, -4}});
  script_.Tick(W::选择框1).Tick(W::选择框2);
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Check([] {
    EXPECT_EQ(GetGridRowCount(W::高级表格1), 17);
    EXPECT_EQ(Cell(16, 0), "制表：王会计" + kSignature + "宏达租赁站");
    EXPECT_EQ(Cell(13, 0), "扣件洗油费：3元 = 扣件入库总数：10套  × 扣件洗油单价0.3元");
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

TEST_F(SettlementRunTest, AnEndOnTheStartDayIsAccepted) {
  AddPipeContract();
  Settle(Day(2015, 1, 31), Day(2015, 1, 31));
  Check([] { EXPECT_EQ(Cell(5, 0), "租 金 小 计：50元"); });
  Run();
}

TEST_F(SettlementRunTest, AContractWithoutDocketsIsReportedAndItsFilesRemoved) {
  AddContract("甲", Day(2015, 1, 1), {}, {});
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Expect("没有出租回收数据", kMbIconInformation);
  Check([this] {
    EXPECT_TRUE(WorkingFilesGone());
    EXPECT_EQ(Cell(1, 0), "品  名");
    EXPECT_EQ(GetGridRowCount(W::高级表格1), 100);
  });
  Run();
}

// An empty 数据 is no docket table: the run ends without an icon and leaves no file behind.
TEST_F(SettlementRunTest, AnEmptyDocketFieldIsReportedWithoutAnIcon) {
  AddContractBytes("甲", Day(2015, 1, 1), {}, {});
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Expect("没有出租回收数据");
  Check([this] { EXPECT_TRUE(WorkingFilesGone()); });
  Run();
}

TEST_F(SettlementRunTest, WithoutContractsTheRunEndsWithoutAnIcon) {
  Settle(Day(2015, 1, 1), Day(2015, 1, 31));
  Expect("没有出租回收数据");
  Check([this] {
    EXPECT_TRUE(WorkingFilesGone());
    EXPECT_EQ(Cell(1, 0), "品  名");
  });
  Run();
}

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
