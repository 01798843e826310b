// A clerk's day with the whole program: the login, the main window's menu and picture
// buttons, the contract window, the contract pick and docket entry, and the exit's backup.
// What was done is checked afterwards by opening the stored files as tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/dates.h"
#include "common/files.h"
#include "common/grid/grid_ops.h"
#include "common/message_box.h"
#include "common/record_fields.h"
#include "common/table/table.h"
#include "common/text.h"
#include "ledger/contract_pick.h"
#include "ledger/contract_pick_dockets.h"
#include "ledger/contract_window.h"
#include "ledger/docket_entry.h"
#include "ledger/login_window.h"
#include "ledger/main_window.h"
#include "tests/ledger/rentdesk_run.h"

namespace rentdesk_test {
namespace {

using C = ContractWindow;
using P = ContractPickWindow;
using E = DocketEntryWindow;

const char* const kAskDelete = "是否确定删除这条合同";
const char* const kNoPick = "您还没有选择合同，请选择一个合同！";
const char* const kOverPipe10 =
    "钢管入库数量比出库数量多了10米， 你确定要录入吗？这样会产生负租金。";
// The run's clock stands at 2015-10-07 12:30:25: dockets are dated today by default, a new
// contract starts on 1 January of the year.
const DateTime kToday = MakeDateTime(2015, 10, 7);
const DateTime kNewYear = MakeDateTime(2015, 1, 1);
const char* const kBackupStamp = "2015年10月7日12时30分25秒";

// One docket as a contract's 数据 holds it.
struct Docket {
  double number;
  DateTime date;
  bool out;
  double pipe, fasteners, jacks;
  friend bool operator==(const Docket&, const Docket&) = default;
};

// One contract as the contract table holds it.
struct Contract {
  double number;
  std::string name;
  DateTime start;
  double pipe_rent;
  double serial;
  std::vector<Docket> dockets;
  friend bool operator==(const Contract&, const Contract&) = default;
};

void PrintTo(const Docket& d, std::ostream* os) {
  *os << "{" << d.number << " " << DateTimeToText(d.date) << (d.out ? " 出库 " : " 入库 ") << d.pipe
      << "/" << d.fasteners << "/" << d.jacks << "}";
}
void PrintTo(const Contract& c, std::ostream* os) {
  *os << "{" << c.number << " " << c.name << " " << DateTimeToText(c.start) << " " << c.pipe_rent
      << " #" << c.serial << " " << ::testing::PrintToString(c.dockets) << "}";
}

// The dockets in bytes, read back as a table through a copy at path ({} for no bytes).
std::vector<Docket> DocketsIn(const ByteSet& bytes, const std::string& path) {
  std::vector<Docket> out;
  if (bytes.empty()) return out;
  EXPECT_TRUE(WriteBinaryToFile(path, bytes));
  if (!OpenTable(path, "检查出租")) {
    ADD_FAILURE() << "数据 is no table";
    return out;
  }
  for (int i = 1; i <= GetRecordCount(); ++i) {
    GoToRecord(i);
    out.push_back({ToNumber(ReadField(1)), ToDateTime(ReadField(2)), std::get<bool>(ReadField(3)),
                   ToNumber(ReadField(4)), ToNumber(ReadField(5)), ToNumber(ReadField(6))});
  }
  CloseTable("检查出租");
  return out;
}

// Every contract of the contract table file, in record order, with its dockets.
std::vector<Contract> ContractsIn(const std::string& table, const std::string& scratch) {
  std::vector<Contract> out;
  std::vector<ByteSet> dockets;
  if (!OpenTable(table, "检查合同")) {
    ADD_FAILURE() << table << " is no table";
    return out;
  }
  for (int i = 1; i <= GetRecordCount(); ++i) {
    GoToRecord(i);
    out.push_back({ToNumber(ReadField(1)),
                   ToText(ReadField(2)),
                   ToDateTime(ReadField(3)),
                   ToNumber(ReadField(5)),
                   ToNumber(ReadField(11)),
                   {}});
    dockets.push_back(std::get<ByteSet>(ReadField(kContractDockets.number)));
  }
  CloseTable("检查合同");
  for (size_t i = 0; i < out.size(); ++i) out[i].dockets = DocketsIn(dockets[i], scratch);
  return out;
}

class ClerkDay : public RentdeskRun {
 protected:
  void SetUp() override {
    RentdeskRun::SetUp();
    SetWindowOpenerHookForTests(nullptr);  // the working windows open for real
    MouseDown(LoginWindow::透明标签1);
  }
  void LeaveAndRun() {
    Click(MainWindow::退出系统);
    ASSERT_EQ(Run(), 0);
  }
  std::vector<Contract> Stored() const { return ContractsIn(InRun("合同.rdb"), Scratch()); }
  std::vector<Contract> BackedUp() const {
    return ContractsIn(Home() + "/租赁数据备份/" + kBackupStamp + "/合同.rdb", Scratch());
  }
  std::string Scratch() const { return InRun("检查.rdb"); }

  // In the contract window: a new contract of that number and name, saved.
  void AddContract(const std::string& number, const std::string& name) {
    Click(C::按钮1);
    Type(C::编辑框1, number);
    Type(C::编辑框2, name);
    Click(C::按钮5);
  }
  // From the main window's menu: contracts 101, 102 ... of these names, then the contract
  // window closed.
  void AddContracts(const std::vector<std::string>& names) {
    Click(MainWindow::增加合同);
    for (size_t i = 0; i < names.size(); ++i) AddContract(std::to_string(101 + i), names[i]);
  }
  // In the main window: the docket entry picture button, then the contract in row.
  void PickForEntry(int row) {
    Click(MainWindow::图形按钮2);
    ClickCell(P::高级表格1, row);
    Click(P::按钮1);
  }
  // In docket entry: a docket of that number and pipe, fasteners; rows left "" are not typed.
  void EnterDocket(const std::string& number, const std::string& pipe,
                   const std::string& fasteners = "") {
    Type(E::编辑框1, number);
    if (!pipe.empty()) TypeCell(E::高级表格1, 1, 1, pipe);
    if (!fasteners.empty()) TypeCell(E::高级表格1, 2, 1, fasteners);
    Click(E::按钮1);
  }
};

TEST_F(ClerkDay, ContractsAreAddedViewedChangedAndDeletedThroughTheMainWindow) {
  AddContracts({"甲建筑", "乙建筑", "丙建筑"});
  Do([] { EXPECT_EQ(GetGridRowCount(C::高级表格1), 4); });
  CloseBox(C::self);
  // 乙 gets a docket, so that the change below must keep its 数据.
  PickForEntry(2);
  EnterDocket("7", "20");
  ExpectMessage("添加成功");
  Click(E::按钮4);
  Click(MainWindow::修改合同);
  ClickCell(C::高级表格1, 2);
  Do([] {
    EXPECT_EQ(ui::GetText(C::编辑框1), "102");
    EXPECT_EQ(ui::GetText(C::编辑框2), "乙建筑");
    EXPECT_TRUE(ui::GetDisabled(C::编辑框2)) << "viewing changes nothing";
  });
  Click(C::按钮4);
  Type(C::编辑框2, "乙建筑二期");
  Type(C::编辑框5, "2.5");
  Click(C::按钮5);
  CloseBox(C::self);
  Click(MainWindow::图形按钮1);
  ClickCell(C::高级表格1, 1);
  Click(C::按钮3);
  ExpectMessage(kAskDelete, kMbOkCancel);
  Click(C::按钮1);
  Type(C::编辑框1, "104");
  Type(C::编辑框2, "丁建筑");
  ChooseDay(C::日期框1, MakeDateTime(2015, 3, 8));
  Click(C::按钮5);
  CloseBox(C::self);
  LeaveAndRun();

  const std::vector<Contract> expected = {
      {102, "乙建筑二期", kNewYear, 2.5, 2, {{7, kToday, true, 20, 0, 0}}},
      {103, "丙建筑", kNewYear, 0, 3, {}},
      {104, "丁建筑", MakeDateTime(2015, 3, 8), 0, 1, {}},
  };
  EXPECT_EQ(Stored(), expected);
  EXPECT_EQ(FolderNames(Home() + "/租赁数据备份"), std::vector<std::string>{kBackupStamp});
  EXPECT_EQ(BackedUp(), expected);
}

TEST_F(ClerkDay, DocketsEnteredThroughThePickLandInTheContractWithTheirSigns) {
  AddContracts({"甲建筑", "乙建筑"});
  CloseBox(C::self);
  PickForEntry(1);
  Do([] {
    EXPECT_EQ(ui::FindWindow(P::self), nullptr) << "the pick closes";
    EXPECT_EQ(ui::GetTitle(E::self), "甲建筑  出租单录入");
    EXPECT_TRUE(ui::GetChecked(E::单选框1)) << "a rental docket first";
  });
  ChooseDay(E::日期框1, MakeDateTime(2015, 9, 30));
  EnterDocket("1", "100", "50");
  ExpectMessage("添加成功");
  Click(E::单选框2);
  ChooseDay(E::日期框1, MakeDateTime(2015, 10, 7));
  EnterDocket("2", "30");
  ExpectMessage("添加成功");
  Click(E::按钮4);
  Do([] {
    EXPECT_EQ(ui::FindWindow(E::self), nullptr);
    ui::Window* main = ui::FindWindow(MainWindow::kWindow);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(ui::TakesInput(*main)) << "back at the main window";
  });
  // The second pick of 甲: returning 80 more than the 70 still out is asked about.
  PickForEntry(1);
  Click(E::单选框2);
  EnterDocket("3", "80");
  ExpectMessage(kOverPipe10, kMbOkCancel, kPressCancel);
  Do([] { EXPECT_EQ(ToText(GetGridCellData(E::高级表格1, 1, 1)), "80") << "the docket stays"; });
  CloseBox(E::self);  // the close box stores back like 关闭
  LeaveAndRun();

  const std::vector<Contract> expected = {
      {101,
       "甲建筑",
       kNewYear,
       0,
       1,
       {{1, MakeDateTime(2015, 9, 30), true, 100, 50, 0}, {2, kToday, false, -30, 0, 0}}},
      {102, "乙建筑", kNewYear, 0, 2, {}},
  };
  EXPECT_EQ(Stored(), expected);
  EXPECT_EQ(BackedUp(), expected);
}

// 出租与回收单录入 and 确定 before a contract row is chosen: the pick asks for one and stays
// open; where there are contracts, the clerk then chooses 乙 and its docket entry opens.
struct NoPickCase {
  const char* what;
  std::vector<std::string> contracts;
};

void PrintTo(const NoPickCase& c, std::ostream* os) { *os << c.what; }

class NoPick : public ClerkDay, public ::testing::WithParamInterface<NoPickCase> {};

TEST_P(NoPick, TheDocketMenuAsksForAContract) {
  const std::vector<std::string>& contracts = GetParam().contracts;
  if (!contracts.empty()) {
    AddContracts(contracts);
    CloseBox(C::self);
  }
  Click(MainWindow::出租与回收单录入);
  Click(P::按钮1);
  ExpectMessage(kNoPick, kMbIconQuestion);
  Do([] {
    EXPECT_NE(ui::FindWindow(P::self), nullptr) << "the pick stays open";
    EXPECT_EQ(ui::FindWindow(E::self), nullptr);
  });
  if (contracts.empty()) {
    CloseBox(P::self);
  } else {
    ClickCell(P::高级表格1, 2);
    Click(P::按钮1);
    Do([] { EXPECT_EQ(ui::GetTitle(E::self), "乙建筑  出租单录入"); });
    Click(E::按钮4);
  }
  LeaveAndRun();

  const std::vector<Contract> stored = Stored();
  ASSERT_EQ(stored.size(), contracts.size());
  for (const Contract& c : stored) EXPECT_TRUE(c.dockets.empty()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, NoPick,
                         ::testing::Values(NoPickCase{"with no contract at all", {}},
                                           NoPickCase{"with two contracts", {"甲建筑", "乙建筑"}}));

}  // namespace
}  // namespace rentdesk_test
