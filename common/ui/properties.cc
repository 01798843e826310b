// The common properties of windows and units, read and written by the program. Program
// writes tell the realisation and raise no content-changed events.
#include "common/ui/framework_state.h"

namespace ui {
using namespace internal;

namespace {

// The text a unit keeps when the program writes text into it.
std::string KeptText(const Unit& u, const std::string& text) {
  if (u.kind != Kind::kEdit) return text;
  if (u.mode == InputMode::kInteger) return NormaliseIntegerText(text);
  return text;
}

}  // namespace

template <Kind K>
std::string GetText(Ref<K> r) {
  Unit* u = FindUnit(r);
  return u ? u->text : std::string();
}
template <Kind K>
void SetText(Ref<K> r, const std::string& text) {
  Unit* u = FindUnit(r);
  if (u) WriteProp(u, &Unit::text, KeptText(*u, text), Prop::kText);
}
template <Kind K>
bool GetVisible(Ref<K> r) {
  Unit* u = FindUnit(r);
  return u && u->visible;
}
template <Kind K>
void SetVisible(Ref<K> r, bool v) {
  WriteProp(FindUnit(r), &Unit::visible, v, Prop::kVisible);
}
template <Kind K>
bool GetDisabled(Ref<K> r) {
  Unit* u = FindUnit(r);
  return u && u->disabled;
}
template <Kind K>
void SetDisabled(Ref<K> r, bool v) {
  WriteProp(FindUnit(r), &Unit::disabled, v, Prop::kDisabled);
}
template <Kind K>
Rect GetRect(Ref<K> r) {
  Unit* u = FindUnit(r);
  return u ? u->rect : Rect{};
}
template <Kind K>
void SetRect(Ref<K> r, Rect rect) {
  WriteProp(FindUnit(r), &Unit::rect, rect, Prop::kGeometry);
}
template <Kind K>
void SetFocusToUnit(Ref<K> r) {
  if (Unit* u = FindUnit(r)) TheBackend().Focus(*u);
}

#define RENT_UI_UNIT_PROPERTIES(K)                      \
  template std::string GetText<K>(Ref<K>);              \
  template void SetText<K>(Ref<K>, const std::string&); \
  template bool GetVisible<K>(Ref<K>);                  \
  template void SetVisible<K>(Ref<K>, bool);            \
  template bool GetDisabled<K>(Ref<K>);                 \
  template void SetDisabled<K>(Ref<K>, bool);           \
  template Rect GetRect<K>(Ref<K>);                     \
  template void SetRect<K>(Ref<K>, Rect);               \
  template void SetFocusToUnit<K>(Ref<K>);

RENT_UI_UNIT_PROPERTIES(Kind::kMenuItem)
RENT_UI_UNIT_PROPERTIES(Kind::kEdit)
RENT_UI_UNIT_PROPERTIES(Kind::kLabel)
RENT_UI_UNIT_PROPERTIES(Kind::kTransparentLabel)
RENT_UI_UNIT_PROPERTIES(Kind::kGroupBox)
RENT_UI_UNIT_PROPERTIES(Kind::kButton)
RENT_UI_UNIT_PROPERTIES(Kind::kPictureButton)
RENT_UI_UNIT_PROPERTIES(Kind::kPictureBox)
RENT_UI_UNIT_PROPERTIES(Kind::kCheckBox)
RENT_UI_UNIT_PROPERTIES(Kind::kRadio)
RENT_UI_UNIT_PROPERTIES(Kind::kCombo)
RENT_UI_UNIT_PROPERTIES(Kind::kTab)
RENT_UI_UNIT_PROPERTIES(Kind::kDateBox)
RENT_UI_UNIT_PROPERTIES(Kind::kTimer)
RENT_UI_UNIT_PROPERTIES(Kind::kSlider)
RENT_UI_UNIT_PROPERTIES(Kind::kListView)
RENT_UI_UNIT_PROPERTIES(Kind::kBalloonTip)
RENT_UI_UNIT_PROPERTIES(Kind::kGrid)
#undef RENT_UI_UNIT_PROPERTIES

// ---- Window properties ----

void SetTitle(WindowRef r, const std::string& title) {
  if (Window* w = FindWindow(r)) {
    w->title = title;
    Notify(*w, nullptr, Prop::kTitle);
  }
}

std::string GetTitle(WindowRef r) {
  Window* w = FindWindow(r);
  return w ? w->title : std::string();
}

void SetWindowVisible(WindowRef r, bool visible) {
  Window* w = FindWindow(r);
  if (!w) return;
  w->visible = visible;
  if (visible) {
    MarkShown(*w);
  } else {
    Notify(*w, nullptr, Prop::kVisible);
  }
}

bool GetWindowVisible(WindowRef r) {
  Window* w = FindWindow(r);
  return w && w->visible;
}

int GetWindowWidth(WindowRef r) {
  Window* w = FindWindow(r);
  return w ? w->rect.width : 0;
}

int GetWindowHeight(WindowRef r) {
  Window* w = FindWindow(r);
  return w ? w->rect.height : 0;
}

// A size written by the program raises the resized event, as a user's resize does.
void SetWindowSize(WindowRef r, int width, int height) {
  Window* w = FindWindow(r);
  if (!w || (w->rect.width == width && w->rect.height == height)) return;
  w->rect.width = width;
  w->rect.height = height;
  Notify(*w, nullptr, Prop::kGeometry);
  DispatchWindowEvent(*w, Event::kResized);
}

int GetClientHeight(WindowRef r) {
  Window* w = FindWindow(r);
  return w ? TheBackend().ClientHeight(*w) : 0;
}

}  // namespace ui
