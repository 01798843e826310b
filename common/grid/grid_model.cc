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
  // Rows past the stored ones are blank and of the default height: new rows take nothing
  // until they are written (room for them is made, not touched).
  if (static_cast<int>(store_.size()) > n) store_.resize(n);
  if (static_cast<int>(store_.capacity()) < n) store_.reserve(n);
  if (static_cast<int>(heights_.size()) > n) heights_.resize(n);
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
  if (r >= static_cast<int>(heights_.size())) {
    if (height == kDefaultRowHeight) return true;
    heights_.resize(r + 1, kDefaultRowHeight);
  }
  heights_[r] = height;
  return true;
}

bool GridModel::SetColumnWidth(int c, int width) {
  if (c < 0 || c >= cols_ || width < 0 || width > kLargestCellSize) return false;
  widths_[c] = width;
  return true;
}

const GridModel::StoredCell* GridModel::Stored(int r, int c) const {
  if (r < 0 || r >= static_cast<int>(store_.size()) || c < 0) return nullptr;
  const RowCells& row = store_[r];
  return c < static_cast<int>(row.size()) ? &row[c] : nullptr;
}

GridModel::RowCells& GridModel::RowToWrite(int r) {
  if (r >= static_cast<int>(store_.size())) store_.resize(r + 1);
  return store_[r];
}

std::optional<GridCell> GridModel::Cell(int r, int c) const {
  const StoredCell* stored = Stored(r, c);
  if (!stored || stored->IsBlank()) return std::nullopt;
  GridCell cell;
  static_cast<CellStyle&>(cell) = styles_[stored->style];
  cell.text = stored->text;
  return cell;
}

const CellStyle& GridModel::StyleAt(int r, int c) const {
  const StoredCell* stored = Stored(r, c);
  return styles_[stored ? stored->style : 0];
}

const std::string& GridModel::TextAt(int r, int c) const {
  static const std::string kNoText;
  const StoredCell* stored = Stored(r, c);
  return stored ? stored->text : kNoText;
}

std::string GridModel::CellText(int r, int c) const { return TextAt(r, c); }

void GridModel::GrowRow(RowCells& row, int size) const {
  // A row is filled cell by cell from the left: room for the whole row at once.
  if (static_cast<int>(row.capacity()) < size) row.reserve(std::max(size, cols_));
  row.resize(size);
}

void GridModel::NormaliseFont(CellStyle& style) const {
  static const GridFont kFreshFont;
  if (style.has_font && style.font == default_font_) style.has_font = false;
  if (!style.has_font && !(style.font == kFreshFont)) style.font = kFreshFont;
}

uint32_t GridModel::StyleNumber(CellStyle style) {
  NormaliseFont(style);
  return styles_.Number(std::move(style));
}

void GridModel::TrimRow(RowCells& row) {
  while (!row.empty() && row.back().IsBlank()) row.pop_back();
}

void GridModel::StoreCell(int r, int c, GridCell cell) {
  RowCells& row = RowToWrite(r);
  if (static_cast<int>(row.size()) <= c) GrowRow(row, c + 1);
  row[c].text = std::move(cell.text);
  row[c].style = StyleNumber(std::move(static_cast<CellStyle&>(cell)));
  TrimRow(row);
}

bool GridModel::SetText(int r, int c, const std::string& text) {
  return SetText(r, c, std::string(text));
}

bool GridModel::SetText(int r, int c, std::string&& text) {
  if (!Inside(r, c)) return false;
  if (text.empty() && !Stored(r, c)) return true;  // a blank cell stays blank
  RowCells& row = RowToWrite(r);
  if (static_cast<int>(row.size()) <= c) GrowRow(row, c + 1);
  const bool empty = text.empty();
  row[c].text = std::move(text);
  if (empty) TrimRow(row);  // a cell with a text is never blank
  return true;
}

void GridModel::CellList::Iterator::Skip() {
  while (r_ < g_->store_.size()) {
    const RowCells& row = g_->store_[r_];
    while (c_ < row.size() && row[c_].IsBlank()) ++c_;
    if (c_ < row.size()) return;
    ++r_;
    c_ = 0;
  }
  c_ = 0;
}

size_t GridModel::CellList::size() const {
  size_t n = 0;
  for (const RowCells& row : g_.store_) {
    for (const StoredCell& cell : row) n += cell.IsBlank() ? 0 : 1;
  }
  return n;
}

bool operator==(const GridModel& a, const GridModel& b) {
  static const GridModel::RowCells kNoCells;
  auto row = [](const GridModel& g, int r) -> const GridModel::RowCells& {
    return r < static_cast<int>(g.store_.size()) ? g.store_[r] : kNoCells;
  };
  auto same_heights = [&] {
    for (int r = 0; r < a.rows_; ++r) {
      if (a.RowHeight(r) != b.RowHeight(r)) return false;
    }
    return true;
  };
  auto same_cells = [&] {
    for (int r = 0; r < a.rows_; ++r) {
      const GridModel::RowCells &x = row(a, r), &y = row(b, r);
      if (x.size() != y.size()) return false;
      for (size_t c = 0; c < x.size(); ++c) {
        if (x[c].text != y[c].text || !(a.styles_[x[c].style] == b.styles_[y[c].style]))
          return false;
      }
    }
    return true;
  };
  return a.rows_ == b.rows_ && a.cols_ == b.cols_ && a.fixed_rows_ == b.fixed_rows_ &&
         a.fixed_cols_ == b.fixed_cols_ && same_heights() && a.widths_ == b.widths_ &&
         a.declared_widths_ == b.declared_widths_ && a.default_font_ == b.default_font_ &&
         a.merges_ == b.merges_ && a.kinds_ == b.kinds_ && a.cursor_row_ == b.cursor_row_ &&
         a.cursor_col_ == b.cursor_col_ && a.settings == b.settings && same_cells();
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
