#pragma once
// The scripted platform: the tests' desktop. A test queues, in order, what the user does
// (typing, clicks, menu choices, closing windows, waiting for timers) and the message boxes the
// program is expected to show with the button the user presses. The windows' message loops
// perform the queued steps; anything that does not match the script throws ScriptFailure
// (RunScripted turns it into a failure text). Every call to the desktop is recorded.
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/grid/page_layout.h"
#include "common/platform.h"
#include "common/ui/ui.h"

// The buttons a scripted user presses in a message box: the raw ids Platform::MessageBox
// returns (ShowMessageBox turns them into its own result codes).
inline constexpr int kPressOk = 1, kPressCancel = 2, kPressAbort = 3, kPressRetry = 4,
                     kPressIgnore = 5, kPressYes = 6, kPressNo = 7;

// The script did not match what the program did.
class ScriptFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ScriptedPlatform : public Platform, public ui::Backend {
 public:
  // Scripted frame: the client area is the window height less the caption and borders, less
  // the menu bar when the window has a visible menu.
  static constexpr int kFrameHeight = 30, kMenuBarHeight = 20;

  struct MessageBoxCall {
    std::string text;
    int flags;
    std::string title;
  };
  struct ProgramCall {
    std::string command_line;
    bool wait;
    int window_mode;
  };
  struct FolderCall {
    std::string title;
    bool list_files;
  };
  // A print or preview of a grid: the pages as they were laid out on A4.
  struct PrintCall {
    std::string window, grid;
    bool preview;
    std::vector<Page> pages;
  };
  struct PopupCall {
    std::string window, menu;
    int x, y;
  };
  struct BalloonCall {
    std::string window, unit, text;
    int x, y, icon;
  };

  ScriptedPlatform();

  // ---- The script: steps performed in order ----
  ScriptedPlatform& Type(ui::EditRef r, const std::string& text);
  ScriptedPlatform& Type(ui::ComboRef r, const std::string& text);
  template <ui::Kind K>
  ScriptedPlatform& Click(ui::Ref<K> r) {
    return Act(r.window, r.name, "click " + Where(r.window, r.name), ui::user::Click);
  }
  template <ui::Kind K>
  ScriptedPlatform& MouseDown(ui::Ref<K> r) {
    return Act(r.window, r.name, "mouse down on " + Where(r.window, r.name), ui::user::MouseDown);
  }
  template <ui::Kind K>
  ScriptedPlatform& MouseUp(ui::Ref<K> r) {
    return Act(r.window, r.name, "mouse up on " + Where(r.window, r.name), ui::user::MouseUp);
  }
  template <ui::Kind K>
  ScriptedPlatform& Key(ui::Ref<K> r, int code) {
    return Act(r.window, r.name, "key " + std::to_string(code) + " on " + Where(r.window, r.name),
               [code](ui::Unit& u) { return ui::user::Key(u, code); });
  }
  template <ui::Kind K>
  ScriptedPlatform& Char(ui::Ref<K> r, int code) {
    return Act(r.window, r.name, "char " + std::to_string(code) + " on " + Where(r.window, r.name),
               [code](ui::Unit& u) { return ui::user::Char(u, code); });
  }
  // ---- Grid steps ----
  // Clicks the cell: the cursor goes there.
  ScriptedPlatform& ClickCell(ui::GridRef g, int row, int col);
  // Types the cell's new text and commits it (refused where the grid refuses the edit).
  ScriptedPlatform& TypeCell(ui::GridRef g, int row, int col, const std::string& text);
  // Takes the choice from the cell's drop-down list.
  ScriptedPlatform& ChooseCell(ui::GridRef g, int row, int col, const std::string& choice);
  // The user presses Return on the cell, having typed text into it (none: not editing).
  ScriptedPlatform& ReturnInCell(ui::GridRef g, int row, int col,
                                 std::optional<std::string> text = std::nullopt);
  // Types a character (code) into the grid.
  ScriptedPlatform& GridChar(ui::GridRef g, int code);
  // Presses a key (code) on the grid.
  ScriptedPlatform& GridKey(ui::GridRef g, int code);
  // Releases the right mouse button over the cell.
  ScriptedPlatform& GridRightUp(ui::GridRef g, int row, int col);
  // Clicks the check box: it toggles.
  ScriptedPlatform& Tick(ui::CheckBoxRef r);
  ScriptedPlatform& Choose(ui::ComboRef r, int index);
  ScriptedPlatform& ChooseDay(ui::DateBoxRef r, DateTime day);
  ScriptedPlatform& ChooseMenu(ui::MenuItemRef r);
  ScriptedPlatform& ChoosePage(ui::TabRef r, int page);
  ScriptedPlatform& Slide(ui::SliderRef r, int value);
  ScriptedPlatform& ChooseListItem(ui::ListViewRef r, int item, bool double_click);
  // A single click on the list view's item (-1: on no item): it becomes the selected one.
  ScriptedPlatform& SelectListItem(ui::ListViewRef r, int item);
  // Presses the mouse button (1 left, 2 right, 3 middle) on the window's client area, away
  // from its units.
  ScriptedPlatform& WindowMouseDown(ui::WindowRef w, int button);
  // The window's close box.
  ScriptedPlatform& Close(ui::WindowRef w);
  ScriptedPlatform& Resize(ui::WindowRef w, int width, int height);
  // Time passes (AdvanceClock as a step): timers tick.
  ScriptedPlatform& Wait(int ms);
  // Any action, run as a step (checks of the windows' state, grid actions ...).
  ScriptedPlatform& Do(std::function<void()> action);
  ScriptedPlatform& Do(std::string what, std::function<void()> action);
  // A user action on a unit of a window: fails when the window is not open or does not take
  // input, when the unit is missing, or when action refuses (returns false).
  ScriptedPlatform& Act(const std::string& window, const std::string& unit, std::string what,
                        std::function<bool(ui::Unit&)> action);
  // The last queued step is expected to be refused (a hidden or disabled unit ...).
  ScriptedPlatform& Refused();
  // The program shows this message box next; the user presses `answer` (kPress...). The
  // task-modal bit (0x2000) that every shown box carries need not be in flags.
  ScriptedPlatform& ExpectMessageBox(const std::string& text, int flags = 0,
                                     const std::string& title = "信息：", int answer = kPressOk);

  // ---- Answers of the other dialogs (used in order; defaults when none is left) ----
  void AnswerRunProgram(bool started);         // default true
  void AnswerFolder(const std::string& path);  // default "" (cancelled)
  // The answer of the next print or preview (0 done, 1 no printer, 2 failed; default 0);
  // the pages are laid out and recorded in prints() whatever the answer.
  void AnswerPrint(int result);

  // ---- The clock ----
  void SetNow(DateTime now);
  // Moves the clock on; each timer ticks once for each whole interval that elapses.
  void AdvanceClock(int ms);

  // Performs the queued steps until none is left (a test without a message loop).
  void PerformSteps();
  // Fails when steps are left unused.
  void Verify() const;
  // Throws ScriptFailure with the message.
  [[noreturn]] static void Fail(const std::string& message);

  // ---- What the program asked of the desktop ----
  const std::vector<MessageBoxCall>& message_boxes() const { return message_boxes_; }
  const std::vector<ProgramCall>& programs() const { return programs_; }
  const std::vector<std::string>& web_pages() const { return web_pages_; }
  const std::vector<FolderCall>& folder_requests() const { return folders_; }
  const std::vector<PrintCall>& prints() const { return prints_; }
  // Forgets the prints recorded so far, pages and all (a long run keeps what it still reads).
  void ForgetPrints() { prints_.clear(); }
  const std::vector<PopupCall>& popups() const { return popups_; }
  const std::vector<BalloonCall>& balloons() const { return balloons_; }
  int sounds_played() const { return sounds_; }
  const std::string& focused() const { return focused_; }  // "window.unit"
  size_t steps_left() const { return steps_.size(); }

  // ---- Platform ----
  int MessageBox(const std::string& text, int flags, const std::string& title) override;
  std::string BrowseForFolder(const std::string& title, bool list_files) override;
  bool RunProgram(const std::string& command_line, bool wait, int window_mode) override;
  void OpenWebPage(const std::string& address) override;
  DateTime Now() override;
  ui::Backend& Windows() override { return *this; }

  // ---- ui::Backend ----
  void Created(ui::Window& w) override {}
  void Destroyed(ui::Window& w) override;
  void Changed(ui::Window& w, ui::Unit* unit, ui::Prop what) override;
  void RunModal(ui::Window& w) override;
  void RunLoop() override;
  void Focus(ui::Unit& u) override;
  void Popup(ui::Window& w, const std::string& menu_name, int x, int y) override;
  int ClientHeight(ui::Window& w) override;
  void Balloon(ui::Unit& tip, int x, int y, const std::string& text, int icon) override;
  void PlaySound(const ByteSet& wav, bool loop) override { ++sounds_; }
  int PrintGrid(ui::Unit& grid, bool preview) override;

 private:
  struct Step {
    std::string what;
    bool message_box = false;
    std::string text, title;  // message box
    int flags = 0, answer = kPressOk;
    std::string window, unit;  // unit "" = the window itself
    std::function<bool(ui::Unit&)> on_unit;
    std::function<bool(ui::Window&)> on_window;
    std::function<void()> free;
    bool refused = false;
  };

  static std::string Where(const std::string& window, const std::string& unit) {
    return window + "." + unit;
  }
  ScriptedPlatform& Queue(Step step);
  ScriptedPlatform& TypeInto(const char* window, const char* unit, const std::string& text);
  ScriptedPlatform& ActOnWindow(ui::WindowRef w, std::string what,
                                std::function<bool(ui::Window&)> action);
  // Performs the next step while `waiting` (the window that waits, for the messages).
  void PerformNext(const std::string& waiting);
  void Perform(const Step& step);
  ui::Window& OpenWindow(const Step& step);
  void CheckOutcome(const Step& step, bool done);
  // The timer that is due first within ms, and how long until it is due.
  ui::Unit* NextDueTimer(int ms, int* wait);
  void AgeTimers(int ms);

  std::deque<Step> steps_;
  DateTime now_;
  std::map<const ui::Unit*, int> timer_age_;  // ms since the timer last ticked
  std::deque<bool> program_answers_;
  std::deque<std::string> folder_answers_;
  std::deque<int> print_answers_;
  std::vector<MessageBoxCall> message_boxes_;
  std::vector<ProgramCall> programs_;
  std::vector<std::string> web_pages_;
  std::vector<FolderCall> folders_;
  std::vector<PrintCall> prints_;
  std::vector<PopupCall> popups_;
  std::vector<BalloonCall> balloons_;
  int sounds_ = 0;
  std::string focused_;
};

// Runs body with the scripted platform installed as the platform and the windows' backend,
// then checks that every step was used, and resets the framework. False with the failure's
// text in *failure when the script did not match.
bool RunScripted(ScriptedPlatform& platform, const std::function<void()>& body,
                 std::string* failure);
