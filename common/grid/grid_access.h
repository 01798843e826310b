#pragma once
// How the grid operations reach a grid unit's model (internal to common/grid).
#include "common/grid/grid_model.h"
#include "common/ui/ui.h"

namespace grid_internal {

// The grid of the write batch open now (GridWriteBatch, grid_ops.h), found once, and whether
// a change made in it waits to be told to the realisation.
struct Batch {
  ui::GridRef ref{nullptr, nullptr};
  ui::Unit* unit = nullptr;
  bool changed = false;
};
inline Batch g_batch;

// The grid unit, or nullptr when its window is not open.
inline ui::Unit* Unit(ui::GridRef g) {
  if (g_batch.unit && g.name == g_batch.ref.name && g.window == g_batch.ref.window)
    return g_batch.unit;
  return ui::FindUnit(g);
}

// The grid's model, or nullptr when its window is not open.
inline GridModel* Model(ui::GridRef g) {
  ui::Unit* u = Unit(g);
  return u && u->grid ? u->grid.get() : nullptr;
}

// Runs change on the model; the realisation follows when it succeeded (at the end of the
// batch, inside one).
template <class F>
bool Change(ui::GridRef g, F change) {
  ui::Unit* u = Unit(g);
  if (!u || !u->grid || !change(*u->grid)) return false;
  if (u == g_batch.unit) {
    g_batch.changed = true;
  } else {
    ui::GridTouched(*u);
  }
  return true;
}

// Reads the model, or gives fallback when the grid is not open.
template <class T, class F>
T Read(ui::GridRef g, T fallback, F read) {
  const GridModel* m = Model(g);
  return m ? read(*m) : fallback;
}

}  // namespace grid_internal
