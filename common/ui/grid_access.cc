// The grid model of a grid unit, for the grid operations.
#include <cstdio>
#include <cstdlib>

#include "common/ui/framework_state.h"

namespace ui {

GridModel& Grid(GridRef r) {
  Unit* u = FindUnit(r);
  if (!u || !u->grid) {
    std::fprintf(stderr, "grid %s of window %s is not open\n", r.name, r.window);
    std::abort();
  }
  return *u->grid;
}

void GridTouched(GridRef r) {
  if (Unit* u = FindUnit(r)) GridTouched(*u);
}

void GridTouched(Unit& grid) { internal::Notify(*grid.window, &grid, Prop::kGrid); }

}  // namespace ui
