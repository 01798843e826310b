// Power cuts during the docket edit save, made by the real window: the clerk deletes a docket
// from a contract whose dockets were entered out of date order and saves (the dockets are
// deleted and re-sorted). A cut at any recorded write, or with any random part of the unsynced
// writes kept, leaves every contract with exactly its old or its new dockets.
#include <memory>

#include "tests/common/power_cut_env.h"
#include "tests/common/table_contents.h"
#include "tests/ledger/docket_edit_test_base.h"

namespace {

class DocketEditPowerCutTest : public DocketEditTest {
 protected:
  void TearDown() override {
    SetCurrentEnv(nullptr);
    DocketEditTest::TearDown();
  }
};

TEST_F(DocketEditPowerCutTest, EachContractKeepsItsOldOrItsNewDockets) {
  std::vector<StoredDocket> jia, yi;
  for (int i = 1; i <= 14; ++i) jia.push_back(Rental(i, 1 + (i * 5) % 28, 10.0 * i));
  for (int i = 1; i <= 6; ++i) yi.push_back(Return(100 + i, 1 + i, 2.0 * i));
  AppendContract("甲", 1, DocketTableBytes(jia));
  AppendContract("乙", 2, DocketTableBytes(yi));
  CloseTable("合同");
  power_cut::PowerCutEnv env(dir_);
  SetCurrentEnv(&env);
  ASSERT_TRUE(OpenTable(RunPath("合同.rdb"), "合同"));
  power_cut::CutReplay replay(
      env,
      [](const std::string& folder) { return table_contents::ReadTable(folder, "合同.rdb", true); },
      dir_ + "-check");
  size_t begun = 0;
  GridClick(P::高级表格1, 1).Click(P::按钮1);
  GridClick(E::高级表格1, 5, 4);
  script_.Click(E::按钮2);
  Expect("是否确定删除这条单据", kMbOkCancel);
  script_.Do([&] { begun = env.Recorded(); });
  Save();
  Saved();
  Run();
  CloseAllTables();
  replay.NoteStep(begun);  // the store is acknowledged by 出租单修改成功
  SetCurrentEnv(nullptr);
  replay.Replay(1000);
  ASSERT_TRUE(OpenTable(RunPath("合同.rdb"), "合同"));
  EXPECT_EQ(DocketsOf(1).size(), 13u);
  EXPECT_EQ(DocketsOf(2).size(), 6u);
}

}  // namespace
