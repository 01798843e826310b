// The life of a window: loading, the message loops, destruction, reset.
#include <algorithm>

#include "common/platform.h"
#include "common/ui/framework_state.h"

namespace ui {
namespace internal {
namespace {

// A nested modal loop: handlers inside it count from 0 again.
class LoopLevel {
 public:
  LoopLevel() : saved_depth_(S().depth) {
    S().depth = 0;
    ++S().level;
  }
  ~LoopLevel() {
    S().depth = saved_depth_;
    --S().level;
  }
  LoopLevel(const LoopLevel&) = delete;
  LoopLevel& operator=(const LoopLevel&) = delete;

 private:
  int saved_depth_;
};

// Moves w from the open windows to the gone ones (freed once unpinned).
void Bury(Window& w) {
  auto& live = S().live;
  auto it = std::find_if(live.begin(), live.end(), [&](auto& p) { return p.get() == &w; });
  if (it == live.end()) return;
  S().gone.push_back(std::move(*it));
  live.erase(it);
  ++S().generation;
}

void FreeIfUnused(Window* w) {
  auto& gone = S().gone;
  std::erase_if(gone, [&](auto& p) { return p.get() == w && w->pins == 0; });
}

Window* NextDeferred() {
  for (auto& w : S().live) {
    if (w->destroy_pending && !w->destroying && w->destroy_level >= S().level) return w.get();
  }
  return nullptr;
}

}  // namespace

State& S() {
  static State state;
  return state;
}

Backend& TheBackend() { return S().backend ? *S().backend : CurrentPlatform().Windows(); }

void Notify(Window& w, Unit* unit, Prop what) { TheBackend().Changed(w, unit, what); }

Pin::Pin(Window& w) : w_(&w) { ++w.pins; }

Pin::~Pin() {
  if (--w_->pins == 0 && w_->destroyed) FreeIfUnused(w_);
}

// A window's first showing is also its first size event, as on the desktop.
void MarkShown(Window& w) {
  w.shown_order = ++S().shown_counter;
  Notify(w, nullptr, Prop::kVisible);
  if (w.shown_before) return;
  w.shown_before = true;
  DispatchWindowEvent(w, Event::kResized);
}

void DestroyNow(Window& w) {
  if (w.destroyed || w.destroying) return;
  Pin pin(w);
  w.destroying = true;
  w.destroy_pending = false;
  DispatchWindowEvent(w, Event::kDestroying);
  w.destroyed = true;
  w.visible = false;
  TheBackend().Destroyed(w);
  Bury(w);
  // Nothing reaches a gone window's grids any more: their memory goes now, not when the
  // handler that is still running on the window returns.
  for (auto& u : w.units) u->grid.reset();
}

void FlushDeferred() {
  while (Window* w = NextDeferred()) DestroyNow(*w);
}

}  // namespace internal

using namespace internal;

bool LoadWindow(const WindowDecl& decl, bool modal) {
  if (FindWindow(decl.name)) return false;
  S().live.push_back(BuildWindow(decl));
  ++S().generation;
  Window& w = *S().live.back();
  w.modal = modal;
  Pin pin(w);
  TheBackend().Created(w);
  DispatchWindowEvent(w, Event::kCreated);
  if (!w.destroyed && !w.destroying && w.visible) MarkShown(w);
  if (!modal) return true;
  if (w.destroy_pending) DestroyNow(w);
  if (!w.destroyed) {
    LoopLevel level;
    TheBackend().RunModal(w);
  }
  return true;
}

bool LoadStartWindow(const WindowDecl& decl) { return LoadWindow(decl, false); }

void RunMessageLoop() {
  FlushDeferred();
  if (!S().live.empty()) TheBackend().RunLoop();
}

void DestroyWindowUnit(WindowRef ref, bool at_once) {
  Window* w = FindWindow(ref);
  if (!w || w->destroying) return;
  if (at_once || S().depth == 0) {
    DestroyNow(*w);
  } else if (!w->destroy_pending) {
    w->destroy_pending = true;
    w->destroy_level = S().level;
  }
}

void SetBackend(Backend* backend) { S().backend = backend; }

void ResetFramework() {
  State& s = S();
  if (s.backend) {
    for (auto& w : s.live) s.backend->Destroyed(*w);
  }
  Backend* backend = s.backend;
  const unsigned generation = s.generation;
  s = State{};
  s.backend = backend;
  s.generation = generation + 1;
}

}  // namespace ui
