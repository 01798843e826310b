// The user's actions on units and windows, as the realisations report them. Each action is
// one running handler for deferred destructions; it stops where its unit stops taking input.
#include "common/text.h"
#include "common/ui/framework_state.h"

namespace ui::user {
using namespace ui::internal;

namespace {

// Runs the handlers of (u, e) when u still takes input; false when it does not.
bool Fire(Unit& u, Event e, const EventArgs& args = {}) {
  if (!TakesInput(u)) return false;
  RunBound(*u.window, u.name.c_str(), e, args);
  return true;
}

// Runs body as the user's action on u; false (nothing done) when u takes no input now.
template <class F>
bool Act(Unit& u, F&& body) {
  if (!TakesInput(u)) return false;
  Pin pin(*u.window);
  Guarded(body);
  return true;
}

EventArgs WithCode(int code) {
  EventArgs a;
  a.code = code;
  return a;
}

EventArgs WithItem(int item) {
  EventArgs a;
  a.item = item;
  return a;
}

bool Is(const Unit& u, Kind k) { return u.kind == k; }

// What the unit keeps of the text under its byte limit.
std::string KeptWithinLimit(const Unit& u, const std::string& text) {
  const int bytes = TextBytesAt(u);
  return bytes > 0 ? TextWithinBytes(text, bytes) : text;
}

bool InRange(int index, size_t size) { return index >= 0 && static_cast<size_t>(index) < size; }

// The content an edit box keeps of what the user typed.
std::string Kept(const Unit& edit, const std::string& typed) {
  switch (edit.mode) {
    case InputMode::kInteger:
      return NormaliseIntegerText(typed);
    case InputMode::kDecimal:
      return NormaliseDecimalText(typed);
    case InputMode::kMultiLine:
      return KeptWithinLimit(edit, typed);
    default:
      return KeptWithinLimit(edit, typed.substr(0, typed.find_first_of("\r\n")));
  }
}

}  // namespace

// Mouse down and up, then the state change of check and radio boxes, then the click.
bool Click(Unit& u) {
  if (Is(u, Kind::kMenuItem)) return Act(u, [&] { Fire(u, Event::kClick); });
  return Act(u, [&] {
    if (!Fire(u, Event::kMouseDown) || !Fire(u, Event::kMouseUp)) return;
    // The realisation is told as well, so it shows the model's state however the click came.
    if (Is(u, Kind::kCheckBox)) {
      u.checked = !u.checked;
      Notify(*u.window, &u, Prop::kChecked);
    }
    if (Is(u, Kind::kRadio)) CheckInGroup(u, true);
    Fire(u, Event::kClick);
  });
}

bool MouseDown(Unit& u) {
  return Act(u, [&] { Fire(u, Event::kMouseDown); });
}

bool MouseUp(Unit& u) {
  return Act(u, [&] { Fire(u, Event::kMouseUp); });
}

bool Type(Unit& edit, const std::string& text) {
  if (!Is(edit, Kind::kEdit) && !Is(edit, Kind::kCombo)) return false;
  if (edit.mode == InputMode::kReadOnly || edit.mode == InputMode::kMultiLineReadOnly) return false;
  return Act(edit, [&] {
    std::string kept = Kept(edit, text);
    if (kept == edit.text) return;
    edit.text = kept;
    if (kept != text) Notify(*edit.window, &edit, Prop::kText);
    Fire(edit, Event::kChanged);
  });
}

bool Key(Unit& u, int code) {
  return Act(u, [&] { Fire(u, Event::kKeyDown, WithCode(code)); });
}

bool Char(Unit& u, int code) {
  return Act(u, [&] { Fire(u, Event::kChar, WithCode(code)); });
}

bool ChooseItem(Unit& combo, int index) {
  if (!Is(combo, Kind::kCombo) || !InRange(index, combo.items.size())) return false;
  return Act(combo, [&] {
    combo.selected = index;
    combo.text = combo.items[index];
    Fire(combo, Event::kSelectionChanged);
  });
}

bool ChoosePage(Unit& tab, int page) {
  if (!Is(tab, Kind::kTab) || !InRange(page, tab.items.size())) return false;
  return Act(tab, [&] {
    tab.selected = page;
    Fire(tab, Event::kPageChanged);
  });
}

bool ChooseDay(Unit& date_box, DateTime day) {
  if (!Is(date_box, Kind::kDateBox)) return false;
  return Act(date_box, [&] {
    DateTime kept = WithTimeOf(day, date_box.date);
    date_box.date = kept;
    if (!(kept == day)) Notify(*date_box.window, &date_box, Prop::kDate);
    Fire(date_box, Event::kChanged);
  });
}

bool SetSlider(Unit& slider, int value) {
  if (!Is(slider, Kind::kSlider) || value < slider.minimum || value > slider.maximum) return false;
  return Act(slider, [&] {
    slider.value = value;
    Fire(slider, Event::kChanged);
  });
}

// A timer ticks while its window is open, also under a modal window.
bool Tick(Unit& timer) {
  Window& w = *timer.window;
  if (!Is(timer, Kind::kTimer) || timer.interval <= 0 || w.destroyed || w.destroying) return false;
  Pin pin(w);
  Guarded([&] { RunBound(w, timer.name.c_str(), Event::kTick, EventArgs{}); });
  return true;
}

bool ListItem(Unit& list, int item, bool double_click) {
  if (!Is(list, Kind::kListView) || !InRange(item, list.rows.size())) return false;
  return Act(list, [&] {
    list.selected = item;
    Fire(list, double_click ? Event::kItemDoubleClick : Event::kItemRightClick, WithItem(item));
  });
}

bool SelectListItem(Unit& list, int item) {
  if (!Is(list, Kind::kListView) || (item != -1 && !InRange(item, list.rows.size()))) return false;
  return Act(list, [&] { list.selected = item; });
}

bool WindowMouseDown(Window& w, int button) {
  if (button < 1 || button > 3 || !TakesInput(w)) return false;
  Pin pin(w);
  Guarded([&] { RunBound(w, nullptr, Event::kMouseDown, WithCode(button)); });
  return true;
}

bool Close(Window& w) {
  if (!TakesInput(w)) return false;
  Pin pin(w);
  Guarded([&] { DestroyWindowUnit(WindowRef{w.name.c_str()}); });
  return true;
}

// A resize to the size the window has already raises nothing.
bool Resize(Window& w, int width, int height) {
  if (!TakesInput(w)) return false;
  if (w.rect.width == width && w.rect.height == height) return true;
  w.rect.width = width;
  w.rect.height = height;
  DispatchWindowEvent(w, Event::kResized);
  return true;
}

}  // namespace ui::user
