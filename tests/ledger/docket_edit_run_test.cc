// Docket editing in a whole run of rentdesk: the clerk logs in, takes 出租与回收单修改 from the
// main window's menu, picks the contract, saves, and leaves; the contract file on disk then
// holds the dockets in date order.
#include <gtest/gtest.h>

#include "common/assets.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/grid/grid_ops.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "ledger/contract_pick.h"
#include "ledger/docket_edit.h"
#include "ledger/login_window.h"
#include "ledger/main_window.h"
#include "tests/ledger/rentdesk_run.h"

namespace rentdesk_test {
namespace {

using E = DocketEditWindow;
using P = ContractPickWindow;

class DocketEditRun : public RentdeskRun {
 protected:
  void SetUp() override {
    RentdeskRun::SetUp();
    SetWindowOpenerHookForTests(nullptr);
    for (const char* name : {"合同.rdb", "合同.rdt", "出租单数据.rdb"}) {
      const auto bytes = FindAsset(name);
      WriteFile(InRun(name), ByteSet(bytes.begin(), bytes.end()));
    }
    MouseDown(LoginWindow::透明标签1);
  }

  // A docket table file whose dockets are numbered by entry and dated on these April days.
  ByteSet DocketsDated(const std::vector<int>& days) {
    const std::string path = InRun("种子.rdb");
    EXPECT_TRUE(CopyDiskFile(InRun("出租单数据.rdb"), path));
    EXPECT_TRUE(OpenTable(path, "种子"));
    for (size_t i = 0; i < days.size(); ++i) {
      EXPECT_TRUE(AppendRecord({static_cast<double>(i + 1), MakeDateTime(2024, 4, days[i]), true,
                                10.0 * static_cast<double>(i + 1)}));
    }
    CloseTable("种子");
    const ByteSet bytes = FileBytes(path);
    DeleteDiskFile(path);
    return bytes;
  }

  // Stores contract 甲 with those dockets in the run's contract file before the run.
  void StoreContract(const ByteSet& dockets) {
    ASSERT_TRUE(OpenTable(InRun("合同.rdb"), "合同"));
    ASSERT_TRUE(AppendRecord({int32_t{101}, std::string("甲"), MakeDateTime(2023, 3, 4), 0.5, 1.5f,
                              0.25f, 2.0f, 3.0f, std::string(), 0.75, int32_t{1}, dockets}));
    CloseTable("合同");
  }

  // The docket numbers in contract 1's 数据, as the contract file holds them after the run.
  std::vector<int> StoredNumbers() {
    std::vector<int> numbers;
    EXPECT_TRUE(OpenTable(InRun("合同.rdb"), "合同"));
    const Value v = ReadField(kContractDockets.number);
    CloseTable("合同");
    const std::string copy = InRun("检查.rdb");
    WriteFile(copy, std::get<ByteSet>(v));
    EXPECT_TRUE(OpenTable(copy, "检查"));
    for (int i = 1; i <= GetRecordCount(); ++i) {
      GoToRecord(i);
      numbers.push_back(static_cast<int>(ToNumber(ReadField(1))));
    }
    CloseTable("检查");
    return numbers;
  }

  // The clerk clicks a button (a step; a modal window it opens runs the later steps).
  void Press(ui::ButtonRef b) {
    Do([b] { EXPECT_TRUE(ui::user::Click(*ui::FindUnit(b))); });
  }
  void PickFirstContract() {
    Click(MainWindow::出租与回收单修改);
    Do([] { EXPECT_TRUE(ui::user::GridClick(*ui::FindUnit(P::高级表格1), 1, 0)); });
    Press(P::按钮1);
  }
};

TEST_F(DocketEditRun, TheMenuLeadsToTheEditorAndASaveReachesTheContractFile) {
  StoreContract(DocketsDated({20, 2, 10}));
  PickFirstContract();
  Do([] {
    EXPECT_EQ(ui::GetTitle(E::self), "甲出租单修改");
    EXPECT_EQ(GetGridCellData(E::高级表格1, 1, 1), "2");
    EXPECT_EQ(GetGridCellData(E::高级表格1, 2, 1), "3");
    EXPECT_EQ(GetGridCellData(E::高级表格1, 3, 1), "1");
  });
  Press(E::按钮1);
  ExpectMessage("出租单修改成功");
  Click(MainWindow::退出系统);
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(StoredNumbers(), (std::vector<int>{2, 3, 1}));
}

TEST_F(DocketEditRun, ClosingWithoutSavingKeepsTheOrderOfEntry) {
  StoreContract(DocketsDated({20, 2, 10}));
  PickFirstContract();
  Do([] { EXPECT_TRUE(ui::user::GridClick(*ui::FindUnit(E::高级表格1), 1, 0)); });
  Press(E::按钮2);
  ExpectMessage("是否确定删除这条单据", 1);
  Press(E::按钮3);
  Click(MainWindow::退出系统);
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(StoredNumbers(), (std::vector<int>{1, 2, 3}));
}

}  // namespace
}  // namespace rentdesk_test
