// The contract window as the clerk uses it: listing, adding, changing and deleting contracts.
#include "ledger/contract_window.h"

#include "common/message_box.h"
#include "tests/ledger/ledger_window_test_base.h"

namespace {

using W = ContractWindow;

const char* const kIncomplete = "合同信息填写不完整，请把必要信息填写完整。";
const char* const kNoRow = "还没有选中一条记录";
const char* const kAskDelete = "是否确定删除这条合同";

class ContractWindowTest : public LedgerWindowTest {
 protected:
  // The clerk starts a new contract, types its name and saves it.
  void AddByHand(const std::string& name) {
    script_.Click(W::按钮1).Type(W::编辑框2, name).Click(W::按钮5);
  }
  void Open() {
    script_.Close(W::self);
    RunWindow(ContractWindowDecl());
  }
  static int Serial(int record) { return static_cast<int>(ToNumber(ContractField(record, 11))); }
  static std::string Name(int record) { return ToText(ContractField(record, 2)); }
  static bool FormDisabled() { return ui::GetDisabled(W::编辑框2) && ui::GetDisabled(W::日期框1); }
};

TEST_F(ContractWindowTest, AnEmptyTableShowsTheHeaderRowAndTheDefaultStartDate) {
  script_.Do([] {
    EXPECT_EQ(Cell(W::高级表格1, 0, 0), "序号");
    EXPECT_EQ(Cell(W::高级表格1, 0, 9), "洗油费单价");
    EXPECT_EQ(Cell(W::高级表格1, 0, 10), "备注");
    EXPECT_EQ(Cell(W::高级表格1, 0, 11), "");
    EXPECT_EQ(GetGridRowCount(W::高级表格1), 1);
    EXPECT_EQ(GetGridColumnCount(W::高级表格1), 12);
    EXPECT_EQ(ui::GetDate(W::日期框1), MakeDateTime(2024, 1, 1, 12, 30, 25));
    EXPECT_TRUE(FormDisabled());
    EXPECT_EQ(ui::GetTitle(W::self), "添加与修改合同");
    EXPECT_EQ(ui::GetWindowWidth(W::self), 1061);
    EXPECT_EQ(ui::GetWindowHeight(W::self), 539);
    EXPECT_FALSE(ui::GetVisible(W::按钮2));
  });
  AddByHand("甲建筑");
  Open();
  EXPECT_EQ(Serial(1), 1);
  EXPECT_EQ(ToDateTime(ContractField(1, 3)), MakeDateTime(2024, 1, 1));
  EXPECT_TRUE(DocketBytes(1).empty());
}

TEST_F(ContractWindowTest, SerialsCountUpAndReuseTheLowestFreed) {
  AddByHand("甲");
  script_.Type(W::编辑框2, "乙").Click(W::按钮5).Type(W::编辑框2, "丙").Click(W::按钮5);
  GridClick(W::高级表格1, 1).Click(W::按钮3);
  Expect(kAskDelete, kMbOkCancel);
  script_.Do([] { EXPECT_EQ(Cell(W::高级表格1, 1, 2), "乙"); });
  AddByHand("丁");
  Open();
  ASSERT_EQ(GetRecordCount(), 3);
  EXPECT_EQ(Name(1), "乙");
  EXPECT_EQ(Serial(1), 2);
  EXPECT_EQ(Serial(2), 3);
  EXPECT_EQ(Name(3), "丁");
  EXPECT_EQ(Serial(3), 1);
}

TEST_F(ContractWindowTest, TheGapInSerialsOneTwoFourIsFilled) {
  AppendContract("甲", 1);
  AppendContract("乙", 2);
  AppendContract("丁", 4);
  AddByHand("丙");
  Open();
  EXPECT_EQ(Serial(4), 3);
}

TEST_F(ContractWindowTest, AddStartsAsACopyOfTheLastShownContract) {
  AppendContract("甲", 1, ByteSet{1, 2, 3});
  GridClick(W::高级表格1, 1).Do([] {
    EXPECT_TRUE(FormDisabled());
    EXPECT_EQ(ui::GetText(W::编辑框2), "甲");
    EXPECT_EQ(ui::GetText(W::编辑框5), "1.5");
  });
  script_.Click(W::按钮1).Do([] {
    EXPECT_FALSE(FormDisabled());
    EXPECT_EQ(ui::GetText(W::编辑框2), "");
    EXPECT_EQ(ui::GetText(W::编辑框1), "101");
  });
  script_.Type(W::编辑框2, "乙").Click(W::按钮5).Click(W::按钮5);  // 保存 twice: two contracts
  Open();
  ASSERT_EQ(GetRecordCount(), 3);
  for (int record : {2, 3}) {
    SCOPED_TRACE(record);
    EXPECT_EQ(Name(record), "乙");
    EXPECT_EQ(ToNumber(ContractField(record, 1)), 101);
    EXPECT_EQ(ToDateTime(ContractField(record, 3)), MakeDateTime(2023, 3, 4));
    EXPECT_EQ(ToNumber(ContractField(record, 4)), 0.5);
    EXPECT_EQ(ToText(ContractField(record, 7)), "2");
    EXPECT_EQ(ToText(ContractField(record, 9)), "备注甲");
    EXPECT_EQ(ToNumber(ContractField(record, 10)), 0.75);
    EXPECT_TRUE(DocketBytes(record).empty());
  }
  EXPECT_EQ(Serial(2), 2);
  EXPECT_EQ(Serial(3), 3);
  EXPECT_EQ(ContractAddMode, 1);
}

TEST_F(ContractWindowTest, ModifyKeepsSerialAndDocketsAndEmptiesTheName) {
  AppendContract("甲", 7, ByteSet{9, 8, 7});
  AppendContract("乙", 8);
  GridClick(W::高级表格1, 1).Click(W::按钮4).Do([] { EXPECT_FALSE(FormDisabled()); });
  script_.Type(W::编辑框2, "甲改").Type(W::编辑框6, "0.3").Click(W::按钮5).Do([] {
    EXPECT_EQ(ui::GetText(W::编辑框2), "");
    EXPECT_EQ(Cell(W::高级表格1, 1, 2), "甲改");
    EXPECT_EQ(Cell(W::高级表格1, 1, 6), "0.3");
  });
  script_.Click(W::按钮5);
  Expect(kIncomplete, kMbIconInformation);
  Open();
  ASSERT_EQ(GetRecordCount(), 2);
  EXPECT_EQ(Name(1), "甲改");
  EXPECT_EQ(Serial(1), 7);
  EXPECT_EQ(DocketBytes(1), (ByteSet{9, 8, 7}));
  EXPECT_EQ(Name(2), "乙");
  EXPECT_EQ(ContractAddMode, 0);
  EXPECT_EQ(EditedContractRecord, 1);
}

TEST_F(ContractWindowTest, AnEmptyNameIsRefused) {
  script_.Click(W::按钮1).Type(W::编辑框1, "12").Click(W::按钮5);
  Expect(kIncomplete, kMbIconInformation);
  Open();
  EXPECT_EQ(GetRecordCount(), 0);
}

// Every price goes through single precision: a double field keeps 6 significant digits.
TEST_F(ContractWindowTest, SixPricesAreReadThroughToFloat) {
  script_.Click(W::按钮1).Type(W::编辑框2, "甲");
  for (ui::EditRef box : {W::编辑框3, W::编辑框5, W::编辑框6, W::编辑框7, W::编辑框8, W::编辑框9}) {
    script_.Type(box, "1.2345678");
  }
  script_.Type(W::编辑框4, "说明").Click(W::按钮5).Do([] {
    for (int col : {4, 5, 6, 7, 8, 9}) EXPECT_EQ(Cell(W::高级表格1, 1, col), "1.23457") << col;
    EXPECT_EQ(Cell(W::高级表格1, 1, 10), "说明");
    EXPECT_EQ(Cell(W::高级表格1, 1, 3), "2024年1月1日");
    EXPECT_EQ(Cell(W::高级表格1, 1, 0), "1");
  });
  Open();
  EXPECT_EQ(std::get<double>(ContractField(1, 4)), 1.23457);
  EXPECT_EQ(std::get<double>(ContractField(1, 10)), 1.23457);
  EXPECT_EQ(std::get<float>(ContractField(1, 5)), 1.2345678f);
}

TEST_F(ContractWindowTest, ColumnsNineAndTenShowWashPriceThenRemark) {
  AppendContract("甲", 1);
  script_.Do([] {
    EXPECT_EQ(Cell(W::高级表格1, 1, 9), "0.75");
    EXPECT_EQ(Cell(W::高级表格1, 1, 10), "备注甲");
    EXPECT_EQ(Cell(W::高级表格1, 1, 1), "101");
    EXPECT_EQ(Cell(W::高级表格1, 1, 3), "2023年3月4日");
    EXPECT_EQ(Cell(W::高级表格1, 1, 11), "");
  });
  Open();
}

// 修改 and 删除 without a contract row: no cursor at all, or the cursor on the header row,
// which shows no contract either. Nothing is changed or deleted.
struct NoRowCase {
  const char* what;
  bool header_clicked;
};

const NoRowCase kNoRowCases[] = {{"without a cursor row", false}, {"on the header row", true}};

void PrintTo(const NoRowCase& c, std::ostream* os) { *os << c.what; }

class NoRowTest : public ContractWindowTest, public ::testing::WithParamInterface<NoRowCase> {};

TEST_P(NoRowTest, EditAndDeleteAreRefused) {
  AppendContract("甲", 1);
  if (GetParam().header_clicked) {
    GridClick(W::高级表格1, 0).Do([] { EXPECT_EQ(ui::GetText(W::编辑框2), ""); });
  }
  script_.Click(W::按钮4);
  Expect(kNoRow);
  script_.Click(W::按钮3);
  Expect(kNoRow);
  Open();
  EXPECT_EQ(GetRecordCount(), 1);
  EXPECT_EQ(EditedContractRecord, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoRowTest, ::testing::ValuesIn(kNoRowCases));

// After a delete the next contract takes the deleted one's record number: a 保存 must not
// overwrite it with the deleted contract's values.
TEST_F(ContractWindowTest, DeleteEndsEditingSoThatSaveOverwritesNothing) {
  AppendContract("甲", 1);
  AppendContract("乙", 2);
  AppendContract("丙", 3);
  GridClick(W::高级表格1, 2).Click(W::按钮4).Click(W::按钮3);
  Expect(kAskDelete, kMbOkCancel).Do([] {
    EXPECT_TRUE(FormDisabled());
    EXPECT_EQ(ContractAddMode, 0);
    EXPECT_EQ(Cell(W::高级表格1, 2, 2), "丙");
  });
  script_.Click(W::按钮5);
  Expect(kNoRow);
  Open();
  ASSERT_EQ(GetRecordCount(), 2);
  EXPECT_EQ(Name(2), "丙");
  EXPECT_EQ(Serial(2), 3);
}

TEST_F(ContractWindowTest, ACancelledDeleteKeepsTheContract) {
  AppendContract("甲", 1);
  GridClick(W::高级表格1, 1).Click(W::按钮3);
  Expect(kAskDelete, kMbOkCancel, kPressCancel);
  Open();
  EXPECT_EQ(GetRecordCount(), 1);
  EXPECT_EQ(EditedContractRecord, 1);
}

TEST_F(ContractWindowTest, TheModeOutlivesTheWindow) {
  script_.Click(W::按钮1);
  Open();
  EXPECT_EQ(ContractAddMode, 1);
  script_.Type(W::编辑框2, "甲").Refused().Click(W::按钮1).Type(W::编辑框2, "甲");
  script_.Click(W::按钮5);
  Open();
  EXPECT_EQ(GetRecordCount(), 1);
}

}  // namespace
