#include "common/grid/page_layout.h"

#include <algorithm>
#include <cstdio>

#include "common/grid/grid_model.h"
#include "common/grid/page_layout_parts.h"

using page_internal::Frame;
using page_internal::kLargestMeasure;
using page_internal::kTextInset;

namespace {

constexpr int kAlignFlags[4] = {0, 0, 1, 2};  // position 1 left, 2 centred, 3 right
constexpr int kBandFormat = 0x824;            // single line, vertically centred, no prefix

// What one page is drawn with: the frame, the page's column edges and the measure.
struct PageContext {
  const GridModel& g;
  const Frame& f;
  const std::vector<int>& xs;
  const page_internal::PageMeasure& measure;
};

PageItem Item(PageItem::Type type, PageRect rect, uint32_t colour) {
  PageItem item;
  item.type = type;
  item.rect = rect;
  item.colour = colour;
  return item;
}

// The text over rect, in the largest font (at most font's height) at which it fits whole.
PageItem TextItem(const PageContext& p, PageRect rect, std::string text, GridFont font, int format,
                  uint32_t colour) {
  PageItem item = Item(PageItem::Type::kText, rect, colour);
  const page_internal::FittedText& fit = p.measure.Fit(text, font, rect.width, rect.height - 2);
  font.height = fit.height;
  item.text = std::move(text);
  item.lines = fit.lines;
  item.font = std::move(font);
  item.format = format;
  return item;
}

// Draws one cell (or merged area) over rect: its fill, its text and its frame.
void DrawCell(const PageContext& p, int r, int c, PageRect rect, Page* page) {
  const GridModel& g = p.g;
  const CellStyle& v = g.StyleAt(r, c);
  const std::string& text = g.TextAt(r, c);
  bool fixed = r < g.fixed_rows() || c < g.fixed_cols();
  if (v.colour_a <= 0xFFFFFF || fixed) {
    uint32_t fill = v.colour_a <= 0xFFFFFF ? v.colour_a : g.settings.back_colour;
    page->items.push_back(Item(PageItem::Type::kFill, rect, fill));
  }
  if (!text.empty()) {
    GridFont font = v.has_font ? v.font : g.default_font();
    font.height = page_internal::PageFontHeight(font, p.f.scale);
    PageRect inner{rect.left + kTextInset, rect.top, std::max(0, rect.width - 2 * kTextInset),
                   rect.height};
    uint32_t colour = v.colour_b <= 0xFFFFFF ? v.colour_b : g.settings.default_colour_b;
    page->items.push_back(TextItem(p, inner, text, font, v.format, colour));
  }
  page->items.push_back(Item(PageItem::Type::kFrame, rect, 0));
}

// Draws the piece of merge m that starts at page row i: down over its rows on the page.
void DrawMergePiece(const PageContext& p, const GridMerge& m, size_t i, const std::vector<int>& ys,
                    Page* page) {
  size_t last = i;
  while (last + 1 < page->rows.size() && m.range.Contains(page->rows[last + 1], m.range.col1)) {
    ++last;
  }
  int c = m.range.col1;
  PageRect rect{p.xs[c], ys[i], p.xs[m.range.col2 + 1] - p.xs[c], ys[last + 1] - ys[i]};
  DrawCell(p, m.anchor_row, m.anchor_col, rect, page);
}

// Draws the page's rows starting at top; a merged area shows once, over its rows on the page.
void DrawRows(const PageContext& p, int top, Page* page) {
  const GridModel& g = p.g;
  std::vector<int> ys;
  for (int r : page->rows) ys.push_back(top), top += g.RowHeight(r);
  ys.push_back(top);
  for (size_t i = 0; i < page->rows.size(); ++i) {
    int r = page->rows[i];
    for (int c = 0; c < g.cols(); ++c) {
      const GridMerge* m = g.MergeAt(r, c);
      if (!m) {
        DrawCell(p, r, c, {p.xs[c], ys[i], p.xs[c + 1] - p.xs[c], ys[i + 1] - ys[i]}, page);
      } else if (c == m->range.col1 && (i == 0 || !m->range.Contains(page->rows[i - 1], c))) {
        DrawMergePiece(p, *m, i, ys, page);
      }
    }
  }
}

void DrawTitle(const PageContext& p, Page* page) {
  const PrintTitle& t = p.g.settings.title;
  if (t.text.empty()) return;
  GridFont font = p.g.default_font();
  if (!t.face.empty()) font.face = t.face;
  font.height = std::clamp(t.size, 1, kLargestMeasure);
  font.weight = t.bold ? 700 : 400;
  PageRect rect{p.f.left, p.f.top, p.f.right - p.f.left, font.height * 3 / 2};
  int align = kAlignFlags[std::clamp(t.alignment, 1, 3)];
  page->items.push_back(TextItem(p, rect, t.text, font, kBandFormat | align, 0));
}

// The print date above the grid and the page number below it, where their positions say.
void DrawBands(const PageContext& p, const PageSetup& s, int number, int count, Page* page) {
  const GridModel& g = p.g;
  const Frame& f = p.f;
  char text[64];
  int date_at = g.settings.print_date_position, number_at = g.settings.page_number_position;
  if (date_at >= 1 && date_at <= 3) {
    std::snprintf(text, sizeof text, "%d-%d-%d", s.year, s.month, s.day);
    PageRect rect{f.left, f.date_top, f.right - f.left, f.date_height};
    page->items.push_back(
        TextItem(p, rect, text, g.default_font(), kBandFormat | kAlignFlags[date_at], 0));
  }
  if (number_at >= 1 && number_at <= 3) {
    std::snprintf(text, sizeof text, "第 %d 页 / 共 %d 页", number, count);
    PageRect rect{f.left, f.number_top, f.right - f.left, f.number_height};
    page->items.push_back(
        TextItem(p, rect, text, g.default_font(), kBandFormat | kAlignFlags[number_at], 0));
  }
}

}  // namespace

GridPages::GridPages(const GridModel& grid, const PageSetup& setup, const TextMeasure& measure)
    : grid_(grid), setup_(setup), measure_(measure) {
  rows_ = page_internal::BreakRows(grid, page_internal::MakeFrame(grid, setup));
}

Page GridPages::Lay(int index) const {
  const Frame f = page_internal::MakeFrame(grid_, setup_);
  Page page;
  page.rows = rows_[index];
  const page_internal::PageMeasure measure(measure_);
  const std::vector<int> xs = page_internal::PageColumns(grid_, f, page.rows, measure);
  const PageContext p{grid_, f, xs, measure};
  if (index == 0) DrawTitle(p, &page);
  DrawRows(p, index == 0 ? f.first_top : f.top, &page);
  DrawBands(p, setup_, index + 1, count(), &page);
  return page;
}

std::vector<Page> LayoutPages(const GridModel& grid, const PageSetup& setup,
                              const TextMeasure& measure) {
  const GridPages pages(grid, setup, measure);
  std::vector<Page> laid;
  for (int i = 0; i < pages.count(); ++i) laid.push_back(pages.Lay(i));
  return laid;
}
