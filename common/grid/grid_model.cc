#include "common/grid/grid_model.h"

#include <algorithm>
#include <cstdio>

GridModel::GridModel(int rows, int cols, GridFont default_font)
    : default_font_(std::move(default_font)) {
  SetRowCount(rows);
  SetColumnCount(cols);
}

bool GridModel::SetRowCount(int n) {
  if (n < 0) return false;
  rows_ = n;
  heights_.resize(n, kDefaultRowHeight);
  RemapCells([n](const CellKey& k, CellKey*) { return k.first < n; });
  FitMerges();
  if (cursor_row_ >= n) ClearCursor();
  return true;
}

bool GridModel::SetColumnCount(int n) {
  if (n < 0) return false;
  cols_ = n;
  widths_.resize(n, kDefaultColumnWidth);
  RemapCells([n](const CellKey& k, CellKey*) { return k.second < n; });
  kinds_.erase(kinds_.lower_bound(n), kinds_.end());
  FitMerges();
  if (cursor_col_ >= n) ClearCursor();
  return true;
}

bool GridModel::SetFixedRows(int n) {
  if (n < 0) return false;
  fixed_rows_ = n;
  return true;
}

bool GridModel::SetFixedColumns(int n) {
  if (n < 0) return false;
  fixed_cols_ = n;
  return true;
}

bool GridModel::SetRowHeight(int r, int height) {
  if (r < 0 || r >= rows_ || height < 0 || height > kLargestCellSize) return false;
  heights_[r] = height;
  return true;
}

bool GridModel::SetColumnWidth(int c, int width) {
  if (c < 0 || c >= cols_ || width < 0 || width > kLargestCellSize) return false;
  widths_[c] = width;
  return true;
}

const GridCell* GridModel::Cell(int r, int c) const {
  auto it = cells_.find({r, c});
  return it == cells_.end() ? nullptr : &it->second;
}

std::string GridModel::CellText(int r, int c) const {
  const GridCell* cell = Cell(r, c);
  return cell ? cell->text : std::string();
}

GridCell& GridModel::MutableCell(int r, int c) { return cells_[{r, c}]; }

void GridModel::Prune(int r, int c) {
  auto it = cells_.find({r, c});
  if (it == cells_.end()) return;
  GridCell& cell = it->second;
  if (cell.has_font && cell.font == default_font_) cell.has_font = false;
  if (!cell.has_font) cell.font = GridFont{};
  if (cell.IsBlank()) cells_.erase(it);
}

bool GridModel::SetText(int r, int c, const std::string& text) {
  if (!Inside(r, c)) return false;
  MutableCell(r, c).text = text;
  Prune(r, c);
  return true;
}

namespace {

template <class... T>
std::string Format(const char* format, T... args) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, args...);
  return buf;
}

// The text a value shows as in a cell; false for values that have no cell text.
bool ValueText(const Value& v, std::string* out) {
  if (auto* s = std::get_if<std::string>(&v))
    *out = *s;
  else if (auto* d = std::get_if<double>(&v))
    *out = Format("%.13g", *d);
  else if (auto* f = std::get_if<float>(&v))
    *out = Format("%.6g", static_cast<double>(*f));
  else if (auto* b = std::get_if<bool>(&v))
    *out = *b ? "真" : "假";
  else if (auto* i = std::get_if<int32_t>(&v))
    *out = std::to_string(*i);
  else if (auto* i64 = std::get_if<int64_t>(&v))
    *out = std::to_string(*i64);
  else if (auto* u = std::get_if<uint32_t>(&v))
    *out = std::to_string(*u);
  else if (auto* i16 = std::get_if<int16_t>(&v))
    *out = std::to_string(*i16);
  else if (auto* u8 = std::get_if<uint8_t>(&v))
    *out = std::to_string(*u8);
  else if (auto* bytes = std::get_if<ByteSet>(&v)) {
    auto end = std::find(bytes->begin(), bytes->end(), 0);
    *out = std::string(bytes->begin(), end);
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool GridModel::SetCellData(int r, int c, int kind, const Value& v) {
  std::string text;
  if (!Inside(r, c) || !ValueText(v, &text)) return false;
  return SetText(r, c, text);
}

bool GridModel::SetCursor(int r, int c) {
  if (!Inside(r, c)) return false;
  const GridMerge* m = MergeAt(r, c);
  cursor_row_ = m ? m->anchor_row : r;
  cursor_col_ = m ? m->anchor_col : c;
  return true;
}
