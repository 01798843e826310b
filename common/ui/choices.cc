// Check boxes, radio boxes, combo boxes, tabs, date boxes, timers and sliders.
#include <algorithm>
#include <cmath>

#include "common/ui/framework_state.h"

namespace ui {
namespace internal {

void CheckInGroup(Unit& radio, bool tell_self) {
  for (auto& other : radio.window->units) {
    Unit& o = *other;
    if (&o == &radio || o.kind != Kind::kRadio || o.container != radio.container || !o.checked) {
      continue;
    }
    o.checked = false;
    Notify(*o.window, &o, Prop::kChecked);
  }
  radio.checked = true;
  if (tell_self) Notify(*radio.window, &radio, Prop::kChecked);
}

// A date's whole days and its time of day, as dates count them: the time of day is the
// distance from the day's midnight, also before 1899-12-30.
DateTime WithTimeOf(DateTime day, DateTime time) {
  double whole = std::trunc(day.days);
  double fraction = std::fabs(time.days - std::trunc(time.days));
  return DateTime{whole < 0 ? whole - fraction : whole + fraction};
}

}  // namespace internal

using namespace internal;

namespace {

bool InRange(int index, size_t size) { return index >= 0 && static_cast<size_t>(index) < size; }

}  // namespace

bool GetChecked(CheckBoxRef r) {
  Unit* u = FindUnit(r);
  return u && u->checked;
}

void SetChecked(CheckBoxRef r, bool v) {
  WriteProp(FindUnit(r), &Unit::checked, v, Prop::kChecked);
}

bool GetChecked(RadioRef r) {
  Unit* u = FindUnit(r);
  return u && u->checked;
}

void SetChecked(RadioRef r, bool v) {
  Unit* u = FindUnit(r);
  if (!u) return;
  if (v) {
    CheckInGroup(*u, true);
  } else {
    WriteProp(u, &Unit::checked, false, Prop::kChecked);
  }
}

int GetSelectedIndex(ComboRef r) {
  Unit* u = FindUnit(r);
  return u ? u->selected : -1;
}

// Selecting an item shows its text; -1 clears the selection and the text.
void SetSelectedIndex(ComboRef r, int index) {
  Unit* u = FindUnit(r);
  if (!u || (index != -1 && !InRange(index, u->items.size()))) return;
  u->selected = index;
  u->text = index < 0 ? std::string() : u->items[index];
  Notify(*u->window, u, Prop::kSelected);
}

int InsertComboItem(ComboRef r, int index, const std::string& text, int data) {
  Unit* u = FindUnit(r);
  if (!u || index < 0 || static_cast<size_t>(index) > u->items.size()) return -1;
  u->items.insert(u->items.begin() + index, text);
  u->item_data.resize(u->items.size() - 1);
  u->item_data.insert(u->item_data.begin() + index, data);
  if (u->selected >= index) ++u->selected;
  u->inserted_item = index;
  Notify(*u->window, u, Prop::kItems);
  u->inserted_item = -1;
  return index;
}

int GetCurrentPage(TabRef r) {
  Unit* u = FindUnit(r);
  return u ? u->selected : -1;
}

void SetCurrentPage(TabRef r, int page) {
  Unit* u = FindUnit(r);
  if (u && InRange(page, u->items.size())) WriteProp(u, &Unit::selected, page, Prop::kSelected);
}

DateTime GetDate(DateBoxRef r) {
  Unit* u = FindUnit(r);
  return u ? u->date : DateTime{kEmptyDate};
}

void SetDate(DateBoxRef r, DateTime d) { WriteProp(FindUnit(r), &Unit::date, d, Prop::kDate); }

int GetInterval(TimerRef r) {
  Unit* u = FindUnit(r);
  return u ? u->interval : 0;
}

// 0 (or less) stops the timer.
void SetInterval(TimerRef r, int ms) {
  WriteProp(FindUnit(r), &Unit::interval, std::max(ms, 0), Prop::kInterval);
}

int GetSliderValue(SliderRef r) {
  Unit* u = FindUnit(r);
  return u ? u->value : 0;
}

void SetSliderValue(SliderRef r, int v) {
  Unit* u = FindUnit(r);
  if (u)
    WriteProp(u, &Unit::value, std::clamp(v, u->minimum, std::max(u->minimum, u->maximum)),
              Prop::kValue);
}

}  // namespace ui
