// The grid unit's numbered properties.
#include "common/grid/grid_access.h"
#include "common/grid/grid_model.h"
#include "common/grid/grid_ops.h"

using grid_internal::Change;
using grid_internal::Read;

int GetGridRowCount(ui::GridRef g) {
  return Read(g, 0, [](const GridModel& m) { return m.rows(); });
}

bool SetGridRowCount(ui::GridRef g, int n) {
  return Change(g, [&](GridModel& m) { return m.SetRowCount(n); });
}

int GetGridColumnCount(ui::GridRef g) {
  return Read(g, 0, [](const GridModel& m) { return m.cols(); });
}

bool SetGridColumnCount(ui::GridRef g, int n) {
  return Change(g, [&](GridModel& m) { return m.SetColumnCount(n); });
}

int GetGridFixedRows(ui::GridRef g) {
  return Read(g, 0, [](const GridModel& m) { return m.fixed_rows(); });
}

bool SetGridFixedRows(ui::GridRef g, int n) {
  return Change(g, [&](GridModel& m) { return m.SetFixedRows(n); });
}

bool GetGridEditable(ui::GridRef g) {
  return Read(g, false, [](const GridModel& m) { return m.settings.editable; });
}

bool SetGridEditable(ui::GridRef g, bool editable) {
  return Change(g, [&](GridModel& m) { return m.settings.editable = editable, true; });
}

int GetGridBackColour(ui::GridRef g) {
  return Read(g, 0, [](const GridModel& m) { return static_cast<int>(m.settings.back_colour); });
}

bool SetGridBackColour(ui::GridRef g, int colour) {
  return Change(g, [&](GridModel& m) {
    return m.settings.back_colour = static_cast<uint32_t>(colour), true;
  });
}

bool SetGridPrintDatePosition(ui::GridRef g, int position) {
  return Change(g, [&](GridModel& m) { return m.SetPrintDatePosition(position); });
}

bool SetGridPageNumberPosition(ui::GridRef g, int position) {
  return Change(g, [&](GridModel& m) { return m.SetPageNumberPosition(position); });
}
