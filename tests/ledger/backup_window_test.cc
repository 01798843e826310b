// The backup window as the clerk uses it: the stored backup folder, the folder dialog, and
// 确定 (stores) against 关闭 (does not).
#include "ledger/backup_window.h"

#include "common/message_box.h"
#include "tests/ledger/user_settings_test_base.h"

namespace {

using W = BackupWindow;

class BackupWindowTest : public UserSettingsTest {
 protected:
  void Open() { RunWindow(BackupWindowDecl()); }
  ScriptedPlatform& ShowsFolder(const std::string& text) {
    return script_.Do([text] { EXPECT_EQ(ui::GetText(W::编辑框1), text); });
  }
  void ExpectOneFolderDialog() {
    ASSERT_EQ(script_.folder_requests().size(), 1u);
    EXPECT_EQ(script_.folder_requests()[0].title, "选择文件夹");
    EXPECT_FALSE(script_.folder_requests()[0].list_files);
  }
};

TEST_F(BackupWindowTest, NoStoredFolderShowsAnEmptyBoxAndConfirmKeepsItEmpty) {
  script_.Do([] {
    EXPECT_EQ(ui::GetTitle(W::self), "数据备份");
    EXPECT_EQ(ui::GetWindowWidth(W::self), 334);
    EXPECT_EQ(ui::GetWindowHeight(W::self), 141);
    EXPECT_EQ(ui::FindUnit(W::编辑框1)->mode, ui::InputMode::kReadOnly);
  });
  ShowsFolder("");
  script_.Type(W::编辑框1, "/tmp").Refused();
  script_.Click(W::按钮2);
  Open();
  EXPECT_EQ(Stored("备份目录"), "");
  EXPECT_TRUE(script_.message_boxes().empty());
  EXPECT_EQ(BackupWindowDecl().units[0].text, "D:\\");  // declared, but never shown
}

TEST_F(BackupWindowTest, CancellingTheDialogEmptiesTheBoxAndCloseStoresNothing) {
  Store("备份目录", "/srv/租赁备份");
  ShowsFolder("/srv/租赁备份").Click(W::按钮1);
  ShowsFolder("").Click(W::按钮3);
  Open();
  ExpectOneFolderDialog();
  EXPECT_EQ(Stored("备份目录"), "/srv/租赁备份");
}

TEST_F(BackupWindowTest, AChosenFolderIsStoredOnConfirm) {
  Store("备份目录", "/srv/旧");
  const std::string folder = "/home/会计/备份 2024 ";
  script_.AnswerFolder(folder);
  script_.Click(W::按钮1);
  ShowsFolder(folder).Click(W::按钮2);
  Open();
  ExpectOneFolderDialog();
  EXPECT_EQ(Stored("备份目录"), folder);
  // Its last blank is kept by the quotes it is written in.
  EXPECT_TRUE(FileHoldsGbkLine("备份目录", "\"" + folder + "\""));
}

TEST_F(BackupWindowTest, AFolderTheFileWouldChangeIsRefused) {
  Store("备份目录", "/srv/旧");
  for (const char* folder : {"/home/😀", "/srv/😀/备份"}) {
    SCOPED_TRACE(folder);
    script_.AnswerFolder(folder);
    script_.Click(W::按钮1).Click(W::按钮2);
    Expect("这个文件夹的路径无法保存，请另选一个文件夹");
    script_.Do([] { EXPECT_NE(ui::FindWindow(W::self), nullptr); });
  }
  script_.Click(W::按钮3);
  Open();
  EXPECT_EQ(Stored("备份目录"), "/srv/旧");
}

TEST_F(BackupWindowTest, AnUnwritableSettingsFileIsReportedAndTheWindowStays) {
  MakeSettingsFileUnwritable();
  script_.AnswerFolder("/srv/备份");
  script_.Click(W::按钮1).Click(W::按钮2);
  Expect("备份目录保存失败");
  script_.Do([] { EXPECT_NE(ui::FindWindow(W::self), nullptr); }).Click(W::按钮3);
  Open();
}

}  // namespace
