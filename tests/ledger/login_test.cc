// The login: the password gate, the exit area and the close box.
#include <gtest/gtest.h>

#include <optional>

#include "common/files.h"
#include "common/message_box.h"
#include "common/table/table.h"
#include "common/text.h"
#include "ledger/backup_at_exit.h"
#include "ledger/login_window.h"
#include "ledger/main_window.h"
#include "ledger/program_state.h"
#include "tests/ledger/rentdesk_run.h"

namespace rentdesk_test {
namespace {

using Names = std::vector<std::string>;
constexpr const char* kWrongPassword = "密码输入错误，请重新输入。";

class Login : public RentdeskRun {
 protected:
  // The clerk types the password and clicks the login area.
  void TryPassword(const std::string& typed) {
    Type(LoginWindow::编辑框2, typed);
    MouseDown(LoginWindow::透明标签1);
  }
  // Steps that check the clerk is in, then leave by 退出系统.
  void ExpectInThenLeave() {
    Do([] {
      EXPECT_EQ(ui::FindWindow(LoginWindow::kWindow), nullptr);
      EXPECT_TRUE(ui::GetWindowVisible(MainWindow::kWindow));
    });
    Click(MainWindow::退出系统);
  }
  void ExpectRefused(const std::string& typed) {
    ExpectMessage(kWrongPassword, kMbIconStop);
    Do([typed] {
      ASSERT_NE(ui::FindWindow(LoginWindow::kWindow), nullptr) << "the login stays open";
      EXPECT_EQ(ui::GetText(LoginWindow::编辑框2), typed) << "the boxes stay as they were";
      EXPECT_FALSE(ui::GetWindowVisible(MainWindow::kWindow));
    });
  }
  // The settings back up into this run's default folder; the names in it.
  Names Backups() { return FolderNames(DefaultBackupFolder()); }
};

TEST_F(Login, AStoredPasswordIsRefusedWhenWrongAndLetsInWhenRight) {
  Setting("使用密码", "是");
  Setting("密码", "mc2015");
  TryPassword("mc2016");
  ExpectRefused("mc2016");
  TryPassword("");
  ExpectRefused("");
  TryPassword("mc2015 ");
  ExpectRefused("mc2015 ");
  TryPassword("mc2015");
  ExpectInThenLeave();
  EXPECT_EQ(Run(), 0);
}

TEST_F(Login, TheSettingsAreReadAnewAtEveryClick) {
  Setting("使用密码", "是");
  Setting("密码", "甲乙");
  TryPassword("x");
  ExpectRefused("x");
  Do([this] { Setting("密码", "x"); });
  MouseDown(LoginWindow::透明标签1);
  ExpectInThenLeave();
  EXPECT_EQ(Run(), 0);
}

// 使用密码 and 密码 as stored (nullopt = not in the file), what the clerk types, let in or not.
struct GateCase {
  std::optional<std::string> use_password, password;
  std::string typed;
  bool let_in;
};

void PrintTo(const GateCase& c, std::ostream* os) {
  *os << "使用密码=" << c.use_password.value_or("<none>") << " typed=" << c.typed;
}

const GateCase kGateCases[] = {
    {"是", std::nullopt, "", true},    // no password stored: the empty box matches
    {"是", std::nullopt, "a", false},  // ... and anything typed is refused
    {"是", "", "", true},
    {"是 ", "secret", "", true},   // 是 followed by a blank is not 是
    {"是　", "secret", "", true},  // nor with an ideographic blank
    {"是。", "secret", "", true},
    {"否", "secret", "", true},
    {"", "secret", "", true},
    {std::nullopt, "secret", "", true},
    {"是是", "secret", "", true},
    {"是", "密码", "密码", true},
};

class Gate : public Login, public ::testing::WithParamInterface<GateCase> {};

TEST_P(Gate, OnlyExactly是AsksForThePassword) {
  const GateCase& c = GetParam();
  if (c.use_password) Setting("使用密码", *c.use_password);
  if (c.password) Setting("密码", *c.password);
  TryPassword(c.typed);
  if (c.let_in) {
    ExpectInThenLeave();
  } else {
    ExpectRefused(c.typed);
    MouseDown(LoginWindow::透明标签2);
  }
  EXPECT_EQ(Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, Gate, ::testing::ValuesIn(kGateCases));

// Settings an editor saved: as UTF-8 with or without a byte order mark, or as GBK with blanks
// around '='. The password is still asked for, and the names are still read.
struct EditedFile {
  const char* what;
  std::string bytes;
};

void PrintTo(const EditedFile& f, std::ostream* os) { *os << f.what; }

const std::string kEditedText =
    "[用户设置]\r\n用户名 = 小王\r\n单位名称 = 永安租赁\r\n使用密码 = 是\r\n密码 = 123\r\n";

class EditedSettings : public Login, public ::testing::WithParamInterface<EditedFile> {};

TEST_P(EditedSettings, StillAskForThePassword) {
  WriteFile(InRun("配置.ini"), Bytes(GetParam().bytes));
  Do([] { EXPECT_EQ(ui::GetText(LoginWindow::编辑框1), "小王"); });
  TryPassword("");
  ExpectRefused("");
  TryPassword("123 ");
  ExpectRefused("123 ");
  TryPassword("123");
  Do([] { EXPECT_EQ(CompanyName.value_or("?"), "永安租赁"); });
  ExpectInThenLeave();
  EXPECT_EQ(Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditedSettings,
                         ::testing::Values(EditedFile{"Utf8WithAByteOrderMark",
                                                      "\xEF\xBB\xBF" + kEditedText},
                                           EditedFile{"Utf8", kEditedText},
                                           EditedFile{"GbkEditedByHand", ToGbk(kEditedText)}));

TEST_F(Login, LeavingAtTheExitAreaStillBacksUpTheContractFiles) {
  WriteFile(InRun("合同.rdb"), Bytes("contracts of yesterday"));
  WriteFile(InRun("合同.rdt"), Bytes("dockets of yesterday"));
  Setting("使用密码", "是");
  Setting("密码", "secret");
  MouseDown(LoginWindow::透明标签2);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(ui::LiveWindows().empty());
  ASSERT_EQ(Backups(), Names{"2015年10月7日12时30分25秒"});
  std::string folder = DefaultBackupFolder() + "/2015年10月7日12时30分25秒";
  EXPECT_EQ(FileBytes(folder + "/合同.rdb"), Bytes("contracts of yesterday"));
  EXPECT_EQ(FileBytes(folder + "/合同.rdt"), Bytes("dockets of yesterday"));
  EXPECT_FALSE(SelectTable("合同")) << "no contract table is left open after the program";
}

TEST_F(Login, TheCloseBoxOfTheLoginEndsTheProgramLikeTheExitArea) {
  WriteFile(InRun("合同.rdb"), Bytes("contracts"));
  WriteFile(InRun("合同.rdt"), Bytes("dockets"));
  CloseBox(LoginWindow::kWindow);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(ui::LiveWindows().empty());
  ASSERT_EQ(Backups(), Names{"2015年10月7日12时30分25秒"});
  EXPECT_EQ(FileBytes(DefaultBackupFolder() + "/2015年10月7日12时30分25秒/合同.rdb"),
            Bytes("contracts"));
}

// The background picture draws the frames of the two boxes and the buttons 登录 and 退出:
// the boxes and the two areas the clerk clicks must stand exactly over them.
TEST_F(Login, TheBoxesAndAreasLieOverWhatThePictureDraws) {
  struct Place {
    const char* unit;
    ui::Rect rect;
    const char* drawn;
  };
  const Place places[] = {
      {"编辑框1", {356, 167, 176, 24}, "the frame right of 用户名"},
      {"编辑框2", {356, 195, 176, 24}, "the frame right of 密码"},
      {"透明标签1", {360, 240, 72, 24}, "the button 登录"},
      {"透明标签2", {442, 239, 72, 24}, "the button 退出"},
  };
  Do([&places] {
    EXPECT_EQ(ui::GetWindowWidth(LoginWindow::kWindow), 640) << "the picture's size";
    EXPECT_EQ(ui::GetWindowHeight(LoginWindow::kWindow), 431);
    EXPECT_EQ(ui::GetTitle(LoginWindow::kWindow), "");
    for (const Place& p : places) {
      const ui::Unit* u = ui::FindUnit(LoginWindow::kName, p.unit);
      ASSERT_NE(u, nullptr) << p.unit;
      EXPECT_EQ((std::vector<int>{u->rect.left, u->rect.top, u->rect.width, u->rect.height}),
                (std::vector<int>{p.rect.left, p.rect.top, p.rect.width, p.rect.height}))
          << p.unit << " over " << p.drawn;
    }
    // The areas show no text of their own: the picture's buttons read through.
    EXPECT_EQ(ui::GetText(LoginWindow::透明标签1), "");
    EXPECT_EQ(ui::GetText(LoginWindow::透明标签2), "");
    EXPECT_EQ(ui::FindUnit(LoginWindow::编辑框2)->mode, ui::InputMode::kPassword);
  });
  MouseDown(LoginWindow::透明标签1);
  ExpectInThenLeave();
  EXPECT_EQ(Run(), 0);
}

TEST_F(Login, TheUserNameBoxIsNeverRead) {
  Type(LoginWindow::编辑框1, "不是经理");
  MouseDown(LoginWindow::透明标签1);
  ExpectInThenLeave();
  EXPECT_EQ(Run(), 0);
}

}  // namespace
}  // namespace rentdesk_test
