#include "common/grid/page_layout.h"

#include <algorithm>
#include <cstdio>

#include "common/grid/grid_model.h"

namespace {

constexpr int kAlignFlags[4] = {0, 0, 1, 2};  // position 1 left, 2 centred, 3 right
constexpr int kBandFormat = 0x824;            // single line, vertically centred, no prefix
constexpr int kTextInset = 2;
constexpr int kLargestMeasure = 100000;  // page options and title sizes are cut to this

// The printable area and the columns' places on the page.
struct Frame {
  int left, right, top, bottom;  // the grid's area
  int date_top, date_height, number_top, number_height;
  double scale = 1.0;
  std::vector<int> xs;  // left edge of every column, and the right edge of the last
};

Frame MakeFrame(const GridModel& g, const PageSetup& setup) {
  const auto& o = g.settings.page_options;
  auto at_least0 = [](int v) { return std::clamp(v, 0, kLargestMeasure); };
  Frame f;
  f.left = at_least0(o[0]);
  f.right = std::max(f.left + 1, setup.width - at_least0(o[2]));
  f.date_top = at_least0(o[1]);
  f.date_height = at_least0(o[4]);
  f.top = f.date_top + f.date_height;
  f.number_height = at_least0(o[5]);
  f.number_top = setup.height - at_least0(o[3]) - f.number_height;
  f.bottom = std::max(f.top + 1, f.number_top);
  long total = 0;
  for (int c = 0; c < g.cols(); ++c) total += g.ColumnWidth(c);
  if (total > f.right - f.left) f.scale = static_cast<double>(f.right - f.left) / total;
  long run = 0;
  for (int c = 0; c <= g.cols(); ++c) {
    f.xs.push_back(f.left + static_cast<int>(run * f.scale));
    run += g.ColumnWidth(c);
  }
  return f;
}

int TitleSize(const PrintTitle& t) { return std::clamp(t.size, 1, kLargestMeasure); }
int TitleHeight(const PrintTitle& t) { return t.text.empty() ? 0 : TitleSize(t) * 3 / 2; }

// Which rows go on which page: the rows run on from the first page's top; a later page
// starts with the heading rows again when they leave room for the row that comes next.
std::vector<std::vector<int>> BreakRows(const GridModel& g, const Frame& f, int first_top) {
  int fixed = std::min(g.fixed_rows(), g.rows());
  std::vector<int> heading;
  long heading_height = 0;
  for (int r = 0; r < fixed; ++r) heading.push_back(r), heading_height += g.RowHeight(r);
  std::vector<std::vector<int>> pages(1);
  long y = first_top;
  for (int r = 0; r < g.rows(); ++r) {
    int h = g.RowHeight(r);
    if (!pages.back().empty() && y + h > f.bottom) {
      bool repeat = r >= fixed && f.top + heading_height + h <= f.bottom;
      pages.push_back(repeat ? heading : std::vector<int>{});
      y = f.top + (repeat ? heading_height : 0);
    }
    pages.back().push_back(r);
    y += h;
  }
  return pages;
}

PageItem Item(PageItem::Type type, PageRect rect, uint32_t colour) {
  PageItem item;
  item.type = type;
  item.rect = rect;
  item.colour = colour;
  return item;
}

PageItem TextItem(PageRect rect, std::string text, GridFont font, int format, uint32_t colour) {
  PageItem item = Item(PageItem::Type::kText, rect, colour);
  item.text = std::move(text);
  item.font = std::move(font);
  item.format = format;
  return item;
}

// Draws one cell (or merged area) over rect: its fill, its text and its frame.
void DrawCell(const GridModel& g, const Frame& f, int r, int c, PageRect rect, Page* page) {
  const GridCell* cell = g.Cell(r, c);
  GridCell blank;
  const GridCell& v = cell ? *cell : blank;
  bool fixed = r < g.fixed_rows() || c < g.fixed_cols();
  if (v.colour_a <= 0xFFFFFF || fixed) {
    uint32_t fill = v.colour_a <= 0xFFFFFF ? v.colour_a : g.settings.back_colour;
    page->items.push_back(Item(PageItem::Type::kFill, rect, fill));
  }
  if (!v.text.empty()) {
    GridFont font = v.has_font ? v.font : g.default_font();
    font.height = std::max(1, static_cast<int>(font.height * f.scale));
    PageRect inner{rect.left + kTextInset, rect.top, std::max(0, rect.width - 2 * kTextInset),
                   rect.height};
    uint32_t colour = v.colour_b <= 0xFFFFFF ? v.colour_b : g.settings.default_colour_b;
    page->items.push_back(TextItem(inner, v.text, font, v.format, colour));
  }
  page->items.push_back(Item(PageItem::Type::kFrame, rect, 0));
}

// Draws the piece of merge m that starts at page row i: down over its rows on the page.
void DrawMergePiece(const GridModel& g, const Frame& f, const GridMerge& m, size_t i,
                    const std::vector<int>& ys, Page* page) {
  size_t last = i;
  while (last + 1 < page->rows.size() && m.range.Contains(page->rows[last + 1], m.range.col1)) {
    ++last;
  }
  int c = m.range.col1;
  PageRect rect{f.xs[c], ys[i], f.xs[m.range.col2 + 1] - f.xs[c], ys[last + 1] - ys[i]};
  DrawCell(g, f, m.anchor_row, m.anchor_col, rect, page);
}

// Draws the page's rows starting at top; a merged area shows once, over its rows on the page.
void DrawRows(const GridModel& g, const Frame& f, int top, Page* page) {
  std::vector<int> ys;
  for (int r : page->rows) ys.push_back(top), top += g.RowHeight(r);
  ys.push_back(top);
  for (size_t i = 0; i < page->rows.size(); ++i) {
    int r = page->rows[i];
    for (int c = 0; c < g.cols(); ++c) {
      const GridMerge* m = g.MergeAt(r, c);
      if (!m) {
        DrawCell(g, f, r, c, {f.xs[c], ys[i], f.xs[c + 1] - f.xs[c], ys[i + 1] - ys[i]}, page);
      } else if (c == m->range.col1 && (i == 0 || !m->range.Contains(page->rows[i - 1], c))) {
        DrawMergePiece(g, f, *m, i, ys, page);
      }
    }
  }
}

void DrawTitle(const GridModel& g, const Frame& f, Page* page) {
  const PrintTitle& t = g.settings.title;
  if (t.text.empty()) return;
  GridFont font = g.default_font();
  if (!t.face.empty()) font.face = t.face;
  font.height = TitleSize(t);
  font.weight = t.bold ? 700 : 400;
  PageRect rect{f.left, f.top, f.right - f.left, TitleHeight(t)};
  int align = kAlignFlags[std::clamp(t.alignment, 1, 3)];
  page->items.push_back(TextItem(rect, t.text, font, kBandFormat | align, 0));
}

// The print date above the grid and the page number below it, where their positions say.
void DrawBands(const GridModel& g, const Frame& f, const PageSetup& s, int number, int count,
               Page* page) {
  char text[64];
  int date_at = g.settings.print_date_position, number_at = g.settings.page_number_position;
  if (date_at >= 1 && date_at <= 3) {
    std::snprintf(text, sizeof text, "%d-%d-%d", s.year, s.month, s.day);
    PageRect rect{f.left, f.date_top, f.right - f.left, f.date_height};
    page->items.push_back(
        TextItem(rect, text, g.default_font(), kBandFormat | kAlignFlags[date_at], 0));
  }
  if (number_at >= 1 && number_at <= 3) {
    std::snprintf(text, sizeof text, "第 %d 页 / 共 %d 页", number, count);
    PageRect rect{f.left, f.number_top, f.right - f.left, f.number_height};
    page->items.push_back(
        TextItem(rect, text, g.default_font(), kBandFormat | kAlignFlags[number_at], 0));
  }
}

}  // namespace

std::vector<Page> LayoutPages(const GridModel& g, const PageSetup& setup) {
  Frame f = MakeFrame(g, setup);
  int title = TitleHeight(g.settings.title);
  int first_top =
      f.top + (title ? title + std::clamp(g.settings.page_options[6], 0, kLargestMeasure) : 0);
  std::vector<std::vector<int>> breaks = BreakRows(g, f, first_top);
  std::vector<Page> pages(breaks.size());
  for (size_t i = 0; i < pages.size(); ++i) {
    pages[i].rows = std::move(breaks[i]);
    if (i == 0) DrawTitle(g, f, &pages[i]);
    DrawRows(g, f, i == 0 ? first_top : f.top, &pages[i]);
    DrawBands(g, f, setup, static_cast<int>(i) + 1, static_cast<int>(pages.size()), &pages[i]);
  }
  return pages;
}
