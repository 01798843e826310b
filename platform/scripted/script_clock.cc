// The script's clock and the timers it drives.
#include "platform/scripted/scripted_platform.h"

namespace {

constexpr double kMsPerDay = 86400000.0;

template <class F>
void ForEachTimer(F&& f) {
  for (ui::Window* w : ui::LiveWindows()) {
    for (auto& u : w->units) {
      if (u->kind == ui::Kind::kTimer && u->interval > 0) f(*u);
    }
  }
}

}  // namespace

void ScriptedPlatform::SetNow(DateTime now) { now_ = now; }

ui::Unit* ScriptedPlatform::NextDueTimer(int ms, int* wait) {
  ui::Unit* due = nullptr;
  ForEachTimer([&](ui::Unit& t) {
    int left = std::max(t.interval - timer_age_[&t], 0);
    if (left <= ms && (!due || left < *wait)) {
      due = &t;
      *wait = left;
    }
  });
  return due;
}

void ScriptedPlatform::AgeTimers(int ms) {
  now_.days += ms / kMsPerDay;
  ForEachTimer([&](ui::Unit& t) { timer_age_[&t] += ms; });
}

void ScriptedPlatform::AdvanceClock(int ms) {
  int wait = 0;
  while (ui::Unit* timer = NextDueTimer(ms, &wait)) {
    AgeTimers(wait);
    ms -= wait;
    timer_age_[timer] = 0;
    ui::user::Tick(*timer);
  }
  AgeTimers(ms);
}
