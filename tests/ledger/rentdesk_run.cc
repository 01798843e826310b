#include "tests/ledger/rentdesk_run.h"

#include <dirent.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/assets.h"
#include "common/dates.h"
#include "common/env.h"
#include "common/files.h"
#include "common/ini.h"
#include "common/table/table.h"
#include "ledger/program_entry.h"
#include "ledger/program_state.h"

namespace rentdesk_test {

namespace {
RentdeskRun* g_run = nullptr;
}  // namespace

void RentdeskRun::NoteOpened(LedgerWindow w) {
  if (g_run) g_run->windows_.push_back({w, static_cast<int>(DocketMode)});
}

void RentdeskRun::SetUp() {
  std::string pattern = (std::filesystem::temp_directory_path() / "rentdesk-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  root_ = pattern;
  run_dir_ = root_ + "/" + run_folder_name_;
  home_ = root_ + "/home";
  ASSERT_TRUE(MakeDirectory(run_dir_) && MakeDirectory(home_));
  const char* home = getenv("HOME");
  had_home_ = home != nullptr;
  if (home) old_home_ = home;
  setenv("HOME", home_.c_str(), 1);
  SetRunDirectoryForTests(run_dir_);
  now_ = MakeDateTime(2015, 10, 7, 12, 30, 25);
  NewScript();
  windows_.clear();
  g_run = this;
  SetWindowOpenerHookForTests(NoteOpened);
}

void RentdeskRun::TearDown() {
  SetWindowOpenerHookForTests(nullptr);
  g_run = nullptr;
  CloseAllTables();
  SetCurrentEnv(nullptr);
  SetRunDirectoryForTests("");
  if (had_home_) {
    setenv("HOME", old_home_.c_str(), 1);
  } else {
    unsetenv("HOME");
  }
  std::error_code ec;
  std::filesystem::remove_all(root_, ec);
}

void RentdeskRun::Setting(const std::string& key, const std::string& value) {
  ASSERT_TRUE(WriteIniItem(InRun("配置.ini"), "用户设置", key, value));
}

void RentdeskRun::NewScript() {
  script_ = std::make_unique<ScriptedPlatform>();
  script_->SetNow(now_);
}

int RentdeskRun::Run() {
  int code = -1;
  size_t windows_left = 0;
  std::string failure;
  bool matched = RunScripted(
      *script_,
      [&] {
        code = ProgramEntry();
        windows_left = ui::LiveWindows().size();
      },
      &failure);
  EXPECT_TRUE(matched) << failure;
  pages_ = script_->web_pages();
  EXPECT_EQ(windows_left, 0u) << "the program ended with windows open";
  NewScript();
  return code;
}

ByteSet FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return ByteSet(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const ByteSet& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

ByteSet Bytes(const std::string& text) { return ByteSet(text.begin(), text.end()); }

std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace rentdesk_test
