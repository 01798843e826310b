// The scripted platform's desktop calls: message boxes against the script, the other dialogs
// from their queued answers, and the window realisation (nothing is drawn).
#include "platform/scripted/scripted_platform.h"

#include <cmath>

#include "common/dates.h"

namespace {

// 2014-01-05 09:00:00.
constexpr DateTime kStartOfScript{41644.375};

std::string Describe(const std::string& text, int flags, const std::string& title) {
  return "\"" + text + "\" (flags " + std::to_string(flags) + ", title \"" + title + "\")";
}

// True when the box of those flags has the button.
bool HasButton(int flags, int button) {
  switch (flags & 0xF) {
    case 0:
      return button == kPressOk;
    case 1:
      return button == kPressOk || button == kPressCancel;
    case 2:
      return button >= kPressAbort && button <= kPressIgnore;
    case 3:
      return button == kPressYes || button == kPressNo || button == kPressCancel;
    case 4:
      return button == kPressYes || button == kPressNo;
    case 5:
      return button == kPressRetry || button == kPressCancel;
    default:
      return false;
  }
}

// Every box the program shows is task-modal unless system-modal: the script's flags need
// not say so.
constexpr int kTaskModal = 0x2000;
bool SameFlags(int shown, int expected) {
  return (shown & ~kTaskModal) == (expected & ~kTaskModal);
}

template <class T>
T PopOr(std::deque<T>& answers, T fallback) {
  if (answers.empty()) return fallback;
  T v = answers.front();
  answers.pop_front();
  return v;
}

}  // namespace

ScriptedPlatform::ScriptedPlatform() : now_(kStartOfScript) {}

void ScriptedPlatform::Fail(const std::string& message) { throw ScriptFailure(message); }

int ScriptedPlatform::MessageBox(const std::string& text, int flags, const std::string& title) {
  message_boxes_.push_back({text, flags, title});
  std::string shown = Describe(text, flags, title);
  if (steps_.empty()) Fail("unexpected message box " + shown + ": the script has no steps left");
  Step step = steps_.front();
  if (!step.message_box) {
    Fail("unexpected message box " + shown + "; the script's next step is: " + step.what);
  }
  if (step.text != text || !SameFlags(flags, step.flags) || step.title != title) {
    Fail("message box " + shown + " shown, but the script expected message box " +
         Describe(step.text, step.flags, step.title));
  }
  if (!HasButton(flags, step.answer)) {
    Fail("message box " + shown + " has no button " + std::to_string(step.answer));
  }
  steps_.pop_front();
  return step.answer;
}

std::string ScriptedPlatform::BrowseForFolder(const std::string& title, bool list_files) {
  folders_.push_back({title, list_files});
  return PopOr<std::string>(folder_answers_, "");
}

bool ScriptedPlatform::RunProgram(const std::string& command_line, bool wait, int window_mode) {
  programs_.push_back({command_line, wait, window_mode});
  return PopOr(program_answers_, true);
}

void ScriptedPlatform::OpenWebPage(const std::string& address) { web_pages_.push_back(address); }

DateTime ScriptedPlatform::Now() { return DateTime{std::round(now_.days * 86400.0) / 86400.0}; }

void ScriptedPlatform::AnswerRunProgram(bool started) { program_answers_.push_back(started); }
void ScriptedPlatform::AnswerFolder(const std::string& path) { folder_answers_.push_back(path); }
void ScriptedPlatform::AnswerPrint(int result) { print_answers_.push_back(result); }

// ---- ui::Backend ----

void ScriptedPlatform::Destroyed(ui::Window& w) {
  for (auto& u : w.units) timer_age_.erase(u.get());
}

void ScriptedPlatform::Changed(ui::Window& w, ui::Unit* unit, ui::Prop what) {
  if (unit && what == ui::Prop::kInterval) timer_age_[unit] = 0;
}

void ScriptedPlatform::Focus(ui::Unit& u) { focused_ = Where(u.window->name, u.name); }

void ScriptedPlatform::Popup(ui::Window& w, const std::string& menu_name, int x, int y) {
  popups_.push_back({w.name, menu_name, x, y});
}

int ScriptedPlatform::ClientHeight(ui::Window& w) {
  bool menu = false;
  for (const ui::MenuDecl& m : w.decl->menu) menu = menu || m.visible;
  int height = w.rect.height - kFrameHeight - (menu ? kMenuBarHeight : 0);
  return height < 0 ? 0 : height;
}

void ScriptedPlatform::Balloon(ui::Unit& tip, int x, int y, const std::string& text, int icon) {
  balloons_.push_back({tip.window->name, tip.name, text, x, y, icon});
}

int ScriptedPlatform::PrintGrid(ui::Unit& grid, bool preview) {
  DateParts today = SplitDateTime(Now());
  PageSetup setup;
  setup.year = today.year;
  setup.month = today.month;
  setup.day = today.day;
  std::vector<Page> pages = grid.grid ? LayoutPages(*grid.grid, setup) : std::vector<Page>{};
  prints_.push_back({grid.window->name, grid.name, preview, std::move(pages)});
  return PopOr(print_answers_, 0);
}
