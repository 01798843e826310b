#pragma once
// The framework's own state and the helpers its parts share (not for the programs).
#include <memory>
#include <utility>
#include <vector>

#include "common/ui/ui.h"

namespace ui::internal {

struct State {
  Backend* backend = nullptr;
  std::vector<std::unique_ptr<Window>> live;  // open windows, load order
  std::vector<std::unique_ptr<Window>> gone;  // destroyed, still pinned
  int depth = 0;  // running handlers and user actions at the current loop level
  int level = 0;  // nested modal loops running
  int shown_counter = 0;
  // Units found by name lately, by the addresses of the names asked for; valid while the
  // open windows stay the same (generation counts their changes).
  struct FoundUnit {
    const char* window = nullptr;
    const char* unit = nullptr;
    unsigned generation = 0;
    Unit* found = nullptr;
  };
  static constexpr int kFoundUnits = 64;
  FoundUnit found[kFoundUnits];
  unsigned generation = 1;
};

// The one state of the framework.
State& S();
// The realisation in use.
Backend& TheBackend();
// Tells the realisation that the program changed what of w (unit nullptr: the window).
void Notify(Window& w, Unit* unit, Prop what);
// Builds the live model of the declaration (no realisation, no events).
std::unique_ptr<Window> BuildWindow(const WindowDecl& decl);
// Runs the handlers bound to (unit name or nullptr = the window, e) of w.
void RunBound(Window& w, const char* unit, Event e, const EventArgs& args);
// Destroys w now: its destroying event, then the realisation and the model.
void DestroyNow(Window& w);
// Destroys the windows whose deferred destruction was asked at this loop level or deeper.
void FlushDeferred();
// Checks the radio and clears the other radios of its container (telling the realisation of
// each cleared one, and of the radio itself when tell_self).
void CheckInGroup(Unit& radio, bool tell_self);
// The day of `day` at the time of day of `time`.
DateTime WithTimeOf(DateTime day, DateTime time);
// Marks w shown (for ActiveWindow) and tells the realisation; its first showing also runs its
// size-changed event.
void MarkShown(Window& w);

// Writes a property of u (nullptr: ignored) and tells the realisation.
template <class T>
void WriteProp(Unit* u, T Unit::*member, T v, Prop what) {
  if (!u) return;
  u->*member = std::move(v);
  Notify(*u->window, u, what);
}

// Keeps a window's memory while something runs on it.
class Pin {
 public:
  explicit Pin(Window& w);
  ~Pin();
  Pin(const Pin&) = delete;
  Pin& operator=(const Pin&) = delete;

 private:
  Window* w_;
};

// Runs body as one running handler: destructions asked without "at once" wait until the
// outermost one at this loop level has returned.
template <class F>
void Guarded(F&& body) {
  State& s = S();
  ++s.depth;
  try {
    body();
  } catch (...) {
    --s.depth;
    throw;
  }
  if (--s.depth == 0) FlushDeferred();
}

}  // namespace ui::internal
