// Start-up: the login first, then the company name, the missing table files and the
// contract table.
#include <gtest/gtest.h>

#include "common/dates.h"
#include "common/env.h"
#include "common/files.h"
#include "common/table/table.h"
#include "common/table/templates.h"
#include "ledger/login_window.h"
#include "ledger/main_window.h"
#include "ledger/program_state.h"
#include "tests/ledger/rentdesk_run.h"
#include "tests/ledger/watching_env.h"

namespace rentdesk_test {
namespace {

constexpr const char* kTemplates[] = {"合同.rdb", "出租单数据.rdb", "合同.rdt"};
using Names = std::vector<std::string>;

class StartUp : public RentdeskRun {
 protected:
  void SetUp() override {
    RentdeskRun::SetUp();
    SetCurrentEnv(&env_);
  }
  // The clerk checks the main window, then leaves by 退出系统.
  void CheckAndLeave(std::function<void()> check) {
    Do(check);
    Click(MainWindow::退出系统);
  }
  WatchingEnv env_;
};

TEST_F(StartUp, FirstStartInAnEmptyFolderWritesTheTemplatesAndLetsTheClerkIn) {
  Do([&] {
    EXPECT_EQ(ui::GetText(LoginWindow::编辑框1), "经理");
    EXPECT_EQ(ui::GetText(LoginWindow::编辑框2), "");
    EXPECT_FALSE(ui::GetWindowVisible(MainWindow::kWindow));
    EXPECT_TRUE(env_.created.empty()) << "nothing is written before the login has closed";
  });
  MouseDown(LoginWindow::透明标签1);
  CheckAndLeave([&] {
    EXPECT_TRUE(ui::GetWindowVisible(MainWindow::kWindow));
    EXPECT_EQ(ui::FindWindow(LoginWindow::kWindow), nullptr);
    EXPECT_EQ(env_.created, (Names{"合同.rdb", "出租单数据.rdb", "合同.rdt"}));
    for (const char* name : kTemplates) {
      EXPECT_FALSE(TemplateBytes(name).empty()) << name;
      EXPECT_EQ(FileBytes(InRun(name)), TemplateBytes(name)) << name;
    }
    ASSERT_TRUE(CompanyName.has_value());
    EXPECT_EQ(*CompanyName, "");
    EXPECT_TRUE(SelectTable("合同")) << "the contract table is open for the whole run";
    EXPECT_EQ(GetRecordCount(), 0);
  });
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(ui::LiveWindows().empty());
  EXPECT_FALSE(SelectTable("合同")) << "closed at exit";
  EXPECT_FALSE(CompanyName.has_value()) << "released at exit";
  EXPECT_EQ(FolderNames(RunDir()), (Names{"出租单数据.rdb", "合同.rdb", "合同.rdt"}));
}

TEST_F(StartUp, CompanyAndClerkComeFromTheSettingsAndTheTextsAreReleasedAtTheEnd) {
  Setting("单位名称", "墨川建材租赁站");
  Setting("用户名", "小王");
  Do([] { EXPECT_EQ(ui::GetText(LoginWindow::编辑框1), "小王"); });
  MouseDown(LoginWindow::透明标签1);
  CheckAndLeave([] {
    EXPECT_EQ(CompanyName.value_or("?"), "墨川建材租赁站");
    // What later windows store, released with the company at the end.
    UserName = "小王";
    PickedContract = {3, "东湖花园三期"};
  });
  EXPECT_EQ(Run(), 0);
  EXPECT_FALSE(CompanyName.has_value());
  EXPECT_FALSE(UserName.has_value());
  EXPECT_FALSE(PickedContract.name.has_value());
}

TEST_F(StartUp, ExistingFilesAreNeverOverwritten) {
  for (const char* name : kTemplates) WriteFile(InRun(name), Bytes(std::string("kept ") + name));
  MouseDown(LoginWindow::透明标签1);
  // The contract file holds no table: it cannot be opened, and start-up goes on.
  ExpectMessage("打开合同失败");
  CheckAndLeave([&] {
    EXPECT_TRUE(env_.created.empty());
    EXPECT_TRUE(ui::GetWindowVisible(MainWindow::kWindow));
  });
  EXPECT_EQ(Run(), 0);
  for (const char* name : kTemplates)
    EXPECT_EQ(FileBytes(InRun(name)), Bytes(std::string("kept ") + name)) << name;
}

TEST_F(StartUp, OnlyTheMissingCompanionFileIsWritten) {
  WriteFile(InRun("合同.rdb"), TemplateBytes("合同.rdb"));
  WriteFile(InRun("出租单数据.rdb"), Bytes("a docket template of the user's"));
  MouseDown(LoginWindow::透明标签1);
  CheckAndLeave([&] {
    EXPECT_EQ(env_.created, Names{"合同.rdt"});
    EXPECT_EQ(FileBytes(InRun("合同.rdt")), TemplateBytes("合同.rdt"));
    EXPECT_TRUE(SelectTable("合同"));
  });
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(FileBytes(InRun("出租单数据.rdb")), Bytes("a docket template of the user's"));
}

TEST_F(StartUp, ATemplateThatCannotBeWrittenIsReportedAndTheOthersAreStillWritten) {
  env_.failing = {"出租单数据.rdb"};
  MouseDown(LoginWindow::透明标签1);
  ExpectMessage("写入失败，");
  CheckAndLeave([&] {
    EXPECT_FALSE(FileExists(InRun("出租单数据.rdb")));
    EXPECT_EQ(FileBytes(InRun("合同.rdt")), TemplateBytes("合同.rdt"));
    EXPECT_TRUE(SelectTable("合同"));
  });
  EXPECT_EQ(Run(), 0);
}

TEST_F(StartUp, NoTemplateWrittenMeansOneMessagePerFileThenTheContractTableFails) {
  env_.failing = {"合同.rdb", "出租单数据.rdb", "合同.rdt"};
  MouseDown(LoginWindow::透明标签1);
  for (int i = 0; i < 3; ++i) ExpectMessage("写入失败，");
  ExpectMessage("打开合同失败");
  CheckAndLeave([] { EXPECT_TRUE(ui::GetWindowVisible(MainWindow::kWindow)); });
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(FolderNames(RunDir()).empty());
}

// The contract table and its companion as a yard's folder may hold them: contract 甲 with its
// dockets, contract 乙 without any, and (when deleted is set) 甲 deleted but not yet purged.
void WriteContractFiles(bool with_dockets, bool deleted) {
  for (const char* name : {"合同.rdb", "合同.rdt"}) WriteFile(RunPath(name), TemplateBytes(name));
  ASSERT_TRUE(OpenTable(RunPath("合同.rdb"), "准备"));
  const ByteSet dockets = with_dockets ? TemplateBytes("出租单数据.rdb") : ByteSet{};
  for (const char* name : {"甲", "乙"}) {
    ASSERT_TRUE(AppendRecord({int32_t{1}, std::string(name), MakeDateTime(2023, 3, 4), 0.5, 1.5f,
                              0.25f, 2.0f, 3.0f, std::string(), 0.75, int32_t{1},
                              std::string(name) == "甲" ? dockets : ByteSet{}}));
  }
  if (deleted) {
    ASSERT_TRUE(GoToRecord(1) && DeleteRecord());
  }
  CloseTable("准备");
}

// Half of the contract pair missing. While the other half holds dockets a fresh template would
// hand the old contracts' block numbers to new contracts' dockets: the program names the missing
// file before the login and ends, writing nothing (no template, no settings, no backup). A half
// that holds nothing another file could point into is completed from its template.
struct HalfPair {
  const char* removed;
  bool dockets, deleted;  // contract 甲 has dockets; 甲 is deleted but not yet purged
  bool refused;
};

void PrintTo(const HalfPair& c, std::ostream* os) {
  *os << c.removed << (c.dockets ? " missing beside dockets" : " missing beside no docket")
      << (c.deleted ? " of a deleted contract" : "");
}

class HalfMissing : public StartUp, public ::testing::WithParamInterface<HalfPair> {};

TEST_P(HalfMissing, IsWrittenOnlyWhenTheOtherHalfHoldsNoDockets) {
  const HalfPair& c = GetParam();
  WriteContractFiles(c.dockets, c.deleted);
  ASSERT_EQ(std::remove(InRun(c.removed).c_str()), 0);
  env_.created.clear();
  const std::string removed = c.removed;
  const std::string kept = removed == "合同.rdt" ? "合同.rdb" : "合同.rdt";
  const ByteSet before = FileBytes(InRun(kept));
  if (c.refused) {
    ExpectMessage("找不到" + removed + "，数据无法打开。");
    EXPECT_EQ(Run(), 1);
    EXPECT_TRUE(env_.created.empty());
    EXPECT_EQ(FolderNames(RunDir()), Names{kept});
    EXPECT_EQ(FileBytes(InRun(kept)), before);
    EXPECT_TRUE(FolderNames(Home()).empty()) << "no backup is made";
    return;
  }
  MouseDown(LoginWindow::透明标签1);
  CheckAndLeave([&] {
    const Names written = removed == "合同.rdb" ? Names{"合同.rdb", "出租单数据.rdb"}
                                                : Names{"出租单数据.rdb", "合同.rdt"};
    EXPECT_EQ(env_.created, written);
    EXPECT_EQ(FileBytes(InRun(removed)), TemplateBytes(removed));
    EXPECT_TRUE(SelectTable("合同"));
  });
  EXPECT_EQ(Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, HalfMissing,
                         ::testing::Values(HalfPair{"合同.rdt", true, false, true},
                                           HalfPair{"合同.rdt", true, true, true},
                                           HalfPair{"合同.rdb", true, false, true},
                                           HalfPair{"合同.rdt", false, false, false},
                                           HalfPair{"合同.rdb", false, false, false}));

}  // namespace
}  // namespace rentdesk_test
