#pragma once
// A run of rentdesk for the tests, on the scripted platform: a fresh run directory and home
// folder, a fixed clock, and the script of what the clerk does. The steps run in order
// whenever the program waits for the clerk (the login's modal loop, the main message loop);
// a message box must be the next step of the script. A message the script did not expect, or
// a step left unused, fails the test.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/ui/ui.h"
#include "common/value.h"
#include "ledger/window_openers.h"
#include "platform/scripted/scripted_platform.h"

namespace rentdesk_test {

// A working window the main window asked for, with DocketMode at that moment.
struct Opened {
  LedgerWindow window;
  int docket_mode;
  friend bool operator==(const Opened&, const Opened&) = default;
};

class RentdeskRun : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  const std::string& RunDir() const { return run_dir_; }
  const std::string& Home() const { return home_; }
  std::string InRun(const std::string& name) const { return run_dir_ + "/" + name; }
  // Writes 用户设置/key=value into the run's settings file.
  void Setting(const std::string& key, const std::string& value);
  void SetClock(DateTime now) {
    now_ = now;
    script_->SetNow(now);
  }

  // Script steps.
  void Type(ui::EditRef box, const std::string& text) { script_->Type(box, text); }
  void MouseDown(ui::TransparentLabelRef label) { script_->MouseDown(label); }
  void Click(ui::PictureButtonRef button) { script_->Click(button); }
  void Click(ui::MenuItemRef entry) { script_->ChooseMenu(entry); }
  void Click(ui::ButtonRef button) { script_->Click(button); }
  void Click(ui::RadioRef radio) { script_->Click(radio); }
  void ClickCell(ui::GridRef grid, int row, int col = 0) { script_->ClickCell(grid, row, col); }
  void TypeCell(ui::GridRef grid, int row, int col, const std::string& text) {
    script_->TypeCell(grid, row, col, text);
  }
  void ChooseDay(ui::DateBoxRef box, DateTime day) { script_->ChooseDay(box, day); }
  void CloseBox(ui::WindowRef window) { script_->Close(window); }
  // The next message box: text and icon flags, under the default title; the clerk presses
  // answer.
  void ExpectMessage(const std::string& text, int flags = 0, int answer = kPressOk) {
    script_->ExpectMessageBox(text, flags, "信息：", answer);
  }
  void Do(std::function<void()> step) { script_->Do(std::move(step)); }

  // Runs rentdesk to its end and EXPECTs the script matched and no window was left; the
  // program's exit code.
  int Run();

  // The name of the run directory the next SetUp makes.
  std::string run_folder_name_ = "run";

  // Addresses opened, in order.
  const std::vector<std::string>& Pages() const { return pages_; }
  // Working windows asked for, in order.
  std::vector<Opened> windows_;

 private:
  static void NoteOpened(LedgerWindow w);

  // A new script for every run, on the run's clock.
  void NewScript();

  std::unique_ptr<ScriptedPlatform> script_;
  DateTime now_{};
  std::vector<std::string> pages_;
  std::string root_, run_dir_, home_, old_home_;
  bool had_home_ = false;
};

// The bytes of a file (empty when missing).
ByteSet FileBytes(const std::string& path);
void WriteFile(const std::string& path, const ByteSet& bytes);
ByteSet Bytes(const std::string& text);
// The names in a folder, sorted ({} when it is no folder).
std::vector<std::string> FolderNames(const std::string& folder);

}  // namespace rentdesk_test
