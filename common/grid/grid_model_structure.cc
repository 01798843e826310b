// Rows and columns of the grid model coming and going: inserting, dropping, clearing.
#include <algorithm>

#include "common/grid/grid_model.h"

void GridModel::Clear() {
  for (RowCells& row : store_) row.clear();  // the room stays for the cells written next
  styles_.Reset();
  merges_.clear();
  kinds_.clear();
  settings.keep_with_next.clear();
  for (int c = 0; c < cols_; ++c) widths_[c] = DefaultColumnWidth(c);
}

void GridModel::ResetContent() {
  store_.clear();
  styles_.Reset();
  merges_.clear();
  kinds_.clear();
  settings.keep_with_next.clear();
  settings.aux1.clear();
  settings.aux2.clear();
}

namespace {

// Moves the index for a line inserted before pos (by +1) or the line pos dropped (by -1).
int Shifted(int index, int pos, int by) {
  if (by > 0) return index >= pos ? index + 1 : index;
  return index > pos ? index - 1 : index;
}

// Moves a merged span the same way: a span that holds pos grows or shrinks.
void ShiftSpan(int& lo, int& hi, int& anchor, int pos, int by) {
  bool holds = lo < pos && hi >= pos;
  if (by < 0) holds = lo <= pos && hi >= pos;
  anchor = Shifted(anchor, pos, by);
  if (holds) {
    hi += by;
  } else {
    lo = Shifted(lo, pos, by);
    hi = Shifted(hi, pos, by);
  }
}

// A cursor coordinate after the shift; -1 stays -1.
int ShiftedCursor(int index, int pos, int by) {
  return index < 0 ? index : Shifted(index, pos, by);
}

}  // namespace

void GridModel::ShiftRows(int from, int by) {
  if (from < static_cast<int>(store_.size())) {
    if (by > 0) store_.insert(store_.begin() + from, RowCells());
    if (by < 0) store_.erase(store_.begin() + from);
  }
  for (GridMerge& m : merges_) ShiftSpan(m.range.row1, m.range.row2, m.anchor_row, from, by);
  cursor_row_ = ShiftedCursor(cursor_row_, from, by);
  if (from < static_cast<int>(heights_.size())) {
    if (by > 0) heights_.insert(heights_.begin() + from, kDefaultRowHeight);
    if (by < 0) heights_.erase(heights_.begin() + from);
  }
  rows_ += by;
  FitMerges();
  if (cursor_row_ >= rows_) ClearCursor();
}

void GridModel::ShiftColumns(int from, int by) {
  for (RowCells& row : store_) {
    if (from >= static_cast<int>(row.size())) continue;
    if (by > 0) row.insert(row.begin() + from, StoredCell());
    if (by < 0) row.erase(row.begin() + from);
    TrimRow(row);
  }
  for (GridMerge& m : merges_) ShiftSpan(m.range.col1, m.range.col2, m.anchor_col, from, by);
  std::map<int, ColumnKind> kinds;
  for (auto& [c, kind] : kinds_) {
    if (by > 0 || c != from) kinds.emplace(Shifted(c, from, by), std::move(kind));
  }
  kinds_ = std::move(kinds);
  cursor_col_ = ShiftedCursor(cursor_col_, from, by);
  if (by > 0) widths_.insert(widths_.begin() + from, DefaultColumnWidth(from));
  if (by < 0) widths_.erase(widths_.begin() + from);
  cols_ += by;
  FitMerges();
  if (cursor_col_ >= cols_) ClearCursor();
}

namespace {
// Where an inserted line goes: inside the non-header lines 1 .. count-1, else the end.
int InsertPosition(int position, int count) {
  return position >= 1 && position < count ? position : count;
}
}  // namespace

bool GridModel::InsertRow(const std::string& title, int position) {
  if (rows_ == 0 || cols_ == 0) {
    SetRowCount(std::max(rows_, 1));
    SetColumnCount(std::max(cols_, 1));
  }
  int at = InsertPosition(position, rows_);
  ShiftRows(at, 1);
  return SetText(at, 0, title);
}

bool GridModel::InsertColumn(const std::string& title, int position) {
  if (rows_ == 0 || cols_ == 0) {
    SetRowCount(std::max(rows_, 1));
    SetColumnCount(std::max(cols_, 1));
  }
  int at = InsertPosition(position, cols_);
  ShiftColumns(at, 1);
  return SetText(0, at, title);
}

bool GridModel::DropRow(int r) {
  if (r < 0 || r >= rows_) return false;
  ShiftRows(r, -1);
  return true;
}
