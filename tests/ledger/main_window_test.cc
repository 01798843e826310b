// The main window: what each menu entry, picture button and caption opens, DocketMode, the
// web pages and the About box.
#include "ledger/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>
#include <variant>

#include "common/message_box.h"
#include "ledger/contract_window.h"
#include "ledger/login_window.h"
#include "ledger/program_state.h"
#include "ledger/web_pages.h"
#include "tests/ledger/rentdesk_run.h"

namespace rentdesk_test {
namespace {

using W = LedgerWindow;

class MainWindowRun : public RentdeskRun {
 protected:
  void SetUp() override {
    RentdeskRun::SetUp();
    DocketMode = static_cast<DocketModeValue>(7);  // a value no handler writes
    MouseDown(LoginWindow::透明标签1);
  }
  // Ends the script by 退出系统 and runs it.
  void LeaveAndRun() {
    Click(MainWindow::退出系统);
    ASSERT_EQ(Run(), 0);
  }
  // The windows asked for, with the DocketMode each saw.
  std::vector<std::pair<W, int>> Asked() const {
    std::vector<std::pair<W, int>> out;
    for (const Opened& o : windows_) out.push_back({o.window, o.docket_mode});
    return out;
  }
};

// What one click of the clerk's on the main window opens: the working windows asked for
// (with the DocketMode each saw, 7 being a value no handler writes), the web pages, the About
// box. The program then ends by 退出系统 (which itself ends it in the 退出系统 case).
using Clicked = std::variant<ui::MenuItemRef, ui::PictureButtonRef, ui::TransparentLabelRef>;

struct ClickCase {
  Clicked clicked;
  std::vector<std::pair<W, int>> windows;
  std::vector<std::string> pages;  // in the run directory when they begin with "/"
  bool about, ends;
};

std::string NameOf(const Clicked& c) {
  return std::visit([](auto ref) { return std::string(ref.name); }, c);
}

void PrintTo(const ClickCase& c, std::ostream* os) { *os << NameOf(c.clicked); }

const std::string kTutorial = "/使用教程.html";
const std::string kUpdate = "/软件更新.html";

namespace M = MainWindow;
const ClickCase kClickCases[] = {
    {M::增加合同, {{W::kContract, 7}}, {}, false, false},
    {M::修改合同, {{W::kContract, 7}}, {}, false, false},
    {M::退出系统, {}, {}, false, true},
    {M::出租与回收单录入, {{W::kContractPick, 0}}, {}, false, false},
    {M::出租与回收单修改, {{W::kContractPick, 1}}, {}, false, false},
    {M::用户管理, {{W::kSettings, 7}}, {}, false, false},
    {M::数据备份, {{W::kBackup, 7}}, {}, false, false},
    {M::租金结算, {{W::kSettlement, 7}}, {}, false, false},
    {M::使用教程, {}, {kTutorial}, false, false},
    {M::软件更新, {}, {kUpdate}, false, false},
    {M::关于, {}, {}, true, false},
    {M::图形按钮1, {{W::kContract, 7}}, {}, false, false},
    {M::图形按钮2, {{W::kContractPick, 0}}, {}, false, false},
    {M::图形按钮3, {{W::kContractPick, 1}}, {}, false, false},
    {M::图形按钮5, {{W::kSettlement, 7}}, {}, false, false},
    // Of the captions only 结算管理 reacts.
    {M::透明标签1, {}, {}, false, false},
    {M::透明标签2, {}, {}, false, false},
    {M::透明标签3, {}, {}, false, false},
    {M::透明标签5, {{W::kSettlement, 7}}, {}, false, false},
};

class MainWindowClick : public MainWindowRun, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(MainWindowClick, OpensWhatTheEntryNames) {
  const ClickCase& c = GetParam();
  std::visit(
      [this](auto ref) {
        if constexpr (std::is_same_v<decltype(ref), ui::TransparentLabelRef>) {
          MouseDown(ref);
        } else {
          Click(ref);
        }
      },
      c.clicked);
  if (c.about) ExpectMessage("墨川租赁软件 rentdesk 版本 1.0", kMbIconInformation);
  if (c.ends) {
    ASSERT_EQ(Run(), 0);
    EXPECT_FALSE(FolderNames(Home() + "/租赁数据备份").empty()) << "the backup at exit ran";
  } else {
    LeaveAndRun();
  }
  EXPECT_EQ(Asked(), c.windows);
  std::vector<std::string> pages;
  for (const std::string& p : c.pages) pages.push_back(p[0] == '/' ? "file://" + RunDir() + p : p);
  EXPECT_EQ(Pages(), pages);
}

INSTANTIATE_TEST_SUITE_P(Cases, MainWindowClick, ::testing::ValuesIn(kClickCases));

// Every menu entry and unit the clerk can click is one of the cases above.
TEST(MainWindowEntries, EveryEntryAndUnitHasItsCase) {
  std::vector<std::string> covered;
  for (const ClickCase& c : kClickCases) covered.push_back(NameOf(c.clicked));
  auto has_case = [&](const std::string& name) {
    return std::find(covered.begin(), covered.end(), name) != covered.end();
  };
  const ui::WindowDecl& d = MainWindow::Decl();
  for (const ui::MenuDecl& top : d.menu) {
    for (const ui::MenuDecl& e : top.items) {
      if (e.separator) continue;
      EXPECT_TRUE(has_case(e.name)) << e.name;
    }
  }
  for (const ui::UnitDecl& u : d.units) EXPECT_TRUE(has_case(u.name)) << u.name;
}

TEST_F(MainWindowRun, DocketModeFollowsTheLastEntryOrButtonUsed) {
  Click(MainWindow::出租与回收单录入);
  Do([] { EXPECT_EQ(DocketMode, DocketModeValue::kEntry); });
  Click(MainWindow::图形按钮3);
  Do([] { EXPECT_EQ(DocketMode, DocketModeValue::kEdit); });
  Click(MainWindow::增加合同);
  Click(MainWindow::租金结算);
  Do([] { EXPECT_EQ(DocketMode, DocketModeValue::kEdit) << "only the two docket ways write it"; });
  Click(MainWindow::图形按钮2);
  Do([] { EXPECT_EQ(DocketMode, DocketModeValue::kEntry); });
  Click(MainWindow::出租与回收单修改);
  LeaveAndRun();
  EXPECT_EQ(DocketMode, DocketModeValue::kEdit);
}

TEST_F(MainWindowRun, TheContractWindowOpensModallyOverTheMainWindow) {
  SetWindowOpenerHookForTests(nullptr);
  for (int i = 0; i < 2; ++i) {
    Click(i == 0 ? MainWindow::增加合同 : MainWindow::修改合同);
    Do([] {
      ASSERT_NE(ui::FindWindow(ContractWindow::self), nullptr);
      ui::Window* main = ui::FindWindow(MainWindow::kWindow);
      ASSERT_NE(main, nullptr);
      EXPECT_FALSE(ui::TakesInput(*main)) << "the main window waits for the contract window";
    });
    CloseBox(ContractWindow::self);
  }
  LeaveAndRun();
}

}  // namespace
}  // namespace rentdesk_test
