#include "tests/ledger/rentdesk_run.h"

#include <dirent.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "common/assets.h"
#include "common/dates.h"
#include "common/files.h"
#include "common/ini.h"
#include "common/table/table.h"
#include "ledger/program_entry.h"
#include "ledger/program_state.h"

namespace rentdesk_test {

// The desktop of a test run: the clock, message boxes and the user's input come from the
// script; windows have no realisation.
class ScriptPlatform : public Platform, public ui::Backend {
 public:
  explicit ScriptPlatform(RentdeskRun* run) : run_(run) {}
  int MessageBox(const std::string& text, int flags, const std::string& title) override {
    return run_->AnswerMessage(text, flags, title);
  }
  std::string BrowseForFolder(const std::string&, bool) override {
    ADD_FAILURE() << "unexpected folder dialog";
    return "";
  }
  bool RunProgram(const std::string& command, bool, int) override {
    ADD_FAILURE() << "unexpected program start: " << command;
    return false;
  }
  void OpenWebPage(const std::string& address) override { run_->pages_.push_back(address); }
  DateTime Now() override { return run_->now_; }
  ui::Backend& Windows() override { return *this; }

  void Created(ui::Window&) override {}
  void Destroyed(ui::Window&) override {}
  void Changed(ui::Window&, ui::Unit*, ui::Prop) override {}
  void RunModal(ui::Window& w) override { run_->WaitUntilGone(w.name); }
  void RunLoop() override { run_->WaitUntilNoWindow(); }
  void Focus(ui::Unit&) override {}
  void Popup(ui::Window&, const std::string&, int, int) override {}
  int ClientHeight(ui::Window& w) override { return w.rect.height; }
  void Balloon(ui::Unit&, int, int, const std::string&, int) override {}
  void PlaySound(const ByteSet&, bool) override {}
  int PrintGrid(ui::Unit&, bool) override { return 0; }

 private:
  RentdeskRun* run_;
};

namespace {
RentdeskRun* g_run = nullptr;
}  // namespace

void RentdeskRun::NoteOpened(LedgerWindow w) {
  if (g_run) g_run->windows_.push_back({w, DocketMode});
}

void RentdeskRun::SetUp() {
  char pattern[] = "/tmp/rentdesk-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  root_ = pattern;
  run_dir_ = root_ + "/run";
  home_ = root_ + "/home";
  ASSERT_TRUE(MakeDirectory(run_dir_) && MakeDirectory(home_));
  const char* home = getenv("HOME");
  had_home_ = home != nullptr;
  if (home) old_home_ = home;
  setenv("HOME", home_.c_str(), 1);
  SetRunDirectoryForTests(run_dir_);
  now_ = MakeDateTime(2015, 10, 7, 12, 30, 25);
  platform_ = new ScriptPlatform(this);
  InstallPlatform(platform_);
  ui::SetBackend(&platform_->Windows());
  g_run = this;
  SetWindowOpenerHookForTests(NoteOpened);
}

void RentdeskRun::TearDown() {
  SetWindowOpenerHookForTests(nullptr);
  g_run = nullptr;
  ui::ResetFramework();
  CloseAllTables();
  SetCurrentEnv(nullptr);
  InstallPlatform(nullptr);
  delete platform_;
  SetRunDirectoryForTests("");
  if (had_home_) {
    setenv("HOME", old_home_.c_str(), 1);
  } else {
    unsetenv("HOME");
  }
  std::string command = "rm -rf '" + root_ + "'";
  // A failed test leaves its folders for a look.
  if (!HasFailure()) {
    EXPECT_EQ(system(command.c_str()), 0);
  }
}

void RentdeskRun::Setting(const std::string& key, const std::string& value) {
  ASSERT_TRUE(WriteIniItem(InRun("配置.ini"), "用户设置", key, value));
}

void RentdeskRun::Do(std::function<void()> step) { steps_.push_back({false, "", "", 0, step}); }

void RentdeskRun::Type(ui::EditRef box, const std::string& text) {
  Do([box, text] {
    ui::Unit* u = ui::FindUnit(box);
    ASSERT_NE(u, nullptr) << box.name;
    EXPECT_TRUE(ui::user::Type(*u, text)) << box.name;
  });
}

void RentdeskRun::MouseDown(ui::TransparentLabelRef label) {
  Do([label] {
    ui::Unit* u = ui::FindUnit(label);
    ASSERT_NE(u, nullptr) << label.window << "/" << label.name;
    EXPECT_TRUE(ui::user::MouseDown(*u)) << label.window << "/" << label.name;
  });
}

void RentdeskRun::ClickUnit(const char* window, const char* unit) {
  ui::Unit* u = ui::FindUnit(window, unit);
  ASSERT_NE(u, nullptr) << window << "/" << unit;
  EXPECT_TRUE(ui::user::Click(*u)) << window << "/" << unit;
}

void RentdeskRun::CloseBox(ui::WindowRef window) {
  Do([window] {
    ui::Window* w = ui::FindWindow(window);
    ASSERT_NE(w, nullptr) << window.name;
    EXPECT_TRUE(ui::user::Close(*w)) << window.name;
  });
}

void RentdeskRun::ExpectMessage(const std::string& text, int flags, const std::string& title) {
  steps_.push_back({true, text, title, flags, nullptr});
}

int RentdeskRun::AnswerMessage(const std::string& text, int flags, const std::string& title) {
  if (steps_.empty() || !steps_.front().message) {
    ADD_FAILURE() << "unexpected message box: " << text;
    return 1;
  }
  Step s = steps_.front();
  steps_.pop_front();
  EXPECT_EQ(text, s.text);
  EXPECT_EQ(flags, s.flags) << text;
  EXPECT_EQ(title, s.title) << text;
  return 1;  // OK
}

bool RentdeskRun::RunNextStep() {
  if (steps_.empty()) return false;
  if (steps_.front().message) {
    ADD_FAILURE() << "the program waits for the user, the script expects the message "
                  << steps_.front().text;
    steps_.pop_front();
    return true;
  }
  Step s = steps_.front();
  steps_.pop_front();
  s.action();
  return true;
}

void RentdeskRun::WaitUntilGone(const std::string& window) {
  while (ui::FindWindow(window)) {
    if (RunNextStep()) continue;
    ADD_FAILURE() << "the script ended with " << window << " open";
    ui::DestroyWindowUnit(ui::WindowRef{window.c_str()}, true);
  }
}

void RentdeskRun::WaitUntilNoWindow() {
  while (!ui::LiveWindows().empty()) {
    if (RunNextStep()) continue;
    ADD_FAILURE() << "the script ended with windows open";
    std::string name = ui::LiveWindows().back()->name;
    ui::DestroyWindowUnit(ui::WindowRef{name.c_str()}, true);
  }
}

int RentdeskRun::Run() {
  int code = ProgramEntry();
  EXPECT_TRUE(steps_.empty()) << steps_.size() << " script steps left unused";
  return code;
}

ByteSet FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return ByteSet(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ByteSet TemplateBytes(const char* name) {
  auto stored = FindAsset(name);
  return ByteSet(stored.begin(), stored.end());
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
  DIR* d = opendir(folder.c_str());
  if (!d) return names;
  while (dirent* e = readdir(d)) {
    std::string n = e->d_name;
    if (n != "." && n != "..") names.push_back(n);
  }
  closedir(d);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace rentdesk_test
