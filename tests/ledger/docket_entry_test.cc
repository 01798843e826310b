// Docket entry: rental and return dockets, the over-return questions, the signs stored, the
// dockets that are not stored, the tool buttons and the window's size per tab page.
#include "ledger/docket_entry.h"

#include "common/message_box.h"
#include "ledger/contract_pick.h"
#include "ledger/contract_pick_dockets.h"
#include "tests/common/fault_env.h"
#include "tests/ledger/ledger_window_test_base.h"

namespace {

using E = DocketEntryWindow;
using P = ContractPickWindow;

std::string OverPipe(const std::string& excess) {
  return "钢管入库数量比出库数量多了" + excess + "米， 你确定要录入吗？这样会产生负租金。";
}
std::string OverFasteners(const std::string& excess) {
  return "扣件入库数量比出库数量多了" + excess + "套， 你确定要录入吗？这样会产生负租金。";
}
std::string OverJacks(const std::string& excess) {
  return "顶托入库数量比出库数量多了" + excess + "个， 你确定要录入吗？这样会产生负租金。";
}

// Each test works in the entry window of contract 甲, opened through the pick.
class DocketEntryTest : public LedgerWindowTest {
 protected:
  void SetUp() override {
    LedgerWindowTest::SetUp();
    AppendContract("甲", 1);
    GridClick(P::高级表格1, 1).Click(P::按钮1);
  }
  // Types the rows' quantities (row 1 = pipe ... row 6 = remark); "" leaves a row.
  void Fill(const std::vector<std::string>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
      if (!rows[i].empty()) GridEdit(E::高级表格1, static_cast<int>(i) + 1, 1, rows[i]);
    }
  }
  void Return() { script_.Click(E::单选框2); }
  void Enter() { script_.Click(E::按钮1); }
  void Stored() { Expect("添加成功"); }
  // Closes the entry window and returns what the contract holds.
  std::vector<StoredDocket> Finish() {
    script_.Click(E::按钮4);
    RunWindow(ContractPickWindowDecl());
    return DocketsOf(1);
  }
  // A rental docket of these quantities, stored.
  void Rent(const std::vector<std::string>& rows) {
    Fill(rows);
    Enter();
    Stored();
  }
};

TEST_F(DocketEntryTest, TheWindowShowsItsLabelsAndSizesPerPage) {
  script_.Do([] {
    EXPECT_EQ(ui::GetTitle(E::self), "甲  出租单录入");
    EXPECT_EQ(ui::GetWindowWidth(E::self), 623);
    EXPECT_EQ(ui::GetWindowHeight(E::self), 315);
    EXPECT_TRUE(ui::GetChecked(E::单选框1));
    EXPECT_FALSE(ui::GetChecked(E::单选框2));
    const char* labels[] = {"材料品名",     "钢管（米）",       "扣件（套）", "顶托（根）",
                            "工字钢（米）", "扣件差螺丝（套）", "其它备注"};
    for (int r = 0; r < 7; ++r) EXPECT_EQ(Cell(E::高级表格1, r, 0), labels[r]);
    EXPECT_EQ(Cell(E::高级表格1, 0, 1), "数量");
  });
  script_.ChoosePage(E::选择夹1, 1).Do([] {
    EXPECT_EQ(ui::GetWindowWidth(E::self), 623);
    EXPECT_EQ(ui::GetWindowHeight(E::self), 668);
  });
  script_.ChoosePage(E::选择夹1, 0).Do([] { EXPECT_EQ(ui::GetWindowHeight(E::self), 315); });
  EXPECT_TRUE(Finish().empty());
}

TEST_F(DocketEntryTest, ARentalAndAReturnAreStoredWithTheirSigns) {
  script_.Type(E::编辑框1, "17").ChooseDay(E::日期框1, MakeDateTime(2024, 4, 2));
  Fill({"100", "50", "8", "12.5", "3", "首批"});
  Enter();
  Stored();
  script_.Do([] {
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(Cell(E::高级表格1, r, 1), "") << r;
    EXPECT_EQ(ui::GetText(E::编辑框1), "17");
  });
  Return();
  Fill({"40", "20", "", "", "2", "回收"});
  Enter();
  Stored();
  const auto d = Finish();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].number, 17);
  EXPECT_EQ(d[0].date, MakeDateTime(2024, 4, 2));
  EXPECT_TRUE(d[0].out);
  EXPECT_EQ(d[0].pipe, 100);
  EXPECT_EQ(d[0].fasteners, 50);
  EXPECT_EQ(d[0].jacks, 8);
  EXPECT_EQ(d[0].beams, 12.5);
  EXPECT_EQ(d[0].screws, 3);
  EXPECT_EQ(d[0].remark, "首批");
  EXPECT_FALSE(d[1].out);
  EXPECT_EQ(d[1].pipe, -40);
  EXPECT_EQ(d[1].fasteners, -20);
  EXPECT_EQ(d[1].jacks, 0);
  EXPECT_EQ(d[1].screws, -2);
  EXPECT_EQ(d[1].remark, "回收");
}

TEST_F(DocketEntryTest, AReturnOfExactlyTheBalanceAsksNothing) {
  Rent({"100"});
  Rent({"0.1"});
  Return();
  Fill({"100.1"});
  Enter();
  Stored();
  const auto d = Finish();
  ASSERT_EQ(d.size(), 3u);
  EXPECT_NEAR(d[0].pipe + d[1].pipe + d[2].pipe, 0, 1e-9);
}

TEST_F(DocketEntryTest, CancelOnTheFirstOverReturnStopsEverything) {
  Rent({"10", "5"});
  Return();
  Fill({"12", "7"});
  Enter();
  Expect(OverPipe("2"), kMbOkCancel, kPressCancel).Do([] {
    EXPECT_EQ(Cell(E::高级表格1, 1, 1), "12");
    EXPECT_EQ(Cell(E::高级表格1, 2, 1), "7");
  });
  EXPECT_EQ(Finish().size(), 1u);
}

TEST_F(DocketEntryTest, OkOnEveryOverReturnStoresTheDocket) {
  Rent({"10", "5"});
  Return();
  Fill({"12", "7"});
  Enter();
  Expect(OverPipe("2"), kMbOkCancel);
  Expect(OverFasteners("2"), kMbOkCancel);
  Stored();
  const auto d = Finish();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[1].pipe, -12);
  EXPECT_EQ(d[1].fasteners, -7);
}

TEST_F(DocketEntryTest, ANegativeQuantityIsStoredAsTyped) {
  Rent({"-12"});
  Return();
  Fill({"-12"});
  Enter();
  Stored();
  const auto d = Finish();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].pipe, -12);
  EXPECT_EQ(d[1].pipe, -12);
}

TEST_F(DocketEntryTest, QuantitiesThatCancelOutAreNotStored) {
  Rent({"5"});
  Return();
  Fill({"5", "", "-5"});
  Enter();
  script_.Do([] {
    EXPECT_EQ(Cell(E::高级表格1, 1, 1), "-5");
    EXPECT_EQ(Cell(E::高级表格1, 3, 1), "-5");
  });
  GridEdit(E::高级表格1, 1, 1, "");
  GridEdit(E::高级表格1, 3, 1, "");
  GridEdit(E::高级表格1, 6, 1, "只有备注");
  Enter();  // a remark alone is no docket
  EXPECT_EQ(Finish().size(), 1u);
}

// 2.5 fasteners on a return show as -2.5 and are stored as -2. The clerk first makes the
// rows cancel out, so that the negated cell stays in view, then clears the screw row.
TEST_F(DocketEntryTest, AFractionOfFastenersIsTruncatedWhenStored) {
  Rent({"", "3"});
  Return();
  Fill({"", "2.5", "", "", "-2.5"});
  Enter();
  script_.Do([] { EXPECT_EQ(Cell(E::高级表格1, 2, 1), "-2.5"); });
  GridEdit(E::高级表格1, 2, 1, "2.5");
  GridEdit(E::高级表格1, 5, 1, "");
  Enter();
  Stored();
  const auto d = Finish();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[1].fasteners, -2);
  EXPECT_EQ(d[1].screws, 0);
}

// A balance already below zero asks on every return, even with nothing typed in its row.
TEST_F(DocketEntryTest, ANegativeBalanceAsksOnEveryReturn) {
  Return();
  Fill({"", "", "4"});
  Enter();
  Expect(OverJacks("4"), kMbOkCancel);
  Stored();
  Fill({"1"});
  Enter();
  Expect(OverPipe("1"), kMbOkCancel);
  Expect(OverJacks("4"), kMbOkCancel);
  Stored();
  Fill({"", "1"});
  Enter();
  Expect(OverPipe("1"), kMbOkCancel);
  Expect(OverFasteners("1"), kMbOkCancel);
  Expect(OverJacks("4"), kMbOkCancel, kPressCancel);
  EXPECT_EQ(Finish().size(), 2u);
}

TEST_F(DocketEntryTest, TheToolButtonsStartTallybenchAndTheCalculator) {
  script_.AnswerRunProgram(false);
  script_.Click(E::按钮2);
  Expect("找不到tallybench。", kMbIconStop);
  script_.Click(E::按钮3);  // the calculator's start is not reported, whatever its outcome
  script_.Do([this] {
    ASSERT_GE(script_.programs().size(), 1u);
    EXPECT_EQ(script_.programs()[0].command_line, dir_ + "/tallybench");
    EXPECT_FALSE(script_.programs()[0].wait);
  });
  EXPECT_TRUE(Finish().empty());
}

// The contract files as they are on disk now: what a kill at this moment leaves.
struct ContractFiles {
  ByteSet table, companion;
};
ContractFiles Snapshot() {
  return {ReadFileToBinary(RunPath("合同.rdb")), ReadFileToBinary(RunPath("合同.rdt"))};
}

// Each 添加成功 is in the contract at once: the program killed while the entry window is still
// open, the contract files as the kill left them hold every docket acknowledged until then.
TEST_F(DocketEntryTest, EveryAcknowledgedDocketSurvivesACrashBeforeTheWindowCloses) {
  std::vector<ContractFiles> crashes;
  Rent({"100", "50"});
  script_.Do([&] { crashes.push_back(Snapshot()); });
  Return();
  Fill({"40"});
  Enter();
  Stored();
  script_.Do([&] { crashes.push_back(Snapshot()); });
  Finish();
  CloseTable("合同");
  for (size_t i = 0; i < crashes.size(); ++i) {
    SCOPED_TRACE("killed after docket " + std::to_string(i + 1));
    ASSERT_TRUE(WriteBinaryToFile(RunPath("合同.rdb"), crashes[i].table));
    ASSERT_TRUE(WriteBinaryToFile(RunPath("合同.rdt"), crashes[i].companion));
    ASSERT_TRUE(OpenTable(RunPath("合同.rdb"), "合同"));
    const auto d = DocketsOf(1);
    ASSERT_EQ(d.size(), i + 1);
    EXPECT_EQ(d[0].pipe, 100);
    EXPECT_EQ(d[0].fasteners, 50);
    EXPECT_EQ(d.back().pipe, i == 0 ? 100 : -40);
    CloseTable("合同");
  }
}

// The real file system, except that the contract files take no write while `deny` is set.
class ContractWritesFail : public FaultEnv {
 public:
  std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
    if (path.find("/合同.") == std::string::npos) return PosixEnv()->Open(path, mode);
    return FaultEnv::Open(path, mode);
  }
  bool Rename(const std::string& from, const std::string& to) override {
    return PosixEnv()->Rename(from, to);
  }
};

// When the contract cannot take the docket at once, the clerk is told, the docket stays in the
// working table, and the close stores it.
TEST_F(DocketEntryTest, AStoreIntoTheContractThatFailsIsReportedAndTheCloseStoresTheDocket) {
  ContractWritesFail env;
  CloseTable("合同");
  SetCurrentEnv(&env);
  ASSERT_TRUE(OpenTable(RunPath("合同.rdb"), "合同"));
  Fill({"100"});
  script_.Do([&] { env.StopWritesFrom(1); });
  Enter();
  Expect("出租单录入数据库失败");
  Stored();
  script_.Do([&] {
    EXPECT_EQ(Cell(E::高级表格1, 1, 1), "");
    env.Heal();
  });
  const auto d = Finish();
  SetCurrentEnv(nullptr);
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].pipe, 100);
}

}  // namespace
