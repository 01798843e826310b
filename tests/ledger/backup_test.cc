// The backup at every exit: the folder named by the time, the default and the configured
// base folder.
#include <gtest/gtest.h>

#include "common/dates.h"
#include "common/files.h"
#include "common/table/templates.h"
#include "ledger/backup_at_exit.h"
#include "ledger/login_window.h"
#include "ledger/main_window.h"
#include "tests/ledger/rentdesk_run.h"

namespace rentdesk_test {
namespace {

using Names = std::vector<std::string>;

class Backup : public RentdeskRun {
 protected:
  // The clerk logs in and leaves by 退出系统 (or by the main window's close box).
  void LogInAndLeave(
      bool by_close_box = false, std::function<void()> inside = [] {}) {
    MouseDown(LoginWindow::透明标签1);
    Do(inside);
    if (by_close_box) {
      CloseBox(MainWindow::kWindow);
    } else {
      Click(MainWindow::退出系统);
    }
    ASSERT_EQ(Run(), 0);
  }
  std::string DefaultFolder() const { return Home() + "/租赁数据备份"; }
};

// The time of the exit and the folder it names: no leading zeros, trailing zero parts left
// out.
struct StampCase {
  DateTime when;
  const char* stamp;
};

void PrintTo(const StampCase& c, std::ostream* os) { *os << c.stamp; }

const StampCase kStampCases[] = {
    {MakeDateTime(2015, 10, 7, 12, 30, 25), "2015年10月7日12时30分25秒"},
    {MakeDateTime(2015, 10, 7, 12, 30, 0), "2015年10月7日12时30分"},
    {MakeDateTime(2015, 10, 7, 12, 0, 30), "2015年10月7日12时0分30秒"},
    {MakeDateTime(2015, 10, 7, 9, 0, 0), "2015年10月7日9时"},
    {MakeDateTime(2015, 10, 7, 0, 0, 0), "2015年10月7日"},
    {MakeDateTime(2016, 1, 2, 0, 5, 0), "2016年1月2日0时5分"},
};

class BackupStamp : public Backup, public ::testing::WithParamInterface<StampCase> {};

TEST_P(BackupStamp, TheFolderIsNamedByTheTimeOfTheExit) {
  const StampCase& c = GetParam();
  SetClock(c.when);
  LogInAndLeave();
  EXPECT_EQ(DefaultBackupFolder(), DefaultFolder());
  ASSERT_EQ(FolderNames(DefaultFolder()), Names{c.stamp});
  std::string folder = DefaultFolder() + "/" + c.stamp;
  EXPECT_EQ(FolderNames(folder), (Names{"合同.rdb", "合同.rdt"}));
  EXPECT_EQ(FileBytes(folder + "/合同.rdb"), TemplateBytes("合同.rdb"));
  EXPECT_EQ(FileBytes(folder + "/合同.rdt"), TemplateBytes("合同.rdt"));
}

INSTANTIATE_TEST_SUITE_P(Cases, BackupStamp, ::testing::ValuesIn(kStampCases));

TEST_F(Backup, TheMainWindowsCloseBoxBacksUpToo) {
  LogInAndLeave(true);
  EXPECT_EQ(FolderNames(DefaultFolder()), Names{"2015年10月7日12时30分25秒"});
}

TEST_F(Backup, TwoExitsInTheSameSecondShareTheFolderAndTheLaterCopiesWin) {
  LogInAndLeave();
  // rentdesk started again in the same second; the companion file changes meanwhile.
  LogInAndLeave(false, [this] { WriteFile(InRun("合同.rdt"), Bytes("changed since")); });
  std::string folder = DefaultFolder() + "/2015年10月7日12时30分25秒";
  EXPECT_EQ(FolderNames(DefaultFolder()), Names{"2015年10月7日12时30分25秒"});
  EXPECT_EQ(FileBytes(folder + "/合同.rdt"), Bytes("changed since"));
}

TEST_F(Backup, AConfiguredBaseFolderReceivesTheCopies) {
  std::string base = RunDir() + "/../备份";
  ASSERT_TRUE(MakeDirectory(base));
  Setting("备份目录", base);
  LogInAndLeave();
  EXPECT_EQ(FolderNames(base), Names{"租赁数据备份"});
  std::string folder = base + "/租赁数据备份/2015年10月7日12时30分25秒";
  EXPECT_EQ(FolderNames(folder), (Names{"合同.rdb", "合同.rdt"}));
  EXPECT_EQ(FileBytes(folder + "/合同.rdb"), TemplateBytes("合同.rdb"));
  // The default folder is made at every exit, but nothing is copied there.
  EXPECT_TRUE(FileExists(DefaultFolder()));
  EXPECT_TRUE(FolderNames(DefaultFolder()).empty());
}

TEST_F(Backup, ABaseFolderThatDoesNotExistMeansNoCopiesAndANormalEnd) {
  std::string base = RunDir() + "/../不存在";
  Setting("备份目录", base);
  LogInAndLeave();  // no message is expected
  EXPECT_FALSE(FileExists(base));
  EXPECT_TRUE(FileExists(DefaultFolder()));
  EXPECT_TRUE(FolderNames(DefaultFolder()).empty());
}

TEST_F(Backup, TheBaseFolderIsUsedAsStored) {
  EXPECT_EQ(BackupFolderOfExit("/mnt/e/备份/", "2015年10月7日"),
            "/mnt/e/备份//租赁数据备份/2015年10月7日");
  EXPECT_EQ(BackupFolderOfExit("", "2015年10月7日"), DefaultFolder() + "/2015年10月7日");
}

TEST_F(Backup, NoHomeFolderForBackupsMeansNoCopiesAndANormalEnd) {
  setenv("HOME", (Home() + "/missing").c_str(), 1);
  LogInAndLeave();
  EXPECT_FALSE(FileExists(Home() + "/missing"));
}

}  // namespace
}  // namespace rentdesk_test
