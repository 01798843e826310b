// The range operations of the grid model: fonts, alignment, flags, colours, clearing, merges.
#include <algorithm>

#include "common/grid/grid_model.h"

CellRange GridModel::MakeRange(int row1, int col1, int row2, int col2) {
  return {row1, col1, row2 < 0 ? row1 : row2, col2 < 0 ? col1 : col2};
}

bool GridModel::Clamp(CellRange* range) const {
  CellRange& g = *range;
  if (g.row1 > g.row2) std::swap(g.row1, g.row2);
  if (g.col1 > g.col2) std::swap(g.col1, g.col2);
  if (g.row2 < 0 || g.col2 < 0 || g.row1 >= rows_ || g.col1 >= cols_) return false;
  g.row1 = std::max(g.row1, 0);
  g.col1 = std::max(g.col1, 0);
  g.row2 = std::min(g.row2, rows_ - 1);
  g.col2 = std::min(g.col2, cols_ - 1);
  return true;
}

namespace {
// The style's own font, made from the default font on first change.
GridFont& OwnFont(CellStyle& style, const GridFont& default_font) {
  if (!style.has_font) style.font = default_font;
  style.has_font = true;
  return style.font;
}
}  // namespace

bool GridModel::SetFontFace(CellRange range, const std::string& face) {
  return ForRange(range, [&](CellStyle& style) { OwnFont(style, default_font_).face = face; });
}

bool GridModel::SetFontSize(CellRange range, int height) {
  if (height <= 0) return false;
  return ForRange(range, [&](CellStyle& style) { OwnFont(style, default_font_).height = height; });
}

bool GridModel::SetFontFaceAndSize(CellRange range, const std::string& face, int height) {
  if (height <= 0) return false;
  return ForRange(range, [&](CellStyle& style) {
    GridFont& f = OwnFont(style, default_font_);
    f.face = face;
    f.height = height;
  });
}

bool GridModel::SetFontStyle(CellRange range, int style) {
  if (style < 0 || style > 4) return false;
  return ForRange(range, [&](CellStyle& s) {
    GridFont& f = OwnFont(s, default_font_);
    f.weight = (style == 1 || style == 3) ? 700 : 400;
    f.italic = style == 2 || style == 3;
    f.underline = style == 4;
  });
}

bool GridModel::SetAlignment(CellRange range, int alignment) {
  if (alignment < 1 || alignment > 3) return false;
  return ForRange(range, [&](CellStyle& style) {
    style.format = (style.format & ~kTextAlignMask) | (alignment - 1);
  });
}

bool GridModel::SetReadOnly(CellRange range, bool on) {
  return ForRange(range, [&](CellStyle& style) {
    style.state = on ? (style.state | kCellReadOnly) : (style.state & ~kCellReadOnly);
  });
}

bool GridModel::SetBackground(CellRange range, uint32_t colour) {
  return ForRange(range, [&](CellStyle& style) { style.colour_a = colour; });
}

bool GridModel::ClearCells(CellRange range) {
  if (!Clamp(&range)) return false;
  for (int r = range.row1; r <= std::min(range.row2, static_cast<int>(store_.size()) - 1); ++r) {
    RowCells& row = store_[r];
    const int end = std::min(range.col2 + 1, static_cast<int>(row.size()));
    for (int c = range.col1; c < end; ++c) row[c].text.clear();
  }
  return ForRange(range, [](CellStyle& style) {
    const int32_t format = style.format;  // the cell's alignment stays for the next text
    style = CellStyle{};
    style.format = format;
  });
}

bool GridModel::Join(CellRange range) {
  if (!Clamp(&range)) return false;
  std::erase_if(merges_, [&](const GridMerge& m) {
    const CellRange& o = m.range;
    return o.row1 <= range.row2 && range.row1 <= o.row2 && o.col1 <= range.col2 &&
           range.col1 <= o.col2;
  });
  if (range.row1 != range.row2 || range.col1 != range.col2) {
    merges_.push_back({range.row1, range.col1, range});
  }
  return true;
}

const GridMerge* GridModel::MergeAt(int r, int c) const {
  for (const GridMerge& m : merges_) {
    if (m.range.Contains(r, c)) return &m;
  }
  return nullptr;
}

bool GridModel::AddMerge(const GridMerge& m) {
  const CellRange& g = m.range;
  bool fits = g.row1 >= 0 && g.col1 >= 0 && g.row1 <= g.row2 && g.col1 <= g.col2 &&
              g.row2 < rows_ && g.col2 < cols_ && g.Contains(m.anchor_row, m.anchor_col);
  if (!fits) return false;
  merges_.push_back(m);
  return true;
}

void GridModel::FitMerges() {
  for (GridMerge& m : merges_) {
    m.range.row2 = std::min(m.range.row2, rows_ - 1);
    m.range.col2 = std::min(m.range.col2, cols_ - 1);
    m.anchor_row = std::clamp(m.anchor_row, m.range.row1, std::max(m.range.row1, m.range.row2));
    m.anchor_col = std::clamp(m.anchor_col, m.range.col1, std::max(m.range.col1, m.range.col2));
  }
  std::erase_if(merges_, [](const GridMerge& m) {
    const CellRange& g = m.range;
    return g.row1 > g.row2 || g.col1 > g.col2 || (g.row1 == g.row2 && g.col1 == g.col2);
  });
}
