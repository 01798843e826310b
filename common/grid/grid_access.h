#pragma once
// How the grid operations reach a grid unit's model (internal to common/grid).
#include "common/grid/grid_model.h"
#include "common/ui/ui.h"

namespace grid_internal {

// The grid's model, or nullptr when its window is not open.
inline GridModel* Model(ui::GridRef g) {
  ui::Unit* u = ui::FindUnit(g);
  return u && u->grid ? u->grid.get() : nullptr;
}

// Runs change on the model; the realisation follows when it succeeded.
template <class F>
bool Change(ui::GridRef g, F change) {
  ui::Unit* u = ui::FindUnit(g);
  if (!u || !u->grid || !change(*u->grid)) return false;
  ui::GridTouched(*u);
  return true;
}

// Reads the model, or gives fallback when the grid is not open.
template <class T, class F>
T Read(ui::GridRef g, T fallback, F read) {
  const GridModel* m = Model(g);
  return m ? read(*m) : fallback;
}

}  // namespace grid_internal
