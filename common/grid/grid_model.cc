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
  store_.resize(n);
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
  for (RowCells& row : store_) {
    if (static_cast<int>(row.size()) <= n) continue;
    row.resize(n);
    TrimRow(row);
  }
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
  if (r < 0 || r >= rows_ || c < 0) return nullptr;
  const RowCells& row = store_[r];
  if (c >= static_cast<int>(row.size()) || row[c].IsBlank()) return nullptr;
  return &row[c];
}

const std::string& GridModel::TextAt(int r, int c) const {
  static const std::string kNoText;
  if (r < 0 || r >= rows_ || c < 0) return kNoText;
  const RowCells& row = store_[r];
  return c < static_cast<int>(row.size()) ? row[c].text : kNoText;
}

std::string GridModel::CellText(int r, int c) const { return TextAt(r, c); }

GridCell& GridModel::MutableCell(int r, int c) {
  RowCells& row = store_[r];
  if (static_cast<int>(row.size()) <= c) GrowRow(row, c + 1);
  return row[c];
}

void GridModel::GrowRow(RowCells& row, int size) const {
  // A row is filled cell by cell from the left: room for the whole row at once.
  if (static_cast<int>(row.capacity()) < size) row.reserve(std::max(size, cols_));
  row.resize(size);
}

void GridModel::NormaliseFont(GridCell& cell) const {
  static const GridFont kFreshFont;
  if (cell.has_font && cell.font == default_font_) cell.has_font = false;
  if (!cell.has_font && !(cell.font == kFreshFont)) cell.font = kFreshFont;
}

void GridModel::TrimRow(RowCells& row) {
  while (!row.empty() && row.back().IsBlank()) row.pop_back();
}

void GridModel::Prune(int r, int c) {
  if (r < 0 || r >= rows_ || c < 0) return;
  RowCells& row = store_[r];
  if (c >= static_cast<int>(row.size())) return;
  NormaliseFont(row[c]);
  TrimRow(row);
}

bool GridModel::SetText(int r, int c, const std::string& text) {
  return SetText(r, c, std::string(text));
}

bool GridModel::SetText(int r, int c, std::string&& text) {
  if (!Inside(r, c)) return false;
  const bool empty = text.empty();
  MutableCell(r, c).text = std::move(text);
  if (empty) Prune(r, c);  // a cell with a text is never blank
  return true;
}

void GridModel::CellList::Iterator::Skip() {
  while (r_ < rows_->size()) {
    const RowCells& row = (*rows_)[r_];
    while (c_ < row.size() && row[c_].IsBlank()) ++c_;
    if (c_ < row.size()) return;
    ++r_;
    c_ = 0;
  }
  c_ = 0;
}

size_t GridModel::CellList::size() const {
  size_t n = 0;
  for (const RowCells& row : rows_) {
    for (const GridCell& cell : row) n += cell.IsBlank() ? 0 : 1;
  }
  return n;
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
  if (!Inside(r, c)) return false;
  if (const std::string* given = std::get_if<std::string>(&v)) return SetText(r, c, *given);
  std::string text;
  return ValueText(v, &text) && SetText(r, c, std::move(text));
}

bool GridModel::SetCursor(int r, int c) {
  if (!Inside(r, c)) return false;
  const GridMerge* m = MergeAt(r, c);
  cursor_row_ = m ? m->anchor_row : r;
  cursor_col_ = m ? m->anchor_col : c;
  return true;
}
