#pragma once
// What the docket edit tests share: contracts seeded with dockets, the edit window opened
// through the contract pick in docket mode 1, and the clerk's steps in it.
#include <string>
#include <vector>

#include "common/message_box.h"
#include "ledger/contract_pick.h"
#include "ledger/docket_edit.h"
#include "tests/ledger/ledger_window_test_base.h"

class DocketEditTest : public LedgerWindowTest {
 protected:
  using E = DocketEditWindow;
  using P = ContractPickWindow;

  void SetUp() override {
    LedgerWindowTest::SetUp();
    DocketMode = DocketModeValue::kEdit;
  }

  // A docket table holding these dockets, as the bytes of a contract's 数据.
  ByteSet DocketTableBytes(const std::vector<StoredDocket>& dockets) {
    const std::string path = dir_ + "/种子.rdb";
    EXPECT_TRUE(CopyDiskFile(RunPath("出租单数据.rdb"), path));
    EXPECT_TRUE(OpenTable(path, "种子"));
    for (const StoredDocket& d : dockets) {
      EXPECT_TRUE(AppendRecord(
          {d.number, d.date, d.out, d.pipe, d.fasteners, d.jacks, d.beams, d.screws, d.remark}));
    }
    CloseTable("种子");
    const ByteSet bytes = ReadFileToBinary(path);
    DeleteDiskFile(path);
    return bytes;
  }

  // Contract 甲 (record 1) with these dockets, picked by the clerk: the edit window opens.
  void PickContractWith(const std::vector<StoredDocket>& dockets) {
    AppendContract("甲", 1, DocketTableBytes(dockets));
    GridClick(P::高级表格1, 1).Click(P::按钮1);
  }

  // Runs the script from the pick window; the test fails when the two differ.
  void Run() { RunWindow(ContractPickWindowDecl()); }

  void Save() { script_.Click(E::按钮1); }
  void Saved() { Expect("出租单修改成功"); }
  void CloseWithoutSaving() { script_.Click(E::按钮3); }

  // Checks cells of the edit grid at this point of the script.
  void ExpectCells(int row, const std::vector<std::pair<int, std::string>>& cells) {
    script_.Do([row, cells] {
      for (const auto& [col, text] : cells) {
        EXPECT_EQ(Cell(E::高级表格1, row, col), text) << "row " << row << " col " << col;
      }
    });
  }

  static std::string NegativeBalance(const std::string& material, const std::string& excess,
                                     const std::string& unit) {
    return material + "入库数量比出库数量多了" + excess + unit +
           "， 你确定要保存吗？这样会产生负租金。";
  }
};

// A rental (出库) docket of pipe metres dated day d of April 2024.
inline StoredDocket Rental(int number, int day, double pipe) {
  StoredDocket d;
  d.number = number;
  d.date = MakeDateTime(2024, 4, day);
  d.out = true;
  d.pipe = pipe;
  return d;
}

// A return (入库) docket; quantities are stored negative.
inline StoredDocket Return(int number, int day, double pipe) {
  StoredDocket d = Rental(number, day, -pipe);
  d.out = false;
  return d;
}
