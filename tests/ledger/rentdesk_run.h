#pragma once
// A run of rentdesk for the tests: a fresh run directory and home folder, a fixed clock, and
// a script of what the clerk does. The script's steps run in order whenever the program waits
// for the user (the login's modal loop, the main message loop); a message box takes the next
// step, which must expect exactly that message. A message the script did not expect, or a
// window still open when the script has run out, fails the test.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "common/env.h"
#include "common/ui/ui.h"
#include "common/value.h"
#include "ledger/window_openers.h"
#include "platform/platform.h"

namespace rentdesk_test {

// What the run saw besides the windows: web pages opened, working windows asked for.
struct Opened {
  LedgerWindow window;
  int docket_mode;  // DocketMode when the window was asked for
};

class RentdeskRun : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The run directory and the home folder of the run.
  const std::string& RunDir() const { return run_dir_; }
  const std::string& Home() const { return home_; }
  std::string InRun(const std::string& name) const { return run_dir_ + "/" + name; }
  // Writes 用户设置/key=value into the run's settings file.
  void Setting(const std::string& key, const std::string& value);
  // The clock of the run.
  void SetClock(DateTime now) { now_ = now; }
  DateTime Clock() const { return now_; }

  // Script steps.
  void Type(ui::EditRef box, const std::string& text);
  void MouseDown(ui::TransparentLabelRef label);
  template <ui::Kind K>
  void Click(ui::Ref<K> unit) {
    Do([unit] { ClickUnit(unit.window, unit.name); });
  }
  void CloseBox(ui::WindowRef window);
  void ExpectMessage(const std::string& text, int flags = 0, const std::string& title = "信息：");
  void Do(std::function<void()> step);

  // Runs rentdesk to its end; EXPECTs every step used. The program's exit code.
  int Run();

  std::vector<std::string> pages_;  // addresses opened, in order
  std::vector<Opened> windows_;     // working windows asked for, in order

 private:
  friend class ScriptPlatform;
  struct Step {
    bool message = false;
    std::string text, title;
    int flags = 0;
    std::function<void()> action;
  };
  static void ClickUnit(const char* window, const char* unit);
  // The window openers' hook: notes the window asked for.
  static void NoteOpened(LedgerWindow w);
  // Runs the next action; false when the script has run out (or a message was due).
  bool RunNextStep();
  int AnswerMessage(const std::string& text, int flags, const std::string& title);
  void WaitUntilGone(const std::string& window);
  void WaitUntilNoWindow();

  std::string root_, run_dir_, home_, old_home_;
  bool had_home_ = false;
  DateTime now_{};
  std::deque<Step> steps_;
  Platform* platform_ = nullptr;
};

// The bytes of a file (empty when missing).
ByteSet FileBytes(const std::string& path);
// The stored template of that name.
ByteSet TemplateBytes(const char* name);
void WriteFile(const std::string& path, const ByteSet& bytes);
ByteSet Bytes(const std::string& text);
// The names in a folder, sorted ({} when it is no folder).
std::vector<std::string> FolderNames(const std::string& folder);

}  // namespace rentdesk_test
