// Finding windows and units, and which of them take the user's input.
#include <cstdint>
#include <cstring>

#include "common/ui/framework_state.h"

namespace ui {
using namespace internal;

Unit* Window::Find(const std::string& unit_name) const {
  for (auto& u : units) {
    if (u->name == unit_name) return u.get();
  }
  return nullptr;
}

Window* FindWindow(const std::string& name) {
  for (auto& w : S().live) {
    if (w->name == name) return w.get();
  }
  return nullptr;
}

Window* FindWindow(WindowRef w) { return FindWindow(std::string(w.name)); }

// A grid filled cell by cell asks for the same unit by the same names many times over: the
// answer is kept by the names' addresses until a window opens or goes, and checked by name.
namespace {
// True when the text equals the zero-terminated name; reads no further into the name than
// its terminator or the first byte that differs.
bool SameName(const std::string& text, const char* name) {
  return std::strncmp(name, text.c_str(), text.size() + 1) == 0;
}
}  // namespace

Unit* FindUnit(const char* window, const char* unit) {
  State& s = S();
  const auto key = reinterpret_cast<uintptr_t>(window) ^ (reinterpret_cast<uintptr_t>(unit) >> 3);
  State::FoundUnit& slot = s.found[(key ^ (key >> 7)) % State::kFoundUnits];
  if (slot.window == window && slot.unit == unit && slot.generation == s.generation &&
      SameName(slot.found->name, unit) && SameName(slot.found->window->name, window)) {
    return slot.found;
  }
  Window* w = FindWindow(std::string(window));
  Unit* u = w ? w->Find(unit) : nullptr;
  if (u) slot = {window, unit, s.generation, u};
  return u;
}

std::vector<Window*> LiveWindows() {
  std::vector<Window*> out;
  for (auto& w : S().live) out.push_back(w.get());
  return out;
}

namespace {

// True when a modal window opened after w is still open.
bool BlockedByModal(const Window& w) {
  bool after = false;
  for (auto& other : S().live) {
    if (after && other->modal) return true;
    if (other.get() == &w) after = true;
  }
  return !after;  // not open at all
}

// True when the container chain of u is shown (and u is on the current page of a tab).
bool ContainerShown(const Unit& u) {
  const Unit* at = &u;
  for (int hops = 0; !at->container.empty() && hops < 64; ++hops) {
    const Unit* box = u.window->Find(at->container);
    if (!box) return true;
    if (!box->visible) return false;
    if (box->kind == Kind::kTab && at->page >= 0 && at->page != box->selected) return false;
    at = box;
  }
  return true;
}

}  // namespace

bool TakesInput(const Window& w) {
  if (w.destroyed || w.destroying || w.destroy_pending || !w.visible) return false;
  return !BlockedByModal(w);
}

bool TakesInput(const Unit& u) {
  if (!u.window || !TakesInput(*u.window) || !u.visible || u.disabled) return false;
  return u.kind == Kind::kMenuItem || ContainerShown(u);
}

Window* ActiveWindow() {
  Window* best = nullptr;
  for (auto& w : S().live) {
    if (TakesInput(*w) && (!best || w->shown_order > best->shown_order)) best = w.get();
  }
  if (best) return best;
  for (auto& w : S().live) {
    if (w->modal) best = w.get();
  }
  return best;
}

}  // namespace ui
