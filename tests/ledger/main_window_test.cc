// The main window: its menu bar, the picture buttons and captions, DocketMode, the web pages
// and the About box.
#include "ledger/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "common/assets.h"
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
    DocketMode = 7;  // a value no handler writes
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

TEST_F(MainWindowRun, EveryMenuEntryReachesItsWindow) {
  Click(MainWindow::增加合同);
  Click(MainWindow::修改合同);
  Click(MainWindow::出租与回收单录入);
  Click(MainWindow::出租与回收单修改);
  Click(MainWindow::用户管理);
  Click(MainWindow::数据备份);
  Click(MainWindow::租金结算);
  LeaveAndRun();
  EXPECT_EQ(Asked(), (std::vector<std::pair<W, int>>{{W::kContract, 7},
                                                     {W::kContract, 7},
                                                     {W::kContractPick, 0},
                                                     {W::kContractPick, 1},
                                                     {W::kSettings, 1},
                                                     {W::kBackup, 1},
                                                     {W::kSettlement, 1}}));
  EXPECT_TRUE(Pages().empty());
}

TEST_F(MainWindowRun, EveryPictureButtonReachesItsWindow) {
  Click(MainWindow::图形按钮3);
  Click(MainWindow::图形按钮2);
  Click(MainWindow::图形按钮1);
  Click(MainWindow::图形按钮5);
  LeaveAndRun();
  EXPECT_EQ(
      Asked(),
      (std::vector<std::pair<W, int>>{
          {W::kContractPick, 1}, {W::kContractPick, 0}, {W::kContract, 0}, {W::kSettlement, 0}}));
}

TEST_F(MainWindowRun, DocketModeFollowsTheLastEntryOrButtonUsed) {
  Click(MainWindow::出租与回收单录入);
  Do([] { EXPECT_EQ(DocketMode, 0); });
  Click(MainWindow::图形按钮3);
  Do([] { EXPECT_EQ(DocketMode, 1); });
  Click(MainWindow::增加合同);
  Click(MainWindow::租金结算);
  Do([] { EXPECT_EQ(DocketMode, 1) << "only the two docket ways write it"; });
  Click(MainWindow::图形按钮2);
  Do([] { EXPECT_EQ(DocketMode, 0); });
  Click(MainWindow::出租与回收单修改);
  LeaveAndRun();
  EXPECT_EQ(DocketMode, 1);
}

TEST_F(MainWindowRun, OnlyTheSettlementCaptionReacts) {
  MouseDown(MainWindow::透明标签1);
  MouseDown(MainWindow::透明标签2);
  MouseDown(MainWindow::透明标签3);
  Do([this] { EXPECT_TRUE(windows_.empty()) << "the other captions do nothing"; });
  MouseDown(MainWindow::透明标签5);
  LeaveAndRun();
  EXPECT_EQ(Asked(), (std::vector<std::pair<W, int>>{{W::kSettlement, 7}}));
}

TEST_F(MainWindowRun, TheAboutMenuOpensTheTwoPagesAndTheAboutBox) {
  Click(MainWindow::使用教程);
  Click(MainWindow::软件更新);
  Click(MainWindow::关于);
  ExpectMessage("墨川租赁软件 rentdesk 版本 1.0", kMbIconInformation);
  LeaveAndRun();
  EXPECT_EQ(Pages(), (std::vector<std::string>{"file://" + RunDir() + "/使用教程.html",
                                               "file://" + RunDir() + "/软件更新.html"}));
  EXPECT_TRUE(windows_.empty());
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

// The declaration as the clerk sees it: captions, places, pictures and the menu bar.
std::vector<std::string> MenuLines(const std::vector<ui::MenuDecl>& menu) {
  std::vector<std::string> lines;
  for (const ui::MenuDecl& top : menu) {
    lines.push_back(top.caption);
    for (const ui::MenuDecl& e : top.items) lines.push_back(e.separator ? "  -" : "  " + e.caption);
  }
  return lines;
}

TEST(MainWindowLayout, TheMenuBarHoldsExactlyTheEntriesInOrder) {
  const ui::WindowDecl& d = MainWindow::Decl();
  EXPECT_EQ(MenuLines(d.menu), (std::vector<std::string>{"合同管理",
                                                         "  增加合同",
                                                         "  修改合同",
                                                         "  -",
                                                         "  -",
                                                         "  -",
                                                         "  退出系统",
                                                         "出租与回收管理",
                                                         "  出租与回收单录入",
                                                         "  出租与回收单修改",
                                                         "  -",
                                                         "基础信息设置",
                                                         "  用户管理",
                                                         "  数据备份",
                                                         "结算管理",
                                                         "  租金结算",
                                                         "关于墨川",
                                                         "  使用教程",
                                                         "  软件更新",
                                                         "  关于"}));
  for (const ui::MenuDecl& top : d.menu) {
    EXPECT_TRUE(top.visible);
    for (const ui::MenuDecl& e : top.items) EXPECT_TRUE(e.visible && e.items.empty());
  }
}

TEST(MainWindowLayout, WindowButtonsAndCaptions) {
  const ui::WindowDecl& d = MainWindow::Decl();
  EXPECT_EQ(d.caption, "墨川租赁软件");
  EXPECT_EQ(std::vector<int>({d.rect.left, d.rect.top, d.rect.width, d.rect.height}),
            std::vector<int>({50, 50, 949, 566}));
  EXPECT_TRUE(d.hidden);
  ASSERT_FALSE(FindAsset(d.picture).empty());
  struct Expected {
    const char* name;
    ui::Kind kind;
    ui::Rect rect;
    const char* text;
  };
  const Expected units[] = {
      {"图形按钮1", ui::Kind::kPictureButton, {72, 48, 64, 64}, ""},
      {"图形按钮2", ui::Kind::kPictureButton, {192, 48, 64, 64}, ""},
      {"图形按钮3", ui::Kind::kPictureButton, {344, 48, 64, 64}, ""},
      {"图形按钮5", ui::Kind::kPictureButton, {480, 48, 64, 64}, ""},
      {"透明标签1", ui::Kind::kTransparentLabel, {56, 112, 88, 32}, "合同管理"},
      {"透明标签2", ui::Kind::kTransparentLabel, {168, 112, 120, 32}, "出租回收录入"},
      {"透明标签3", ui::Kind::kTransparentLabel, {320, 112, 120, 32}, "出租回收修改"},
      {"透明标签5", ui::Kind::kTransparentLabel, {472, 112, 88, 32}, "结算管理"},
  };
  ASSERT_EQ(d.units.size(), std::size(units));
  std::vector<std::string> pictures;
  for (size_t i = 0; i < d.units.size(); ++i) {
    const ui::UnitDecl& u = d.units[i];
    SCOPED_TRACE(u.name);
    EXPECT_EQ(std::string(u.name), units[i].name);
    EXPECT_EQ(u.kind, units[i].kind);
    EXPECT_EQ(std::vector<int>({u.rect.left, u.rect.top, u.rect.width, u.rect.height}),
              std::vector<int>({units[i].rect.left, units[i].rect.top, units[i].rect.width,
                                units[i].rect.height}));
    EXPECT_EQ(u.text, units[i].text);
    if (u.kind == ui::Kind::kPictureButton) {
      EXPECT_FALSE(FindAsset(u.picture).empty());
      pictures.push_back(u.picture);
    } else {
      EXPECT_EQ(u.font.face, "楷体");
      EXPECT_EQ(u.font.height, 19);
      EXPECT_EQ(u.font.weight, 700);
      EXPECT_EQ(u.font.charset, 134);
    }
  }
  std::sort(pictures.begin(), pictures.end());
  EXPECT_EQ(std::unique(pictures.begin(), pictures.end()), pictures.end()) << "four icons";
}

TEST(LoginLayout, BoxesAndAreas) {
  const ui::WindowDecl& d = LoginWindow::Decl();
  EXPECT_EQ(d.caption, "");
  EXPECT_EQ(d.rect.width, 640);
  EXPECT_EQ(d.rect.height, 431);
  EXPECT_FALSE(FindAsset(d.picture).empty());
  ASSERT_EQ(d.units.size(), 4u);
  EXPECT_EQ(d.units[0].mode, ui::InputMode::kPlain);
  EXPECT_EQ(d.units[1].mode, ui::InputMode::kPassword);
  EXPECT_EQ(d.units[2].kind, ui::Kind::kTransparentLabel);
  EXPECT_EQ(d.units[2].text, "");
  EXPECT_EQ(d.units[3].rect.left, 442);
  EXPECT_EQ(d.units[3].rect.top, 239);
}

}  // namespace
}  // namespace rentdesk_test
