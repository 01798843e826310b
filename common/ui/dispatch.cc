// Running the handlers bound to events.
#include <variant>

#include "common/ui/framework_state.h"

namespace ui {
namespace internal {
namespace {

bool SameUnit(const char* bound, const char* unit) {
  if (!bound || !unit) return bound == unit;
  return std::string_view(bound) == unit;
}

void Call(const Handler& h, const EventArgs& args) {
  if (auto plain = std::get_if<void (*)()>(&h)) {
    if (*plain) (*plain)();
  } else if (auto with_args = std::get_if<void (*)(const EventArgs&)>(&h)) {
    if (*with_args) (*with_args)(args);
  }
}

}  // namespace

void RunBound(Window& w, const char* unit, Event e, const EventArgs& args) {
  const auto& bindings = w.decl->bindings;
  for (size_t i = 0; i < bindings.size(); ++i) {
    if (bindings[i].event == e && SameUnit(bindings[i].unit, unit)) Call(bindings[i].handler, args);
  }
}

}  // namespace internal

using namespace internal;

bool DispatchUserEvent(Unit& u, Event e, const EventArgs& args) {
  if (!TakesInput(u)) return false;
  Pin pin(*u.window);
  Guarded([&] { RunBound(*u.window, u.name.c_str(), e, args); });
  return true;
}

void DispatchWindowEvent(Window& w, Event e) {
  Pin pin(w);
  Guarded([&] { RunBound(w, nullptr, e, EventArgs{}); });
}

}  // namespace ui
