// The user settings and backup windows in whole runs of rentdesk: the clerk opens them from the
// main window's menu, and the next login, the company name and the backup at exit follow what
// was stored.
#include <gtest/gtest.h>

#include "common/files.h"
#include "common/message_box.h"
#include "common/program_texts.h"
#include "ledger/backup_at_exit.h"
#include "ledger/backup_window.h"
#include "ledger/login_window.h"
#include "ledger/main_window.h"
#include "ledger/settings_window.h"
#include "platform/scripted/scripted_platform.h"
#include "tests/ledger/rentdesk_run.h"

namespace rentdesk_test {
namespace {

using S = SettingsWindow;
using B = BackupWindow;

class SettingsRun : public RentdeskRun {
 protected:
  void SetUp() override {
    RentdeskRun::SetUp();
    SetWindowOpenerHookForTests(nullptr);
  }
  // The clerk clicks a button or check box of the open working window.
  template <ui::Kind K>
  void Press(ui::Ref<K> r) {
    Do([r] { EXPECT_TRUE(ui::user::Click(*ui::FindUnit(r))); });
  }
  // The folder the clerk picks in the next folder dialog.
  void PickFolder(const std::string& path) {
    Do([path] { static_cast<ScriptedPlatform&>(CurrentPlatform()).AnswerFolder(path); });
  }
  void TryPassword(const std::string& typed) {
    Type(LoginWindow::编辑框2, typed);
    MouseDown(LoginWindow::透明标签1);
  }
  // The clerk stores a password in the settings window and needs it at the next start.
  void SavePasswordThenLogInWithIt();
};

// Also in a run directory whose name GBK cannot hold: the settings file's path is used as it
// stands, so the settings are kept there too.
class SettingsInFolder : public SettingsRun, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    run_folder_name_ = GetParam();
    SettingsRun::SetUp();
  }
};

TEST_P(SettingsInFolder, ASavedPasswordIsAskedAtTheNextLogin) { SavePasswordThenLogInWithIt(); }

INSTANTIATE_TEST_SUITE_P(Folders, SettingsInFolder, ::testing::Values("run", "김철수"));

void SettingsRun::SavePasswordThenLogInWithIt() {
  Setting("单位名称", "旧公司");
  MouseDown(LoginWindow::透明标签1);  // no password asked yet
  Click(MainWindow::用户管理);
  Type(S::编辑框1, "李会计");
  Type(S::编辑框4, "永安租赁");
  Press(S::选择框1);
  Type(S::编辑框2, "mc2015");
  Type(S::编辑框3, "mc2015");
  Press(S::按钮1);
  ExpectMessage("设置成功");
  Do([] {
    EXPECT_EQ(ui::FindWindow(S::self), nullptr);
    EXPECT_EQ(CompanyName, "旧公司");  // the new name counts from the next start
  });
  Click(MainWindow::退出系统);
  ASSERT_EQ(Run(), 0);

  Do([] { EXPECT_EQ(ui::GetText(LoginWindow::编辑框1), "李会计"); });
  TryPassword("mc2016");
  ExpectMessage("密码输入错误，请重新输入。", kMbIconStop);
  TryPassword("mc2015");
  Do([] {
    EXPECT_TRUE(ui::GetWindowVisible(MainWindow::kWindow));
    EXPECT_EQ(CompanyName, "永安租赁");
  });
  Click(MainWindow::退出系统);
  EXPECT_EQ(Run(), 0);
}

TEST_F(SettingsRun, TheChosenBackupFolderTakesTheNextExitsBackup) {
  const std::string chosen = Home() + "/备份盘";
  ASSERT_TRUE(MakeDirectory(chosen));
  MouseDown(LoginWindow::透明标签1);
  Click(MainWindow::数据备份);
  PickFolder(chosen);
  Press(B::按钮1);
  Do([chosen] { EXPECT_EQ(ui::GetText(B::编辑框1), chosen); });
  Press(B::按钮2);
  Do([] { EXPECT_EQ(ui::FindWindow(B::self), nullptr); });
  Click(MainWindow::退出系统);
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(FolderNames(chosen + "/租赁数据备份"),
            std::vector<std::string>{"2015年10月7日12时30分25秒"});
  EXPECT_TRUE(FolderNames(DefaultBackupFolder()).empty());
}

}  // namespace
}  // namespace rentdesk_test
