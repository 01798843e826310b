#include "common/grid/grid_model.h"

#include <algorithm>

#include "common/text.h"

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
  const int had = static_cast<int>(widths_.size());
  widths_.resize(n);
  for (int c = had; c < n; ++c) widths_[c] = DefaultColumnWidth(c);
  RemapCells([n](const CellKey& k, CellKey*) { return k.second < n; });
  kinds_.erase(kinds_.lower_bound(n), kinds_.end());
  FitMerges();
  if (cursor_col_ >= n) ClearCursor();
  return true;
}

int GridModel::DefaultColumnWidth(int c) const {
  return c >= 0 && c < static_cast<int>(declared_widths_.size()) ? declared_widths_[c]
                                                                 : kDefaultColumnWidth;
}

void GridModel::DeclareColumnWidths(std::vector<int> widths) {
  declared_widths_ = std::move(widths);
  for (int c = 0; c < cols_; ++c) widths_[c] = DefaultColumnWidth(c);
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

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// The text a value shows as in a cell; false for values that have no cell text.
bool ValueText(const Value& v, std::string* out) {
  return std::visit(Overloaded{
                        [&](const std::string& s) { return *out = s, true; },
                        [&](double d) { return *out = ToText(d), true; },  // "%.13g"
                        [&](float f) { return *out = ToText(f), true; },   // "%.6g"
                        [&](bool b) { return *out = b ? "真" : "假", true; },
                        [&](const ByteSet& b) {
                          return *out = std::string(b.begin(), std::find(b.begin(), b.end(), 0)),
                                 true;
                        },
                        [](std::monostate) { return false; },
                        [](DateTime) { return false; },
                        [&](auto integer) { return *out = std::to_string(integer), true; },
                    },
                    v);
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
