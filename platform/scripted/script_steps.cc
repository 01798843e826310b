// Queuing the script's steps and performing them in the windows' message loops.
#include "platform/scripted/scripted_platform.h"

namespace {

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// The window that blocks w's input, for the failure message.
std::string Blocker(const ui::Window& w) {
  const ui::Window* active = ui::ActiveWindow();
  if (!w.visible) return " (it is hidden)";
  if (active && active != &w) return " (" + active->name + " is above it)";
  return "";
}

}  // namespace

ScriptedPlatform& ScriptedPlatform::Queue(Step step) {
  steps_.push_back(std::move(step));
  return *this;
}

ScriptedPlatform& ScriptedPlatform::Act(const std::string& window, const std::string& unit,
                                        std::string what, std::function<bool(ui::Unit&)> action) {
  Step s;
  s.what = std::move(what);
  s.window = window;
  s.unit = unit;
  s.on_unit = std::move(action);
  return Queue(std::move(s));
}

ScriptedPlatform& ScriptedPlatform::ActOnWindow(ui::WindowRef w, std::string what,
                                                std::function<bool(ui::Window&)> action) {
  Step s;
  s.what = std::move(what);
  s.window = w.name;
  s.on_window = std::move(action);
  return Queue(std::move(s));
}

ScriptedPlatform& ScriptedPlatform::TypeInto(const char* window, const char* unit,
                                             const std::string& text) {
  return Act(window, unit, "type " + Quoted(text) + " into " + Where(window, unit),
             [text](ui::Unit& u) { return ui::user::Type(u, text); });
}

ScriptedPlatform& ScriptedPlatform::Type(ui::EditRef r, const std::string& text) {
  return TypeInto(r.window, r.name, text);
}

ScriptedPlatform& ScriptedPlatform::Type(ui::ComboRef r, const std::string& text) {
  return TypeInto(r.window, r.name, text);
}

ScriptedPlatform& ScriptedPlatform::Tick(ui::CheckBoxRef r) { return Click(r); }

ScriptedPlatform& ScriptedPlatform::Choose(ui::ComboRef r, int index) {
  return Act(r.window, r.name,
             "choose item " + std::to_string(index) + " of " + Where(r.window, r.name),
             [index](ui::Unit& u) { return ui::user::ChooseItem(u, index); });
}

ScriptedPlatform& ScriptedPlatform::ChooseDay(ui::DateBoxRef r, DateTime day) {
  return Act(r.window, r.name, "choose a day in " + Where(r.window, r.name),
             [day](ui::Unit& u) { return ui::user::ChooseDay(u, day); });
}

ScriptedPlatform& ScriptedPlatform::ChooseMenu(ui::MenuItemRef r) {
  return Act(r.window, r.name, "choose menu item " + Where(r.window, r.name), ui::user::Click);
}

ScriptedPlatform& ScriptedPlatform::ChoosePage(ui::TabRef r, int page) {
  return Act(r.window, r.name,
             "choose page " + std::to_string(page) + " of " + Where(r.window, r.name),
             [page](ui::Unit& u) { return ui::user::ChoosePage(u, page); });
}

ScriptedPlatform& ScriptedPlatform::Slide(ui::SliderRef r, int value) {
  return Act(r.window, r.name, "slide " + Where(r.window, r.name) + " to " + std::to_string(value),
             [value](ui::Unit& u) { return ui::user::SetSlider(u, value); });
}

ScriptedPlatform& ScriptedPlatform::ChooseListItem(ui::ListViewRef r, int item, bool double_click) {
  return Act(
      r.window, r.name,
      "choose list item " + std::to_string(item) + " of " + Where(r.window, r.name),
      [item, double_click](ui::Unit& u) { return ui::user::ListItem(u, item, double_click); });
}

ScriptedPlatform& ScriptedPlatform::SelectListItem(ui::ListViewRef r, int item) {
  return Act(r.window, r.name,
             "select list item " + std::to_string(item) + " of " + Where(r.window, r.name),
             [item](ui::Unit& u) { return ui::user::SelectListItem(u, item); });
}

ScriptedPlatform& ScriptedPlatform::WindowMouseDown(ui::WindowRef w, int button) {
  return ActOnWindow(w, "press mouse button " + std::to_string(button) + " on window " + w.name,
                     [button](ui::Window& win) { return ui::user::WindowMouseDown(win, button); });
}

ScriptedPlatform& ScriptedPlatform::Close(ui::WindowRef w) {
  return ActOnWindow(w, "close window " + std::string(w.name), ui::user::Close);
}

ScriptedPlatform& ScriptedPlatform::Resize(ui::WindowRef w, int width, int height) {
  return ActOnWindow(w, "resize window " + std::string(w.name), [width, height](ui::Window& win) {
    return ui::user::Resize(win, width, height);
  });
}

ScriptedPlatform& ScriptedPlatform::Wait(int ms) {
  return Do("wait " + std::to_string(ms) + " ms", [this, ms] { AdvanceClock(ms); });
}

ScriptedPlatform& ScriptedPlatform::Do(std::function<void()> action) {
  return Do("a scripted action", std::move(action));
}

ScriptedPlatform& ScriptedPlatform::Do(std::string what, std::function<void()> action) {
  Step s;
  s.what = std::move(what);
  s.free = std::move(action);
  return Queue(std::move(s));
}

ScriptedPlatform& ScriptedPlatform::Refused() {
  if (!steps_.empty()) steps_.back().refused = true;
  return *this;
}

ScriptedPlatform& ScriptedPlatform::ExpectMessageBox(const std::string& text, int flags,
                                                     const std::string& title, int answer) {
  Step s;
  s.what = "message box " + Quoted(text);
  s.message_box = true;
  s.text = text;
  s.flags = flags;
  s.title = title;
  s.answer = answer;
  return Queue(std::move(s));
}

// ---- Performing ----

void ScriptedPlatform::RunModal(ui::Window& w) {
  while (!w.destroyed) PerformNext(w.name);
}

void ScriptedPlatform::RunLoop() {
  while (!ui::LiveWindows().empty()) {
    ui::Window* active = ui::ActiveWindow();
    PerformNext(active ? active->name : ui::LiveWindows().back()->name);
  }
}

void ScriptedPlatform::PerformSteps() {
  while (!steps_.empty()) PerformNext("the test");
}

void ScriptedPlatform::PerformNext(const std::string& waiting) {
  if (steps_.empty()) Fail("the script ran dry while window " + waiting + " waits for input");
  Step step = std::move(steps_.front());
  steps_.pop_front();
  if (step.message_box) {
    Fail("the script expected " + step.what + " but none was shown; " + waiting +
         " waits for input");
  }
  Perform(step);
}

void ScriptedPlatform::Perform(const Step& step) {
  if (step.free) return step.free();
  ui::Window& w = OpenWindow(step);
  if (step.on_window) return CheckOutcome(step, step.on_window(w));
  ui::Unit* u = w.Find(step.unit);
  if (!u) Fail(step.what + ": window " + w.name + " has no unit " + step.unit);
  CheckOutcome(step, step.on_unit(*u));
}

ui::Window& ScriptedPlatform::OpenWindow(const Step& step) {
  ui::Window* w = ui::FindWindow(step.window);
  if (!w) Fail(step.what + ": window " + step.window + " is not open");
  if (!ui::TakesInput(*w)) {
    Fail(step.what + ": window " + step.window + " does not take input" + Blocker(*w));
  }
  return *w;
}

void ScriptedPlatform::CheckOutcome(const Step& step, bool done) {
  if (!done && !step.refused) Fail(step.what + ": refused (hidden, disabled or read-only)");
  if (done && step.refused) Fail(step.what + ": expected to be refused, but it was done");
}

void ScriptedPlatform::Verify() const {
  if (steps_.empty()) return;
  std::string left;
  for (const Step& s : steps_) left += "\n  " + s.what;
  Fail(std::to_string(steps_.size()) + " step(s) left unused:" + left);
}
