#include "common/grid/grid_ops.h"

#include "common/grid/grid_access.h"
#include "common/grid/grid_model.h"

using grid_internal::Change;
using grid_internal::Read;

namespace {

CellRange Range(int row1, int col1, int row2, int col2) {
  return GridModel::MakeRange(row1, col1, row2, col2);
}

}  // namespace

GridWriteBatch::GridWriteBatch(ui::GridRef g) {
  if (grid_internal::g_batch.unit) return;
  ui::Unit* u = ui::FindUnit(g);
  if (!u || !u->grid) return;
  grid_internal::g_batch = {g, u, false};
  opened_ = true;
}

GridWriteBatch::~GridWriteBatch() {
  if (!opened_) return;
  const grid_internal::Batch batch = grid_internal::g_batch;
  grid_internal::g_batch = {};
  // The unit found again: a window gone meanwhile is told nothing.
  if (batch.changed && ui::FindUnit(batch.ref) == batch.unit) ui::GridTouched(*batch.unit);
}

int GetGridCursorRow(ui::GridRef g) {
  return Read(g, -1, [](const GridModel& m) { return m.cursor_row(); });
}

int GetGridCursorColumn(ui::GridRef g) {
  return Read(g, -1, [](const GridModel& m) { return m.cursor_col(); });
}

bool SetGridCursor(ui::GridRef g, int row, int col) {
  return Change(g, [&](GridModel& m) { return m.SetCursor(row, col); });
}

bool SetGridCellData(ui::GridRef g, int row, int col, GridCellDataKind kind, const Value& v) {
  return Change(g, [&](GridModel& m) { return m.SetCellData(row, col, kind, v); });
}

bool SetGridCellText(ui::GridRef g, int row, int col, std::string text) {
  return Change(g, [&](GridModel& m) { return m.SetText(row, col, std::move(text)); });
}

std::string GetGridCellData(ui::GridRef g, int row, int col) { return GridCellText(g, row, col); }

const std::string& GridCellText(ui::GridRef g, int row, int col) {
  static const std::string kNoText;
  const GridModel* m = grid_internal::Model(g);
  return m ? m->TextAt(row, col) : kNoText;
}

bool SetGridFontName(ui::GridRef g, int row1, int col1, int row2, int col2,
                     const std::string& face) {
  return Change(g,
                [&](GridModel& m) { return m.SetFontFace(Range(row1, col1, row2, col2), face); });
}

bool SetGridFontSize(ui::GridRef g, int row1, int col1, int row2, int col2, int height) {
  return Change(g,
                [&](GridModel& m) { return m.SetFontSize(Range(row1, col1, row2, col2), height); });
}

bool SetGridFontNameAndSize(ui::GridRef g, int row1, int col1, int row2, int col2,
                            const std::string& face, int height) {
  return Change(g, [&](GridModel& m) {
    return m.SetFontFaceAndSize(Range(row1, col1, row2, col2), face, height);
  });
}

bool SetGridFontStyle(ui::GridRef g, int row1, int col1, int row2, int col2, int style) {
  return Change(g,
                [&](GridModel& m) { return m.SetFontStyle(Range(row1, col1, row2, col2), style); });
}

bool SetGridAlignment(ui::GridRef g, int row1, int col1, int row2, int col2, int alignment) {
  return Change(
      g, [&](GridModel& m) { return m.SetAlignment(Range(row1, col1, row2, col2), alignment); });
}

bool JoinGridCells(ui::GridRef g, int row1, int col1, int row2, int col2) {
  return Change(g, [&](GridModel& m) { return m.Join(Range(row1, col1, row2, col2)); });
}

bool ClearGridCells(ui::GridRef g, int row1, int col1, int row2, int col2) {
  return Change(g, [&](GridModel& m) { return m.ClearCells(Range(row1, col1, row2, col2)); });
}

bool ClearGrid(ui::GridRef g) {
  return Change(g, [](GridModel& m) { return m.Clear(), true; });
}

bool DropGridRow(ui::GridRef g, int row) {
  return Change(g, [&](GridModel& m) { return m.DropRow(row); });
}

bool InsertGridRow(ui::GridRef g, const std::string& title, int position) {
  return Change(g, [&](GridModel& m) { return m.InsertRow(title, position); });
}

bool InsertGridColumn(ui::GridRef g, const std::string& title, int position) {
  return Change(g, [&](GridModel& m) { return m.InsertColumn(title, position); });
}

bool SetGridColumnType(ui::GridRef g, int col, int type) {
  return Change(g, [&](GridModel& m) { return m.SetColumnType(col, type); });
}

bool AddGridChoiceItem(ui::GridRef g, int col, const std::string& text) {
  return Change(g, [&](GridModel& m) { return m.AddChoiceItem(col, text); });
}

bool ClearGridChoiceList(ui::GridRef g) {
  return Change(g, [](GridModel& m) { return m.ClearChoiceLists(), true; });
}

bool SetGridColumnWidth(ui::GridRef g, int col, int width) {
  return Change(g, [&](GridModel& m) { return m.SetColumnWidth(col, width); });
}

bool SetGridCellFlag(ui::GridRef g, int row1, int col1, int row2, int col2, bool on) {
  return Change(g, [&](GridModel& m) { return m.SetReadOnly(Range(row1, col1, row2, col2), on); });
}

bool SetGridCellAttribute(ui::GridRef g, int row1, int col1, int row2, int col2, int colour) {
  return Change(g, [&](GridModel& m) {
    return m.SetBackground(Range(row1, col1, row2, col2), static_cast<uint32_t>(colour));
  });
}

bool SetGridPrintTitle(ui::GridRef g, const std::string& title, const std::string& face, int size,
                       bool bold, int alignment) {
  return Change(g, [&](GridModel& m) {
    return m.SetPrintTitle(PrintTitle{title, face, size, bold, alignment});
  });
}

bool SetGridPrintOption(ui::GridRef g, int item, int value) {
  return Change(g, [&](GridModel& m) { return m.SetPageOption(item, value); });
}
