// Picking a contract: the working docket file, seeding from the template, the docket entry
// window it opens and the write-back when that window closes.
#include "ledger/contract_pick.h"

#include "common/message_box.h"
#include "ledger/contract_pick_dockets.h"
#include "ledger/docket_edit.h"
#include "ledger/docket_entry.h"
#include "tests/ledger/ledger_window_test_base.h"

namespace {

using P = ContractPickWindow;
using E = DocketEntryWindow;

const char* const kNoPick = "您还没有选择合同，请选择一个合同！";

class ContractPickTest : public LedgerWindowTest {
 protected:
  static ByteSet Template() { return ReadFileToBinary(RunPath("出租单数据.rdb")); }
  // The clerk enters one rental docket of pipes in the open entry window.
  void EnterPipes(const std::string& metres) {
    GridEdit(E::高级表格1, 1, 1, metres);
    script_.Click(E::按钮1);
    Expect("添加成功");
  }
  void Pick(int row) { GridClick(P::高级表格1, row).Click(P::按钮1); }
};

TEST_F(ContractPickTest, WithoutARowTheLastContractIsSeededAndThePickStaysOpen) {
  AppendContract("甲", 1, ByteSet{1});
  AppendContract("乙", 2);
  script_.Click(P::按钮1);
  Expect(kNoPick, kMbIconQuestion).Do([] {
    EXPECT_EQ(ui::GetTitle(P::self), " 请选择合同");
    EXPECT_EQ(Cell(P::高级表格1, 2, 2), "乙");
    EXPECT_EQ(Cell(P::高级表格1, 0, 9), "洗油费单价");
  });
  script_.Close(P::self);
  RunWindow(ContractPickWindowDecl());
  EXPECT_EQ(DocketBytes(1), ByteSet{1});
  EXPECT_EQ(DocketBytes(2), Template());
  EXPECT_EQ(PickedContract.record, -1);
  EXPECT_FALSE(FileExists(WorkingDocketFile()));
}

TEST_F(ContractPickTest, TheHeaderRowIsNoPick) {
  AppendContract("甲", 1, ByteSet{1});
  Pick(0);
  Expect(kNoPick, kMbIconQuestion).Close(P::self);
  RunWindow(ContractPickWindowDecl());
  EXPECT_EQ(PickedContract.record, -1);
  EXPECT_EQ(DocketBytes(1), ByteSet{1});
}

TEST_F(ContractPickTest, AnEmptyContractGetsTheTemplateAndKeepsItsNewDockets) {
  AppendContract("甲", 1);
  AppendContract("乙", 2);
  Pick(1);
  script_.Do([] {
    EXPECT_EQ(ui::FindWindow(P::self), nullptr);
    EXPECT_EQ(ui::GetTitle(E::self), "甲  出租单录入");
    EXPECT_EQ(PickedContract.record, 1);
    EXPECT_EQ(ReadFileToBinary(WorkingDocketFile()), Template());
  });
  EnterPipes("30");
  script_.Click(E::按钮4);
  RunWindow(ContractPickWindowDecl());
  const auto dockets = DocketsOf(1);
  ASSERT_EQ(dockets.size(), 1u);
  EXPECT_EQ(dockets[0].pipe, 30);
  EXPECT_TRUE(dockets[0].out);
  EXPECT_EQ(DocketBytes(1), ReadFileToBinary(WorkingDocketFile()));
  EXPECT_TRUE(DocketBytes(2).empty());
  EXPECT_EQ(*PickedContract.name, "甲");
}

TEST_F(ContractPickTest, ClosingWithoutADocketStoresTheSameBytes) {
  AppendContract("甲", 1);
  Pick(1);
  script_.Close(E::self);
  RunWindow(ContractPickWindowDecl());
  EXPECT_EQ(DocketBytes(1), Template());
}

TEST_F(ContractPickTest, TwoPicksInARowEachWorkOnTheirOwnContract) {
  AppendContract("甲", 1);
  AppendContract("乙", 2);
  Pick(1);
  EnterPipes("10");
  script_.Click(E::按钮4);
  RunWindow(ContractPickWindowDecl());
  Pick(2);
  script_.Do([] { EXPECT_EQ(ui::GetTitle(E::self), "乙  出租单录入"); });
  EnterPipes("20");
  script_.Click(E::按钮4);
  RunWindow(ContractPickWindowDecl());
  ASSERT_EQ(DocketsOf(1).size(), 1u);
  EXPECT_EQ(DocketsOf(1)[0].pipe, 10);
  ASSERT_EQ(DocketsOf(2).size(), 1u);
  EXPECT_EQ(DocketsOf(2)[0].pipe, 20);
}

TEST_F(ContractPickTest, TheWorkingTableLeftOpenIsClosedWhenThePickOpens) {
  AppendContract("甲", 1, Template());
  ASSERT_TRUE(WriteBinaryToFile(WorkingDocketFile(), Template()));
  ASSERT_TRUE(OpenTable(WorkingDocketFile(), "出租数据"));
  script_.Do([] { EXPECT_FALSE(SelectTable("出租数据")); }).Close(P::self);
  RunWindow(ContractPickWindowDecl());
}

// Docket mode 1 opens the docket edit window on the seeded contract; closing it stores
// nothing and closes the working file.
TEST_F(ContractPickTest, DocketEditingModeOpensTheEditWindow) {
  AppendContract("甲", 1);
  DocketMode = DocketModeValue::kEdit;
  Pick(1);
  script_.Do([] {
    EXPECT_EQ(ui::FindWindow(E::self), nullptr);
    EXPECT_EQ(ui::GetTitle(DocketEditWindow::self), "甲出租单修改");
    EXPECT_TRUE(SelectTable("出租数据"));
  });
  script_.Click(DocketEditWindow::按钮3);
  RunWindow(ContractPickWindowDecl());
  EXPECT_EQ(PickedContract.record, 1);
  EXPECT_FALSE(SelectTable("出租数据"));
  EXPECT_EQ(DocketBytes(1), Template());
}

// A working file that cannot be written or opened ends the pick: no docket window opens.
TEST_F(ContractPickTest, AWorkingFileThatCannotBeWrittenEndsThePick) {
  AppendContract("甲", 1);
  ASSERT_TRUE(MakeDirectory(WorkingDocketFile()));
  Pick(1);
  Expect("选择合同写出数据库失败");
  RunWindow(ContractPickWindowDecl());
  EXPECT_FALSE(SelectTable("出租数据"));
}

TEST_F(ContractPickTest, DocketsThatAreNoTableEndThePick) {
  AppendContract("甲", 1, ByteSet{'n', 'o', 't'});
  Pick(1);
  Expect("选择合同打开数据库失败");
  RunWindow(ContractPickWindowDecl());
  EXPECT_EQ(DocketBytes(1), (ByteSet{'n', 'o', 't'}));
}

// When the working file is gone or spoilt at closing, the contract keeps its dockets.
TEST_F(ContractPickTest, AnUnreadableWorkingFileIsNotStoredBack) {
  struct Case {
    const char* what;
    void (*spoil)();
  };
  const Case cases[] = {
      {"missing", [] { DeleteDiskFile(WorkingDocketFile()); }},
      {"not a table",
       [] {
         WriteBinaryToFile(WorkingDocketFile(), ByteSet{1, 2, 3});
       }},
      {"empty", [] { WriteBinaryToFile(WorkingDocketFile(), ByteSet{}); }},
  };
  AppendContract("甲", 1);
  Pick(1);
  EnterPipes("5");
  script_.Click(E::按钮4);
  RunWindow(ContractPickWindowDecl());
  const ByteSet stored = DocketBytes(1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Pick(1);
    script_.Do([] { EXPECT_TRUE(CloseTable("出租数据")); }).Do(c.spoil).Click(E::按钮4);
    Expect("出租单录入数据库失败");
    RunWindow(ContractPickWindowDecl());
    EXPECT_EQ(DocketBytes(1), stored);
  }
}

}  // namespace
