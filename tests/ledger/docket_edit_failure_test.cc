// Docket editing when files refuse writes: a row that cannot be rewritten, a contract that
// cannot take the saved dockets.
#include "tests/ledger/docket_edit_test_base.h"
#include "tests/ledger/locking_env.h"

namespace {

class DocketEditFailureTest : public DocketEditTest {
 protected:
  void SetUp() override {
    DocketEditTest::SetUp();
    SetCurrentEnv(&env_);
    ASSERT_TRUE(CloseTable("合同"));  // opened again through the locking files
    ASSERT_TRUE(OpenTable(RunPath("合同.rdb"), "合同"));
  }
  void TearDown() override {
    SetCurrentEnv(nullptr);
    DocketEditTest::TearDown();
  }
  // From this point of the script, writes to the file fail.
  void LockFromHere(const std::string& name) {
    script_.Do([this, name] { env_.locked.insert(name); });
  }
  ledger_test::LockingEnv env_;
};

// Each row that fails says so once; the save goes on and the contract takes the sorted
// copy as it is on disk, in date order without the edits.
TEST_F(DocketEditFailureTest, RowsThatCannotBeRewrittenAreReportedEach) {
  PickContractWith({Rental(1, 9, 10), Rental(2, 3, 20)});
  script_.TypeCell(E::高级表格1, 1, 9, "不会存");
  LockFromHere("出租单临时数据.rdb");
  Save();
  Expect("修改失败");
  Expect("修改失败");
  Saved();
  Run();
  const auto d = DocketsOf(1);
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].number, 2);
  EXPECT_EQ(d[0].remark, "");
  EXPECT_EQ(d[1].number, 1);
}

// A contract that cannot be written keeps its earlier dockets; the window closes all the same
// (the run ends).
TEST_F(DocketEditFailureTest, AStoreThatFailsIsReportedAndTheContractKeepsItsDockets) {
  PickContractWith({Rental(1, 9, 10), Rental(2, 3, 20)});
  const ByteSet before = DocketBytes(1);
  LockFromHere("合同.rdb");
  LockFromHere("合同.rdt");
  Save();
  Expect("出租单修改失败");
  Run();
  env_.locked.clear();
  EXPECT_EQ(DocketBytes(1), before);
}

}  // namespace
