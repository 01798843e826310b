// Docket editing: the window and its grid in date order, the sign rules of typed quantities
// and of a switched direction, and what a save stores into the contract.
#include <cstring>

#include "common/grid/grid_model.h"
#include "tests/ledger/docket_edit_test_base.h"

namespace {

// Dockets entered out of date order and numbered in the order of entry: the 20th (7), the
// 2nd (8), the 10th (9).
std::vector<StoredDocket> OutOfOrder() {
  StoredDocket late = Rental(7, 20, 7.5);
  late.fasteners = 40;
  late.jacks = 6;
  late.beams = 2.25;
  late.screws = 3;
  late.remark = "第三车";
  return {late, Rental(8, 2, 100), Return(9, 10, 30)};
}

TEST_F(DocketEditTest, TheWindowListsTheDocketsInDateOrder) {
  PickContractWith(OutOfOrder());
  script_.Do([] {
    EXPECT_EQ(ui::GetTitle(E::self), "甲出租单修改");
    EXPECT_EQ(ui::GetWindowWidth(E::self), 1044);
    EXPECT_EQ(ui::GetWindowHeight(E::self), 574);
    EXPECT_EQ(ui::GetRect(E::高级表格1).width, 1024);
    EXPECT_EQ(ui::GetRect(E::高级表格1).height, 480);
    EXPECT_EQ(ui::GetText(E::按钮1), "确定修改并保存");
    EXPECT_EQ(ui::GetText(E::按钮2), "删除本条单据");
    EXPECT_EQ(ui::GetText(E::按钮3), "关闭退出");
    EXPECT_EQ(ui::GetText(E::按钮4), "打印预览");
    EXPECT_EQ(ui::GetText(E::按钮5), "打印对账单");
    EXPECT_EQ(GetGridRowCount(E::高级表格1), 4);
    EXPECT_EQ(GetGridColumnCount(E::高级表格1), 10);
  });
  ExpectCells(0, {{0, "序号"},
                  {1, "单号"},
                  {2, "日期"},
                  {3, "出入库"},
                  {4, "钢管米数"},
                  {5, "扣件套数"},
                  {6, "顶托套数"},
                  {7, "工字钢米数"},
                  {8, "差螺丝"},
                  {9, "备注"}});
  ExpectCells(1, {{0, "1"}, {1, "8"}, {2, "2024年4月2日"}, {3, "出库"}, {4, "100"}, {5, "0"}});
  ExpectCells(2, {{0, "2"}, {1, "9"}, {2, "2024年4月10日"}, {3, "入库"}, {4, "-30"}});
  ExpectCells(3, {{0, "3"},
                  {1, "7"},
                  {2, "2024年4月20日"},
                  {3, "出库"},
                  {4, "7.5"},
                  {5, "40"},
                  {6, "6"},
                  {7, "2.25"},
                  {8, "3"},
                  {9, "第三车"}});
  script_.Do([] {
    const GridModel& g = ui::Grid(E::高级表格1);
    EXPECT_EQ(g.Kind(1)->type, 2);
    EXPECT_EQ(g.Kind(2)->type, 3);
    EXPECT_EQ(g.Kind(3)->type, 8);
    EXPECT_EQ(g.Kind(3)->choices, (std::vector<std::string>{"出库", "入库"}));
    for (int r = 0; r <= 3; ++r) {
      for (int c = 0; c < 10; ++c)
        EXPECT_EQ(g.Cell(r, c)->format & kTextAlignMask, 1) << r << "," << c;
    }
  });
  CloseWithoutSaving();
  Run();
  EXPECT_FALSE(SelectTable(SortedDocketAlias()));
  EXPECT_FALSE(SelectTable("出租数据"));
}

TEST_F(DocketEditTest, ASaveStoresTheDocketsInDateOrder) {
  const DateTime now = MakeDateTime(2024, 5, 6, 7, 8, 9);
  script_.SetNow(now);
  PickContractWith(OutOfOrder());
  Save();
  Saved();
  Run();
  // The stored table is the sorted copy, made at the clock's time: the same bytes every run.
  double created;
  const ByteSet stored = DocketBytes(1);
  ASSERT_GE(stored.size(), 16u);
  std::memcpy(&created, stored.data() + 8, sizeof created);
  EXPECT_EQ(created, now.days);
  const auto d = DocketsOf(1);
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].number, 8);
  EXPECT_EQ(d[0].date, MakeDateTime(2024, 4, 2));
  EXPECT_EQ(d[1].number, 9);
  EXPECT_FALSE(d[1].out);
  EXPECT_EQ(d[1].pipe, -30);
  EXPECT_EQ(d[2].number, 7);
  EXPECT_EQ(d[2].date, MakeDateTime(2024, 4, 20));
  EXPECT_EQ(d[2].fasteners, 40);
  EXPECT_EQ(d[2].beams, 2.25);
  EXPECT_EQ(d[2].screws, 3);
  EXPECT_EQ(d[2].remark, "第三车");
  EXPECT_FALSE(SelectTable(SortedDocketAlias()));
}

// What the clerk types into a quantity cell, on which row, and what the cell then shows.
struct TypedCase {
  int row;  // 1 = the 出库 docket, 2 = the 入库 docket
  int col;
  std::string typed, shown;
};

TEST_F(DocketEditTest, APositiveQuantityTypedOnAReturnRowBecomesNegative) {
  PickContractWith({Rental(1, 2, 50), Return(2, 3, 10)});
  const std::vector<TypedCase> cases = {
      {2, 4, "8", "-8"},     {1, 4, "8", "8"},        {1, 4, "-8", "-8"},
      {2, 4, "-8", "-8"},    {2, 5, "5.50", "-5.50"}, {2, 6, "3", "-3"},
      {2, 7, "2.5", "-2.5"}, {2, 8, "4", "4"},        {2, 4, "0.00000005", "0.00000005"},
      {2, 9, "12", "12"},
  };
  for (const TypedCase& c : cases) {
    script_.TypeCell(E::高级表格1, c.row, c.col, c.typed);
    ExpectCells(c.row, {{c.col, c.shown}});
  }
  CloseWithoutSaving();
  Run();
}

// Return ends the edit and takes the cursor to the row below: the sign rule still applies to
// the cell typed into, never to the cell the cursor lands on.
TEST_F(DocketEditTest, TheSignRuleFollowsTheTypedCellWhenReturnEndsTheEdit) {
  StoredDocket rental = Rental(1, 2, 50);
  rental.jacks = 10;
  StoredDocket unsigned_return = Return(3, 4, -5);  // a 入库 row still holding a positive 5
  PickContractWith({rental, Return(2, 3, 10), unsigned_return});
  const std::vector<TypedCase> cases = {
      {2, 4, "8", "-8"},  // on a 入库 row: negated, though the cursor moves on to row 3
      {2, 6, "3", "-3"},
      {1, 4, "60", "60"},  // on a 出库 row: kept as typed
  };
  for (const TypedCase& c : cases) {
    script_.ReturnInCell(E::高级表格1, c.row, c.col, c.typed);
    ExpectCells(c.row, {{c.col, c.shown}});
  }
  ExpectCells(3, {{4, "5"}, {6, "0"}});  // the rows the cursor landed on are as they were
  Save();
  Saved();
  Run();
  const auto d = DocketsOf(1);
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].pipe, 60);
  EXPECT_EQ(d[1].pipe, -8);
  EXPECT_EQ(d[1].jacks, -3);
  EXPECT_EQ(d[2].pipe, 5);
}

TEST_F(DocketEditTest, SwitchingTheDirectionFlipsTheQuantitiesButNotTheScrews) {
  StoredDocket d = Rental(1, 2, 12);
  d.fasteners = 12;
  d.jacks = 12;
  d.beams = 12;
  d.screws = 12;
  StoredDocket tiny = Rental(2, 3, 0.00000005);
  PickContractWith({d, tiny});
  script_.ChooseCell(E::高级表格1, 1, 3, "入库");
  ExpectCells(1, {{3, "入库"}, {4, "-12"}, {5, "-12"}, {6, "-12"}, {7, "-12"}, {8, "12"}});
  script_.ChooseCell(E::高级表格1, 1, 3, "入库");  // chosen again: nothing more changes
  ExpectCells(1, {{4, "-12"}, {8, "12"}});
  script_.ChooseCell(E::高级表格1, 1, 3, "出库");
  ExpectCells(1, {{3, "出库"}, {4, "12"}, {5, "12"}, {6, "12"}, {7, "12"}, {8, "12"}});
  script_.ChooseCell(E::高级表格1, 2, 3, "入库");
  ExpectCells(2, {{4, "5e-08"}});
  script_.ChooseCell(E::高级表格1, 2, 3, "其它").Refused();
  script_.TypeCell(E::高级表格1, 2, 3, "出库").Refused();
  Save();
  Saved();
  Run();
  const auto s = DocketsOf(1);
  ASSERT_EQ(s.size(), 2u);
  EXPECT_TRUE(s[0].out);
  EXPECT_EQ(s[0].pipe, 12);
  EXPECT_EQ(s[0].screws, 12);
  EXPECT_FALSE(s[1].out);
  EXPECT_EQ(s[1].pipe, 0.00000005);
}

// The grid is written back as shown: the date text parsed again, 单号, 扣件 and 差螺丝
// truncated, empty cells stored as 0, a date that does not parse as the empty date.
TEST_F(DocketEditTest, ASaveWritesTheGridBackIntoTheContract) {
  PickContractWith({Rental(1, 2, 50), Rental(2, 3, 10)});
  script_.TypeCell(E::高级表格1, 1, 1, "12.7")
      .TypeCell(E::高级表格1, 1, 2, "2024-6-1")
      .TypeCell(E::高级表格1, 1, 4, "")
      .TypeCell(E::高级表格1, 1, 5, "2.9")
      .TypeCell(E::高级表格1, 1, 7, "1.125")
      .TypeCell(E::高级表格1, 1, 8, "3.9")
      .TypeCell(E::高级表格1, 1, 9, "改过")
      .TypeCell(E::高级表格1, 2, 2, "2024-13-45")
      .TypeCell(E::高级表格1, 2, 2, "abc")
      .Refused();
  Save();
  Saved();
  Run();
  const auto d = DocketsOf(1);
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].number, 12);
  EXPECT_EQ(d[0].date, MakeDateTime(2024, 6, 1));
  EXPECT_TRUE(d[0].out);
  EXPECT_EQ(d[0].pipe, 0);
  EXPECT_EQ(d[0].fasteners, 2);
  EXPECT_EQ(d[0].beams, 1.125);
  EXPECT_EQ(d[0].screws, 3);
  EXPECT_EQ(d[0].remark, "改过");
  EXPECT_EQ(d[1].date, DateTime{kEmptyDate});
  EXPECT_EQ(d[1].pipe, 10);
}

TEST_F(DocketEditTest, ANegativeBalanceAsksAndCancelSavesNothing) {
  PickContractWith({Rental(1, 2, 5), Return(2, 3, 8)});
  const ByteSet before = DocketBytes(1);
  script_.TypeCell(E::高级表格1, 1, 9, "未存");
  Save();
  Expect(NegativeBalance("钢管", "3", "米"), kMbOkCancel, kPressCancel);
  script_.Do([] {
    EXPECT_NE(ui::FindWindow(E::self), nullptr);
    EXPECT_EQ(Cell(E::高级表格1, 1, 9), "未存");
    EXPECT_TRUE(SelectTable(SortedDocketAlias()));
  });
  CloseWithoutSaving();
  Run();
  EXPECT_EQ(DocketBytes(1), before);
}

// Every material below zero is asked about in MaterialKind order; OK on each saves. A return
// dated before its rental passes: only the final balance counts, and screws never.
TEST_F(DocketEditTest, OkOnEveryNegativeBalanceSaves) {
  StoredDocket early_return = Return(1, 2, 4);
  early_return.fasteners = -3;
  early_return.jacks = -2.5;
  early_return.beams = -1;
  early_return.screws = -9;
  StoredDocket rental = Rental(2, 9, 4);
  rental.beams = 0.5;
  PickContractWith({rental, early_return});
  Save();
  Expect(NegativeBalance("扣件", "3", "套"), kMbOkCancel);
  Expect(NegativeBalance("顶托", "2.5", "个"), kMbOkCancel);
  Expect(NegativeBalance("工字钢", "0.5", "米"), kMbOkCancel);
  Saved();
  Run();
  const auto d = DocketsOf(1);
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].number, 1);
  EXPECT_EQ(d[0].screws, -9);
}

}  // namespace

namespace {

// When the sorted copy cannot be made (its path is taken by a folder), the grid shows the
// working table and a save stores nothing: the contract keeps its dockets.
TEST_F(DocketEditTest, ASortedCopyThatCannotBeMadeIsNeverStored) {
  ASSERT_TRUE(MakeDirectory(SortedDocketFile()));
  ASSERT_TRUE(WriteBinaryToFile(SortedDocketFile() + "/占用", ByteSet{1}));
  PickContractWith(OutOfOrder());
  const ByteSet before = DocketBytes(1);
  ExpectCells(1, {{1, "7"}});
  Save();
  Expect("出租单修改失败");
  Run();
  EXPECT_EQ(DocketBytes(1), before);
}

}  // namespace
